// The main screen `MainDisp`, as far as the settings side needs it.
#pragma once

#include "forms/form.h"

namespace qd470 {

class Program;

class MainDisp : public forms::Form {
 public:
  explicit MainDisp(Program& program);
  void Form_Load() override;
  void Form_QueryUnload(bool& cancel) override;

  forms::Label& lblTitle;
  forms::MenuItem& mnuSetDisp;

  // Opens the settings screen on controller 0, pattern 0.
  void mnuSetDisp_Click();

 private:
  Program& p_;
};

}  // namespace qd470
