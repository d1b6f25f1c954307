#include "ops/replace/chinese_conversion.h"

#include <gtest/gtest.h>

#include "ops/replace/chinese_table.h"
#include "pipeline/messages.h"
#include "pipeline_fixture.h"

using Strings = std::vector<std::string>;

namespace {

constexpr auto kToSimplified = ConversionDirection::ToSimplified;
constexpr auto kToTraditional = ConversionDirection::ToTraditional;

std::string Char(uint16_t code) {
  return {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
}

RenameItem Item(const std::string& name, bool folder = false) {
  return {name, name, "", 1, 1, folder};
}

// Converts as the button does on a system without a platform mapping.
std::string Convert(const std::string& name, ConversionDirection direction, bool folder = false) {
  const PlatformChineseMapping none;
  return ConvertChineseName(Item(name, folder), ChineseConverter(direction, none));
}

}  // namespace

TEST(ChineseConversionRule, ConvertsTheWholeNameOrDeclinesWhenNothingChanges) {
  struct Case {
    ConversionDirection direction;
    std::string name;
    bool folder;
    std::string expected;  // empty: the item is left alone
  };
  const Case cases[] = {
      {kToSimplified, "電腦課.txt", false, "电脑课.txt"},
      {kToSimplified, "东方.txt", false, ""},
      {kToTraditional, "学习笔记.txt", false, "學習筆記.txt"},
      {kToTraditional, "abc.txt", false, ""},
      {kToSimplified, "東方", true, "东方"},
      {kToSimplified, "東方.電腦", false, "东方.电脑"},  // the extension converts too
      {kToSimplified, "第1課 (復習)", false, "第1课 (复习)"},
      // Trail byte 0x5C ("\") and trail bytes in the 0x40 range belong to their character.
      {kToSimplified, "淺灘\\嘆氣", false, "浅滩\\叹气"},
      {kToTraditional, "诚实", false, "誠實"},  // 誠 ends with 0x5C
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Convert(c.name, c.direction, c.folder), c.expected) << c.name;
  }
}

TEST(ChineseConversionRule, ATrailByteNeverStartsACharacterOfItsOwn) {
  // 电 is B5 E7 and 侶 is 82 48: the bytes E7 82 in between spell 鐐, which has a simplified
  // form; 腦 is C4 58, whose trail byte is the letter X.
  ASSERT_EQ(Char(0xB5E7) + Char(0x8248), "电侶");
  EXPECT_EQ(ConvertWithTable("电侶", kToSimplified), "电侣");
  EXPECT_EQ(ConvertWithTable("腦X", kToSimplified), "脑X");
  // A lead byte with nothing after it is left as it is.
  EXPECT_EQ(ConvertWithTable("電\xeb", kToSimplified), "电\xeb");
}

TEST(ChineseConversionTable, EveryPairIsOneDoubleByteCharacterForAnother) {
  for (ConversionDirection direction : {kToSimplified, kToTraditional}) {
    const auto pairs = direction == kToSimplified ? TraditionalToSimplifiedPairs()
                                                  : SimplifiedToTraditionalPairs();
    ASSERT_GT(pairs.size(), 2000u);
    uint16_t previous = 0;
    for (const CharPair& pair : pairs) {
      ASSERT_GT(pair.from, previous) << "sorted, each character once";
      previous = pair.from;
      for (uint16_t code : {pair.from, pair.to}) {
        EXPECT_TRUE(code >> 8 >= 0x81 && code >> 8 <= 0xFE && (code & 0xFF) >= 0x40 &&
                    (code & 0xFF) != 0x7F && (code & 0xFF) <= 0xFE)
            << std::hex << code;
      }
      // Within a name, between one-byte characters: the length is kept.
      EXPECT_EQ(ConvertWithTable("a" + Char(pair.from) + ".b", direction),
                "a" + Char(pair.to) + ".b");
    }
  }
}

TEST(ChineseConversionTable, LeavesOneByteCharactersAlone) {
  std::string ascii;
  for (int byte = 1; byte < 0x80; ++byte) ascii += static_cast<char>(byte);
  EXPECT_EQ(ConvertWithTable(ascii, kToSimplified), ascii);
  EXPECT_EQ(ConvertWithTable(ascii, kToTraditional), ascii);
}

TEST(ChineseConversionPlatform, IsUsedOnlyWhenItConvertsAndKeepsTheLayout) {
  // A stand-in for the system's mapping that converts like our table, except that it knows
  // 课 as the variant 講 (to tell its results from the table's), and records its calls.
  Strings calls;
  auto working = [&](const std::string& text, bool toSimplified) -> std::optional<std::string> {
    calls.push_back(text);
    if (!toSimplified) return ConvertWithTable(text, kToTraditional);
    std::string out = ConvertWithTable(text, kToSimplified);
    return out == "电脑课.txt" ? std::optional<std::string>("电脑講.txt") : out;
  };
  const PlatformChineseMapping mapping = working;
  EXPECT_EQ(ConvertChineseName(Item("電腦課.txt"), ChineseConverter(kToSimplified, mapping)),
            "电脑講.txt");
  EXPECT_EQ(calls, (Strings{"電腦", "電腦課.txt"}));

  struct Case {
    const char* what;
    PlatformChineseMapping mapping;
  };
  const Case fallbacks[] = {
      {"a no-op that reports success",
       [](const std::string& text, bool) { return std::optional<std::string>(text); }},
      {"a failing call", [](const std::string&, bool) { return std::optional<std::string>(); }},
      {"a result that loses a byte",
       [](const std::string& text, bool) {
         return text == "電腦" ? std::optional<std::string>("电脑") : text.substr(1);
       }},
      {"a result with a changed one-byte character",
       [](const std::string& text, bool) {
         std::string out = ConvertWithTable(text, kToSimplified);
         if (out.back() == 't') out.back() = '?';
         return std::optional<std::string>(out);
       }},
  };
  for (const Case& c : fallbacks) {
    EXPECT_EQ(ConvertChineseName(Item("電腦課.txt"), ChineseConverter(kToSimplified, c.mapping)),
              "电脑课.txt")
        << c.what;
  }
  EXPECT_FALSE(ChineseConverter(kToSimplified, fallbacks[0].mapping).UsesPlatform());
}

class ChineseConversionTest : public PipelineTest {
 protected:
  ChineseConversionTest() {
    form.SetChecked(Ctl::单选框15, true);
    form.SetText(Ctl::按钮5, "繁转简");
  }
  Message Report(int count) { return messages::RenamedCount(count, Icon::None, "个文件被改名"); }
};

TEST_F(ChineseConversionTest, RadioPairSelectsOneDirectionAndNamesItOnTheButton) {
  ToTraditionalChosen(app);
  EXPECT_TRUE(form.Checked(Ctl::单选框16));
  EXPECT_FALSE(form.Checked(Ctl::单选框15));
  EXPECT_EQ(form.Text(Ctl::按钮5), "简转繁");
  ToSimplifiedChosen(app);
  EXPECT_TRUE(form.Checked(Ctl::单选框15));
  EXPECT_FALSE(form.Checked(Ctl::单选框16));
  EXPECT_EQ(form.Text(Ctl::按钮5), "繁转简");
  EXPECT_TRUE(form.shown.empty());
}

TEST_F(ChineseConversionTest, ConvertsFilesAndReportsTheCountInAPlainBox) {
  AddFiles({"電腦課.txt", "东方.txt", "abc.txt", "東方.txt"});
  ConvertChineseClicked(app);
  // 東方.txt would become the existing 东方.txt: left alone and not counted.
  EXPECT_EQ(Names(), (Strings{"电脑课.txt", "东方.txt", "abc.txt", "東方.txt"}));
  ExpectItemsKept();
  EXPECT_EQ(form.shown, (std::vector<Message>{messages::ConfirmRename(), Report(1)}));
  EXPECT_EQ(form.shown.back(), messages::Plain("一共有1个文件被改名", "修改成果提示"));

  ToTraditionalChosen(app);
  AddFiles({"学习笔记.txt"});
  ConvertChineseClicked(app);
  EXPECT_TRUE(fs.Exists("D:\\work\\學習筆記.txt"));
  EXPECT_TRUE(fs.Exists("D:\\work\\電腦課.txt"));
}

TEST_F(ChineseConversionTest, DirectionComesFromTheRadioPairNotTheCaption) {
  AddFiles({"東方.txt", "学习.txt"});
  form.SetText(Ctl::按钮5, "简转繁");
  ConvertChineseClicked(app);
  EXPECT_EQ(Names(), (Strings{"东方.txt", "学习.txt"}));
  ExpectItemsKept();
}

TEST_F(ChineseConversionTest, ConvertsFolders) {
  AddFolders({"東方", "西方"});
  FoldersKind();
  ConvertChineseClicked(app);
  EXPECT_EQ(Names(), (Strings{"东方", "西方"}));
  ExpectItemsKept();
  EXPECT_EQ(form.shown.back(), Report(1));
}

TEST_F(ChineseConversionTest, NothingToChangeOrAnEmptyFolderShowsNoChange) {
  ConvertChineseClicked(app);
  EXPECT_EQ(form.shown, (std::vector<Message>{messages::Plain("没有任何改动", "没有改动")}));
  AddFiles({"东方.txt"});
  ConvertChineseClicked(app);
  EXPECT_EQ(form.shown.back(), Report(0));
}

TEST_F(ChineseConversionTest, PreviewProposesWithoutRenamingOrReporting) {
  AddFiles({"abc.txt", "電腦課.txt"});
  form.SetRows({"abc.txt", "電腦課.txt"});
  PreviewOn();
  ConvertChineseClicked(app);
  EXPECT_EQ(form.Cell(0, 1), "");
  EXPECT_EQ(form.Cell(1, 1), "电脑课.txt");
  EXPECT_EQ(Names(), (Strings{"abc.txt", "電腦課.txt"}));
  ExpectItemsKept();
  EXPECT_EQ(form.shown, (std::vector<Message>{messages::PreviewNotice()}));
}
