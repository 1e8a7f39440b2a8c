// The in-memory copy dialog `SubDisp_File`: copies all settings of one controller onto another,
// or the steps of one pattern onto another pattern, inside the data model only.
#pragma once

#include <cstdint>

#include "forms/form.h"

namespace qd470 {

class Program;

class SubDisp_File : public forms::Form {
 public:
  explicit SubDisp_File(Program& program);
  void Form_Load() override;

  // The copy routines; the device-to-device copy job uses them too. Arguments are controllers
  // 0 to 31 and patterns 0 to 9: the callers keep them inside those bounds.
  // Steps 0 to 9 of one pattern; the target keeps its own repeat count and link.
  void FilecopyallPRG(int16_t srcDev, int16_t dstDev, int16_t srcPtn, int16_t dstPtn);
  // Blocks 0 to 9 with the repeat counts and links of patterns 0 to 9, and the time-signal
  // items of blocks 0 to 15.
  void FilecopyallBLK(int16_t srcDev, int16_t dstDev);
  // PrmData codes 00 to 3E, 46 and 47.
  void FilecopyallOTR(int16_t srcDev, int16_t dstDev);
  // A whole controller: FilecopyallOTR, FilecopyallPRG for every pattern onto itself, then
  // FilecopyallBLK. The target's settings then come from where the source's came from.
  void CopyWholeController(int16_t srcDev, int16_t dstDev);

  void cmdFileall_Click();
  void cmdFilesel_Click();
  void cmdFileallrun_Click(int Index);
  void cmdFileselrun_Click(int Index);
  void cmdFileCan_Click();

  forms::TextBox& txtFilemsg;
  forms::CommandButton& cmdFileall;
  forms::CommandButton& cmdFilesel;
  forms::CommandButton& cmdFileCan;
  forms::Frame& frmFileall;
  forms::Frame& frmFilesel;
  forms::ControlArray<forms::Label> lblFileall;
  forms::ControlArray<forms::ComboBox> cmbName;  // (0), (1) controller copy; (2), (3) pattern copy
  forms::ControlArray<forms::ComboBox> cmbPtn;   // (0) source, (1) target pattern
  forms::ControlArray<forms::CommandButton> cmdFileallrun;  // (0) OK, (1) Cancel
  forms::ControlArray<forms::CommandButton> cmdFileselrun;  // (0) OK, (1) Cancel

 private:
  void BuildControllerFrame();
  void BuildPatternFrame();
  // Back to the choice between the two kinds of copy, with `frame` hidden.
  void ShowChoice(forms::Frame& frame);
  void OpenFrame(forms::Frame& frame);
  void RefreshSettingsScreen();

  Program& p_;
};

}  // namespace qd470
