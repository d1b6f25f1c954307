#include "pipeline/name_file.h"

#include <gtest/gtest.h>

#include "app/commands.h"
#include "pipeline/messages.h"
#include "pipeline_fixture.h"

namespace {
Message Reminder(const std::string& text) {
  return messages::Info(text, "提醒：");
}
const Message kSaved =
    Reminder("已将原文件名存入txt文档内，\r\n并已将txt文档保存到本软件的同级文件夹");
}  // namespace

TEST(NameFile, OneNameALineWithCrLfAndThePathBesideTheProgram) {
  EXPECT_EQ(NameFileText({"a.txt", "b.txt", "c.txt"}), "a.txt\r\nb.txt\r\nc.txt\r\n");
  EXPECT_EQ(NameFileText({"a.txt", "b.txt", "c.txt"}).size(), 21u);
  EXPECT_EQ(NameFileText({"", "第1课", ""}),
            "\xB5\xDA"
            "1\xBF\xCE\r\n");  // GBK bytes, no BOM
  EXPECT_EQ(NameFileText({}), "");
  EXPECT_EQ(NameFilePath("C:\\Tools"), "C:\\Tools\\原文件名保存.txt");
  EXPECT_EQ(NameFilePath("C:\\"), "C:\\原文件名保存.txt");
}

class NameFileTest : public PipelineTest {
 protected:
  const std::string path = "C:\\Program\\原文件名保存.txt";
  NameFileTest() { fs.AddFolder("C:\\Program"); }
  void Save() { Dispatch(app, Ctl::按钮16, Event::Clicked); }
};

TEST_F(NameFileTest, SavesColumnZeroReplacingTheWholeFile) {
  form.SetRows({"a.txt", "b.txt", "c.txt"});
  Save();
  EXPECT_EQ(fs.Content(path), "a.txt\r\nb.txt\r\nc.txt\r\n");
  form.SetRows({"album"});
  PreviewOn();
  form.SetCell(0, 1, "proposal");
  Save();
  EXPECT_EQ(fs.Content(path), "album\r\n");
  EXPECT_EQ(form.shown, (std::vector<Message>{kSaved, kSaved}));
}

TEST_F(NameFileTest, EmptyListOrFailedWriteSaysSoAndKeepsTheFile) {
  fs.AddFile(path, "earlier\r\n");
  Save();
  EXPECT_EQ(form.shown.back(), Reminder("没有什么可以保存的"));
  fs.refuseWrite = [](const std::string&) { return true; };
  form.SetRows({"a.txt"});
  Save();
  EXPECT_EQ(form.shown.back(), Reminder("保存失败"));
  EXPECT_EQ(fs.Content(path), "earlier\r\n");
}
