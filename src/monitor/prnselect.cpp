// The printer choice: the list of printers and its two buttons.
#include "monitor/prnselect.h"

#include <algorithm>
#include <string>
#include <vector>

#include "program/program.h"

namespace qd470 {

namespace {

constexpr int kMenu = 37;  // the menu that opens the dialog gives its title
constexpr int kOk = 367;
constexpr int kCancel = 368;
constexpr int16_t kNoSuchPrinter = -1;
constexpr int16_t kClosed = -2;

}  // namespace

prnselect::prnselect(Program& program)
    : forms::Form("prnselect"),
      cmbPrinter(Add<forms::ComboBox>("cmbPrinter")),
      cmdOK(Add<forms::CommandButton>("cmdOK")),
      cmdCancel(Add<forms::CommandButton>("cmdCancel")),
      p_(program) {
  Dialog = true;
  Width = 5400;
  Height = 1680;
  cmbPrinter.Move(240, 240, 4920, 360);
  cmdOK.Move(2280, 960, 1320, 420);
  cmdOK.Default = true;
  cmdCancel.Move(3840, 960, 1320, 420);
  cmdCancel.Cancel = true;
  cmdOK.Click = [this] { cmdOK_Click(); };
  cmdCancel.Click = [this] { cmdCancel_Click(); };
}

void prnselect::Form_Load() {
  Caption = MenuTitle(p_.LoadResString(kMenu));
  cmdOK.Caption = p_.LoadResString(kOk);
  cmdCancel.Caption = p_.LoadResString(kCancel);
  forms::PrinterService* printers = p_.Svc().printers;
  if (!printers) return;
  const std::vector<std::string> names = printers->Names();
  for (const std::string& name : names) cmbPrinter.AddItem(name);
  const auto current = std::find(names.begin(), names.end(), printers->Current());
  if (current != names.end()) cmbPrinter.SetListIndex(static_cast<int>(current - names.begin()));
}

void prnselect::cmdOK_Click() {
  std::vector<std::string> names;
  if (p_.Svc().printers) names = p_.Svc().printers->Names();
  const auto it = std::find(names.begin(), names.end(), cmbPrinter.Text());
  const bool chosen = cmbPrinter.ListIndex() >= 0 && it != names.end();
  p_.PrnIndex = chosen ? static_cast<int16_t>(it - names.begin()) : kNoSuchPrinter;
  p_.Forms().Hide(*this);
}

void prnselect::cmdCancel_Click() {
  p_.PrnIndex = kClosed;
  p_.Forms().Unload(*this);
}

void prnselect::Form_QueryUnload(bool& /*cancel*/) { p_.PrnIndex = kClosed; }

}  // namespace qd470
