// The operations that find, cut and insert texts, through the real buttons, radio buttons,
// check boxes and combo box on a real folder, directly and in preview mode.
#include "expected_boxes.h"
#include "window_fixture.h"

using Strings = std::vector<std::string>;

using expected::Info;
using expected::kConfirm;
using expected::kPreviewNotice;
using expected::Plain;
using expected::Question;

class TextOpsWindowTest : public WindowTest {
 protected:
  bool Checked(Ctl name) { return form().Checked(name); }
};

TEST_F(TextOpsWindowTest, DeleteLeftAndRightOfAMarker) {
  folder.AddFile("abc-def-ghi.txt", "a");
  folder.AddFile("第1集】abc.mp4", "b");
  UseFolder();
  SetText(Ctl::编辑框8, "-");
  Click(Ctl::单选框12);
  EXPECT_FALSE(Checked(Ctl::单选框11));
  Click(Ctl::选择框3);
  Click(Ctl::按钮7);
  ExpectFolder({"ghi.txt", "第1集】abc.mp4"});
  EXPECT_EQ(folder.Content("ghi.txt"), "a");
  EXPECT_EQ(boxes.shown, (std::vector<Message>{kConfirm, Plain("成功改了1个", "提示")}));

  boxes.shown.clear();
  SetText(Ctl::编辑框9, "】");
  Click(Ctl::单选框1);
  EXPECT_FALSE(Checked(Ctl::单选框2));
  Click(Ctl::按钮_去掉后面的);
  ExpectFolder({"ghi.txt", "第1集】.mp4"});
  EXPECT_EQ(boxes.shown, (std::vector<Message>{kConfirm, Plain("修改了1个", "修改成果提示")}));
}

TEST_F(TextOpsWindowTest, DeleteLeftInPreview) {
  folder.AddFile("abc-def.txt", "a");
  folder.AddFile("xyz.txt", "b");
  PreviewOn();
  SetText(Ctl::编辑框8, "-");
  Click(Ctl::按钮7);
  ExpectPreviewOnly({"-def.txt", ""}, {"abc-def.txt", "xyz.txt"});
}

TEST_F(TextOpsWindowTest, DeleteATextCountedFromTheRight) {
  folder.AddFile("a-b-c-d.txt", "a");
  folder.AddFile("无.txt", "b");
  UseFolder();
  Click(Ctl::单选框14);
  EXPECT_FALSE(Checked(Ctl::单选框13));
  SetText(Ctl::编辑框1, "-");
  SetText(Ctl::编辑框10, "2次");
  Click(Ctl::按钮2);
  ExpectFolder({"a-bcd.txt", "无.txt"});
  EXPECT_EQ(boxes.shown, (std::vector<Message>{Question("一共有1个文件将被更名", "请确认"),
                                               Plain("删掉了1个", "修改成果提示")}));
}

TEST_F(TextOpsWindowTest, DeleteATextInPreviewAndACountOfZero) {
  folder.AddFile("a-b.txt", "a");
  folder.AddFile("c-d.txt", "b");
  PreviewOn();
  SetText(Ctl::编辑框1, "-");
  Click(Ctl::按钮2);
  EXPECT_EQ(Column(1), (Strings{"ab.txt", "cd.txt"}));
  EXPECT_EQ(boxes.shown, (std::vector<Message>{kPreviewNotice}));

  // Switched off again: a count of 0 is reported for every file, and nothing changes.
  Click(Ctl::按钮8);
  boxes.shown.clear();
  SetText(Ctl::编辑框10, "0");
  Click(Ctl::按钮2);
  const Message notNumber = Info("输入的不是纯数字", "提示");
  EXPECT_EQ(boxes.shown,
            (std::vector<Message>{Question("一共有2个文件将被更名", "请确认"), notNumber, notNumber,
                                  Plain("没有任何改动", "没有改动")}));
  ExpectFolder({"a-b.txt", "c-d.txt"});
}

TEST_F(TextOpsWindowTest, DeleteBetweenMarkersConvertedByThePunctuationStyle) {
  folder.AddFile("abc(Av170001).mp4", "a");
  folder.AddFile("x.mp4", "b");
  UseFolder();
  SetText(Ctl::编辑框2, "（");
  SetText(Ctl::编辑框3, "）");
  Choose(Ctl::组合框1, 1);
  Choose(Ctl::组合框1, 0);
  EXPECT_EQ(form().Text(Ctl::编辑框2), "(");
  EXPECT_EQ(form().Text(Ctl::编辑框3), ")");
  Click(Ctl::按钮3);
  ExpectFolder({"abc.mp4", "x.mp4"});
  EXPECT_EQ(boxes.shown, (std::vector<Message>{Question("一共有1个文件将被更名", "确定改名吗？"),
                                               Info("一共有1个文件被改名", "修改成果提示")}));
}

TEST_F(TextOpsWindowTest, DeleteBetweenInPreviewAndTheOccurrencePairs) {
  folder.AddFile("a(1)b(2)c.txt", "a");
  PreviewOn();
  SetText(Ctl::编辑框2, "(");
  SetText(Ctl::编辑框3, ")");
  Click(Ctl::选择框_2尾);
  EXPECT_FALSE(Checked(Ctl::选择框_2头));
  Click(Ctl::按钮3);
  EXPECT_EQ(Column(1), (Strings{"ac.txt"}));
  EXPECT_EQ(boxes.shown, (std::vector<Message>{kPreviewNotice}));

  // Unchecking the checked box leaves the pair empty: refused.
  boxes.shown.clear();
  Click(Ctl::选择框_2尾);
  EXPECT_FALSE(Checked(Ctl::选择框_2头));
  Click(Ctl::按钮3);
  EXPECT_EQ(boxes.Texts(), (Strings{"请为“从”和“到”各勾选“首次出现”或“最后出现”"}));
  ExpectFolder({"a(1)b(2)c.txt"});
}

TEST_F(TextOpsWindowTest, ReplaceAllFromTheLeft) {
  folder.AddFile("a-b-c-d.txt", "a");
  folder.AddFile("a-b-c-d", "b");
  UseFolder();
  Click(Ctl::单选框8);
  EXPECT_FALSE(Checked(Ctl::单选框7));
  SetText(Ctl::编辑框4, "-");
  SetText(Ctl::编辑框5, "_");
  SetText(Ctl::编辑框16, "2");
  Click(Ctl::按钮4);
  ExpectFolder({"a_b_c-d", "a_b_c-d.txt"});
  EXPECT_EQ(folder.Content("a_b_c-d.txt"), "a");
  EXPECT_EQ(boxes.shown, (std::vector<Message>{kConfirm, Plain("成功改名2个", "提示")}));
}

TEST_F(TextOpsWindowTest, ReplaceInPreviewAsksFirstAndRefusesAnIllegalReplacement) {
  folder.AddFile("01-abc.txt", "a");
  PreviewOn();
  SetText(Ctl::编辑框4, "-");
  SetText(Ctl::编辑框5, "a:b");
  Click(Ctl::按钮4);
  EXPECT_EQ(boxes.shown, (std::vector<Message>{Plain("不能改成这个东西")}));

  boxes.shown.clear();
  SetText(Ctl::编辑框5, ".");
  Click(Ctl::按钮4);
  EXPECT_EQ(Column(1), (Strings{"01.abc.txt"}));
  EXPECT_EQ(boxes.shown, (std::vector<Message>{kConfirm}));
  ExpectFolder({"01-abc.txt"});
}

TEST_F(TextOpsWindowTest, AddAfterAMarkerFollowsTheSideRadio) {
  folder.AddFile("a.txt", "a");
  folder.AddFile("b-c.txt", "b");
  UseFolder();
  Click(Ctl::单选框4);
  EXPECT_EQ(form().Text(Ctl::按钮10), "后面加");
  EXPECT_FALSE(Checked(Ctl::单选框3));
  SetText(Ctl::编辑框11, "-");
  SetText(Ctl::编辑框12, "_");
  Click(Ctl::按钮10);
  // The first listed file has no marker: no question is asked in this run.
  ExpectFolder({"a.txt", "b-_c.txt"});
  EXPECT_EQ(boxes.shown, (std::vector<Message>{Plain("有1个文件被改名成功")}));
  Click(Ctl::单选框3);
  EXPECT_EQ(form().Text(Ctl::按钮10), "前面加");
}

TEST_F(TextOpsWindowTest, AddBeforeAMarkerInPreview) {
  folder.AddFile("第1集.mp4", "a");
  folder.AddFile("第2集.mp4", "b");
  PreviewOn();
  SetText(Ctl::编辑框11, "集");
  SetText(Ctl::编辑框12, "-");
  Click(Ctl::按钮10);
  ExpectPreviewOnly({"第1-集.mp4", "第2-集.mp4"}, {"第1集.mp4", "第2集.mp4"});
}
