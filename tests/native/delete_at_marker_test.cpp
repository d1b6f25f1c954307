#include "ops/delete/delete_at_marker.h"

#include <gtest/gtest.h>

#include "pipeline/messages.h"
#include "text_ops_fixture.h"

using Strings = std::vector<std::string>;

TEST(DeleteAtMarkerRules, CutAtTheChosenOccurrence) {
  constexpr auto kFirst = Occurrence::First, kLast = Occurrence::Last, kNone = Occurrence::None;
  struct Case {
    bool left;
    std::string part, marker;
    Occurrence occurrence;
    bool include;
    std::string expected;  // empty: unchanged
  } cases[] = {
      {true, "abc-def-ghi", "-", kFirst, false, "-def-ghi"},
      {true, "abc-def-ghi", "-", kFirst, true, "def-ghi"},
      {true, "abc-def-ghi", "-", kLast, false, "-ghi"},
      {true, "abc-def-ghi", "-", kLast, true, "ghi"},
      {false, "abc-def-ghi", "-", kFirst, false, "abc-"},
      {false, "abc-def-ghi", "-", kFirst, true, "abc"},
      {false, "abc-def-ghi", "-", kLast, false, "abc-def-"},
      {false, "abc-def-ghi", "-", kLast, true, "abc-def"},
      // Missing marker, other letter case, no occurrence chosen.
      {true, "abc", "-", kFirst, false, ""},
      {true, "xa-b", "A", kFirst, true, ""},
      {false, "xa-b", "A", kLast, false, ""},
      {true, "a-b", "-", kNone, true, ""},
      // Nothing left, or the marker alone.
      {false, "-abc", "-", kFirst, true, ""},
      {false, "-abc", "-", kFirst, false, "-"},
      {true, "abc-", "-", kLast, true, ""},
      {true, "-abc", "-", kFirst, false, "-abc"},
      // Two-byte characters: 開 is E9 5F, whose trail byte is "_".
      {true, "開_a", "_", kFirst, true, "a"},
      {false, "開_a", "_", kFirst, true, "開"},
      {false, "第1集】abc", "】", kFirst, false, "第1集】"},
      {true, "中文", "形", kFirst, false, ""},  // 形 only across the two characters
      {true, "ab-cd-ef", "cd-", kLast, true, "ef"},
  };
  for (const auto& c : cases) {
    const MarkerCut cut{c.marker, c.occurrence, c.include};
    EXPECT_EQ(c.left ? DeleteLeft(c.part, cut) : DeleteRight(c.part, cut), c.expected)
        << (c.left ? "left " : "right ") << c.part << " " << c.marker << " " << c.include;
  }
}

class DeleteAtMarkerTest : public TextOpsTest {};

TEST_F(DeleteAtMarkerTest, EmptyMarkerIsRefusedBeforeTheFolderChecks) {
  form.SetText(Ctl::标签2, "");
  Click(Ctl::按钮7);
  Click(Ctl::按钮_去掉后面的);
  const Message box = messages::Info("去掉啥？不能为空");
  EXPECT_EQ(form.shown, (std::vector<Message>{box, box}));
}

TEST_F(DeleteAtMarkerTest, DeleteRightCutsFileStemsAndReports) {
  AddFiles({"-x.txt", "a-b.txt", "ab.t-t", "c-d.mp4"});
  SkipExtension(".mp4");
  form.SetText(Ctl::编辑框9, "-");
  Click(Ctl::单选框1);  // "首次出现" instead of the start-up "最后出现"
  EXPECT_FALSE(form.Checked(Ctl::单选框2));
  form.SetChecked(Ctl::选择框4, true);
  Click(Ctl::按钮_去掉后面的);
  // Nothing would be left of -x; ab.t-t has the marker in its extension only.
  EXPECT_EQ(Names(), (Strings{"-x.txt", "a.txt", "ab.t-t", "c-d.mp4"}));
  ExpectItemsKept();
  EXPECT_EQ(form.shown, (std::vector<Message>{messages::ConfirmRename(),
                                              messages::Plain("修改了1个", "修改成果提示")}));
}

TEST_F(DeleteAtMarkerTest, DeleteLeftWorksOnWholeFolderNamesAndReportsZeroToo) {
  AddFolders({"a-b-c", "x.y-z"});
  FoldersKind();
  form.SetText(Ctl::编辑框8, "-");
  Click(Ctl::单选框12);
  EXPECT_FALSE(form.Checked(Ctl::单选框11));
  form.SetChecked(Ctl::选择框3, true);
  Click(Ctl::按钮7);
  EXPECT_EQ(Names(), (Strings{"c", "z"}));
  ExpectItemsKept();
  EXPECT_EQ(form.shown.back(), messages::Plain("成功改了2个", "提示"));

  form.SetText(Ctl::编辑框8, "#");
  Click(Ctl::按钮7);
  EXPECT_EQ(form.shown.back(), messages::Plain("成功改了0个", "提示"));
}

TEST_F(DeleteAtMarkerTest, PreviewShowsEveryProposalIncludingAnUnchangedName) {
  AddFiles({"-abc.txt", "x-y.txt", "zz.txt"});
  form.SetRows({"-abc.txt", "x-y.txt", "zz.txt"});
  PreviewOn();
  form.SetText(Ctl::编辑框8, "-");
  Click(Ctl::按钮7);
  EXPECT_EQ(form.Column(1), (Strings{"-abc.txt", "-y.txt", ""}));
  EXPECT_EQ(Names(), (Strings{"-abc.txt", "x-y.txt", "zz.txt"}));
  ExpectItemsKept();
  EXPECT_EQ(form.shown, (std::vector<Message>{messages::PreviewNotice()}));
}
