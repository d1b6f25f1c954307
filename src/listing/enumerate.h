// Listing the files or sub-folders of one folder.
#pragma once

#include <string>
#include <vector>

class FileSystem;
class Form;

// The files of `folder` matching `pattern`; the window handles pending messages after each
// file. Bare names or full paths, in natural order or in the file system's order.
std::vector<std::string> EnumerateFiles(Form& form, FileSystem& files, const std::string& folder,
                                        const std::string& pattern, bool withPath,
                                        bool naturalOrder);
// The sub-folders of `folder` in the file system's order, "." and ".." left out.
std::vector<std::string> EnumerateFolders(FileSystem& files, const std::string& folder,
                                          bool withPath);
