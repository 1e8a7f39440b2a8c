// The controller specification dialog: page handling, record display and store, type file.
#include "settings/subdisp_sset.h"

#include <string>

#include "program/program.h"
#include "settings/default_settings.h"
#include "settings/subdisp_set.h"
#include "settings/type_file.h"

namespace qd470 {
namespace {

// String numbers of the lists.
constexpr int kInputListFirst = 318;  // 32 input types of QD410 and QD430
constexpr int kInputListCount = 32;
constexpr int kInputListQdm1First = 485;  // 44 input types of QDM1
constexpr int kInputListQdm1Count = 44;
constexpr int kAlarmListFirst = 245;
constexpr int kAlarmListFull = 16;  // QDM1 adds "Loop break alarm output", "Output during AT"
constexpr int kAlarmListShort = 14;

constexpr int kQdm1 = 1;
constexpr int kQd410 = -1;

// Option groups of one device, in the order of their frames frmOp(5 * device + group).
enum OptionGroup { kGroupLA, kGroupDx, kGroupTx, kGroupTs, kGroupType, kGroups };

// Rows of the dialog, top to bottom: the caption label lblSS(n) of each row.
constexpr int kRowCaption[] = {7, 2, 0, 1, 3, 4, 5, 6};
constexpr int kRows = 8;

// Geometry in twips.
constexpr int kMargin = 180;
constexpr int kCaptionWidth = 3000;
constexpr int kDeviceWidth = 4800;
constexpr int kRowHeight = 480;
constexpr int kRowsTop = 900;
constexpr int kFrameTop = kRowsTop - 360;
// The first row's borderless option frame reaches 20 twips above the row: all of it stays below
// the caption band of the device frame.
constexpr int kFrameInnerTop = forms::kFrameCaptionBand + 20;
constexpr int kFieldHeight = 360;

int DeviceLeft(int i) { return kMargin + kCaptionWidth + i * (kDeviceWidth + kMargin); }
int RowTop(int row) { return kFrameInnerTop + row * kRowHeight; }
int RowOf(int caption) {
  for (int row = 0; row < kRows; ++row) {
    if (kRowCaption[row] == caption) return row;
  }
  return 0;
}

int16_t Flag(bool v) { return v ? kTrue : kFalse; }

}  // namespace

SubDisp_SSet::SubDisp_SSet(Program& program)
    : forms::Form("SubDisp_SSet"),
      Label1(Add<forms::Label>("Label1")),
      updDev(Add<forms::UpDown>("updDev")),
      cmdOK(Add<forms::CommandButton>("cmdOK")),
      cmdCancel(Add<forms::CommandButton>("cmdCancel")),
      p_(program) {
  Dialog = true;
  const int width = DeviceLeft(2);
  const int rows_bottom = kFrameTop + kFrameInnerTop + kRows * kRowHeight + 120;
  Width = width;
  Height = rows_bottom + 720;

  Label1.Move(kMargin, kMargin, width - 2 * kMargin - 600, 300);
  updDev.Move(width - kMargin - 420, kMargin - 40, 420, 380);
  updDev.Min = 0;
  updDev.Max = 30;
  updDev.Increment = 2;
  updDev.Change = [this] { updDev_Change(); };

  for (int n = 0; n < kRows; ++n) {
    auto& caption = AddMember(lblSS, "lblSS", n);
    caption.Move(kMargin, kFrameTop + RowTop(RowOf(n)) + 40, kCaptionWidth - 120, kFieldHeight);
  }
  for (int i = 0; i < 2; ++i) BuildDevice(i);

  cmdOK.Caption = "OK";
  cmdOK.Default = true;
  cmdOK.Move(width - kMargin - 2 * 1300 - 120, rows_bottom + 180, 1300, 420);
  cmdOK.Click = [this] { cmdOK_Click(); };
  cmdCancel.Cancel = true;
  cmdCancel.Move(width - kMargin - 1300, rows_bottom + 180, 1300, 420);
  cmdCancel.Click = [this] { cmdCancel_Click(); };
}

// The frame of device i with its lists and option groups.
void SubDisp_SSet::BuildDevice(int i) {
  auto& frame = AddMember(frmDev, "frmDev", i);
  frame.Move(DeviceLeft(i), kFrameTop, kDeviceWidth, kFrameInnerTop + kRows * kRowHeight + 120);
  const int field_left = 120;
  const int field_width = kDeviceWidth - 240;
  auto place_list = [&](forms::ComboBox& list, int caption) {
    list.Move(field_left, RowTop(RowOf(caption)), field_width, kFieldHeight);
  };
  place_list(AddMember(cmbSSReng, "cmbSSReng", i, &frame), 2);
  place_list(AddMember(cmbSSA1, "cmbSSA1", i, &frame), 0);
  place_list(AddMember(cmbSSA2, "cmbSSA2", i, &frame), 1);

  // One borderless frame per option group, so the groups of a device exclude only their own.
  auto add_group = [&](OptionGroup group, int caption) -> forms::Frame& {
    auto& g = AddMember(frmOp, "frmOp", kGroups * i + group, &frame);
    g.Border = false;
    g.Move(field_left, RowTop(RowOf(caption)) - 20, field_width, kFieldHeight + 40);
    return g;
  };
  auto add_options = [&](forms::ControlArray<forms::OptionButton>& array, const char* name,
                         forms::Frame& group, std::initializer_list<int> members,
                         std::initializer_list<const char*> captions) {
    const int option_width = field_width / static_cast<int>(members.size());
    auto caption = captions.begin();
    int column = 0;
    for (int member : members) {
      auto& option = AddMember(array, name, member, &group);
      option.Caption = *caption++;
      option.Move(column++ * option_width, 20, option_width - 60, kFieldHeight);
    }
  };
  add_options(optLA, "optLA", add_group(kGroupLA, 3), {2 * i, 2 * i + 1}, {"None", "LA"});
  add_options(optDx, "optDx", add_group(kGroupDx, 4), {3 * i, 3 * i + 1, 3 * i + 2},
              {"None", "DRorDS", "DA"});
  add_options(optTx, "optTx", add_group(kGroupTx, 5), {2 * i, 2 * i + 1}, {"None", "TAorTV"});
  add_options(optTs, "optTs", add_group(kGroupTs, 6), {2 * i, 2 * i + 1}, {"None", "TS"});
  add_options(optType, "optType", add_group(kGroupType, 7), {2 * i, 2 * i + 1, i + 4},
              {"QD410", "QD430", "QDM1"});
  for (int member : {2 * i, 2 * i + 1, i + 4}) {
    optType(member).Click = [this, member] { optType_Click(member); };
  }
}

bool SubDisp_SSet::TypeFileExists() const {
  std::error_code ec;
  return std::filesystem::exists(p_.DataFile(p_.TypeFileName), ec);
}

std::error_code SubDisp_SSet::TypeLoad() {
  if (TypeFileExists()) return ReadTypeFile(p_.DataFile(p_.TypeFileName), p_.DevRec);
  SetTypeDefaults(p_.DevRec);
  SpcSet(0);
  p_.Forms().Show(*this, true);
  return {};
}

void SubDisp_SSet::Form_Load() {
  ShownDev = updDev.Value();
  if (p_.CommCond.DevCount == 1) frmDev(1).Visible = false;
  cmdCancel.Visible = TypeFileExists();

  cmdCancel.Caption = p_.LoadResString(101);
  Caption = p_.LoadResString(304);
  frmDev(0).Caption = p_.LoadResString(305);
  frmDev(1).Caption = p_.LoadResString(306);
  Label1.Caption = p_.LoadResString(316);
  static constexpr int kCaptionStrings[kRows] = {308, 309, 307, 310, 311, 312, 313, 314};
  for (int n = 0; n < kRows; ++n) lblSS(n).Caption = p_.LoadResString(kCaptionStrings[n]);
  const std::string none = p_.LoadResString(315);
  for (auto* option :
       {&optLA(0), &optDx(0), &optTx(0), &optTs(0), &optLA(2), &optDx(3), &optTx(2), &optTs(2)}) {
    option->Caption = none;
  }
  for (int i = 0; i < 2; ++i) {
    FillAlarmList(cmbSSA1(i), kAlarmListFull);
    FillAlarmList(cmbSSA2(i), kAlarmListFull);
  }
}

void SubDisp_SSet::Form_QueryUnload(bool& cancel) {
  if (!TypeFileExists()) cancel = true;
}

void SubDisp_SSet::FillInputList(int i, bool qdm1) {
  auto& list = cmbSSReng(i);
  while (list.ListCount() > 0) list.RemoveItem(0);
  const int first = qdm1 ? kInputListQdm1First : kInputListFirst;
  const int count = qdm1 ? kInputListQdm1Count : kInputListCount;
  for (int n = 0; n < count; ++n) list.AddItem(p_.LoadResString(first + n));
}

void SubDisp_SSet::FillAlarmList(forms::ComboBox& list, int entries) {
  while (list.ListCount() > 0) list.RemoveItem(0);
  for (int n = 0; n < entries; ++n) list.AddItem(p_.LoadResString(kAlarmListFirst + n));
}

// Selects `position`, or entry 0 when the list does not have it.
static void SelectOrFirst(forms::ComboBox& list, int position) {
  list.SetListIndex(position >= 0 && position < list.ListCount() ? position : 0);
}

void SubDisp_SSet::SpcSet(int first) {
  for (int i = 0; i < 2; ++i) {
    const TypeRec& rec = p_.DevRec[static_cast<size_t>(first + i)];
    FillInputList(i, rec.CtrlType == kQdm1);
    SelectOrFirst(cmbSSReng(i), rec.InRange);
    // The alarm lists first offer what the record's type offers: the lists of the page shown
    // before may be shorter, and a code they lack would be lost when the page is stored. An
    // alarm code the record's type does not offer shows entry 0, as the input list does.
    const int alarm_entries = rec.CtrlType == kQdm1 ? kAlarmListFull : kAlarmListShort;
    FillAlarmList(cmbSSA1(i), alarm_entries);
    FillAlarmList(cmbSSA2(i), alarm_entries);
    SelectOrFirst(cmbSSA1(i), rec.Al1Type);
    SelectOrFirst(cmbSSA2(i), rec.Al2Type);
    optLA(rec.LoopAlmNone == kTrue ? 2 * i : 2 * i + 1).SetValue(true);
    optDx(rec.Out2Type == 0 ? 3 * i : rec.Out2Type == 1 ? 3 * i + 1 : 3 * i + 2).SetValue(true);
    optTx(rec.TrsNone == kTrue ? 2 * i : 2 * i + 1).SetValue(true);
    optTs(rec.TsNone == kTrue ? 2 * i : 2 * i + 1).SetValue(true);
    const int type_option = rec.CtrlType == kQdm1    ? i + 4
                            : rec.CtrlType == kQd410 ? 2 * i
                                                     : 2 * i + 1;
    optType(type_option).SetValue(true);
  }
  for (int i = 0; i < 2; ++i) frmDev(i).Caption = p_.DevNames[static_cast<size_t>(first + i)].Name;
}

void SubDisp_SSet::SpcStore() {
  for (int i = 0; i < 2; ++i) {
    TypeRec& rec = p_.DevRec[static_cast<size_t>(ShownDev + i)];
    rec.InRange = static_cast<int16_t>(cmbSSReng(i).ListIndex());
    rec.Al1Type = static_cast<int16_t>(cmbSSA1(i).ListIndex());
    rec.Al2Type = static_cast<int16_t>(cmbSSA2(i).ListIndex());
    rec.LoopAlmNone = Flag(optLA(2 * i).Value());
    rec.Out2Type = optDx(3 * i).Value() ? 0 : optDx(3 * i + 1).Value() ? 1 : 2;
    rec.TrsNone = Flag(optTx(2 * i).Value());
    rec.TsNone = Flag(optTs(2 * i).Value());
    rec.CtrlType = optType(i + 4).Value() ? kQdm1 : Flag(optType(2 * i).Value());
  }
}

// Rebuilds the lists of both shown devices for their chosen type, keeping each position that
// the new list still has.
void SubDisp_SSet::optType_Click(int /*index*/) {
  for (int i = 0; i < 2; ++i) {
    const bool qdm1 = optType(i + 4).Value();
    const int input = cmbSSReng(i).ListIndex();
    FillInputList(i, qdm1);
    SelectOrFirst(cmbSSReng(i), input);
    for (auto* list : {&cmbSSA1(i), &cmbSSA2(i)}) {
      const int alarm = list->ListIndex();
      FillAlarmList(*list, qdm1 ? kAlarmListFull : kAlarmListShort);
      SelectOrFirst(*list, alarm);
    }
  }
}

void SubDisp_SSet::updDev_Change() {
  const int dev_count = p_.CommCond.DevCount;
  if (updDev.Value() > dev_count - 1) {
    updDev.SetValue(updDev.Value() - 2);  // runs this handler again for the lower page
    return;
  }
  frmDev(1).Visible = !(updDev.Value() >= dev_count - 1 && dev_count % 2 == 1);
  SpcStore();
  SpcSet(updDev.Value());
  ShownDev = updDev.Value();
}

void SubDisp_SSet::cmdOK_Click() {
  if (TypeFileExists()) {
    auto answer =
        p_.MsgBox(p_.LoadResString(432), forms::MsgButtons::kYesNo, forms::MsgIcon::kQuestion);
    if (answer != forms::MsgResult::kYes) {
      p_.MsgBox(p_.LoadResString(433));
      p_.Forms().Unload(*this);
      return;
    }
  }
  SpcStore();
  if (WriteTypeFile(p_.DataFile(p_.TypeFileName), p_.DevRec)) {
    p_.MsgBox(p_.LoadResString(68));
    return;
  }
  p_.Forms().Unload(*this);
  Datainitial(p_);
  p_.Form<SubDisp_Set>().SetDispUpDate();
}

void SubDisp_SSet::cmdCancel_Click() { p_.Forms().Unload(*this); }

}  // namespace qd470
