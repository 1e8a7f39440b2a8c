// Tests of the setting-number catalogue: wire items, storage and the table's own consistency.
#include "model/setting_catalogue.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>

namespace qd470 {
namespace {

struct WireCase {
  int number;
  int pattern;
  int index;
  uint16_t expected;
};

// Step, pattern and block items: the data item follows pattern, step and block.
TEST(CatalogueWireItem, MapsIndexedSettings) {
  const WireCase cases[] = {
      {18, 2, 3, 0x1231},  // step time, pattern 2 step 3
      {30, 9, 9, 0x199D},  // output block number, pattern 9 step 9
      {17, 0, 0, 0x1000},  {27, 1, 2, 0x112A},  {28, 4, 5, 0x145B}, {14, 0, 15, 0x6F00},
      {15, 0, 15, 0x6F01}, {14, 0, 10, 0x6A00}, {16, 0, 9, 0x3900}, {0, 0, 0, 0x2000},
      {4, 0, 3, 0x2304},   {5, 0, 1, 0x4100},   {8, 0, 2, 0x4203},  {9, 0, 0, 0x5000},
      {13, 0, 9, 0x5904},  {31, 0, 0, 0x7000},  {32, 0, 0, 0x7001}, {31, 1, 0, 0x7100},
      {32, 1, 0, 0x7101},  {31, 9, 0, 0x7900},  {32, 9, 0, 0x7901},
  };
  for (const WireCase& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << "setting " << c.number << " p" << c.pattern << " i" << c.index);
    EXPECT_EQ(WireItemMap(c.number, c.pattern, c.index), c.expected);
  }
}

// Parameters and commands have one fixed item whatever the pattern and index (EditIdx keeps the
// value of the last block or step item).
TEST(CatalogueWireItem, MapsFixedItemsIgnoringPatternAndIndex) {
  const std::pair<int, uint16_t> ranges[][2] = {
      {{33, 0x01}, {38, 0x06}}, {{39, 0x07}, {42, 0x0A}}, {{50, 0x11}, {53, 0x14}},
      {{54, 0x15}, {57, 0x18}}, {{88, 0x3A}, {92, 0x3E}},
  };
  std::map<int, uint16_t> expected = {
      {43, 0x1C}, {44, 0x1D},  {45, 0x22},  {46, 0x23},  {47, 0x1F},  {48, 0x0F}, {49, 0x10},
      {58, 0x19}, {59, 0x1A},  {60, 0x1B},  {61, 0x1E},  {62, 0x20},  {63, 0x24}, {64, 0x25},
      {65, 0x21}, {66, 0x26},  {67, 0x46},  {68, 0x47},  {69, 0x2C},  {70, 0x2D}, {71, 0x2E},
      {72, 0x2F}, {73, 0x30},  {74, 0x27},  {75, 0x28},  {76, 0x29},  {77, 0x2A}, {78, 0x2B},
      {79, 0x31}, {80, 0x32},  {81, 0x33},  {82, 0x34},  {83, 0x35},  {84, 0x36}, {85, 0x37},
      {86, 0x38}, {87, 0x39},  {93, 0x0D},  {95, 0x3F},  {96, 0x44},  {97, 0x41}, {98, 0x42},
      {99, 0x43}, {100, 0x45}, {101, 0x0E}, {102, 0x0B}, {103, 0x0C},
  };
  for (const auto& range : ranges) {
    for (int n = range[0].first; n <= range[1].first; ++n) {
      expected[n] = static_cast<uint16_t>(range[0].second + (n - range[0].first));
    }
  }
  ASSERT_EQ(expected.size(), 70u);  // 33 to 103 without 94
  for (const auto& [number, item] : expected) {
    SCOPED_TRACE(testing::Message() << "setting " << number);
    EXPECT_EQ(WireItemMap(number, 0, 0), item);
    EXPECT_EQ(WireItemMap(number, 7, 12), item);
  }
}

// A write must never go to a wrong item: unknown numbers and indexes outside the stored ranges
// give no item at all.
TEST(CatalogueWireItem, RefusesUnassignedNumbersAndIndexesOutOfRange) {
  const WireCase refused[] = {
      {94, 0, 0, 0},  {104, 0, 0, 0}, {-1, 0, 0, 0},  {0, 0, 10, 0},  // PID blocks stop at 9
      {16, 0, 10, 0},                                                 // wait blocks stop at 9
      {14, 0, 16, 0},  // time-signal blocks stop at 15
      {17, 10, 0, 0}, {17, 0, 10, 0}, {18, -1, 0, 0}, {30, 0, -1, 0},
      {31, 10, 0, 0}, {32, -1, 0, 0}, {5, 0, -1, 0},
  };
  for (const WireCase& c : refused) {
    SCOPED_TRACE(testing::Message()
                 << "setting " << c.number << " p" << c.pattern << " i" << c.index);
    EXPECT_EQ(WireItemMap(c.number, c.pattern, c.index), std::nullopt);
  }
}

TEST(CatalogueTable, RowsAreConsistent) {
  const auto catalogue = SettingCatalogue();
  ASSERT_EQ(catalogue.size(), 104u);
  std::map<std::pair<SettingTable, int>, int> storers;
  for (const SettingDef& def : catalogue) {
    SCOPED_TRACE(testing::Message() << "setting " << def.number);
    EXPECT_EQ(def.number, &def - catalogue.data());
    if (def.kind == SettingKind::kUnassigned) continue;
    EXPECT_FALSE(SettingControls(def).empty());
    if (def.table == SettingTable::kNone) continue;
    ++storers[{def.table, def.item}];
    // A stored setting's wire item must be the item of its storage.
    EXPECT_EQ(DataItemOf(*SettingStorage(def.number, 0, 0)), def.data_item);
    if (def.table == SettingTable::kPrmData) {
      EXPECT_EQ(def.item, def.data_item);
    } else if (def.table == SettingTable::kPtnData) {
      EXPECT_EQ(def.data_item, 0x1000 + def.item);
    } else if (def.table == SettingTable::kPtnCom) {
      EXPECT_EQ(def.data_item, 0x7000 + def.item);
    }
  }
  // Every pattern, step and block item is stored by exactly one setting.
  for (int k = 0; k < kPtnItems; ++k) EXPECT_EQ((storers[{SettingTable::kPtnData, k}]), 1);
  for (int k = 0; k < kPtnComItems; ++k) EXPECT_EQ((storers[{SettingTable::kPtnCom, k}]), 1);
  for (int k = 0; k < kBlkItems; ++k) EXPECT_EQ((storers[{SettingTable::kBlkData, k}]), 1);
}

TEST(CatalogueTable, KindsAndControls) {
  EXPECT_EQ(FindSetting(94), nullptr);
  EXPECT_EQ(FindSetting(104), nullptr);
  const int choices[] = {32, 48, 49, 65, 71, 76, 79, 81, 82, 83,
                         84, 85, 87, 88, 89, 90, 91, 92, 93};
  for (int n : choices) EXPECT_EQ(FindSetting(n)->kind, SettingKind::kChoice) << n;
  for (int n = 95; n <= 103; ++n) EXPECT_EQ(FindSetting(n)->kind, SettingKind::kCommand) << n;
  EXPECT_EQ(FindSetting(17)->kind, SettingKind::kValue);
  for (const SettingDef& def : SettingCatalogue()) {
    const bool two_part = def.number == 14 || def.number == 15 || def.number == 18;
    EXPECT_EQ(def.two_part, two_part) << def.number;
  }
  using Names = std::vector<std::string_view>;
  EXPECT_EQ(SettingControls(*FindSetting(14)), (Names{"lblTsoffH", "lblTsoffM"}));
  EXPECT_EQ(SettingControls(*FindSetting(18)), (Names{"lblTmH", "lblTmM"}));
  EXPECT_EQ(SettingControls(*FindSetting(24)), (Names{"lblTs5"}));
  EXPECT_EQ(SettingControls(*FindSetting(42)), (Names{"lblFalm4"}));
  EXPECT_EQ(SettingControls(*FindSetting(92)), (Names{"cmbTS5sel"}));
  EXPECT_EQ(SettingControls(*FindSetting(96)), (Names{"cmdAMadv", "cmdSeladv"}));
}

struct StorageCase {
  int number;
  int pattern;
  int index;
  int16_t* (*cell)(ProgramState&, int ch);
};

// Reads and writes through the catalogue reach the table, item and indexes of the setting.
TEST(CatalogueStorage, ReadsAndWritesTheStoredValue) {
  const StorageCase cases[] = {
      {0, 0, 3, [](ProgramState& s, int c) { return &s.BlkData[0][c][3]; }},
      {5, 0, 2, [](ProgramState& s, int c) { return &s.BlkData[6][c][2]; }},
      {13, 0, 9, [](ProgramState& s, int c) { return &s.BlkData[14][c][9]; }},
      {15, 0, 15, [](ProgramState& s, int c) { return &s.BlkData[16][c][15]; }},
      {16, 0, 4, [](ProgramState& s, int c) { return &s.BlkData[5][c][4]; }},
      {17, 2, 3, [](ProgramState& s, int c) { return &s.PtnData[0][c][2][3]; }},
      {30, 9, 8, [](ProgramState& s, int c) { return &s.PtnData[13][c][9][8]; }},
      {31, 4, 7, [](ProgramState& s, int c) { return &s.PtnCom[0][c][4]; }},
      {32, 5, 0, [](ProgramState& s, int c) { return &s.PtnCom[1][c][5]; }},
      {43, 0, 0, [](ProgramState& s, int c) { return &s.PrmData[0x1C][c]; }},
      {93, 0, 0, [](ProgramState& s, int c) { return &s.PrmData[0x0D][c]; }},
      {95, 0, 0, [](ProgramState& s, int c) { return &s.PtnNoTbl()[c]; }},
      {103, 0, 0, [](ProgramState& s, int c) { return &s.ManMvTbl()[c]; }},
  };
  for (const StorageCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "setting " << c.number);
    ProgramState state;
    ASSERT_TRUE(WriteSetting(state, c.number, 31, c.pattern, c.index, -1234));
    EXPECT_EQ(*c.cell(state, 31), -1234);
    EXPECT_EQ(*c.cell(state, 30), 0);
    *c.cell(state, 7) = 321;
    EXPECT_EQ(ReadSetting(state, c.number, 7, c.pattern, c.index), 321);
  }
}

TEST(CatalogueStorage, RefusesWhatHasNoStorage) {
  ProgramState state;
  EXPECT_FALSE(WriteSetting(state, 98, 0, 0, 0, 1));   // command without storage
  EXPECT_FALSE(WriteSetting(state, 94, 0, 0, 0, 1));   // unassigned
  EXPECT_FALSE(WriteSetting(state, 33, 32, 0, 0, 1));  // controller out of range
  EXPECT_FALSE(WriteSetting(state, 33, -1, 0, 0, 1));
  EXPECT_FALSE(WriteSetting(state, 0, 0, 0, 10, 1));   // PID block 10 does not exist
  EXPECT_FALSE(WriteSetting(state, 17, 0, 10, 0, 1));  // pattern 10 is never used
  EXPECT_EQ(ReadSetting(state, 99, 0, 0, 0), std::nullopt);
  EXPECT_EQ(ReadSetting(state, 0, 0, 0, 10), std::nullopt);
  // Nothing was written anywhere.
  ProgramState fresh;
  EXPECT_EQ(state.PrmData, fresh.PrmData);
  EXPECT_EQ(state.BlkData, fresh.BlkData);
  EXPECT_EQ(state.PtnData, fresh.PtnData);
  // A raw reference to a block that does not exist resolves to nothing.
  EXPECT_EQ(ResolveStorage(state, 0, {SettingTable::kBlkData, 0, 0, 12}), nullptr);
  EXPECT_NE(ResolveStorage(state, 0, {SettingTable::kBlkData, 15, 0, 12}), nullptr);
}

}  // namespace
}  // namespace qd470
