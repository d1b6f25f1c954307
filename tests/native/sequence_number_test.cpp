#include "ops/add/sequence_number.h"

#include <gtest/gtest.h>

#include "pipeline/messages.h"
#include "pipeline_fixture.h"

using Strings = std::vector<std::string>;

TEST(SequenceNumberRule, PadsToTheWidthOfTheListing) {
  struct Case {
    int index, count;
    std::string separator, name, result;
  } cases[] = {
      {1, 3, "", "a.txt", "01a.txt"},
      {1, 1, "、", "a.txt", "01、a.txt"},
      {9, 12, "-", "x", "09-x"},
      {12, 12, "-", "x", "12-x"},
      {99, 99, ".", "x", "99.x"},
      {1, 100, "-", "x", "001-x"},
      {10, 120, "-", "x", "010-x"},
      {100, 120, "-", "x", "100-x"},
      {999, 1200, "", "x", "999x"},
      {1000, 1200, "", "x", "1000x"},
      {2, 2, "：", "Photos", "02：Photos"},
      {1, 1, "", "01a.txt", "0101a.txt"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(AddSequenceNumber(c.name, c.index, c.count, c.separator), c.result)
        << c.index << "/" << c.count;
  }
}

TEST(SequenceNumberRule, SeparatorComesFromTheChosenEntry) {
  const std::vector<std::string> entries = {"不加", "、", ".", "-", "，", "："};
  EXPECT_EQ(SeparatorFor(entries, -1), "");
  EXPECT_EQ(SeparatorFor(entries, 0), "");
  EXPECT_EQ(SeparatorFor(entries, 1), "、");
  EXPECT_EQ(SeparatorFor(entries, 4), "，");
  EXPECT_EQ(SeparatorFor(entries, 5), "：");
  EXPECT_EQ(SeparatorFor({}, 0), "");
}

class SequenceNumberTest : public PipelineTest {
 protected:
  SequenceNumberTest() { form.SetItems(Ctl::组合框5, {"不加", "、", ".", "-", "，", "："}); }
  const Message question = messages::Question("将直接更名，确定吗？", "提示");
};

TEST_F(SequenceNumberTest, AsksOnceAfterListingEvenWhenEmptyAndReportsNothing) {
  AddSequenceNumberClicked(app);
  EXPECT_EQ(form.shown, (std::vector<Message>{question}));

  AddFiles({"b.txt", "a.txt"});
  form.answers = {Answer::Cancel};
  AddSequenceNumberClicked(app);
  EXPECT_EQ(Names(), (Strings{"b.txt", "a.txt"}));
  ExpectItemsKept();

  form.SetSelection(Ctl::组合框5, 3);
  form.shown.clear();
  AddSequenceNumberClicked(app);
  EXPECT_EQ(Names(), (Strings{"02-b.txt", "01-a.txt"}));  // natural order numbers a.txt first
  ExpectItemsKept();
  EXPECT_EQ(form.shown, (std::vector<Message>{question}));
}

TEST_F(SequenceNumberTest, SkippedFileLeavesAGapInTheNumbers) {
  AddFiles({"a.txt", "b.mp4", "c.txt"});
  form.SetItems(Ctl::组合框2, {"不跳", ".mp4"});
  form.SetSelection(Ctl::组合框2, 1);
  AddSequenceNumberClicked(app);
  EXPECT_EQ(Names(), (Strings{"01a.txt", "b.mp4", "03c.txt"}));
  ExpectItemsKept();
}

TEST_F(SequenceNumberTest, NumbersFoldersAndNothingWithNeitherKind) {
  AddFolders({"Music", "Photos"});
  FoldersKind();
  form.SetSelection(Ctl::组合框5, 5);
  AddSequenceNumberClicked(app);
  EXPECT_EQ(Names(), (Strings{"01：Music", "02：Photos"}));
  ExpectItemsKept();

  form.SetChecked(Ctl::选择框2, false);
  form.shown.clear();
  AddSequenceNumberClicked(app);
  EXPECT_TRUE(form.shown.empty());
}

TEST_F(SequenceNumberTest, PreviewShowsTheNoticeInPlaceOfTheQuestion) {
  AddFiles({"a.txt", "b.txt"});
  form.SetRows({"a.txt", "b.txt"});
  PreviewOn();
  AddSequenceNumberClicked(app);
  EXPECT_EQ(form.Column(1), (Strings{"01a.txt", "02b.txt"}));
  EXPECT_EQ(form.shown, (std::vector<Message>{messages::PreviewNotice()}));
  EXPECT_TRUE(fs.renameCalls.empty());
}
