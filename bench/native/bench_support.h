// What the native benchmarks share: items made from names, and the per-item figures.
#pragma once

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "listing/names.h"
#include "pipeline/rename_pipeline.h"

// The listing sizes every benchmark runs at, to show the growth from one to the other.
constexpr int kSmall = 10'000;
constexpr int kLarge = 100'000;

// Files as the pipeline hands them to a rule.
inline std::vector<RenameItem> FileItems(const std::vector<std::string>& names) {
  std::vector<RenameItem> items;
  items.reserve(names.size());
  const int count = static_cast<int>(names.size());
  for (int i = 0; i < count; ++i) {
    items.push_back(
        {names[i], FileNameOf(names[i], false), ExtensionOf(names[i]), i + 1, count, false});
  }
  return items;
}

// Reports items per second and the time per item of a run over `items` items.
inline void PerItem(benchmark::State& state, int64_t items) {
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * items);
  state.counters["per_item"] =
      benchmark::Counter(static_cast<double>(items), benchmark::Counter::kIsIterationInvariantRate |
                                                         benchmark::Counter::kInvert);
}
