// Tests of the default settings of all controllers.
#include "settings/default_settings.h"

#include <gtest/gtest.h>

namespace qd470 {
namespace {

struct RangeRow {
  int type;
  int16_t low;
  int16_t high;
};

// Each input type's low and high go to 28/2B/2D and 27/2A/2C.
void ExpectRange(const ProgramState& s, int c, int16_t low, int16_t high) {
  for (int code : {0x28, 0x2B, 0x2D}) EXPECT_EQ(s.PrmData[code][c], low) << "code " << code;
  for (int code : {0x27, 0x2A, 0x2C}) EXPECT_EQ(s.PrmData[code][c], high) << "code " << code;
}

// One controller per row: controller c gets type c % 32 of the table, via a fresh state per pass.
void ExpectTable(int16_t ctrl_type, const RangeRow* rows, int count) {
  for (int i = 0; i < count; ++i) {
    SCOPED_TRACE(testing::Message() << "CtrlType " << ctrl_type << " InRange " << rows[i].type);
    ProgramState state;
    const int c = i % kMaxDevices;
    state.DevRec[c].CtrlType = ctrl_type;
    state.DevRec[c].InRange = static_cast<int16_t>(rows[i].type);
    Datainitial(state);
    ExpectRange(state, c, rows[i].low, rows[i].high);
    EXPECT_EQ(state.DevRec[c].InRange, rows[i].type);
  }
}

TEST(DefaultsInputRange, TableForControllerTypesOtherThanOne) {
  const RangeRow rows[] = {
      {0, -200, 1370},   {1, -200, 1000},   {2, 0, 1760},      {3, 0, 1820},      {4, 0, 1390},
      {5, 0, 1300},      {6, -1999, 8500},  {7, -1999, 5000},  {8, 0, 1760},      {9, 0, 1000},
      {10, -1999, 4000}, {11, 0, 2315},     {12, -1999, 9999}, {13, -1999, 9999}, {14, -1999, 9999},
      {15, -200, 850},   {16, -320, 2500},  {17, -320, 1800},  {18, 0, 3200},     {19, 0, 3300},
      {20, 0, 2500},     {21, 0, 2300},     {22, -1999, 9999}, {23, -1999, 9000}, {24, 0, 3200},
      {25, 0, 1800},     {26, -1999, 7500}, {27, 0, 4200},     {28, -1999, 9999}, {29, -1999, 9999},
      {30, -1999, 9999}, {31, -320, 1560},  {32, -50, 500},    {33, -50, 1000},
  };
  ExpectTable(0, rows, std::size(rows));
  ExpectTable(-1, rows, std::size(rows));  // QD410 uses the same table as QD430
}

TEST(DefaultsInputRange, TableForControllerTypeOne) {
  const RangeRow rows[] = {
      {0, -200, 1370},    {1, -2000, 4000},   {2, -200, 1000},    {3, 0, 1760},
      {4, 0, 1760},       {5, 0, 1820},       {6, -200, 800},     {7, -2000, 4000},
      {8, -200, 1300},    {9, 0, 1390},       {10, 0, 2315},      {11, -2000, 8500},
      {12, -2000, 5000},  {13, -200, 850},    {14, -200, 500},    {15, -1000, 1000},
      {16, -1000, 5000},  {17, -328, 2498},   {18, -3280, 7520},  {19, -328, 1832},
      {20, 32, 3200},     {21, 32, 3200},     {22, 32, 3308},     {23, -328, 1472},
      {24, -3280, 7520},  {25, -328, 2372},   {26, 32, 2534},     {27, 32, 4199},
      {28, -3280, 15620}, {29, -3280, 9320},  {30, -328, 1562},   {31, -328, 932},
      {32, -1480, 2120},  {33, -1480, 9320},  {34, -2000, 10000}, {35, -2000, 10000},
      {36, -2000, 10000}, {37, -2000, 10000}, {38, -2000, 10000}, {39, -2000, 10000},
      {40, -2000, 10000}, {41, -2000, 10000}, {42, -2000, 10000}, {43, -2000, 10000},
  };
  ExpectTable(1, rows, std::size(rows));
}

TEST(DefaultsInputRange, TypesOutsideTheTable) {
  ProgramState state;
  state.DevRec[0] = {-1, 0, 0, -1, 0, -1, -1, 0};  // negative: type 0, record corrected
  state.DevRec[1] = {-5, 0, 0, -1, 0, -1, -1, 1};
  state.DevRec[2] = {34, 0, 0, -1, 0, -1, -1, 0};   // beyond the 34-entry table
  state.DevRec[3] = {44, 0, 0, -1, 0, -1, -1, 1};   // beyond the 44-entry table
  state.DevRec[4] = {40, 0, 0, -1, 0, -1, -1, -1};  // a type-1 code on another type
  Datainitial(state);
  ExpectRange(state, 0, -200, 1370);
  EXPECT_EQ(state.DevRec[0].InRange, 0);
  ExpectRange(state, 1, -200, 1370);
  EXPECT_EQ(state.DevRec[1].InRange, 0);
  ExpectRange(state, 2, -200, 1370);
  EXPECT_EQ(state.DevRec[2].InRange, 34);  // left as it is
  ExpectRange(state, 3, -200, 1370);
  EXPECT_EQ(state.DevRec[3].InRange, 44);
  ExpectRange(state, 4, -200, 1370);
}

TEST(DefaultsFixed, ParameterDefaultsForEveryController) {
  const std::pair<int, int16_t> rows[] = {
      {0x02, 25}, {0x03, 200}, {0x04, 50}, {0x05, 50}, {0x06, 10}, {0x0F, 1},   {0x10, 3},
      {0x11, 10}, {0x12, 10},  {0x13, 10}, {0x14, 10}, {0x1B, 30}, {0x1C, 100}, {0x1E, 10},
      {0x20, 30}, {0x22, 100}, {0x24, 10}, {0x26, 30}, {0x46, 1},  {0x47, 1},
  };
  ProgramState state;
  for (auto& table : state.PrmData) table.fill(-7);
  state.CommCond.DevCount = 1;  // unconnected controllers get the defaults too
  Datainitial(state);
  for (int c = 0; c < kMaxDevices; ++c) {
    for (const auto& [code, value] : rows) {
      EXPECT_EQ(state.PrmData[code][c], value) << "code " << code << " controller " << c;
    }
  }
  // Codes of no default keep their values, among them the fixed-value main setting value, the
  // manual MV, the pattern number and the other limits.
  for (int code : {0x00, 0x01, 0x07, 0x0A, 0x0C, 0x0D, 0x15, 0x1D, 0x1F, 0x21, 0x23, 0x25, 0x29,
                   0x2E, 0x31, 0x3E, 0x3F, 0x40, 0x45}) {
    EXPECT_EQ(state.PrmData[code][17], -7) << "code " << code;
  }
}

TEST(DefaultsBlocks, PidAndOutputLimitsOfBlocksZeroToNine) {
  const std::pair<int, int16_t> rows[] = {
      {0, 25}, {1, 200}, {2, 50}, {3, 50}, {4, 10}, {10, 100}, {12, 100},
  };
  ProgramState state;
  for (auto& item : state.BlkData) {
    for (auto& blocks : item) blocks.fill(-7);
  }
  state.PtnData[0][5][2][3] = 444;
  state.PtnCom[1][5][2] = 3;
  Datainitial(state);
  for (int c : {0, 31}) {
    for (int b = 0; b < kTsBlocks; ++b) {
      for (int k = 0; k < kBlkItems; ++k) {
        int16_t expected = -7;
        for (const auto& [item, value] : rows) {
          if (item == k && b < kBlocks) expected = value;
        }
        EXPECT_EQ(state.BlkData[k][c][b], expected) << "item " << k << " block " << b;
      }
    }
  }
  EXPECT_EQ(state.PtnData[0][5][2][3], 444);
  EXPECT_EQ(state.PtnCom[1][5][2], 3);
}

}  // namespace
}  // namespace qd470
