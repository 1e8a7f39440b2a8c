// Cost of working out decimal places and limits for every setting 0 to 103 of one controller.
#include <benchmark/benchmark.h>

#include <memory>

#include "model/program_state.h"
#include "settings/decimal_point.h"
#include "settings/edit_limits.h"

namespace {

void BM_EditItemAllSettings(benchmark::State& state) {
  auto st = std::make_unique<qd470::ProgramState>();
  st->SetCh = 3;
  st->DevRec[3].CtrlType = static_cast<int16_t>(state.range(0));
  st->DevRec[3].InRange = static_cast<int16_t>(state.range(1));
  st->EditSub = 1;
  for (auto _ : state) {
    for (int16_t n = 0; n <= 103; ++n) {
      st->EditItem = n;
      qd470::setdecimalpoint(*st);
      qd470::set_lim(*st);
    }
    benchmark::DoNotOptimize(st->EditHi);
  }
}
BENCHMARK(BM_EditItemAllSettings)->Args({-1, 6})->Args({1, 34});

}  // namespace

BENCHMARK_MAIN();
