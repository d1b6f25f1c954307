// A fresh folder under the temporary folder, removed with everything in it at the end.
#pragma once

#include <string>
#include <vector>

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder's path, ending with "\".
  const std::string& path() const { return path_; }
  // Creates a file (name relative to the folder) with `content`.
  void AddFile(const std::string& name, const std::string& content) const;
  void AddFolder(const std::string& name) const;
  // The names in the folder (files and folders), sorted bytewise.
  std::vector<std::string> Names() const;
  // A file's contents; empty when it cannot be read.
  std::string Content(const std::string& name) const;
  // What differs between the folder's items and those that AddFile and AddFolder made, names
  // left aside: items lost or added, files whose contents changed (contents tell the items
  // apart). Empty when every item is still there, once, with its own content.
  std::string LostOrChanged() const;

 private:
  std::string path_;
  // Each item made, by its content (folders by a mark); AddFile and AddFolder are const.
  mutable std::vector<std::string> added_;
};
