// The edit-item selectors: their table, their four steps and the worked examples.
#include "settings/edit_selectors.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "settings/edit_item_test_util.h"

namespace qd470 {
namespace {

using namespace testing_util;  // NOLINT: the set-up names of the edit-item tests

struct IndexedSelector {
  const char* name;
  void (*fn)(ProgramState&, int16_t);
  int16_t setting;
};

struct SingleSelector {
  const char* name;
  void (*fn)(ProgramState&);
  int16_t setting;
};

// Each selector routine and the setting number of its label.
const IndexedSelector kIndexed[] = {
    {"SetItemP", &SetItemP, 0},
    {"SetItemI", &SetItemI, 1},
    {"SetItemD", &SetItemD, 2},
    {"SetItemArw", &SetItemArw, 3},
    {"SetItemPB", &SetItemPB, 4},
    {"SetItemA1", &SetItemA1, 5},
    {"SetItemA2", &SetItemA2, 6},
    {"SetItemA3", &SetItemA3, 7},
    {"SetItemA4", &SetItemA4, 8},
    {"SetItemOlh", &SetItemOlh, 9},
    {"SetItemOll", &SetItemOll, 10},
    {"SetItemOlhb", &SetItemOlhb, 11},
    {"SetItemOllb", &SetItemOllb, 12},
    {"SetItemOrat", &SetItemOrat, 13},
    {"SetItemTsoffH", &SetItemTsoffH, 14},
    {"SetItemTsoffM", &SetItemTsoffM, 14},
    {"SetItemTsonH", &SetItemTsonH, 15},
    {"SetItemTsonM", &SetItemTsonM, 15},
    {"SetItemWait", &SetItemWait, 16},
    {"SetItemSV", &SetItemSV, 17},
    {"SetItemTmH", &SetItemTmH, 18},
    {"SetItemTmM", &SetItemTmM, 18},
    {"SetItemPbk", &SetItemPbk, 19},
    {"SetItemTs1", &SetItemTs1, 20},
    {"SetItemTs2", &SetItemTs2, 21},
    {"SetItemTs3", &SetItemTs3, 22},
    {"SetItemTs4", &SetItemTs4, 23},
    {"SetItemTs5", &SetItemTs5, 24},
    {"SetItemTs6", &SetItemTs6, 25},
    {"SetItemTs7", &SetItemTs7, 26},
    {"SetItemTs8", &SetItemTs8, 27},
    {"SetItemWbk", &SetItemWbk, 28},
    {"SetItemAbk", &SetItemAbk, 29},
    {"SetItemObk", &SetItemObk, 30},
};

const SingleSelector kSingle[] = {
    {"SetItemRep", &SetItemRep, 31},     {"SetItemFSv", &SetItemFSv, 33},
    {"SetItemFP", &SetItemFP, 34},       {"SetItemFI", &SetItemFI, 35},
    {"SetItemFD", &SetItemFD, 36},       {"SetItemFArw", &SetItemFArw, 37},
    {"SetItemFPb", &SetItemFPb, 38},     {"SetItemFalm1", &SetItemFalm1, 39},
    {"SetItemFalm2", &SetItemFalm2, 40}, {"SetItemFalm3", &SetItemFalm3, 41},
    {"SetItemFalm4", &SetItemFalm4, 42}, {"SetItemFOlh", &SetItemFOlh, 43},
    {"SetItemFOll", &SetItemFOll, 44},   {"SetItemFOlhb", &SetItemFOlhb, 45},
    {"SetItemFOllb", &SetItemFOllb, 46}, {"SetItemFOrat", &SetItemFOrat, 47},
    {"SetItemA1hy", &SetItemA1hy, 50},   {"SetItemA2hy", &SetItemA2hy, 51},
    {"SetItemA3hy", &SetItemA3hy, 52},   {"SetItemA4hy", &SetItemA4hy, 53},
    {"SetItemA1dy", &SetItemA1dy, 54},   {"SetItemA2dy", &SetItemA2dy, 55},
    {"SetItemA3dy", &SetItemA3dy, 56},   {"SetItemA4dy", &SetItemA4dy, 57},
    {"SetItemLpt", &SetItemLpt, 58},     {"SetItemLph", &SetItemLph, 59},
    {"SetItemCyc", &SetItemCyc, 60},     {"SetItemHys", &SetItemHys, 61},
    {"SetItemCycb", &SetItemCycb, 62},   {"SetItemHysb", &SetItemHysb, 63},
    {"SetItemDb", &SetItemDb, 64},       {"SetItemPdb", &SetItemPdb, 66},
    {"SetItemOtim", &SetItemOtim, 67},   {"SetItemCtim", &SetItemCtim, 68},
    {"SetItemStlh", &SetItemStlh, 69},   {"SetItemStll", &SetItemStll, 70},
    {"SetItemHosei", &SetItemHosei, 72}, {"SetItemFilt", &SetItemFilt, 73},
    {"SetItemSh", &SetItemSh, 74},       {"SetItemSl", &SetItemSl, 75},
    {"SetItemTrsh", &SetItemTrsh, 77},   {"SetItemTrsl", &SetItemTrsl, 78},
    {"SetItemStsv", &SetItemStsv, 80},   {"SetItemPetm", &SetItemPetm, 86},
};

TEST(SelectorsTable, EveryRoutineSelectsItsSetting) {
  for (const IndexedSelector& s : kIndexed) {
    SCOPED_TRACE(s.name);
    auto st = MakeDevice(kQD430, 0);
    s.fn(*st, 2);
    EXPECT_EQ(st->EditItem, s.setting);
    EXPECT_EQ(st->EditIdx, 2);
    const SelectorRow* row = FindSelector(s.name);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->setting, s.setting);
    EXPECT_NE(row->index, IndexKind::kNone);
  }
  for (const SingleSelector& s : kSingle) {
    SCOPED_TRACE(s.name);
    auto st = MakeDevice(kQD430, 0);
    st->EditIdx = 6;
    s.fn(*st);
    EXPECT_EQ(st->EditItem, s.setting);
    EXPECT_EQ(st->EditIdx, 6);
    const SelectorRow* row = FindSelector(s.name);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->setting, s.setting);
    EXPECT_EQ(row->index, IndexKind::kNone);
  }
}

TEST(SelectorsTable, LabelsAndSections) {
  ASSERT_EQ(SelectorTable().size(), 78u);
  std::set<std::string_view> labels;
  std::map<SectionFiller, int> per_filler;
  for (const SelectorRow& row : SelectorTable()) {
    SCOPED_TRACE(std::string(row.selector));
    // The selector is named after its label, with SetItem in place of lbl.
    EXPECT_EQ("SetItem" + std::string(row.label.substr(3)), row.selector);
    EXPECT_EQ(row.label.substr(0, 3), "lbl");
    EXPECT_TRUE(labels.insert(row.label).second);
    EXPECT_EQ(FindSelectorByLabel(row.label), &row);
    ++per_filler[row.filler];
  }
  EXPECT_EQ(per_filler[SectionFiller::kPattern], 16);
  EXPECT_EQ(per_filler[SectionFiller::kBlocks], 19);
  EXPECT_EQ(per_filler[SectionFiller::kFixedValue], 15);
  EXPECT_EQ(per_filler[SectionFiller::kOther], 28);
  EXPECT_EQ(FindSelectorByLabel("cmbDp"), nullptr);
  EXPECT_EQ(FindSelector("SetItemNone"), nullptr);
}

TEST(SelectorsTable, CombosAndCommandsHaveNoSelector) {
  std::set<int> selected;
  for (const SelectorRow& row : SelectorTable()) selected.insert(row.setting);
  for (int n : {32, 48, 49, 65, 71, 76, 79, 81, 82, 83, 84,  85,  87,  88,  89,
                90, 91, 92, 93, 94, 95, 96, 97, 98, 99, 100, 101, 102, 103, 104}) {
    EXPECT_EQ(selected.count(n), 0u) << n;
  }
  // Every other setting 0 to 103 has one: 78 selectors, three of them second time parts.
  EXPECT_EQ(selected.size(), 75u);
  EXPECT_EQ(*selected.rbegin(), 86);
}

TEST(SelectorsTable, IndexKindAndTimeParts) {
  const std::map<std::string_view, int16_t> time_parts{{"lblTsoffH", 0}, {"lblTsoffM", 1},
                                                       {"lblTsonH", 0},  {"lblTsonM", 1},
                                                       {"lblTmH", 0},    {"lblTmM", 1}};
  for (const SelectorRow& row : SelectorTable()) {
    SCOPED_TRACE(std::string(row.label));
    const auto part = time_parts.find(row.label);
    EXPECT_EQ(row.edit_sub, part == time_parts.end() ? kNoEditSub : part->second);
    const IndexKind expected = row.setting <= 16   ? IndexKind::kBlock
                               : row.setting <= 30 ? IndexKind::kStep
                                                   : IndexKind::kNone;
    EXPECT_EQ(row.index, expected);
  }
}

TEST(SelectorsSteps, TimePartsSetEditSubOthersLeaveIt) {
  auto st = MakeDevice(kQD430, 0);
  st->EditSub = 1;
  SetItemTmH(*st, 4);
  EXPECT_EQ(st->EditSub, 0);
  SetItemP(*st, 4);
  EXPECT_EQ(st->EditSub, 0);
  SetItemTsoffM(*st, 12);
  EXPECT_EQ(st->EditSub, 1);
  SetItemHys(*st);
  EXPECT_EQ(st->EditSub, 1);
}

TEST(SelectorsSteps, DecimalsAndLimitsOfTheNewItem) {
  auto st = MakeDevice(kQD410, 6);  // Pt100, one decimal
  st->DevRec[st->SetCh].Al1Type = 1;
  SetItemA1(*st, 2);
  EXPECT_EQ(st->EditDp, 1);
  EXPECT_EQ(st->EditLo, -1999);
  EXPECT_EQ(st->EditHi, 9999);

  // The limits read the block that the selector has just stored.
  st->BlkData[11][st->SetCh][3] = 20;
  SetItemOlh(*st, 3);
  EXPECT_EQ(st->EditDp, 0);
  EXPECT_EQ(st->EditLo, 20);
  EXPECT_EQ(st->EditHi, 105);
}

TEST(SelectorsExamples, StepTimeMinutes) {
  for (auto [ctrl, lowest] : {std::pair<int16_t, int>{kQD430, 0}, {kQDM1, -1}}) {
    SCOPED_TRACE(ctrl);
    auto st = MakeDevice(ctrl, 0);
    st->EditDp = 3;
    SetItemTmM(*st, 3);
    EXPECT_EQ(st->EditItem, 18);
    EXPECT_EQ(st->EditIdx, 3);
    EXPECT_EQ(st->EditSub, 1);
    EXPECT_EQ(st->EditDp, 0);
    EXPECT_EQ(st->EditLo, lowest);
    EXPECT_EQ(st->EditHi, 59);
  }
}

TEST(SelectorsExamples, TimeSignalOnHoursOfBlock15) {
  auto st = MakeDevice(kQD430, 0);
  st->EditSub = 1;
  SetItemTsonH(*st, 15);
  EXPECT_EQ(st->EditItem, 15);
  EXPECT_EQ(st->EditIdx, 15);
  EXPECT_EQ(st->EditSub, 0);
  EXPECT_EQ(st->EditLo, 0);
  EXPECT_EQ(st->EditHi, 99);
}

TEST(SelectorsExamples, FixedSvKeepsTheBlockOfTheLastBlockLabel) {
  auto st = MakeDevice(kQD430, 0);
  SetItemA1(*st, 7);
  SetItemFSv(*st);
  EXPECT_EQ(st->EditItem, 33);
  EXPECT_EQ(st->EditIdx, 7);
}

TEST(SelectorsExamples, StepSvFollowsTheSvLimitsOfTheController) {
  auto st = MakeDevice(kQD430, 12);  // DC
  st->SetPtn = 4;
  Prm(*st, kDecimalPoint) = 2;
  Prm(*st, kSvLow) = -100;
  Prm(*st, kSvHigh) = 500;
  SetItemSV(*st, 0);
  EXPECT_EQ(st->EditItem, 17);
  EXPECT_EQ(st->EditIdx, 0);
  EXPECT_EQ(st->SetPtn, 4);
  EXPECT_EQ(st->EditDp, 2);
  EXPECT_EQ(st->EditLo, -100);
  EXPECT_EQ(st->EditHi, 500);
}

TEST(SelectorsExamples, RunSelectorByLabelMatchesTheRoutine) {
  auto by_routine = MakeDevice(kQDM1, 18);
  auto by_label = MakeDevice(kQDM1, 18);
  Prm(*by_routine, kSvLow) = Prm(*by_label, kSvLow) = 25;
  SetItemSh(*by_routine);
  const SelectorRow* row = FindSelectorByLabel("lblSh");
  ASSERT_NE(row, nullptr);
  RunSelector(*by_label, *row, 0);
  EXPECT_EQ(by_label->EditItem, 74);
  EXPECT_EQ(by_label->EditDp, by_routine->EditDp);
  EXPECT_EQ(by_label->EditLo, 25);
  EXPECT_EQ(by_label->EditHi, 7520);
  EXPECT_EQ(by_routine->EditHi, 7520);
}

}  // namespace
}  // namespace qd470
