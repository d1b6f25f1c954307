// Zero-padding, extension change, Chinese numerals, adding after the extension or the number,
// video numbers and sequence numbers through the real buttons on a real folder, directly and
// in preview mode.
#include "expected_boxes.h"
#include "window_fixture.h"

using Strings = std::vector<std::string>;

using expected::Info;
using expected::kConfirm;
using expected::Plain;
using expected::Question;

using NumberingOpsWindowTest = WindowTest;

TEST_F(NumberingOpsWindowTest, PadNumbers) {
  folder.AddFile("1 a.txt", "a");
  folder.AddFile("12 b.txt", "b");
  folder.AddFile("第3课.txt", "c");
  UseFolder();
  Click(Ctl::按钮11);
  ExpectFolder({"01 a.txt", "12 b.txt", "第03课.txt"});
  EXPECT_EQ(folder.Content("01 a.txt"), "a");
  EXPECT_EQ(boxes.shown, (std::vector<Message>{kConfirm, Info("改了2个", "修改成果如下")}));
}

TEST_F(NumberingOpsWindowTest, PadNumbersInPreview) {
  folder.AddFile("5.txt", "a");
  folder.AddFile("abc.txt", "b");
  PreviewOn();
  Click(Ctl::按钮11);
  ExpectPreviewOnly({"05.txt", ""}, {"5.txt", "abc.txt"});
}

TEST_F(NumberingOpsWindowTest, ChangeExtensionWritesTheDotBackAndRefusesFolders) {
  folder.AddFile("a.txt", "a");
  folder.AddFile("README", "b");
  UseFolder();
  Type(Ctl::组合框3, "md");
  Click(Ctl::按钮6);
  EXPECT_EQ(form().Text(Ctl::组合框3), ".md");
  ExpectFolder({"README.md", "a.md"});
  EXPECT_EQ(boxes.shown,
            (std::vector<Message>{kConfirm, Plain("一共有2个文件被改名", "修改成果提示")}));

  boxes.shown.clear();
  Click(Ctl::选择框2);
  Click(Ctl::按钮6);
  EXPECT_EQ(boxes.shown, (std::vector<Message>{Info("文件夹没有改后缀一说，请勾选文件", "提示")}));
}

TEST_F(NumberingOpsWindowTest, ChangeExtensionInPreviewShowsUnchangedNamesToo) {
  folder.AddFile("a.txt", "a");
  folder.AddFile("b.doc", "b");
  PreviewOn();
  Type(Ctl::组合框3, ".txt");
  Click(Ctl::按钮6);
  ExpectPreviewOnly({"a.txt", "b.txt"}, {"a.txt", "b.doc"});
}

TEST_F(NumberingOpsWindowTest, ChineseNumerals) {
  folder.AddFile("第一课.mp4", "a");
  folder.AddFile("第零课.txt", "b");
  UseFolder();
  Click(Ctl::按钮15);
  ExpectFolder({"第1课.mp4", "第零课.txt"});
  EXPECT_EQ(boxes.shown, (std::vector<Message>{kConfirm, Plain("总共更改1个", "更名数量")}));
}

TEST_F(NumberingOpsWindowTest, ChineseNumeralsInPreview) {
  folder.AddFile("第十二课.mp4", "a");
  PreviewOn();
  Click(Ctl::按钮15);
  ExpectPreviewOnly({"第十2课.mp4"}, {"第十二课.mp4"});
}

TEST_F(NumberingOpsWindowTest, AddAfterExtensionRefusesFoldersThenRenamesFiles) {
  folder.AddFile("a.txt", "a");
  folder.AddFile("notes", "b");
  UseFolder();
  SetText(Ctl::编辑框18, "_old");
  Click(Ctl::选择框2);
  Click(Ctl::按钮_加后缀2);
  EXPECT_EQ(boxes.shown, (std::vector<Message>{Info("此功能无法对文件夹进行修改")}));

  boxes.shown.clear();
  Click(Ctl::选择框2);  // unchecked: neither kind, still files
  Click(Ctl::按钮_加后缀2);
  ExpectFolder({"a.txt_old", "notes_old"});
  EXPECT_EQ(boxes.shown,
            (std::vector<Message>{kConfirm, Plain("一共有2个文件被改名成功", "修改成果提示")}));
}

TEST_F(NumberingOpsWindowTest, AddAfterExtensionInPreview) {
  folder.AddFile("a.txt", "a");
  PreviewOn();
  SetText(Ctl::编辑框18, "_old");
  Click(Ctl::按钮_加后缀2);
  ExpectPreviewOnly({"a.txt_old"}, {"a.txt"});
}

TEST_F(NumberingOpsWindowTest, AddAfterNumberReportsNothing) {
  folder.AddFile("01 abc.txt", "a");
  folder.AddFile("第12集.mp4", "b");
  UseFolder();
  SetText(Ctl::编辑框13, ".");
  Click(Ctl::按钮12);
  ExpectFolder({"01. abc.txt", "第12集.mp4"});
  EXPECT_EQ(boxes.shown, (std::vector<Message>{kConfirm}));
}

TEST_F(NumberingOpsWindowTest, AddAfterNumberInPreview) {
  folder.AddFile("007.mp4", "a");
  PreviewOn();
  SetText(Ctl::编辑框13, "-");
  Click(Ctl::按钮12);
  ExpectPreviewOnly({"007-.mp4"}, {"007.mp4"});
}

TEST_F(NumberingOpsWindowTest, VideoNumberRenamesAtOnceAndLeavesTheListAlone) {
  window->state().tickCount = [] { return 1000u; };
  folder.AddFile("lesson.mp4", "a");
  PreviewOn();
  Click(Ctl::按钮_加后缀1);
  ExpectFolder({"lesson(Av797814677,P1).mp4"});
  EXPECT_EQ(folder.Content("lesson(Av797814677,P1).mp4"), "a");
  EXPECT_EQ(Column(0), (Strings{"lesson.mp4"}));
  EXPECT_EQ(Column(1), (Strings{""}));
  EXPECT_EQ(boxes.shown,
            (std::vector<Message>{Question("不提供预览功能，将直接改名，确定吗？", "提示")}));
}

TEST_F(NumberingOpsWindowTest, VideoNumberFromTheClock) {
  folder.AddFile("readme", "a");
  UseFolder();
  Click(Ctl::按钮_加后缀1);
  const Strings names = folder.Names();
  ASSERT_EQ(names.size(), 1u);
  const std::string& name = names[0];
  ASSERT_EQ(name.size(), std::string("readme(Av123456789,P1)").size()) << name;
  EXPECT_EQ(name.substr(0, 9), "readme(Av");
  EXPECT_EQ(name.substr(9, 9).find_first_not_of("0123456789"), std::string::npos) << name;
  EXPECT_EQ(name.substr(18), ",P1)");
}

TEST_F(NumberingOpsWindowTest, SequenceNumbersWithASeparator) {
  folder.AddFile("a.txt", "a");
  folder.AddFile("b.txt", "b");
  UseFolder();
  Choose(Ctl::组合框5, 3);
  Click(Ctl::按钮_加后缀3);
  ExpectFolder({"01-a.txt", "02-b.txt"});
  EXPECT_EQ(boxes.shown, (std::vector<Message>{Question("将直接更名，确定吗？", "提示")}));
}

TEST_F(NumberingOpsWindowTest, SequenceNumbersInPreview) {
  folder.AddFile("a.txt", "a");
  folder.AddFile("b.txt", "b");
  PreviewOn();
  Choose(Ctl::组合框5, 5);
  Click(Ctl::按钮_加后缀3);
  ExpectPreviewOnly({"01：a.txt", "02：b.txt"}, {"a.txt", "b.txt"});
}
