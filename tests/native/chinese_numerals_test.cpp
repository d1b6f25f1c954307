#include "ops/replace/chinese_numerals.h"

#include <gtest/gtest.h>

#include "pipeline/messages.h"
#include "pipeline_fixture.h"

using Strings = std::vector<std::string>;

TEST(ChineseNumeralsRule, FirstTableRowWithinEightBytesWins) {
  struct Case {
    std::string name;
    std::string converted;  // empty: left unchanged
  } cases[] = {
      {"第一课.mp4", "第1课.mp4"},
      {"第十课.mp4", "第10课.mp4"},
      {"第十二课.mp4", "第十2课.mp4"},
      {"第十一课.mp4", "第十1课.mp4"},
      {"第二十一课.mp4", "第二十1课.mp4"},
      {"第三课第一节.mp4", "第3课第一节.mp4"},
      {"一一.txt", "1一.txt"},
      {"第一百课.txt", "第1百课.txt"},
      {"第零课.txt", ""},
      {"abcdefg一.txt", "abcdefg1.txt"},
      {"abcdefgh一.txt", ""},
      {"x.一", "x.1"},
      {"且互.txt", ""},  // 且互 holds the bytes of 一 across the character boundary
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(NumeralToDigits(c.name), c.converted) << c.name;
}

class ChineseNumeralsTest : public PipelineTest {};

TEST_F(ChineseNumeralsTest, RenamesFilesAndFoldersAndReportsTheCount) {
  AddFiles({"第一课.mp4", "第零课.txt"});
  ChineseNumeralsClicked(app);
  EXPECT_EQ(Names(), (Strings{"第1课.mp4", "第零课.txt"}));
  ExpectItemsKept();
  EXPECT_EQ(form.shown.back(), messages::Plain("总共更改1个", "更名数量"));

  AddFolders({"第五章"});
  FoldersKind();
  ChineseNumeralsClicked(app);
  EXPECT_TRUE(fs.Exists("D:\\work\\第5章"));
  EXPECT_EQ(form.shown.back(), messages::Plain("总共更改1个", "更名数量"));
}

TEST_F(ChineseNumeralsTest, ZeroIsReportedTooAndCancelReportsNothing) {
  ChineseNumeralsClicked(app);  // empty folder: no question
  AddFiles({"第一课.mp4"});
  form.answers = {Answer::Cancel};
  ChineseNumeralsClicked(app);
  EXPECT_EQ(Texts(), (Strings{"总共更改0个", "确定更名吗？"}));
  EXPECT_EQ(Names(), (Strings{"第一课.mp4"}));
  ExpectItemsKept();
}

TEST_F(ChineseNumeralsTest, PreviewWritesProposalsOnly) {
  AddFiles({"第一课.mp4", "第二课.mp4"});
  form.SetRows({"第二课.mp4", "第一课.mp4"});  // the natural order compares bytes
  PreviewOn();
  ChineseNumeralsClicked(app);
  EXPECT_EQ(form.Column(1), (Strings{"第2课.mp4", "第1课.mp4"}));
  EXPECT_EQ(form.shown, (std::vector<Message>{messages::PreviewNotice()}));
  EXPECT_TRUE(fs.renameCalls.empty());
}
