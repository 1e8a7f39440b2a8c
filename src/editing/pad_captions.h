// What a value label's double-click writes onto the numeric pad: the current value text and the
// range hint, from the handler table of the settings screen's value labels and its rules for
// the labels whose text and hint depend on the controller's type, input and decimal point.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "model/program_state.h"

namespace qd470 {

class Program;

// The value text of a handler row.
enum class ValueForm : uint8_t { kEditDp, kInteger, kHours, kMinutes, kRule };

// The rules' conditions: which controller types, which input classes, which decimal count.
enum class CtrlSide : uint8_t { kOther, kType1 };
enum class InputSel : uint8_t {
  kAny,
  kInteger,
  kOneDecimal,
  kDC,
  kNotDC,        // integer, one-decimal, or a code outside the type's list
  kListedNotDC,  // integer or one-decimal
};
// kDecimalPoint and kEditDp match when that number is 0 to 3 and pick the hint by it.
enum class DecimalSel : uint8_t { kAny, kDecimalPoint, kEditDp };
// kNone leaves no text; kMatched takes the decimals matched by the DecimalSel.
enum class RuleText : uint8_t { kNone, kZero, kOne, kMatched, kEditDp };

struct RuleCase {
  CtrlSide side;
  InputSel inputs;
  DecimalSel decimals;
  RuleText text;
  std::array<int16_t, 4> hints;  // by the matched decimals 0 to 3 (all alike otherwise); 0 none
};
using Rule = std::span<const RuleCase>;

// The fixed hint of one label, the same in both languages (not from the string table).
inline constexpr int16_t kFixedOutputLowHint = -1;

struct LabelHandler {
  std::string_view labels;  // blank-separated value labels of the settings screen
  ValueForm form;
  int16_t hint;        // string number; kFixedOutputLowHint; 0 when the rule decides
  int16_t hint_type1;  // string number for controller type 1; 0: the same as hint
  Rule rule;           // for ValueForm::kRule
};

std::span<const LabelHandler> LabelHandlerTable();
const LabelHandler* FindLabelHandler(std::string_view label);

// The pad's two captions; nullopt where the rule gives none.
struct PadCaptions {
  std::optional<std::string> now;
  std::optional<std::string> limit;
};

// The captions for the label's setting, its selector already run: the value of `setting`
// (step, block or none as `index`) of controller SetCh, pattern SetPtn.
PadCaptions CaptionsFor(const Program& p, const LabelHandler& handler, int16_t setting,
                        int16_t index);

}  // namespace qd470
