// Real files that an ANSI program cannot rename or must not overwrite, through the real window:
// names with characters outside code page 936 (the program sees them with "?"), a read-only
// file, and two items whose new names are the same.
#include <map>

#include "expected_boxes.h"
#include "window_fixture.h"

using Strings = std::vector<std::string>;

namespace {

// The folder's files by their real (UTF-16) names, with their contents.
std::map<std::wstring, std::string> WideContents(const std::string& folder) {
  std::wstring path(MAX_PATH, L'\0');
  path.resize(MultiByteToWideChar(CP_ACP, 0, folder.c_str(), -1, path.data(), MAX_PATH) - 1);
  std::map<std::wstring, std::string> contents;
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW((path + L"*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return contents;
  do {
    const std::wstring name = data.cFileName;
    if (name == L"." || name == L"..") continue;
    HANDLE file = CreateFileW((path + name).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    std::string content(64, '\0');
    DWORD read = 0;
    if (file != INVALID_HANDLE_VALUE) {
      ReadFile(file, content.data(), static_cast<DWORD>(content.size()), &read, nullptr);
      CloseHandle(file);
    }
    content.resize(read);
    contents[name] = content;
  } while (FindNextFileW(find, &data));
  FindClose(find);
  return contents;
}

void AddWideFile(const std::string& folder, const std::wstring& name, const std::string& content) {
  std::wstring path(MAX_PATH, L'\0');
  path.resize(MultiByteToWideChar(CP_ACP, 0, folder.c_str(), -1, path.data(), MAX_PATH) - 1);
  HANDLE file = CreateFileW((path + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
  CloseHandle(file);
}

}  // namespace

// U+0E01 (Thai) and U+0627 (Arabic) have no code page 936 form: both files reach the program
// as "song?.txt", a name that is neither of them and a wildcard to the system.
TEST_F(WindowTest, NamesOutsideTheCodePageFailAloneDirectlyAndInPreview) {
  AddWideFile(folder.path(), L"song\u0E01.txt", "thai");
  AddWideFile(folder.path(), L"song\u0627.txt", "arabic");
  folder.AddFile("song.txt", "plain");
  folder.AddFile("歌.txt", "chinese");
  UseFolder();
  SetText(Ctl::编辑框7, "_x");
  Click(Ctl::按钮_加后缀);
  EXPECT_EQ(WideContents(folder.path()), (std::map<std::wstring, std::string>{
                                             {L"song\u0E01.txt", "thai"},
                                             {L"song\u0627.txt", "arabic"},
                                             {L"song_x.txt", "plain"},
                                             {L"\u6B4C_x.txt", "chinese"},
                                         }));
  EXPECT_EQ(boxes.shown.back().text, "一共有2个文件被改名成功");

  // In preview the substitute rows keep their proposals; the undo brings back only the rest.
  Click(Ctl::按钮8);
  SetText(Ctl::编辑框6, "p_");
  Click(Ctl::按钮_加前缀);
  Click(Ctl::按钮17);
  EXPECT_EQ(WideContents(folder.path()), (std::map<std::wstring, std::string>{
                                             {L"song\u0E01.txt", "thai"},
                                             {L"song\u0627.txt", "arabic"},
                                             {L"p_song_x.txt", "plain"},
                                             {L"p_\u6B4C_x.txt", "chinese"},
                                         }));
  EXPECT_EQ(Column(1), (Strings{"p_song?.txt", "p_song?.txt", "", ""}));
  Click(Ctl::按钮18);
  EXPECT_EQ(WideContents(folder.path()), (std::map<std::wstring, std::string>{
                                             {L"song\u0E01.txt", "thai"},
                                             {L"song\u0627.txt", "arabic"},
                                             {L"song_x.txt", "plain"},
                                             {L"\u6B4C_x.txt", "chinese"},
                                         }));
}

// The system renames a read-only file (the attribute guards its contents, not its name); it
// keeps its contents and its attribute.
TEST_F(WindowTest, AReadOnlyFileIsRenamedWholeAndStaysReadOnly) {
  folder.AddFile("只读.txt", "kept");
  folder.AddFile("b.txt", "b");
  ASSERT_TRUE(SetFileAttributesA((folder.path() + "只读.txt").c_str(), FILE_ATTRIBUTE_READONLY));
  UseFolder();
  SetText(Ctl::编辑框7, "_x");
  Click(Ctl::按钮_加后缀);
  ExpectFolder({"b_x.txt", "只读_x.txt"});
  EXPECT_EQ(folder.Content("只读_x.txt"), "kept");
  EXPECT_TRUE(GetFileAttributesA((folder.path() + "只读_x.txt").c_str()) & FILE_ATTRIBUTE_READONLY);
}

// "_1" and "_2" cut off give both files the same name: the first listed takes it, the other
// stays as it is, and nothing is overwritten, directly and through execute.
TEST_F(WindowTest, TwoFilesCutToTheSameNameRenameOnlyTheFirst) {
  for (bool preview : {false, true}) {
    SCOPED_TRACE(preview ? "preview" : "direct");
    TempFolder own;
    own.AddFile("a_1.txt", "one");
    own.AddFile("A_2.txt", "two");  // "A.txt" and "a.txt" are one name to the system
    own.AddFile("b.txt", "b");
    SetText(Ctl::标签2, own.path());
    if (preview) Click(Ctl::按钮8);
    SetText(Ctl::编辑框9, "_");
    Click(Ctl::单选框1);                    // the first "_"
    form().SetChecked(Ctl::选择框4, true);  // the marker goes too
    Click(Ctl::按钮_去掉后面的);
    if (preview) {
      EXPECT_EQ(Column(1), (Strings{"A.txt", "a.txt", ""}));
      // A row without a proposal would block the execution: give b one of its own.
      form().SetCell(2, 1, "c.txt");
      Click(Ctl::按钮17);
      EXPECT_EQ(Column(0), (Strings{"A.txt", "a_1.txt", "c.txt"}));
      EXPECT_EQ(Column(1), (Strings{"", "a.txt", ""}));
      Click(Ctl::按钮8);
    }
    EXPECT_EQ(own.Names(), (Strings{"A.txt", "a_1.txt", preview ? "c.txt" : "b.txt"}));
    EXPECT_EQ(own.LostOrChanged(), "");
    EXPECT_EQ(own.Content("A.txt"), "two");
    EXPECT_EQ(own.Content("a_1.txt"), "one");
  }
}
