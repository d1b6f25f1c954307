#include <gtest/gtest.h>

#include "pipeline/messages.h"
#include "pipeline/rename_pipeline.h"
#include "pipeline/safe_rename.h"
#include "pipeline_fixture.h"

using Strings = std::vector<std::string>;

namespace {

// Appends "_x" to every stem; counts into a plain report.
RenameOperation Suffix() {
  RenameOperation op;
  op.rule = [](const RenameItem& item) { return item.stem + "_x" + item.extension; };
  op.report = [](int renamed, bool folders) {
    return std::optional<Message>(
        messages::Plain(std::to_string(renamed) + (folders ? " folders" : " files")));
  };
  return op;
}

const std::string kConfirm = "确定更名吗？";

}  // namespace

TEST_F(PipelineTest, RenamesEveryItemAfterOneConfirmationAndReports) {
  AddFiles({"2.txt", "10.txt", "1.txt"});
  RunRenamePipeline(app, Suffix());
  EXPECT_EQ(Names(), (Strings{"2_x.txt", "10_x.txt", "1_x.txt"}));
  ExpectItemsKept();
  ASSERT_EQ(form.shown.size(), 2u);
  EXPECT_EQ(form.shown[0], messages::Question(kConfirm, "提示"));
  EXPECT_EQ(form.shown[1].text, "3 files");
  // Renamed in natural order.
  EXPECT_EQ(fs.renameCalls.front().first, "D:\\work\\1.txt");
}

TEST_F(PipelineTest, CancelAtTheFirstItemRenamesNothingAndReportsNothing) {
  AddFiles({"a.txt", "b.txt"});
  form.answers = {Answer::Cancel};
  RunRenamePipeline(app, Suffix());
  EXPECT_EQ(Names(), (Strings{"a.txt", "b.txt"}));
  ExpectItemsKept();
  EXPECT_EQ(Texts(), (Strings{kConfirm}));
}

TEST_F(PipelineTest, FolderChecksRefuseEmptyDesktopAndRoot) {
  AddFiles({"a.txt"});
  form.SetRows({"a.txt"});
  struct Case {
    std::string folder;
    Message box;
    std::string folderAfter;
  } cases[] = {
      {"", messages::Info("路径呢？"), ""},
      {"D:\\desktop 2\\", messages::DesktopRefusal(), ""},
      {"C:\\Users\\me\\DESKTOP\\", messages::DesktopRefusal(), ""},
      {"\\", messages::Info("什么都没有选择", "提示"), "\\"},
  };
  for (const auto& c : cases) {
    form.shown.clear();
    form.SetText(Ctl::标签2, c.folder);
    RunRenamePipeline(app, Suffix());
    EXPECT_EQ(form.shown, (std::vector<Message>{c.box})) << c.folder;
    EXPECT_EQ(form.Text(Ctl::标签2), c.folderAfter);
  }
  EXPECT_EQ(form.RowCount(), 1);  // the desktop refusal keeps the list
  EXPECT_TRUE(fs.renameCalls.empty());
}

TEST_F(PipelineTest, ChecksRunInTheOperationsOrder) {
  const Message input = messages::Info("input"), late = messages::Info("late"),
                refusal = messages::Info("folders refused", "提示");
  struct Case {
    bool folderCheckFirst;
    FolderRefusal place;
    std::string folder;
    bool foldersChecked;
    std::string firstBox;
  } cases[] = {
      {false, FolderRefusal::None, "", false, "input"},
      {true, FolderRefusal::None, "", false, "路径呢？"},
      {false, FolderRefusal::BeforeFolderChecks, "", true, "input"},
      {false, FolderRefusal::AfterEmptyFolderCheck, "D:\\Desktop\\", true, "folders refused"},
      {false, FolderRefusal::AfterFolderChecks, "D:\\Desktop\\", true, messages::kDesktop},
  };
  for (const auto& c : cases) {
    RenameOperation op = Suffix();
    op.folderCheckFirst = c.folderCheckFirst;
    op.filesOnly = c.place;
    op.folderRefusal = refusal;
    op.inputChecks = {
        {c.place == FolderRefusal::None || c.place == FolderRefusal::BeforeFolderChecks, input}};
    op.lateChecks = {{true, late}};
    form.SetText(Ctl::标签2, c.folder);
    form.SetChecked(Ctl::选择框2, c.foldersChecked);
    form.shown.clear();
    RunRenamePipeline(app, op);
    ASSERT_EQ(form.shown.size(), 1u);
    EXPECT_EQ(form.shown[0].text, c.firstBox);
  }
  // All checks passed: the late checks come last.
  RenameOperation op = Suffix();
  op.lateChecks = {{true, late}};
  form.SetText(Ctl::标签2, kFolder);
  form.SetChecked(Ctl::选择框2, false);
  form.shown.clear();
  RunRenamePipeline(app, op);
  EXPECT_EQ(Texts(), (Strings{"late"}));
}

TEST_F(PipelineTest, ItemKindChoosesTheBranch) {
  AddFiles({"a.txt"});
  AddFolders({"dir.one"});
  FoldersKind();
  RunRenamePipeline(app, Suffix());
  EXPECT_EQ(Names(), (Strings{"a.txt", "dir.one_x"}));  // a folder's whole name is its stem
  ExpectItemsKept();
  EXPECT_EQ(form.shown.back().text, "1 folders");

  form.SetChecked(Ctl::选择框2, false);  // neither kind: nothing, no box
  form.shown.clear();
  RunRenamePipeline(app, Suffix());
  EXPECT_TRUE(form.shown.empty());

  RenameOperation filesOnly = Suffix();  // a files-only operation works on files then
  filesOnly.filesOnly = FolderRefusal::AfterFolderChecks;
  RunRenamePipeline(app, filesOnly);
  EXPECT_EQ(Names(), (Strings{"a_x.txt", "dir.one_x"}));
  ExpectItemsKept();
}

TEST_F(PipelineTest, EmptyFolderAsksNothingButReports) {
  RunRenamePipeline(app, Suffix());
  EXPECT_EQ(Texts(), (Strings{"0 files"}));
}

TEST_F(PipelineTest, FailedDeclinedAndSkippedItemsAreNotCounted) {
  AddFiles({"a.txt", "b.txt", "b_x.txt", "c.mp4", "d.txt"});
  form.SetItems(Ctl::组合框2, {"不跳", ".mp4"});
  form.SetSelection(Ctl::组合框2, 1);
  fs.refuseRename = [](const std::string& from, const std::string&) {
    return from == "D:\\work\\d.txt";
  };
  RenameOperation op = Suffix();
  op.rule = [](const RenameItem& item) {
    return item.stem == "a" ? std::string() : item.stem + "_x" + item.extension;
  };
  RunRenamePipeline(app, op);
  // b.txt's new name is taken; c.mp4 is skipped; d.txt fails; b_x.txt is renamed.
  EXPECT_EQ(Names(), (Strings{"a.txt", "b.txt", "b_x_x.txt", "c.mp4", "d.txt"}));
  ExpectItemsKept();
  EXPECT_EQ(form.shown.back().text, "1 files");
  EXPECT_EQ(fs.Content("D:\\work\\b_x_x.txt"), "content of b_x.txt");
}

TEST_F(PipelineTest, PreviewWritesProposalsIntoTheRowsOfTheSkipFilteredListing) {
  AddFiles({"1.txt", "2.mp4", "3.txt"});
  form.SetItems(Ctl::组合框2, {"不跳", ".mp4"});
  form.SetSelection(Ctl::组合框2, 1);
  form.SetRows({"1.txt", "3.txt"});
  PreviewOn();
  RunRenamePipeline(app, Suffix());
  EXPECT_EQ(form.Column(1), (Strings{"1_x.txt", "3_x.txt"}));
  EXPECT_EQ(form.shown, (std::vector<Message>{messages::PreviewNotice()}));
  EXPECT_TRUE(fs.renameCalls.empty());
}

TEST_F(PipelineTest, PreviewCellsBeyondTheLastRowAreDropped) {
  AddFiles({"a.txt", "b.txt"});
  form.SetRows({"a.txt"});
  PreviewOn();
  RunRenamePipeline(app, Suffix());
  EXPECT_EQ(form.Column(1), (Strings{"a_x.txt"}));
}

TEST_F(PipelineTest, BeforeListingAsksOnceWhateverThePreview) {
  RenameOperation op = Suffix();
  op.confirmation = ConfirmationStyle::BeforeListing;
  RunRenamePipeline(app, op);  // an empty folder is still asked
  EXPECT_EQ(Texts(), (Strings{kConfirm, "0 files"}));
  AddFiles({"a.txt"});
  form.SetRows({"a.txt"});
  PreviewOn();
  form.shown.clear();
  RunRenamePipeline(app, op);
  EXPECT_EQ(Texts(), (Strings{kConfirm}));
  EXPECT_EQ(form.Cell(0, 1), "a_x.txt");
  form.answers = {Answer::Cancel};
  form.shown.clear();
  RunRenamePipeline(app, op);
  EXPECT_EQ(form.shown.size(), 1u);
}

TEST_F(PipelineTest, AfterListingAsksItsOwnQuestionAlsoForAnEmptyListing) {
  RenameOperation op = Suffix();
  op.confirmation = ConfirmationStyle::AfterListing;
  op.question = messages::Question("将直接更名，确定吗？", "提示");
  RunRenamePipeline(app, op);
  EXPECT_EQ(Texts(), (Strings{"将直接更名，确定吗？", "0 files"}));
  AddFiles({"a.txt"});
  form.answers = {Answer::Cancel};
  form.shown.clear();
  RunRenamePipeline(app, op);
  EXPECT_EQ(Names(), (Strings{"a.txt"}));
  ExpectItemsKept();
  PreviewOn();
  form.SetRows({"a.txt"});
  form.shown.clear();
  RunRenamePipeline(app, op);
  EXPECT_EQ(form.shown, (std::vector<Message>{messages::PreviewNotice()}));
}

TEST_F(PipelineTest, CountedFirstCountsWithoutTheSkipTest) {
  AddFiles({"a-1.txt", "b.txt", "c-2.mp4"});
  form.SetItems(Ctl::组合框2, {"不跳", ".mp4"});
  form.SetSelection(Ctl::组合框2, 1);
  RenameOperation op = Suffix();
  op.confirmation = ConfirmationStyle::CountedFirst;
  op.counts = [](const RenameItem& item) { return item.stem.find('-') != std::string::npos; };
  op.nothingToChange = [](bool) { return messages::Info("none"); };
  op.countedQuestion = [](int count, bool) {
    return messages::Question("一共有" + std::to_string(count) + "个文件将被更名", "请确认");
  };
  RunRenamePipeline(app, op);
  EXPECT_EQ(Texts(), (Strings{"一共有2个文件将被更名", "2 files"}));  // no first-item box
  fs = FakeFileSystem();
  fs.AddFolder("D:\\work");
  AddFiles({"b.txt"});
  form.shown.clear();
  RunRenamePipeline(app, op);
  EXPECT_EQ(Texts(), (Strings{"none"}));
  AddFiles({"x-y.txt"});
  form.answers = {Answer::Cancel};
  form.shown.clear();
  RunRenamePipeline(app, op);
  EXPECT_EQ(form.shown.size(), 1u);
  EXPECT_TRUE(fs.renameCalls.empty());
}

TEST_F(PipelineTest, DirectOnlyNeverPreviewsAndUsesTheFileSystemOrder) {
  AddFiles({"10.txt", "2.txt"});
  PreviewOn();
  form.SetRows({"2.txt", "10.txt"});
  RenameOperation op = Suffix();
  op.confirmation = ConfirmationStyle::DirectOnly;
  op.naturalOrder = false;
  op.question = messages::Question("不提供预览功能，将直接改名，确定吗？", "提示");
  op.rule = [](const RenameItem& item) {
    return item.stem + "_P" + std::to_string(item.index) + item.extension;
  };
  RunRenamePipeline(app, op);
  EXPECT_EQ(Names(), (Strings{"10_P1.txt", "2_P2.txt"}));
  ExpectItemsKept();
  EXPECT_EQ(form.Column(1), (Strings{"", ""}));
  EXPECT_EQ(Texts(), (Strings{"不提供预览功能，将直接改名，确定吗？", "2 files"}));
}

TEST_F(PipelineTest, LateConfirmationWaitsForTheFirstFileToReachItsRename) {
  AddFiles({"a.txt", "b-c.txt"});
  RenameOperation op = Suffix();
  op.confirmAtFirstRename = true;
  op.rule = [](const RenameItem& item) {
    return item.stem.find('-') == std::string::npos ? std::string()
                                                    : item.stem + "_x" + item.extension;
  };
  RunRenamePipeline(app, op);  // a.txt is declined: no box at all
  EXPECT_EQ(Texts(), (Strings{"1 files"}));
  EXPECT_EQ(Names(), (Strings{"a.txt", "b-c_x.txt"}));
  ExpectItemsKept();
  FoldersKind();  // folders ask at the first folder
  AddFolders({"p"});
  form.shown.clear();
  RunRenamePipeline(app, op);
  EXPECT_EQ(Texts(), (Strings{kConfirm, "0 folders"}));
}

TEST(SafeRename, KeepsEveryRenameInsideItsFolder) {
  struct Case {
    std::string name;
    bool plain;
  } cases[] = {
      {"a.txt", true},        {"", false},          {".", false},      {"..", false},
      {"...", false},         {"..\\a.txt", false}, {"sub\\a", false}, {"a/b", false},
      {"a:b", false},         {"a*b", false},       {"a?b", false},    {"a\tb", false},
      {"\x81\x5C.txt", true},  // 5C as the trail byte of a character
      {".gitignore", true},
  };
  for (const auto& c : cases) EXPECT_EQ(IsPlainName(c.name), c.plain) << c.name;
}

TEST_F(PipelineTest, TypedSeparatorsNeverMoveAFileOutOfItsFolder) {
  AddFiles({"a.txt"});
  fs.AddFolder("D:\\work\\sub");
  RenameOperation op = Suffix();
  for (std::string typed : {"..\\", "sub\\", "/x"}) {
    op.rule = [&](const RenameItem& item) { return typed + item.name; };
    RunRenamePipeline(app, op);
    EXPECT_EQ(form.shown.back().text, "0 files");
  }
  EXPECT_TRUE(fs.Exists("D:\\work\\a.txt"));
  EXPECT_TRUE(fs.renameCalls.empty());
}
