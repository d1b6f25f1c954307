#include "ops/add/add_at_marker.h"

#include <gtest/gtest.h>

#include "pipeline/messages.h"
#include "text_ops_fixture.h"

using Strings = std::vector<std::string>;

TEST(AddAtMarkerRule, InsertsBeforeOrAfterTheChosenOccurrence) {
  constexpr auto kFirst = Occurrence::First, kLast = Occurrence::Last;
  constexpr bool kBefore = false, kAfter = true;
  struct Case {
    std::string part, marker, text;
    Occurrence occurrence;
    bool after;
    std::string expected;  // empty: unchanged
  } cases[] = {
      {"a-b-c", "-", "_", kFirst, kBefore, "a_-b-c"},
      {"a-b-c", "-", "_", kFirst, kAfter, "a-_b-c"},
      {"a-b-c", "-", "_", kLast, kBefore, "a-b_-c"},
      {"a-b-c", "-", "_", kLast, kAfter, "a-b-_c"},
      {"abc", "-", "_", kFirst, kBefore, ""},
      {"aaa", "aa", "X", kLast, kBefore, "aXaa"},  // the last match starts at byte 2
      {"aaa", "aa", "X", kFirst, kAfter, "aaXa"},
      {"ABC", "b", "X", kFirst, kAfter, ""},  // letter case counts
      {"第1集", "集", "-", kFirst, kBefore, "第1-集"},
      {"開_a", "_", "X", kFirst, kAfter, "開_Xa"},  // the trail byte of 開 is "_"
      {"中文", "形", "X", kFirst, kBefore, ""},     // 形 only across the two characters
      {"a-b", "-", "_", Occurrence::None, kBefore, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(AddAtMarker(c.part, {c.marker, c.text, c.occurrence, c.after}), c.expected)
        << c.part << " " << c.marker << " " << c.after;
  }
}

class AddAtMarkerTest : public TextOpsTest {
 protected:
  void Press(const std::string& marker, const std::string& text) {
    form.SetText(Ctl::编辑框11, marker);
    form.SetText(Ctl::编辑框12, text);
    Click(Ctl::按钮10);
  }
  const Message kFilesNone = messages::Plain("有0个文件被改名成功");
};

TEST_F(AddAtMarkerTest, ChecksComeInTheirOrder) {
  struct Case {
    std::string folder, marker, text;
    Message box;
  } cases[] = {
      {"", "", "a:b", messages::Info("弄啥呢？")},
      {"", "-", "", messages::Info("弄啥呢？")},
      {"", "-", "a:b", messages::Info("路径呢？")},
      {"\\", "-", "a:b", messages::NothingChosen()},
      {kFolder, "-", "a:b", messages::Plain("不能改成这个东西")},
      {kFolder, ":", "_", messages::Plain("有0个文件被改名成功")},  // the marker is not tested
  };
  AddFiles({"a-b.txt"});
  for (const auto& c : cases) {
    form.shown.clear();
    form.SetText(Ctl::标签2, c.folder);
    Press(c.marker, c.text);
    EXPECT_EQ(form.shown, (std::vector<Message>{c.box})) << c.folder << c.marker << c.text;
  }
  EXPECT_TRUE(fs.renameCalls.empty());
}

TEST_F(AddAtMarkerTest, FilesAreConfirmedOnlyWhenTheFirstListedFileChanges) {
  struct Case {
    Strings files;
    std::string skip;
    Answer answer;
    Strings after;
    std::vector<Message> shown;
  } cases[] = {
      {{"a.txt", "b-c.txt"},
       "",
       Answer::Ok,
       {"a.txt", "b_-c.txt"},
       {messages::Plain("有1个文件被改名成功")}},
      {{"a-1.mp4", "b-2.txt"},
       ".mp4",
       Answer::Ok,
       {"a-1.mp4", "b_-2.txt"},
       {messages::Plain("有1个文件被改名成功")}},
      {{"a-1.txt", "b-2.txt", "c.t-t"},
       "",
       Answer::Ok,
       {"a_-1.txt", "b_-2.txt", "c.t-t"},
       {messages::ConfirmRename(), messages::Plain("有2个文件被改名成功")}},
      {{"a-1.txt", "b-2.txt"},
       "",
       Answer::Cancel,
       {"a-1.txt", "b-2.txt"},
       {messages::ConfirmRename()}},
      {{"a.txt", "b.txt"},
       "",
       Answer::Ok,
       {"a.txt", "b.txt"},
       {messages::Plain("有0个文件被改名成功")}},
  };
  int run = 0;
  for (const auto& c : cases) {
    const std::string folder = kFolder + std::to_string(++run) + "\\";
    for (const auto& name : c.files) fs.AddFile(folder + name);
    form.SetText(Ctl::标签2, folder);
    form.SetItems(Ctl::组合框2, {});
    if (!c.skip.empty()) SkipExtension(c.skip);
    form.shown.clear();
    form.answers = {c.answer};
    Press("-", "_");
    EXPECT_EQ(fs.Names(folder), c.after) << c.files[0];
    EXPECT_EQ(form.shown, c.shown) << c.files[0];
  }
}

TEST_F(AddAtMarkerTest, FoldersAreConfirmedAtTheFirstFolderAndReportedPlainly) {
  AddFolders({"ab", "a-b"});
  FoldersKind();
  Click(Ctl::单选框4);
  EXPECT_EQ(form.Text(Ctl::按钮10), "后面加");
  EXPECT_FALSE(form.Checked(Ctl::单选框3));
  Press("-", "_");
  EXPECT_EQ(Names(), (Strings{"ab", "a-_b"}));
  ExpectItemsKept();
  EXPECT_EQ(form.shown,
            (std::vector<Message>{messages::ConfirmRename(),
                                  messages::Plain("一共有1个文件被改名成功", "修改成果提示")}));
  form.shown.clear();
  Press("#", "_");
  EXPECT_EQ(form.shown, (std::vector<Message>{messages::ConfirmRename(),
                                              messages::Plain("没有任何改动", "没有改动")}));
}

TEST_F(AddAtMarkerTest, SideRadiosSetTheCaptionAndOccurrenceRadiosExcludeEachOther) {
  Click(Ctl::单选框4);
  Click(Ctl::单选框3);
  EXPECT_EQ(form.Text(Ctl::按钮10), "前面加");
  EXPECT_TRUE(form.Checked(Ctl::单选框3));
  EXPECT_FALSE(form.Checked(Ctl::单选框4));
  Click(Ctl::单选框6);
  EXPECT_FALSE(form.Checked(Ctl::单选框5));
  AddFiles({"a-b-c.txt"});
  Press("-", "_");
  EXPECT_EQ(Names(), (Strings{"a-b_-c.txt"}));
  ExpectItemsKept();
}

TEST_F(AddAtMarkerTest, PreviewNoticeComesWithTheFirstChangedFileOnly) {
  AddFiles({"a.txt", "b-c.txt"});
  form.SetRows({"a.txt", "b-c.txt"});
  PreviewOn();
  Press("-", "_");
  EXPECT_EQ(form.Column(1), (Strings{"", "b_-c.txt"}));
  EXPECT_TRUE(form.shown.empty());
  Press("a", "_");
  EXPECT_EQ(form.Column(1), (Strings{"_a.txt", "b_-c.txt"}));
  EXPECT_EQ(form.shown, (std::vector<Message>{messages::PreviewNotice()}));
  EXPECT_EQ(Names(), (Strings{"a.txt", "b-c.txt"}));
  ExpectItemsKept();
}
