// Edit to wire: Enter on the numeric pad, opened on a step temperature of the settings screen,
// to the first character of that write arriving at the simulated line, at 19200 baud with the
// program polling 3 or 32 controllers through the Qt backend's clock. The Enter key comes from
// another thread at a random moment through the window system's input queue, as a key typed on
// the keyboard does: in the middle of a poll step or between two. Reports the median and the
// largest of the runs.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <random>
#include <thread>
#include <vector>

#include "editing/subdisp_tenkey.h"
#include "monitor/main_disp.h"
#include "program/program.h"
#include "qt/qt_backend.h"
#include "qt_bench_main.h"
#include "settings/subdisp_set.h"
#include "support/fake_services.h"
#include "support/operator.h"
#include "support/sample_settings.h"
#include "support/sim_line.h"
#include "support/test_program.h"

namespace {

using qd470::testing::SimLine;
using Clock = std::chrono::steady_clock;  // CLOCK_MONOTONIC, as the line's times

constexpr int kBaud = 19200;
constexpr int kRuns = 40;

int64_t NowNs() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch())
      .count();
}

// Types `value` on the pad opened by a double-click on the step temperature of step 3.
QLineEdit* OpenPad(qd470::Program& program, qd470::qt::QtBackend& backend, int value) {
  program.Form<qd470::SubDisp_Set>().lblSV(3).RaiseDblClick();
  auto& pad = program.Form<qd470::SubDisp_Tenkey>();
  for (char digit : std::to_string(value)) pad.Ten_key_Click(digit - '0');
  backend.SyncAll();
  return backend.Window(pad)->findChild<QLineEdit*>("txtNewSet");
}

void BM_EditToWire(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  qd470::testing::TempFolder folder;
  qd470::testing::FakeServices fakes;
  qd470::Program program(folder.path() / "prog", fakes.Bundle(), qd470::Language::kEnglish);
  SimLine sim(count);
  sim.SetBaud(kBaud);
  program.Comm().Open(sim.SlavePath(), 0);
  program.PortOpen = -1;
  program.CommState = 1;
  program.CommCond.DevCount = static_cast<int16_t>(count);
  qd470::testing::FillSampleSettings(program);  // controller 0 with a step temperature range
  program.SetLoadMask = -1;  // the settings are taken as read: the screen opens without a read
  auto& main = program.Form<qd470::MainDisp>();
  qd470::testing::ScriptOperator(program);  // answers the password dialog
  main.mnuSetDisp_Click();
  qd470::qt::QtBackend backend(program.Forms());
  program.Forms().Show(main);
  auto& screen = program.Form<qd470::SubDisp_Set>();
  program.Forms().Hide(screen);
  program.Forms().Show(screen);  // its window is made while the backend observes

  QEventLoop loop;
  std::atomic<int64_t> wire_ns{0};
  sim.SetRequestHook([&](const SimLine::Request& request, int64_t first_ns) {
    if (request.cmd != 'P') return;
    wire_ns = first_ns;
    QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
  });
  std::mt19937 random(20);
  // Enter comes once the poll runs steadily after the pad opened, anywhere in two transactions.
  std::uniform_int_distribution<int> delay_us(100'000, 130'000);
  std::vector<double> ms;
  QTimer give_up;  // a write that never comes ends the run
  give_up.setSingleShot(true);
  give_up.setInterval(2000);
  QObject::connect(&give_up, &QTimer::timeout, &loop, &QEventLoop::quit);
  main.tmrComm.Enabled = true;
  for (auto _ : state) {
    QLineEdit* entry = OpenPad(program, backend, 100 + static_cast<int>(ms.size() % 2));
    std::atomic<int64_t> enter_ns{0};
    wire_ns = 0;
    std::thread typist([&, window = entry->window()->windowHandle(), wait = delay_us(random)] {
      std::this_thread::sleep_for(std::chrono::microseconds(wait));
      enter_ns = NowNs();
      // Queued as the window system's input and taken in when the application's thread
      // next handles that input; this thread waits until then.
      qt_handleKeyEvent(window, QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
    });
    give_up.start();
    loop.exec();
    give_up.stop();
    typist.join();
    if (wire_ns <= enter_ns) {
      state.SkipWithError("no write reached the line");
      break;
    }
    const double elapsed = static_cast<double>(wire_ns - enter_ns) / 1e9;
    state.SetIterationTime(elapsed);
    ms.push_back(elapsed * 1e3);
  }
  main.tmrComm.Enabled = false;
  sim.SetRequestHook(nullptr);
  program.Forms().SetObserver(nullptr);
  if (ms.empty()) return;
  std::sort(ms.begin(), ms.end());
  state.counters["median_ms"] = ms[ms.size() / 2];
  state.counters["max_ms"] = ms.back();
}
BENCHMARK(BM_EditToWire)
    ->Arg(3)
    ->Arg(32)
    ->UseManualTime()
    ->Iterations(kRuns)
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return RunQtBenchmarks(argc, argv); }
