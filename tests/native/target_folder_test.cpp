#include "listing/target_folder.h"

#include <gtest/gtest.h>

#include "app/commands.h"
#include "pipeline/messages.h"
#include "pipeline_fixture.h"

using Strings = std::vector<std::string>;

namespace {
// A two-byte character whose trail byte is the code of "\".
const std::string kTrail5C = "\x81\x5C";
}  // namespace

TEST(ContainingFolder, KeepsTheTextUpToTheLastSeparator) {
  struct Case {
    std::string path, folder;
  } cases[] = {
      {"D:\\docs\\a.txt", "D:\\docs\\"},
      {"D:\\docs\\photos", "D:\\docs\\"},
      {"D:\\docs\\photos\\", "D:\\docs\\"},
      {"E:\\", ""},
      {"a.txt", ""},
      {"\\\\server\\share\\x", "\\\\server\\share\\"},
      {"D:\\" + kTrail5C + "\\b.txt", "D:\\" + kTrail5C + "\\"},
      {"D:\\x" + kTrail5C, "D:\\"},  // the trail byte is no separator
  };
  for (const auto& c : cases) EXPECT_EQ(ContainingFolder(c.path), c.folder) << c.path;
}

class TargetFolderTest : public PipelineTest {
 protected:
  TargetFolderTest() {
    form.SetText(Ctl::标签2, "");
    form.SetRows({"old row"});
  }
  void Choose(std::optional<std::string> folder) {
    form.browseResult = std::move(folder);
    Dispatch(app, Ctl::按钮1, Event::Clicked);
  }
};

TEST_F(TargetFolderTest, ChoosingAFolderAddsTheSeparatorAndListsIt) {
  AddFiles({"10.txt", "2.txt"});
  Choose("D:\\work");
  EXPECT_EQ(form.browseTitles, (Strings{"选择目录"}));
  EXPECT_EQ(form.Text(Ctl::标签2), "D:\\work\\");
  EXPECT_EQ(form.Column(0), (Strings{"2.txt", "10.txt"}));

  fs.AddFile("E:\\r.txt");
  Choose("E:\\");
  EXPECT_EQ(form.Text(Ctl::标签2), "E:\\");
  EXPECT_EQ(form.Column(0), (Strings{"r.txt"}));
  EXPECT_TRUE(form.shown.empty());
}

TEST_F(TargetFolderTest, CancelledOrPathlessDialogKeepsTheFolderButEmptiesTheList) {
  form.SetText(Ctl::标签2, kFolder);
  for (std::optional<std::string> result :
       {std::optional<std::string>(), std::optional<std::string>("")}) {
    form.shown.clear();
    form.SetRows({"old row"});
    Choose(result);
    EXPECT_EQ(form.shown, (std::vector<Message>{messages::NothingChosen()}));
    EXPECT_EQ(form.Text(Ctl::标签2), kFolder);
    EXPECT_EQ(form.RowCount(), 0);
  }
}

TEST_F(TargetFolderTest, DesktopFoldersAreRefusedInAnyCase) {
  fs.AddFile("C:\\Users\\me\\Desktop\\work\\a.txt");
  for (const std::string folder : {"C:\\Users\\me\\Desktop\\work", "D:\\MYDESKTOP"}) {
    form.shown.clear();
    Choose(folder);
    EXPECT_EQ(form.shown, (std::vector<Message>{messages::DesktopRefusal()}));
    EXPECT_EQ(form.Text(Ctl::标签2), "");
    EXPECT_EQ(form.RowCount(), 0);
  }
}

TEST_F(TargetFolderTest, ChoosingListsFoldersOrAppliesTheSkipEntryWhateverTheFilter) {
  AddFiles({"a.txt", "b.txt", "c.mp4"});
  AddFolders({"sub2", "sub1"});
  // Both a ".txt" include entry and a ".txt" skip entry: the skip applies here.
  form.SetItems(Ctl::组合框4, {"所有", ".txt"});
  form.SetSelection(Ctl::组合框4, 1);
  form.SetItems(Ctl::组合框2, {"不跳", ".txt"});
  form.SetSelection(Ctl::组合框2, 1);
  Choose("D:\\work");
  EXPECT_EQ(form.RowCount(), 0);

  FoldersKind();
  Choose("D:\\work");
  EXPECT_EQ(form.Column(0), (Strings{"sub2", "sub1"}));
}

TEST_F(TargetFolderTest, DroppedPathsSetTheContainingFolder) {
  AddFiles({"a.txt"});
  fs.AddFile("D:\\other\\x.txt");
  struct Case {
    std::string path;
    std::string folderBefore;
    std::string folderAfter;
    Strings rows;
    std::vector<Message> boxes;
  } cases[] = {
      {"D:\\work\\a.txt", "", "D:\\work\\", {"a.txt"}, {}},
      {"D:\\work", "", "D:\\", {}, {}},  // a folder gives the one that holds it
      {"D:\\work\\sub\\", "", "D:\\work\\", {"a.txt"}, {}},
      {"E:\\", "D:\\work\\", "", {}, {}},  // a drive root: emptied without a box
      {"", "D:\\work\\", "D:\\work\\", {}, {messages::NothingChosen()}},
      {"\\", "D:\\work\\", "", {}, {messages::NothingChosen()}},
      {"C:\\Users\\me\\Desktop\\a.txt", "", "", {}, {messages::DesktopRefusal()}},
  };
  for (const auto& c : cases) {
    form.shown.clear();
    form.SetRows({"old row"});
    form.SetText(Ctl::标签2, c.folderBefore);
    AcceptDroppedPath(app, c.path);
    EXPECT_EQ(form.Text(Ctl::标签2), c.folderAfter) << c.path;
    EXPECT_EQ(form.Column(0), c.rows) << c.path;
    EXPECT_EQ(form.shown, c.boxes) << c.path;
  }
}

TEST_F(TargetFolderTest, SeveralDroppedItemsEndWithTheLastFolder) {
  AddFiles({"a.txt"});
  fs.AddFile("D:\\other\\x.txt");
  for (const std::string path : {"D:\\work\\a.txt", "D:\\other\\x.txt", "D:\\work\\a.txt"}) {
    AcceptDroppedPath(app, path);
  }
  EXPECT_EQ(form.Text(Ctl::标签2), "D:\\work\\");
  EXPECT_EQ(form.Column(0), (Strings{"a.txt"}));
}

TEST_F(TargetFolderTest, CheckingOneKindUnchecksTheOtherWithoutRefreshing) {
  struct Case {
    Ctl clicked;
    bool filesBefore, foldersBefore, checkedAfterClick;
    bool filesAfter, foldersAfter;
  } cases[] = {
      {Ctl::选择框2, true, false, true, false, true},
      {Ctl::选择框1, false, true, true, true, false},
      {Ctl::选择框1, true, false, false, false, false},  // unchecking leaves the other alone
      {Ctl::选择框2, false, true, false, false, false},
  };
  for (const auto& c : cases) {
    form.SetChecked(Ctl::选择框1, c.filesBefore);
    form.SetChecked(Ctl::选择框2, c.foldersBefore);
    form.SetChecked(c.clicked, c.checkedAfterClick);
    Dispatch(app, c.clicked, Event::Clicked);
    EXPECT_EQ(form.Checked(Ctl::选择框1), c.filesAfter);
    EXPECT_EQ(form.Checked(Ctl::选择框2), c.foldersAfter);
  }
  EXPECT_EQ(form.Column(0), (Strings{"old row"}));
}
