// The file system port over the Windows ANSI file functions.
#pragma once

#include "platform/file_system.h"

class Win32FileSystem : public FileSystem {
 public:
  void ListFiles(const std::string& folder, const std::string& pattern,
                 const std::function<void(const std::string&)>& found) override;
  void ListFolders(const std::string& folder,
                   const std::function<void(const std::string&)>& found) override;
  bool Rename(const std::string& from, const std::string& to) override;
  bool CreateFolder(const std::string& path) override;
  std::optional<std::string> ReadFile(const std::string& path) override;
  bool WriteFile(const std::string& path, const std::string& bytes) override;
  std::string ProgramFolder() override;
};
