#include "ops/add/add_at_ends.h"

#include <gtest/gtest.h>

#include "pipeline/messages.h"
#include "pipeline_fixture.h"

using Strings = std::vector<std::string>;

namespace {
RenameItem File(const std::string& name, const std::string& stem, const std::string& ext) {
  return {name, stem, ext, 1, 1, false};
}
RenameItem Folder(const std::string& name) {
  return {name, name, "", 1, 1, true};
}
}  // namespace

TEST(AddAtEndsRules, PutTheTextInFrontOrBeforeTheExtension) {
  EXPECT_EQ(AddAtFront(File("a.txt", "a", ".txt"), "x_"), "x_a.txt");
  EXPECT_EQ(AddAtFront(File("report.docx", "report", ".docx"), "2024-"), "2024-report.docx");
  EXPECT_EQ(AddAtFront(Folder("photos"), "x_"), "x_photos");
  EXPECT_EQ(AddAtEnd(File("report.docx", "report", ".docx"), "-2024"), "report-2024.docx");
  EXPECT_EQ(AddAtEnd(File("a.tar.gz", "a.tar", ".gz"), "_1"), "a.tar_1.gz");
  EXPECT_EQ(AddAtEnd(File("readme", "readme", ""), "_1"), "readme_1");
  EXPECT_EQ(AddAtEnd(File("a.b c", "a.b c", ""), "_1"), "a.b c_1");
  EXPECT_EQ(AddAtEnd(File(".gitignore", "", ".gitignore"), "_1"), "");
  EXPECT_EQ(AddAtEnd(Folder("photos.2023"), "_bak"), "photos.2023_bak");
}

class AddAtEndsTest : public PipelineTest {};

TEST_F(AddAtEndsTest, EmptyTextIsRefusedBeforeAnyFolderCheck) {
  form.SetText(Ctl::标签2, "");
  AddAtFrontClicked(app);
  AddAtEndClicked(app);
  const Message box = messages::Info("加点啥？不能为空");
  EXPECT_EQ(form.shown, (std::vector<Message>{box, box}));
}

TEST_F(AddAtEndsTest, AddAtEndReportsTheCountForFilesAndFolders) {
  AddFiles({"report.docx", ".gitignore"});
  form.SetText(Ctl::编辑框7, "-2024");
  AddAtEndClicked(app);
  EXPECT_EQ(Names(), (Strings{"report-2024.docx", ".gitignore"}));
  ExpectItemsKept();
  EXPECT_EQ(form.shown.back(), messages::Info("一共有1个文件被改名成功", "修改成果提示"));

  AddFolders({"photos.2023"});
  FoldersKind();
  form.SetText(Ctl::编辑框7, "_bak");
  AddAtEndClicked(app);
  EXPECT_TRUE(fs.Exists("D:\\work\\photos.2023_bak"));
  EXPECT_EQ(form.shown.back(), messages::Info("一共有1个文件被改名成功", "修改成果提示"));
}

TEST_F(AddAtEndsTest, EmptyFolderShowsNoChangeForAddAtEndAndNothingForAddAtFront) {
  form.SetText(Ctl::编辑框6, "x");
  form.SetText(Ctl::编辑框7, "x");
  AddAtFrontClicked(app);
  EXPECT_TRUE(form.shown.empty());
  AddAtEndClicked(app);
  EXPECT_EQ(form.shown, (std::vector<Message>{messages::Info("没有任何改动", "没有改动")}));
}

TEST_F(AddAtEndsTest, AddAtFrontRenamesWithoutAnyReport) {
  AddFiles({"a.txt", "b.txt"});
  form.SetText(Ctl::编辑框6, "x_");
  AddAtFrontClicked(app);
  EXPECT_EQ(Names(), (Strings{"x_a.txt", "x_b.txt"}));
  ExpectItemsKept();
  EXPECT_EQ(form.shown.size(), 1u);  // only the confirmation
}

TEST_F(AddAtEndsTest, PreviewOnlyFillsTheProposalColumn) {
  AddFiles({"a.txt", "b.txt"});
  form.SetRows({"a.txt", "b.txt"});
  PreviewOn();
  form.SetText(Ctl::编辑框6, "x_");
  form.SetText(Ctl::编辑框7, "_y");
  AddAtFrontClicked(app);
  EXPECT_EQ(form.Column(1), (Strings{"x_a.txt", "x_b.txt"}));
  AddAtEndClicked(app);
  EXPECT_EQ(form.Column(1), (Strings{"a_y.txt", "b_y.txt"}));
  EXPECT_EQ(Names(), (Strings{"a.txt", "b.txt"}));
  ExpectItemsKept();
  EXPECT_EQ(form.shown, (std::vector<Message>(2, messages::PreviewNotice())));
}
