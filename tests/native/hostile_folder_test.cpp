// Large and hostile folders: every item is accounted for after listing, previewing, executing
// and undoing 100,000 files, and names that cannot be renamed (too long, "?" substitutes for
// characters outside code page 936, items that moved or are refused, two proposals for the
// same name) fail alone without touching any other item.
#include <gtest/gtest.h>

#include <ctime>
#include <map>
#include <string>
#include <vector>

#include "app/commands.h"
#include "listing/natural_order.h"
#include "ops/add/add_at_ends.h"
#include "pipeline/messages.h"
#include "pipeline/rename_pipeline.h"
#include "pipeline_fixture.h"

using Strings = std::vector<std::string>;
using Renames = std::map<std::string, std::string>;

namespace {

// Realistic names: Chinese and ASCII, numbers at the front, in the middle and at the end.
std::string EpisodeName(int k) {
  switch (k % 4) {
    case 0:
      return "第" + std::to_string(k) + "集 三体.mp4";
    case 1:
      return std::to_string(k) + " Lecture notes.pdf";
    case 2:
      return "IMG_" + std::to_string(k) + ".JPG";
    default:
      return "课程 " + std::to_string(k) + " 高清";
  }
}

// The full path limit of the system's ANSI file calls: MAX_PATH with its terminating zero.
constexpr size_t kMaxPath = 260;

}  // namespace

class HostileFolderTest : public PipelineTest {
 protected:
  void Click(Ctl control) { Dispatch(app, control, Event::Clicked); }
  void Preview() {
    if (form.Text(Ctl::按钮8) == "打开预览") Click(Ctl::按钮8);
  }
  // Runs an operation whose rule proposes `proposals[name]` (nothing for other names).
  void RunProposals(const Renames& proposals) {
    RenameOperation op;
    op.rule = [&](const RenameItem& item) {
      auto it = proposals.find(item.name);
      return it == proposals.end() ? std::string() : it->second;
    };
    op.report = [](int renamed, bool) {
      return std::optional<Message>(messages::Info(std::to_string(renamed)));
    };
    RunRenamePipeline(app, op);
  }
  std::string LastBox() const { return form.shown.empty() ? "" : form.shown.back().text; }
};

TEST_F(HostileFolderTest, HundredThousandFilesAreListedPreviewedExecutedAndUndone) {
  constexpr int kCount = 100000;
  Strings names;
  Renames renamed;
  for (int k = 1; k <= kCount; ++k) {
    names.push_back(EpisodeName(k));
  }
  AddFiles(names);
  const std::clock_t started = std::clock();

  Preview();
  Strings sorted = names;
  SortNaturally(sorted);
  ASSERT_EQ(form.Column(0), sorted);

  form.SetText(Ctl::编辑框7, "_v2");
  AddAtEndClicked(app);
  const Strings proposals = form.Column(1);
  for (int row = 0; row < kCount; ++row) {
    const std::string& name = sorted[row];
    const size_t dot = name.rfind('.');
    const std::string expected =
        dot == std::string::npos || name.find(' ', dot) != std::string::npos
            ? name + "_v2"
            : name.substr(0, dot) + "_v2" + name.substr(dot);
    ASSERT_EQ(proposals[row], expected) << name;
    renamed[name] = expected;
  }
  EXPECT_EQ(Names(), names);  // a preview renames nothing

  Click(Ctl::按钮17);
  ExpectFolder(renamed);
  EXPECT_EQ(form.Column(0), proposals);
  EXPECT_EQ(app.undo.size(), static_cast<size_t>(kCount));

  Click(Ctl::按钮18);
  ExpectFolder();
  EXPECT_EQ(form.Column(0), sorted);

  // Directly, without the preview: every file counted once.
  Click(Ctl::按钮8);
  form.shown.clear();
  AddAtEndClicked(app);
  ExpectFolder(renamed);
  EXPECT_EQ(LastBox(), "一共有100000个文件被改名成功");
  // Generous even for a sanitized debug build on a busy machine; a quadratic step would take
  // hours here.
  EXPECT_LT(std::clock() - started, 120 * CLOCKS_PER_SEC);
}

TEST_F(HostileFolderTest, NamesAtThePathLimitFailAloneAndAreNeverCut) {
  fs.refuseRename = [](const std::string&, const std::string& to) { return to.size() >= kMaxPath; };
  const size_t room = kMaxPath - 1 - std::string(kFolder).size();  // longest name that fits
  const std::string longest = std::string(room - 4, 'a') + ".txt";
  std::string longestChinese = room % 2 ? "x" : "";
  while (longestChinese.size() + 2 + 4 <= room) longestChinese += "长";
  longestChinese += ".txt";
  // Two long names that differ only at their end must never be confused.
  const std::string twinA = std::string(room - 6, 'b') + "_1.txt";
  const std::string twinB = std::string(room - 6, 'b') + "_2.txt";
  AddFiles({longest, longestChinese, twinA, twinB, "short.txt"});
  ASSERT_EQ(longest.size(), room);
  ASSERT_EQ(longestChinese.size(), room);

  form.SetText(Ctl::编辑框7, "_x");
  AddAtEndClicked(app);
  ExpectFolder({{"short.txt", "short_x.txt"}});
  EXPECT_EQ(LastBox(), "一共有1个文件被改名成功");

  // Shortening works at the limit too, each twin to its own name.
  RunProposals({{twinA, "1.txt"}, {twinB, "2.txt"}, {longestChinese, "长.txt"}});
  ExpectFolder({{"short.txt", "short_x.txt"},
                {twinA, "1.txt"},
                {twinB, "2.txt"},
                {longestChinese, "长.txt"}});
}

// Characters outside code page 936 reach an ANSI program as "?": such a name is not the
// item's real name, may stand for several items at once, and is a wildcard to the system.
TEST_F(HostileFolderTest, QuestionMarkSubstitutesFailAndTouchNoOtherItem) {
  AddFiles({"caf?.txt", "caf?.txt", "cafe.txt", "?.txt", "x.txt", "b?d\xA1\xA1.txt"});
  struct Case {
    const char* what;
    Renames proposals;
    Renames expected;
  } cases[] = {
      {"each name proposed with a prefix",
       {{"caf?.txt", "new caf?.txt"}, {"?.txt", "new ?.txt"}, {"x.txt", "new x.txt"}},
       {{"x.txt", "new x.txt"}}},
      {"the substitute deleted, aiming at an existing and a free name",
       {{"caf?.txt", "cafe.txt"}, {"?.txt", "free.txt"}},
       {}},
      {"a plain item renamed to a substitute name",
       {{"cafe.txt", "caf?.txt"}, {"x.txt", "?.txt"}},
       {}},
  };
  Renames done;
  for (const Case& c : cases) {
    form.shown.clear();
    Renames proposals;  // by the names the items have now
    for (const auto& [old, proposal] : c.proposals) {
      proposals[done.count(old) ? done[old] : old] = proposal;
    }
    RunProposals(proposals);
    for (const auto& [old, now] : c.expected) done[old] = now;
    ExpectFolder(done);
    EXPECT_EQ(LastBox(), std::to_string(c.expected.size())) << c.what;
  }

  // The same through the preview: the substitute rows keep their proposals, the undo record
  // holds only the renames that were done, and the undo restores exactly those.
  Preview();
  form.SetText(Ctl::编辑框6, "p_");
  AddAtFrontClicked(app);
  Click(Ctl::按钮17);
  Renames withPrefix = done;
  withPrefix["cafe.txt"] = "p_cafe.txt";
  withPrefix["x.txt"] = "p_new x.txt";
  ExpectFolder(withPrefix);
  EXPECT_EQ(app.undo.size(), 2u);
  Click(Ctl::按钮18);
  ExpectFolder(done);
}

TEST_F(HostileFolderTest, ItemsChangedByAnotherProgramAfterThePreviewFailAlone) {
  AddFiles({"a.txt", "b.txt", "c.txt", "d.txt"});
  fs.refuseRename = [](const std::string& from, const std::string&) {
    return from == "D:\\work\\d.txt";  // read-only to us, or in use
  };
  form.SetText(Ctl::编辑框7, "_x");
  Preview();
  AddAtEndClicked(app);
  ASSERT_EQ(form.Column(1), (Strings{"a_x.txt", "b_x.txt", "c_x.txt", "d_x.txt"}));
  // Meanwhile another program renames b.txt and creates a file under c's proposed name.
  ASSERT_TRUE(fs.Rename("D:\\work\\b.txt", "D:\\work\\b moved.txt"));
  AddFiles({"c_x.txt"});

  Click(Ctl::按钮17);
  ExpectFolder({{"a.txt", "a_x.txt"}, {"b.txt", "b moved.txt"}});
  EXPECT_EQ(form.Column(0), (Strings{"a_x.txt", "b.txt", "c.txt", "d.txt"}));
  EXPECT_EQ(form.Column(1), (Strings{"", "b_x.txt", "c_x.txt", "d_x.txt"}));
  Click(Ctl::按钮18);
  ExpectFolder({{"b.txt", "b moved.txt"}});
}

class SameNameTest : public HostileFolderTest, public testing::WithParamInterface<bool> {};

TEST_P(SameNameTest, TwoProposalsForTheSameNameRenameOnlyTheFirst) {
  const bool preview = GetParam();
  AddFiles({"a_1.txt", "a_2.txt", "B_1.txt", "b_2.txt", "c.txt", "c_2.txt", "d.txt"});
  if (preview) Preview();
  RunProposals({
      {"a_1.txt", "a.txt"},
      {"a_2.txt", "a.txt"},
      // Names that differ only in letter case are the same name to the system.
      {"B_1.txt", "B.txt"},
      {"b_2.txt", "b.txt"},
      // A swap: each proposal is the other item's name, so neither can go.
      {"c.txt", "c_2.txt"},
      {"c_2.txt", "c.txt"},
      {"d.txt", "d.txt"},
  });
  if (preview) Click(Ctl::按钮17);
  ExpectFolder({{"a_1.txt", "a.txt"}, {"B_1.txt", "B.txt"}});
  if (!preview) {
    EXPECT_EQ(LastBox(), "2");
  }
}

INSTANTIATE_TEST_SUITE_P(DirectAndPreview, SameNameTest, testing::Bool());
