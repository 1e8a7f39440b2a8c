// Benchmark of the setting file of all 32 controllers (58,976 values): formatting, saving
// (formatting and the atomic write) and loading (streamed parse and store).
#include <benchmark/benchmark.h>

#include "settings/setting_file.h"
#include "support/distinct_settings.h"
#include "support/test_program.h"

namespace {

using namespace qd470;

struct AllControllers {
  AllControllers() { qd470::testing::FillDistinctSettings(state); }
  qd470::testing::TempFolder folder;
  ProgramState state;
  const SettingFileLayout layout = AllControllersFile(32);
  const std::filesystem::path path = folder.path() / "all.dat";
};

void BM_FormatAllControllers(benchmark::State& bench) {
  AllControllers all;
  for (auto _ : bench) benchmark::DoNotOptimize(FormatSettingFile(all.state, all.layout));
}
BENCHMARK(BM_FormatAllControllers)->Unit(benchmark::kMicrosecond);

void BM_SaveAllControllers(benchmark::State& bench) {
  AllControllers all;
  for (auto _ : bench) {
    if (SaveSettingFile(all.state, all.path, all.layout)) bench.SkipWithError("save failed");
  }
}
BENCHMARK(BM_SaveAllControllers)->Unit(benchmark::kMicrosecond);

void BM_LoadAllControllers(benchmark::State& bench) {
  AllControllers all;
  if (SaveSettingFile(all.state, all.path, all.layout)) bench.SkipWithError("save failed");
  for (auto _ : bench) {
    if (LoadSettingFile(all.state, all.path, all.layout) != SettingFileRead::kLoaded) {
      bench.SkipWithError("load failed");
    }
  }
}
BENCHMARK(BM_LoadAllControllers)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
