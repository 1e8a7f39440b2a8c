// Acceptance of the numeric pad: the auto-tuning guard, the range check, the store into the
// setting table, the label of the settings screen and the one-item write request.
#include <charconv>
#include <string>
#include <string_view>

#include "editing/subdisp_tenkey.h"
#include "model/request_slot.h"
#include "model/setting_catalogue.h"
#include "program/program.h"
#include "settings/profile.h"
#include "settings/subdisp_set.h"

namespace qd470 {
namespace {

constexpr int16_t kStepTime = 18;
constexpr int16_t kStepSv = 17;

// A scaling limit that pulls the SV limit on its side in when it passes it.
struct PullIn {
  int16_t setting;
  int scaling_code;
  int sv_code;
  bool high;  // the high limits: the SV high limit follows a scaling high below it
};
constexpr PullIn kPullIns[] = {{69, 0x2C, 0x27, true}, {70, 0x2D, 0x28, false}};

// The settings the pad stores: every value setting, and the two commands that keep a value.
bool PadStores(const SettingDef& def) {
  return def.kind == SettingKind::kValue ||
         (def.kind == SettingKind::kCommand && def.table != SettingTable::kNone);
}

// The number a label reads (its leading integer, 0 when there is none).
int16_t CaptionValue(const std::string& caption) {
  std::string_view text = caption;
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  int value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return static_cast<int16_t>(value);
}

// The labels of the settings screen that show a value of the target: only while the screen
// shows the target's controller (and pattern, for pattern items). Otherwise nothing is
// written there, and the other half of a time value comes from the table.
class ScreenLabels {
 public:
  ScreenLabels(Program& p, const PadTarget& t, const SettingDef& def) : def_(def) {
    if (def.kind != SettingKind::kValue || !p.Forms().IsLoaded<SubDisp_Set>()) return;
    SubDisp_Set& screen = p.Form<SubDisp_Set>();
    const bool per_pattern =
        def.table == SettingTable::kPtnData || def.table == SettingTable::kPtnCom;
    if (screen.ShownCh() != t.SetCh || (per_pattern && screen.ShownPtn() != t.SetPtn)) return;
    screen_ = &screen;
    indexed_ = def.table == SettingTable::kPtnData || def.table == SettingTable::kBlkData;
    index_ = t.EditIdx;
  }
  // The label of half 0 (the value or the hours) or 1 (the minutes); nullptr when not shown.
  forms::Label* Part(int part) const {
    if (!screen_) return nullptr;
    const auto names = SettingControls(def_);
    if (static_cast<size_t>(part) >= names.size()) return nullptr;
    return screen_->FindAs<forms::Label>(std::string(names[part]), indexed_ ? index_ : -1);
  }

 private:
  const SettingDef& def_;
  SubDisp_Set* screen_ = nullptr;
  bool indexed_ = false;
  int16_t index_ = 0;
};

void SetCaption(forms::Label* label, const std::string& text) {
  if (label) label->Caption = text;
}

// The whole minute count of a time value of which one half was typed; the other half is read
// from its label (or from the stored count when the screen shows another controller).
int16_t CombineTime(const PadTarget& t, int16_t typed, int16_t stored, const ScreenLabels& labels) {
  forms::Label* hours = labels.Part(0);
  forms::Label* minutes = labels.Part(1);
  const bool step_time = t.EditItem == kStepTime;
  if (t.EditSub == 0) {
    int16_t m = minutes ? CaptionValue(minutes->Caption) : static_cast<int16_t>(stored % 60);
    if (step_time && typed != 0 && m == -1) {
      SetCaption(minutes, "0");
      m = 0;
    }
    return static_cast<int16_t>(typed * 60 + m);
  }
  int16_t h = hours ? CaptionValue(hours->Caption) : static_cast<int16_t>(stored / 60);
  if (step_time && typed == -1) {
    SetCaption(hours, "0");
    h = 0;
  }
  return static_cast<int16_t>(h * 60 + typed);
}

// What follows a changed value: the profile after a step SV, the SV limits after a scaling
// limit.
void AfterChange(Program& p, const PadTarget& t) {
  if (t.EditItem == kStepSv && p.Forms().IsLoaded<SubDisp_Set>()) QD470::PtnGraphDraw(p);
  for (const PullIn& rule : kPullIns) {
    if (rule.setting != t.EditItem) continue;
    const int16_t scaling = p.PrmData[rule.scaling_code][t.SetCh];
    int16_t& sv = p.PrmData[rule.sv_code][t.SetCh];
    if (rule.high ? scaling < sv : scaling > sv) {
      NotePulled(p, rule.sv_code, sv);
      sv = scaling;
      p.SendReq2 = 1;
    }
  }
}

}  // namespace

void SubDisp_Tenkey::cmdOK_Click() {
  if (p_.DevStatus[target_.SetCh] & kStatAutoTuning) {
    p_.MsgBox(p_.LoadResString(398));
    Close();
    return;
  }
  if (entry_.Empty()) return;
  const int64_t value = entry_.Value();
  if (value > target_.EditHi || value < target_.EditLo) {
    p_.MsgBox(p_.LoadResString(397));
    entry_.Clear();  // the box keeps the refused text until the next key
    lblInput.Caption = "";
    return;
  }
  Store(static_cast<int16_t>(value));
  Close();
}

void SubDisp_Tenkey::Store(int16_t value) {
  const PadTarget& t = target_;
  const SettingDef* def = FindSetting(t.EditItem);
  if (!def || !PadStores(*def)) return;
  t.ToSlot(p_);
  const ScreenLabels labels(p_, t, *def);
  const std::string text = t.EditDp >= 1 && t.EditDp <= 3 ? SubDisp_Set::DpValText(value, t.EditDp)
                                                          : std::to_string(value);
  const auto stored = ReadSetting(p_, t.EditItem, t.SetCh, t.SetPtn, t.EditIdx);
  if (!stored) return;
  int16_t combined = value;
  if (def->two_part) combined = CombineTime(t, value, *stored, labels);
  if (combined != *stored && !p_.RoomForWrite(t.SetCh, t.EditItem, t.SetPtn, t.EditIdx)) return;
  p_.SendVal = combined;
  if (combined != *stored) {
    WriteSetting(p_, t.EditItem, t.SetCh, t.SetPtn, t.EditIdx, combined);
    QueueWrite(p_, *stored);
    AfterChange(p_, t);
  }
  SetCaption(labels.Part(def->two_part && t.EditSub != 0 ? 1 : 0), text);
}

}  // namespace qd470
