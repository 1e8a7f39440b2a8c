// The controller specification dialog `SubDisp_SSet`: two devices a page, their input type,
// alarm functions, options and controller type; reads and writes the type file.
#pragma once

#include <system_error>

#include "forms/form.h"

namespace qd470 {

class Program;

class SubDisp_SSet : public forms::Form {
 public:
  explicit SubDisp_SSet(Program& program);

  // Reads the type file into DevRec; when it is missing, sets the defaults and shows the
  // dialog modally. Returns the read error of an existing file (nothing is changed then).
  std::error_code TypeLoad();
  // Shows the records of devices `first` and `first` + 1.
  void SpcSet(int first);

  void Form_Load() override;
  // At the first start (no type file yet) the specification must be confirmed: closing the
  // window is refused, only OK closes it.
  void Form_QueryUnload(bool& cancel) override;
  void cmdOK_Click();
  void cmdCancel_Click();
  void optType_Click(int index);
  void updDev_Change();

  // Device number of the first device of the shown page (0, 2, ... 30).
  int ShownDev = 0;

  forms::ControlArray<forms::Frame> frmDev;
  forms::ControlArray<forms::Frame> frmOp;  // one per option group and device: 5 * i + group
  forms::ControlArray<forms::ComboBox> cmbSSReng;
  forms::ControlArray<forms::ComboBox> cmbSSA1;
  forms::ControlArray<forms::ComboBox> cmbSSA2;
  forms::ControlArray<forms::OptionButton> optLA;
  forms::ControlArray<forms::OptionButton> optDx;
  forms::ControlArray<forms::OptionButton> optTx;
  forms::ControlArray<forms::OptionButton> optTs;
  forms::ControlArray<forms::OptionButton> optType;
  forms::ControlArray<forms::Label> lblSS;
  forms::Label& Label1;
  forms::UpDown& updDev;
  forms::CommandButton& cmdOK;
  forms::CommandButton& cmdCancel;

 private:
  void BuildDevice(int i);
  void SpcStore();
  bool TypeFileExists() const;
  void FillInputList(int i, bool qdm1);
  void FillAlarmList(forms::ComboBox& list, int entries);

  Program& p_;
};

}  // namespace qd470
