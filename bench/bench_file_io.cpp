// Cost of one atomic save (unnamed and named temporary file, both synced to disk) and of one
// capped read, for a file of the given size in a temporary folder.
#include <benchmark/benchmark.h>

#include <string>

#include "model/file_io.h"
#include "support/test_program.h"

namespace {

void BM_WriteFileAtomic(benchmark::State& state) {
  qd470::testing::TempFolder folder;
  qd470::AtomicWriteSeamsForTests().unnamed_temp = state.range(1) != 0;
  const std::string bytes(static_cast<size_t>(state.range(0)), 'x');
  for (auto _ : state) {
    if (qd470::WriteFileAtomic(folder.path() / "QD4TYPE.DAT", bytes)) state.SkipWithError("save");
  }
  qd470::AtomicWriteSeamsForTests() = {};
}
BENCHMARK(BM_WriteFileAtomic)
    ->ArgNames({"bytes", "unnamed"})
    ->Args({512, 1})
    ->Args({512, 0})
    ->Args({65536, 1})
    ->Unit(benchmark::kMicrosecond);

void BM_ReadFileHead(benchmark::State& state) {
  qd470::testing::TempFolder folder;
  const auto path = folder.path() / "QD4TYPE.DAT";
  qd470::WriteFileAtomic(path, std::string(static_cast<size_t>(state.range(0)), 'x'));
  std::string bytes;
  for (auto _ : state) {
    if (qd470::ReadFileHead(path, 512, bytes)) state.SkipWithError("read");
    benchmark::DoNotOptimize(bytes.data());
  }
}
BENCHMARK(BM_ReadFileHead)->Arg(512)->Arg(1 << 20)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
