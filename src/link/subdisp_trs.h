// The transfer dialog `SubDisp_TRS`: sends or receives all settings of one controller. Its
// buttons only request the job; the communication tick runs it and moves `ProgressBar1`.
#pragma once

#include "forms/form.h"

namespace qd470 {

class Program;

class SubDisp_TRS : public forms::Form {
 public:
  explicit SubDisp_TRS(Program& program);
  void Form_Load() override;
  // Closing the window ends the dialog as END does.
  void Form_QueryUnload(bool& cancel) override;

  void cmdSend_Click();
  void cmdRecv_Click();
  void cmdCancel_Click();
  void cmdEnd_Click();

  forms::Label& lblName;
  forms::ComboBox& cmbName;  // entry i = controller i; no click handler
  forms::CommandButton& cmdSend;
  forms::CommandButton& cmdRecv;
  forms::CommandButton& cmdCancel;
  forms::CommandButton& cmdEnd;
  forms::ProgressBar& ProgressBar1;

 private:
  void RequestJob(int16_t job);

  Program& p_;
};

}  // namespace qd470
