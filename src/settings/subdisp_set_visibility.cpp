// Sections of the settings screen shown or hidden by the controller's specification record, the
// alarm 3 and 4 function lists, the fixed-value tab and the edit lock during auto-tuning.
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

#include "settings/subdisp_set.h"
#include "program/program.h"
#include "program/zero_clip.h"

namespace qd470 {

namespace {

// One control, or members first..last of a control array.
struct ControlRef {
  constexpr ControlRef(std::string_view n) : name(n) {}
  constexpr ControlRef(std::string_view n, int f, int l) : name(n), first(f), last(l) {}
  std::string_view name;
  int first = -1;
  int last = -1;
};

template <class Fn>
void ForEachControl(const forms::Form& form, std::span<const ControlRef> refs, Fn fn) {
  for (const ControlRef& ref : refs) {
    for (int i = ref.first; i <= ref.last; ++i) {
      forms::Control* c = form.Find(std::string(ref.name), i);
      if (!c) throw std::logic_error("no control " + std::string(ref.name));
      fn(*c);
    }
  }
}

void SetVisible(const forms::Form& form, std::span<const ControlRef> refs, bool shown) {
  ForEachControl(form, refs, [shown](forms::Control& c) { c.Visible = shown; });
}

constexpr ControlRef kScaling[] = {{"Label9", 0, 0}, {"lblStlh"},      {"Label9", 1, 1},
                                   {"lblStll"},      {"Label9", 2, 2}, {"cmbDp"}};

constexpr ControlRef kAlarm1[] = {{"Label4", 0, 0}, {"lblA1", 0, 9},  {"Label8", 2, 2},
                                  {"lblA1hy"},      {"Label8", 6, 6}, {"lblA1dy"},
                                  {"lblFix", 6, 6}, {"lblFalm1"}};
constexpr ControlRef kAlarm2[] = {{"Label4", 1, 1}, {"lblA2", 0, 9},  {"Label8", 3, 3},
                                  {"lblA2hy"},      {"Label8", 7, 7}, {"lblA2dy"},
                                  {"lblFix", 7, 7}, {"lblFalm2"}};
constexpr ControlRef kAlarm3[] = {{"Label4", 2, 2}, {"lblA3", 0, 9},  {"Label8", 4, 4},
                                  {"lblA3hy"},      {"Label8", 8, 8}, {"lblA3dy"},
                                  {"lblFix", 8, 8}, {"lblFalm3"}};
constexpr ControlRef kAlarm4[] = {{"Label4", 3, 3}, {"lblA4", 0, 9},  {"Label8", 5, 5},
                                  {"lblA4hy"},      {"Label8", 9, 9}, {"lblA4dy"},
                                  {"lblFix", 9, 9}, {"lblFalm4"}};

constexpr ControlRef kLoopBreak[] = {
    {"Label8", 10, 10}, {"lblLpt"}, {"Label8", 11, 11}, {"lblLph"}};

// OUT2 items; the proportional cycle is also hidden for OUT2 type 2.
constexpr ControlRef kOut2[] = {
    {"Label3", 4, 4},  {"lblPB", 0, 9},    {"lblOlhb", 0, 9}, {"lblOllb", 0, 9}, {"lblFix", 5, 5},
    {"lblFPb"},        {"Label5", 2, 2},   {"Label5", 3, 3},  {"Label10", 5, 5}, {"cmbCact"},
    {"Label10", 3, 3}, {"lblHysb"},        {"Label10", 4, 4}, {"lblDb"},         {"lblFix", 12, 12},
    {"lblFOlhb"},      {"lblFix", 13, 13}, {"lblFOllb"}};
constexpr ControlRef kOut2Cycle[] = {{"Label10", 2, 2}, {"lblCycb"}};

constexpr ControlRef kTimeSignals[] = {{"frmTsptn"},  {"frmTsbk"},   {"Label40", 10, 14},
                                       {"cmbTS1sel"}, {"cmbTS2sel"}, {"cmbTS3sel"},
                                       {"cmbTS4sel"}, {"cmbTS5sel"}};

// Every control that opens an edit; cmbName is not among them.
constexpr ControlRef kEditControls[] = {{"cmbAl3f"},
                                        {"cmbAl4f"},
                                        {"cmbCact"},
                                        {"cmbTrselect"},
                                        {"cmbDp"},
                                        {"cmbATmd"},
                                        {"cmbLock"},
                                        {"cmbStsel"},
                                        {"cmbRtyst"},
                                        {"cmbTmsel"},
                                        {"cmbStptime"},
                                        {"cmbStptemp"},
                                        {"cmbSvhold"},
                                        {"cmbTS1sel"},
                                        {"cmbTS2sel"},
                                        {"cmbTS3sel"},
                                        {"cmbTS4sel"},
                                        {"cmbTS5sel"},
                                        {"cmbSelptn"},
                                        {"cmbChain"},
                                        {"lblRep"},
                                        {"lblA1hy"},
                                        {"lblA2hy"},
                                        {"lblA3hy"},
                                        {"lblA4hy"},
                                        {"lblA1dy"},
                                        {"lblA2dy"},
                                        {"lblA3dy"},
                                        {"lblA4dy"},
                                        {"lblLpt"},
                                        {"lblLph"},
                                        {"lblCyc"},
                                        {"lblHys"},
                                        {"lblCycb"},
                                        {"lblHysb"},
                                        {"lblDb"},
                                        {"lblPdb"},
                                        {"lblOtim"},
                                        {"lblCtim"},
                                        {"lblSh"},
                                        {"lblSl"},
                                        {"lblTrsh"},
                                        {"lblTrsl"},
                                        {"lblStlh"},
                                        {"lblStll"},
                                        {"lblHosei"},
                                        {"lblFilt"},
                                        {"lblStsv"},
                                        {"lblPetm"},
                                        {"lblFSv"},
                                        {"lblFP"},
                                        {"lblFI"},
                                        {"lblFD"},
                                        {"lblFArw"},
                                        {"lblFPb"},
                                        {"lblFalm1"},
                                        {"lblFalm2"},
                                        {"lblFalm3"},
                                        {"lblFalm4"},
                                        {"lblFOlh"},
                                        {"lblFOll"},
                                        {"lblFOlhb"},
                                        {"lblFOllb"},
                                        {"lblFOrat"},
                                        {"lblSV", 0, 9},
                                        {"lblTmH", 0, 9},
                                        {"lblTmM", 0, 9},
                                        {"lblPbk", 0, 9},
                                        {"lblWbk", 0, 9},
                                        {"lblAbk", 0, 9},
                                        {"lblObk", 0, 9},
                                        {"lblTs1", 0, 9},
                                        {"lblTs2", 0, 9},
                                        {"lblTs3", 0, 9},
                                        {"lblTs4", 0, 9},
                                        {"lblTs5", 0, 9},
                                        {"lblTs6", 0, 9},
                                        {"lblTs7", 0, 9},
                                        {"lblTs8", 0, 9},
                                        {"lblP", 0, 9},
                                        {"lblI", 0, 9},
                                        {"lblD", 0, 9},
                                        {"lblArw", 0, 9},
                                        {"lblPB", 0, 9},
                                        {"lblA1", 0, 9},
                                        {"lblA2", 0, 9},
                                        {"lblA3", 0, 9},
                                        {"lblA4", 0, 9},
                                        {"lblOlh", 0, 9},
                                        {"lblOll", 0, 9},
                                        {"lblOrat", 0, 9},
                                        {"lblOlhb", 0, 9},
                                        {"lblOllb", 0, 9},
                                        {"lblWait", 0, 9},
                                        {"lblTsoffH", 0, 15},
                                        {"lblTsoffM", 0, 15},
                                        {"lblTsonH", 0, 15},
                                        {"lblTsonM", 0, 15}};

bool IsDcInput(const TypeRec& rec) {
  if (rec.CtrlType == 1) return rec.InRange >= 34 && rec.InRange <= 43;
  switch (rec.InRange) {
    case 12:
    case 13:
    case 14:
    case 28:
    case 29:
    case 30:
      return true;
    default:
      return false;
  }
}

// Alarm 1 and 2 by their specification type.
bool AlarmTypeShown(int16_t type) { return type != 0 && (type < 13 || type > 15); }

// Alarm 3 and 4 items by the stored alarm function.
bool AlarmFunctionShown(int16_t f) { return f != 0 && (f < 13 || f >= 16); }

}  // namespace

void SubDisp_Set::CRTSpcSet() {
  int16_t ch = static_cast<int16_t>(cmbName.ListIndex());
  int16_t ptn = static_cast<int16_t>(cmbSelptn.ListIndex());
  p_.SetCh = shown_ch_ = QD470::ZeroClip(ch);
  p_.SetPtn = shown_ptn_ = QD470::ZeroClip(ptn);
  const TypeRec& rec = p_.DevRec[p_.SetCh];

  SetVisible(*this, kScaling, IsDcInput(rec));
  SetVisible(*this, kAlarm1, AlarmTypeShown(rec.Al1Type));
  SetVisible(*this, kAlarm2, AlarmTypeShown(rec.Al2Type));
  SetVisible(*this, kLoopBreak, rec.LoopAlmNone == 0);
  SetVisible(*this, kOut2, rec.Out2Type != 0);
  SetVisible(*this, kOut2Cycle, rec.Out2Type != 0 && rec.Out2Type != 2);
  frmOTtrs.Visible = rec.TrsNone == 0;
  SetVisible(*this, kTimeSignals, rec.TsNone == 0);
  frmOTout48X.Visible = rec.CtrlType == 0;
  Wbk.SetTabEnabled(3, rec.CtrlType != 1);

  RebuildAlarmList(cmbAl3f, 3);
  RebuildAlarmList(cmbAl4f, 4);
  SetEditLock((p_.DevStatus[p_.SetCh] & kStatAutoTuning) != 0);
}

// Refills an alarm function list (14 functions, 16 on controller type 1) and selects the stored
// function; a function beyond the list selects "No alarm action", which the list's click handler
// then stores and queues. The alarm's items follow the function the controller now holds.
void SubDisp_Set::RebuildAlarmList(forms::ComboBox& list, int alarm) {
  const int code = alarm == 3 ? 0x0F : 0x10;
  while (list.ListCount() > 0) list.RemoveItem(0);
  const int count = p_.DevRec[p_.SetCh].CtrlType == 1 ? 16 : 14;
  for (int k = 0; k < count; ++k) list.AddItem(p_.LoadResString(245 + k));
  const int16_t f = p_.PrmData[code][p_.SetCh];
  list.SetListIndex(f > count - 1 ? 0 : f);
  ShowAlarmItems(alarm, AlarmFunctionShown(p_.PrmData[code][p_.SetCh]));
}

void SubDisp_Set::ShowAlarmItems(int alarm, bool shown) {
  SetVisible(*this, alarm == 3 ? std::span<const ControlRef>(kAlarm3) : kAlarm4, shown);
}

void SubDisp_Set::SetEditLock(bool locked) {
  ForEachControl(*this, kEditControls, [locked](forms::Control& c) { c.Enabled = !locked; });
}

bool SubDisp_Set::AlarmItemsShown(int16_t f) { return AlarmFunctionShown(f); }

}  // namespace qd470
