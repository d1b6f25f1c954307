// A file system of one folder in memory, as lean as it can be, so that a benchmark measures
// the program and not the fake: listing is one pass, a rename two hash look-ups. Names compare
// with ASCII letters folded and a rename never overwrites, as on Windows.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "pipeline/text.h"
#include "platform/file_system.h"

class LeanFileSystem : public FileSystem {
 public:
  // `folder` ends with "\".
  LeanFileSystem(std::string folder, const std::vector<std::string>& names)
      : folder_(std::move(folder)), names_(names) {
    index_.reserve(names.size() * 2);
    for (size_t i = 0; i < names_.size(); ++i) index_[Fold(names_[i])] = i;
  }

  const std::vector<std::string>& names() const { return names_; }

  // Lists every file whatever the pattern: the benchmarks only use "*.*".
  void ListFiles(const std::string& folder, const std::string&,
                 const std::function<void(const std::string&)>& found) override {
    if (folder != folder_) return;
    for (const auto& name : names_) found(name);
  }
  void ListFolders(const std::string&, const std::function<void(const std::string&)>&) override {}
  bool Rename(const std::string& from, const std::string& to) override {
    if (from.compare(0, folder_.size(), folder_) != 0 ||
        to.compare(0, folder_.size(), folder_) != 0) {
      return false;
    }
    const std::string oldName = from.substr(folder_.size()), newName = to.substr(folder_.size());
    auto it = index_.find(Fold(oldName));
    if (it == index_.end()) return false;
    const size_t at = it->second;
    if (Fold(oldName) != Fold(newName)) {
      if (!index_.emplace(Fold(newName), at).second) return false;
      index_.erase(Fold(oldName));  // the emplace may have rehashed
    }
    names_[at] = newName;
    return true;
  }
  bool CreateFolder(const std::string&) override { return false; }
  std::optional<std::string> ReadFile(const std::string&) override { return std::nullopt; }
  bool WriteFile(const std::string&, const std::string&) override { return false; }
  std::string ProgramFolder() override { return "C:\\Program"; }

 private:
  // ASCII letters folded; the trail byte of a two-byte character stays.
  static std::string Fold(std::string text) {
    for (size_t i = 0; i < text.size(); i += CharLength(text, i)) {
      if (text[i] >= 'A' && text[i] <= 'Z') text[i] = static_cast<char>(text[i] - 'A' + 'a');
    }
    return text;
  }

  std::string folder_;
  std::vector<std::string> names_;
  std::unordered_map<std::string, size_t> index_;
};
