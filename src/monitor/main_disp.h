// The main screen `MainDisp`, as far as the settings side needs it.
#pragma once

#include <cstdint>

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
  forms::Timer& tmrComm;  // the communication tick, every 10 ms

  // The device link (defined in src/link/).
  void tmrComm_Timer();
  void CRTAllMon();
  void SetTRsend(int16_t dev);
  // True when every setting was read and acknowledged.
  bool SetTRecive(int16_t dev);

  // Opens the settings screen on controller 0, pattern 0.
  void mnuSetDisp_Click();

 private:
  Program& p_;
};

}  // namespace qd470
