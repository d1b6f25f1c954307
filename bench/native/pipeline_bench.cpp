// Whole operations through the rename pipeline, over an in-memory folder and window: "最尾部加"
// renaming at once, filling the name list, the preview of the proposals, their execution and
// its undo. The setup of each run is left out of the timing.
#include <memory>

#include "bench_support.h"
#include "episode_names.h"
#include "fake_file_system.h"
#include "fake_form.h"
#include "lean_file_system.h"
#include "ops/add/add_at_ends.h"
#include "pipeline/execute_undo.h"
#include "pipeline/name_list.h"

namespace {

const std::string kFolder = "D:\\影视\\";

// A window showing the folder, "最尾部加" filled in, preview on or off.
template <typename Files>
struct Scene {
  Scene(Files&& fs, bool preview) : files(std::move(fs)) {
    form.SetText(Ctl::标签2, kFolder);
    form.SetText(Ctl::编辑框7, "-完");
    if (preview) {
      form.SetText(Ctl::按钮8, "不要预览");
      form.InsertColumn(1, "更名后的效果", 380);
    }
  }
  Files files;
  FakeForm form;
  AppState app{form, files, {}};
};

std::unique_ptr<Scene<LeanFileSystem>> LeanScene(const std::vector<std::string>& names,
                                                 bool preview) {
  return std::make_unique<Scene<LeanFileSystem>>(LeanFileSystem(kFolder, names), preview);
}

// Runs `setup` untimed and `timed` timed on a fresh scene in every iteration.
template <typename Setup, typename Timed>
void Measure(benchmark::State& state, Setup setup, Timed timed) {
  const std::vector<std::string> names = EpisodeNames(static_cast<size_t>(state.range(0)));
  for (auto _ : state) {
    state.PauseTiming();
    auto scene = setup(names);
    state.ResumeTiming();
    timed(scene->app);
    state.PauseTiming();
    scene.reset();
    state.ResumeTiming();
  }
  PerItem(state, state.range(0));
}

void AddAtEndDirect(benchmark::State& state) {
  Measure(
      state, [](const auto& names) { return LeanScene(names, false); }, AddAtEndClicked);
}

// The same over the test fake: it keeps every rename call and folds whole paths, so it costs
// more per item, but it grows linearly as well for files.
void AddAtEndDirectOverTestFake(benchmark::State& state) {
  Measure(
      state,
      [](const auto& names) {
        FakeFileSystem fs;
        fs.AddFolder("D:\\影视");
        for (const auto& name : names) fs.AddFile(kFolder + name);
        return std::make_unique<Scene<FakeFileSystem>>(std::move(fs), false);
      },
      AddAtEndClicked);
}

void FillNames(benchmark::State& state) {
  Measure(
      state, [](const auto& names) { return LeanScene(names, true); }, FillNameList);
}

auto FilledScene(const std::vector<std::string>& names) {
  auto scene = LeanScene(names, true);
  FillNameList(scene->app);
  return scene;
}

void AddAtEndPreview(benchmark::State& state) {
  Measure(state, FilledScene, AddAtEndClicked);
}

auto PreviewedScene(const std::vector<std::string>& names) {
  auto scene = FilledScene(names);
  AddAtEndClicked(scene->app);
  return scene;
}

void Execute(benchmark::State& state) {
  Measure(state, PreviewedScene, ExecuteClicked);
}

void Undo(benchmark::State& state) {
  Measure(
      state,
      [](const auto& names) {
        auto scene = PreviewedScene(names);
        ExecuteClicked(scene->app);
        return scene;
      },
      UndoClicked);
}

}  // namespace

#define PIPELINE_BENCHMARK(name) \
  BENCHMARK(name)                \
      ->Name("Pipeline/" #name)  \
      ->Arg(kSmall)              \
      ->Arg(kLarge)              \
      ->Arg(3 * kLarge)          \
      ->Unit(benchmark::kMillisecond)

PIPELINE_BENCHMARK(AddAtEndDirect);
PIPELINE_BENCHMARK(AddAtEndDirectOverTestFake);
PIPELINE_BENCHMARK(FillNames);
PIPELINE_BENCHMARK(AddAtEndPreview);
PIPELINE_BENCHMARK(Execute);
PIPELINE_BENCHMARK(Undo);
