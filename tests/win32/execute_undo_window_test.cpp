// Executing a preview and undoing it on real files.
#include "window_fixture.h"

using Strings = std::vector<std::string>;

namespace {
Message Reminder(const std::string& text) {
  return {text, "提醒：", Icon::Information, Buttons::Ok};
}
}  // namespace

class ExecuteUndoWindowTest : public WindowTest {
 protected:
  // Preview on over the folder, and proposals written beside the rows.
  void Propose(const Strings& proposals) {
    UseFolder();
    Click(Ctl::按钮8);
    for (size_t row = 0; row < proposals.size(); ++row) {
      form().SetCell(static_cast<int>(row), 1, proposals[row]);
    }
  }
};

TEST_F(ExecuteUndoWindowTest, ExecuteAndUndoWithAFailedRenameInTheMiddle) {
  for (const std::string name : {"1.txt", "2.txt", "3.txt"}) folder.AddFile(name, "of " + name);
  UseFolder();
  Click(Ctl::按钮8);
  SetText(Ctl::编辑框6, "课_");
  Click(Ctl::按钮_加前缀);
  EXPECT_EQ(Column(1), (Strings{"课_1.txt", "课_2.txt", "课_3.txt"}));
  folder.AddFile("课_2.txt", "another program's file");  // taken before the execution

  Click(Ctl::按钮17);
  ExpectFolder({"2.txt", "课_1.txt", "课_2.txt", "课_3.txt"});
  EXPECT_EQ(Column(0), (Strings{"课_1.txt", "2.txt", "课_3.txt"}));
  EXPECT_EQ(Column(1), (Strings{"", "课_2.txt", ""}));

  Click(Ctl::按钮18);
  ExpectFolder({"1.txt", "2.txt", "3.txt", "课_2.txt"});
  EXPECT_EQ(folder.Content("1.txt"), "of 1.txt");
  EXPECT_EQ(folder.Content("课_2.txt"), "another program's file");
  EXPECT_EQ(Column(0), (Strings{"1.txt", "2.txt", "3.txt"}));
  // Only the preview notice: execute and undo finish without a box.
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].title, "提示");

  Click(Ctl::按钮18);
  EXPECT_EQ(boxes.shown.back(), Reminder("你都没改过，撤什么？"));
}

TEST_F(ExecuteUndoWindowTest, ChainsComeBackWholeEvenAfterTheListWasRefilled) {
  folder.AddFile("a", "A");
  folder.AddFile("b", "B");
  Propose({"b", "c"});  // a->b can only follow b->c
  Click(Ctl::按钮17);
  ExpectFolder({"b", "c"});
  EXPECT_EQ(folder.Content("b"), "A");
  EXPECT_EQ(folder.Content("c"), "B");

  Click(Ctl::按钮8);  // off and on: the list is read anew
  Click(Ctl::按钮8);
  Click(Ctl::按钮18);
  EXPECT_EQ(folder.Content("a"), "A");
  EXPECT_EQ(folder.Content("b"), "B");
  ExpectFolder({"a", "b"});
  EXPECT_EQ(Column(0), (Strings{"a", "b"}));
  EXPECT_EQ(boxes.shown.size(), 0u);
}

TEST_F(ExecuteUndoWindowTest, RefusalsRenameNothing) {
  folder.AddFile("a.txt", "");
  Propose({"b.txt"});
  SetText(Ctl::标签2, "");
  Click(Ctl::按钮17);
  EXPECT_EQ(boxes.shown.back(), Reminder("路径都是空的，改什么？请选择路径"));
  ExpectFolder({"a.txt"});

  UseFolder();
  Click(Ctl::按钮17);
  ExpectFolder({"b.txt"});
  TempFolder other;
  SetText(Ctl::标签2, other.path());
  Click(Ctl::按钮18);
  EXPECT_EQ(boxes.shown.back(),
            Reminder("现在的路径不是上一步执行时的路径，不予撤回。\r\n上一步执行时的路径：" +
                     folder.path()));
  ExpectFolder({"b.txt"});

  Click(Ctl::按钮17);  // nothing proposed any more
  EXPECT_EQ(boxes.shown.back().text,
            "开了预览界面以后，必须先预览，\r\n请重新点左边的按钮进行预览！");
  UseFolder();
  Click(Ctl::按钮18);  // the refused execution kept the record
  ExpectFolder({"a.txt"});
}
