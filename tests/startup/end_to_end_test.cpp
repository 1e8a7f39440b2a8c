// The program from its start against the simulated controller line, driven by a scripted
// operator: start-up, the settings screen behind the password, an edit on the pad that reaches
// the controller, a command from the main screen; and a start with a port that is not there.
#include <gtest/gtest.h>

#include <cerrno>
#include <fstream>
#include <string>
#include <system_error>

#include "editing/subdisp_tenkey.h"
#include "model/comm_cond_record.h"
#include "model/setting_catalogue.h"
#include "monitor/main_disp.h"
#include "settings/subdisp_set.h"
#include "startup/opuning.h"
#include "startup/qd470_module.h"
#include "support/operator.h"
#include "support/sim_defaults.h"
#include "support/sim_line.h"
#include "support/test_program.h"

namespace qd470 {
namespace {

using testing::SimLine;

constexpr uint16_t kRunCommandItem = 0x0042;
constexpr int16_t kStepSv = 17;

class EndToEndTest : public testing::ProgramTest {
 protected:
  // The init file the operator left: two controllers, 19200 baud, settings read at start or not.
  void Conditions(int16_t read_idx) {
    std::ofstream(p().DataFile("QD4INIT.DAT"), std::ios::binary)
        << EncodeCommCond({2, 0, 0, read_idx});
  }
  // Lets the program's clock run `ms` milliseconds in ticks of the communication timer.
  void Run(int ms) {
    for (int t = 0; t < ms; t += 10) p().Forms().AdvanceClock(10);
  }
  // The requests the line saw that wrote `item`.
  std::vector<SimLine::Request> WritesOf(uint16_t item) {
    std::vector<SimLine::Request> out;
    for (const auto& r : sim.Log()) {
      if (r.cmd == 'P' && r.item == item) out.push_back(r);
    }
    return out;
  }
  MainDisp& main() { return p().Form<MainDisp>(); }

  SimLine sim{2};
};

TEST_F(EndToEndTest, AnEditOnTheSettingsScreenAndARunCommandReachTheController) {
  const uint16_t step_sv = *WireItemMap(kStepSv, 0, 3);
  testing::LoadDefaultSettings(sim, 2);
  sim.SetValue(0, step_sv, 100);
  sim.SetValue(1, 0x003F, 7);  // controller 1 runs pattern 7
  Conditions(0);
  testing::ScriptOperator(p(), "", sim.SlavePath());
  QD470::Main(p());
  EXPECT_TRUE(msg().shown.empty());
  ASSERT_EQ(p().PortOpen, kTrue);
  EXPECT_EQ(p().StartRead, kTrue);
  EXPECT_EQ(p().RcvMask, 1);  // controller 0 was read at start
  EXPECT_EQ(p().PtnData[0][0][0][3], 100);
  ASSERT_TRUE(main().Visible());
  EXPECT_FALSE(p().Form<Opuning>().Visible());

  // The pattern numbers follow the controllers.
  EXPECT_EQ(main().lblAM32ptn(1).Caption, "7");  // from the first poll
  sim.SetValue(1, 0x003F, 4);
  Run(300);
  EXPECT_EQ(main().lblAM32ptn(1).Caption, "4");

  // The settings screen through the password; step 3's SV typed on the pad.
  main().mnuSetDisp_Click();
  SubDisp_Set& screen = p().Form<SubDisp_Set>();
  ASSERT_TRUE(screen.Visible());
  screen.lblSV(3).RaiseDblClick();
  SubDisp_Tenkey& pad = p().Form<SubDisp_Tenkey>();
  ASSERT_TRUE(pad.Visible());
  for (int digit : {2, 5, 0}) pad.Ten_key(digit).RaiseClick();
  pad.cmdOK.RaiseClick();
  EXPECT_FALSE(p().Forms().IsLoaded<SubDisp_Tenkey>() && pad.Visible());
  const int16_t typed = p().PtnData[0][0][0][3];
  EXPECT_NE(typed, 100);
  Run(100);
  EXPECT_EQ(sim.Value(0, step_sv), typed);
  EXPECT_EQ(p().SendReq, 0);

  // RUN on the one-channel view writes the run command.
  sim.ClearLog();
  main().cmdSelrun.RaiseClick();
  Run(100);
  const auto runs = WritesOf(kRunCommandItem);
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(runs[0].dev, 0);
  EXPECT_EQ(runs[0].data, 1);
}

TEST_F(EndToEndTest, APortThatIsNotThereIsSaidAndTheMainScreenStillWorks) {
  const std::string port = (folder_.path() / "no-such-port").string();
  testing::ScriptOperator(p(), "", port);
  QD470::Main(p());
  EXPECT_EQ(msg().Texts().back(), p().LoadResString(10) + "\n" + p().LoadResString(11) + "\n" +
                                      port + " (" + std::generic_category().message(ENOENT) + ")");
  EXPECT_EQ(p().PortOpen, kFalse);
  EXPECT_EQ(p().StartRead, kFalse);
  ASSERT_TRUE(main().Visible());
  EXPECT_EQ(p().CommState, 1);
  main().cmdSelrun.RaiseClick();
  EXPECT_EQ(p().SendReq, 1);
  Run(100);  // the ticks run and return: the write waits for a line
  EXPECT_EQ(p().SendReq, 1);
  main().mnuSetDisp_Click();
  EXPECT_TRUE(p().Form<SubDisp_Set>().Visible());
}

TEST_F(EndToEndTest, APortRefusedForLackOfPermissionNamesTheGroup) {
  for (int error : {EACCES, EPERM}) {
    const std::string text = QD470::PortOpenError(p(), "/dev/ttyUSB0", error);
    EXPECT_TRUE(text.ends_with("\n" + p().LoadResString(464))) << text;
  }
  EXPECT_EQ(QD470::PortOpenError(p(), "/dev/ttyUSB0", ENOENT).find(p().LoadResString(464)),
            std::string::npos);
}

// The start-up window says that the settings are being read; the operator gives up waiting and
// closes it: the read stops after the transaction under way and the main screen never shows.
TEST_F(EndToEndTest, ClosingTheStartWindowDuringTheFirstReadEndsTheProgram) {
  Conditions(0);
  testing::ScriptOperator(p(), "", sim.SlavePath());
  bool said_reading = false;
  fakes_.pump.on_events = [&] {
    said_reading = p().Form<Opuning>().lblWait.Visible;
    if (fakes_.pump.calls != 10) return;
    Opuning& start = p().Form<Opuning>();
    p().Forms().RunInput({&start, nullptr, true}, [&] { p().Forms().RequestClose(start); });
  };
  QD470::Main(p());
  fakes_.pump.on_events = nullptr;
  EXPECT_TRUE(said_reading);
  EXPECT_EQ(p().EndReq, -1);
  EXPECT_EQ(fakes_.pump.calls, 10);
  EXPECT_FALSE(main().Visible());
  EXPECT_FALSE(main().tmrComm.Enabled);
}

TEST_F(EndToEndTest, TheWayOutClosesThePort) {
  Conditions(1);
  testing::ScriptOperator(p(), "", sim.SlavePath());
  QD470::Main(p());
  EXPECT_EQ(p().SetLoadMask, -1);
  ASSERT_TRUE(p().Comm().IsOpen());
  QD470::EndProgram(p());
  EXPECT_FALSE(p().Comm().IsOpen());
  EXPECT_EQ(p().PortOpen, kFalse);
  EXPECT_FALSE(main().tmrComm.Enabled);
}

}  // namespace
}  // namespace qd470
