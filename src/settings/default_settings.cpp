// The default settings: fixed parameter values, input-range limits and block values.
#include "settings/default_settings.h"

#include <array>

namespace qd470 {
namespace {

struct CodeDefault {
  uint8_t code;
  int16_t value;
};

// Fixed PrmData defaults, the same for every controller.
constexpr std::array<CodeDefault, 20> kFixedDefaults{{
    {0x02, 25}, {0x03, 200}, {0x04, 50}, {0x05, 50}, {0x06, 10}, {0x0F, 1},   {0x10, 3},
    {0x11, 10}, {0x12, 10},  {0x13, 10}, {0x14, 10}, {0x1B, 30}, {0x1C, 100}, {0x1E, 10},
    {0x20, 30}, {0x22, 100}, {0x24, 10}, {0x26, 30}, {0x46, 1},  {0x47, 1},
}};

// Block defaults for blocks 0 to 9: block item and value.
constexpr std::array<CodeDefault, 7> kBlockDefaults{{
    {0, 25},
    {1, 200},
    {2, 50},
    {3, 50},
    {4, 10},
    {10, 100},
    {12, 100},
}};

// PrmData codes that take the range high and the range low.
constexpr std::array<uint8_t, 3> kHighCodes{0x27, 0x2A, 0x2C};
constexpr std::array<uint8_t, 3> kLowCodes{0x28, 0x2B, 0x2D};

// InputRangeLow / InputRangeHigh for controller types other than 1, by input type, six a line.
constexpr std::array<DefaultRange, 34> kInputRange34{{
    {-200, 1370},  {-200, 1000},  {0, 1760},     {0, 1820},   {0, 1390},     {0, 1300},
    {-1999, 8500}, {-1999, 5000}, {0, 1760},     {0, 1000},   {-1999, 4000}, {0, 2315},
    {-1999, 9999}, {-1999, 9999}, {-1999, 9999}, {-200, 850}, {-320, 2500},  {-320, 1800},
    {0, 3200},     {0, 3300},     {0, 2500},     {0, 2300},   {-1999, 9999}, {-1999, 9000},
    {0, 3200},     {0, 1800},     {-1999, 7500}, {0, 4200},   {-1999, 9999}, {-1999, 9999},
    {-1999, 9999}, {-320, 1560},  {-50, 500},    {-50, 1000},
}};

// InputRangeLow / InputRangeHigh for controller type 1, by input type, six a line.
constexpr std::array<DefaultRange, 44> kInputRange44{{
    {-200, 1370},   {-2000, 4000},  {-200, 1000},   {0, 1760},      {0, 1760},      {0, 1820},
    {-200, 800},    {-2000, 4000},  {-200, 1300},   {0, 1390},      {0, 2315},      {-2000, 8500},
    {-2000, 5000},  {-200, 850},    {-200, 500},    {-1000, 1000},  {-1000, 5000},  {-328, 2498},
    {-3280, 7520},  {-328, 1832},   {32, 3200},     {32, 3200},     {32, 3308},     {-328, 1472},
    {-3280, 7520},  {-328, 2372},   {32, 2534},     {32, 4199},     {-3280, 15620}, {-3280, 9320},
    {-328, 1562},   {-328, 932},    {-1480, 2120},  {-1480, 9320},  {-2000, 10000}, {-2000, 10000},
    {-2000, 10000}, {-2000, 10000}, {-2000, 10000}, {-2000, 10000}, {-2000, 10000}, {-2000, 10000},
    {-2000, 10000}, {-2000, 10000},
}};

template <size_t N>
DefaultRange Lookup(const std::array<DefaultRange, N>& table, int16_t in_range) {
  if (in_range < 0 || static_cast<size_t>(in_range) >= N) return table[0];
  return table[static_cast<size_t>(in_range)];
}

}  // namespace

DefaultRange DefaultInputRange(int16_t ctrl_type, int16_t in_range) {
  return ctrl_type == 1 ? Lookup(kInputRange44, in_range) : Lookup(kInputRange34, in_range);
}

void Datainitial(ProgramState& state) {
  for (int c = 0; c < kMaxDevices; ++c) {
    for (const CodeDefault& d : kFixedDefaults) state.PrmData[d.code][c] = d.value;
  }
  for (int c = 0; c < kMaxDevices; ++c) {
    TypeRec& rec = state.DevRec[c];
    if (rec.InRange < 0) rec.InRange = 0;
    const DefaultRange range = DefaultInputRange(rec.CtrlType, rec.InRange);
    for (uint8_t code : kHighCodes) state.PrmData[code][c] = range.high;
    for (uint8_t code : kLowCodes) state.PrmData[code][c] = range.low;
  }
  for (int c = 0; c < kMaxDevices; ++c) {
    for (int b = 0; b < kBlocks; ++b) {
      for (const CodeDefault& d : kBlockDefaults) state.BlkData[d.code][c][b] = d.value;
    }
  }
  state.SourceTbl.fill({SettingSource::kDefaults});
}

}  // namespace qd470
