// The device-to-device copy dialog `SubDisp_Copy`: copies all settings of controller
// `cmbName(0)` to controller `cmbName(1)` over the link. Its start button only requests the job;
// the communication tick runs it and moves `ProgressBar1`.
#pragma once

#include "forms/form.h"

namespace qd470 {

class Program;

class SubDisp_Copy : public forms::Form {
 public:
  // A copy receives the source's 1933 places and sends them to the target.
  static constexpr int kProgressMax = 3866;

  explicit SubDisp_Copy(Program& program);
  void Form_Load() override;

  void cmdStart_Click();
  void cmdEnd_Click();

  forms::ControlArray<forms::Label> lblFileall;
  forms::ControlArray<forms::ComboBox> cmbName;  // (0) source, (1) target; no click handlers
  forms::CommandButton& cmdStart;
  forms::CommandButton& cmdEnd;
  forms::ProgressBar& ProgressBar1;

 private:
  Program& p_;
};

}  // namespace qd470
