#include "pipeline/name_list.h"

#include <gtest/gtest.h>

#include "app/commands.h"
#include "pipeline/preview_toggle.h"
#include "pipeline_fixture.h"

using Strings = std::vector<std::string>;

class NameListTest : public PipelineTest {
 protected:
  NameListTest() {
    form.Move(Ctl::MainWindow, {100, 50, 769, 663});
    form.Move(Ctl::超级列表框1, {352, 120, 400, 464});
    form.Move(Ctl::按钮17, {568, 432, 160, 28});
    form.Move(Ctl::按钮18, {568, 480, 104, 28});
    form.SetVisible(Ctl::按钮17, false);
    form.SetVisible(Ctl::按钮18, false);
  }
  void ChooseSkipEntry(const std::string& entry) {
    form.SetItems(Ctl::组合框2, {"不跳", entry});
    form.SetSelection(Ctl::组合框2, 1);
  }
  void Toggle() { Dispatch(app, Ctl::按钮8, Event::Clicked); }
};

TEST_F(NameListTest, FillListsFilesNaturallyUnderBothFiltersOrFolders) {
  AddFiles({"10.txt", "b.mp4", "2.txt", "a.MP4"});
  AddFolders({"zeta", "alpha"});
  ChooseSkipEntry(".mp4");
  FillNameList(app);
  EXPECT_EQ(form.Column(0), (Strings{"2.txt", "10.txt", "a.MP4"}));  // exact-case skip

  form.ClearRows();
  form.SetText(Ctl::组合框4, "txt");  // an include filter switches the skip test off
  FillNameList(app);
  EXPECT_EQ(form.Column(0), (Strings{"2.txt", "10.txt"}));

  form.ClearRows();
  FoldersKind();
  FillNameList(app);
  EXPECT_EQ(form.Column(0), (Strings{"zeta", "alpha"}));  // file-system order, no filter

  form.ClearRows();
  form.SetChecked(Ctl::选择框2, false);
  FillNameList(app);
  EXPECT_EQ(form.RowCount(), 0);
}

TEST_F(NameListTest, FillWithoutAFolderAddsNothingAndEmptiesARootSilently) {
  AddFiles({"a.txt"});
  form.SetRows({"kept"});
  for (const std::string folder : {"", "\\"}) {
    form.SetText(Ctl::标签2, folder);
    FillNameList(app);
    EXPECT_EQ(form.Column(0), (Strings{"kept"}));  // appends only; never clears
    EXPECT_EQ(form.Text(Ctl::标签2), "");
  }
  EXPECT_TRUE(form.shown.empty());
}

TEST_F(NameListTest, PreviewOnWidensRefillsAndShowsTheButtons) {
  AddFiles({"b.txt", "a.txt"});
  form.SetRows({"stale"});
  Toggle();
  EXPECT_EQ(form.Text(Ctl::按钮8), "不要预览");
  EXPECT_EQ(form.Place(Ctl::MainWindow), (Rect{100, 50, 1150, 663}));
  EXPECT_EQ(form.Place(Ctl::超级列表框1), (Rect{352, 120, 780, 464}));
  ASSERT_EQ(form.ColumnCount(), 2);
  EXPECT_EQ(form.ColumnTitle(0), "上一次的文件名");
  EXPECT_EQ(form.ColumnTitle(1), "更名后的效果");
  EXPECT_EQ(form.ColumnWidth(0), 380);
  EXPECT_EQ(form.ColumnWidth(1), 380);
  EXPECT_EQ(form.Place(Ctl::按钮17), (Rect{973, 590, 160, 28}));
  EXPECT_EQ(form.Place(Ctl::按钮18), (Rect{850, 590, 104, 28}));
  EXPECT_TRUE(form.Visible(Ctl::按钮17));
  EXPECT_TRUE(form.Visible(Ctl::按钮18));
  EXPECT_EQ(form.Column(0), (Strings{"a.txt", "b.txt"}));
}

TEST_F(NameListTest, PreviewOffNarrowsKeepsRowsAndLeavesUndoOutside) {
  AddFiles({"a.txt"});
  Toggle();
  form.SetCell(0, 1, "x.txt");
  Toggle();
  EXPECT_EQ(form.Text(Ctl::按钮8), "打开预览");
  EXPECT_EQ(form.Place(Ctl::MainWindow), (Rect{100, 50, 769, 663}));
  EXPECT_EQ(form.Place(Ctl::超级列表框1), (Rect{352, 120, 400, 464}));
  ASSERT_EQ(form.ColumnCount(), 1);
  EXPECT_EQ(form.ColumnTitle(0), "最开始的文件名");
  EXPECT_EQ(form.Place(Ctl::按钮17), (Rect{568, 432, 160, 28}));
  EXPECT_FALSE(form.Visible(Ctl::按钮17));
  EXPECT_EQ(form.Place(Ctl::按钮18), (Rect{850, 590, 104, 28}));
  EXPECT_EQ(form.Column(0), (Strings{"a.txt"}));
  EXPECT_EQ(form.Cell(0, 1), "");

  // On again: the list is read anew, so a rename made meanwhile shows.
  ASSERT_TRUE(fs.Rename("D:\\work\\a.txt", "D:\\work\\c.txt"));
  Toggle();
  EXPECT_EQ(form.Column(0), (Strings{"c.txt"}));
  EXPECT_EQ(form.Place(Ctl::超级列表框1).width, 780);
}

TEST_F(NameListTest, PreviewOnWithoutFolderOrKindStillWidens) {
  AddFiles({"a.txt"});
  form.SetText(Ctl::标签2, "");
  Toggle();
  EXPECT_EQ(form.RowCount(), 0);
  EXPECT_EQ(form.ColumnCount(), 2);
  EXPECT_TRUE(form.shown.empty());
}

TEST_F(NameListTest, AnyOtherCaptionDoesNothing) {
  form.SetText(Ctl::按钮8, "预览");
  form.SetRows({"a.txt"});
  Toggle();
  EXPECT_EQ(form.Place(Ctl::MainWindow).width, 769);
  EXPECT_EQ(form.ColumnCount(), 1);
  EXPECT_EQ(form.RowCount(), 1);
}

TEST_F(NameListTest, ClickCopiesTheSelectedNameOnly) {
  form.SetRows({"第1课.txt", "b.txt"});
  PreviewOn();
  form.SetCell(1, 1, "proposal.txt");
  form.clipboard = "before";
  Dispatch(app, Ctl::超级列表框1, Event::Clicked);  // nothing selected
  EXPECT_EQ(form.clipboard, "before");
  form.selectedRow = 0;
  Dispatch(app, Ctl::超级列表框1, Event::Clicked);
  EXPECT_EQ(form.clipboard, "第1课.txt");
  form.selectedRow = 1;
  Dispatch(app, Ctl::超级列表框1, Event::Clicked);
  EXPECT_EQ(form.clipboard, "b.txt");
}

TEST_F(NameListTest, ClearListKeepsColumnsPreviewAndFolder) {
  AddFiles({"a.txt"});
  Toggle();
  Dispatch(app, Ctl::按钮9, Event::Clicked);
  EXPECT_EQ(form.RowCount(), 0);
  EXPECT_EQ(form.ColumnCount(), 2);
  EXPECT_EQ(form.Text(Ctl::按钮8), "不要预览");
  EXPECT_EQ(form.Text(Ctl::标签2), kFolder);
}
