#include "pipeline/text.h"

#include <gtest/gtest.h>

TEST(FindText, MatchesOnlyAtCharacterBoundariesAndExactCase) {
  struct Case {
    std::string text, sought;
    int first, last;
  } cases[] = {
      {"開_a", "_", 3, 3},  // 開 is E9 5F: its trail byte is not a "_"
      {"xAbc", "abc", -1, -1},
      {"a-b-c", "-", 2, 4},
      {"abc", "", 1, 3},
      {"", "a", -1, -1},
      {"第2集", "2", 3, 3},
      {"\xB1\xED\xB1\xED", "\xED\xB1", -1, -1},  // a search across a character boundary
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FindText(c.text, c.sought), c.first) << c.text << " / " << c.sought;
    EXPECT_EQ(FindTextReverse(c.text, c.sought), c.last) << c.text << " / " << c.sought;
  }
}

TEST(FindText, DesktopIsFoundInAnyLetterCase) {
  EXPECT_TRUE(MentionsDesktop("d:\\DESKTOP\\x\\"));
  EXPECT_TRUE(MentionsDesktop("D:\\MyDesktop\\"));
  EXPECT_FALSE(MentionsDesktop("D:\\Desk top\\"));
}

TEST(ReplaceText, SpendsTheCountLeftToRightWithoutRescanning) {
  struct Case {
    std::string text, sought, replacement;
    int start, count;
    std::string expected;
  } cases[] = {
      {"aaaa", "aa", "b", 1, -1, "bb"},
      {"aaaa", "aa", "b", 1, 1, "baa"},
      {"aaaa", "aa", "b", 2, -1, "aba"},
      {"xa", "a", "aa", 1, -1, "xaa"},
      {"abc", "b", "x", 0, -1, "axc"},  // a start below 1 counts as 1
      {"abc", "b", "x", 4, -1, "abc"},  // a start beyond the text
      {"abc", "b", "x", 1, 0, "abc"},
      {"", "b", "x", 1, -1, ""},
      {"abc", "", "x", 1, -1, "abc"},
      {"開_開_", "_", "-", 1, -1, "開-開-"},  // trail bytes 5F stay
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReplaceText(c.text, c.sought, c.replacement, c.start, c.count), c.expected)
        << c.text << " " << c.sought;
  }
}

TEST(ReadInteger, ReadsALeadingNumberWithFullWidthForms) {
  struct Case {
    std::string text;
    int32_t value;
  } cases[] = {
      {"3次", 3},
      {"３", 3},
      {"abc", 0},
      {"-2", -2},
      {"  12ab", 12},
      {"", 0},
      {"＋１２", 12},
      {"　7", 7},
      {"- 5", 0},
      {"99999999999", 2147483647},
      {"-99999999999", -2147483647 - 1},
  };
  for (const auto& c : cases) EXPECT_EQ(ReadInteger(c.text), c.value) << c.text;
}

TEST(Cuts, CountBytesAndStopAtTheEnds) {
  EXPECT_EQ(FirstBytes("abcdef", 2), "ab");
  EXPECT_EQ(FirstBytes("abc", 0), "");
  EXPECT_EQ(FirstBytes("abc", 9), "abc");
  EXPECT_EQ(BytesAt("abcdef", 2, 3), "bcd");
  EXPECT_EQ(BytesAt("abc", 0, 1), "");
  EXPECT_EQ(BytesAt("abc", 4, 1), "");
  EXPECT_EQ(BytesAt("abc", 2, 9), "bc");
  EXPECT_EQ(LastBytes("abcdef", 2), "ef");
  EXPECT_EQ(LastBytes("abc", -1), "");
  EXPECT_EQ(LastBytes("abc", 9), "abc");
}

TEST(EndsWithBackslash, IgnoresATrailByte5C) {
  EXPECT_TRUE(EndsWithBackslash("D:\\x\\"));
  EXPECT_FALSE(EndsWithBackslash("D:\\x"));
  EXPECT_FALSE(EndsWithBackslash("D:\\\x81\x5C"));  // a two-byte character ending in 5C
  EXPECT_FALSE(EndsWithBackslash(""));
}
