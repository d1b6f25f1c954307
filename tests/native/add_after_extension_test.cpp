#include "ops/add/add_after_extension.h"

#include <gtest/gtest.h>

#include "pipeline/messages.h"
#include "pipeline_fixture.h"

using Strings = std::vector<std::string>;

TEST(AddAfterExtensionRule, AppendsToTheWholeName) {
  EXPECT_EQ(AppendAfterExtension("a.txt", "_old"), "a.txt_old");
  EXPECT_EQ(AppendAfterExtension("notes", ".txt"), "notes.txt");
  EXPECT_EQ(AppendAfterExtension("a.b.c", "x"), "a.b.cx");
  EXPECT_EQ(AppendAfterExtension("第1集.mp4", "备份"), "第1集.mp4备份");
  EXPECT_EQ(AppendAfterExtension("", "x"), "");
}

class AddAfterExtensionTest : public PipelineTest {};

TEST_F(AddAfterExtensionTest, ChecksTheTextThenRefusesFoldersBeforeTheFolderChecks) {
  const Message refusal = messages::Info("此功能无法对文件夹进行修改");
  struct Case {
    std::string text, folder;
    bool folders;
    Message box;
  } cases[] = {
      {"", "", true, messages::Info("加点啥？不能为空")},
      {"x", "", true, refusal},
      {"x", "D:\\Desktop\\", true, refusal},
      {"x", "", false, messages::Info("路径呢？")},
  };
  for (const auto& c : cases) {
    form.shown.clear();
    form.SetText(Ctl::编辑框18, c.text);
    form.SetText(Ctl::标签2, c.folder);
    form.SetChecked(Ctl::选择框2, c.folders);
    AddAfterExtensionClicked(app);
    EXPECT_EQ(form.shown, (std::vector<Message>{c.box})) << c.text << c.folder;
  }
}

TEST_F(AddAfterExtensionTest, RenamesFilesEvenWithNoKindCheckedAndReportsPlainly) {
  AddFiles({"a.txt", "notes"});
  form.SetChecked(Ctl::选择框1, false);
  form.SetText(Ctl::编辑框18, "_old");
  AddAfterExtensionClicked(app);
  EXPECT_EQ(Names(), (Strings{"a.txt_old", "notes_old"}));
  ExpectItemsKept();
  EXPECT_EQ(form.shown.back(), messages::Plain("一共有2个文件被改名成功", "修改成果提示"));
}

TEST_F(AddAfterExtensionTest, NoRenameReportsNoChange) {
  const Message none = messages::Plain("没有任何改动", "没有改动");
  form.SetText(Ctl::编辑框18, ":");
  AddAfterExtensionClicked(app);  // empty folder: no question
  EXPECT_EQ(form.shown, (std::vector<Message>{none}));

  AddFiles({"a.txt"});
  AddAfterExtensionClicked(app);  // a colon is accepted, then every rename fails
  EXPECT_EQ(Names(), (Strings{"a.txt"}));
  ExpectItemsKept();
  EXPECT_EQ(form.shown.back(), none);
}

TEST_F(AddAfterExtensionTest, PreviewProposesWithoutRenaming) {
  AddFiles({"a.txt"});
  form.SetRows({"a.txt"});
  PreviewOn();
  form.SetText(Ctl::编辑框18, "_old");
  AddAfterExtensionClicked(app);
  EXPECT_EQ(form.Column(1), (Strings{"a.txt_old"}));
  EXPECT_EQ(form.shown, (std::vector<Message>{messages::PreviewNotice()}));
  EXPECT_TRUE(fs.renameCalls.empty());
}
