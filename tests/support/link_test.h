// A program object whose link is open on the simulated controller line (fast line, short
// timeouts), in monitoring state.
#pragma once

#include <functional>
#include <memory>

#include "link/qd470_link.h"
#include "monitor/main_disp.h"
#include "settings/subdisp_set.h"
#include "support/sim_line.h"
#include "support/test_program.h"

namespace qd470::testing {

class LinkTest : public ProgramTest {
 protected:
  static constexpr int kReplyMs = 20;
  static constexpr int kCharMs = 10;

  void SetUp() override { Connect(32, 32); }

  // A line with `present` answering controllers and `dev_count` configured ones.
  void Connect(int present, int16_t dev_count) {
    p().Comm().Close();
    sim_ = std::make_unique<SimLine>(present);
    p().Comm().SetTimeouts(kReplyMs, kCharMs);
    ASSERT_TRUE(p().Comm().Open(sim_->SlavePath(), 0).ok);
    p().PortOpen = -1;
    p().CommState = 1;
    p().CommCond.DevCount = dev_count;
  }
  void TearDown() override { p().Comm().Close(); }

  SimLine& sim() { return *sim_; }
  FakePump& pump() { return fakes_.pump; }
  // One communication tick, then the operator's input it held back.
  void Tick() {
    p().Form<MainDisp>().tmrComm_Timer();
    p().Forms().RunHeldInput();
  }
  // The operator's event on `control` of `form` (nullptr: a menu of the form), delivered as the
  // event layer delivers it while work may run.
  forms::InputFate Operate(forms::Form& form, forms::Control* control,
                           std::function<void()> event) {
    return p().Forms().RunInput({&form, control}, std::move(event));
  }

  // The settings screen lists `count` controllers and shows controller `dev`, without reading it.
  SubDisp_Set& ShowOnScreen(int count, int16_t dev) {
    SubDisp_Set& screen = p().Form<SubDisp_Set>();
    screen.cmbName.Clear();
    for (int i = 0; i < count; ++i) screen.cmbName.AddItem("ch");
    p().SetLoadMask = -1;
    screen.cmbName.SetListIndex(dev);
    return screen;
  }

  std::unique_ptr<SimLine> sim_;
};

}  // namespace qd470::testing
