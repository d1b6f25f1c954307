#include "ops/delete/delete_between.h"

#include <gtest/gtest.h>

#include "ops/delete/punctuation_style.h"
#include "pipeline/messages.h"
#include "text_ops_fixture.h"

using Strings = std::vector<std::string>;

namespace {
constexpr auto kFirst = Occurrence::First, kLast = Occurrence::Last;
}

TEST(DeleteBetweenRule, CutsBetweenTheChosenOccurrences) {
  struct Case {
    std::string part, start, end;
    Occurrence startAt, endAt;
    std::string included, excluded;  // results with the markers deleted or kept; empty: unchanged
  } cases[] = {
      {"a(1)b(2)c", "(", ")", kFirst, kFirst, "ab(2)c", "a()b(2)c"},
      {"a(1)b(2)c", "(", ")", kFirst, kLast, "ac", "a()c"},
      {"a(1)b(2)c", "(", ")", kLast, kFirst, "", ""},
      {"a(1)b(2)c", "(", ")", kLast, kLast, "a(1)bc", "a(1)b()c"},
      {"abc(Av170001)", "(", ")", kFirst, kFirst, "abc", "abc()"},
      {"x-y-z", "-", "-", kFirst, kFirst, "", ""},  // both at the same byte
      {"x-y-z", "-", "-", kFirst, kLast, "xz", "x--z"},
      {"abc()def", "(", ")", kFirst, kFirst, "abcdef", "abc()def"},  // nothing between: as it is
      {"(abc)", "(", ")", kFirst, kFirst, "", "()"},
      {"bab]", "ba", "]", kFirst, kFirst, "", "ab]"},  // the cut text b is met inside ba first
      {"a.b", "a", ".", kFirst, kFirst, "b", "a.b"},
      {"A(1)", "a", ")", kFirst, kFirst, "", ""},  // letter case counts
      {"x(1", "(", ")", kFirst, kFirst, "", ""},
      {"開_a_", "_", "_", kFirst, kLast, "開", "開__"},  // the trail byte of 開 is "_"
      {"【第1集】abc", "【", "】", kFirst, kFirst, "abc", "【】abc"},
  };
  for (const auto& c : cases) {
    BetweenMarkers markers{c.start, c.end, c.startAt, c.endAt, true};
    EXPECT_EQ(DeleteBetween(c.part, markers), c.included) << c.part << " " << c.start << c.end;
    markers.includeMarkers = false;
    EXPECT_EQ(DeleteBetween(c.part, markers), c.excluded) << c.part << " " << c.start << c.end;
  }
}

TEST(DeleteBetweenRule, CountsItemsWithBothMarkersInOrder) {
  struct Case {
    std::string part;
    Occurrence startAt, endAt;
    bool counts;
  } cases[] = {
      {"a(1)b(2)c", kFirst, kFirst, true}, {"a(1)b(2)c", kLast, kFirst, false},
      {"a(1)b(2)c", kLast, kLast, true},   {"a(1", kFirst, kFirst, false},
      {"a)1(", kFirst, kFirst, false},     {"()", kFirst, kLast, true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(HasBothMarkers(c.part, {"(", ")", c.startAt, c.endAt, true}), c.counts) << c.part;
  }
  // Markers that start at the same byte count, though nothing is cut there.
  EXPECT_TRUE(HasBothMarkers("x-y-z", {"-", "-", kFirst, kFirst, true}));
}

TEST(PunctuationStyle, ConvertsBetweenChineseAndEnglishForms) {
  struct Case {
    std::string text;
    PunctuationStyle style;
    std::string expected;
  } cases[] = {
      {"（1）", PunctuationStyle::English, "(1)"},
      {"【1】，。", PunctuationStyle::English, "[1],."},
      {"【1】", PunctuationStyle::Bilibili, "[1]"},
      {"(1)[2],a.b", PunctuationStyle::Chinese, "（1）【2】，a。b"},
      {"（x)", PunctuationStyle::English, "(x)"},
      {"沒]", PunctuationStyle::Chinese, "沒】"},
      {"", PunctuationStyle::Chinese, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ConvertPunctuation(c.text, c.style), c.expected) << c.text;
  }
}

class DeleteBetweenTest : public TextOpsTest {
 protected:
  void Press(const std::string& start, const std::string& end) {
    form.SetText(Ctl::编辑框2, start);
    form.SetText(Ctl::编辑框3, end);
    Click(Ctl::按钮3);
  }
  // A click on a check box toggles it before its handler runs.
  void Toggle(Ctl box) {
    form.SetChecked(box, !form.Checked(box));
    Click(box);
  }
};

TEST_F(DeleteBetweenTest, ChecksComeInTheirOrder) {
  const Message noOccurrence = messages::Info("请为“从”和“到”各勾选“首次出现”或“最后出现”");
  struct Case {
    std::string folder, start, end;
    bool startPairOff;
    Message box;
  } cases[] = {
      {"", "", "", false, messages::Info("路径呢？")},
      {"D:\\Desktop\\", "(", "", false, messages::Info("去掉啥？不能为空")},
      {"D:\\Desktop\\", "", ")", false, messages::Info("去掉啥？不能为空")},
      {"D:\\Desktop\\", "(", ")", true, noOccurrence},
      {"D:\\Desktop\\", "(", ")", false, messages::DesktopRefusal()},
  };
  for (const auto& c : cases) {
    form.shown.clear();
    form.SetText(Ctl::标签2, c.folder);
    form.SetChecked(Ctl::选择框_1头, !c.startPairOff);
    Press(c.start, c.end);
    EXPECT_EQ(form.shown, (std::vector<Message>{c.box})) << c.folder << c.start << c.end;
  }
}

TEST_F(DeleteBetweenTest, PairedBoxesExcludeEachOtherButMayBothBeOff) {
  AddFiles({"a(1).txt"});
  Toggle(Ctl::选择框_2尾);
  EXPECT_FALSE(form.Checked(Ctl::选择框_2头));
  Toggle(Ctl::选择框_2头);
  EXPECT_FALSE(form.Checked(Ctl::选择框_2尾));
  Toggle(Ctl::选择框_1尾);
  Toggle(Ctl::选择框_1尾);
  EXPECT_FALSE(form.Checked(Ctl::选择框_1头));
  EXPECT_FALSE(form.Checked(Ctl::选择框_1尾));
  // With neither box of a pair there is no start position: refused, nothing cut.
  Press("(", ")");
  ASSERT_EQ(form.shown.size(), 1u);
  EXPECT_EQ(form.shown[0].text, "请为“从”和“到”各勾选“首次出现”或“最后出现”");
  EXPECT_EQ(Names(), (Strings{"a(1).txt"}));
  ExpectItemsKept();
}

TEST_F(DeleteBetweenTest, NothingFoundIsSaidBeforeAnyQuestion) {
  AddFiles({"a)b(.txt", "c.(1)"});
  AddFolders({"x(y"});
  Press("(", ")");
  FoldersKind();
  Press("(", ")");
  const Message none = messages::Plain("找不到需要改的文件名", "提示");
  EXPECT_EQ(form.shown, (std::vector<Message>{none, none}));
  EXPECT_TRUE(fs.renameCalls.empty());
}

TEST_F(DeleteBetweenTest, FilesAreAskedWithTheCountThenRenamedAndReported) {
  AddFiles({"abc(Av170001).mp4", "a.b.txt", "x(1).txt", "y.txt", "z(2).avi"});
  SkipExtension(".avi");
  Press("(", ")");
  EXPECT_EQ(Names(), (Strings{"abc.mp4", "a.b.txt", "x.txt", "y.txt", "z(2).avi"}));
  ExpectItemsKept();
  EXPECT_EQ(form.shown,
            (std::vector<Message>{messages::Question("一共有3个文件将被更名", "确定改名吗？"),
                                  messages::Info("一共有2个文件被改名", "修改成果提示")}));

  // Only the dot of the stem a.b counts as the end marker.
  form.shown.clear();
  form.SetChecked(Ctl::选择框6, false);
  Press("a", ".");
  EXPECT_EQ(form.shown.back(), messages::Info("没有任何改动", "没有改动"));
  form.SetChecked(Ctl::选择框6, true);
  Press("a", ".");
  EXPECT_EQ(Names(), (Strings{"abc.mp4", "b.txt", "x.txt", "y.txt", "z(2).avi"}));
  ExpectItemsKept();
}

TEST_F(DeleteBetweenTest, FoldersHaveTheirOwnQuestionAndPlainReports) {
  AddFolders({"a(1)b(2)c", "x-y-z"});
  FoldersKind();
  Toggle(Ctl::选择框_2尾);
  Press("(", ")");
  EXPECT_EQ(Names(), (Strings{"ac", "x-y-z"}));
  ExpectItemsKept();
  EXPECT_EQ(form.shown,
            (std::vector<Message>{messages::Question("总共有1个需要改名", "确定改名吗？"),
                                  messages::Plain("一共有1个文件将被更名", "修改成果提示")}));
  // Both markers at the same byte: counted, but nothing is cut.
  form.shown.clear();
  Toggle(Ctl::选择框_2头);
  Press("-", "-");
  EXPECT_EQ(form.shown,
            (std::vector<Message>{messages::Question("总共有1个需要改名", "确定改名吗？"),
                                  messages::Plain("没有任何改动", "没有改动")}));
}

TEST_F(DeleteBetweenTest, PreviewShowsTheNoticeOnceAndTheProposals) {
  AddFiles({"a(1).txt", "b.txt", "c()d.txt"});
  form.SetRows({"a(1).txt", "b.txt", "c()d.txt"});
  PreviewOn();
  form.SetChecked(Ctl::选择框6, false);
  Press("(", ")");
  EXPECT_EQ(form.Column(1), (Strings{"a().txt", "", "c()d.txt"}));
  EXPECT_EQ(form.shown, (std::vector<Message>{messages::PreviewNotice()}));
  EXPECT_EQ(Names(), (Strings{"a(1).txt", "b.txt", "c()d.txt"}));
  ExpectItemsKept();
}

TEST_F(DeleteBetweenTest, ChoosingAPunctuationStyleConvertsTheThreeBoxes) {
  form.SetItems(Ctl::组合框1, {"英文符号", "中文符号", "B站括号"});
  form.SetText(Ctl::编辑框2, "（");
  form.SetText(Ctl::编辑框3, "）");
  form.SetText(Ctl::编辑框1, "【1】");
  form.SetText(Ctl::编辑框4, "（");  // not one of the three
  for (int style : {0, 1, 2}) {
    form.SetSelection(Ctl::组合框1, style);
    Dispatch(app, Ctl::组合框1, Event::Chosen);
    const bool chinese = style == 1;
    EXPECT_EQ(form.Text(Ctl::编辑框2), chinese ? "（" : "(");
    EXPECT_EQ(form.Text(Ctl::编辑框3), chinese ? "）" : ")");
    EXPECT_EQ(form.Text(Ctl::编辑框1), chinese ? "【1】" : "[1]");
  }
  EXPECT_EQ(form.Text(Ctl::编辑框4), "（");
  EXPECT_TRUE(form.shown.empty());
}
