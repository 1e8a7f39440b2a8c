// The handler table of the value labels' double-clicks and the rules for their captions.
#include "editing/pad_captions.h"

#include <array>

#include "model/setting_catalogue.h"
#include "program/program.h"
#include "settings/input_range.h"
#include "settings/subdisp_set.h"

namespace qd470 {
namespace {

using S = CtrlSide;
using I = InputSel;
using D = DecimalSel;
using T = RuleText;

constexpr std::array<int16_t, 4> H(int16_t hint) { return {hint, hint, hint, hint}; }

// Alarm and output hysteresis. Controller type 1 shows hint 472 where its row names none.
constexpr RuleCase kRuleH[] = {
    {S::kOther, I::kDC, D::kDecimalPoint, T::kMatched, {550, 413, 551, 552}},
    {S::kOther, I::kDC, D::kAny, T::kNone, H(0)},
    {S::kOther, I::kNotDC, D::kAny, T::kOne, H(413)},
    {S::kType1, I::kListedNotDC, D::kAny, T::kOne, H(545)},
    {S::kType1, I::kDC, D::kDecimalPoint, T::kMatched, {546, 545, 547, 548}},
    {S::kType1, I::kAny, D::kAny, T::kNone, H(472)},
};
// Dead band.
constexpr RuleCase kRuleD[] = {
    {S::kOther, I::kDC, D::kDecimalPoint, T::kMatched, H(419)},
    {S::kOther, I::kDC, D::kAny, T::kNone, H(419)},
    {S::kOther, I::kNotDC, D::kAny, T::kOne, H(419)},
    {S::kType1, I::kListedNotDC, D::kAny, T::kOne, H(474)},
    {S::kType1, I::kDC, D::kDecimalPoint, T::kMatched, {568, 569, 570, 571}},
};
// Loop-break alarm span.
constexpr RuleCase kRuleL[] = {
    {S::kOther, I::kInteger, D::kAny, T::kZero, H(561)},
    {S::kOther, I::kOneDecimal, D::kAny, T::kOne, H(562)},
    {S::kOther, I::kDC, D::kDecimalPoint, T::kMatched, {563, 564, 565, 566}},
    {S::kType1, I::kInteger, D::kAny, T::kZero, H(554)},
    {S::kType1, I::kOneDecimal, D::kAny, T::kOne, H(555)},
    {S::kType1, I::kDC, D::kDecimalPoint, T::kMatched, {556, 557, 558, 559}},
};
// Wait value.
constexpr RuleCase kRuleW[] = {
    {S::kOther, I::kAny, D::kEditDp, T::kMatched, {415, 573, 574, 575}},
    {S::kOther, I::kAny, D::kAny, T::kNone, H(415)},
    {S::kType1, I::kInteger, D::kAny, T::kZero, H(415)},
    {S::kType1, I::kOneDecimal, D::kAny, T::kOne, H(540)},
    {S::kType1, I::kDC, D::kDecimalPoint, T::kMatched, {541, 540, 542, 543}},
};
// Proportional band of a block.
constexpr RuleCase kRuleP[] = {
    {S::kOther, I::kAny, D::kEditDp, T::kMatched, H(423)},
    {S::kOther, I::kAny, D::kAny, T::kNone, H(423)},
    {S::kType1, I::kInteger, D::kAny, T::kZero, H(534)},
    {S::kType1, I::kOneDecimal, D::kAny, T::kOne, H(535)},
    {S::kType1, I::kDC, D::kAny, T::kOne, H(476)},
};
// Proportional band of the fixed-value parameters.
constexpr RuleCase kRuleFP[] = {
    {S::kOther, I::kAny, D::kAny, T::kEditDp, H(423)},
    {S::kType1, I::kInteger, D::kAny, T::kEditDp, H(534)},
    {S::kType1, I::kOneDecimal, D::kAny, T::kEditDp, H(535)},
    {S::kType1, I::kDC, D::kAny, T::kEditDp, H(476)},
    {S::kType1, I::kAny, D::kAny, T::kEditDp, H(0)},
};
// Input correction.
constexpr RuleCase kRuleS[] = {
    {S::kOther, I::kAny, D::kEditDp, T::kEditDp, {577, 578, 579, 580}},
    {S::kOther, I::kAny, D::kAny, T::kEditDp, H(577)},
    {S::kType1, I::kAny, D::kEditDp, T::kEditDp, {568, 569, 570, 571}},
    {S::kType1, I::kAny, D::kAny, T::kEditDp, H(568)},
};

using F = ValueForm;
constexpr int16_t kFix = kFixedOutputLowHint;

constexpr LabelHandler kHandlers[] = {
    // The pattern: steps and repeat count.
    {"lblSV", F::kEditDp, 409, 0, {}},
    {"lblTmH", F::kHours, 410, 0, {}},
    {"lblTmM", F::kMinutes, 427, 482, {}},
    {"lblPbk lblWbk lblAbk lblObk", F::kInteger, 414, 0, {}},
    {"lblTs1 lblTs2 lblTs3 lblTs4 lblTs5 lblTs6 lblTs7 lblTs8", F::kInteger, 428, 0, {}},
    {"lblRep", F::kInteger, 412, 0, {}},
    // The blocks.
    {"lblP", F::kRule, 0, 0, kRuleP},
    {"lblI", F::kInteger, 420, 0, {}},
    {"lblD", F::kInteger, 418, 0, {}},
    {"lblArw", F::kInteger, 415, 0, {}},
    {"lblPB", F::kEditDp, 421, 0, {}},
    {"lblWait", F::kRule, 0, 0, kRuleW},
    {"lblA1 lblA2 lblA3 lblA4", F::kEditDp, 411, 0, {}},
    {"lblOlh lblOll lblOlhb lblOllb", F::kInteger, 422, 0, {}},
    {"lblOrat", F::kInteger, 415, 0, {}},
    {"lblTsoffH lblTsonH", F::kHours, 410, 0, {}},
    {"lblTsoffM lblTsonM", F::kMinutes, 427, 0, {}},
    // The fixed-value parameters.
    {"lblFSv", F::kEditDp, 409, 0, {}},
    {"lblFP", F::kRule, 0, 0, kRuleFP},
    {"lblFI", F::kInteger, 420, 0, {}},
    {"lblFD", F::kInteger, 418, 0, {}},
    {"lblFArw lblFOrat", F::kInteger, 415, 0, {}},
    {"lblFPb", F::kEditDp, 421, 0, {}},
    {"lblFalm1 lblFalm2 lblFalm3 lblFalm4", F::kEditDp, 411, 0, {}},
    {"lblFOlh lblFOlhb lblFOllb", F::kInteger, 422, 0, {}},
    {"lblFOll", F::kInteger, kFix, 0, {}},
    // The other parameters.
    {"lblA1hy lblA2hy lblA3hy lblA4hy lblHys lblHysb", F::kRule, 0, 0, kRuleH},
    {"lblA1dy lblA2dy lblA3dy lblA4dy lblPetm", F::kInteger, 412, 471, {}},
    {"lblLpt", F::kInteger, 426, 0, {}},
    {"lblLph", F::kRule, 0, 0, kRuleL},
    {"lblCyc lblCycb", F::kInteger, 417, 0, {}},
    {"lblDb", F::kRule, 0, 0, kRuleD},
    {"lblPdb", F::kEditDp, 413, 0, {}},
    {"lblOtim lblCtim", F::kEditDp, 416, 0, {}},
    {"lblStlh lblStll lblStsv", F::kEditDp, 411, 0, {}},
    {"lblHosei", F::kRule, 0, 0, kRuleS},
    {"lblFilt", F::kEditDp, 421, 475, {}},
    {"lblSh lblSl", F::kEditDp, 411, 0, {}},
    {"lblTrsh lblTrsl", F::kEditDp, 411, 0, {}},
};

bool ListsLabel(std::string_view labels, std::string_view label) {
  while (!labels.empty()) {
    const size_t end = labels.find(' ');
    if (labels.substr(0, end) == label) return true;
    if (end == std::string_view::npos) break;
    labels.remove_prefix(end + 1);
  }
  return false;
}

bool InputsMatch(InputSel sel, InputClass c) {
  switch (sel) {
    case I::kAny:
      return true;
    case I::kInteger:
      return c == InputClass::kInteger;
    case I::kOneDecimal:
      return c == InputClass::kOneDecimal;
    case I::kDC:
      return c == InputClass::kDC;
    case I::kNotDC:
      return c != InputClass::kDC;
    case I::kListedNotDC:
      return c == InputClass::kInteger || c == InputClass::kOneDecimal;
  }
  return false;
}

std::string HintText(const Program& p, int16_t number) {
  if (number == kFixedOutputLowHint) return " -5 to 105 ";
  return p.LoadResString(number);
}

PadCaptions ApplyRule(const Program& p, Rule rule, int16_t raw) {
  const bool type1 = p.DevRec[p.SetCh].CtrlType == 1;
  const InputClass input = InputClassOf(p.DevRec[p.SetCh].CtrlType, p.DevRec[p.SetCh].InRange);
  for (const RuleCase& c : rule) {
    if ((c.side == S::kType1) != type1 || !InputsMatch(c.inputs, input)) continue;
    int16_t matched = 0;
    if (c.decimals != D::kAny) {
      matched = c.decimals == D::kEditDp ? p.EditDp : p.PrmData[0x2E][p.SetCh];
      if (matched < 0 || matched > 3) continue;
    }
    PadCaptions out;
    const int16_t dp = c.text == T::kZero      ? 0
                       : c.text == T::kOne     ? 1
                       : c.text == T::kMatched ? matched
                                               : p.EditDp;
    if (c.text != T::kNone) out.now = SubDisp_Set::DpValText(raw, dp);
    if (const int16_t hint = c.hints[static_cast<size_t>(matched)]; hint != 0) {
      out.limit = HintText(p, hint);
    }
    return out;
  }
  return {};
}

}  // namespace

std::span<const LabelHandler> LabelHandlerTable() { return kHandlers; }

const LabelHandler* FindLabelHandler(std::string_view label) {
  for (const LabelHandler& h : kHandlers) {
    if (ListsLabel(h.labels, label)) return &h;
  }
  return nullptr;
}

PadCaptions CaptionsFor(const Program& p, const LabelHandler& handler, int16_t setting,
                        int16_t index) {
  const int16_t raw = ReadSetting(p, setting, p.SetCh, p.SetPtn, index).value_or(0);
  if (handler.form == F::kRule) return ApplyRule(p, handler.rule, raw);
  PadCaptions out;
  switch (handler.form) {
    case F::kEditDp:
      out.now = SubDisp_Set::DpValText(raw, p.EditDp);
      break;
    case F::kHours:
      out.now = std::to_string(raw / 60);
      break;
    case F::kMinutes:
      out.now = std::to_string(raw % 60);
      break;
    default:
      out.now = std::to_string(raw);
      break;
  }
  const bool type1 = p.DevRec[p.SetCh].CtrlType == 1;
  out.limit = HintText(p, type1 && handler.hint_type1 != 0 ? handler.hint_type1 : handler.hint);
  return out;
}

}  // namespace qd470
