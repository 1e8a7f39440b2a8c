// Cost of one edit on the numeric pad, from the value label's double-click to the label showing
// the accepted value: the model alone, and with the pad's window opened by the Qt backend.
#include <benchmark/benchmark.h>

#include <memory>

#include "editing/subdisp_tenkey.h"
#include "monitor/main_disp.h"
#include "qt/qt_backend.h"
#include "qt_bench_main.h"
#include "settings/subdisp_set.h"
#include "support/sample_settings.h"
#include "support/test_program.h"

namespace {

using namespace qd470;

struct OpenScreen {
  OpenScreen() : program(folder.path() / "prog", services.Bundle(), Language::kEnglish) {
    qd470::testing::FillSampleSettings(program);
    program.Form<MainDisp>().mnuSetDisp_Click();
    screen = &program.Form<SubDisp_Set>();
  }
  // Double-click step 3's temperature, type a value (alternating, so that it always changes)
  // and accept it.
  void Edit(bool flip) {
    screen->lblSV(3).RaiseDblClick();
    SubDisp_Tenkey& pad = program.Form<SubDisp_Tenkey>();
    for (int d : {1, 2, flip ? 3 : 4}) pad.Ten_key_Click(d);
    pad.cmdOK_Click();
    program.Forms().ReleaseUnloaded();
  }
  qd470::testing::TempFolder folder;
  qd470::testing::FakeServices services;
  Program program;
  SubDisp_Set* screen = nullptr;
};

void BM_PadEdit_Model(benchmark::State& state) {
  OpenScreen open;
  bool flip = false;
  for (auto _ : state) open.Edit(flip = !flip);
}
BENCHMARK(BM_PadEdit_Model)->Unit(benchmark::kMicrosecond);

void BM_PadEdit_WithQt(benchmark::State& state) {
  OpenScreen open;
  qt::QtBackend backend(open.program.Forms());
  open.program.Forms().Show(*open.screen);
  QCoreApplication::processEvents();
  bool flip = false;
  for (auto _ : state) {
    open.Edit(flip = !flip);
    backend.SyncAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // the closed window
  }
  open.program.Forms().SetObserver(nullptr);
}
BENCHMARK(BM_PadEdit_WithQt)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) { return RunQtBenchmarks(argc, argv); }
