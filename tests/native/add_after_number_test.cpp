#include "ops/add/add_after_number.h"

#include <gtest/gtest.h>

#include "pipeline/messages.h"
#include "pipeline_fixture.h"

using Strings = std::vector<std::string>;

TEST(AddAfterNumberRule, InsertsAfterTheNumberReadFromFiveBytes) {
  struct Case {
    std::string name;
    std::string result;  // empty: left unchanged
  } cases[] = {
      {"01 abc.txt", "01- abc.txt"},
      {"1a1.txt", "1-a1.txt"},
      {"007.mp4", "007-.mp4"},
      {"123456.txt", "12345-6.txt"},
      {"000123.txt", "00012-3.txt"},
      {"abc.txt", ""},
      {"abcde1.txt", ""},
      {"a0b.txt", "a0-b.txt"},
      {"第10集.mp4", "第10-集.mp4"},
      {"第12集.mp4", ""},
      {"01 Intro", "01- Intro"},
      {" 12 x.txt", " 12- x.txt"},
      {"１２abc.txt", ""},  // reads as 12, but the name holds no "12"
      {"-3 x", "-3- x"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(AddAfterNumber(c.name, "-"), c.result) << c.name;
}

class AddAfterNumberTest : public PipelineTest {};

TEST_F(AddAfterNumberTest, ChecksTheFolderBeforeTheText) {
  struct Case {
    std::string folder, text;
    Message box;
  } cases[] = {
      {"", "", messages::Info("路径呢？")},
      {kFolder, "", messages::Info("加什么？")},
      {"D:\\Desktop\\", "", messages::Info("加什么？")},
      {"D:\\Desktop\\", ".", messages::DesktopRefusal()},
  };
  for (const auto& c : cases) {
    form.shown.clear();
    form.SetText(Ctl::标签2, c.folder);
    form.SetText(Ctl::编辑框13, c.text);
    AddAfterNumberClicked(app);
    EXPECT_EQ(form.shown, (std::vector<Message>{c.box})) << c.folder << c.text;
  }
}

TEST_F(AddAfterNumberTest, RenamesWholeNamesWithoutAnyReport) {
  AddFiles({"01 abc.txt", "abc.txt"});
  form.SetText(Ctl::编辑框13, ".");
  AddAfterNumberClicked(app);
  EXPECT_EQ(Names(), (Strings{"01. abc.txt", "abc.txt"}));
  ExpectItemsKept();
  EXPECT_EQ(form.shown, (std::vector<Message>{messages::ConfirmRename()}));

  AddFolders({"01 Intro"});
  FoldersKind();
  form.shown.clear();
  AddAfterNumberClicked(app);
  EXPECT_TRUE(fs.Exists("D:\\work\\01. Intro"));
  EXPECT_EQ(form.shown, (std::vector<Message>{messages::ConfirmRename()}));
}

TEST_F(AddAfterNumberTest, PreviewProposesWithoutRenaming) {
  AddFiles({"1 a.txt", "b.txt"});
  form.SetRows({"1 a.txt", "b.txt"});
  PreviewOn();
  form.SetText(Ctl::编辑框13, "-");
  AddAfterNumberClicked(app);
  EXPECT_EQ(form.Column(1), (Strings{"1- a.txt", ""}));
  EXPECT_EQ(form.shown, (std::vector<Message>{messages::PreviewNotice()}));
  EXPECT_TRUE(fs.renameCalls.empty());
}
