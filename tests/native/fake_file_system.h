// An in-memory file system with Windows semantics: names compare without regard to ASCII
// letter case, "*.*" matches every name, a rename never overwrites, the listing order is the
// order in which items were added, and renames can be made to fail.
#pragma once

#include <functional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/file_system.h"

class FakeFileSystem : public FileSystem {
 public:
  struct Node {
    std::string path;  // full path, folders without a trailing "\"
    bool folder = false;
    std::string content;
  };

  // Adds a file or folder (full path); its parent folders are implied.
  void AddFile(const std::string& path, const std::string& content = "");
  void AddFolder(const std::string& path);
  bool Exists(const std::string& path) const;
  std::string Content(const std::string& path) const;
  // Bare names of the items directly in `folder` (with or without trailing "\"), in order.
  std::vector<std::string> Names(const std::string& folder) const;

  void ListFiles(const std::string& folder, const std::string& pattern,
                 const std::function<void(const std::string&)>& found) override;
  void ListFolders(const std::string& folder,
                   const std::function<void(const std::string&)>& found) override;
  bool Rename(const std::string& from, const std::string& to) override;
  bool CreateFolder(const std::string& path) override;
  std::optional<std::string> ReadFile(const std::string& path) override;
  bool WriteFile(const std::string& path, const std::string& bytes) override;
  std::string ProgramFolder() override { return programFolder; }

  // Every rename asked for, successful or not, as (from, to).
  std::vector<std::pair<std::string, std::string>> renameCalls;
  // Makes the rename of a path fail when it returns true.
  std::function<bool(const std::string& from, const std::string& to)> refuseRename;
  std::function<bool(const std::string& path)> refuseWrite;
  std::string programFolder = "C:\\Program";

 private:
  std::vector<Node> nodes_;
  std::unordered_map<std::string, size_t> index_;  // folded path -> node
  const Node* Find(const std::string& path) const;
  void Insert(Node node);
  void ForEachChild(const std::string& folder, bool folders,
                    const std::function<void(const std::string&)>& found) const;
};

// Case-insensitive wildcard match of a bare name, "*.*" matching every name.
bool WildcardMatch(const std::string& pattern, const std::string& name);
