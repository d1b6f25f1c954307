#include "fake_file_system.h"

#include <algorithm>

namespace {

std::string Fold(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

std::string Trimmed(std::string path) {
  while (!path.empty() && path.back() == '\\') path.pop_back();
  return path;
}

std::string ParentOf(const std::string& path) {
  size_t slash = path.rfind('\\');
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

bool Match(const char* p, const char* n) {
  if (*p == '\0') return *n == '\0';
  if (*p == '*') return Match(p + 1, n) || (*n != '\0' && Match(p, n + 1));
  if (*n == '\0') return false;
  if (*p == '?' || *p == *n) return Match(p + 1, n + 1);
  return false;
}

}  // namespace

bool WildcardMatch(const std::string& pattern, const std::string& name) {
  if (pattern == "*.*") return true;
  return Match(Fold(pattern).c_str(), Fold(name).c_str());
}

const FakeFileSystem::Node* FakeFileSystem::Find(const std::string& path) const {
  auto it = index_.find(Fold(Trimmed(path)));
  return it == index_.end() ? nullptr : &nodes_[it->second];
}

bool FakeFileSystem::Exists(const std::string& path) const {
  return Find(path) != nullptr;
}

std::string FakeFileSystem::Content(const std::string& path) const {
  const Node* node = Find(path);
  return node ? node->content : std::string();
}

void FakeFileSystem::Insert(Node node) {
  node.path = Trimmed(node.path);
  index_[Fold(node.path)] = nodes_.size();
  nodes_.push_back(std::move(node));
}

void FakeFileSystem::AddFile(const std::string& path, const std::string& content) {
  Insert({path, false, content});
}

void FakeFileSystem::AddFolder(const std::string& path) {
  Insert({path, true, ""});
}

void FakeFileSystem::ForEachChild(const std::string& folder, bool folders,
                                  const std::function<void(const std::string&)>& found) const {
  const std::string parent = Fold(Trimmed(folder));
  for (const Node& node : nodes_) {
    if (node.path.empty() || node.folder != folders) continue;
    if (Fold(ParentOf(node.path)) == parent) found(node.path.substr(node.path.rfind('\\') + 1));
  }
}

std::vector<std::string> FakeFileSystem::Names(const std::string& folder) const {
  std::vector<std::string> names;
  auto add = [&](const std::string& name) { names.push_back(name); };
  ForEachChild(folder, false, add);
  ForEachChild(folder, true, add);
  return names;
}

void FakeFileSystem::ListFiles(const std::string& folder, const std::string& pattern,
                               const std::function<void(const std::string&)>& found) {
  ForEachChild(folder, false, [&](const std::string& name) {
    if (WildcardMatch(pattern, name)) found(name);
  });
}

void FakeFileSystem::ListFolders(const std::string& folder,
                                 const std::function<void(const std::string&)>& found) {
  if (Find(folder) || !Trimmed(folder).empty()) {
    found(".");
    found("..");
  }
  ForEachChild(folder, true, found);
}

bool FakeFileSystem::Rename(const std::string& from, const std::string& to) {
  renameCalls.emplace_back(from, to);
  if (refuseRename && refuseRename(from, to)) return false;
  auto it = index_.find(Fold(Trimmed(from)));
  if (it == index_.end()) return false;
  const std::string target = Trimmed(to);
  auto existing = index_.find(Fold(target));
  if (existing != index_.end() && existing->second != it->second) return false;
  if (!Find(ParentOf(target)) && Fold(ParentOf(target)) != Fold(ParentOf(Trimmed(from)))) {
    return false;  // the target folder does not exist
  }
  size_t at = it->second;
  const std::string oldPath = nodes_[at].path;
  index_.erase(it);
  nodes_[at].path = target;
  index_[Fold(target)] = at;
  if (nodes_[at].folder) {  // children move along
    const std::string prefix = Fold(oldPath) + "\\";
    for (size_t i = 0; i < nodes_.size(); ++i) {
      if (Fold(nodes_[i].path).rfind(prefix, 0) != 0) continue;
      index_.erase(Fold(nodes_[i].path));
      nodes_[i].path = target + nodes_[i].path.substr(oldPath.size());
      index_[Fold(nodes_[i].path)] = i;
    }
  }
  return true;
}

bool FakeFileSystem::CreateFolder(const std::string& path) {
  const std::string folder = Trimmed(path);
  if (Find(folder) || !Find(ParentOf(folder))) return false;
  AddFolder(folder);
  return true;
}

std::optional<std::string> FakeFileSystem::ReadFile(const std::string& path) {
  const Node* node = Find(path);
  if (!node || node->folder) return std::nullopt;
  return node->content;
}

bool FakeFileSystem::WriteFile(const std::string& path, const std::string& bytes) {
  if (refuseWrite && refuseWrite(path)) return false;
  auto it = index_.find(Fold(Trimmed(path)));
  if (it != index_.end()) {
    if (nodes_[it->second].folder) return false;
    nodes_[it->second].content = bytes;
    return true;
  }
  if (!Find(ParentOf(Trimmed(path)))) return false;
  AddFile(path, bytes);
  return true;
}
