// Input-type classes, the controller-type-1 range table and the range functions.
#include "settings/input_range.h"

#include <gtest/gtest.h>

#include <set>

#include "settings/edit_item_test_util.h"

namespace qd470 {
namespace {

using testing_util::kQD410;
using testing_util::kQDM1;
using testing_util::MakeDevice;
using testing_util::Prm;

TEST(RangeTableClasses, OtherTypesList) {
  const std::set<int> one_decimal{6, 7, 10, 22, 23, 26};
  const std::set<int> dc{12, 13, 14, 28, 29, 30};
  for (int16_t ctrl : {int16_t{-1}, int16_t{0}, int16_t{2}}) {
    for (int code = 0; code <= 33; ++code) {
      SCOPED_TRACE(::testing::Message() << "type " << ctrl << " code " << code);
      const InputClass expected = one_decimal.count(code) ? InputClass::kOneDecimal
                                  : dc.count(code)        ? InputClass::kDC
                                                          : InputClass::kInteger;
      EXPECT_EQ(InputClassOf(ctrl, static_cast<int16_t>(code)), expected);
    }
    EXPECT_EQ(InputClassOf(ctrl, 34), InputClass::kNone);
    EXPECT_EQ(InputClassOf(ctrl, -1), InputClass::kNone);
  }
}

TEST(RangeTableClasses, Type1List) {
  const std::set<int> one_decimal{1, 7, 11, 12, 15, 16, 18, 24, 28, 29, 32, 33};
  for (int code = 0; code <= 43; ++code) {
    SCOPED_TRACE(code);
    const InputClass expected = code >= 34                ? InputClass::kDC
                                : one_decimal.count(code) ? InputClass::kOneDecimal
                                                          : InputClass::kInteger;
    EXPECT_EQ(InputClassOf(1, static_cast<int16_t>(code)), expected);
  }
  EXPECT_EQ(InputClassOf(1, 44), InputClass::kNone);
  EXPECT_EQ(InputClassOf(1, -1), InputClass::kNone);
}

struct Type1Row {
  int16_t code;
  int32_t low, high, span;
};

// The controller-type-1 rated ranges, row by row; code 4 (S) is rated to 1786.
constexpr Type1Row kType1Rows[] = {
    {0, -200, 1370, 1570},      {1, -2000, 4000, 6000},    {2, -200, 1000, 1200},
    {3, 0, 1760, 1760},         {4, 0, 1786, 1786},        {5, 0, 1820, 1820},
    {6, -200, 800, 1000},       {7, -2000, 4000, 6000},    {8, -200, 1300, 1500},
    {9, 0, 1390, 1390},         {10, 0, 2315, 2315},       {11, -2000, 8500, 10500},
    {12, -2000, 5000, 7000},    {13, -200, 850, 1050},     {14, -200, 500, 700},
    {15, -1000, 1000, 2000},    {16, -1000, 5000, 6000},   {17, -328, 2498, 2826},
    {18, -3280, 7520, 10800},   {19, -328, 1832, 2160},    {20, 32, 3200, 3168},
    {21, 32, 3200, 3168},       {22, 32, 3308, 3276},      {23, -328, 1472, 1800},
    {24, -3280, 7520, 10800},   {25, -328, 2372, 2700},    {26, 32, 2534, 2502},
    {27, 32, 4199, 4167},       {28, -3280, 15620, 18900}, {29, -3280, 9320, 12600},
    {30, -328, 1562, 1890},     {31, -328, 932, 1260},     {32, -1480, 2120, 3600},
    {33, -1480, 9320, 10800},   {34, -2000, 10000, 12000}, {39, -2000, 10000, 12000},
    {43, -2000, 10000, 12000},  {44, -2000, 10000, 12000}, {-1, -2000, 10000, 12000},
    {200, -2000, 10000, 12000},
};

TEST(RangeTableType1, EveryRowWhateverTheControllerType) {
  for (int16_t ctrl : {kQDM1, kQD410}) {
    for (const Type1Row& row : kType1Rows) {
      SCOPED_TRACE(::testing::Message() << "type " << ctrl << " code " << row.code);
      auto st = MakeDevice(ctrl, row.code);
      // Scaling must not leak into the plain range functions.
      Prm(*st, testing_util::kScalHigh) = 777;
      Prm(*st, testing_util::kScalLow) = 111;
      EXPECT_EQ(GetRangeMin(*st, st->SetCh), row.low);
      EXPECT_EQ(GetRangeMax(*st, st->SetCh), row.high);
      EXPECT_EQ(GetRangeSpan(*st, st->SetCh), row.span);
    }
  }
}

TEST(RangeTableType1, ScaledFunctionsUseScalingForDcCodesOnly) {
  auto st = MakeDevice(kQDM1, 40);
  Prm(*st, testing_util::kScalHigh) = 10000;
  Prm(*st, testing_util::kScalLow) = -2000;
  EXPECT_EQ(GetScalSpan(*st, st->SetCh), 12000);
  Prm(*st, testing_util::kScalHigh) = 5000;
  Prm(*st, testing_util::kScalLow) = -100;
  EXPECT_EQ(GetScalMin(*st, st->SetCh), -100);
  EXPECT_EQ(GetScalMax(*st, st->SetCh), 5000);
  EXPECT_EQ(GetScalSpan(*st, st->SetCh), 5100);
  EXPECT_EQ(GetRangeSpan(*st, st->SetCh), 12000);

  // A code that is not one of 34 to 43 keeps its rated values.
  for (int16_t code : {int16_t{18}, int16_t{44}}) {
    SCOPED_TRACE(code);
    st->DevRec[st->SetCh].InRange = code;
    EXPECT_EQ(GetScalMin(*st, st->SetCh), GetRangeMin(*st, st->SetCh));
    EXPECT_EQ(GetScalMax(*st, st->SetCh), GetRangeMax(*st, st->SetCh));
    EXPECT_EQ(GetScalSpan(*st, st->SetCh), GetRangeSpan(*st, st->SetCh));
  }
}

TEST(RangeTableType1, DcFlagAndDpMode) {
  struct Case {
    int16_t code;
    int16_t is_dc;
    uint8_t dp_mode;
  };
  const Case cases[] = {{0, 0, 0},    {1, 0, 1},    {33, 0, 1},   {31, 0, 0},
                        {34, -1, 10}, {43, -1, 10}, {44, -1, 10}, {-1, 0, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    auto st = MakeDevice(kQD410, c.code);  // read in the type-1 list whatever the type
    EXPECT_EQ(RangeIsDC(*st, st->SetCh), c.is_dc);
    EXPECT_EQ(RangeDpMode(*st, st->SetCh), c.dp_mode);
  }
}

TEST(RangeTableType1, DeviceOutsideTheTableIsNeverRead) {
  ProgramState st;
  EXPECT_EQ(RangeIsDC(st, 32), 0);
  EXPECT_EQ(RangeDpMode(st, -1), 0);
  EXPECT_EQ(GetRangeSpan(st, 40), 12000);
  EXPECT_EQ(DeviceInputClass(st, 99), InputClass::kNone);
}

TEST(RangeTableOther, RatedRangesAreOnlyForCodesOfTheList) {
  EXPECT_FALSE(RatedRangeOther(34).has_value());
  EXPECT_FALSE(RatedRangeOther(-1).has_value());
  ASSERT_TRUE(RatedRangeOther(12).has_value());
  EXPECT_EQ(RatedRangeOther(12)->low, -1999);
  EXPECT_EQ(RatedRangeOther(12)->high, 9999);
}

}  // namespace
}  // namespace qd470
