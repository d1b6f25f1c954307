// Choosing the target folder with the real folder-browse dialog or a dropped path, the item
// kind boxes, "清空所有输入框" and "窗口置顶".
#include <windows.h>
// The common controls and shell headers need windows.h first.
#include <commctrl.h>
#include <shlobj.h>

#include "listing/target_folder.h"
#include "window_fixture.h"

using Strings = std::vector<std::string>;

namespace {

// Drives the folder-browse dialog from a thread timer while it runs its modal loop: selects
// `chosen` (retrying until the tree shows it) and presses OK, or presses Cancel when empty.
struct BrowseDriver {
  static inline std::string chosen;
  static inline std::string leaf;
  static inline int ticks = 0;

  static BOOL CALLBACK FindTreeDialog(HWND window, LPARAM result) {
    char name[32] = {};
    GetClassNameA(window, name, sizeof name);
    if (std::string(name) != "#32770" || !IsWindowVisible(window) ||
        !FindWindowExA(window, nullptr, "SysTreeView32", nullptr)) {
      return TRUE;
    }
    *reinterpret_cast<HWND*>(result) = window;
    return FALSE;
  }
  // The thread's dialog that holds a folder tree.
  static HWND Dialog() {
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindTreeDialog, reinterpret_cast<LPARAM>(&found));
    return found;
  }
  static std::string SelectedText(HWND dialog) {
    HWND tree = FindWindowExA(dialog, nullptr, "SysTreeView32", nullptr);
    auto item = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
    char text[MAX_PATH] = {};
    TVITEMA info{};
    info.mask = TVIF_TEXT;
    info.hItem = item;
    info.pszText = text;
    info.cchTextMax = sizeof text;
    if (!item || !SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&info))) return {};
    return text;
  }
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    HWND dialog = Dialog();
    if (!dialog) return;
    if (chosen.empty() || ++ticks > 200) {
      PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
      return;
    }
    SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(chosen.c_str()));
    if (SelectedText(dialog) == leaf) PostMessageA(dialog, WM_COMMAND, IDOK, 0);
  }
};

}  // namespace

class TargetFolderWindowTest : public WindowTest {
 protected:
  // Clicks "手动读取" and answers its dialog with `path` (without trailing "\"; empty cancels).
  void Browse(const std::string& path, const std::string& leaf) {
    BrowseDriver::chosen = path;
    BrowseDriver::leaf = leaf;
    BrowseDriver::ticks = 0;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, BrowseDriver::Tick);
    Click(Ctl::按钮1);
    KillTimer(nullptr, timer);
  }
};

TEST_F(TargetFolderWindowTest, TheDialogsFolderBecomesTheTargetAndIsListed) {
  folder.AddFile("第10集.mp4", "");
  folder.AddFile("第2集.mp4", "");
  folder.AddFolder("子文件夹");
  const std::string path = folder.path().substr(0, folder.path().size() - 1);
  Browse(path, path.substr(path.rfind('\\') + 1));
  EXPECT_EQ(form().Text(Ctl::标签2), folder.path());
  EXPECT_EQ(Column(0), (Strings{"第2集.mp4", "第10集.mp4"}));
  EXPECT_TRUE(boxes.shown.empty());

  Browse("", "");
  EXPECT_EQ(boxes.shown,
            (std::vector<Message>{{"什么都没有选择", "提示", Icon::Information, Buttons::Ok}}));
  EXPECT_EQ(form().Text(Ctl::标签2), folder.path());
  EXPECT_EQ(form().RowCount(), 0);
}

TEST_F(TargetFolderWindowTest, DroppedItemsGiveTheirContainingFolder) {
  folder.AddFolder("子文件夹");
  folder.AddFile("子文件夹\\b.txt", "");
  folder.AddFile("子文件夹\\a.txt", "");
  AcceptDroppedPath(window->state(), folder.path() + "子文件夹\\b.txt");
  EXPECT_EQ(form().Text(Ctl::标签2), folder.path() + "子文件夹\\");
  EXPECT_EQ(Column(0), (Strings{"a.txt", "b.txt"}));

  Click(Ctl::选择框2);  // checking folders unchecks files and keeps the list
  EXPECT_FALSE(form().Checked(Ctl::选择框1));
  EXPECT_EQ(form().RowCount(), 2);
  AcceptDroppedPath(window->state(), folder.path() + "子文件夹");
  EXPECT_EQ(form().Text(Ctl::标签2), folder.path());
  EXPECT_EQ(Column(0), (Strings{"子文件夹"}));
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(TargetFolderWindowTest, ClearInputsAndTopMost) {
  for (Ctl box : {Ctl::编辑框1, Ctl::编辑框8, Ctl::编辑框13, Ctl::编辑框14, Ctl::编辑框15,
                  Ctl::编辑框16, Ctl::编辑框18}) {
    SetText(box, "文字");
  }
  UseFolder();
  Click(Ctl::按钮13);
  for (Ctl box :
       {Ctl::编辑框1, Ctl::编辑框8, Ctl::编辑框13, Ctl::编辑框14, Ctl::编辑框15, Ctl::标签2}) {
    EXPECT_EQ(form().Text(box), "") << static_cast<int>(box);
  }
  EXPECT_EQ(form().Text(Ctl::编辑框16), "文字");
  EXPECT_EQ(form().Text(Ctl::编辑框18), "文字");

  Click(Ctl::选择框5);
  EXPECT_FALSE(GetWindowLongA(window->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  Click(Ctl::选择框5);
  EXPECT_TRUE(GetWindowLongA(window->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
}
