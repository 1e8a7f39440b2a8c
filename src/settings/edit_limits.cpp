// The limits table of the edit items for both controller-type columns, and the rules it names.
#include "settings/edit_limits.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "settings/edit_item_set.h"
#include "settings/input_range.h"

namespace qd470 {
namespace {

// A setting whose current value is a limit: a PrmData code, or a BlkData item of output block
// EditIdx of the controller being edited.
struct LimitSource {
  enum Table : uint8_t { kNone, kPrm, kBlk };
  Table table = kNone;
  int16_t code = 0;
};

// How a column of a row of the limits table finds the limits.
enum class LimKind : uint8_t {
  kUnchanged,
  kFixed,              // a..b
  kSourceToFixed,      // source..b
  kFixedToSource,      // a..source
  kSourceToSource,     // source..high_source
  kSourceToOut2,       // source..(a when Out2Type is 2, else b)
  kOut2ToSource,       // (a when Out2Type is 2, else b)..source
  kTime,               // hours 0..99, minutes a..59, by EditSub
  kProportionalBand,   // 1..9999, low 0 when CtrlType is -1
  kProportionalBandB,  // 0..10000 for a DC input, else 0..type-1 span
  kDecimalInputHigh,   // 0..a for one-decimal and DC inputs, 0..b for every other code
  kDpModeHigh,         // 0..a when RangeDpMode is not 0, else 0..b
  kAlarm,              // LimAlarm(function of alarm a)
  kAlarmB,             // LimAlarmB(d, function of alarm a)
  kDeadBand,           // dead-band rule
  kLimSh,
  kLimSl,
  kLimTrsh,
  kLimTrsl,
  kSourceToRangeMax,  // source..type-1 high
  kRangeMinToSource,  // type-1 low..source
  kLimTrshB,
  kLimTrslB,
  kLimOutB,
};

struct LimRule {
  LimKind kind = LimKind::kUnchanged;
  int32_t a = 0;
  int32_t b = 0;
  LimitSource source{};
  LimitSource high_source{};
};

constexpr int kPrmFixedP = 0x02;
constexpr int kPrmAlarm3Function = 0x0F;
constexpr int kPrmAlarm4Function = 0x10;
constexpr int kPrmSvHigh = 0x27;
constexpr int kPrmSvLow = 0x28;
constexpr int kPrmTransmissionSelect = 0x29;
constexpr int kPrmTransmissionHigh = 0x2A;
constexpr int kPrmTransmissionLow = 0x2B;
constexpr int kPrmScalingHigh = 0x2C;
constexpr int kPrmScalingLow = 0x2D;
constexpr int kBlkOut1High = 10;
constexpr int kBlkOut1Low = 11;
constexpr int kBlkOut2High = 12;
constexpr int kBlkOut2Low = 13;

// Builders that keep each row of the table on one readable line.
constexpr LimitSource Prm(int16_t code) { return {LimitSource::kPrm, code}; }
constexpr LimitSource Blk(int16_t item) { return {LimitSource::kBlk, item}; }
constexpr LimRule Rule(LimKind kind) { return {kind}; }
constexpr LimRule Fixed(int32_t lo, int32_t hi) { return {LimKind::kFixed, lo, hi}; }
constexpr LimRule From(LimitSource lo, int32_t hi) { return {LimKind::kSourceToFixed, 0, hi, lo}; }
constexpr LimRule UpTo(int32_t lo, LimitSource hi) { return {LimKind::kFixedToSource, lo, 0, hi}; }
constexpr LimRule Between(LimitSource lo, LimitSource hi) {
  return {LimKind::kSourceToSource, 0, 0, lo, hi};
}
// hi is hi_out2_da when Out2Type is 2 (the "DA" kind), hi_other otherwise.
constexpr LimRule FromByOut2(LimitSource lo, int32_t hi_out2_da, int32_t hi_other) {
  return {LimKind::kSourceToOut2, hi_out2_da, hi_other, lo};
}
constexpr LimRule UpToByOut2(int32_t lo_out2_da, int32_t lo_other, LimitSource hi) {
  return {LimKind::kOut2ToSource, lo_out2_da, lo_other, hi};
}
constexpr LimRule Time(int32_t minutes_lo) { return {LimKind::kTime, minutes_lo}; }
constexpr LimRule ByDecimals(int32_t hi_decimal, int32_t hi_integer) {
  return {LimKind::kDecimalInputHigh, hi_decimal, hi_integer};
}
constexpr LimRule ByDpMode(int32_t hi_decimal, int32_t hi_integer) {
  return {LimKind::kDpModeHigh, hi_decimal, hi_integer};
}
constexpr LimRule Alarm(int32_t alarm) { return {LimKind::kAlarm, alarm}; }
constexpr LimRule AlarmB(int32_t alarm) { return {LimKind::kAlarmB, alarm}; }
constexpr LimRule FromToRangeMax(LimitSource lo) { return {LimKind::kSourceToRangeMax, 0, 0, lo}; }
constexpr LimRule RangeMinUpTo(LimitSource hi) { return {LimKind::kRangeMinToSource, 0, 0, hi}; }

struct LimRow {
  ItemSet settings;
  LimRule other;  // controller types other than 1 (set_lim)
  LimRule type1;  // controller type 1 (set_limB)
};

constexpr std::array<LimRow, 41> kLimitTable{{
    {{0, 34}, Rule(LimKind::kProportionalBand), Rule(LimKind::kProportionalBandB)},
    {{1, 35}, Fixed(0, 3600), Fixed(0, 3600)},
    {{2, 36}, Fixed(0, 1800), Fixed(0, 1800)},
    {{3, 4, 13, 37, 38, 47}, Fixed(0, 100), Fixed(0, 100)},
    {{5, 39}, Alarm(1), AlarmB(1)},
    {{6, 40}, Alarm(2), AlarmB(2)},
    {{7, 41}, Alarm(3), AlarmB(3)},
    {{8, 42}, Alarm(4), AlarmB(4)},
    {{9}, From(Blk(kBlkOut1Low), 105), From(Blk(kBlkOut1Low), 105)},
    {{10}, UpTo(-5, Blk(kBlkOut1High)), UpTo(-5, Blk(kBlkOut1High))},
    {{11}, From(Blk(kBlkOut2Low), 105), FromByOut2(Blk(kBlkOut2Low), 105, 100)},
    {{12}, UpTo(-5, Blk(kBlkOut2High)), UpToByOut2(-5, 0, Blk(kBlkOut2High))},
    {{43}, From(Prm(0x1D), 105), From(Prm(0x1D), 105)},
    {{44}, UpTo(-5, Prm(0x1C)), UpTo(-5, Prm(0x1C))},
    {{45}, From(Prm(0x23), 105), FromByOut2(Prm(0x23), 105, 100)},
    {{46}, UpTo(-5, Prm(0x22)), UpToByOut2(-5, 0, Prm(0x22))},
    {{14, 15}, Time(0), Time(0)},
    {{18}, Time(0), Time(-1)},
    {{16}, ByDecimals(1000, 100), ByDpMode(1000, 100)},
    {{59}, ByDecimals(1000, 100), ByDpMode(1500, 150)},
    {{17, 33, 80},
     Between(Prm(kPrmSvLow), Prm(kPrmSvHigh)),
     Between(Prm(kPrmSvLow), Prm(kPrmSvHigh))},
    {{19, 28, 29, 30, 95}, Fixed(0, 9), Fixed(0, 9)},
    {{{20, 27}}, Fixed(0, 15), Fixed(0, 15)},
    {{31}, Fixed(0, 9999), Fixed(0, 9999)},
    {{{54, 57}, 86}, Fixed(0, 9999), Fixed(0, 10000)},
    {{48, 49}, Fixed(0, 13), Fixed(0, 15)},
    {{{50, 53}, 61, 63}, Fixed(1, 1000), Fixed(1, 10000)},
    {{66}, Fixed(1, 1000), Fixed(0, 10000)},
    {{67, 68}, Fixed(1, 9999), Fixed(0, 9999)},
    {{58}, Fixed(0, 200), Fixed(0, 200)},
    {{60, 62}, Fixed(1, 120), Fixed(1, 120)},
    {{64}, Rule(LimKind::kDeadBand), Fixed(-2000, 2000)},
    {{72}, Fixed(-1000, 1000), Fixed(-2000, 2000)},
    {{73}, Fixed(0, 100), Fixed(0, 1000)},
    {{69}, From(Prm(kPrmScalingLow), 9999), From(Prm(kPrmScalingLow), 10000)},
    {{70}, UpTo(-1999, Prm(kPrmScalingHigh)), UpTo(-2000, Prm(kPrmScalingHigh))},
    {{71}, Fixed(0, 3), Fixed(0, 4)},
    {{74}, Rule(LimKind::kLimSh), FromToRangeMax(Prm(kPrmSvLow))},
    {{75}, Rule(LimKind::kLimSl), RangeMinUpTo(Prm(kPrmSvHigh))},
    {{77}, Rule(LimKind::kLimTrsh), Rule(LimKind::kLimTrshB)},
    {{78}, Rule(LimKind::kLimTrsl), Rule(LimKind::kLimTrslB)},
}};

// The selections, commands and manual MV, kept apart from the value rows above.
constexpr std::array<LimRow, 6> kChoiceAndCommandTable{{
    {{65, 76, 81, 82}, Fixed(0, 2), Fixed(0, 2)},
    {{32, 79, 83, 84, 85, {87, 94}}, Fixed(0, 1), Fixed(0, 1)},
    {{97, 98, 101, 102}, Fixed(0, 1), Fixed(0, 1)},
    {{96, 99, 100}, Fixed(1, 1), Fixed(1, 1)},
    {{103}, Between(Prm(0x1D), Prm(0x1C)), Rule(LimKind::kLimOutB)},
    {{104}, Rule(LimKind::kUnchanged), Rule(LimKind::kUnchanged)},
}};

constexpr bool RowsAreDisjoint() {
  std::array<const LimRow*, kLimitTable.size() + kChoiceAndCommandTable.size()> rows{};
  size_t count = 0;
  for (const LimRow& row : kLimitTable) rows[count++] = &row;
  for (const LimRow& row : kChoiceAndCommandTable) rows[count++] = &row;
  for (size_t i = 0; i < count; ++i) {
    for (size_t j = i + 1; j < count; ++j) {
      if (rows[i]->settings.Overlaps(rows[j]->settings)) return false;
    }
  }
  return true;
}
static_assert(RowsAreDisjoint(), "a setting number may stand in one row only");

int16_t Saturate16(int64_t v) {
  return static_cast<int16_t>(std::clamp<int64_t>(v, std::numeric_limits<int16_t>::min(),
                                                  std::numeric_limits<int16_t>::max()));
}

// Limits are computed in 32 bits; a result beyond 16 bits is held at the nearest 16-bit value.
void StoreLo(ProgramState& st, int64_t lo) { st.EditLo = Saturate16(lo); }
void StoreHi(ProgramState& st, int64_t hi) { st.EditHi = Saturate16(hi); }
void StoreBoth(ProgramState& st, int64_t lo, int64_t hi) {
  StoreLo(st, lo);
  StoreHi(st, hi);
}

// Current value of a limit source for controller dev; empty when EditIdx is not a block 0 to 9.
std::optional<int32_t> ReadSource(const ProgramState& st, LimitSource src, int dev) {
  switch (src.table) {
    case LimitSource::kPrm:
      return st.PrmData[src.code][dev];
    case LimitSource::kBlk:
      if (st.EditIdx < 0 || st.EditIdx >= kBlocks) return std::nullopt;
      return st.BlkData[src.code][dev][st.EditIdx];
    case LimitSource::kNone:
      break;
  }
  return std::nullopt;
}

// The input of a controller of a type other than 1, as the rules of those types see it.
struct OtherInput {
  bool dc;
  int32_t low;   // rated low, scaling low for a DC input
  int32_t high;  // rated high, scaling high for a DC input
};

std::optional<OtherInput> OtherInputOf(const ProgramState& st, int dev) {
  const std::optional<RatedRange> rated = RatedRangeOther(st.DevRec[dev].InRange);
  if (!rated) return std::nullopt;
  if (InputClassOf(st.DevRec[dev].CtrlType, st.DevRec[dev].InRange) == InputClass::kDC) {
    return OtherInput{true, st.PrmData[kPrmScalingLow][dev], st.PrmData[kPrmScalingHigh][dev]};
  }
  return OtherInput{false, rated->low, rated->high};
}

int16_t AlarmFunction(const ProgramState& st, int dev, int32_t alarm) {
  switch (alarm) {
    case 1:
      return st.DevRec[dev].Al1Type;
    case 2:
      return st.DevRec[dev].Al2Type;
    case 3:
      return st.PrmData[kPrmAlarm3Function][dev];
    default:
      return st.PrmData[kPrmAlarm4Function][dev];
  }
}

// Dead band: x = span times the fixed-value P / 1000, rounded half to even, -x..x within
// -1999..9999.
void DeadBand(ProgramState& st, int dev) {
  const double band = cal_scale_band(st).value_or(0);
  const double x = band * st.PrmData[kPrmFixedP][dev] / 1000.0;
  const double hi = x > 9999 ? 9999.0 : std::nearbyint(x);
  const double lo = -x < -1999 ? -1999.0 : std::nearbyint(-x);
  StoreBoth(st, static_cast<int64_t>(std::clamp(lo, -1e9, 1e9)),
            static_cast<int64_t>(std::clamp(hi, -1e9, 1e9)));
}

// Rules that read other settings or the input; true when the kind is one of them.
bool ApplyComputedRule(ProgramState& st, const LimRule& rule, int dev) {
  const int16_t d = static_cast<int16_t>(dev);
  switch (rule.kind) {
    case LimKind::kProportionalBand:
      StoreBoth(st, st.DevRec[dev].CtrlType == -1 ? 0 : 1, 9999);
      return true;
    case LimKind::kProportionalBandB:
      StoreBoth(st, 0, RangeIsDC(st, d) ? 10000 : GetRangeSpan(st, d));
      return true;
    case LimKind::kDecimalInputHigh: {
      const InputClass c = DeviceInputClass(st, dev);
      const bool decimal = c == InputClass::kOneDecimal || c == InputClass::kDC;
      StoreBoth(st, 0, decimal ? rule.a : rule.b);
      return true;
    }
    case LimKind::kDpModeHigh:
      StoreBoth(st, 0, RangeDpMode(st, d) != 0 ? rule.a : rule.b);
      return true;
    case LimKind::kAlarm:
      LimAlarm(st, AlarmFunction(st, dev, rule.a));
      return true;
    case LimKind::kAlarmB:
      LimAlarmB(st, d, AlarmFunction(st, dev, rule.a));
      return true;
    case LimKind::kDeadBand:
      DeadBand(st, dev);
      return true;
    case LimKind::kLimSh:
      LimSh(st);
      return true;
    case LimKind::kLimSl:
      LimSl(st);
      return true;
    case LimKind::kLimTrsh:
      LimTrsh(st);
      return true;
    case LimKind::kLimTrsl:
      LimTrsl(st);
      return true;
    case LimKind::kLimTrshB:
      LimTrshB(st, d);
      return true;
    case LimKind::kLimTrslB:
      LimTrslB(st, d);
      return true;
    case LimKind::kLimOutB:
      LimOutB(st, d);
      return true;
    default:
      return false;
  }
}

// Rules built from fixed numbers and the current values of other settings.
void ApplySourceRule(ProgramState& st, const LimRule& rule, int dev) {
  const std::optional<int32_t> src = ReadSource(st, rule.source, dev);
  const bool out2_da = st.DevRec[dev].Out2Type == 2;
  switch (rule.kind) {
    case LimKind::kFixed:
      StoreBoth(st, rule.a, rule.b);
      return;
    case LimKind::kTime:
      if (st.EditSub == 0) StoreBoth(st, 0, 99);
      if (st.EditSub == 1) StoreBoth(st, rule.a, 59);
      return;
    default:
      break;
  }
  if (!src) return;
  switch (rule.kind) {
    case LimKind::kSourceToFixed:
      StoreBoth(st, *src, rule.b);
      return;
    case LimKind::kFixedToSource:
      StoreBoth(st, rule.a, *src);
      return;
    case LimKind::kSourceToSource:
      if (const std::optional<int32_t> hi = ReadSource(st, rule.high_source, dev)) {
        StoreBoth(st, *src, *hi);
      }
      return;
    case LimKind::kSourceToOut2:
      StoreBoth(st, *src, out2_da ? rule.a : rule.b);
      return;
    case LimKind::kOut2ToSource:
      StoreBoth(st, out2_da ? rule.a : rule.b, *src);
      return;
    case LimKind::kSourceToRangeMax:
      StoreBoth(st, *src, GetRangeMax(st, static_cast<int16_t>(dev)));
      return;
    case LimKind::kRangeMinToSource:
      StoreBoth(st, GetRangeMin(st, static_cast<int16_t>(dev)), *src);
      return;
    default:
      return;
  }
}

// The rule of setting number n in the column of controller type 1 (type1) or of the other types.
LimRule LimitRuleOf(int n, bool type1) {
  for (const LimRow& row : kLimitTable) {
    if (row.settings.Contains(n)) return type1 ? row.type1 : row.other;
  }
  for (const LimRow& row : kChoiceAndCommandTable) {
    if (row.settings.Contains(n)) return type1 ? row.type1 : row.other;
  }
  return Rule(LimKind::kUnchanged);
}

void ApplyRule(ProgramState& st, const LimRule& rule) {
  if (!IsDeviceIndex(st.SetCh) || rule.kind == LimKind::kUnchanged) return;
  if (ApplyComputedRule(st, rule, st.SetCh)) return;
  ApplySourceRule(st, rule, st.SetCh);
}

}  // namespace

void set_lim(ProgramState& st) {
  if (!IsDeviceIndex(st.SetCh)) return;
  if (st.DevRec[st.SetCh].CtrlType == 1) {
    set_limB(st);
    return;
  }
  ApplyRule(st, LimitRuleOf(st.EditItem, false));
}

void set_limB(ProgramState& st) { ApplyRule(st, LimitRuleOf(st.EditItem, true)); }

std::optional<int32_t> cal_scale_band(const ProgramState& st) {
  if (!IsDeviceIndex(st.SetCh)) return std::nullopt;
  const std::optional<OtherInput> in = OtherInputOf(st, st.SetCh);
  if (!in) return std::nullopt;
  return in->high - in->low;
}

void LimSh(ProgramState& st) {
  if (!IsDeviceIndex(st.SetCh)) return;
  const int d = st.SetCh;
  StoreLo(st, st.PrmData[kPrmSvLow][d]);
  if (const std::optional<OtherInput> in = OtherInputOf(st, d)) StoreHi(st, in->high);
}

void LimSl(ProgramState& st) {
  if (!IsDeviceIndex(st.SetCh)) return;
  const int d = st.SetCh;
  StoreHi(st, st.PrmData[kPrmSvHigh][d]);
  if (const std::optional<OtherInput> in = OtherInputOf(st, d)) StoreLo(st, in->low);
}

void LimTrsh(ProgramState& st) {
  if (!IsDeviceIndex(st.SetCh)) return;
  const int d = st.SetCh;
  StoreLo(st, st.PrmData[kPrmTransmissionLow][d]);
  if (const std::optional<OtherInput> in = OtherInputOf(st, d)) {
    StoreHi(st, in->dc ? 9999 : in->high);
  }
}

void LimTrsl(ProgramState& st) {
  if (!IsDeviceIndex(st.SetCh)) return;
  const int d = st.SetCh;
  StoreHi(st, st.PrmData[kPrmTransmissionHigh][d]);
  if (const std::optional<OtherInput> in = OtherInputOf(st, d)) {
    StoreLo(st, in->dc ? -1999 : in->low);
  }
}

void LimAlarm(ProgramState& st, int16_t f) {
  if (!IsDeviceIndex(st.SetCh)) return;
  const std::optional<OtherInput> in = OtherInputOf(st, st.SetCh);
  if (!in) return;
  const int32_t span = in->high - in->low;
  if ((f >= 0 && f <= 4) || f == 13) {
    StoreBoth(st, std::max(-span, -1999), std::min(span, 9999));
  } else if (f >= 5 && f <= 8) {
    StoreBoth(st, 0, std::min(span, 9999));
  } else if (f >= 9 && f <= 12) {
    StoreBoth(st, in->low, in->high);
  }
}

void LimAlarmB(ProgramState& st, int16_t dev, int16_t f) {
  if (!IsDeviceIndex(dev)) return;
  if (f >= 5 && f <= 8) {
    StoreBoth(st, 0, GetScalSpan(st, dev));
  } else if (f >= 9 && f <= 12) {
    StoreBoth(st, GetScalMin(st, dev), GetScalMax(st, dev));
  } else {
    const int32_t span = GetScalSpan(st, dev);
    StoreBoth(st, -static_cast<int64_t>(span), span);
  }
}

void LimTrshB(ProgramState& st, int16_t dev) {
  if (!IsDeviceIndex(dev)) return;
  const bool mv = st.PrmData[kPrmTransmissionSelect][dev] == 2;
  StoreBoth(st, st.PrmData[kPrmTransmissionLow][dev], mv ? 1050 : GetRangeMax(st, dev));
}

void LimTrslB(ProgramState& st, int16_t dev) {
  if (!IsDeviceIndex(dev)) return;
  int32_t lo = GetRangeMin(st, dev);
  if (st.PrmData[kPrmTransmissionSelect][dev] == 2) {
    lo = st.DevRec[dev].Out2Type > 0 ? -1050 : -50;
  }
  StoreBoth(st, lo, st.PrmData[kPrmTransmissionHigh][dev]);
}

void LimOutB(ProgramState& st, int16_t dev) {
  if (!IsDeviceIndex(dev)) return;
  const int32_t out1_high = st.BlkData[kBlkOut1High][dev][0];
  if (st.DevRec[dev].Out2Type == 0) {
    StoreBoth(st, st.BlkData[kBlkOut1Low][dev][0], out1_high);
  } else {
    StoreBoth(st, -static_cast<int64_t>(st.BlkData[kBlkOut2High][dev][0]), out1_high);
  }
}

}  // namespace qd470
