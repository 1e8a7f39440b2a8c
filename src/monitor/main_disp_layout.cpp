// The main screen's controls and their places: the 8-channel pages across the top, the
// 32-channel list below left, the one-channel view below right.
#include <iterator>
#include <string>

#include "monitor/main_disp.h"
#include "program/program.h"

namespace qd470 {
namespace {

// Geometry in twips.
constexpr int kMargin = 120;
constexpr int kWidth = 18000;
constexpr int kPageHeight = 3060;
constexpr int kPageHeadWidth = 1440;
constexpr int kPageColLeft = 1680;
constexpr int kPageColWidth = 2000;
constexpr int kButtonHeight = 360;
constexpr int kHalfButton = 910;
constexpr int kLowerTop = kMargin + kPageHeight + 120;
constexpr int kListRows = 16;
constexpr int kListRowHeight = 320;
constexpr int kListColWidth = 4560;
constexpr int kListWidth = 2 * kListColWidth + 240;
constexpr int kLowerHeight = 600 + kListRows * kListRowHeight + 120;
constexpr int kSelButtonWidth = 1440;

// The buttons' legends, the same in both languages as on a controller's front panel.
constexpr const char* kRun = "RUN";
constexpr const char* kStop = "STOP";
constexpr const char* kHold = "HOLD";
constexpr const char* kAdvance = "ADV";
constexpr const char* kBack = "BACK";
constexpr const char* kMode = "PRG";
constexpr const char* kAutoTuning = "AT";
constexpr const char* kManual = "MAN";

// The command buttons of a page column, two a row.
struct PageButton {
  forms::ControlArray<forms::CommandButton> MainDisp::*array;
  const char* name;
  const char* legend;
  Command command;
};
const PageButton kPageButtons[] = {
    {&MainDisp::cmdAMrun, "cmdAMrun", kRun, Command::kRunStop},
    {&MainDisp::cmdAMhold, "cmdAMhold", kHold, Command::kHold},
    {&MainDisp::cmdAMadv, "cmdAMadv", kAdvance, Command::kAdvance},
    {&MainDisp::cmdAMbadv, "cmdAMbadv", kBack, Command::kBack},
    {&MainDisp::cmdAMprg, "cmdAMprg", kMode, Command::kMode},
    {&MainDisp::cmdAMat, "cmdAMat", kAutoTuning, Command::kAutoTuning},
    {&MainDisp::cmdAMmu, "cmdAMmu", kManual, Command::kManual},
};

void ValueBox(forms::Label& label) {
  label.Sunken = true;
  label.Align = forms::Alignment::kCenter;
  label.BackColor = forms::kWhite;
}

}  // namespace

MainDisp::MainDisp(Program& program)
    : forms::Form("MainDisp"),
      mnuSetDisp(AddMenu("mnuSetDisp")),
      tmrComm(Add<forms::Timer>("tmrComm")),
      TabStrip1(Add<forms::TabControl>("TabStrip1")),
      lblAMptnHead(Add<forms::Label>("lblAMptnHead", -1, &TabStrip1)),
      fraAM32(Add<forms::Frame>("fraAM32")),
      fraSel(Add<forms::Frame>("fraSel")),
      lblSelName(Add<forms::Label>("lblSelName", -1, &fraSel)),
      cmbName(Add<forms::ComboBox>("cmbName", -1, &fraSel)),
      lblSelptnHead(Add<forms::Label>("lblSelptnHead", -1, &fraSel)),
      lblSelptn(Add<forms::Label>("lblSelptn", -1, &fraSel)),
      cmdSelrun(Add<forms::CommandButton>("cmdSelrun", -1, &fraSel)),
      cmdSelhold(Add<forms::CommandButton>("cmdSelhold", -1, &fraSel)),
      cmdSeladv(Add<forms::CommandButton>("cmdSeladv", -1, &fraSel)),
      cmdSelbadv(Add<forms::CommandButton>("cmdSelbadv", -1, &fraSel)),
      cmdSelprg(Add<forms::CommandButton>("cmdSelprg", -1, &fraSel)),
      cmdSelat(Add<forms::CommandButton>("cmdSelat", -1, &fraSel)),
      cmdSelmanu(Add<forms::CommandButton>("cmdSelmanu", -1, &fraSel)),
      lblSelman(Add<forms::Label>("lblSelman", -1, &fraSel)),
      updSelman(Add<forms::UpDown>("updSelman", -1, &fraSel)),
      p_(program) {
  Width = kWidth;
  Height = kLowerTop + kLowerHeight + kMargin;
  Resizable = true;
  CloseDuringWork = true;  // the exit question may end a running job
  BuildPage();
  BuildList();
  BuildSel();
  mnuSetDisp.Click = [this] { mnuSetDisp_Click(); };
  tmrComm.Interval = 10;
  tmrComm.OnTimer = [this] { tmrComm_Timer(); };
}

template <class Channel>
void MainDisp::OnCommand(forms::CommandButton& button, Command command, Channel channel) {
  button.Click = [this, command, channel] {
    const int ch = channel();
    if (p_.RoomForWrite(ch, CommandFor(command, p_.DevStatus[ch]).item)) {
      QueueCommand(p_, ch, command);
    }
  };
}

// One column per controller of the page, under the page tabs.
void MainDisp::BuildPage() {
  TabStrip1.Move(kMargin, kMargin, kWidth - 2 * kMargin, kPageHeight);
  TabStrip1.SetTabs(kPages);
  for (int t = 0; t < kPages; ++t) {
    TabStrip1.TabCaption(t) =
        std::to_string(t * kPageChannels) + "-" + std::to_string(t * kPageChannels + 7);
  }
  TabStrip1.Click = [this] { TabStrip1_Click(); };
  lblAMptnHead.Move(kMargin, 880, kPageHeadWidth, 300);
  for (int i = 0; i < kPageChannels; ++i) {
    const int x = kPageColLeft + i * kPageColWidth;
    auto channel = [this, i] { return PageChannel(i); };
    auto& name = AddMember(lblAMname, "lblAMname", i, &TabStrip1);
    name.Move(x, 480, kPageColWidth - 120, 300);
    name.Align = forms::Alignment::kCenter;
    name.FontBold = true;
    auto& ptn = AddMember(lblAMrptn, "lblAMrptn", i, &TabStrip1);
    ptn.Move(x, 840, kPageColWidth - 120, 330);
    ValueBox(ptn);
    ptn.DblClick = [this, i] { lblAMrptn_DblClick(i); };
    for (int b = 0; b < static_cast<int>(std::size(kPageButtons)); ++b) {
      const PageButton& row = kPageButtons[b];
      auto& button = AddMember(this->*row.array, row.name, i, &TabStrip1);
      button.Move(x + (b % 2) * (kHalfButton + 60), 1260 + (b / 2) * 420, kHalfButton,
                  kButtonHeight);
      button.Caption = row.legend;
      OnCommand(button, row.command, channel);
    }
    auto& man = AddMember(lblAMman, "lblAMman", i, &TabStrip1);
    man.Move(x + kHalfButton + 60, 2520, 640, kButtonHeight);
    ValueBox(man);
    man.Align = forms::Alignment::kRight;
    auto& updown = AddMember(updAMman, "updAMman", i, &TabStrip1);
    updown.Move(x + kHalfButton + 700, 2520, 240, kButtonHeight);
    updown.Change = [this, i] { updAMman_Change(i); };
  }
}

// Two columns of sixteen rows: name, pattern number, RUN and STOP.
void MainDisp::BuildList() {
  fraAM32.Move(kMargin, kLowerTop, kListWidth, kLowerHeight);
  for (int k = 0; k < 2; ++k) {
    AddMember(lblAM32ptnHead, "lblAM32ptnHead", k, &fraAM32)
        .Move(180 + k * kListColWidth + 1820, 260, 1400, 300);
  }
  for (int ch = 0; ch < kMaxDevices; ++ch) {
    const int x = 180 + (ch / kListRows) * kListColWidth;
    const int y = 600 + (ch % kListRows) * kListRowHeight;
    AddMember(lblAM32name, "lblAM32name", ch, &fraAM32).Move(x, y + 30, 1760, 270);
    auto& ptn = AddMember(lblAM32ptn, "lblAM32ptn", ch, &fraAM32);
    ptn.Move(x + 1820, y, 900, 290);
    ValueBox(ptn);
    ptn.DblClick = [this, ch] { lblAM32ptn_DblClick(ch); };
    auto& run = AddMember(cmdAM32run, "cmdAM32run", ch, &fraAM32);
    run.Move(x + 2780, y, 800, 290);
    run.Caption = kRun;
    OnCommand(run, Command::kRun, [ch] { return ch; });
    auto& stop = AddMember(cmdAM32stop, "cmdAM32stop", ch, &fraAM32);
    stop.Move(x + 3640, y, 800, 290);
    stop.Caption = kStop;
    OnCommand(stop, Command::kStop, [ch] { return ch; });
  }
}

// The controller list, its pattern number and its command buttons.
void MainDisp::BuildSel() {
  const int left = kMargin + kListWidth + 120;
  fraSel.Move(left, kLowerTop, kWidth - kMargin - left, kLowerHeight);
  lblSelName.Move(240, 380, 1800, 300);
  cmbName.Move(2100, 330, 3200, 330);
  cmbName.Click = [this] { cmbName_Click(); };
  lblSelptnHead.Move(240, 860, 1800, 300);
  lblSelptn.Move(2100, 820, 1000, 330);
  ValueBox(lblSelptn);
  lblSelptn.DblClick = [this] { lblSelptn_DblClick(); };
  auto channel = [this] { return SelChannel(); };
  const struct {
    forms::CommandButton* button;
    const char* legend;
    Command command;
  } kButtons[] = {
      {&cmdSelrun, kRun, Command::kRunStop},     {&cmdSelhold, kHold, Command::kHold},
      {&cmdSeladv, kAdvance, Command::kAdvance}, {&cmdSelbadv, kBack, Command::kBack},
      {&cmdSelprg, kMode, Command::kMode},       {&cmdSelat, kAutoTuning, Command::kAutoTuning},
      {&cmdSelmanu, kManual, Command::kManual},
  };
  for (int b = 0; b < 7; ++b) {
    forms::CommandButton& button = *kButtons[b].button;
    button.Move(2100 + (b % 2) * (kSelButtonWidth + 120), 1380 + (b / 2) * 480, kSelButtonWidth,
                400);
    button.Caption = kButtons[b].legend;
    OnCommand(button, kButtons[b].command, channel);
  }
  lblSelman.Move(2100 + kSelButtonWidth + 120, 1380 + 3 * 480, 1000, 400);
  ValueBox(lblSelman);
  lblSelman.Align = forms::Alignment::kRight;
  updSelman.Move(2100 + kSelButtonWidth + 1140, 1380 + 3 * 480, 300, 400);
  updSelman.Change = [this] { updSelman_Change(); };
}

}  // namespace qd470
