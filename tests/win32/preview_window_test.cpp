// The name list through the real window: the preview toggle's geometry, filling with the
// natural order and the extension filters, the typing aid, copying a clicked name.
#include <windows.h>
// The common controls and shell headers need windows.h first.
#include <commctrl.h>

#include "window_fixture.h"

using Strings = std::vector<std::string>;

class PreviewWindowTest : public WindowTest {
 protected:
  void DropDown(Ctl combo) {
    SendMessageA(window->Handle(), WM_COMMAND,
                 MAKEWPARAM(GetDlgCtrlID(Handle(combo)), CBN_DROPDOWN),
                 reinterpret_cast<LPARAM>(Handle(combo)));
    Pump();
  }
  int WindowWidth() {
    RECT r;
    GetWindowRect(window->Handle(), &r);
    return r.right - r.left;
  }
  // Selects a row and clicks the list, as a click on that row does.
  void ClickRow(int row) {
    LVITEMA state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = row >= 0 ? LVIS_SELECTED | LVIS_FOCUSED : 0;
    SendMessageA(Handle(Ctl::超级列表框1), LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(&state));
    NMITEMACTIVATE click{};
    click.hdr.hwndFrom = Handle(Ctl::超级列表框1);
    click.hdr.idFrom = GetDlgCtrlID(Handle(Ctl::超级列表框1));
    click.hdr.code = NM_CLICK;
    click.iItem = row;
    SendMessageA(window->Handle(), WM_NOTIFY, click.hdr.idFrom, reinterpret_cast<LPARAM>(&click));
    Pump();
  }
  std::string Clipboard() {
    std::string text;
    if (!OpenClipboard(window->Handle())) return "(not opened)";
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
      text = static_cast<const char*>(GlobalLock(data));
      GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
  }
};

TEST_F(PreviewWindowTest, PreviewOnWidensAndRefillsOffNarrowsAndKeepsTheRows) {
  folder.AddFile("第10集.mp4", "");
  folder.AddFile("第2集.mp4", "");
  folder.AddFile("a.txt", "");
  UseFolder();
  Click(Ctl::按钮8);
  EXPECT_EQ(form().Text(Ctl::按钮8), "不要预览");
  EXPECT_EQ(WindowWidth(), 1150);
  EXPECT_EQ(form().Place(Ctl::超级列表框1), (Rect{352, 120, 780, 464}));
  EXPECT_EQ(form().Place(Ctl::按钮17), (Rect{973, 590, 160, 28}));
  EXPECT_EQ(form().Place(Ctl::按钮18), (Rect{850, 590, 104, 28}));
  EXPECT_TRUE(form().Visible(Ctl::按钮17));
  EXPECT_TRUE(form().Visible(Ctl::按钮18));
  ASSERT_EQ(form().ColumnCount(), 2);
  EXPECT_EQ(form().ColumnTitle(0), "上一次的文件名");
  EXPECT_EQ(form().ColumnTitle(1), "更名后的效果");
  EXPECT_EQ(form().ColumnWidth(1), 380);
  EXPECT_EQ(Column(0), (Strings{"a.txt", "第2集.mp4", "第10集.mp4"}));

  form().SetCell(0, 1, "b.txt");
  Click(Ctl::按钮8);
  EXPECT_EQ(form().Text(Ctl::按钮8), "打开预览");
  EXPECT_EQ(WindowWidth(), 769);
  EXPECT_EQ(form().Place(Ctl::超级列表框1), (Rect{352, 120, 400, 464}));
  EXPECT_EQ(form().Place(Ctl::按钮17), (Rect{568, 432, 160, 28}));
  EXPECT_FALSE(form().Visible(Ctl::按钮17));
  EXPECT_EQ(form().Place(Ctl::按钮18), (Rect{850, 590, 104, 28}));  // outside the window
  ASSERT_EQ(form().ColumnCount(), 1);
  EXPECT_EQ(form().ColumnTitle(0), "最开始的文件名");
  EXPECT_EQ(Column(0), (Strings{"a.txt", "第2集.mp4", "第10集.mp4"}));
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(PreviewWindowTest, ChosenFilterEntriesRefillTheList) {
  folder.AddFile("第10集.mp4", "");
  folder.AddFile("第2集.MP4", "");
  folder.AddFile("a.txt", "");
  UseFolder();
  DropDown(Ctl::组合框4);
  ASSERT_EQ(form().Items(Ctl::组合框4).size(), 59u);
  Choose(Ctl::组合框4, 1);  // ".mp4": the pattern ignores letter case
  EXPECT_EQ(Column(0), (Strings{"第2集.MP4", "第10集.mp4"}));

  Choose(Ctl::组合框4, 0);  // "所有"
  DropDown(Ctl::组合框2);
  EXPECT_EQ(form().Items(Ctl::组合框2).front(), "不跳");
  Choose(Ctl::组合框2, 1);  // skip ".mp4": exact bytes, so ".MP4" stays
  EXPECT_EQ(Column(0), (Strings{"a.txt", "第2集.MP4"}));

  Click(Ctl::选择框2);  // folders: a chosen entry empties the list
  Choose(Ctl::组合框2, 0);
  EXPECT_EQ(form().RowCount(), 0);
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(PreviewWindowTest, TypingReordersTheListAndKeepsTheText) {
  Type(Ctl::组合框4, "j");
  const Strings items = form().Items(Ctl::组合框4);
  ASSERT_EQ(items.size(), 59u);
  EXPECT_EQ(Strings(items.begin(), items.begin() + 7),
            (Strings{"所有", ".jpg", ".js", ".arj", ".obj", ".java", ".mp4"}));
  EXPECT_EQ(form().Text(Ctl::组合框4), "j");
  EXPECT_EQ(form().Selection(Ctl::组合框4), -1);
  Type(Ctl::组合框3, "");
  EXPECT_TRUE(form().Items(Ctl::组合框3).empty());
  DropDown(Ctl::组合框3);
  EXPECT_EQ(form().Items(Ctl::组合框3).front(), ".mp4");
}

TEST_F(PreviewWindowTest, ClickCopiesTheRowsNameAndClearingKeepsTheColumns) {
  folder.AddFile("第1课.txt", "");
  folder.AddFile("第2课.txt", "");
  UseFolder();
  Click(Ctl::按钮8);
  ClickRow(1);
  EXPECT_EQ(Clipboard(), "第2课.txt");
  ClickRow(0);
  EXPECT_EQ(Clipboard(), "第1课.txt");

  Click(Ctl::按钮9);
  EXPECT_EQ(form().RowCount(), 0);
  EXPECT_EQ(form().ColumnCount(), 2);
  EXPECT_EQ(form().Text(Ctl::标签2), folder.path());
}
