// Display of the settings screen: the refresh, the four section fillers, the value texts and the
// status line.
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

#include "model/request_slot.h"
#include "model/setting_catalogue.h"
#include "model/setting_groups.h"
#include "program/program.h"
#include "program/zero_clip.h"
#include "resources/strings.h"
#include "settings/edit_selectors.h"
#include "settings/profile.h"
#include "settings/subdisp_set.h"

namespace qd470 {

using forms::ComboBox;
using forms::Label;

namespace {

// Value labels in the order each filler formats them (by the label's selector row).
constexpr std::string_view kStepLabels[] = {"lblSV",  "lblTmH", "lblTmM", "lblPbk", "lblTs1",
                                            "lblTs2", "lblTs3", "lblTs4", "lblTs5", "lblTs6",
                                            "lblTs7", "lblTs8", "lblWbk", "lblAbk", "lblObk"};
constexpr std::string_view kBlockLabels[] = {"lblP",    "lblI",   "lblD",    "lblArw",  "lblPB",
                                             "lblWait", "lblA1",  "lblA2",   "lblA3",   "lblA4",
                                             "lblOlh",  "lblOll", "lblOlhb", "lblOllb", "lblOrat"};
constexpr std::string_view kTimeSignalLabels[] = {"lblTsoffH", "lblTsoffM", "lblTsonH", "lblTsonM"};
constexpr std::string_view kOtherLabels[] = {
    "lblA1hy", "lblA2hy", "lblA3hy", "lblA4hy", "lblA1dy", "lblA2dy",  "lblA3dy",
    "lblA4dy", "lblLpt",  "lblLph",  "lblCyc",  "lblHys",  "lblCycb",  "lblHysb",
    "lblDb",   "lblSh",   "lblSl",   "lblStlh", "lblStll", "lblHosei", "lblFilt",
    "lblTrsh", "lblTrsl", "lblPdb",  "lblOtim", "lblCtim", "lblStsv",  "lblPetm"};
constexpr std::string_view kFixedLabels[] = {
    "lblFSv",   "lblFP",    "lblFI",   "lblFD",   "lblFArw",  "lblFPb",   "lblFalm1", "lblFalm2",
    "lblFalm3", "lblFalm4", "lblFOlh", "lblFOll", "lblFOlhb", "lblFOllb", "lblFOrat"};

// Status line texts: the settings came from a setting file, from the controller (all of them or
// in part), or are the defaults.
constexpr int kStatusFile = 351, kStatusLine = 352, kStatusDefaults = 353, kStatusLineInPart = 590;

const SelectorRow& RowOfLabel(std::string_view label) {
  const SelectorRow* row = FindSelectorByLabel(label);
  if (!row) throw std::logic_error("no selector for " + std::string(label));
  return *row;
}

}  // namespace

void SubDisp_Set::TakeShownSelection() {
  int16_t ch = static_cast<int16_t>(cmbName.ListIndex());
  int16_t ptn = static_cast<int16_t>(cmbSelptn.ListIndex());
  shown_ch_ = QD470::ZeroClip(ch);
  shown_ptn_ = QD470::ZeroClip(ptn);
}

void SubDisp_Set::ShowWaitText() {
  int16_t ch = static_cast<int16_t>(cmbName.ListIndex());
  txtSetWait.Visible = p_.PortOpen != 0 && WriteWaits(p_, QD470::ZeroClip(ch));
}

void SubDisp_Set::SetDispUpDate() {
  TakeShownSelection();
  ShowWaitText();
  CRTextsetPTN();
  CRTextsetBLK();
  CRTextsetOTR();
  CRTextsetFIX();
  CRTSpcSet();
  SetStatusLine();
}

void SubDisp_Set::SetStatusLine() {
  const SettingSource& source = p_.SourceTbl[shown_ch_];
  if (source.from == SettingSource::kFile) {
    lblStatus.Caption = p_.LoadResString(kStatusFile);
  } else if (source.from == SettingSource::kDefaults) {
    lblStatus.Caption = p_.LoadResString(kStatusDefaults);
  } else if (source.values >= kValuePlaces) {
    lblStatus.Caption = p_.LoadResString(kStatusLine);
  } else {
    std::string text = p_.LoadResString(kStatusLineInPart);
    ReplaceFirst(text, "%1", std::to_string(source.values));
    lblStatus.Caption = text;
  }
}

// Runs the label's selector, then shows the stored value (or one part of a time value) through
// ValueText, so that it is formatted and checked with the item's own decimals and limits.
void SubDisp_Set::FillLabel(std::string_view label, int16_t index) {
  const SelectorRow& row = RowOfLabel(label);
  const bool indexed = row.index != IndexKind::kNone;
  RunSelector(p_, row, index);
  int16_t raw = ReadSetting(p_, row.setting, p_.SetCh, p_.SetPtn, indexed ? index : 0).value_or(0);
  if (row.edit_sub == 0) raw = static_cast<int16_t>(raw / 60);
  if (row.edit_sub == 1) raw = static_cast<int16_t>(raw % 60);
  auto* target = FindAs<Label>(std::string(label), indexed ? index : -1);
  if (!target) throw std::logic_error("no label " + std::string(label));
  target->Caption = ValueText(raw);
}

void SubDisp_Set::CRTextsetPTN() {
  TakeShownSelection();
  p_.SetCh = shown_ch_;
  p_.SetPtn = shown_ptn_;
  for (int16_t s = 0; s < kSteps; ++s) {
    for (std::string_view label : kStepLabels) FillLabel(label, s);
  }
  FillLabel("lblRep", 0);
  int16_t link = p_.PtnCom[1][p_.SetCh][p_.SetPtn];
  cmbChain.SetListIndex(link);
  QD470::PtnGraphDraw(p_);
}

void SubDisp_Set::CRTextsetBLK() {
  TakeShownSelection();
  p_.SetCh = shown_ch_;
  for (int16_t b = 0; b < kBlocks; ++b) {
    for (std::string_view label : kBlockLabels) FillLabel(label, b);
  }
  for (int16_t b = 0; b < kTsBlocks; ++b) {
    for (std::string_view label : kTimeSignalLabels) FillLabel(label, b);
  }
}

void SubDisp_Set::CRTextsetOTR() {
  TakeShownSelection();
  p_.SetCh = shown_ch_;
  const std::pair<ComboBox*, int> lists[] = {
      {&cmbCact, 65},    {&cmbDp, 71},      {&cmbTrselect, 76}, {&cmbATmd, 93},
      {&cmbLock, 79},    {&cmbStsel, 81},   {&cmbRtyst, 82},    {&cmbTmsel, 83},
      {&cmbStptime, 84}, {&cmbStptemp, 85}, {&cmbSvhold, 87},   {&cmbTS1sel, 88},
      {&cmbTS2sel, 89},  {&cmbTS3sel, 90},  {&cmbTS4sel, 91},   {&cmbTS5sel, 92}};
  for (const auto& [list, setting] : lists) {
    int16_t code = ReadSetting(p_, setting, p_.SetCh, 0, 0).value_or(-1);
    // A code outside the list selects nothing; the stored value stays as it is.
    list->SetListIndex(code);
  }
  for (std::string_view label : kOtherLabels) FillLabel(label, 0);
}

void SubDisp_Set::CRTextsetFIX() {
  TakeShownSelection();
  p_.SetCh = shown_ch_;
  for (std::string_view label : kFixedLabels) FillLabel(label, 0);
}

std::string SubDisp_Set::DpValText(int64_t raw, int16_t dp) {
  if (dp < 0 || dp > 3) return "";
  const int64_t v = raw;
  if (dp == 0) return std::to_string(v);
  const int64_t scale = dp == 1 ? 10 : dp == 2 ? 100 : 1000;
  const int64_t magnitude = v < 0 ? -v : v;
  std::string fraction = std::to_string(magnitude % scale);
  fraction.insert(0, static_cast<size_t>(dp) - fraction.size(), '0');
  return (v < 0 ? "-" : "") + std::to_string(magnitude / scale) + "." + fraction;
}

std::string SubDisp_Set::ValueText(int16_t raw) {
  const int16_t dp = p_.EditDp;
  if (raw >= p_.EditLo && raw <= p_.EditHi) return DpValText(raw, dp);
  p_.MsgBox(p_.LoadResString(430) + "\r\n" + p_.LoadResString(431));
  return DpValText(raw < p_.EditLo ? p_.EditLo : p_.EditHi, dp);
}

}  // namespace qd470
