#include "pipeline/execute_undo.h"

#include <gtest/gtest.h>

#include "app/commands.h"
#include "pipeline/messages.h"
#include "pipeline_fixture.h"

using Strings = std::vector<std::string>;

namespace {
Message Reminder(const std::string& text) {
  return messages::Info(text, "提醒：");
}
const Message kNothingRecorded = Reminder("你都没改过，撤什么？");
const Message kNoFolder = Reminder("路径都是空的，改什么？请选择路径");
}  // namespace

// Preview mode with the rows of the target folder and proposals beside them.
class ExecuteUndoTest : public PipelineTest {
 protected:
  void Preview(const Strings& names, const Strings& proposals) {
    AddFiles(names);
    form.SetRows(names);
    if (form.ColumnCount() < 2) PreviewOn();
    for (size_t row = 0; row < proposals.size(); ++row) {
      form.SetCell(static_cast<int>(row), 1, proposals[row]);
    }
  }
  void Execute() { Dispatch(app, Ctl::按钮17, Event::Clicked); }
  void Undo() { Dispatch(app, Ctl::按钮18, Event::Clicked); }
  std::vector<std::pair<std::string, std::string>> Record() const {
    std::vector<std::pair<std::string, std::string>> record;
    for (const auto& entry : app.undo) {
      EXPECT_EQ(entry.folder, kFolder);
      record.emplace_back(entry.oldName, entry.newName);
    }
    return record;
  }
};

TEST_F(ExecuteUndoTest, ExecuteThenUndoRestoresNamesOnDiskAndInTheRows) {
  Preview({"b.txt", "a.txt"}, {"2.txt", "1.txt"});
  Execute();
  EXPECT_EQ(Names(), (Strings{"2.txt", "1.txt"}));
  ExpectItemsKept();
  EXPECT_EQ(form.Column(0), (Strings{"2.txt", "1.txt"}));
  EXPECT_EQ(form.Column(1), (Strings{"", ""}));
  EXPECT_EQ(Record(), (decltype(Record()){{"b.txt", "2.txt"}, {"a.txt", "1.txt"}}));
  EXPECT_TRUE(form.shown.empty());

  Undo();
  EXPECT_EQ(Names(), (Strings{"b.txt", "a.txt"}));
  ExpectItemsKept();
  EXPECT_EQ(form.Column(0), (Strings{"b.txt", "a.txt"}));
  EXPECT_TRUE(form.shown.empty());
  // Undone entries are gone: a second undo has nothing to rename.
  Undo();
  EXPECT_EQ(form.shown, (std::vector<Message>{kNothingRecorded}));
  EXPECT_EQ(fs.renameCalls.size(), 4u);
}

TEST_F(ExecuteUndoTest, IncompleteProposalsAreRefusedAndKeepThePreviousRecord) {
  Preview({"a.txt", "b.txt"}, {"x.txt", "y.txt"});
  Execute();
  const auto record = Record();
  struct Case {
    Strings rows, proposals;
    Message box;
  } cases[] = {
      {{"x.txt", "y.txt"},
       {"", ""},
       Reminder("开了预览界面以后，必须先预览，\r\n请重新点左边的按钮进行预览！")},
      {{"", ""}, {"p.txt", ""}, Reminder("没有发生任何变化。\r\n请仔细排查问题，重新操作!")},
      {{"x.txt", "y.txt"},
       {"p.txt", ""},
       Reminder("上一步的文件名和预览文件名的个数不相等，不予执行,\r\n请仔细排查问题，重新操作!")},
  };
  for (const auto& c : cases) {
    form.shown.clear();
    form.SetRows(c.rows);
    for (size_t row = 0; row < c.proposals.size(); ++row) {
      form.SetCell(static_cast<int>(row), 1, c.proposals[row]);
    }
    Execute();
    EXPECT_EQ(form.shown, (std::vector<Message>{c.box}));
  }
  EXPECT_EQ(Names(), (Strings{"x.txt", "y.txt"}));
  ExpectItemsKept();
  EXPECT_EQ(Record(), record);  // a double click on execute does not lose the undo
}

TEST_F(ExecuteUndoTest, NoFolderRenamesNothingAndSaysSo) {
  Preview({"a.txt"}, {"b.txt"});
  for (const std::string folder : {"", "\\"}) {
    form.shown.clear();
    form.SetText(Ctl::标签2, folder);
    Execute();
    EXPECT_EQ(form.shown, (std::vector<Message>{kNoFolder}));
    EXPECT_EQ(form.Text(Ctl::标签2), "");
    EXPECT_TRUE(fs.renameCalls.empty());
    EXPECT_EQ(form.Column(1), (Strings{"b.txt"}));
  }
}

TEST_F(ExecuteUndoTest, AFailedRenameKeepsItsRowAndIsNotRecorded) {
  Preview({"a.txt", "b.txt", "c.txt"}, {"1.txt", "2.txt", "3.txt"});
  fs.refuseRename = [](const std::string& from, const std::string&) {
    return from == "D:\\work\\b.txt";  // in use
  };
  Execute();
  EXPECT_EQ(Names(), (Strings{"1.txt", "b.txt", "3.txt"}));
  ExpectItemsKept();
  EXPECT_EQ(form.Column(0), (Strings{"1.txt", "b.txt", "3.txt"}));
  EXPECT_EQ(form.Column(1), (Strings{"", "2.txt", ""}));
  EXPECT_EQ(Record(), (decltype(Record()){{"a.txt", "1.txt"}, {"c.txt", "3.txt"}}));

  Undo();
  EXPECT_EQ(Names(), (Strings{"a.txt", "b.txt", "c.txt"}));
  ExpectItemsKept();
  EXPECT_EQ(form.Column(0), (Strings{"a.txt", "b.txt", "c.txt"}));
  EXPECT_EQ(form.Column(1), (Strings{"", "2.txt", ""}));  // undo leaves proposals alone
}

TEST_F(ExecuteUndoTest, ChainsGoThroughInAnyRowOrderAndComeBackWhole) {
  struct Case {
    Strings names, proposals, after;
  } cases[] = {
      {{"a", "b"}, {"b", "c"}, {"b", "c"}},  // a->b waits for b->c
      {{"b", "a"}, {"c", "b"}, {"c", "b"}},
      {{"1", "2", "3"}, {"2", "3", "4"}, {"2", "3", "4"}},  // a shifted sequence
  };
  for (const auto& c : cases) {
    fs = FakeFileSystem();
    fs.AddFolder("D:\\work");
    Preview(c.names, c.proposals);
    Execute();
    EXPECT_EQ(form.Column(0), c.after);
    EXPECT_EQ(form.Column(1), Strings(c.names.size(), ""));
    Undo();
    EXPECT_EQ(Names(), c.names);
    EXPECT_EQ(form.Column(0), c.names);
    EXPECT_TRUE(form.shown.empty());
    EXPECT_TRUE(app.undo.empty());
  }
}

TEST_F(ExecuteUndoTest, SwapsAndDuplicateProposalsLeaveTheLosersAsTheyWere) {
  Preview({"a", "b", "c", "d"}, {"b", "a", "x", "X"});
  Execute();
  EXPECT_EQ(Names(), (Strings{"a", "b", "x", "d"}));
  ExpectItemsKept();
  EXPECT_EQ(form.Column(0), (Strings{"a", "b", "x", "d"}));
  EXPECT_EQ(form.Column(1), (Strings{"b", "a", "", "X"}));
  EXPECT_EQ(Record(), (decltype(Record()){{"c", "x"}}));
}

TEST_F(ExecuteUndoTest, AProposalEqualToTheNameIsDoneWithoutARename) {
  Preview({"a.txt", "b.txt"}, {"a.txt", "c.txt"});
  Execute();
  EXPECT_EQ(form.Column(0), (Strings{"a.txt", "c.txt"}));
  EXPECT_EQ(form.Column(1), (Strings{"", ""}));
  EXPECT_EQ(Record(), (decltype(Record()){{"b.txt", "c.txt"}}));
  EXPECT_EQ(fs.renameCalls.size(), 1u);
}

TEST_F(ExecuteUndoTest, UndoGoesByNamesAfterTheListWasRefilledOrCleared) {
  Preview({"1.txt", "2.txt", "10.txt"}, {"b.txt", "a.txt", "c.txt"});
  Execute();
  // The refilled list is sorted anew: row positions no longer match the execution.
  form.SetRows({"a.txt", "b.txt", "c.txt"});
  Undo();
  EXPECT_EQ(Names(), (Strings{"1.txt", "2.txt", "10.txt"}));
  ExpectItemsKept();
  EXPECT_EQ(form.Column(0), (Strings{"2.txt", "1.txt", "10.txt"}));

  form.SetRows({"1.txt"});
  form.SetCell(0, 1, "one.txt");
  Execute();
  Dispatch(app, Ctl::按钮9, Event::Clicked);  // "清空列表框"
  Undo();
  EXPECT_EQ(Names(), (Strings{"1.txt", "2.txt", "10.txt"}));
  ExpectItemsKept();
  EXPECT_TRUE(form.shown.empty());
}

TEST_F(ExecuteUndoTest, UndoKeepsWhatItCannotRenameBack) {
  Preview({"a.txt", "b.txt"}, {"x.txt", "y.txt"});
  Execute();
  fs.AddFile("D:\\work\\a.txt", "a new file that took the old name");
  Undo();
  EXPECT_EQ(Names(), (Strings{"x.txt", "b.txt", "a.txt"}));
  EXPECT_EQ(fs.Content("D:\\work\\a.txt"), "a new file that took the old name");
  EXPECT_EQ(form.Column(0), (Strings{"x.txt", "b.txt"}));
  EXPECT_EQ(Record(), (decltype(Record()){{"a.txt", "x.txt"}}));

  fs.Rename("D:\\work\\a.txt", "D:\\work\\moved.txt");
  Undo();
  EXPECT_EQ(Names(), (Strings{"a.txt", "b.txt", "moved.txt"}));
  EXPECT_TRUE(app.undo.empty());
}

TEST_F(ExecuteUndoTest, UndoRefusesWithoutFolderRecordOrInAnotherFolder) {
  Undo();
  EXPECT_EQ(form.shown.back(), kNothingRecorded);

  Preview({"a.txt"}, {"b.txt"});
  Execute();
  struct Case {
    std::string folder, folderAfter;
    Message box;
  } cases[] = {
      {"", "", kNoFolder},
      {"\\", "", kNoFolder},
      {"D:\\other\\", "D:\\other\\",
       Reminder("现在的路径不是上一步执行时的路径，不予撤回。\r\n上一步执行时的路径：D:\\work\\")},
  };
  for (const auto& c : cases) {
    form.shown.clear();
    form.SetText(Ctl::标签2, c.folder);
    Undo();
    EXPECT_EQ(form.shown, (std::vector<Message>{c.box})) << c.folder;
    EXPECT_EQ(form.Text(Ctl::标签2), c.folderAfter);
  }
  EXPECT_EQ(Names(), (Strings{"b.txt"}));
  ExpectItemsKept();

  form.shown.clear();
  form.SetText(Ctl::标签2, "d:\\WORK\\");  // the same folder as Windows sees it
  Undo();
  EXPECT_EQ(Names(), (Strings{"a.txt"}));
  ExpectItemsKept();
  EXPECT_TRUE(form.shown.empty());
}

TEST_F(ExecuteUndoTest, UndoWorksForFoldersAndAfterAnExtensionChange) {
  AddFolders({"album"});
  Preview({"a.txt"}, {"a.md"});
  Execute();
  FoldersKind();  // the item kind no longer matters: undo goes by the recorded names
  Undo();
  EXPECT_EQ(Names(), (Strings{"a.txt", "album"}));
  ExpectItemsKept();

  form.SetRows({"album"});
  form.SetCell(0, 1, "album 2023");
  Execute();
  Undo();
  EXPECT_EQ(Names(), (Strings{"a.txt", "album"}));
  ExpectItemsKept();
  EXPECT_EQ(form.Column(0), (Strings{"album"}));
}
