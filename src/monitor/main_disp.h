// The main screen `MainDisp`, as far as the settings side needs it: the 32-channel list, the
// 8-channel pages and the one-channel view with their pattern labels, command buttons and manual
// MV up-downs, the settings menu behind the password, and the exit question.
#pragma once

#include <cstdint>

#include "forms/form.h"
#include "monitor/commands.h"

namespace qd470 {

class Program;

class MainDisp : public forms::Form {
 public:
  static constexpr int kPageChannels = 8;
  static constexpr int kPages = 4;

  explicit MainDisp(Program& program);
  void Form_Load() override;
  // Asks strings 71 and 72; yes sets EndReq and unloads the other screens.
  void Form_QueryUnload(bool& cancel) override;

  // Shows the names of the connected controllers and hides the places of the others.
  void NameSet();
  // Shows the pattern numbers and manual MVs of the monitor tables.
  void PtnManDisp();

  // Opens the settings screen behind the password on the controller and pattern of the
  // one-channel view.
  void mnuSetDisp_Click();
  void cmbName_Click();
  void TabStrip1_Click();
  // The pattern-number labels: SetCh and EditItem 95 for the pad.
  void lblAM32ptn_DblClick(int index);
  void lblAMrptn_DblClick(int index);
  void lblSelptn_DblClick();
  void updAMman_Change(int index);
  void updSelman_Change();

  // The controller of column `index` of the 8-channel page shown.
  int PageChannel(int index) const;
  // The controller of the one-channel view.
  int SelChannel() const;

  forms::MenuItem& mnuSetDisp;
  forms::Timer& tmrComm;  // the communication tick, every 10 ms

  // The refresh at the end of each poll cycle.
  void CRTAllMon();

  // The device link (defined in src/link/).
  void tmrComm_Timer();
  // Send and read all settings of dev; each keeps in SourceTbl how many values it moved.
  void SetTRsend(int16_t dev);
  // True when every setting was read and acknowledged.
  bool SetTRecive(int16_t dev);

  // 8-channel pages.
  forms::TabControl& TabStrip1;
  forms::Label& lblAMptnHead;
  forms::ControlArray<forms::Label> lblAMname;
  forms::ControlArray<forms::Label> lblAMrptn;
  forms::ControlArray<forms::CommandButton> cmdAMrun;
  forms::ControlArray<forms::CommandButton> cmdAMhold;
  forms::ControlArray<forms::CommandButton> cmdAMadv;
  forms::ControlArray<forms::CommandButton> cmdAMbadv;
  forms::ControlArray<forms::CommandButton> cmdAMprg;
  forms::ControlArray<forms::CommandButton> cmdAMat;
  forms::ControlArray<forms::CommandButton> cmdAMmu;
  forms::ControlArray<forms::Label> lblAMman;
  forms::ControlArray<forms::UpDown> updAMman;

  // 32-channel list.
  forms::Frame& fraAM32;
  forms::ControlArray<forms::Label> lblAM32ptnHead;
  forms::ControlArray<forms::Label> lblAM32name;
  forms::ControlArray<forms::Label> lblAM32ptn;
  forms::ControlArray<forms::CommandButton> cmdAM32run;
  forms::ControlArray<forms::CommandButton> cmdAM32stop;

  // One-channel view.
  forms::Frame& fraSel;
  forms::Label& lblSelName;
  forms::ComboBox& cmbName;
  forms::Label& lblSelptnHead;
  forms::Label& lblSelptn;
  forms::CommandButton& cmdSelrun;
  forms::CommandButton& cmdSelhold;
  forms::CommandButton& cmdSeladv;
  forms::CommandButton& cmdSelbadv;
  forms::CommandButton& cmdSelprg;
  forms::CommandButton& cmdSelat;
  forms::CommandButton& cmdSelmanu;
  forms::Label& lblSelman;
  forms::UpDown& updSelman;

 private:
  void BuildPage();
  void BuildList();
  void BuildSel();
  // Wires a command button to queue `command` for the controller `channel` gives.
  template <class Channel>
  void OnCommand(forms::CommandButton& button, Command command, Channel channel);
  // The numeric pad for setting 95 of controller `ch`.
  void OpenPatternPad(int ch, const forms::Control& near);
  // Shows controller ch's manual MV on the label and up-down without queueing a write.
  void ShowManual(int ch, forms::Label& label, forms::UpDown& updown);
  void ManualChange(int ch, forms::UpDown& updown);

  Program& p_;
  bool showing_ = false;  // the up-downs are being set from the tables
};

}  // namespace qd470
