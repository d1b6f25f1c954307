#include "ops/replace/replace_text.h"

#include <gtest/gtest.h>

#include <climits>

#include "pipeline/messages.h"
#include "text_ops_fixture.h"

using Strings = std::vector<std::string>;

namespace {
enum Mode { AfterNumber, FromLeft, FromRight };
TextReplacement Make(const std::string& sought, const std::string& replacement, Mode mode,
                     int count) {
  return {sought, replacement, count, mode == AfterNumber, mode == FromRight};
}
}  // namespace

TEST(ReplaceRule, ReplacesByScopeDirectionAndCount) {
  struct Case {
    std::string part, sought, replacement;
    Mode mode;
    int count;
    std::string expected;  // empty: unchanged
  } cases[] = {
      {"01-abc", "-", ".", AfterNumber, 1, "01.abc"},
      {"01-a-b", "-", ".", AfterNumber, 5, "01.a-b"},
      {"abcdefgh-x", "-", ".", AfterNumber, 1, ""},            // starts at byte 9
      {"abcdefg中x", "中", "-", AfterNumber, 1, "abcdefg-x"},  // starts at byte 8
      {"a-b-c-d", "-", "_", FromLeft, 1, "a_b-c-d"},
      {"a-b-c-d", "-", "_", FromLeft, 2, "a_b_c-d"},
      {"a-b-c-d", "-", "_", FromLeft, -1, "a_b_c_d"},
      {"a-b-c-d", "-", "_", FromRight, 1, "a-b-c_d"},
      {"a-b-c-d", "-", "_", FromRight, 2, "a-b_c_d"},
      {"a-b-c-d", "-", "_", FromRight, -1, ""},
      {"xa_a", "a", "aa", FromRight, 2, "xa_aaa"},  // the second step finds inserted text
      {"xa_a", "a", "aa", FromLeft, 2, "xaa_aa"},
      {"test", "t", "x", FromLeft, -1, "xesx"},
      {"開_a", "_", "-", FromLeft, -1, "開-a"},  // the trail byte of 開 is "_"
      {"中文", "形", "x", FromLeft, -1, ""},     // 形 only across the two characters
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReplaceInName(c.part, Make(c.sought, c.replacement, c.mode, c.count)), c.expected)
        << c.part << " " << c.sought << " " << c.mode << " " << c.count;
  }
  for (Mode mode : {AfterNumber, FromLeft, FromRight}) {
    EXPECT_EQ(ReplaceInName("Abc", Make("a", "x", mode, 1)), "") << mode;   // letter case counts
    EXPECT_EQ(ReplaceInName("abc", Make("abc", "", mode, 1)), "") << mode;  // nothing left
  }
}

TEST(ReplaceRule, ReplacingFromTheRightEndsOnAnEndlessCount) {
  // Each step inserts another "a" for the next one to find; the name soon outgrows any that
  // Windows takes, and the steps stop there.
  const std::string result = ReplaceInName("a", Make("a", "aa", FromRight, INT_MAX));
  EXPECT_GT(result.size(), 1024u);
  EXPECT_LT(result.size(), 1100u);
}

TEST(ReplaceRule, IllegalNameCharacters) {
  for (const char* illegal : {"\\", "/", ":", "*", "?", "\"", "<", ">", "|"}) {
    EXPECT_TRUE(HasIllegalNameCharacter(std::string("a") + illegal + "b")) << illegal;
  }
  // 乗 and 億 end with the bytes of "\" and "|", but are whole characters.
  for (const char* fine : {"", "a_b.c", "乗", "億", "（）"}) {
    EXPECT_FALSE(HasIllegalNameCharacter(fine)) << fine;
  }
}

class ReplaceTextTest : public TextOpsTest {
 protected:
  void Press(const std::string& sought, const std::string& replacement,
             const std::string& count = "") {
    form.SetText(Ctl::编辑框4, sought);
    form.SetText(Ctl::编辑框5, replacement);
    form.SetText(Ctl::编辑框16, count);
    Click(Ctl::按钮4);
  }
};

TEST_F(ReplaceTextTest, ChecksComeInTheirOrder) {
  const Message badCount = messages::Info("替换次数没写对，请重新再写！", "提醒：");
  struct Case {
    std::string folder, sought, replacement, count;
    Message box;
  } cases[] = {
      {"", "", ":", "0", messages::Info("路径呢？", "提示")},
      {kFolder, "", ":", "0", messages::Info("去掉啥？不能为空", "提示")},
      {"\\", "-", ":", "0", messages::NothingChosen()},
      {kFolder, "-", "a:b", "0", messages::Plain("不能改成这个东西")},
      {kFolder, "-", "億", "0", badCount},
      {kFolder, "-", "_", "abc", badCount},
      {kFolder, "-", "_", "二", badCount},
      {"D:\\Desktop\\", "-", ":", "0", messages::DesktopRefusal()},
  };
  for (const auto& c : cases) {
    form.shown.clear();
    form.SetText(Ctl::标签2, c.folder);
    Press(c.sought, c.replacement, c.count);
    EXPECT_EQ(form.shown, (std::vector<Message>{c.box}))
        << c.folder << " " << c.sought << " " << c.replacement << " " << c.count;
  }
  EXPECT_EQ(form.Text(Ctl::标签2), "");  // the desktop folder is forgotten
}

TEST_F(ReplaceTextTest, AsksBeforeListingEvenAnEmptyFolderAndCancelEndsIt) {
  Press("-", "_");
  EXPECT_EQ(form.shown, (std::vector<Message>{messages::ConfirmRename()}));

  AddFiles({"a-b.txt"});
  form.answers = {Answer::Cancel};
  form.shown.clear();
  Press("-", "_", "2个");
  EXPECT_EQ(form.shown, (std::vector<Message>{messages::ConfirmRename()}));
  EXPECT_TRUE(fs.renameCalls.empty());
}

TEST_F(ReplaceTextTest, FilesNearTheStartOnlyCountedWhenRenamed) {
  AddFiles({"01-abc.txt", "abcdefgh-x.txt", "c-d.mp4", "x-y.txt", "x.y.txt"});
  SkipExtension(".mp4");
  Press("-", ".");
  // x-y.txt would take the name of x.y.txt: left alone and not counted.
  EXPECT_EQ(Names(), (Strings{"01.abc.txt", "abcdefgh-x.txt", "c-d.mp4", "x-y.txt", "x.y.txt"}));
  ExpectItemsKept();
  EXPECT_EQ(form.shown, (std::vector<Message>{messages::ConfirmRename(),
                                              messages::Plain("成功改名1个", "提示")}));
}

TEST_F(ReplaceTextTest, FoldersFromTheRightAndNoReportWithoutRenames) {
  AddFolders({"a-b-c-d", "e.f"});
  FoldersKind();
  Click(Ctl::单选框8);
  Click(Ctl::单选框10);
  EXPECT_FALSE(form.Checked(Ctl::单选框7));
  EXPECT_FALSE(form.Checked(Ctl::单选框9));
  Press("-", "_", "2");
  EXPECT_EQ(Names(), (Strings{"a-b_c_d", "e.f"}));
  ExpectItemsKept();
  EXPECT_EQ(form.shown.back(), messages::Plain("成功改了1个", "提示"));

  form.shown.clear();
  Press("-", "_", "-1");
  EXPECT_EQ(form.shown, (std::vector<Message>{messages::ConfirmRename()}));
}

TEST_F(ReplaceTextTest, PreviewStillAsksAndShowsNoNoticeOrReport) {
  AddFiles({"test.txt", "Abc.txt"});
  form.SetRows({"Abc.txt", "test.txt"});
  PreviewOn();
  Click(Ctl::单选框8);
  Press("t", "x", "-1");
  EXPECT_EQ(form.Column(1), (Strings{"", "xesx.txt"}));
  EXPECT_EQ(form.shown, (std::vector<Message>{messages::ConfirmRename()}));
  EXPECT_EQ(Names(), (Strings{"test.txt", "Abc.txt"}));
  ExpectItemsKept();
}
