// The settings screen `SubDisp_Set`: every setting of one controller and one pattern on the four
// tabs of `Wbk`, with its display refresh, section visibility, edit lock and list handlers.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "forms/common_dialog.h"
#include "forms/form.h"
#include "settings/settings_layout.h"

namespace qd470 {

class Program;

class SubDisp_Set : public forms::Form {
 public:
  explicit SubDisp_Set(Program& program);
  void Form_Load() override;

  // Display (refills the whole screen for the controller and pattern chosen in the selectors).
  void SetDispUpDate();
  // The wait text shows while a one-item write waits for the controller chosen on the screen
  // (without a line nothing is sent and nothing is waited for).
  void ShowWaitText();
  void CRTextsetBLK();
  void CRTextsetFIX();
  // The status line: where the settings of the shown controller came from (SourceTbl).
  void SetStatusLine();
  // Display text of a raw value of the current edit item: out of its limits, a message and the
  // text of the broken limit.
  std::string ValueText(int16_t raw);
  // Text of a raw value with dp decimal places; empty for dp outside 0 to 3. Takes any value
  // the numeric pad can hold.
  static std::string DpValText(int64_t raw, int16_t dp);

  // The controller and pattern the screen shows (taken from the selectors at every refresh).
  int16_t ShownCh() const { return shown_ch_; }
  int16_t ShownPtn() const { return shown_ptn_; }

  // Reads all settings of a controller (cmbName_Click); the device link by default. Tests may
  // replace it to watch what happens around the read.
  std::function<void(int16_t& dev)> ReadAllSettings;

  // ---- Menus.
  forms::MenuItem& mnuFil;
  forms::MenuItem& mnupsel;
  forms::MenuItem& mnuPrint;
  forms::MenuItem& mnuEnd;
  forms::MenuItem& mnuDispSize;
  forms::MenuItem& mnunom;
  forms::MenuItem& mnuLine0;
  forms::MenuItem& mnuMin;
  forms::MenuItem& mnuMax;
  forms::MenuItem& mnuUser;
  forms::MenuItem& mnuDevCopy;
  forms::MenuItem& mnuSvCopy;
  forms::MenuItem& mnuLoadSave;
  forms::MenuItem& mnuYunit;
  forms::MenuItem& mnuAllyunit;
  forms::MenuItem& mnuCom;
  forms::MenuItem& mnuLine1;
  forms::MenuItem& mnuSSet;

  // ---- Top level.
  forms::TabControl& Wbk;
  forms::Frame& frmStatus;
  forms::Label& lblStatus;
  forms::Frame& frmComerrSet;
  forms::Label& lblComerr4;
  forms::TextBox& txtSetWait;
  forms::PictureBox& Picture1;

  // ---- Tab 0, the pattern.
  forms::Label& Label1;
  forms::ComboBox& cmbName;
  forms::PictureBox& picSprog;
  forms::ComboBox& cmbSelptn;
  forms::ComboBox& cmbChain;
  forms::Label& lblRep;
  forms::Frame& frmTsptn;
  forms::ControlArray<forms::LineControl> Line1;
  forms::ControlArray<forms::Label> Label2;
  forms::ControlArray<forms::Label> lblSV, lblTmH, lblTmM, lblPbk, lblWbk, lblAbk, lblObk;
  forms::ControlArray<forms::Label> lblTs1, lblTs2, lblTs3, lblTs4, lblTs5, lblTs6, lblTs7, lblTs8;

  // ---- Tab 1, the blocks.
  forms::Frame& frmPIDbk;
  forms::Frame& frmWaitbk;
  forms::ControlArray<forms::Frame> frmAlmbk;
  forms::Frame& frmOutbk;
  forms::Frame& frmTsbk;
  forms::ControlArray<forms::Label> Label3, Label4, Label5, Label6, Label7;
  forms::ControlArray<forms::Label> lblP, lblI, lblD, lblArw, lblPB, lblWait;
  forms::ControlArray<forms::Label> lblA1, lblA2, lblA3, lblA4;
  forms::ControlArray<forms::Label> lblOlh, lblOll, lblOlhb, lblOllb, lblOrat;
  forms::ControlArray<forms::Label> lblTsoffH, lblTsoffM, lblTsonH, lblTsonM;

  // ---- Tab 2, attached functions.
  forms::Frame& frmOTout;
  forms::Frame& frmOTout48X;
  forms::Frame& frmOter;
  forms::Frame& frmATmd;
  forms::Frame& frmOTlim;
  forms::Frame& frmOTtrs;
  forms::Frame& frmOTinp;
  forms::Frame& frmOTAlm;
  forms::ControlArray<forms::Label> Label8, Label9, Label10, Label11, Label12, Label13, Label40;
  forms::Label &lblCyc, &lblHys, &lblCycb, &lblHysb, &lblDb, &lblPdb, &lblOtim, &lblCtim;
  forms::Label &lblStsv, &lblPetm, &lblSh, &lblSl, &lblTrsh, &lblTrsl;
  forms::Label &lblStlh, &lblStll, &lblHosei, &lblFilt;
  forms::Label &lblA1hy, &lblA2hy, &lblA3hy, &lblA4hy, &lblA1dy, &lblA2dy, &lblA3dy, &lblA4dy;
  forms::Label &lblLpt, &lblLph;
  forms::ComboBox &cmbCact, &cmbLock, &cmbStsel, &cmbRtyst, &cmbTmsel, &cmbStptime, &cmbStptemp;
  forms::ComboBox &cmbSvhold, &cmbTS1sel, &cmbTS2sel, &cmbTS3sel, &cmbTS4sel, &cmbTS5sel;
  forms::ComboBox &cmbATmd, &cmbTrselect, &cmbDp, &cmbAl3f, &cmbAl4f;

  // ---- Tab 3, fixed-value parameters.
  forms::Frame& frmFixSv;
  forms::Frame& frmFixPid;
  forms::Frame& frmFixAlm;
  forms::Frame& frmFixOut;
  forms::ControlArray<forms::Label> lblFix;
  forms::Label &lblFSv, &lblFP, &lblFI, &lblFD, &lblFArw, &lblFPb;
  forms::Label &lblFalm1, &lblFalm2, &lblFalm3, &lblFalm4;
  forms::Label &lblFOlh, &lblFOll, &lblFOlhb, &lblFOllb, &lblFOrat;

  // ---- List handlers.
  void cmbAl3f_Click();
  void cmbAl4f_Click();
  void cmbATmd_Click();
  void cmbCact_Click();
  void cmbChain_Click();
  void cmbDp_Click();
  void cmbLock_Click();
  void cmbStsel_Click();
  void cmbRtyst_Click();
  void cmbTmsel_Click();
  void cmbStptime_Click();
  void cmbStptemp_Click();
  void cmbSvhold_Click();
  void cmbTrselect_Click();
  void cmbTS1sel_Click();
  void cmbTS2sel_Click();
  void cmbTS3sel_Click();
  void cmbTS4sel_Click();
  void cmbTS5sel_Click();
  void cmbName_Click();
  void cmbSelptn_Click();

  // The double-click of a value label (lblSV_DblClick to lblPetm_DblClick, one routine for
  // all of them): edits the label's setting on the numeric pad. index: the member of a label
  // array, -1 for a single label.
  void ValueLabel_DblClick(std::string_view label, int16_t index);
  // ---- Menu handlers (editing/subdisp_set_menus.cpp).
  void mnuCom_Click();
  void mnuDevCopy_Click();
  void mnuSvCopy_Click();
  void mnuYunit_Click();
  void mnuAllyunit_Click();
  void mnuSSet_Click();
  void mnuPrint_Click();
  void mnupsel_Click();
  void mnunom_Click();
  void mnuMin_Click();
  void mnuMax_Click();
  void mnuEnd_Click();

  // The common dialogs of the layout; no handler of this screen uses them.
  forms::CommonDialog dlgFile;
  forms::CommonDialog dlgPrint;

  // Shows or hides the items of alarm 3 or 4 (alarm = 3 or 4) on all tabs.
  void ShowAlarmItems(int alarm, bool shown);
  // Whether the items of alarm 3 or 4 are shown for the stored alarm function f.
  static bool AlarmItemsShown(int16_t f);

 private:
  // Layout (subdisp_set_layout.cpp).
  void BuildMenus();
  void BuildTopLevel();
  void BuildPatternTab();
  void BuildStepTable();
  void BuildBlockTab();
  void BuildParameterTab();
  setlayout::RowCursor BuildOutputFrame();
  setlayout::RowCursor BuildOtherFunctionRows();
  setlayout::RowCursor BuildAlarmRows();
  void BuildFixedTab();
  void WireHandlers();
  void WireMenus();
  // Fills a dialog's controller list with the connected controllers and selects the one shown.
  void FillControllerList(forms::ComboBox& list);

  // Form_Load steps.
  void LoadCaptionLabels();
  void LoadFixedLists();

  // Display (subdisp_set_display.cpp).
  void TakeShownSelection();
  void CRTextsetPTN();
  void CRTextsetOTR();
  void FillLabel(std::string_view label, int16_t index);

  // Visibility and edit lock (subdisp_set_visibility.cpp).
  void CRTSpcSet();
  void RebuildAlarmList(forms::ComboBox& list, int alarm);
  void SetEditLock(bool locked);

  // The common rule of the setting lists: store the chosen code and queue its write. Returns
  // whether the code changed.
  bool StoreChoice(forms::ComboBox& list, int setting);

  Program& p_;
  int16_t shown_ch_ = 0;
  int16_t shown_ptn_ = 0;
};

}  // namespace qd470
