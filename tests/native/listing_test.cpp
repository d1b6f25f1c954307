#include <gtest/gtest.h>

#include "fake_file_system.h"
#include "fake_form.h"
#include "listing/enumerate.h"
#include "listing/filters.h"
#include "listing/names.h"
#include "listing/natural_order.h"

using Names = std::vector<std::string>;

TEST(Names, SplitLikeTheShell) {
  struct Case {
    std::string path, whole, stem, extension;
  } cases[] = {
      {"D:\\x\\photo.2024.jpg", "photo.2024.jpg", "photo.2024", ".jpg"},
      {"D:\\x\\", "", "", ""},
      {"D:\\x.y\\readme", "readme", "readme", ""},
      {"a.b.txt", "a.b.txt", "a.b", ".txt"},
      {".gitignore", ".gitignore", "", ".gitignore"},
      {"notes.", "notes.", "notes", "."},
      {"a.b c", "a.b c", "a.b c", ""},
      {"C:file.txt", "file.txt", "file", ".txt"},
      {"D:\\\x81\x5C.txt", "\x81\x5C.txt", "\x81\x5C", ".txt"},  // trail byte 5C is no separator
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FileNameOf(c.path, true), c.whole) << c.path;
    EXPECT_EQ(FileNameOf(c.path, false), c.stem) << c.path;
    EXPECT_EQ(ExtensionOf(FileNameOf(c.path, true)), c.extension) << c.path;
  }
  EXPECT_EQ(ExtensionOf("D:\\x.y\\readme"), "");
}

Names Sorted(Names names) {
  SortNaturally(names);
  return names;
}

TEST(NaturalOrder, PadsTheFirstNumberInTheFirstSevenBytes) {
  EXPECT_EQ(Sorted({"abc.txt", "10.txt", "2.txt", "1.txt"}),
            (Names{"1.txt", "2.txt", "10.txt", "abc.txt"}));
  EXPECT_EQ(Sorted({"1.txt", "01.txt"}), (Names{"01.txt", "1.txt"}));
  EXPECT_EQ(Sorted({"第10集.mp4", "第2集.mp4"}), (Names{"第2集.mp4", "第10集.mp4"}));
  // Digits at byte 8 or later are not padded; only the first number counts.
  EXPECT_EQ(Sorted({"abcdefg2.txt", "abcdefg10.txt"}), (Names{"abcdefg10.txt", "abcdefg2.txt"}));
  EXPECT_EQ(Sorted({"3-2.txt", "3-10.txt"}), (Names{"3-10.txt", "3-2.txt"}));
  // Bytes compare unsigned and case matters.
  EXPECT_EQ(Sorted({"a.txt", "B.txt", "中.txt"}), (Names{"B.txt", "a.txt", "中.txt"}));
}

TEST(NaturalOrder, KeysFollowTheListingSize) {
  const std::string one =
      "\xBC\xD3"
      "1"
      "\xB8\xF6\xB5\xB0\xB5\xB0";
  const std::string two =
      "\xBC\xD3"
      "2"
      "\xB8\xF6\xB5\xB0\xB5\xB0";
  EXPECT_EQ(NaturalKey("第2集.mp4", 4), "第02集.mp4" + one);
  EXPECT_EQ(NaturalKey("7.txt", 99), "07.txt" + one);
  EXPECT_EQ(NaturalKey("7.txt", 100), "007.txt" + two);
  EXPECT_EQ(NaturalKey("20.txt", 99), "20.txt");
  EXPECT_EQ(NaturalKey("20.txt", 100), "020.txt" + one);
  EXPECT_EQ(NaturalKey("100.txt", 100), "100.txt");
  EXPECT_EQ(NaturalKey("abcdefgh3.txt", 4), "abcdefgh3.txt");
  EXPECT_EQ(NaturalKey("abcdef7", 4), "abcdef07" + one);  // a name that ends after its digit
}

TEST(NaturalOrder, HundredNamesUseThreeDigits) {
  Names names;
  for (int i = 0; i < 97; ++i) names.push_back("x" + std::to_string(i) + "abc");
  names.insert(names.end(), {"100.txt", "20.txt", "5.txt"});
  SortNaturally(names);
  auto at = [&](const std::string& name) { return std::find(names.begin(), names.end(), name); };
  EXPECT_LT(at("5.txt"), at("20.txt"));
  EXPECT_LT(at("20.txt"), at("100.txt"));
  // The marker text in a real name is kept as it is.
  EXPECT_EQ(Sorted({"a01加1个蛋蛋.txt"}), (Names{"a01加1个蛋蛋.txt"}));
}

TEST(ExtensionPattern, FollowsTheIncludeBox) {
  struct Case {
    std::string text;
    int selection;
    std::string pattern;
  } cases[] = {
      {"", -1, "*.*"},        {"jpg", -1, "*.jpg"},      {".jpg", 0, "*.jpg"},  {"所有", 0, "*.*"},
      {"所有", -1, "*.所有"}, {"tar.gz", -1, "*tar.gz"}, {".txt", -1, "*.txt"},
  };
  for (const auto& c : cases) EXPECT_EQ(PatternFor(c.text, c.selection), c.pattern) << c.text;
}

TEST(SkipExtension, NeedsAChosenEntryAndNoIncludeFilter) {
  FakeForm form;
  form.SetItems(Ctl::组合框2, {"不跳", ".mp4"});
  form.SetText(Ctl::组合框2, ".mp4");  // typed: skips nothing
  EXPECT_FALSE(ReadExtensionSkip(form).Skips("a.mp4"));
  form.SetSelection(Ctl::组合框2, 1);
  EXPECT_TRUE(ReadExtensionSkip(form).Skips("a.mp4"));
  EXPECT_FALSE(ReadExtensionSkip(form).Skips("a.MP4"));
  form.SetSelection(Ctl::组合框2, 0);
  EXPECT_FALSE(ReadExtensionSkip(form).Skips("a.mp4"));
  form.SetSelection(Ctl::组合框2, 1);
  form.SetText(Ctl::组合框4, "txt");  // an include filter turns the test off...
  EXPECT_FALSE(ReadExtensionSkip(form).Skips("a.mp4"));
  EXPECT_TRUE(ReadExtensionSkip(form, true).Skips("a.mp4"));  // ...unless any pattern counts
}

TEST(Enumerate, ListsFilesByPatternAndFoldersInFileSystemOrder) {
  FakeForm form;
  FakeFileSystem fs;
  fs.AddFolder("D:\\d");
  for (const char* name : {"10.txt", "A.TXT", "2.txt", "b.doc"})
    fs.AddFile("D:\\d\\" + std::string(name));
  fs.AddFolder("D:\\d\\zeta");
  fs.AddFolder("D:\\d\\alpha");
  fs.AddFile("D:\\d\\zeta\\inner.txt");
  EXPECT_EQ(EnumerateFiles(form, fs, "D:\\d", "*.txt", false, true),
            (Names{"2.txt", "10.txt", "A.TXT"}));
  EXPECT_EQ(form.pumps, 3);  // the window is pumped after each file
  EXPECT_EQ(EnumerateFiles(form, fs, "D:\\d\\", "*.*", true, false),
            (Names{"D:\\d\\10.txt", "D:\\d\\A.TXT", "D:\\d\\2.txt", "D:\\d\\b.doc"}));
  EXPECT_EQ(EnumerateFolders(fs, "D:\\d", false), (Names{"zeta", "alpha"}));
  EXPECT_EQ(EnumerateFolders(fs, "D:\\d\\", true), (Names{"D:\\d\\zeta", "D:\\d\\alpha"}));
  EXPECT_TRUE(EnumerateFiles(form, fs, "D:\\missing", "*.*", false, true).empty());
}
