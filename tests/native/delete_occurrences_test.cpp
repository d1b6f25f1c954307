#include "ops/delete/delete_occurrences.h"

#include <gtest/gtest.h>

#include "pipeline/messages.h"
#include "text_ops_fixture.h"

using Strings = std::vector<std::string>;

TEST(DeleteOccurrencesRule, DeletesCountedFromEitherSide) {
  struct Case {
    std::string part, text;
    int count;
    std::string leftToRight, rightToLeft;  // empty: unchanged
  } cases[] = {
      {"a-b-c-d", "-", 1, "ab-c-d", "a-b-cd"},
      {"a-b-c-d", "-", 2, "abc-d", "a-bcd"},
      {"a-b-c-d", "-", 3, "abcd", "abcd"},
      {"a-b-c-d", "-", 9, "abcd", "abcd"},
      {"a-b-c-d", "-", -1, "", ""},
      {"a-b-c-d", "-", 0, "", ""},
      {"test", "t", 9, "es", "es"},
      {"aaa", "aa", 2, "a", "a"},  // matches never overlap
      {"ab", "ab", 1, "", ""},     // nothing would be left
      {"a-b", "A", 1, "", ""},
      {"x", "-", 1, "", ""},
      {"開_a_", "_", 1, "開a_", "開_a"},  // the trail byte of 開 is "_"
      {"【1】【2】", "】", 2, "【1【2", "【1【2"},
      {"中文", "形", 1, "", ""},  // 形 only across the two characters
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DeleteOccurrences(c.part, {c.text, c.count, false}), c.leftToRight)
        << c.part << " " << c.text << " " << c.count;
    EXPECT_EQ(DeleteOccurrences(c.part, {c.text, c.count, true}), c.rightToLeft)
        << c.part << " " << c.text << " " << c.count;
  }
}

class DeleteOccurrencesTest : public TextOpsTest {
 protected:
  void Press(const std::string& text, const std::string& count = "") {
    form.SetText(Ctl::编辑框1, text);
    form.SetText(Ctl::编辑框10, count);
    Click(Ctl::按钮2);
  }
};

TEST_F(DeleteOccurrencesTest, EmptyFolderIsCheckedFirstAndDesktopAfterTheText) {
  struct Case {
    std::string folder, text;
    Message box;
  } cases[] = {
      {"", "", messages::Info("还没选择路径呢")},
      {"D:\\Desktop\\", "", messages::Info("去掉啥？不能为空")},
      {"D:\\Desktop\\", "-", messages::DesktopRefusal()},
  };
  for (const auto& c : cases) {
    form.shown.clear();
    form.SetText(Ctl::标签2, c.folder);
    Press(c.text);
    EXPECT_EQ(form.shown, (std::vector<Message>{c.box})) << c.folder << " " << c.text;
  }
}

TEST_F(DeleteOccurrencesTest, NothingToDeleteIsSaidBeforeAnyQuestion) {
  AddFiles({"a-b.txt", "x.t-t"});
  AddFolders({"a-b"});
  Press("A");
  EXPECT_EQ(form.shown, (std::vector<Message>{messages::Info("找不到需要改的文件名", "提示")}));
  FoldersKind();
  form.shown.clear();
  Press("#");
  EXPECT_EQ(form.shown, (std::vector<Message>{messages::Info("没有东西可以改", "没有改动")}));
  EXPECT_TRUE(fs.renameCalls.empty());
}

TEST_F(DeleteOccurrencesTest, AsksWithTheMatchCountThenDeletesAndReports) {
  AddFiles({"a-b-c-d.txt", "none.txt", "x-y.mp4"});
  SkipExtension(".mp4");
  Click(Ctl::单选框14);
  EXPECT_FALSE(form.Checked(Ctl::单选框13));
  Press("-", "2次");
  // The skipped file is counted and announced, but not renamed.
  EXPECT_EQ(Names(), (Strings{"a-bcd.txt", "none.txt", "x-y.mp4"}));
  ExpectItemsKept();
  EXPECT_EQ(form.shown, (std::vector<Message>{messages::Question("一共有2个文件将被更名", "请确认"),
                                              messages::Plain("删掉了1个", "修改成果提示")}));
}

TEST_F(DeleteOccurrencesTest, CancelRenamesNothingAndSaysNothingMore) {
  AddFiles({"a-b.txt"});
  form.answers = {Answer::Cancel};
  Press("-");
  EXPECT_EQ(Names(), (Strings{"a-b.txt"}));
  ExpectItemsKept();
  EXPECT_EQ(form.shown.size(), 1u);
}

TEST_F(DeleteOccurrencesTest, FolderReportsHaveTheirOwnWording) {
  AddFolders({"a-b-c-d", "e-f"});
  FoldersKind();
  Press("-", "9");
  EXPECT_EQ(Names(), (Strings{"abcd", "ef"}));
  ExpectItemsKept();
  EXPECT_EQ(form.shown,
            (std::vector<Message>{messages::Question("一共有2个文件将被更名", "请确认"),
                                  messages::Plain("一共有2个文件被改名", "修改成果提示")}));
  form.shown.clear();
  Press("b", "-1");  // a negative count deletes nothing
  EXPECT_EQ(form.shown.back(), messages::Plain("没有任何改动", "没有改动"));
}

TEST_F(DeleteOccurrencesTest, ACountOfZeroIsReportedForEveryFileButNotForFolders) {
  AddFiles({"a-1.txt", "b-2.txt", "c-3.mp4"});
  SkipExtension(".mp4");
  Press("-", "abc");
  const Message notNumber = messages::Info("输入的不是纯数字", "提示");
  EXPECT_EQ(form.shown,
            (std::vector<Message>{messages::Question("一共有3个文件将被更名", "请确认"), notNumber,
                                  notNumber, messages::Plain("没有任何改动", "没有改动")}));

  AddFolders({"d-4"});
  FoldersKind();
  form.shown.clear();
  Press("-", "0");
  EXPECT_EQ(form.shown, (std::vector<Message>{messages::Question("一共有1个文件将被更名", "请确认"),
                                              messages::Plain("没有任何改动", "没有改动")}));
  EXPECT_TRUE(fs.renameCalls.empty());
}

TEST_F(DeleteOccurrencesTest, PreviewShowsTheNoticeOnceInsteadOfTheQuestion) {
  AddFiles({"a-b.txt", "c.txt", "d-e-f.txt"});
  form.SetRows({"a-b.txt", "c.txt", "d-e-f.txt"});
  PreviewOn();
  Press("-");
  EXPECT_EQ(form.Column(1), (Strings{"ab.txt", "", "de-f.txt"}));
  EXPECT_EQ(form.shown, (std::vector<Message>{messages::PreviewNotice()}));
  EXPECT_EQ(Names(), (Strings{"a-b.txt", "c.txt", "d-e-f.txt"}));
  ExpectItemsKept();
}
