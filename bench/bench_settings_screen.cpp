// Benchmark of a full refresh of the settings screen (SetDispUpDate) for one controller: the
// model alone, and with the Qt widgets brought in step after it, as the program does.
#include <benchmark/benchmark.h>

#include "qt_bench_main.h"
#include <memory>

#include "monitor/main_disp.h"
#include "qt/qt_backend.h"
#include "settings/subdisp_set.h"
#include "support/operator.h"
#include "support/sample_settings.h"
#include "support/test_program.h"

namespace {

using namespace qd470;

// The settings screen of sample controller `dev`, opened as the main screen's menu opens it.
struct OpenScreen {
  explicit OpenScreen(int dev)
      : program(folder.path() / "prog", services.Bundle(), Language::kEnglish) {
    qd470::testing::FillSampleSettings(program);
    qd470::testing::ScriptOperator(program);
    program.Form<MainDisp>().mnuSetDisp_Click();
    screen = &program.Form<SubDisp_Set>();
    screen->cmbName.SetListIndex(dev);
  }
  qd470::testing::TempFolder folder;
  qd470::testing::FakeServices services;
  Program program;
  SubDisp_Set* screen = nullptr;
};

void BM_SetDispUpDate_Model(benchmark::State& state) {
  OpenScreen open(static_cast<int>(state.range(0)));
  for (auto _ : state) open.screen->SetDispUpDate();
}
BENCHMARK(BM_SetDispUpDate_Model)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_SetDispUpDate_WithQt(benchmark::State& state) {
  OpenScreen open(static_cast<int>(state.range(0)));
  qt::QtBackend backend(open.program.Forms());
  open.program.Forms().Show(*open.screen);  // window created while observed
  open.program.Forms().Hide(*open.screen);
  open.program.Forms().Show(*open.screen);
  QCoreApplication::processEvents();
  // Alternate two controllers so that every refresh changes what the widgets show.
  const int other = state.range(0) == 0 ? 1 : 0;
  bool flip = false;
  for (auto _ : state) {
    flip = !flip;
    open.screen->cmbName.SetListIndex(flip ? other : static_cast<int>(state.range(0)));
    open.screen->SetDispUpDate();
    backend.Sync(*open.screen);
  }
  open.program.Forms().SetObserver(nullptr);
}
BENCHMARK(BM_SetDispUpDate_WithQt)->Arg(0)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) { return RunQtBenchmarks(argc, argv); }
