// The start-up window: the communication conditions and the Start button.
#include "startup/opuning.h"

#include <algorithm>
#include <optional>
#include <string>

#include "model/comm_cond_record.h"
#include "program/program.h"
#include "settings/subdisp_sset.h"
#include "startup/comm_files.h"

namespace qd470 {
namespace {

// Speeds in the order of the speed index.
constexpr const char* kSpeedTexts[kSpeeds] = {"19200", "9600", "4800", "2400"};

// Geometry in twips.
constexpr int kMargin = 240;
constexpr int kLabelWidth = 2400;
constexpr int kFieldLeft = kMargin + kLabelWidth;
constexpr int kFieldWidth = 4500;  // room for a /dev/serial/by-id/ name
constexpr int kRowHeight = 420;
constexpr int kFieldHeight = 330;
constexpr int kFrameWidth = kFieldLeft + kFieldWidth + kMargin;

int RowTop(int row) { return 360 + row * kRowHeight; }

}  // namespace

Opuning::Opuning(Program& program)
    : forms::Form("Opuning"),
      fraCond(Add<forms::Frame>("fraCond")),
      lblDev(Add<forms::Label>("lblDev", -1, &fraCond)),
      cmbDev(Add<forms::ComboBox>("cmbDev", -1, &fraCond)),
      lblPort(Add<forms::Label>("lblPort", -1, &fraCond)),
      cmbPort(Add<forms::ComboBox>("cmbPort", -1, &fraCond)),
      lblPortPath(Add<forms::Label>("lblPortPath", -1, &fraCond)),
      txtPort(Add<forms::TextBox>("txtPort", -1, &fraCond)),
      lblSpeed(Add<forms::Label>("lblSpeed", -1, &fraCond)),
      cmbSpeed(Add<forms::ComboBox>("cmbSpeed", -1, &fraCond)),
      cmdStart(Add<forms::CommandButton>("cmdStart")),
      lblWait(Add<forms::Label>("lblWait")),
      p_(program) {
  const int frame_height = RowTop(6) + 120;
  fraCond.Move(kMargin, 120, kFrameWidth, frame_height);
  lblDev.Move(kMargin, RowTop(0) + 40, kLabelWidth - 120, kFieldHeight);
  cmbDev.Move(kFieldLeft, RowTop(0), 1200, kFieldHeight);
  lblPort.Move(kMargin, RowTop(1) + 40, kLabelWidth - 120, kFieldHeight);
  cmbPort.Move(kFieldLeft, RowTop(1), kFieldWidth, kFieldHeight);
  lblPortPath.Move(kMargin, RowTop(2) + 40, kLabelWidth - 120, kFieldHeight);
  txtPort.Move(kFieldLeft, RowTop(2), kFieldWidth, kFieldHeight);
  lblSpeed.Move(kMargin, RowTop(3) + 40, kLabelWidth - 120, kFieldHeight);
  cmbSpeed.Move(kFieldLeft, RowTop(3), 1200, kFieldHeight);
  for (int i = 0; i < kReadChoices; ++i) {
    AddMember(optRead, "optRead", i, &fraCond)
        .Move(kMargin, RowTop(4 + i), kFrameWidth - 480, kFieldHeight);
  }
  cmdStart.Move(kMargin + kFrameWidth - 1440, 120 + frame_height + 180, 1440, 420);
  cmdStart.Default = true;
  lblWait.Move(kMargin, cmdStart.Top + 60, kFrameWidth - 1440 - 120, kFieldHeight);
  lblWait.Visible = false;
  CloseDuringWork = true;     // closing it during the first read ends the program
  ModalFromFirstShow = true;  // shown while the program loads, then modal until Start
  StartFocus = &cmdStart;
  Width = kFrameWidth + 2 * kMargin;
  Height = cmdStart.Top + cmdStart.Height + 180;

  cmbPort.Click = [this] { cmbPort_Click(); };
  txtPort.Change = [this] { txtPort_Change(); };
  cmdStart.Click = [this] { cmdStart_Click(); };
}

void Opuning::Form_Load() {
  Caption = p_.LoadResString(1);
  fraCond.Caption = p_.LoadResString(458);
  lblDev.Caption = p_.LoadResString(459);
  lblPort.Caption = p_.LoadResString(460);
  lblPortPath.Caption = p_.LoadResString(584);
  lblSpeed.Caption = p_.LoadResString(461);
  optRead(0).Caption = p_.LoadResString(462);
  optRead(1).Caption = p_.LoadResString(466);
  cmdStart.Caption = p_.LoadResString(463);
  lblWait.Caption = p_.LoadResString(453);

  for (int n = 1; n <= kMaxDevices; ++n) cmbDev.AddItem(std::to_string(n));
  for (const char* speed : kSpeedTexts) cmbSpeed.AddItem(speed);
  FillPorts();
  ShowConditions();
}

void Opuning::ShowConditions() {
  cmbDev.SetListIndex(p_.CommCond.DevCount - 1);
  cmbSpeed.SetListIndex(p_.CommCond.SpeedIdx);
  optRead(p_.CommCond.ReadIdx).SetValue(true);
  ShowPort();
}

// COM1 to COM8 and the serial devices present; the port in force is shown in the text box, and
// selected in the list when the list holds it.
void Opuning::FillPorts() {
  for (int i = 0; i < kComPorts; ++i) cmbPort.AddItem(ComPortName(i));
  for (const std::string& device : ListSerialPorts()) cmbPort.AddItem(device);
}

// The port in force is selected, or typed in the text box when the list does not hold it.
void Opuning::ShowPort() {
  const std::optional<int> com = ComPortIndex(p_.CommPort);
  txtPort.SetText(com ? ComPortName(*com) : p_.CommPort);  // selects the entry
}

void Opuning::cmbPort_Click() { txtPort.SetText(cmbPort.Text()); }

void Opuning::txtPort_Change() {
  const auto& items = cmbPort.Items();
  const auto it = std::find(items.begin(), items.end(), txtPort.Text());
  if (it == items.end()) {
    cmbPort.SetListIndex(-1);
  } else if (cmbPort.ListIndex() != it - items.begin()) {
    cmbPort.SetListIndex(static_cast<int>(it - items.begin()));
  }
}

void Opuning::cmdStart_Click() {
  CommCondRec cond = p_.CommCond;
  if (cmbDev.ListIndex() >= 0) cond.DevCount = static_cast<int16_t>(cmbDev.ListIndex() + 1);
  if (cmbSpeed.ListIndex() >= 0) cond.SpeedIdx = static_cast<int16_t>(cmbSpeed.ListIndex());
  cond.ReadIdx = optRead(1).Value() ? 1 : 0;
  const int16_t old_count = p_.CommCond.DevCount;
  if (SaveCommCond(p_, cond, txtPort.Text())) p_.MsgBox(p_.LoadResString(68));
  // The specification dialog pages by the number of controllers it was loaded with.
  if (p_.CommCond.DevCount != old_count) p_.Forms().Unload<SubDisp_SSet>();
  Started = true;
  cmdStart.Enabled = false;
  p_.Forms().EndModal(*this);
}

void Opuning::ShowReading() {
  lblWait.Visible = true;
  if (auto* pump = p_.Svc().pump) pump->DoEvents();
}

void Opuning::Form_QueryUnload(bool& /*cancel*/) {
  if (p_.CommState == 0) p_.EndReq = -1;
}

}  // namespace qd470
