// Benchmark of the Qt backend's sync of a large form (about 700 labels): with the widgets in
// step (nothing to do) and with every caption changed.
#include <benchmark/benchmark.h>

#include "qt_bench_main.h"
#include <memory>
#include <string>
#include <vector>

#include "forms/form_host.h"
#include "qt/qt_backend.h"

namespace {

using namespace qd470;

constexpr int kColumns = 10;
constexpr int kRows = 70;

// A grid of value boxes, as the settings screen has them.
class ManyLabels : public forms::Form {
 public:
  ManyLabels() : Form("ManyLabels") {
    Width = kColumns * 1100 + 300;
    Height = kRows * 330 + 300;
    for (int i = 0; i < kColumns * kRows; ++i) {
      forms::Label& l = AddMember(lblValue, "lblValue", i);
      l.Move(150 + (i % kColumns) * 1100, 150 + (i / kColumns) * 330, 1000, 300);
      l.Sunken = true;
      l.Align = forms::Alignment::kRight;
      l.Caption = std::to_string(i);
    }
  }
  forms::ControlArray<forms::Label> lblValue;
};

struct Shown {
  Shown() {
    host.Register<ManyLabels>([] { return std::make_unique<ManyLabels>(); });
    backend = std::make_unique<qt::QtBackend>(host);
    form = &host.Get<ManyLabels>();
    host.Show(*form);
    QCoreApplication::processEvents();
  }
  ~Shown() { backend.reset(); }
  forms::FormHost host;
  std::unique_ptr<qt::QtBackend> backend;
  ManyLabels* form = nullptr;
};

void BM_SyncInStep(benchmark::State& state) {
  Shown shown;
  for (auto _ : state) shown.backend->Sync(*shown.form);
  state.counters["labels"] = shown.form->lblValue.Count();
}
BENCHMARK(BM_SyncInStep)->Unit(benchmark::kMicrosecond);

void BM_SyncAllCaptionsChanged(benchmark::State& state) {
  Shown shown;
  std::vector<std::string> a, b;
  for (int i = 0; i < kColumns * kRows; ++i) {
    a.push_back(std::to_string(i * 7 % 1000) + ".5");
    b.push_back(std::to_string(-1 - i * 3 % 1000) + ".0");
  }
  bool flip = false;
  for (auto _ : state) {
    flip = !flip;
    const auto& captions = flip ? a : b;
    for (auto& [i, label] : shown.form->lblValue) label->Caption = captions[static_cast<size_t>(i)];
    shown.backend->Sync(*shown.form);
  }
}
BENCHMARK(BM_SyncAllCaptionsChanged)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) { return RunQtBenchmarks(argc, argv); }
