#include "ops/add/video_number.h"

#include <gtest/gtest.h>

#include <set>

#include "pipeline/messages.h"
#include "pipeline_fixture.h"

using Strings = std::vector<std::string>;

TEST(VideoNumberRule, NineDigitsFixedBySeed) {
  // The generator is fixed: the same seed gives the same digits on every platform.
  EXPECT_EQ(VideoNumber(1000), "797814677");
  EXPECT_EQ(VideoNumber(1001), "777061080");
  EXPECT_EQ(VideoNumber(4), "041396962");  // a leading 0 stays
  std::set<std::string> seen;
  for (uint32_t seed = 0; seed < 200; ++seed) {
    const std::string digits = VideoNumber(seed);
    ASSERT_EQ(digits.size(), 9u);
    ASSERT_EQ(digits.find_first_not_of("0123456789"), std::string::npos) << digits;
    seen.insert(digits);
  }
  EXPECT_EQ(seen.size(), 200u);
}

TEST(VideoNumberRule, GoesBetweenStemAndExtension) {
  auto file = [](std::string stem, std::string extension, int index) {
    RenameItem item;
    item.stem = std::move(stem);
    item.extension = std::move(extension);
    item.index = index;
    return item;
  };
  EXPECT_EQ(AddVideoNumber(file("lesson", ".mp4", 1), "012345678"), "lesson(Av012345678,P1).mp4");
  EXPECT_EQ(AddVideoNumber(file("readme", "", 12), "1"), "readme(Av1,P12)");
  EXPECT_EQ(AddVideoNumber(file("a.b", ".txt", 2), "1"), "a.b(Av1,P2).txt");
}

class VideoNumberTest : public PipelineTest {
 protected:
  VideoNumberTest() {
    app.tickCount = [] { return 1000u; };
  }
  const Message question = messages::Question("不提供预览功能，将直接改名，确定吗？", "提示");
};

TEST_F(VideoNumberTest, ChecksTheFolderThenRefusesFolders) {
  const Message refusal = messages::Info("此功能无法对文件夹进行操作，请选择文件");
  struct Case {
    std::string folder;
    Message box;
  } cases[] = {
      {"", messages::Info("路径呢？")},
      {"D:\\Desktop\\", refusal},
      {kFolder, refusal},
  };
  AddFiles({"a.txt"});
  FoldersKind();
  for (const auto& c : cases) {
    form.shown.clear();
    form.SetText(Ctl::标签2, c.folder);
    AddVideoNumberClicked(app);
    EXPECT_EQ(form.shown, (std::vector<Message>{c.box})) << c.folder;
  }
  EXPECT_TRUE(fs.renameCalls.empty());
}

TEST_F(VideoNumberTest, NumbersFilesInTheFileSystemsOrderWithFreshSeeds) {
  AddFiles({"10.mp4", "2.mp4", "readme"});
  form.SetChecked(Ctl::选择框1, false);  // neither kind: still files
  AddVideoNumberClicked(app);
  // One tick for the whole run: the growing offset still gives every file its own number.
  EXPECT_EQ(Names(),
            (Strings{"10(Av797814677,P1).mp4", "2(Av777061080,P2).mp4", "readme(Av757640200,P3)"}));
  ExpectItemsKept();
  EXPECT_EQ(form.shown, (std::vector<Message>{question}));
}

TEST_F(VideoNumberTest, SkippedFileKeepsItsPosition) {
  AddFiles({"a.mp4", "b.txt"});
  form.SetItems(Ctl::组合框2, {"不跳", ".mp4"});
  form.SetSelection(Ctl::组合框2, 1);
  AddVideoNumberClicked(app);
  EXPECT_EQ(Names(), (Strings{"a.mp4", "b(Av797814677,P2).txt"}));
  ExpectItemsKept();
}

TEST_F(VideoNumberTest, RenamesAtOnceInPreviewModeAndLeavesTheListAlone) {
  AddFiles({"a.txt"});
  form.SetRows({"a.txt"});
  PreviewOn();
  AddVideoNumberClicked(app);
  EXPECT_EQ(Names(), (Strings{"a(Av797814677,P1).txt"}));
  ExpectItemsKept();
  EXPECT_EQ(form.Column(0), (Strings{"a.txt"}));
  EXPECT_EQ(form.Column(1), (Strings{""}));
  EXPECT_EQ(form.shown, (std::vector<Message>{question}));
}

TEST_F(VideoNumberTest, CancelOrAnEmptyFolderChangesNothing) {
  AddVideoNumberClicked(app);
  EXPECT_TRUE(form.shown.empty());
  AddFiles({"a.txt"});
  form.answers = {Answer::Cancel};
  AddVideoNumberClicked(app);
  EXPECT_EQ(Names(), (Strings{"a.txt"}));
  ExpectItemsKept();
  EXPECT_EQ(form.shown, (std::vector<Message>{question}));
}
