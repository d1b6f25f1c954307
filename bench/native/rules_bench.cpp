// Every rule over a listing of episode names, one benchmark per rule, grouped by family.
#include <functional>

#include "bench_support.h"
#include "episode_names.h"
#include "ops/add/add_after_extension.h"
#include "ops/add/add_after_number.h"
#include "ops/add/add_at_ends.h"
#include "ops/add/add_at_marker.h"
#include "ops/add/sequence_number.h"
#include "ops/add/video_number.h"
#include "ops/delete/delete_at_marker.h"
#include "ops/delete/delete_between.h"
#include "ops/delete/delete_occurrences.h"
#include "ops/name_part.h"
#include "ops/replace/change_extension.h"
#include "ops/replace/chinese_conversion.h"
#include "ops/replace/chinese_numerals.h"
#include "ops/replace/pad_number.h"
#include "ops/replace/replace_text.h"

namespace {

const PlatformChineseMapping kNoPlatformMapping;
const ChineseConverter kToTraditional(ConversionDirection::ToTraditional, kNoPlatformMapping);

struct RuleCase {
  const char* name;
  RenameRule rule;
};

// Each rule with inputs that match a good share of the names, as a user would choose them.
const RuleCase kRules[] = {
    {"delete/between",
     [](const RenameItem& item) {
       return WithExtension(
           item, DeleteBetween(item.stem, {"[", "]", Occurrence::First, Occurrence::First, true}));
     }},
    {"delete/left_of_marker",
     [](const RenameItem& item) {
       return WithExtension(item, DeleteLeft(item.stem, {" ", Occurrence::First, true}));
     }},
    {"delete/right_of_marker",
     [](const RenameItem& item) {
       return WithExtension(item, DeleteRight(item.stem, {" ", Occurrence::Last, false}));
     }},
    {"delete/occurrences",
     [](const RenameItem& item) {
       return WithExtension(item, DeleteOccurrences(item.stem, {"第", 1, false}));
     }},
    {"replace/text",
     [](const RenameItem& item) {
       return WithExtension(item, ReplaceInName(item.stem, {"集", "话", 1, false, false}));
     }},
    {"replace/chinese_conversion",
     [](const RenameItem& item) { return ConvertChineseName(item, kToTraditional); }},
    {"replace/chinese_numerals", [](const RenameItem& item) { return NumeralToDigits(item.name); }},
    {"replace/pad_number",
     [](const RenameItem& item) { return PadLeadingNumber(item.name, PadWidthFor(item.count)); }},
    {"replace/change_extension",
     [](const RenameItem& item) { return ChangeExtension(item.stem, ".mp4"); }},
    {"add/at_front", [](const RenameItem& item) { return AddAtFront(item, "新_"); }},
    {"add/at_end", [](const RenameItem& item) { return AddAtEnd(item, "-完"); }},
    {"add/at_marker",
     [](const RenameItem& item) {
       return WithExtension(item, AddAtMarker(item.stem, {"第", "新", Occurrence::First, true}));
     }},
    {"add/after_extension",
     [](const RenameItem& item) { return AppendAfterExtension(item.name, ".bak"); }},
    {"add/after_number", [](const RenameItem& item) { return AddAfterNumber(item.name, "."); }},
    {"add/sequence_number",
     [](const RenameItem& item) {
       return AddSequenceNumber(item.name, item.index, item.count, "_");
     }},
    {"add/video_number", [](const RenameItem& item) { return AddVideoNumber(item, "012345678"); }},
};

void RunRule(benchmark::State& state, const RenameRule& rule) {
  const std::vector<RenameItem> items =
      FileItems(EpisodeNames(static_cast<size_t>(state.range(0))));
  for (auto _ : state) {
    for (const RenameItem& item : items) benchmark::DoNotOptimize(rule(item));
  }
  PerItem(state, state.range(0));
}

const bool kRegistered = [] {
  for (const RuleCase& rule : kRules) {
    benchmark::RegisterBenchmark((std::string("Rule/") + rule.name).c_str(), RunRule, rule.rule)
        ->Arg(kSmall)
        ->Arg(kLarge)
        ->Unit(benchmark::kMillisecond);
  }
  return true;
}();

}  // namespace
