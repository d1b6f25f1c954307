#include "ops/replace/pad_number.h"

#include <gtest/gtest.h>

#include "pipeline/messages.h"
#include "pipeline_fixture.h"

using Strings = std::vector<std::string>;

TEST(PadNumberRule, PadsTheFirstDigitWithinSevenBytes) {
  struct Case {
    std::string name;
    int width;
    std::string padded;  // empty: left unchanged
  } cases[] = {
      {"1 abc.txt", 2, "01 abc.txt"},
      {"a1b.txt", 2, "a01b.txt"},
      {"12abc.txt", 2, ""},
      {"1a2b.txt", 2, "01a2b.txt"},
      {"9-1.txt", 2, "09-1.txt"},
      {"第1课.txt", 2, "第01课.txt"},
      {"第一课.txt", 2, ""},
      {"１课.txt", 2, ""},  // full-width digits are not digits here
      {"abcdef1.txt", 2, "abcdef01.txt"},
      {"abcdefg1.txt", 2, ""},
      {"ab.mp4", 2, "ab.mp04"},
      {"7", 2, "07"},
      {"", 2, ""},
      {"1 abc.txt", 3, "001 abc.txt"},
      {"12 abc.txt", 3, "012 abc.txt"},
      {"123 abc.txt", 3, ""},
      {"1a2.txt", 3, "001a2.txt"},
      {"1234.txt", 3, ""},
      {"abcdef12", 3, "abcdef012"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PadLeadingNumber(c.name, c.width), c.padded) << c.name << " width " << c.width;
  }
  EXPECT_EQ(PadWidthFor(99), 2);
  EXPECT_EQ(PadWidthFor(100), 3);
}

class PadNumberTest : public PipelineTest {
 protected:
  // "x1", "x2", ... "x<count>".
  void AddNumberedFiles(int count) {
    for (int k = 1; k <= count; ++k) fs.AddFile(kFolder + ("x" + std::to_string(k)));
  }
};

TEST_F(PadNumberTest, WidthFollowsTheSizeOfTheListing) {
  AddNumberedFiles(99);
  PadNumberClicked(app);
  EXPECT_TRUE(fs.Exists("D:\\work\\x01"));
  EXPECT_TRUE(fs.Exists("D:\\work\\x99"));
  EXPECT_EQ(form.shown.back(), messages::Info("改了9个", "修改成果如下"));

  fs.AddFile("D:\\work\\x100");
  form.shown.clear();
  PadNumberClicked(app);
  EXPECT_TRUE(fs.Exists("D:\\work\\x001"));
  EXPECT_TRUE(fs.Exists("D:\\work\\x099"));
  EXPECT_TRUE(fs.Exists("D:\\work\\x100"));
  EXPECT_EQ(form.shown.back(), messages::Info("改了99个", "修改成果如下"));
}

TEST_F(PadNumberTest, TakenNamesAreNotCountedAndASecondRunChangesNothing) {
  AddFiles({"01.txt", "1.txt", "2.txt"});
  PadNumberClicked(app);
  EXPECT_EQ(Names(), (Strings{"01.txt", "1.txt", "02.txt"}));
  ExpectItemsKept();
  EXPECT_EQ(form.shown.back().text, "改了1个");

  form.shown.clear();
  fs.renameCalls.clear();
  fs.Rename("D:\\work\\1.txt", "D:\\work\\3.txt");
  PadNumberClicked(app);
  PadNumberClicked(app);
  EXPECT_EQ(Names(), (Strings{"01.txt", "03.txt", "02.txt"}));
  ExpectItemsKept();
  EXPECT_EQ(Texts(), (Strings{"确定更名吗？", "改了1个", "确定更名吗？", "改了0个"}));
}

TEST_F(PadNumberTest, FoldersAreReportedInTheirOwnWords) {
  AddFolders({"7", "第3章"});
  FoldersKind();
  PadNumberClicked(app);
  EXPECT_EQ(Names(), (Strings{"07", "第03章"}));
  ExpectItemsKept();
  EXPECT_EQ(form.shown.back(), messages::Info("2个文件被更名", "修改成果如下"));
}

TEST_F(PadNumberTest, EmptyFolderReportsZeroWithoutAsking) {
  PadNumberClicked(app);
  EXPECT_EQ(form.shown, (std::vector<Message>{messages::Info("改了0个", "修改成果如下")}));
}

TEST_F(PadNumberTest, PreviewProposesPaddedNamesAfterSkippedFiles) {
  AddFiles({"1.mp4", "2.txt", "abc.txt"});
  form.SetItems(Ctl::组合框2, {"不跳", ".mp4"});
  form.SetSelection(Ctl::组合框2, 1);
  form.SetRows({"2.txt", "abc.txt"});
  PreviewOn();
  PadNumberClicked(app);
  EXPECT_EQ(form.Column(1), (Strings{"02.txt", ""}));
  EXPECT_EQ(form.shown, (std::vector<Message>{messages::PreviewNotice()}));
  EXPECT_TRUE(fs.renameCalls.empty());
}
