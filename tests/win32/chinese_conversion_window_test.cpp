// "繁转简" / "简转繁" through the real radio pair and button on real files. Where the system's
// mapping changes nothing (Wine), the program's own table does the work.
#include "ops/replace/chinese_conversion.h"
#include "platform/win32/chinese_mapping.h"
#include "window_fixture.h"

using Strings = std::vector<std::string>;

namespace {
Message Report(const std::string& text, const std::string& title) {
  return {text, title, Icon::None, Buttons::Ok};
}
}  // namespace

TEST(SystemChineseMapping, KeepsOneByteTextAndReportsWhichMappingIsUsed) {
  EXPECT_EQ(SystemChineseMapping("abc.txt", true), "abc.txt");
  EXPECT_EQ(SystemChineseMapping("", false), "");
  const PlatformChineseMapping system = SystemChineseMapping;
  const bool usesSystem =
      ChineseConverter(ConversionDirection::ToSimplified, system).UsesPlatform();
  RecordProperty("mapping", usesSystem ? "system" : "own table");
  EXPECT_EQ(usesSystem, SystemChineseMapping("電腦", true) == "电脑");
}

TEST_F(WindowTest, ConvertsFilesToSimplifiedAndBackWithTheRadioPair) {
  folder.AddFile("電腦課.txt", "a");
  folder.AddFile("东方.txt", "b");
  folder.AddFile("abc.txt", "c");
  UseFolder();
  EXPECT_EQ(form().Text(Ctl::按钮5), "繁转简");
  Click(Ctl::按钮5);
  ExpectFolder({"abc.txt", "电脑课.txt", "东方.txt"});
  EXPECT_EQ(folder.Content("电脑课.txt"), "a");
  EXPECT_EQ(boxes.shown,
            (std::vector<Message>{{"确定更名吗？", "提示", Icon::None, Buttons::OkCancel},
                                  Report("一共有1个文件被改名", "修改成果提示")}));

  Click(Ctl::单选框16);
  EXPECT_EQ(form().Text(Ctl::按钮5), "简转繁");
  EXPECT_TRUE(form().Checked(Ctl::单选框16));
  EXPECT_FALSE(form().Checked(Ctl::单选框15));
  folder.AddFile("学习笔记.txt", "d");
  Click(Ctl::按钮5);
  ExpectFolder({"abc.txt", "學習筆記.txt", "東方.txt", "電腦課.txt"});
  EXPECT_EQ(boxes.shown.back(), Report("一共有3个文件被改名", "修改成果提示"));

  Click(Ctl::单选框15);
  EXPECT_EQ(form().Text(Ctl::按钮5), "繁转简");
  EXPECT_FALSE(form().Checked(Ctl::单选框16));
}

TEST_F(WindowTest, ConvertsFoldersAndReportsNoChange) {
  folder.AddFolder("東方");
  UseFolder();
  Click(Ctl::选择框2);
  Click(Ctl::按钮5);
  ExpectFolder({"东方"});
  Click(Ctl::按钮5);
  EXPECT_EQ(boxes.shown.back(), Report("没有任何改动", "没有改动"));
}
