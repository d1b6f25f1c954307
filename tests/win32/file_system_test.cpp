// The file system adapter on real files with Chinese names.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

#include "platform/win32/win32_file_system.h"
#include "temp_folder.h"

using Strings = std::vector<std::string>;

namespace {
Strings Listed(FileSystem& files, const std::string& folder, const std::string& pattern) {
  Strings names;
  files.ListFiles(folder, pattern, [&](const std::string& name) { names.push_back(name); });
  std::sort(names.begin(), names.end());
  return names;
}
}  // namespace

TEST(Win32FileSystem, ListsFilesByPatternWithoutRegardToCaseHiddenIncluded) {
  TempFolder folder;
  folder.AddFile("第1课.txt", "1");
  folder.AddFile("B.TXT", "2");
  folder.AddFile("readme", "3");
  folder.AddFile("隐藏.txt", "4");
  SetFileAttributesA((folder.path() + "隐藏.txt").c_str(), FILE_ATTRIBUTE_HIDDEN);
  folder.AddFolder("子目录.txt");
  Win32FileSystem files;
  EXPECT_EQ(Listed(files, folder.path(), "*.txt"), (Strings{"B.TXT", "第1课.txt", "隐藏.txt"}));
  EXPECT_EQ(Listed(files, folder.path(), "*.*"),
            (Strings{"B.TXT", "readme", "第1课.txt", "隐藏.txt"}));
  Strings folders;
  files.ListFolders(folder.path(), [&](const std::string& name) { folders.push_back(name); });
  std::sort(folders.begin(), folders.end());
  EXPECT_EQ(folders, (Strings{".", "..", "子目录.txt"}));
}

TEST(Win32FileSystem, RenameNeverOverwrites) {
  TempFolder folder;
  folder.AddFile("甲.txt", "first");
  folder.AddFile("乙.txt", "second");
  Win32FileSystem files;
  EXPECT_FALSE(files.Rename(folder.path() + "甲.txt", folder.path() + "乙.txt"));
  EXPECT_FALSE(files.Rename(folder.path() + "甲.txt", folder.path() + "乙.TXT"));
  EXPECT_EQ(folder.Content("甲.txt"), "first");
  EXPECT_EQ(folder.Content("乙.txt"), "second");
  EXPECT_TRUE(files.Rename(folder.path() + "甲.txt", folder.path() + "丙.txt"));
  EXPECT_EQ(folder.Names(), (Strings{"丙.txt", "乙.txt"}));
  EXPECT_EQ(folder.Content("丙.txt"), "first");
}

TEST(Win32FileSystem, WritesReadsAndCreatesFolders) {
  TempFolder folder;
  Win32FileSystem files;
  EXPECT_TRUE(files.WriteFile(folder.path() + "名.txt", "测试文件"));
  EXPECT_EQ(files.ReadFile(folder.path() + "名.txt"), std::optional<std::string>("测试文件"));
  EXPECT_TRUE(files.WriteFile(folder.path() + "名.txt", "x"));
  EXPECT_EQ(folder.Content("名.txt"), "x");
  EXPECT_TRUE(files.CreateFolder(folder.path() + "新"));
  EXPECT_FALSE(files.CreateFolder(folder.path() + "新"));
  EXPECT_FALSE(files.CreateFolder(folder.path() + "无\\层"));
  EXPECT_FALSE(files.ReadFile(folder.path() + "missing").has_value());
  EXPECT_FALSE(files.ProgramFolder().empty());
}
