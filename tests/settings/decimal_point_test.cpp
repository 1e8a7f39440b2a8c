// Decimal places of the edit items (setdecimalpoint), row by row and for each kind of input.
#include "settings/decimal_point.h"

#include <gtest/gtest.h>

#include <vector>

#include "settings/edit_item_test_util.h"

namespace qd470 {
namespace {

using testing_util::kDecimalPoint;
using testing_util::kQD410;
using testing_util::kQD430;
using testing_util::kQDM1;
using testing_util::kTrsSelect;
using testing_util::MakeDevice;
using testing_util::Prm;

constexpr int16_t kPrevious = 9;  // an EditDp no rule gives: shows that it was kept

std::vector<int> Numbers(std::initializer_list<std::pair<int, int>> runs) {
  std::vector<int> out;
  for (auto [first, last] : runs) {
    for (int n = first; n <= last; ++n) out.push_back(n);
  }
  return out;
}

int16_t DpOf(ProgramState& st, int n) {
  st.EditDp = kPrevious;
  st.EditItem = static_cast<int16_t>(n);
  setdecimalpoint(st);
  return st.EditDp;
}

// One controller set-up and the decimal places each row of the table gives it.
struct Input {
  const char* name;
  int16_t ctrl_type;
  int16_t in_range;
  int16_t decimal_point;
  int16_t row0;         // proportional band
  int16_t input_dp;     // input decimals
  int16_t dc_else_one;  // hysteresis-like rows
};

constexpr Input kInputs[] = {
    {"QD410 Pt100 one-decimal", kQD410, 6, 0, 1, 1, 1},
    {"QD410 DC, point 3", kQD410, 12, 3, 1, 3, 3},
    {"QD430 K integer", kQD430, 0, 2, 1, 0, 1},
    {"QD430 DC deg.F list, point 0", kQD430, 30, 0, 1, 0, 0},
    {"QDM1 K integer", kQDM1, 0, 0, 0, 0, 1},
    {"QDM1 K one-decimal", kQDM1, 1, 0, 1, 1, 1},
    {"QDM1 DC, point 2", kQDM1, 34, 2, 1, 2, 2},
    {"QDM1 integer code 31", kQDM1, 31, 0, 0, 0, 1},
};

class DecimalPointRows : public ::testing::TestWithParam<Input> {
 protected:
  std::unique_ptr<ProgramState> Device() const {
    auto st = MakeDevice(GetParam().ctrl_type, GetParam().in_range);
    Prm(*st, kDecimalPoint) = GetParam().decimal_point;
    return st;
  }
  void ExpectRow(const std::vector<int>& settings, int16_t expected) {
    auto st = Device();
    for (int n : settings) {
      SCOPED_TRACE(::testing::Message() << "setting " << n);
      EXPECT_EQ(DpOf(*st, n), expected);
    }
  }
};

TEST_P(DecimalPointRows, ProportionalBand) { ExpectRow({0}, GetParam().row0); }

TEST_P(DecimalPointRows, NoDecimals) {
  ExpectRow(Numbers({{1, 3},
                     {9, 15},
                     {18, 32},
                     {35, 37},
                     {43, 49},
                     {54, 58},
                     {60, 60},
                     {62, 62},
                     {65, 65},
                     {76, 76},
                     {79, 79},
                     {81, 102}}),
            0);
}

TEST_P(DecimalPointRows, OneDecimal) { ExpectRow({4, 34, 38, 66, 67, 68, 73, 103}, 1); }

TEST_P(DecimalPointRows, InputDecimals) {
  ExpectRow(Numbers({{5, 8}, {16, 17}, {33, 33}, {39, 42}, {59, 59}, {69, 70}, {74, 75}, {80, 80}}),
            GetParam().input_dp);
}

TEST_P(DecimalPointRows, DecimalPointForDcElseOne) {
  ExpectRow({50, 51, 52, 53, 61, 63, 64, 72}, GetParam().dc_else_one);
}

TEST_P(DecimalPointRows, TransmissionFollowsItsSelection) {
  auto st = Device();
  for (int n : {77, 78}) {
    SCOPED_TRACE(n);
    Prm(*st, kTrsSelect) = 0;
    EXPECT_EQ(DpOf(*st, n), GetParam().input_dp);
    Prm(*st, kTrsSelect) = 1;
    EXPECT_EQ(DpOf(*st, n), GetParam().input_dp);
    Prm(*st, kTrsSelect) = 2;
    EXPECT_EQ(DpOf(*st, n), 1);
    Prm(*st, kTrsSelect) = 3;
    EXPECT_EQ(DpOf(*st, n), kPrevious);
  }
}

TEST_P(DecimalPointRows, UnchangedRowsAndUnknownNumbers) {
  ExpectRow({71, 104, 105, -1, 500}, kPrevious);
}

INSTANTIATE_TEST_SUITE_P(Inputs, DecimalPointRows, ::testing::ValuesIn(kInputs),
                         [](const auto& info) { return "In" + std::to_string(info.index); });

TEST(DecimalPointUnchanged, InputCodeOutsideTheList) {
  const std::vector<int> input_rows{5, 16, 17, 33, 50, 64, 72, 77};
  for (auto [ctrl, code] :
       {std::pair<int16_t, int16_t>{kQD410, 34}, {kQD430, -1}, {kQDM1, 44}, {kQDM1, -3}}) {
    auto st = MakeDevice(ctrl, code);
    for (int n : input_rows) {
      SCOPED_TRACE(::testing::Message() << "type " << ctrl << " code " << code << " setting " << n);
      EXPECT_EQ(DpOf(*st, n), kPrevious);
    }
    // Rows that do not read the input still apply.
    EXPECT_EQ(DpOf(*st, 1), 0);
    EXPECT_EQ(DpOf(*st, 4), 1);
  }
}

TEST(DecimalPointUnchanged, ProportionalBandOfType1NeedsAnInputOfItsList) {
  auto st = MakeDevice(kQDM1, 44);
  EXPECT_EQ(DpOf(*st, 0), kPrevious);
  // Other types always show the band with one decimal.
  auto other = MakeDevice(kQD430, 40);
  EXPECT_EQ(DpOf(*other, 0), 1);
}

TEST(DecimalPointUnchanged, DcDecimalPointOutsideZeroToThree) {
  for (int16_t point : {int16_t{4}, int16_t{-1}, int16_t{10}}) {
    for (auto [ctrl, code] : {std::pair<int16_t, int16_t>{kQD410, 13}, {kQDM1, 36}}) {
      SCOPED_TRACE(::testing::Message() << "type " << ctrl << " point " << point);
      auto st = MakeDevice(ctrl, code);
      Prm(*st, kDecimalPoint) = point;
      EXPECT_EQ(DpOf(*st, 5), kPrevious);
      EXPECT_EQ(DpOf(*st, 50), kPrevious);
      EXPECT_EQ(DpOf(*st, 0), ctrl == kQDM1 ? kPrevious : 1);
    }
  }
}

TEST(DecimalPointUnchanged, TransmissionOfMvIgnoresTheInput) {
  auto st = MakeDevice(kQDM1, 50);
  Prm(*st, kTrsSelect) = 2;
  EXPECT_EQ(DpOf(*st, 77), 1);
  Prm(*st, kTrsSelect) = 0;
  EXPECT_EQ(DpOf(*st, 77), kPrevious);
}

TEST(DecimalPointUnchanged, ControllerNumberOutsideTheTable) {
  auto st = MakeDevice(kQD410, 6);
  st->SetCh = 32;
  EXPECT_EQ(DpOf(*st, 4), kPrevious);
  st->SetCh = -1;
  EXPECT_EQ(DpOf(*st, 1), kPrevious);
}

TEST(DecimalPointExamples, WorkedCases) {
  auto qd410 = MakeDevice(kQD410, 6);
  EXPECT_EQ(DpOf(*qd410, 5), 1);
  EXPECT_EQ(DpOf(*qd410, 17), 1);
  EXPECT_EQ(DpOf(*qd410, 33), 1);
  EXPECT_EQ(DpOf(*qd410, 50), 1);
  EXPECT_EQ(DpOf(*qd410, 0), 1);

  qd410->DevRec[qd410->SetCh].InRange = 12;
  Prm(*qd410, kDecimalPoint) = 3;
  EXPECT_EQ(DpOf(*qd410, 5), 3);
  EXPECT_EQ(DpOf(*qd410, 17), 3);
  EXPECT_EQ(DpOf(*qd410, 50), 3);
  EXPECT_EQ(DpOf(*qd410, 0), 1);

  auto qdm1 = MakeDevice(kQDM1, 0);
  EXPECT_EQ(DpOf(*qdm1, 0), 0);
  EXPECT_EQ(DpOf(*qdm1, 50), 1);
  qdm1->DevRec[qdm1->SetCh].InRange = 34;
  Prm(*qdm1, kDecimalPoint) = 2;
  EXPECT_EQ(DpOf(*qdm1, 0), 1);
  EXPECT_EQ(DpOf(*qdm1, 50), 2);
}

TEST(DecimalPointExamples, DecimalPointSettingKeepsThePreviousItemsPlaces) {
  auto st = MakeDevice(kQD410, 6);
  st->EditItem = 5;
  setdecimalpoint(*st);
  ASSERT_EQ(st->EditDp, 1);
  st->EditItem = 71;
  setdecimalpoint(*st);
  EXPECT_EQ(st->EditDp, 1);
}

}  // namespace
}  // namespace qd470
