// The wait form `WaitDisp`: shown while all settings of a controller are read, with a progress
// bar of the places read.
#pragma once

#include "forms/form.h"

namespace qd470 {

class Program;

class WaitDisp : public forms::Form {
 public:
  explicit WaitDisp(Program& program);
  void Form_Load() override;
  // The operator cannot close it; it goes when the read is done.
  void Form_QueryUnload(bool& cancel) override { cancel = true; }

  forms::Label& lblWait;
  forms::ProgressBar& ProgressBar1;

 private:
  Program& p_;
};

}  // namespace qd470
