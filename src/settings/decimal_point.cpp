// The decimal-places table of the edit items and the routine that reads it.
#include "settings/decimal_point.h"

#include <array>
#include <optional>

#include "settings/edit_item_set.h"
#include "settings/input_range.h"

namespace qd470 {
namespace {

// How a row of the decimal-places table finds EditDp.
enum class DpRule : uint8_t {
  kProportionalBand,  // type 1: 1 for one-decimal and DC inputs, 0 for integer; others: 1
  kZero,
  kOne,
  kInputDecimals,   // the input decimals of the controller
  kDcPointElseOne,  // DC input: the decimal-point setting; any other input of the list: 1
  kTransmission,    // transmission selection 0 or 1: input decimals; 2: 1
  kUnchanged,
};

constexpr int kPrmTransmissionSelect = 0x29;

struct DpRow {
  ItemSet settings;
  DpRule rule;
};

constexpr std::array<DpRow, 7> kDecimalTable{{
    {{0}, DpRule::kProportionalBand},
    {{{1, 3}, {9, 15}, {18, 32}, {35, 37}, {43, 49}, {54, 58}, 60, 62, 65, 76, 79, {81, 102}},
     DpRule::kZero},
    {{4, 34, 38, 66, 67, 68, 73, 103}, DpRule::kOne},
    {{{5, 8}, 16, 17, 33, {39, 42}, 59, 69, 70, 74, 75, 80}, DpRule::kInputDecimals},
    {{{50, 53}, 61, 63, 64, 72}, DpRule::kDcPointElseOne},
    {{77, 78}, DpRule::kTransmission},
    {{71, 104}, DpRule::kUnchanged},
}};

constexpr bool RowsAreDisjoint() {
  for (size_t i = 0; i < kDecimalTable.size(); ++i) {
    for (size_t j = i + 1; j < kDecimalTable.size(); ++j) {
      if (kDecimalTable[i].settings.Overlaps(kDecimalTable[j].settings)) return false;
    }
  }
  return true;
}
static_assert(RowsAreDisjoint(), "a setting number may stand in one row only");

// The rule of setting number n; kUnchanged for a number no row lists.
DpRule DecimalRuleOf(int n) {
  for (const DpRow& row : kDecimalTable) {
    if (row.settings.Contains(n)) return row.rule;
  }
  return DpRule::kUnchanged;
}

// The decimal places that the rule gives for controller dev, or empty when EditDp is to keep
// its previous value (input outside the list, decimal point outside 0 to 3, and the like).
std::optional<int16_t> DecimalPlaces(const ProgramState& st, DpRule rule, int dev) {
  if (!IsDeviceIndex(dev)) return std::nullopt;
  switch (rule) {
    case DpRule::kProportionalBand: {
      if (st.DevRec[dev].CtrlType != 1) return 1;
      const std::optional<int16_t> input = InputDecimals(st, dev);
      if (!input) return std::nullopt;
      return DeviceInputClass(st, dev) == InputClass::kInteger ? 0 : 1;
    }
    case DpRule::kZero:
      return 0;
    case DpRule::kOne:
      return 1;
    case DpRule::kInputDecimals:
      return InputDecimals(st, dev);
    case DpRule::kDcPointElseOne:
      switch (DeviceInputClass(st, dev)) {
        case InputClass::kDC:
          return InputDecimals(st, dev);
        case InputClass::kNone:
          return std::nullopt;
        default:
          return 1;
      }
    case DpRule::kTransmission: {
      const int16_t selection = st.PrmData[kPrmTransmissionSelect][dev];
      if (selection == 2) return 1;
      if (selection == 0 || selection == 1) return InputDecimals(st, dev);
      return std::nullopt;
    }
    case DpRule::kUnchanged:
      break;
  }
  return std::nullopt;
}

}  // namespace

void setdecimalpoint(ProgramState& st) {
  const std::optional<int16_t> dp = DecimalPlaces(st, DecimalRuleOf(st.EditItem), st.SetCh);
  if (dp) st.EditDp = *dp;
}

}  // namespace qd470
