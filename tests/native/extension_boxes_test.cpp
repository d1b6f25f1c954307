#include "listing/extension_boxes.h"

#include <gtest/gtest.h>

#include "app/commands.h"
#include "pipeline_fixture.h"

using Strings = std::vector<std::string>;

namespace {
Strings Dotted(const Strings& extensions) {
  Strings dotted;
  for (const auto& e : extensions) dotted.push_back("." + e);
  return dotted;
}
Strings Concat(Strings a, const Strings& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}
}  // namespace

TEST(ExtensionLists, BuiltInListHas58EntriesInItsOrder) {
  const Strings& all = BuiltInExtensions();
  ASSERT_EQ(all.size(), 58u);
  EXPECT_EQ(all.front(), "mp4");
  EXPECT_EQ(all[8], "png");
  EXPECT_EQ(all.back(), "cpp");
  EXPECT_EQ(FullExtensionList("所有"), Concat({"所有"}, Dotted(all)));
  EXPECT_EQ(FullExtensionList(""), Dotted(all));
}

TEST(ExtensionLists, TypedTextBringsMatchesForwardAndKeepsEveryEntryOnce) {
  const Strings& all = BuiltInExtensions();
  auto rest = [&](const Strings& front) {
    Strings others;
    for (const auto& e : all) {
      if (std::find(front.begin(), front.end(), e) == front.end()) others.push_back(e);
    }
    return Dotted(others);
  };
  struct Case {
    std::string typed, first;
    Strings matches;
  } cases[] = {
      {"j", "所有", {"jpg", "js", "arj", "obj", "java"}},
      {"MP", "不跳", {"mp4", "mp3", "bmp", "tmp", "mpg", "mpeg"}},
      {".Mp", "", {"mp4", "mp3", "bmp", "tmp", "mpg", "mpeg"}},
      {"p.p", "", {"pptx", "ppt", "cpp"}},  // dots are dropped before matching
      {"zz", "所有", {}},
  };
  for (const auto& c : cases) {
    Strings expected = c.first.empty() ? Strings{} : Strings{c.first};
    expected = Concat(Concat(expected, Dotted(c.matches)), rest(c.matches));
    EXPECT_EQ(ExtensionListFor(c.typed, c.first), expected) << c.typed;
  }
  EXPECT_EQ(ExtensionListFor(".", "不跳"), FullExtensionList("不跳"));
  EXPECT_EQ(ExtensionListFor("...", ""), FullExtensionList(""));
  EXPECT_TRUE(ExtensionListFor("", "所有").empty());
}

class ExtensionBoxesTest : public PipelineTest {};

TEST_F(ExtensionBoxesTest, EachBoxOpensWithItsOwnFirstEntryOnlyWhenEmpty) {
  const struct {
    Ctl box;
    std::string first;
  } boxes[] = {{Ctl::组合框4, "所有"}, {Ctl::组合框2, "不跳"}, {Ctl::组合框3, ""}};
  for (const auto& b : boxes) {
    Dispatch(app, b.box, Event::DropDown);
    Dispatch(app, b.box, Event::DropDown);  // twice: still every entry once
    EXPECT_EQ(form.Items(b.box), FullExtensionList(b.first));

    form.SetItems(b.box, {".jpg"});
    form.SetText(b.box, "jp");
    Dispatch(app, b.box, Event::DropDown);
    EXPECT_EQ(form.Items(b.box), (Strings{".jpg"}));
  }
}

TEST_F(ExtensionBoxesTest, TypingRebuildsTheListKeepsTheTextAndChoosesNothing) {
  for (Ctl box : {Ctl::组合框4, Ctl::组合框2, Ctl::组合框3}) {
    form.SetItems(box, FullExtensionList(""));
    form.SetSelection(box, 3);
    form.SetText(box, "J");
    Dispatch(app, box, Event::TextChanged);
    EXPECT_EQ(form.Text(box), "J");
    EXPECT_EQ(form.Selection(box), -1);
    EXPECT_EQ(form.Items(box)[box == Ctl::组合框3 ? 0 : 1], ".jpg");

    form.SetText(box, "");
    Dispatch(app, box, Event::TextChanged);
    EXPECT_TRUE(form.Items(box).empty());
    Dispatch(app, box, Event::DropDown);
    EXPECT_EQ(form.Items(box).size(), box == Ctl::组合框3 ? 58u : 59u);
  }
}

TEST_F(ExtensionBoxesTest, ChoosingAFilterEntryRefillsTheListForFilesOnly) {
  AddFiles({"b.mp4", "a.txt", "c.mp4"});
  form.SetRows({"old row"});
  form.SetItems(Ctl::组合框4, FullExtensionList("所有"));
  form.SetSelection(Ctl::组合框4, 1);  // ".mp4"
  Dispatch(app, Ctl::组合框4, Event::Chosen);
  EXPECT_EQ(form.Column(0), (Strings{"b.mp4", "c.mp4"}));

  form.SetSelection(Ctl::组合框4, 0);  // "所有"
  form.SetItems(Ctl::组合框2, FullExtensionList("不跳"));
  form.SetSelection(Ctl::组合框2, 1);  // skip ".mp4"
  Dispatch(app, Ctl::组合框2, Event::Chosen);
  EXPECT_EQ(form.Column(0), (Strings{"a.txt"}));

  form.SetText(Ctl::组合框2, ".txt");  // typed, not chosen: skips nothing
  form.SetItems(Ctl::组合框2, {});
  Dispatch(app, Ctl::组合框4, Event::Chosen);
  EXPECT_EQ(form.Column(0), (Strings{"a.txt", "b.mp4", "c.mp4"}));

  AddFolders({"sub"});
  FoldersKind();
  Dispatch(app, Ctl::组合框2, Event::Chosen);
  EXPECT_EQ(form.RowCount(), 0);
  EXPECT_TRUE(form.shown.empty());
}
