#include "temp_folder.h"

#include <windows.h>

#include <algorithm>
#include <iterator>

namespace {

const std::string kFolderMark = "<folder>";

void RemoveTree(const std::string& folder) {
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA((folder + "*").c_str(), &data);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = data.cFileName;
      if (name == "." || name == "..") continue;
      const std::string path = folder + name;
      SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(path + "\\");
      } else {
        DeleteFileA(path.c_str());
      }
    } while (FindNextFileA(find, &data));
    FindClose(find);
  }
  RemoveDirectoryA(folder.c_str());
}

}  // namespace

TempFolder::TempFolder() {
  char base[MAX_PATH];
  GetTempPathA(MAX_PATH, base);
  static int counter = 0;
  for (;;) {
    path_ = std::string(base) + "重命名测试" + std::to_string(GetCurrentProcessId()) + "_" +
            std::to_string(++counter) + "\\";
    if (CreateDirectoryA(path_.c_str(), nullptr)) break;
  }
}

TempFolder::~TempFolder() {
  RemoveTree(path_);
}

void TempFolder::AddFile(const std::string& name, const std::string& content) const {
  HANDLE file = CreateFileA((path_ + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
  CloseHandle(file);
  added_.push_back(content);
}

void TempFolder::AddFolder(const std::string& name) const {
  CreateDirectoryA((path_ + name).c_str(), nullptr);
  added_.push_back(kFolderMark);
}

std::vector<std::string> TempFolder::Names() const {
  std::vector<std::string> names;
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA((path_ + "*").c_str(), &data);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = data.cFileName;
      if (name != "." && name != "..") names.push_back(name);
    } while (FindNextFileA(find, &data));
    FindClose(find);
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::string TempFolder::Content(const std::string& name) const {
  HANDLE file = CreateFileA((path_ + name).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  std::string content;
  char buffer[4096];
  DWORD read = 0;
  while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0)
    content.append(buffer, read);
  CloseHandle(file);
  return content;
}

std::string TempFolder::LostOrChanged() const {
  std::vector<std::string> now;
  for (const auto& name : Names()) {
    const DWORD attributes = GetFileAttributesA((path_ + name).c_str());
    const bool isFolder =
        attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
    now.push_back(isFolder ? kFolderMark : Content(name));
  }
  std::vector<std::string> before = added_;
  std::sort(now.begin(), now.end());
  std::sort(before.begin(), before.end());
  std::vector<std::string> lost, extra;
  std::set_difference(before.begin(), before.end(), now.begin(), now.end(),
                      std::back_inserter(lost));
  std::set_difference(now.begin(), now.end(), before.begin(), before.end(),
                      std::back_inserter(extra));
  std::string report;
  for (const auto& content : lost) report += "lost: \"" + content + "\"\n";
  for (const auto& content : extra) report += "new or changed: \"" + content + "\"\n";
  return report;
}
