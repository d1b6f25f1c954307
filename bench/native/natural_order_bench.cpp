// Natural order of a listing of episode names.
#include "bench_support.h"
#include "episode_names.h"
#include "listing/natural_order.h"

namespace {

void NaturalOrder(benchmark::State& state) {
  const std::vector<std::string> names = EpisodeNames(static_cast<size_t>(state.range(0)));
  for (auto _ : state) {
    state.PauseTiming();
    std::vector<std::string> listing = names;
    state.ResumeTiming();
    SortNaturally(listing);
    benchmark::DoNotOptimize(listing.data());
  }
  PerItem(state, state.range(0));
}

}  // namespace

BENCHMARK(NaturalOrder)->Arg(kSmall)->Arg(kLarge)->Unit(benchmark::kMillisecond);
