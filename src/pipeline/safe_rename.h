// The one place through which every rename goes. It keeps items inside their folder: a new
// name that could address another place, or that Windows never accepts as a name, is refused
// like a rename the file system refused.
#pragma once

#include <string>
#include <string_view>

class FileSystem;

// Whether `name` is a plain name within one folder: not empty, not made of dots and blanks
// only ("." and ".."), and free of "\" and "/" (at character boundaries: a trail byte 0x5C
// is part of its character), of the characters Windows forbids in names (< > : " | ? *) and
// of control characters.
bool IsPlainName(std::string_view name);
// Renames `folder` + `oldName` to `folder` + `newName` without overwriting. False when either
// name is not plain or the file system refuses.
bool RenameInFolder(FileSystem& files, const std::string& folder, const std::string& oldName,
                    const std::string& newName);
