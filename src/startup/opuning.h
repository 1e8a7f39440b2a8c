// The start-up window `Opuning`: shows the communication conditions (number of controllers,
// port, speed, read at start) and waits for Start, which keeps a change in the init file.
#pragma once

#include "forms/form.h"

namespace qd470 {

class Program;

class Opuning : public forms::Form {
 public:
  explicit Opuning(Program& program);

  // Shows the conditions in force.
  void Form_Load() override;
  // Shows the conditions in force: CommCond and the port CommPort.
  void ShowConditions();
  // Closing the window before monitoring starts (before Start, or while the first reads run)
  // ends the program.
  void Form_QueryUnload(bool& cancel) override;

  void cmbPort_Click();
  // Selects the list entry that reads as the typed port, or none when the list has none.
  void txtPort_Change();
  // Keeps the conditions shown (init file and port file by atomic replace) and ends the wait.
  void cmdStart_Click();
  // Says that the first reads are running and lets the window show it.
  void ShowReading();

  forms::Frame& fraCond;
  forms::Label& lblDev;
  forms::ComboBox& cmbDev;
  forms::Label& lblPort;
  forms::ComboBox& cmbPort;
  forms::Label& lblPortPath;
  forms::TextBox& txtPort;  // the port in effect: the chosen entry or a typed device path
  forms::Label& lblSpeed;
  forms::ComboBox& cmbSpeed;
  forms::ControlArray<forms::OptionButton> optRead;  // index = read-at-start index
  forms::CommandButton& cmdStart;
  forms::Label& lblWait;  // shown while the first reads run after Start

  // True once the operator pressed Start.
  bool Started = false;

 private:
  void FillPorts();
  void ShowPort();

  Program& p_;
};

}  // namespace qd470
