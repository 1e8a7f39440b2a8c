// Input-type classes and rated ranges of both input-type lists, and the range functions.
#include "settings/input_range.h"

#include <array>

#include "settings/edit_item_set.h"

namespace qd470 {
namespace {

constexpr int kPrmScalingHigh = 0x2C;
constexpr int kPrmScalingLow = 0x2D;
constexpr int kPrmDecimalPoint = 0x2E;

// The input-type classes of one controller type; every code of its list is in exactly one set.
struct ClassTable {
  int16_t last_code;
  ItemSet one_decimal;
  ItemSet dc;
  ItemSet integer;
};

constexpr ClassTable kClassesOther{33,
                                   {6, 7, 10, 22, 23, 26},
                                   {12, 13, 14, 28, 29, 30},
                                   {{0, 5}, 8, 9, 11, {15, 21}, 24, 25, 27, 31, 32, 33}};
constexpr ClassTable kClassesType1{43,
                                   {1, 7, 11, 12, 15, 16, 18, 24, 28, 29, 32, 33},
                                   {{34, 43}},
                                   {0, {2, 6}, 8, 9, 10, 13, 14, 17, {19, 23}, 25, 26, 27, 30, 31}};

// Rated range for controller types other than 1, index = input code.
constexpr std::array<RatedRange, 34> kRatedOther{{
    {-200, 1370},   // 0  K
    {-200, 1000},   // 1  J
    {0, 1760},      // 2  R
    {0, 1820},      // 3  B
    {0, 1390},      // 4  PL-2
    {0, 1300},      // 5  N
    {-1999, 8500},  // 6  Pt100, tenths
    {-1999, 5000},  // 7  JPt100, tenths
    {0, 1760},      // 8  S
    {0, 1000},      // 9  E
    {-1999, 4000},  // 10 T, tenths
    {0, 2315},      // 11 C(W/Re5-26)
    {-1999, 9999},  // 12 DC 4 to 20 mA
    {-1999, 9999},  // 13 DC 0 to 20 mA
    {-1999, 9999},  // 14 DC 0 to 1 V
    {-200, 850},    // 15 Pt100
    {-320, 2500},   // 16 K, deg.F
    {-320, 1800},   // 17 J, deg.F
    {0, 3200},      // 18 R, deg.F
    {0, 3300},      // 19 B, deg.F
    {0, 2500},      // 20 PL-2, deg.F
    {0, 2300},      // 21 N, deg.F
    {-1999, 9999},  // 22 Pt100, deg.F, tenths
    {-1999, 9000},  // 23 JPt100, deg.F, tenths
    {0, 3200},      // 24 S, deg.F
    {0, 1800},      // 25 E, deg.F
    {-1999, 7500},  // 26 T, deg.F, tenths
    {0, 4200},      // 27 C(W/Re5-26), deg.F
    {-1999, 9999},  // 28 DC 4 to 20 mA
    {-1999, 9999},  // 29 DC 0 to 20 mA
    {-1999, 9999},  // 30 DC 0 to 1 V
    {-320, 1560},   // 31 Pt100, deg.F
    {-50, 500},     // 32
    {-50, 1000},    // 33
}};

struct Type1Range {
  int32_t low;
  int32_t high;
  int32_t span;
};

// Rated range for controller type 1, index = input code. Code 4 (S) is rated to 1786.
constexpr std::array<Type1Range, 44> kRatedType1{{
    {-200, 1370, 1570},     // 0
    {-2000, 4000, 6000},    // 1
    {-200, 1000, 1200},     // 2
    {0, 1760, 1760},        // 3
    {0, 1786, 1786},        // 4
    {0, 1820, 1820},        // 5
    {-200, 800, 1000},      // 6
    {-2000, 4000, 6000},    // 7
    {-200, 1300, 1500},     // 8
    {0, 1390, 1390},        // 9
    {0, 2315, 2315},        // 10
    {-2000, 8500, 10500},   // 11
    {-2000, 5000, 7000},    // 12
    {-200, 850, 1050},      // 13
    {-200, 500, 700},       // 14
    {-1000, 1000, 2000},    // 15
    {-1000, 5000, 6000},    // 16
    {-328, 2498, 2826},     // 17
    {-3280, 7520, 10800},   // 18
    {-328, 1832, 2160},     // 19
    {32, 3200, 3168},       // 20
    {32, 3200, 3168},       // 21
    {32, 3308, 3276},       // 22
    {-328, 1472, 1800},     // 23
    {-3280, 7520, 10800},   // 24
    {-328, 2372, 2700},     // 25
    {32, 2534, 2502},       // 26
    {32, 4199, 4167},       // 27
    {-3280, 15620, 18900},  // 28
    {-3280, 9320, 12600},   // 29
    {-328, 1562, 1890},     // 30
    {-328, 932, 1260},      // 31
    {-1480, 2120, 3600},    // 32
    {-1480, 9320, 10800},   // 33
    {-2000, 10000, 12000},  // 34 to 43: DC
    {-2000, 10000, 12000}, {-2000, 10000, 12000}, {-2000, 10000, 12000},
    {-2000, 10000, 12000}, {-2000, 10000, 12000}, {-2000, 10000, 12000},
    {-2000, 10000, 12000}, {-2000, 10000, 12000}, {-2000, 10000, 12000},
}};
constexpr Type1Range kType1AnyOtherCode{-2000, 10000, 12000};

constexpr bool ClassTablesPartitionTheirLists() {
  for (const ClassTable& t : {kClassesOther, kClassesType1}) {
    if (t.one_decimal.Overlaps(t.dc) || t.one_decimal.Overlaps(t.integer) ||
        t.dc.Overlaps(t.integer)) {
      return false;
    }
    for (int code = 0; code <= t.last_code; ++code) {
      if (!t.one_decimal.Contains(code) && !t.dc.Contains(code) && !t.integer.Contains(code)) {
        return false;
      }
    }
  }
  return true;
}
static_assert(ClassTablesPartitionTheirLists());

constexpr bool Type1SpansAgree() {
  for (const Type1Range& r : kRatedType1) {
    if (r.high - r.low != r.span) return false;
  }
  return true;
}
static_assert(Type1SpansAgree());

const Type1Range& Type1RangeOf(const ProgramState& st, int16_t dev) {
  if (!IsDeviceIndex(dev)) return kType1AnyOtherCode;
  const int code = st.DevRec[dev].InRange;
  if (code < 0 || code >= static_cast<int>(kRatedType1.size())) return kType1AnyOtherCode;
  return kRatedType1[code];
}

// The codes whose scaling replaces the rated range in the GetScal functions.
bool IsType1DcCode(const ProgramState& st, int16_t dev) {
  return IsDeviceIndex(dev) && InputClassOf(1, st.DevRec[dev].InRange) == InputClass::kDC;
}

}  // namespace

bool IsDeviceIndex(int dev) { return dev >= 0 && dev < kMaxDevices; }

InputClass InputClassOf(int16_t ctrl_type, int16_t in_range) {
  const ClassTable& t = ctrl_type == 1 ? kClassesType1 : kClassesOther;
  if (t.one_decimal.Contains(in_range)) return InputClass::kOneDecimal;
  if (t.dc.Contains(in_range)) return InputClass::kDC;
  if (t.integer.Contains(in_range)) return InputClass::kInteger;
  return InputClass::kNone;
}

InputClass DeviceInputClass(const ProgramState& st, int dev) {
  if (!IsDeviceIndex(dev)) return InputClass::kNone;
  return InputClassOf(st.DevRec[dev].CtrlType, st.DevRec[dev].InRange);
}

std::optional<int16_t> InputDecimals(const ProgramState& st, int dev) {
  switch (DeviceInputClass(st, dev)) {
    case InputClass::kInteger:
      return 0;
    case InputClass::kOneDecimal:
      return 1;
    case InputClass::kDC: {
      const int16_t dp = st.PrmData[kPrmDecimalPoint][dev];
      if (dp < 0 || dp > 3) return std::nullopt;
      return dp;
    }
    case InputClass::kNone:
      break;
  }
  return std::nullopt;
}

std::optional<RatedRange> RatedRangeOther(int16_t code) {
  if (code < 0 || code >= static_cast<int>(kRatedOther.size())) return std::nullopt;
  return kRatedOther[code];
}

int16_t RangeIsDC(const ProgramState& st, int16_t dev) {
  if (!IsDeviceIndex(dev)) return kFalse;
  return st.DevRec[dev].InRange >= 34 ? kTrue : kFalse;
}

uint8_t RangeDpMode(const ProgramState& st, int16_t dev) {
  if (IsDeviceIndex(dev) && InputClassOf(1, st.DevRec[dev].InRange) == InputClass::kOneDecimal) {
    return 1;
  }
  return RangeIsDC(st, dev) ? 10 : 0;
}

int32_t GetRangeMin(const ProgramState& st, int16_t dev) { return Type1RangeOf(st, dev).low; }
int32_t GetRangeMax(const ProgramState& st, int16_t dev) { return Type1RangeOf(st, dev).high; }
int32_t GetRangeSpan(const ProgramState& st, int16_t dev) { return Type1RangeOf(st, dev).span; }

int32_t GetScalMin(const ProgramState& st, int16_t dev) {
  if (IsType1DcCode(st, dev)) return st.PrmData[kPrmScalingLow][dev];
  return GetRangeMin(st, dev);
}

int32_t GetScalMax(const ProgramState& st, int16_t dev) {
  if (IsType1DcCode(st, dev)) return st.PrmData[kPrmScalingHigh][dev];
  return GetRangeMax(st, dev);
}

int32_t GetScalSpan(const ProgramState& st, int16_t dev) {
  if (IsType1DcCode(st, dev)) return GetScalMax(st, dev) - GetScalMin(st, dev);
  return GetRangeSpan(st, dev);
}

}  // namespace qd470
