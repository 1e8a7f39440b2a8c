// The printer choice `prnselect`: a modal list of the system's printers as they are when it is
// loaded, the current printer selected. OK leaves the index of the chosen printer in `PrnIndex`
// (-1 when no printer has the chosen name) and hides the dialog; Cancel and closing it leave -2.
#pragma once

#include "forms/form.h"

namespace qd470 {

class Program;

class prnselect : public forms::Form {
 public:
  explicit prnselect(Program& program);
  void Form_Load() override;
  void Form_QueryUnload(bool& cancel) override;

  void cmdOK_Click();
  void cmdCancel_Click();

  forms::ComboBox& cmbPrinter;
  forms::CommandButton& cmdOK;
  forms::CommandButton& cmdCancel;

 private:
  Program& p_;
};

}  // namespace qd470
