// Tests of the main screen: queued commands by status, the manual MV up-downs, the pattern
// labels, the password gate in front of the settings screen and the exit question.
#include "monitor/main_disp.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <string>

#include "editing/subdisp_tenkey.h"
#include "monitor/subdisp_pass.h"
#include "settings/default_settings.h"
#include "settings/subdisp_set.h"
#include "startup/opuning.h"
#include "startup/qd470_module.h"
#include "support/operator.h"
#include "support/test_program.h"

namespace qd470 {
namespace {

using testing::ProgramTest;

class MainDispTest : public ProgramTest {
 protected:
  MainDispTest() {
    p().CommCond.DevCount = 20;
    QD470::NameDefaults(p());
    Datainitial(p());
  }
  MainDisp& m() { return p().Form<MainDisp>(); }
  void ExpectQueued(int ch, int item, int value) {
    EXPECT_EQ(p().SendReq, 1);
    EXPECT_EQ(p().Pending.back().SetCh, ch);
    EXPECT_EQ(p().Pending.back().EditItem, item);
    EXPECT_EQ(p().Pending.back().SendVal, value);
  }
};

TEST_F(MainDispTest, CommandButtonsQueueTheirSettingByTheStatusBit) {
  struct Case {
    const char* button;
    int16_t status;
    int item;
    int value;
  };
  const Case cases[] = {
      {"cmdAMrun", 0, 98, 1},          {"cmdAMrun", kStatRun, 98, 0},
      {"cmdAMprg", 0, 97, 1},          {"cmdAMprg", kStatProgram, 97, 0},
      {"cmdAMat", 0, 101, 1},          {"cmdAMat", kStatAutoTuning, 101, 0},
      {"cmdAMmu", 0, 102, 1},          {"cmdAMmu", kStatManual | kStatRun, 102, 0},
      {"cmdAMhold", kStatRun, 99, 1},  {"cmdAMhold", kStatRun | kStatHold, 98, 1},
      {"cmdAMadv", kStatRun, 96, 1},   {"cmdAMbadv", kStatRun, 100, 1},
      {"cmdAM32run", kStatRun, 98, 1}, {"cmdAM32stop", 0, 98, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.button) + " status " + std::to_string(c.status));
    p().SendReq = 0;
    p().DevStatus[5] = c.status;
    m().FindAs<forms::CommandButton>(c.button, 5)->RaiseClick();
    ExpectQueued(5, c.item, c.value);
  }
}

TEST_F(MainDispTest, EachViewSendsToItsOwnController) {
  ASSERT_TRUE(m().TabStrip1.SetTab(1));
  m().cmdAMrun(3).RaiseClick();
  ExpectQueued(11, 98, 1);
  m().cmbName.SetListIndex(17);
  m().cmdSelbadv.RaiseClick();
  ExpectQueued(17, 100, 1);
  m().cmdAM32stop(19).RaiseClick();
  ExpectQueued(19, 98, 0);
}

TEST_F(MainDispTest, ThePagesShowOnlyConnectedControllers) {
  EXPECT_FALSE(m().TabStrip1.SetTab(3));
  ASSERT_TRUE(m().TabStrip1.SetTab(2));
  EXPECT_EQ(m().lblAMname(3).Caption, "Channel number19");
  EXPECT_TRUE(m().cmdAMrun(3).Visible);
  EXPECT_FALSE(m().cmdAMrun(4).Visible);
  EXPECT_TRUE(m().lblAM32ptn(19).Visible);
  EXPECT_FALSE(m().cmdAM32run(20).Visible);
}

TEST_F(MainDispTest, PatternLabelsPickTheControllerForSetting95) {
  p().PtnNoTbl()[13] = 4;
  ASSERT_TRUE(m().TabStrip1.SetTab(1));
  EXPECT_EQ(m().lblAMrptn(5).Caption, "4");
  m().lblAMrptn(5).RaiseDblClick();
  EXPECT_EQ(p().SetCh, 13);
  EXPECT_EQ(p().EditItem, 95);
  m().lblAM32ptn(7).RaiseDblClick();
  EXPECT_EQ(p().SetCh, 7);
  m().cmbName.SetListIndex(2);
  m().lblSelptn.RaiseDblClick();
  EXPECT_EQ(p().SetCh, 2);
  EXPECT_EQ(p().EditItem, 95);
  EXPECT_EQ(p().SendReq, 0);

  // The pad opened on controller 13's pattern number (the first opener) and kept it: a typed
  // pattern is stored and queued for that controller.
  SubDisp_Tenkey& pad = p().Form<SubDisp_Tenkey>();
  EXPECT_TRUE(pad.Visible());
  EXPECT_EQ(pad.lblLimit.Caption, p().LoadResString(396));
  pad.Ten_key(6).RaiseClick();
  pad.cmdOK.RaiseClick();
  EXPECT_EQ(p().SendReq, 1);
  EXPECT_EQ(p().Pending.back().EditItem, 95);
  EXPECT_EQ(p().Pending.back().SendVal, 6);
}

TEST_F(MainDispTest, ManualMvIsWrittenOnlyInManualModeAndWithinItsLimits) {
  p().PrmData[0x1C][2] = 900;  // output high limit
  p().PrmData[0x1D][2] = 0;    // output low limit
  p().ManMvTbl()[2] = 500;
  m().PtnManDisp();
  m().updAMman(2).Up();  // auto mode: back to the value in force
  EXPECT_EQ(p().SendReq, 0);
  EXPECT_EQ(m().updAMman(2).Value(), 500);

  p().DevStatus[2] = kStatManual;
  m().updAMman(2).Up();
  ExpectQueued(2, 103, 501);
  EXPECT_EQ(p().ManMvTbl()[2], 501);
  EXPECT_EQ(m().lblAMman(2).Caption, "50.1");

  p().SendReq = 0;
  m().cmbName.SetListIndex(2);
  m().updSelman.SetValue(901);  // above the high limit
  EXPECT_EQ(p().SendReq, 0);
  EXPECT_EQ(m().updSelman.Value(), 501);
}

TEST(PasswordFile, NoFileIsTheEmptyPasswordAnUnreadableOneAdmitsNobody) {
  testing::TempFolder folder;
  const auto file = folder.path() / "QD4PW.DAT";
  EXPECT_EQ(ReadPassword(file), "");
  std::ofstream(file) << "furnace 7\r\nnext line";
  EXPECT_EQ(ReadPassword(file), "furnace 7");
  std::ofstream(file) << std::string(2000, 'p');
  EXPECT_EQ(ReadPassword(file), std::nullopt);
  std::filesystem::remove(file);
  std::filesystem::create_directory(file);
  EXPECT_EQ(ReadPassword(file), std::nullopt);
}

TEST_F(MainDispTest, TheSettingsScreenOpensOnlyBehindTheRightPassword) {
  std::ofstream(p().DataFile("QD4PW.DAT")) << "oven\n";
  p().PtnNoTbl()[3] = 6;
  m().cmbName.SetListIndex(3);
  EXPECT_NE(p().Form<SubDisp_Pass>().txtPass.PasswordChar, 0);
  for (const char* typed : {"", "Oven", "oven "}) {
    SCOPED_TRACE(typed);
    testing::ScriptOperator(p(), typed);
    m().mnuSetDisp.RaiseClick();
    EXPECT_FALSE(p().Forms().IsLoaded<SubDisp_Set>() && p().Form<SubDisp_Set>().Visible());
  }
  testing::ScriptOperator(p(), "oven");
  m().mnuSetDisp.RaiseClick();
  SubDisp_Set& screen = p().Form<SubDisp_Set>();
  EXPECT_TRUE(screen.Visible());
  EXPECT_FALSE(p().Forms().IsLoaded<SubDisp_Pass>());
  EXPECT_EQ(screen.cmbName.ListCount(), 20);
  EXPECT_EQ(screen.cmbName.ListIndex(), 3);
  EXPECT_EQ(screen.cmbSelptn.ListIndex(), 6);
}

// A password file that is there but cannot be read is named with the reason at each OK.
TEST_F(MainDispTest, AnUnreadablePasswordFileIsSaidAtEachOk) {
  const std::filesystem::path file = p().DataFile("QD4PW.DAT");
  ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
  testing::ScriptOperator(p(), "");
  m().mnuSetDisp.RaiseClick();
  m().mnuSetDisp.RaiseClick();
  const std::string said = p().LoadResString(583) + " " + file.string() + " (Not a regular file)";
  EXPECT_EQ(msg().Texts(), (std::vector<std::string>{said, said}));
  EXPECT_FALSE(p().Forms().IsLoaded<SubDisp_Set>() && p().Form<SubDisp_Set>().Visible());
}

TEST_F(MainDispTest, YesToTheExitQuestionUnloadsTheOtherScreens) {
  p().Form<Opuning>();
  p().Form<SubDisp_Set>();
  msg().answers.push_back(forms::MsgResult::kYes);
  p().Forms().RequestClose(m());
  EXPECT_EQ(p().EndReq, -1);
  EXPECT_TRUE(p().Forms().LoadedForms().empty());
}

}  // namespace
}  // namespace qd470
