// The in-memory copy dialog: layout, texts, the three copy routines and the button handlers.
#include "settings/subdisp_file.h"

#include <string>

#include "program/program.h"
#include "settings/subdisp_set.h"

namespace qd470 {

namespace {

constexpr int kTitle = 355;
constexpr int kHelp = 363;
constexpr int kControllerCopy = 365;
constexpr int kPatternCopy = 366;
constexpr int kOk = 367;
constexpr int kCancel = 368;
constexpr int kPatternEntry = 241;  // "Pattern " and the number
constexpr int kOutOfRange = 405;
// Captions of lblFileall(0) to lblFileall(9).
constexpr int kLabelStrings[] = {356, 358, 357, 357, 356, 357, 357, 358, 370, 370};

// PrmData codes that a controller copy carries over: 00 to 3E, 46 and 47.
bool CopiedPrmCode(int code) { return code <= 0x3E || code == 0x46 || code == 0x47; }

bool IsDevice(int i) { return i >= 0 && i < kMaxDevices; }
bool IsPattern(int i) { return i >= 0 && i < kPatterns; }

// Geometry in twips.
constexpr int kMargin = 180;
constexpr int kFormW = 10800;
constexpr int kInnerW = kFormW - 2 * kMargin;
constexpr int kHelpH = 2940;
constexpr int kButtonH = 420;
constexpr int kChoiceTop = kMargin + kHelpH + 150;
constexpr int kFrameTop = kChoiceTop + kButtonH + 150;
constexpr int kFrameH = 2400;
constexpr int kColumnW = 4950;
constexpr int kRowH = 420;

}  // namespace

SubDisp_File::SubDisp_File(Program& program)
    : forms::Form("SubDisp_File"),
      txtFilemsg(Add<forms::TextBox>("txtFilemsg")),
      cmdFileall(Add<forms::CommandButton>("cmdFileall")),
      cmdFilesel(Add<forms::CommandButton>("cmdFilesel")),
      cmdFileCan(Add<forms::CommandButton>("cmdFileCan")),
      frmFileall(Add<forms::Frame>("frmFileall")),
      frmFilesel(Add<forms::Frame>("frmFilesel")),
      p_(program) {
  Dialog = true;
  Width = kFormW;
  Height = kFrameTop + kFrameH + kMargin;
  txtFilemsg.Move(kMargin, kMargin, kInnerW, kHelpH);
  txtFilemsg.MultiLine = true;
  txtFilemsg.Locked = true;
  const int cancel_w = 1500;
  const int choice_w = (kInnerW - cancel_w - 2 * 120) / 2;
  cmdFileall.Move(kMargin, kChoiceTop, choice_w, kButtonH);
  cmdFilesel.Move(kMargin + choice_w + 120, kChoiceTop, choice_w, kButtonH);
  cmdFileCan.Move(kInnerW + kMargin - cancel_w, kChoiceTop, cancel_w, kButtonH);
  cmdFileCan.Cancel = true;
  for (forms::Frame* frame : {&frmFileall, &frmFilesel}) {
    frame->Move(kMargin, kFrameTop, kInnerW, kFrameH);
    frame->Visible = false;
  }
  BuildControllerFrame();
  BuildPatternFrame();
  cmdFileall.Click = [this] { cmdFileall_Click(); };
  cmdFilesel.Click = [this] { cmdFilesel_Click(); };
  cmdFileCan.Click = [this] { cmdFileCan_Click(); };
}

// Source column on the left, target column on the right; each: heading, channel, list.
void SubDisp_File::BuildControllerFrame() {
  for (int side = 0; side < 2; ++side) {
    const int left = 240 + side * (kColumnW + 240);
    AddMember(lblFileall, "lblFileall", side, &frmFileall).Move(left, 360, kColumnW, 300);
    AddMember(lblFileall, "lblFileall", 2 + side, &frmFileall).Move(left, 360 + kRowH, 1200, 300);
    AddMember(cmbName, "cmbName", side, &frmFileall)
        .Move(left + 1260, 360 + kRowH - 40, kColumnW - 1260, 360);
  }
  for (int i = 0; i < 2; ++i) {
    auto& button = AddMember(cmdFileallrun, "cmdFileallrun", i, &frmFileall);
    button.Move(kInnerW - 2 * (1300 + 120) + i * (1300 + 120), kFrameH - 600, 1300, kButtonH);
    button.Click = [this, i] { cmdFileallrun_Click(i); };
  }
}

// As the controller frame, with a pattern list under each controller list.
void SubDisp_File::BuildPatternFrame() {
  constexpr int kHeading[] = {4, 7}, kChannel[] = {5, 6}, kPattern[] = {8, 9};
  for (int side = 0; side < 2; ++side) {
    const int left = 240 + side * (kColumnW + 240);
    AddMember(lblFileall, "lblFileall", kHeading[side], &frmFilesel).Move(left, 360, kColumnW, 300);
    AddMember(lblFileall, "lblFileall", kChannel[side], &frmFilesel)
        .Move(left, 360 + kRowH, 1200, 300);
    AddMember(cmbName, "cmbName", 2 + side, &frmFilesel)
        .Move(left + 1260, 360 + kRowH - 40, kColumnW - 1260, 360);
    AddMember(lblFileall, "lblFileall", kPattern[side], &frmFilesel)
        .Move(left, 360 + 2 * kRowH, 1200, 300);
    AddMember(cmbPtn, "cmbPtn", side, &frmFilesel)
        .Move(left + 1260, 360 + 2 * kRowH - 40, kColumnW - 1260, 360);
  }
  for (int i = 0; i < 2; ++i) {
    auto& button = AddMember(cmdFileselrun, "cmdFileselrun", i, &frmFilesel);
    button.Move(kInnerW - 2 * (1300 + 120) + i * (1300 + 120), kFrameH - 600, 1300, kButtonH);
    button.Click = [this, i] { cmdFileselrun_Click(i); };
  }
}

void SubDisp_File::Form_Load() {
  Caption = p_.LoadResString(kTitle);
  txtFilemsg.SetText(p_.LoadResString(kHelp));
  cmdFileall.Caption = frmFileall.Caption = p_.LoadResString(kControllerCopy);
  cmdFilesel.Caption = frmFilesel.Caption = p_.LoadResString(kPatternCopy);
  cmdFileCan.Caption = p_.LoadResString(kCancel);
  for (int i = 0; i < 10; ++i) lblFileall(i).Caption = p_.LoadResString(kLabelStrings[i]);
  for (auto* buttons : {&cmdFileallrun, &cmdFileselrun}) {
    (*buttons)(0).Caption = p_.LoadResString(kOk);
    (*buttons)(1).Caption = p_.LoadResString(kCancel);
  }
  for (int side = 0; side < 2; ++side) {
    cmbPtn(side).Clear();
    for (int n = 0; n < kPatterns; ++n) {
      cmbPtn(side).AddItem(p_.LoadResString(kPatternEntry) + std::to_string(n));
    }
  }
}

void SubDisp_File::FilecopyallPRG(int16_t srcDev, int16_t dstDev, int16_t srcPtn, int16_t dstPtn) {
  for (auto& item : p_.PtnData) {
    for (int s = 0; s < kSteps; ++s) item[dstDev][dstPtn][s] = item[srcDev][srcPtn][s];
  }
}

void SubDisp_File::FilecopyallBLK(int16_t srcDev, int16_t dstDev) {
  for (int k = 0; k < kBlkItems; ++k) {
    const int blocks = k >= 15 ? kTsBlocks : kBlocks;
    for (int b = 0; b < blocks; ++b) p_.BlkData[k][dstDev][b] = p_.BlkData[k][srcDev][b];
  }
  for (auto& item : p_.PtnCom) item[dstDev] = item[srcDev];
}

void SubDisp_File::FilecopyallOTR(int16_t srcDev, int16_t dstDev) {
  for (int code = 0; code < kPrmCodes; ++code) {
    if (CopiedPrmCode(code)) p_.PrmData[code][dstDev] = p_.PrmData[code][srcDev];
  }
}

void SubDisp_File::CopyWholeController(int16_t srcDev, int16_t dstDev) {
  FilecopyallOTR(srcDev, dstDev);
  for (int16_t ptn = 0; ptn < kPatterns; ++ptn) FilecopyallPRG(srcDev, dstDev, ptn, ptn);
  FilecopyallBLK(srcDev, dstDev);
  p_.SourceTbl[dstDev] = p_.SourceTbl[srcDev];
}

void SubDisp_File::OpenFrame(forms::Frame& frame) {
  frame.Visible = true;
  cmdFileall.Enabled = false;
  cmdFilesel.Enabled = false;
}

void SubDisp_File::ShowChoice(forms::Frame& frame) {
  frame.Visible = false;
  cmdFileall.Enabled = true;
  cmdFilesel.Enabled = true;
}

void SubDisp_File::cmdFileall_Click() { OpenFrame(frmFileall); }
void SubDisp_File::cmdFilesel_Click() { OpenFrame(frmFilesel); }

void SubDisp_File::RefreshSettingsScreen() { p_.Form<SubDisp_Set>().SetDispUpDate(); }

void SubDisp_File::cmdFileallrun_Click(int Index) {
  if (Index == 1) return ShowChoice(frmFileall);
  const int src = cmbName(0).ListIndex(), dst = cmbName(1).ListIndex();
  if (!IsDevice(src) || !IsDevice(dst)) return p_.MsgBox(p_.LoadResString(kOutOfRange));
  cmdFileallrun(1).Enabled = false;
  CopyWholeController(static_cast<int16_t>(src), static_cast<int16_t>(dst));
  RefreshSettingsScreen();
  cmdFileallrun(1).Enabled = true;
  ShowChoice(frmFileall);
}

void SubDisp_File::cmdFileselrun_Click(int Index) {
  if (Index == 1) return ShowChoice(frmFilesel);
  const int src = cmbName(2).ListIndex(), dst = cmbName(3).ListIndex();
  const int src_ptn = cmbPtn(0).ListIndex(), dst_ptn = cmbPtn(1).ListIndex();
  if (!IsDevice(src) || !IsDevice(dst) || !IsPattern(src_ptn) || !IsPattern(dst_ptn)) {
    return p_.MsgBox(p_.LoadResString(kOutOfRange));
  }
  cmdFileselrun(1).Enabled = false;
  FilecopyallPRG(static_cast<int16_t>(src), static_cast<int16_t>(dst),
                 static_cast<int16_t>(src_ptn), static_cast<int16_t>(dst_ptn));
  RefreshSettingsScreen();
  cmdFileselrun(1).Enabled = true;
  ShowChoice(frmFilesel);
}

void SubDisp_File::cmdFileCan_Click() { p_.Forms().Hide(*this); }

}  // namespace qd470
