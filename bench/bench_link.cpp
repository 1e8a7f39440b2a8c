// Link overhead against the simulated line at 19200 baud: a poll cycle of 32 controllers (called
// directly, and run by the Qt backend's clock with the main screen alone or with the settings
// screen open) and a send-all of one controller, each as a ratio of the elapsed time to the wire
// time of their characters (10 bits a character).
#include <benchmark/benchmark.h>

#include <QEventLoop>
#include <chrono>
#include <memory>

#include "link/subdisp_trs.h"
#include "monitor/main_disp.h"
#include "program/program.h"
#include "qt/qt_backend.h"
#include "qt_bench_main.h"
#include "settings/subdisp_set.h"
#include "support/fake_services.h"
#include "support/operator.h"
#include "support/sim_line.h"
#include "support/test_program.h"

namespace {

using qd470::testing::SimLine;

constexpr int kBaud = 19200;

struct Bench {
  qd470::testing::TempFolder folder;
  qd470::testing::FakeServices fakes;
  std::unique_ptr<qd470::Program> program;
  SimLine sim{32};

  Bench() {
    program = std::make_unique<qd470::Program>(folder.path() / "prog", fakes.Bundle(),
                                               qd470::Language::kEnglish);
    sim.SetBaud(kBaud);
    program->Comm().Open(sim.SlavePath(), 0);
    program->PortOpen = -1;
    program->CommState = 1;
    program->CommCond.DevCount = 32;
  }
  // Runs `work` and reports elapsed / wire time.
  template <class Work>
  void Measure(benchmark::State& state, Work work) {
    double ratio = 0;
    for (auto _ : state) {
      const uint64_t chars = sim.CharsIn() + sim.CharsOut();
      const auto start = std::chrono::steady_clock::now();
      work();
      const double elapsed =
          std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
      const double wire = static_cast<double>(sim.CharsIn() + sim.CharsOut() - chars) * 10 / kBaud;
      state.SetIterationTime(elapsed);
      ratio = elapsed / wire;
    }
    state.counters["ratio_to_wire"] = ratio;
  }
};

void BM_PollCycle32(benchmark::State& state) {
  Bench b;
  auto& main = b.program->Form<qd470::MainDisp>();
  b.Measure(state, [&] {
    for (int i = 0; i < 32 * 11; ++i) main.tmrComm_Timer();
  });
}
BENCHMARK(BM_PollCycle32)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(3)
    ->Unit(benchmark::kMillisecond);

// The poll as the program runs it: one step per tick of the Qt backend's clock, the widgets
// brought in step after each. Argument 1 opens the settings screen over the main screen.
void BM_PollCycle32_Qt(benchmark::State& state) {
  Bench b;
  auto& main = b.program->Form<qd470::MainDisp>();
  if (state.range(0) == 1) {
    qd470::testing::ScriptOperator(*b.program);  // answers the password dialog
    main.mnuSetDisp_Click();
  }
  qd470::qt::QtBackend backend(b.program->Forms());
  b.program->Forms().Show(main);
  if (state.range(0) == 1) {
    auto& screen = b.program->Form<qd470::SubDisp_Set>();
    b.program->Forms().Hide(screen);
    b.program->Forms().Show(screen);  // its window is made while the backend observes
  }
  QEventLoop loop;
  int steps = 0;
  main.tmrComm.OnTimer = [&] {
    main.tmrComm_Timer();
    if (++steps == 32 * 11) loop.quit();
  };
  b.Measure(state, [&] {
    steps = 0;
    main.tmrComm.Enabled = true;
    loop.exec();
    main.tmrComm.Enabled = false;
  });
  b.program->Forms().SetObserver(nullptr);
}
BENCHMARK(BM_PollCycle32_Qt)
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(3)
    ->Unit(benchmark::kMillisecond);

void BM_SendAllOneController(benchmark::State& state) {
  Bench b;
  auto& main = b.program->Form<qd470::MainDisp>();
  b.program->Form<qd470::SubDisp_TRS>().cmbName.AddItem("ch");
  b.program->Form<qd470::SubDisp_TRS>().cmbName.SetListIndex(0);
  b.Measure(state, [&] {
    b.program->CommState = 7;
    b.program->SendReq = 2;
    main.tmrComm_Timer();
  });
}
BENCHMARK(BM_SendAllOneController)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(3)
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return RunQtBenchmarks(argc, argv); }
