// The settings screen: its controls, Form_Load (captions, menus, fixed lists) and the wiring of
// the list handlers.
#include "settings/subdisp_set.h"

#include <string>

#include "link/qd470_link.h"
#include "program/program.h"
#include "settings/edit_selectors.h"

namespace qd470 {

using forms::ComboBox;
using forms::Frame;
using forms::Label;

SubDisp_Set::SubDisp_Set(Program& program)
    : forms::Form("SubDisp_Set"),
      mnuFil(AddMenu("mnuFil")),
      mnupsel(AddMenu("mnupsel", &mnuFil)),
      mnuPrint(AddMenu("mnuPrint", &mnuFil)),
      mnuEnd(AddMenu("mnuEnd", &mnuFil)),
      mnuDispSize(AddMenu("mnuDispSize")),
      mnunom(AddMenu("mnunom", &mnuDispSize)),
      mnuLine0(AddMenu("mnuLine0", &mnuDispSize)),
      mnuMin(AddMenu("mnuMin", &mnuDispSize)),
      mnuMax(AddMenu("mnuMax", &mnuDispSize)),
      mnuUser(AddMenu("mnuUser")),
      mnuDevCopy(AddMenu("mnuDevCopy", &mnuUser)),
      mnuSvCopy(AddMenu("mnuSvCopy", &mnuUser)),
      mnuLoadSave(AddMenu("mnuLoadSave", &mnuUser)),
      mnuYunit(AddMenu("mnuYunit", &mnuLoadSave)),
      mnuAllyunit(AddMenu("mnuAllyunit", &mnuLoadSave)),
      mnuCom(AddMenu("mnuCom", &mnuUser)),
      mnuLine1(AddMenu("mnuLine1", &mnuUser)),
      mnuSSet(AddMenu("mnuSSet", &mnuUser)),
      Wbk(Add<forms::TabControl>("Wbk")),
      frmStatus(Add<Frame>("frmStatus")),
      lblStatus(Add<Label>("lblStatus", -1, &frmStatus)),
      frmComerrSet(Add<Frame>("frmComerrSet")),
      lblComerr4(Add<Label>("lblComerr4", -1, &frmComerrSet)),
      txtSetWait(Add<forms::TextBox>("txtSetWait")),
      Picture1(Add<forms::PictureBox>("Picture1")),
      Label1(Add<Label>("Label1", -1, &Wbk, 0)),
      cmbName(Add<ComboBox>("cmbName", -1, &Wbk, 0)),
      picSprog(Add<forms::PictureBox>("picSprog", -1, &Wbk, 0)),
      cmbSelptn(Add<ComboBox>("cmbSelptn", -1, &Wbk, 0)),
      cmbChain(Add<ComboBox>("cmbChain", -1, &Wbk, 0)),
      lblRep(Add<Label>("lblRep", -1, &Wbk, 0)),
      frmTsptn(Add<Frame>("frmTsptn", -1, &Wbk, 0)),
      frmPIDbk(Add<Frame>("frmPIDbk", -1, &Wbk, 1)),
      frmWaitbk(Add<Frame>("frmWaitbk", -1, &Wbk, 1)),
      frmOutbk(Add<Frame>("frmOutbk", -1, &Wbk, 1)),
      frmTsbk(Add<Frame>("frmTsbk", -1, &Wbk, 1)),
      frmOTout(Add<Frame>("frmOTout", -1, &Wbk, 2)),
      frmOTout48X(Add<Frame>("frmOTout48X", -1, &frmOTout)),
      frmOter(Add<Frame>("frmOter", -1, &Wbk, 2)),
      frmATmd(Add<Frame>("frmATmd", -1, &Wbk, 2)),
      frmOTlim(Add<Frame>("frmOTlim", -1, &Wbk, 2)),
      frmOTtrs(Add<Frame>("frmOTtrs", -1, &Wbk, 2)),
      frmOTinp(Add<Frame>("frmOTinp", -1, &Wbk, 2)),
      frmOTAlm(Add<Frame>("frmOTAlm", -1, &Wbk, 2)),
      lblCyc(Add<Label>("lblCyc", -1, &frmOTout)),
      lblHys(Add<Label>("lblHys", -1, &frmOTout)),
      lblCycb(Add<Label>("lblCycb", -1, &frmOTout)),
      lblHysb(Add<Label>("lblHysb", -1, &frmOTout)),
      lblDb(Add<Label>("lblDb", -1, &frmOTout)),
      lblPdb(Add<Label>("lblPdb", -1, &frmOTout48X)),
      lblOtim(Add<Label>("lblOtim", -1, &frmOTout48X)),
      lblCtim(Add<Label>("lblCtim", -1, &frmOTout48X)),
      lblStsv(Add<Label>("lblStsv", -1, &frmOter)),
      lblPetm(Add<Label>("lblPetm", -1, &frmOter)),
      lblSh(Add<Label>("lblSh", -1, &frmOTlim)),
      lblSl(Add<Label>("lblSl", -1, &frmOTlim)),
      lblTrsh(Add<Label>("lblTrsh", -1, &frmOTtrs)),
      lblTrsl(Add<Label>("lblTrsl", -1, &frmOTtrs)),
      lblStlh(Add<Label>("lblStlh", -1, &frmOTinp)),
      lblStll(Add<Label>("lblStll", -1, &frmOTinp)),
      lblHosei(Add<Label>("lblHosei", -1, &frmOTinp)),
      lblFilt(Add<Label>("lblFilt", -1, &frmOTinp)),
      lblA1hy(Add<Label>("lblA1hy", -1, &frmOTAlm)),
      lblA2hy(Add<Label>("lblA2hy", -1, &frmOTAlm)),
      lblA3hy(Add<Label>("lblA3hy", -1, &frmOTAlm)),
      lblA4hy(Add<Label>("lblA4hy", -1, &frmOTAlm)),
      lblA1dy(Add<Label>("lblA1dy", -1, &frmOTAlm)),
      lblA2dy(Add<Label>("lblA2dy", -1, &frmOTAlm)),
      lblA3dy(Add<Label>("lblA3dy", -1, &frmOTAlm)),
      lblA4dy(Add<Label>("lblA4dy", -1, &frmOTAlm)),
      lblLpt(Add<Label>("lblLpt", -1, &frmOTAlm)),
      lblLph(Add<Label>("lblLph", -1, &frmOTAlm)),
      cmbCact(Add<ComboBox>("cmbCact", -1, &frmOTout)),
      cmbLock(Add<ComboBox>("cmbLock", -1, &frmOter)),
      cmbStsel(Add<ComboBox>("cmbStsel", -1, &frmOter)),
      cmbRtyst(Add<ComboBox>("cmbRtyst", -1, &frmOter)),
      cmbTmsel(Add<ComboBox>("cmbTmsel", -1, &frmOter)),
      cmbStptime(Add<ComboBox>("cmbStptime", -1, &frmOter)),
      cmbStptemp(Add<ComboBox>("cmbStptemp", -1, &frmOter)),
      cmbSvhold(Add<ComboBox>("cmbSvhold", -1, &frmOter)),
      cmbTS1sel(Add<ComboBox>("cmbTS1sel", -1, &frmOter)),
      cmbTS2sel(Add<ComboBox>("cmbTS2sel", -1, &frmOter)),
      cmbTS3sel(Add<ComboBox>("cmbTS3sel", -1, &frmOter)),
      cmbTS4sel(Add<ComboBox>("cmbTS4sel", -1, &frmOter)),
      cmbTS5sel(Add<ComboBox>("cmbTS5sel", -1, &frmOter)),
      cmbATmd(Add<ComboBox>("cmbATmd", -1, &frmATmd)),
      cmbTrselect(Add<ComboBox>("cmbTrselect", -1, &frmOTtrs)),
      cmbDp(Add<ComboBox>("cmbDp", -1, &frmOTinp)),
      cmbAl3f(Add<ComboBox>("cmbAl3f", -1, &frmOTAlm)),
      cmbAl4f(Add<ComboBox>("cmbAl4f", -1, &frmOTAlm)),
      frmFixSv(Add<Frame>("frmFixSv", -1, &Wbk, 3)),
      frmFixPid(Add<Frame>("frmFixPid", -1, &Wbk, 3)),
      frmFixAlm(Add<Frame>("frmFixAlm", -1, &Wbk, 3)),
      frmFixOut(Add<Frame>("frmFixOut", -1, &Wbk, 3)),
      lblFSv(Add<Label>("lblFSv", -1, &frmFixSv)),
      lblFP(Add<Label>("lblFP", -1, &frmFixPid)),
      lblFI(Add<Label>("lblFI", -1, &frmFixPid)),
      lblFD(Add<Label>("lblFD", -1, &frmFixPid)),
      lblFArw(Add<Label>("lblFArw", -1, &frmFixPid)),
      lblFPb(Add<Label>("lblFPb", -1, &frmFixPid)),
      lblFalm1(Add<Label>("lblFalm1", -1, &frmFixAlm)),
      lblFalm2(Add<Label>("lblFalm2", -1, &frmFixAlm)),
      lblFalm3(Add<Label>("lblFalm3", -1, &frmFixAlm)),
      lblFalm4(Add<Label>("lblFalm4", -1, &frmFixAlm)),
      lblFOlh(Add<Label>("lblFOlh", -1, &frmFixOut)),
      lblFOll(Add<Label>("lblFOll", -1, &frmFixOut)),
      lblFOlhb(Add<Label>("lblFOlhb", -1, &frmFixOut)),
      lblFOllb(Add<Label>("lblFOllb", -1, &frmFixOut)),
      lblFOrat(Add<Label>("lblFOrat", -1, &frmFixOut)),
      dlgFile(program.Svc().file_dialog),
      dlgPrint(program.Svc().file_dialog),
      p_(program) {
  mnuLine0.Caption = "-";
  mnuLine1.Caption = "-";
  AddMember(frmAlmbk, "frmAlmbk", 0, &Wbk, 1);
  BuildTopLevel();
  BuildPatternTab();
  BuildBlockTab();
  BuildParameterTab();
  BuildFixedTab();
  // The decimal-point list is part of the layout itself.
  for (const char* text : {"xxxx", "xxx.x", "xx.xx", "x.xxx"}) cmbDp.AddItem(text);
  ReadAllSettings = [this](int16_t& dev) { QD470::SetAllRecv(p_, dev); };
  WireHandlers();
  WireMenus();
}

void SubDisp_Set::WireHandlers() {
  cmbAl3f.Click = [this] { cmbAl3f_Click(); };
  cmbAl4f.Click = [this] { cmbAl4f_Click(); };
  cmbATmd.Click = [this] { cmbATmd_Click(); };
  cmbCact.Click = [this] { cmbCact_Click(); };
  cmbChain.Click = [this] { cmbChain_Click(); };
  cmbDp.Click = [this] { cmbDp_Click(); };
  cmbLock.Click = [this] { cmbLock_Click(); };
  cmbStsel.Click = [this] { cmbStsel_Click(); };
  cmbRtyst.Click = [this] { cmbRtyst_Click(); };
  cmbTmsel.Click = [this] { cmbTmsel_Click(); };
  cmbStptime.Click = [this] { cmbStptime_Click(); };
  cmbStptemp.Click = [this] { cmbStptemp_Click(); };
  cmbSvhold.Click = [this] { cmbSvhold_Click(); };
  cmbTrselect.Click = [this] { cmbTrselect_Click(); };
  cmbTS1sel.Click = [this] { cmbTS1sel_Click(); };
  cmbTS2sel.Click = [this] { cmbTS2sel_Click(); };
  cmbTS3sel.Click = [this] { cmbTS3sel_Click(); };
  cmbTS4sel.Click = [this] { cmbTS4sel_Click(); };
  cmbTS5sel.Click = [this] { cmbTS5sel_Click(); };
  cmbName.Click = [this] { cmbName_Click(); };
  cmbSelptn.Click = [this] { cmbSelptn_Click(); };
  for (const auto& control : Controls()) {
    auto* label = dynamic_cast<Label*>(control.get());
    if (!label || !FindSelectorByLabel(label->Name())) continue;
    label->DblClick = [this, label] {
      ValueLabel_DblClick(label->Name(), static_cast<int16_t>(label->Index()));
    };
  }
}

void SubDisp_Set::Form_Load() {
  const std::pair<forms::MenuItem*, int> menus[] = {
      {&mnuAllyunit, 108}, {&mnuCom, 109},    {&mnuDevCopy, 110},  {&mnuDispSize, 111},
      {&mnuEnd, 112},      {&mnuFil, 20},     {&mnuLoadSave, 113}, {&mnuMax, 31},
      {&mnuMin, 32},       {&mnunom, 34},     {&mnuPrint, 36},     {&mnupsel, 37},
      {&mnuSSet, 114},     {&mnuSvCopy, 115}, {&mnuUser, 116},     {&mnuYunit, 117}};
  for (const auto& [menu, number] : menus) menu->Caption = p_.LoadResString(number);
  Caption = p_.LoadResString(118);
  for (int t = 0; t < 4; ++t) Wbk.TabCaption(t) = p_.LoadResString(119 + t);
  LoadCaptionLabels();
  const std::pair<Frame*, int> frames[] = {
      {&frmAlmbk(0), 229}, {&frmOTAlm, 230}, {&frmOter, 231},     {&frmOTinp, 232},
      {&frmOTlim, 233},    {&frmOTout, 234}, {&frmOTout48X, 235}, {&frmOTtrs, 236},
      {&frmOutbk, 237},    {&frmPIDbk, 238}, {&frmTsbk, 239},     {&frmWaitbk, 240}};
  for (const auto& [frame, number] : frames) frame->Caption = p_.LoadResString(number);
  LoadFixedLists();
  txtSetWait.SetText(p_.LoadResString(302));
}

namespace {

// A run of caption labels of one array that take consecutive strings.
struct CaptionRun {
  forms::ControlArray<Label> SubDisp_Set::*array;
  int first_member;
  int count;
  int first_string;
};

}  // namespace

void SubDisp_Set::LoadCaptionLabels() {
  Label1.Caption = p_.LoadResString(134);
  const CaptionRun runs[] = {
      {&SubDisp_Set::Label2, 0, 1, 123},  {&SubDisp_Set::Label2, 12, 9, 151},
      {&SubDisp_Set::Label3, 0, 5, 160},  {&SubDisp_Set::Label4, 0, 4, 166},
      {&SubDisp_Set::Label5, 0, 5, 185},  {&SubDisp_Set::Label6, 0, 1, 190},
      {&SubDisp_Set::Label7, 0, 4, 191},  {&SubDisp_Set::Label8, 0, 12, 195},
      {&SubDisp_Set::Label9, 0, 5, 207},  {&SubDisp_Set::Label10, 0, 9, 135},
      {&SubDisp_Set::Label11, 0, 3, 144}, {&SubDisp_Set::Label12, 0, 2, 147},
      {&SubDisp_Set::Label13, 0, 1, 149}, {&SubDisp_Set::Label40, 0, 15, 170},
      {&SubDisp_Set::lblFix, 0, 15, 213}};
  for (const CaptionRun& run : runs) {
    for (int i = 0; i < run.count; ++i) {
      (this->*run.array)(run.first_member + i).Caption = p_.LoadResString(run.first_string + i);
    }
  }
  for (int s = 0; s < 10; ++s) Label2(2 + s).Caption = p_.LoadResString(150) + std::to_string(s);
  for (int t = 1; t <= 8; ++t) {
    Label2(20 + t).Caption = "TS" + std::to_string(t) + p_.LoadResString(133);
  }
  // Block column heads: " block " and the block number.
  const std::string block = p_.LoadResString(165);
  const std::pair<forms::ControlArray<Label>*, int> heads[] = {
      {&Label3, 5}, {&Label4, 4}, {&Label5, 5}, {&Label6, 1}};
  for (const auto& [array, first] : heads) {
    for (int b = 0; b < 10; ++b) (*array)(first + b).Caption = block + std::to_string(b);
  }
  for (int b = 0; b < 16; ++b) Label7(4 + b).Caption = block + std::to_string(b);
  lblComerr4.Caption = p_.LoadResString(212);
}

void SubDisp_Set::LoadFixedLists() {
  auto fill = [this](ComboBox& list, std::initializer_list<int> strings) {
    list.Clear();
    for (int n : strings) list.AddItem(p_.LoadResString(n));
  };
  cmbSelptn.Clear();
  for (int n = 0; n < 10; ++n) cmbSelptn.AddItem(p_.LoadResString(241) + std::to_string(n));
  fill(cmbChain, {242, 243});
  for (ComboBox* list : {&cmbAl3f, &cmbAl4f}) {
    list->Clear();
    for (int k = 0; k < 16; ++k) list->AddItem(p_.LoadResString(245 + k));
  }
  fill(cmbLock, {261, 262});
  fill(cmbStsel, {264, 265, 266});
  fill(cmbRtyst, {268, 269, 270});
  fill(cmbTmsel, {272, 273});
  fill(cmbStptime, {275, 276});
  fill(cmbStptemp, {278, 279});
  fill(cmbSvhold, {281, 282});
  fill(cmbTS1sel, {284, 285});
  fill(cmbTS2sel, {287, 288});
  fill(cmbTS3sel, {290, 291});
  fill(cmbTS4sel, {293, 294});
  fill(cmbTS5sel, {296, 297});
  fill(cmbATmd, {299, 300});
  fill(cmbTrselect, {530, 531, 532});
  fill(cmbCact, {479, 480, 481});
  cmbName.Clear();
  for (int n = 0; n < 32; ++n) cmbName.AddItem(p_.LoadResString(244) + std::to_string(n));
}

}  // namespace qd470
