// The file system as the rename logic sees it. Paths are code page 936 byte strings.
#pragma once

#include <functional>
#include <optional>
#include <string>

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // Calls `found` with the bare name of every file (not folder) of `folder` that matches the
  // wildcard `pattern`, in the order the file system delivers them. `folder` ends with "\".
  // Hidden and system files are included. A missing or unreadable folder lists nothing.
  virtual void ListFiles(const std::string& folder, const std::string& pattern,
                         const std::function<void(const std::string&)>& found) = 0;
  // Calls `found` with the bare name of every sub-folder, "." and ".." left out.
  virtual void ListFolders(const std::string& folder,
                           const std::function<void(const std::string&)>& found) = 0;
  // Renames within a folder; fails when `to` exists already: nothing is ever overwritten.
  virtual bool Rename(const std::string& from, const std::string& to) = 0;
  // Creates one folder level; fails when it exists or its parent does not.
  virtual bool CreateFolder(const std::string& path) = 0;
  // The whole contents of a file, or nothing when it cannot be read (or is a folder).
  virtual std::optional<std::string> ReadFile(const std::string& path) = 0;
  // Creates or truncates a file and writes `bytes`.
  virtual bool WriteFile(const std::string& path, const std::string& bytes) = 0;
  // The folder holding the program's executable, without a trailing "\".
  virtual std::string ProgramFolder() = 0;
};
