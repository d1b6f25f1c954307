#include "listing/test_items.h"

#include <gtest/gtest.h>

#include "app/commands.h"
#include "pipeline/messages.h"
#include "pipeline_fixture.h"

using Strings = std::vector<std::string>;

namespace {
const std::string kTestFolder = "D:\\test";
Message Created(int n) {
  return messages::Info("成功创建" + std::to_string(n) + "个文件夹", "创建成果提示");
}
const Message kNothingCreated = messages::Info("什么都没有创建", "没有发生任何变化");
}  // namespace

class TestItemsTest : public PipelineTest {
 protected:
  TestItemsTest() {
    fs.AddFolder(kTestFolder);
    form.SetText(Ctl::编辑框14, kTestFolder);
    form.SetText(Ctl::编辑框15, "扩展名");
  }
  void Create() { Dispatch(app, Ctl::按钮14, Event::Clicked); }
};

TEST_F(TestItemsTest, TestFileContentIsTheEightBytesOfTheWord) {
  EXPECT_EQ(kTestFileContent, "\xB2\xE2\xCA\xD4\xCE\xC4\xBC\xFE");
  EXPECT_EQ(kTestFileContent, "测试文件");
}

TEST_F(TestItemsTest, RefusesWithoutTargetOrItemFolder) {
  form.SetRows({"a.mp4"});
  struct Case {
    std::string target, itemFolder;
  } cases[] = {{"", kTestFolder}, {kFolder, ""}, {kFolder, "将在这里创建"}};
  for (const auto& c : cases) {
    form.shown.clear();
    form.SetText(Ctl::标签2, c.target);
    form.SetText(Ctl::编辑框14, c.itemFolder);
    Create();
    EXPECT_EQ(form.shown, (std::vector<Message>{messages::Info("路径呢？")}));
  }
  EXPECT_EQ(fs.Names(kTestFolder), Strings{});
}

TEST_F(TestItemsTest, CreatesFilesWithTheTypedExtensionAndReplacesOnlyTestFiles) {
  form.SetRows({"a.mp4", "b.mp4"});
  form.SetText(Ctl::编辑框15, ".txt");
  Create();
  EXPECT_EQ(fs.Names(kTestFolder), (Strings{"a.txt", "b.txt"}));
  EXPECT_EQ(fs.Content("D:\\test\\a.txt"), kTestFileContent);
  EXPECT_EQ(form.shown.back(), Created(2));

  fs.AddFile("D:\\test\\c.txt", "the user's own notes");
  form.SetRows({"a.mp4", "c.mp4", "b.mp4"});
  Create();  // the test files again, the user's file left alone and not counted
  EXPECT_EQ(form.shown.back(), Created(2));
  EXPECT_EQ(fs.Content("D:\\test\\c.txt"), "the user's own notes");

  fs.AddFile("D:\\test\\d.txt", kTestFileContent + "\r\n");
  form.SetRows({"d.mp4"});
  Create();
  EXPECT_EQ(form.shown.back(), kNothingCreated);
  EXPECT_EQ(fs.Content("D:\\test\\d.txt"), kTestFileContent + "\r\n");
}

TEST_F(TestItemsTest, NameFollowsTheStemAndTheExtensionAsTyped) {
  struct Case {
    std::string row, extension;
    Strings created;
  } cases[] = {
      {"a.mp4", "txt", {"atxt"}}, {"album.2023", "", {"album"}}, {"readme", "扩展名", {"readme"}},
      {".gitignore", ".txt", {}},  // no stem
      {"e.mp4", ".t:x", {}},       // would write into a data stream of "e.t"
      {"f.mp4", "\\..\\x", {}},    // would leave the folder
  };
  for (const auto& c : cases) {
    fs = FakeFileSystem();
    fs.AddFolder(kTestFolder);
    form.shown.clear();
    form.SetRows({c.row});
    form.SetText(Ctl::编辑框15, c.extension);
    Create();
    EXPECT_EQ(fs.Names(kTestFolder), c.created) << c.row << c.extension;
    EXPECT_EQ(form.shown.back(), c.created.empty() ? kNothingCreated : Created(1));
  }
}

TEST_F(TestItemsTest, FoldersAreCreatedOnceAndNeedAnExistingFolder) {
  form.SetRows({"a.mp4", "b.mp4"});
  Create();
  EXPECT_EQ(fs.Names(kTestFolder), (Strings{"a", "b"}));
  EXPECT_EQ(form.shown.back(), Created(2));
  Create();
  EXPECT_EQ(form.shown.back(), kNothingCreated);

  form.SetText(Ctl::编辑框14, "D:\\missing\\");
  Create();
  EXPECT_EQ(form.shown.back(), kNothingCreated);
  form.SetRows({});
  form.SetText(Ctl::编辑框14, kTestFolder);
  Create();
  EXPECT_EQ(form.shown.back(), kNothingCreated);
}

TEST_F(TestItemsTest, FocusDropsTheHintAndItsGrey) {
  struct Case {
    Ctl box;
    std::string text, after;
  } cases[] = {
      {Ctl::编辑框14, "将在这里创建", ""},
      {Ctl::编辑框14, "D:\\x", "D:\\x"},
      {Ctl::编辑框15, "扩展名", ""},
      {Ctl::编辑框15, ".txt", ".txt"},
  };
  for (const auto& c : cases) {
    form.SetText(c.box, c.text);
    form.SetTextColour(c.box, 8421504);
    Dispatch(app, c.box, Event::FocusGained);
    EXPECT_EQ(form.Text(c.box), c.after);
    EXPECT_EQ(form.TextColour(c.box), -1);
  }
}
