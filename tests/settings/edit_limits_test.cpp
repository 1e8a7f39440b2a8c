// Raw limits of the edit items (set_lim, set_limB and their rules), grouped by rule.
#include "settings/edit_limits.h"

#include <gtest/gtest.h>

#include <utility>

#include "settings/edit_item_test_util.h"

namespace qd470 {
namespace {

using namespace testing_util;  // NOLINT: the set-up names of the edit-item tests

using Range = std::pair<int, int>;
constexpr Range kUntouched{-12345, 12345};  // limits no rule gives: shows they were kept

Range LimitsOf(ProgramState& st, int n) {
  st.EditLo = static_cast<int16_t>(kUntouched.first);
  st.EditHi = static_cast<int16_t>(kUntouched.second);
  st.EditItem = static_cast<int16_t>(n);
  set_lim(st);
  return {st.EditLo, st.EditHi};
}

// Rows whose limits are fixed numbers: setting, other types, controller type 1.
struct FixedRow {
  int setting;
  Range other;
  Range type1;
};

constexpr FixedRow kFixedRows[] = {
    {1, {0, 3600}, {0, 3600}},      {35, {0, 3600}, {0, 3600}},
    {2, {0, 1800}, {0, 1800}},      {36, {0, 1800}, {0, 1800}},
    {3, {0, 100}, {0, 100}},        {4, {0, 100}, {0, 100}},
    {13, {0, 100}, {0, 100}},       {37, {0, 100}, {0, 100}},
    {38, {0, 100}, {0, 100}},       {47, {0, 100}, {0, 100}},
    {19, {0, 9}, {0, 9}},           {28, {0, 9}, {0, 9}},
    {29, {0, 9}, {0, 9}},           {30, {0, 9}, {0, 9}},
    {95, {0, 9}, {0, 9}},           {20, {0, 15}, {0, 15}},
    {27, {0, 15}, {0, 15}},         {31, {0, 9999}, {0, 9999}},
    {54, {0, 9999}, {0, 10000}},    {57, {0, 9999}, {0, 10000}},
    {86, {0, 9999}, {0, 10000}},    {48, {0, 13}, {0, 15}},
    {49, {0, 13}, {0, 15}},         {50, {1, 1000}, {1, 10000}},
    {53, {1, 1000}, {1, 10000}},    {61, {1, 1000}, {1, 10000}},
    {63, {1, 1000}, {1, 10000}},    {66, {1, 1000}, {0, 10000}},
    {67, {1, 9999}, {0, 9999}},     {68, {1, 9999}, {0, 9999}},
    {58, {0, 200}, {0, 200}},       {60, {1, 120}, {1, 120}},
    {62, {1, 120}, {1, 120}},       {72, {-1000, 1000}, {-2000, 2000}},
    {73, {0, 100}, {0, 1000}},      {71, {0, 3}, {0, 4}},
    {65, {0, 2}, {0, 2}},           {76, {0, 2}, {0, 2}},
    {81, {0, 2}, {0, 2}},           {82, {0, 2}, {0, 2}},
    {32, {0, 1}, {0, 1}},           {79, {0, 1}, {0, 1}},
    {83, {0, 1}, {0, 1}},           {84, {0, 1}, {0, 1}},
    {85, {0, 1}, {0, 1}},           {87, {0, 1}, {0, 1}},
    {92, {0, 1}, {0, 1}},           {93, {0, 1}, {0, 1}},
    {94, {0, 1}, {0, 1}},           {97, {0, 1}, {0, 1}},
    {98, {0, 1}, {0, 1}},           {101, {0, 1}, {0, 1}},
    {102, {0, 1}, {0, 1}},          {96, {1, 1}, {1, 1}},
    {99, {1, 1}, {1, 1}},           {100, {1, 1}, {1, 1}},
    {64, {-47, 47}, {-2000, 2000}},
};

TEST(LimitsFixedRows, BothControllerTypeColumns) {
  for (int16_t code : {int16_t{0}, int16_t{-7}}) {  // fixed rows hold for any input code
    auto other = MakeDevice(kQD430, code);
    auto type1 = MakeDevice(kQDM1, code);
    Prm(*other, kFixedP) = code == 0 ? 30 : 0;  // dead band of input 0 with P 3.0 %
    for (const FixedRow& row : kFixedRows) {
      SCOPED_TRACE(::testing::Message() << "setting " << row.setting << " code " << code);
      if (row.setting != 64 || code == 0) {
        EXPECT_EQ(LimitsOf(*other, row.setting), row.other);
      }
      EXPECT_EQ(LimitsOf(*type1, row.setting), row.type1);
    }
  }
}

TEST(LimitsUnchanged, UnassignedAndUnknownNumbers) {
  for (int16_t ctrl : {kQD410, kQD430, kQDM1}) {
    auto st = MakeDevice(ctrl, 0);
    for (int n : {104, 105, 200, -1}) {
      SCOPED_TRACE(::testing::Message() << "type " << ctrl << " setting " << n);
      EXPECT_EQ(LimitsOf(*st, n), kUntouched);
    }
  }
}

TEST(LimitsUnchanged, ControllerNumberOutsideTheTable) {
  auto st = MakeDevice(kQD430, 0);
  st->SetCh = 32;
  EXPECT_EQ(LimitsOf(*st, 1), kUntouched);
  st->SetCh = -1;
  EXPECT_EQ(LimitsOf(*st, 1), kUntouched);
}

TEST(LimitsProportionalBand, ByControllerTypeAndInput) {
  struct Case {
    int16_t ctrl, code;
    Range expected;
  };
  const Case cases[] = {
      {kQD410, 0, {0, 9999}},  {kQD430, 0, {1, 9999}},  {2, 12, {1, 9999}},
      {kQD430, 60, {1, 9999}}, {kQDM1, 0, {0, 1570}},   {kQDM1, 4, {0, 1786}},
      {kQDM1, 28, {0, 18900}}, {kQDM1, 34, {0, 10000}}, {kQDM1, 43, {0, 10000}},
      {kQDM1, 50, {0, 10000}}, {kQDM1, -1, {0, 12000}},
  };
  for (const Case& c : cases) {
    auto st = MakeDevice(c.ctrl, c.code);
    for (int n : {0, 34}) {
      SCOPED_TRACE(::testing::Message() << "type " << c.ctrl << " code " << c.code << " " << n);
      EXPECT_EQ(LimitsOf(*st, n), c.expected);
    }
  }
}

TEST(LimitsOutputBlocks, HighAndLowFollowEachOther) {
  for (int16_t ctrl : {kQD410, kQDM1}) {
    auto st = MakeDevice(ctrl, 0);
    const int d = st->SetCh;
    st->EditIdx = 3;
    st->BlkData[11][d][3] = 20;  // OUT1 low of block 3
    st->BlkData[10][d][3] = 80;  // OUT1 high of block 3
    st->BlkData[11][d][4] = 33;  // another block: must not be read
    SCOPED_TRACE(ctrl);
    EXPECT_EQ(LimitsOf(*st, 9), Range(20, 105));
    EXPECT_EQ(LimitsOf(*st, 10), Range(-5, 80));
    Prm(*st, kFixOut1Low) = 7;
    Prm(*st, kFixOut1High) = 90;
    EXPECT_EQ(LimitsOf(*st, 43), Range(7, 105));
    EXPECT_EQ(LimitsOf(*st, 44), Range(-5, 90));
  }
}

TEST(LimitsOutputBlocks, Out2BoundsDependOnOut2TypeForType1Only) {
  struct Case {
    int16_t ctrl, out2;
    int high_bound, low_bound;
  };
  const Case cases[] = {{kQDM1, 0, 100, 0}, {kQDM1, 1, 100, 0},   {kQDM1, 2, 105, -5},
                        {kQDM1, 3, 100, 0}, {kQD410, 1, 105, -5}, {kQD430, 0, 105, -5}};
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "type " << c.ctrl << " Out2Type " << c.out2);
    auto st = MakeDevice(c.ctrl, 0);
    const int d = st->SetCh;
    st->DevRec[d].Out2Type = c.out2;
    st->EditIdx = 9;
    st->BlkData[13][d][9] = 10;  // OUT2 low
    st->BlkData[12][d][9] = 60;  // OUT2 high
    Prm(*st, kFixOut2Low) = 15;
    Prm(*st, kFixOut2High) = 70;
    EXPECT_EQ(LimitsOf(*st, 11), Range(10, c.high_bound));
    EXPECT_EQ(LimitsOf(*st, 12), Range(c.low_bound, 60));
    EXPECT_EQ(LimitsOf(*st, 45), Range(15, c.high_bound));
    EXPECT_EQ(LimitsOf(*st, 46), Range(c.low_bound, 70));
  }
}

TEST(LimitsOutputBlocks, BlockOutsideZeroToNineKeepsTheLimits) {
  auto st = MakeDevice(kQD430, 0);
  for (int16_t block : {int16_t{10}, int16_t{-1}, int16_t{300}}) {
    st->EditIdx = block;
    for (int n : {9, 10, 11, 12}) {
      SCOPED_TRACE(::testing::Message() << "block " << block << " setting " << n);
      EXPECT_EQ(LimitsOf(*st, n), kUntouched);
    }
  }
}

TEST(LimitsTimes, HoursAndMinutesByEditSub) {
  struct Case {
    int16_t ctrl;
    int setting;
    Range hours, minutes;
  };
  const Case cases[] = {{kQD430, 14, {0, 99}, {0, 59}}, {kQD430, 15, {0, 99}, {0, 59}},
                        {kQD430, 18, {0, 99}, {0, 59}}, {kQDM1, 14, {0, 99}, {0, 59}},
                        {kQDM1, 15, {0, 99}, {0, 59}},  {kQDM1, 18, {0, 99}, {-1, 59}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "type " << c.ctrl << " setting " << c.setting);
    auto st = MakeDevice(c.ctrl, 0);
    st->EditSub = 0;
    EXPECT_EQ(LimitsOf(*st, c.setting), c.hours);
    st->EditSub = 1;
    EXPECT_EQ(LimitsOf(*st, c.setting), c.minutes);
    st->EditSub = 2;
    EXPECT_EQ(LimitsOf(*st, c.setting), kUntouched);
  }
}

TEST(LimitsWaitAndLoopSpan, OtherTypesByInputClass) {
  struct Case {
    int16_t code;
    int high;
  };
  const Case cases[] = {{6, 1000},  {7, 1000},  {10, 1000}, {12, 1000}, {13, 1000}, {14, 1000},
                        {22, 1000}, {23, 1000}, {26, 1000}, {28, 1000}, {29, 1000}, {30, 1000},
                        {0, 100},   {11, 100},  {15, 100},  {33, 100},  {34, 100},  {-1, 100}};
  for (const Case& c : cases) {
    auto st = MakeDevice(kQD410, c.code);
    for (int n : {16, 59}) {
      SCOPED_TRACE(::testing::Message() << "code " << c.code << " setting " << n);
      EXPECT_EQ(LimitsOf(*st, n), Range(0, c.high));
    }
  }
}

TEST(LimitsWaitAndLoopSpan, Type1ByDpMode) {
  struct Case {
    int16_t code;
    int wait_high, span_high;
  };
  const Case cases[] = {{1, 1000, 1500}, {33, 1000, 1500}, {34, 1000, 1500}, {50, 1000, 1500},
                        {0, 100, 150},   {31, 100, 150},   {-1, 100, 150}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    auto st = MakeDevice(kQDM1, c.code);
    EXPECT_EQ(LimitsOf(*st, 16), Range(0, c.wait_high));
    EXPECT_EQ(LimitsOf(*st, 59), Range(0, c.span_high));
  }
}

TEST(LimitsSetValues, StepFixedAndStartSvFollowTheSvLimits) {
  for (int16_t ctrl : {kQD410, kQD430, kQDM1}) {
    for (int16_t code : {int16_t{0}, int16_t{12}, int16_t{99}}) {
      auto st = MakeDevice(ctrl, code);
      Prm(*st, kSvLow) = -100;
      Prm(*st, kSvHigh) = 500;
      for (int n : {17, 33, 80}) {
        SCOPED_TRACE(::testing::Message() << "type " << ctrl << " code " << code << " " << n);
        EXPECT_EQ(LimitsOf(*st, n), Range(-100, 500));
      }
    }
  }
}

TEST(LimitsScaling, HighAndLowFollowEachOther) {
  for (auto [ctrl, top, bottom] :
       {std::tuple<int16_t, int, int>{kQD410, 9999, -1999}, {kQDM1, 10000, -2000}}) {
    SCOPED_TRACE(ctrl);
    auto st = MakeDevice(ctrl, 0);
    Prm(*st, kScalLow) = -50;
    Prm(*st, kScalHigh) = 800;
    EXPECT_EQ(LimitsOf(*st, 69), Range(-50, top));
    EXPECT_EQ(LimitsOf(*st, 70), Range(bottom, 800));
  }
}

TEST(LimitsSvLimits, OtherTypes) {
  struct Case {
    int16_t code;
    Range sh, sl;  // settings 74 and 75 with SV limits 5..900 and scaling -300..5000
  };
  const Case cases[] = {
      {0, {5, 1370}, {-200, 900}},     {6, {5, 8500}, {-1999, 900}},
      {12, {5, 5000}, {-300, 900}},    {30, {5, 5000}, {-300, 900}},
      {33, {5, 1000}, {-50, 900}},     {34, {5, 12345}, {-12345, 900}},
      {-1, {5, 12345}, {-12345, 900}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    auto st = MakeDevice(kQD430, c.code);
    Prm(*st, kSvLow) = 5;
    Prm(*st, kSvHigh) = 900;
    Prm(*st, kScalLow) = -300;
    Prm(*st, kScalHigh) = 5000;
    EXPECT_EQ(LimitsOf(*st, 74), c.sh);
    EXPECT_EQ(LimitsOf(*st, 75), c.sl);
  }
}

TEST(LimitsSvLimits, Type1UsesTheType1Range) {
  for (auto [code, lo, hi] :
       {std::tuple<int16_t, int, int>{18, -3280, 7520}, {40, -2000, 10000}, {44, -2000, 10000}}) {
    SCOPED_TRACE(code);
    auto st = MakeDevice(kQDM1, code);
    Prm(*st, kSvLow) = 5;
    Prm(*st, kSvHigh) = 900;
    Prm(*st, kScalHigh) = 3000;  // scaling is not used here
    EXPECT_EQ(LimitsOf(*st, 74), Range(5, hi));
    EXPECT_EQ(LimitsOf(*st, 75), Range(lo, 900));
  }
}

TEST(LimitsTransmission, OtherTypes) {
  struct Case {
    int16_t code;
    Range trsh, trsl;  // transmission limits 10..600, scaling -300..5000
  };
  const Case cases[] = {
      {0, {10, 1370}, {-200, 600}},     {16, {10, 2500}, {-320, 600}},
      {13, {10, 9999}, {-1999, 600}},   {28, {10, 9999}, {-1999, 600}},
      {40, {10, 12345}, {-12345, 600}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    auto st = MakeDevice(kQD410, c.code);
    Prm(*st, kTrsLow) = 10;
    Prm(*st, kTrsHigh) = 600;
    Prm(*st, kScalLow) = -300;
    Prm(*st, kScalHigh) = 5000;
    EXPECT_EQ(LimitsOf(*st, 77), c.trsh);
    EXPECT_EQ(LimitsOf(*st, 78), c.trsl);
  }
}

TEST(LimitsTransmission, Type1BySelectionAndOut2) {
  struct Case {
    int16_t selection, out2;
    Range trsh, trsl;  // input 0 (K), transmission limits 10..600
  };
  const Case cases[] = {
      {0, 0, {10, 1370}, {-200, 600}},  {1, 2, {10, 1370}, {-200, 600}},
      {2, 0, {10, 1050}, {-50, 600}},   {2, 1, {10, 1050}, {-1050, 600}},
      {2, 2, {10, 1050}, {-1050, 600}}, {2, 3, {10, 1050}, {-1050, 600}},
      {2, -1, {10, 1050}, {-50, 600}},  {7, 1, {10, 1370}, {-200, 600}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "selection " << c.selection << " Out2Type " << c.out2);
    auto st = MakeDevice(kQDM1, 0);
    st->DevRec[st->SetCh].Out2Type = c.out2;
    Prm(*st, kTrsSelect) = c.selection;
    Prm(*st, kTrsLow) = 10;
    Prm(*st, kTrsHigh) = 600;
    EXPECT_EQ(LimitsOf(*st, 77), c.trsh);
    EXPECT_EQ(LimitsOf(*st, 78), c.trsl);
  }
}

// Alarm rule of the other types on the worked input codes: functions by group.
TEST(LimitsAlarm, FunctionGroupsOnWorkedInputs) {
  struct Case {
    int16_t code;
    Range deviation, band, process;  // functions 0-4 and 13, 5-8, 9-12
  };
  const Case cases[] = {
      {0, {-1570, 1570}, {0, 1570}, {-200, 1370}},
      {6, {-1999, 9999}, {0, 9999}, {-1999, 8500}},
      {11, {-1999, 2315}, {0, 2315}, {0, 2315}},
      {32, {-550, 550}, {0, 550}, {-50, 500}},
      {16, {-1999, 2820}, {0, 2820}, {-320, 2500}},
      {14, {-1000, 1000}, {0, 1000}, {-100, 900}},  // DC: scaling -100..900
  };
  for (const Case& c : cases) {
    auto st = MakeDevice(kQD410, c.code);
    Prm(*st, kScalLow) = -100;
    Prm(*st, kScalHigh) = 900;
    for (int16_t f = 0; f <= 16; ++f) {
      SCOPED_TRACE(::testing::Message() << "code " << c.code << " function " << f);
      st->DevRec[st->SetCh].Al1Type = f;
      const Range expected = (f <= 4 || f == 13) ? c.deviation
                             : f <= 8            ? c.band
                             : f <= 12           ? c.process
                                                 : kUntouched;
      EXPECT_EQ(LimitsOf(*st, 5), expected);
    }
  }
}

TEST(LimitsAlarm, EachAlarmReadsItsOwnFunction) {
  auto st = MakeDevice(kQD430, 0);
  const int d = st->SetCh;
  st->DevRec[d].Al1Type = 1;  // deviation
  st->DevRec[d].Al2Type = 5;  // band
  Prm(*st, kAlarm3Fn) = 9;    // process
  Prm(*st, kAlarm4Fn) = 14;   // loop break: unchanged
  EXPECT_EQ(LimitsOf(*st, 5), Range(-1570, 1570));
  EXPECT_EQ(LimitsOf(*st, 39), Range(-1570, 1570));
  EXPECT_EQ(LimitsOf(*st, 6), Range(0, 1570));
  EXPECT_EQ(LimitsOf(*st, 40), Range(0, 1570));
  EXPECT_EQ(LimitsOf(*st, 7), Range(-200, 1370));
  EXPECT_EQ(LimitsOf(*st, 41), Range(-200, 1370));
  EXPECT_EQ(LimitsOf(*st, 8), kUntouched);
  EXPECT_EQ(LimitsOf(*st, 42), kUntouched);
}

TEST(LimitsAlarm, InputCodeOutsideTheListKeepsTheLimits) {
  auto st = MakeDevice(kQD430, 34);
  st->DevRec[st->SetCh].Al1Type = 1;
  EXPECT_EQ(LimitsOf(*st, 5), kUntouched);
}

// The process-alarm functions give the rated range itself: every row of the rated table of the
// other controller types that is not a DC input.
TEST(LimitsAlarm, ProcessAlarmGivesTheRatedRangeOfEveryCode) {
  const int kRated[34][2] = {{-200, 1370},  {-200, 1000},  {0, 1760},     {0, 1820},     {0, 1390},
                             {0, 1300},     {-1999, 8500}, {-1999, 5000}, {0, 1760},     {0, 1000},
                             {-1999, 4000}, {0, 2315},     {0, 0},        {0, 0},        {0, 0},
                             {-200, 850},   {-320, 2500},  {-320, 1800},  {0, 3200},     {0, 3300},
                             {0, 2500},     {0, 2300},     {-1999, 9999}, {-1999, 9000}, {0, 3200},
                             {0, 1800},     {-1999, 7500}, {0, 4200},     {0, 0},        {0, 0},
                             {0, 0},        {-320, 1560},  {-50, 500},    {-50, 1000}};
  for (int16_t code = 0; code <= 33; ++code) {
    if ((code >= 12 && code <= 14) || (code >= 28 && code <= 30)) continue;  // DC
    SCOPED_TRACE(code);
    auto st = MakeDevice(kQD430, code);
    st->DevRec[st->SetCh].Al1Type = 11;
    EXPECT_EQ(LimitsOf(*st, 5), Range(kRated[code][0], kRated[code][1]));
  }
}

TEST(LimitsAlarmB, FunctionGroupsWithoutClamping) {
  struct Case {
    int16_t code;
    Range deviation, band, process;
  };
  const Case cases[] = {
      {0, {-1570, 1570}, {0, 1570}, {-200, 1370}},
      {28, {-18900, 18900}, {0, 18900}, {-3280, 15620}},
      {34, {-5100, 5100}, {0, 5100}, {-100, 5000}},  // DC: scaling -100..5000
      {44, {-12000, 12000}, {0, 12000}, {-2000, 10000}},
  };
  for (const Case& c : cases) {
    auto st = MakeDevice(kQDM1, c.code);
    Prm(*st, kScalLow) = -100;
    Prm(*st, kScalHigh) = 5000;
    for (int16_t f : {0, 1, 4, 5, 8, 9, 12, 13, 14, 15, 16, -1}) {
      SCOPED_TRACE(::testing::Message() << "code " << c.code << " function " << f);
      Prm(*st, kAlarm3Fn) = f;
      const Range expected = (f >= 5 && f <= 8)    ? c.band
                             : (f >= 9 && f <= 12) ? c.process
                                                   : c.deviation;
      EXPECT_EQ(LimitsOf(*st, 7), expected);
      EXPECT_EQ(LimitsOf(*st, 41), expected);
    }
  }
}

TEST(LimitsAlarmB, SpanBeyondSixteenBitsIsHeldAtTheEnds) {
  auto st = MakeDevice(kQDM1, 34);
  Prm(*st, kScalLow) = -32768;
  Prm(*st, kScalHigh) = 32767;
  st->DevRec[st->SetCh].Al1Type = 1;
  EXPECT_EQ(LimitsOf(*st, 5), Range(-32768, 32767));
}

TEST(LimitsDeadBand, SpanTimesFixedProportionalBand) {
  struct Case {
    int16_t code;
    int16_t p;
    Range expected;
  };
  const Case cases[] = {
      {0, 30, {-47, 47}},        // 1570 x 30 / 1000 = 47.1
      {6, 9999, {-1999, 9999}},  // 10499 x 9999 / 1000 is beyond both ends
      {0, 50, {-78, 78}},        // 78.5 goes to the even 78
      {0, 150, {-236, 236}},     // 235.5 goes to the even 236
      {0, 0, {0, 0}},           {22, 1000, {-1999, 9999}},  // span 11998
      {34, 500, {0, 0}},                                    // outside the list: span counts as 0
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "code " << c.code << " P " << c.p);
    auto st = MakeDevice(kQD430, c.code);
    Prm(*st, kFixedP) = c.p;
    EXPECT_EQ(LimitsOf(*st, 64), c.expected);
  }
}

TEST(LimitsDeadBand, HalfwayGoesToEvenOnDcScaling) {
  auto st = MakeDevice(kQD410, 13);
  Prm(*st, kScalLow) = 0;
  Prm(*st, kScalHigh) = 1;  // span 1
  for (auto [p, hi] : {std::pair<int16_t, int>{500, 0}, {1500, 2}, {2500, 2}, {3500, 4}}) {
    SCOPED_TRACE(p);
    Prm(*st, kFixedP) = p;
    EXPECT_EQ(LimitsOf(*st, 64), Range(-hi, hi));
  }
}

TEST(LimitsDeadBand, ScaleBand) {
  for (auto [code, band] : {std::pair<int16_t, int>{0, 1570}, {6, 10499}, {22, 11998}}) {
    auto st = MakeDevice(kQD430, code);
    EXPECT_EQ(cal_scale_band(*st), band);
  }
  auto dc = MakeDevice(kQD430, 29);
  Prm(*dc, kScalLow) = -500;
  Prm(*dc, kScalHigh) = 2500;
  EXPECT_EQ(cal_scale_band(*dc), 3000);
  EXPECT_FALSE(cal_scale_band(*MakeDevice(kQD430, 34)).has_value());
  // The full 16-bit scaling range does not overflow the span.
  Prm(*dc, kScalLow) = -32768;
  Prm(*dc, kScalHigh) = 32767;
  EXPECT_EQ(cal_scale_band(*dc), 65535);
}

TEST(LimitsManualMv, OtherTypesUseTheFixedValueOut1Limits) {
  auto st = MakeDevice(kQD410, 0);
  Prm(*st, kFixOut1Low) = -3;
  Prm(*st, kFixOut1High) = 95;
  EXPECT_EQ(LimitsOf(*st, 103), Range(-3, 95));
}

TEST(LimitsManualMv, Type1UsesOutputBlockZero) {
  for (auto [out2, expected] :
       {std::pair<int16_t, Range>{0, {5, 90}}, {1, {-70, 90}}, {2, {-70, 90}}, {3, {-70, 90}}}) {
    SCOPED_TRACE(out2);
    auto st = MakeDevice(kQDM1, 0);
    const int d = st->SetCh;
    st->DevRec[d].Out2Type = out2;
    st->EditIdx = 4;             // not used: always block 0
    st->BlkData[10][d][0] = 90;  // OUT1 high
    st->BlkData[11][d][0] = 5;   // OUT1 low
    st->BlkData[12][d][0] = 70;  // OUT2 high
    st->BlkData[10][d][4] = 11;
    EXPECT_EQ(LimitsOf(*st, 103), expected);
  }
}

}  // namespace
}  // namespace qd470
