// The settings screen's menus: the dialogs they fill, preselect and show, printing, printer
// choice, window size and the end of the screen.
#include <gtest/gtest.h>

#include "link/subdisp_copy.h"
#include "link/subdisp_trs.h"
#include "monitor/main_disp.h"
#include "monitor/prnselect.h"
#include "settings/subdisp_file.h"
#include "settings/subdisp_loadsave.h"
#include "settings/subdisp_set.h"
#include "settings/subdisp_sset.h"
#include "support/operator.h"
#include "support/sample_settings.h"
#include "support/test_program.h"

namespace qd470 {
namespace {

const std::vector<std::string> kNames{"Furnace 1", "Furnace 2", "Furnace 3"};

// Three connected controllers, controller 2 and pattern 4 shown.
class SettingsMenuTest : public testing::ProgramTest {
 protected:
  SettingsMenuTest() {
    testing::FillSampleSettings(p());
    p().Form<MainDisp>().mnuSetDisp_Click();
    s().cmbName.SetListIndex(2);
    s().cmbSelptn.SetListIndex(4);
    msg().shown.clear();  // what the screen's refresh said about the sample values
  }
  SubDisp_Set& s() { return p().Form<SubDisp_Set>(); }
  // Records each modal form shown, with CommState at that moment.
  void WatchModal() {
    p().Forms().SetModalScript([this](forms::Form& form) {
      modal.push_back(form.Name());
      comm_state_seen = p().CommState;
    });
  }
  static void ExpectList(const forms::ComboBox& list, int selected) {
    EXPECT_EQ(list.Items(), kNames) << list.FullName();
    EXPECT_EQ(list.ListIndex(), selected) << list.FullName();
  }
  std::vector<std::string> modal;
  int16_t comm_state_seen = -99;
};

TEST_F(SettingsMenuTest, DeviceCopyListsBothStartAtTheShownController) {
  SubDisp_Copy& dialog = p().Form<SubDisp_Copy>();
  dialog.cmbName(0).AddItem("stale");
  p().CommState = 1;
  s().mnuDevCopy.RaiseClick();
  ExpectList(dialog.cmbName(0), 2);
  ExpectList(dialog.cmbName(1), 2);
  EXPECT_TRUE(dialog.Visible() && !dialog.Modal());
  EXPECT_EQ(p().CommState, 1);
}

TEST_F(SettingsMenuTest, InMemoryCopyOpensOnTheChoiceWithShownControllerAndPattern) {
  SubDisp_File& dialog = p().Form<SubDisp_File>();
  dialog.cmdFilesel.RaiseClick();  // left open last time
  s().mnuSvCopy.RaiseClick();
  for (int i = 0; i < 4; ++i) ExpectList(dialog.cmbName(i), 2);
  EXPECT_EQ(dialog.cmbPtn(0).ListIndex(), 4);
  EXPECT_EQ(dialog.cmbPtn(1).ListIndex(), 4);
  EXPECT_FALSE(dialog.frmFileall.Visible || dialog.frmFilesel.Visible);
  EXPECT_TRUE(dialog.cmdFileall.Enabled && dialog.cmdFilesel.Enabled);
  EXPECT_TRUE(dialog.Visible() && !dialog.Modal());
}

TEST_F(SettingsMenuTest, SettingFileMenusOpenTheirDialogsModeless) {
  s().mnuYunit.RaiseClick();
  ExpectList(p().Form<SubDisp_LoadSave>().cmbName(0), 2);
  EXPECT_TRUE(p().Form<SubDisp_LoadSave>().Visible());
  s().mnuAllyunit.RaiseClick();
  EXPECT_TRUE(p().Form<SubDisp_AllLoadSave>().Visible());
  EXPECT_FALSE(p().Form<SubDisp_AllLoadSave>().Modal());
}

TEST_F(SettingsMenuTest, TransferAndSpecificationAreModalAndTransferSetsCommStateFirst) {
  WatchModal();
  p().CommState = 1;
  p().SendReq = 1;
  s().mnuCom.RaiseClick();
  EXPECT_EQ(comm_state_seen, 7);
  ExpectList(p().Form<SubDisp_TRS>().cmbName, 2);
  s().mnuSSet.RaiseClick();
  EXPECT_EQ(p().Form<SubDisp_SSet>().ShownDev, 0);
  EXPECT_EQ(modal, (std::vector<std::string>{"SubDisp_TRS", "SubDisp_SSet"}));
}

TEST_F(SettingsMenuTest, PrintCapturesTheScreenAndPrintsItOnTheCurrentPrinter) {
  fakes_.printers.names = {"office", "lab"};
  fakes_.printers.current = "lab";
  s().mnuPrint.RaiseClick();
  ASSERT_EQ(fakes_.printers.printed.size(), 1u);
  EXPECT_EQ(fakes_.printers.printed[0].printer, "lab");
  EXPECT_EQ(fakes_.printers.printed[0].picture.width, 4);
  EXPECT_EQ(fakes_.printers.printed[0].title, s().Caption);  // a PDF printer names its file so
  EXPECT_EQ(fakes_.capture.captured.at(0), &s());
  EXPECT_FALSE(s().Picture1.Picture->has_value());
}

TEST_F(SettingsMenuTest, PrintFailuresEndSilently) {
  fakes_.printers.names = {"office"};
  fakes_.printers.current = "office";
  fakes_.printers.print_ok = false;
  s().mnuPrint.RaiseClick();
  EXPECT_TRUE(s().Picture1.Picture->has_value());  // the captured image stays behind
  fakes_.printers.current = "";                    // no printer at all
  s().mnuPrint.RaiseClick();
  EXPECT_EQ(fakes_.printers.printed.size(), 1u);
  EXPECT_TRUE(msg().shown.empty());
}

TEST_F(SettingsMenuTest, PrinterChoiceSetsTheCurrentPrinterOrKeepsItOnCancel) {
  fakes_.printers.names = {"office", "lab", "plant"};
  fakes_.printers.current = "office";
  int shown = 0;
  // First OK with nothing chosen (asked again), then "plant".
  p().Forms().SetModalScript([&](forms::Form& form) {
    auto& dialog = dynamic_cast<prnselect&>(form);
    EXPECT_EQ(dialog.cmbPrinter.Items(), fakes_.printers.names);
    dialog.cmbPrinter.SetListIndex(++shown == 1 ? -1 : 2);
    dialog.cmdOK.RaiseClick();
  });
  s().mnupsel.RaiseClick();
  EXPECT_EQ(shown, 2);
  EXPECT_EQ(fakes_.printers.current, "plant");
  EXPECT_EQ(p().PrnIndex, 2);
  EXPECT_FALSE(p().Forms().IsLoaded<prnselect>());
  // A printer added since: the next opening lists it, and the current printer is kept by name.
  fakes_.printers.names.insert(fakes_.printers.names.begin(), "annex");
  p().Forms().SetModalScript([this](forms::Form& form) {
    auto& dialog = dynamic_cast<prnselect&>(form);
    EXPECT_EQ(dialog.cmbPrinter.Items(), fakes_.printers.names);
    EXPECT_EQ(dialog.cmbPrinter.Text(), "plant");
    dialog.cmdCancel.RaiseClick();
  });
  s().mnupsel.RaiseClick();
  EXPECT_EQ(fakes_.printers.current, "plant");
  EXPECT_EQ(p().PrnIndex, -2);
}

TEST_F(SettingsMenuTest, EndingTheScreenKeepsEverySetting) {
  p().PtnData[0][1][3][2] = 777;
  const int16_t set_ch = p().SetCh;
  s().mnuEnd.RaiseClick();
  EXPECT_FALSE(p().Forms().IsLoaded<SubDisp_Set>());
  EXPECT_EQ(p().SetCh, set_ch);
  testing::ScriptOperator(p());
  p().Form<MainDisp>().mnuSetDisp_Click();
  EXPECT_EQ(p().PtnData[0][1][3][2], 777);
  EXPECT_TRUE(s().Visible());
}

}  // namespace
}  // namespace qd470
