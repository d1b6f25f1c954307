#include "ops/replace/change_extension.h"

#include <gtest/gtest.h>

#include "pipeline/messages.h"
#include "pipeline_fixture.h"

using Strings = std::vector<std::string>;

TEST(ChangeExtensionRule, TypedTextGetsADotOnlyWhenItHasNone) {
  struct Case {
    std::string text;
    bool chosen;
    std::string extension;
  } cases[] = {
      {"md", false, ".md"},  {".md", false, ".md"},  {"tar.gz", false, "tar.gz"},
      {"md.", false, "md."}, {".mp4", true, ".mp4"}, {"中文", false, ".中文"},
  };
  for (const auto& c : cases) EXPECT_EQ(DottedExtension(c.text, c.chosen), c.extension) << c.text;
  EXPECT_EQ(ChangeExtension("archive.tar", ".md"), "archive.tar.md");
  EXPECT_EQ(ChangeExtension("a", "tar.gz"), "atar.gz");
}

class ChangeExtensionTest : public PipelineTest {
 protected:
  void Choose(Ctl box, const std::string& entry) {
    form.SetItems(box, {entry});
    form.SetSelection(box, 0);
  }
};

TEST_F(ChangeExtensionTest, ChecksTheTextThenTheFolderThenRefusesFolders) {
  const Message noText = messages::Info("准备改成什么后缀？请先选择或手动输入");
  const Message refusal = messages::Info("文件夹没有改后缀一说，请勾选文件", "提示");
  struct Case {
    std::string text, folder;
    bool folders;
    Message box;
  } cases[] = {
      {"", "", true, noText},
      {".md", "", true, messages::Info("路径呢？")},
      {".md", "\\", true, messages::NothingChosen()},
      {".md", kFolder, true, refusal},
  };
  AddFiles({"a.txt"});
  for (const auto& c : cases) {
    form.shown.clear();
    form.SetText(Ctl::组合框3, c.text);
    form.SetText(Ctl::标签2, c.folder);
    form.SetChecked(Ctl::选择框2, c.folders);
    ChangeExtensionClicked(app);
    EXPECT_EQ(form.shown, (std::vector<Message>{c.box})) << c.text << c.folder;
  }
  EXPECT_TRUE(fs.renameCalls.empty());
}

TEST_F(ChangeExtensionTest, ReplacesTheLastExtensionAndCountsOnlyRealChanges) {
  AddFiles({"a.txt", "README", "archive.tar.gz", "b.TXT"});
  Choose(Ctl::组合框3, ".txt");
  form.SetChecked(Ctl::选择框1, false);  // neither kind: still files
  ChangeExtensionClicked(app);
  EXPECT_EQ(Names(), (Strings{"a.txt", "README.txt", "archive.tar.txt", "b.txt"}));
  ExpectItemsKept();
  EXPECT_EQ(fs.renameCalls.size(), 3u);  // a.txt is left alone
  EXPECT_EQ(form.shown.back(), messages::Plain("一共有3个文件被改名", "修改成果提示"));

  ChangeExtensionClicked(app);
  EXPECT_EQ(form.shown.back(), messages::Plain("没有任何改动", "没有改动"));
}

TEST_F(ChangeExtensionTest, TypedTextGetsItsDotWrittenBackOnceConfirmed) {
  AddFiles({"a.txt", "b.doc"});
  form.SetText(Ctl::组合框3, "md");
  form.answers = {Answer::Cancel};
  ChangeExtensionClicked(app);
  EXPECT_EQ(form.Text(Ctl::组合框3), "md");  // nothing confirmed, nothing written

  // Still typed while the question is open; dotted before the first rename.
  std::string atQuestion, atFirstRename;
  form.onShow = [&](const Message&) {
    if (atQuestion.empty()) atQuestion = form.Text(Ctl::组合框3);
  };
  fs.refuseRename = [&](const std::string&, const std::string&) {
    if (atFirstRename.empty()) atFirstRename = form.Text(Ctl::组合框3);
    return false;
  };
  ChangeExtensionClicked(app);
  EXPECT_EQ(atQuestion, "md");
  EXPECT_EQ(atFirstRename, ".md");
  EXPECT_EQ(form.Text(Ctl::组合框3), ".md");
  EXPECT_EQ(Names(), (Strings{"a.md", "b.md"}));
  ExpectItemsKept();

  form.SetText(Ctl::组合框3, "tar.gz");
  ChangeExtensionClicked(app);
  EXPECT_EQ(form.Text(Ctl::组合框3), "tar.gz");
  EXPECT_EQ(Names(), (Strings{"atar.gz", "btar.gz"}));
  ExpectItemsKept();
}

TEST_F(ChangeExtensionTest, SkippedExtensionIsLeftAloneWhateverTheFilter) {
  AddFiles({"a.doc", "b.doc", "c.txt"});
  Choose(Ctl::组合框4, ".doc");
  Choose(Ctl::组合框2, ".doc");
  Choose(Ctl::组合框3, ".md");
  ChangeExtensionClicked(app);
  EXPECT_EQ(Names(), (Strings{"a.doc", "b.doc", "c.txt"}));
  ExpectItemsKept();
  EXPECT_EQ(form.shown.back(), messages::Plain("没有任何改动", "没有改动"));
}

TEST_F(ChangeExtensionTest, PreviewShowsEveryFileChangedOrNot) {
  AddFiles({"a.txt", "b.doc"});
  form.SetRows({"a.txt", "b.doc"});
  PreviewOn();
  Choose(Ctl::组合框3, ".txt");
  ChangeExtensionClicked(app);
  EXPECT_EQ(form.Column(1), (Strings{"a.txt", "b.txt"}));
  EXPECT_EQ(form.shown, (std::vector<Message>{messages::PreviewNotice()}));
  EXPECT_TRUE(fs.renameCalls.empty());
}
