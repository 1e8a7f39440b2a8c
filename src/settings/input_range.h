// Input-type classes and rated measuring ranges of both controller types, and the range
// functions of the settings form that the limit rules of controller type 1 use.
#pragma once

#include <cstdint>
#include <optional>

#include "model/program_state.h"

namespace qd470 {

// How an input type shows its values: whole units, tenths, or with the controller's own
// decimal-point setting (DC inputs). kNone: the code is not in the list of the controller type.
enum class InputClass : uint8_t { kNone, kInteger, kOneDecimal, kDC };

// Rated measuring range of an input code, in raw units (tenths for one-decimal inputs).
struct RatedRange {
  int16_t low;
  int16_t high;
};

// True when dev names one of the 32 controllers.
bool IsDeviceIndex(int dev);

// Class of input code in_range in the input-type list of controller type ctrl_type
// (type 1: codes 0 to 43; every other type: codes 0 to 33).
InputClass InputClassOf(int16_t ctrl_type, int16_t in_range);

// Class of the input type of controller dev; kNone for a device number outside 0 to 31.
InputClass DeviceInputClass(const ProgramState& st, int dev);

// Decimal places of controller dev's input: 0 integer, 1 one-decimal, the decimal-point
// setting (PrmData 2E) for a DC input. Empty when the input code is outside the list or a DC
// input's decimal-point setting is outside 0 to 3.
std::optional<int16_t> InputDecimals(const ProgramState& st, int dev);

// Rated range of a code of the list of controller types other than 1 (0 to 33); the DC codes
// carry the fixed pair -1999 and 9999. Empty for a code outside the list.
std::optional<RatedRange> RatedRangeOther(int16_t code);

// The range functions read the input code in the controller-type-1 list whatever the
// controller's type. Flags are 16-bit: -1 true, 0 false.
int16_t RangeIsDC(const ProgramState& st, int16_t dev);
uint8_t RangeDpMode(const ProgramState& st, int16_t dev);
int32_t GetRangeMin(const ProgramState& st, int16_t dev);
int32_t GetRangeMax(const ProgramState& st, int16_t dev);
int32_t GetRangeSpan(const ProgramState& st, int16_t dev);
int32_t GetScalMin(const ProgramState& st, int16_t dev);
int32_t GetScalMax(const ProgramState& st, int16_t dev);
int32_t GetScalSpan(const ProgramState& st, int16_t dev);

}  // namespace qd470
