// The table of the edit-item selectors and the selectors themselves.
#include "settings/edit_selectors.h"

#include <array>

#include "settings/decimal_point.h"
#include "settings/edit_limits.h"

namespace qd470 {
namespace {

constexpr std::array<SelectorRow, 78> kSelectors{{
    {"SetItemP", "lblP", 0, IndexKind::kBlock, kNoEditSub, SectionFiller::kBlocks},
    {"SetItemI", "lblI", 1, IndexKind::kBlock, kNoEditSub, SectionFiller::kBlocks},
    {"SetItemD", "lblD", 2, IndexKind::kBlock, kNoEditSub, SectionFiller::kBlocks},
    {"SetItemArw", "lblArw", 3, IndexKind::kBlock, kNoEditSub, SectionFiller::kBlocks},
    {"SetItemPB", "lblPB", 4, IndexKind::kBlock, kNoEditSub, SectionFiller::kBlocks},
    {"SetItemA1", "lblA1", 5, IndexKind::kBlock, kNoEditSub, SectionFiller::kBlocks},
    {"SetItemA2", "lblA2", 6, IndexKind::kBlock, kNoEditSub, SectionFiller::kBlocks},
    {"SetItemA3", "lblA3", 7, IndexKind::kBlock, kNoEditSub, SectionFiller::kBlocks},
    {"SetItemA4", "lblA4", 8, IndexKind::kBlock, kNoEditSub, SectionFiller::kBlocks},
    {"SetItemOlh", "lblOlh", 9, IndexKind::kBlock, kNoEditSub, SectionFiller::kBlocks},
    {"SetItemOll", "lblOll", 10, IndexKind::kBlock, kNoEditSub, SectionFiller::kBlocks},
    {"SetItemOlhb", "lblOlhb", 11, IndexKind::kBlock, kNoEditSub, SectionFiller::kBlocks},
    {"SetItemOllb", "lblOllb", 12, IndexKind::kBlock, kNoEditSub, SectionFiller::kBlocks},
    {"SetItemOrat", "lblOrat", 13, IndexKind::kBlock, kNoEditSub, SectionFiller::kBlocks},
    {"SetItemTsoffH", "lblTsoffH", 14, IndexKind::kBlock, 0, SectionFiller::kBlocks},
    {"SetItemTsoffM", "lblTsoffM", 14, IndexKind::kBlock, 1, SectionFiller::kBlocks},
    {"SetItemTsonH", "lblTsonH", 15, IndexKind::kBlock, 0, SectionFiller::kBlocks},
    {"SetItemTsonM", "lblTsonM", 15, IndexKind::kBlock, 1, SectionFiller::kBlocks},
    {"SetItemWait", "lblWait", 16, IndexKind::kBlock, kNoEditSub, SectionFiller::kBlocks},
    {"SetItemSV", "lblSV", 17, IndexKind::kStep, kNoEditSub, SectionFiller::kPattern},
    {"SetItemTmH", "lblTmH", 18, IndexKind::kStep, 0, SectionFiller::kPattern},
    {"SetItemTmM", "lblTmM", 18, IndexKind::kStep, 1, SectionFiller::kPattern},
    {"SetItemPbk", "lblPbk", 19, IndexKind::kStep, kNoEditSub, SectionFiller::kPattern},
    {"SetItemTs1", "lblTs1", 20, IndexKind::kStep, kNoEditSub, SectionFiller::kPattern},
    {"SetItemTs2", "lblTs2", 21, IndexKind::kStep, kNoEditSub, SectionFiller::kPattern},
    {"SetItemTs3", "lblTs3", 22, IndexKind::kStep, kNoEditSub, SectionFiller::kPattern},
    {"SetItemTs4", "lblTs4", 23, IndexKind::kStep, kNoEditSub, SectionFiller::kPattern},
    {"SetItemTs5", "lblTs5", 24, IndexKind::kStep, kNoEditSub, SectionFiller::kPattern},
    {"SetItemTs6", "lblTs6", 25, IndexKind::kStep, kNoEditSub, SectionFiller::kPattern},
    {"SetItemTs7", "lblTs7", 26, IndexKind::kStep, kNoEditSub, SectionFiller::kPattern},
    {"SetItemTs8", "lblTs8", 27, IndexKind::kStep, kNoEditSub, SectionFiller::kPattern},
    {"SetItemWbk", "lblWbk", 28, IndexKind::kStep, kNoEditSub, SectionFiller::kPattern},
    {"SetItemAbk", "lblAbk", 29, IndexKind::kStep, kNoEditSub, SectionFiller::kPattern},
    {"SetItemObk", "lblObk", 30, IndexKind::kStep, kNoEditSub, SectionFiller::kPattern},
    {"SetItemRep", "lblRep", 31, IndexKind::kNone, kNoEditSub, SectionFiller::kPattern},
    {"SetItemFSv", "lblFSv", 33, IndexKind::kNone, kNoEditSub, SectionFiller::kFixedValue},
    {"SetItemFP", "lblFP", 34, IndexKind::kNone, kNoEditSub, SectionFiller::kFixedValue},
    {"SetItemFI", "lblFI", 35, IndexKind::kNone, kNoEditSub, SectionFiller::kFixedValue},
    {"SetItemFD", "lblFD", 36, IndexKind::kNone, kNoEditSub, SectionFiller::kFixedValue},
    {"SetItemFArw", "lblFArw", 37, IndexKind::kNone, kNoEditSub, SectionFiller::kFixedValue},
    {"SetItemFPb", "lblFPb", 38, IndexKind::kNone, kNoEditSub, SectionFiller::kFixedValue},
    {"SetItemFalm1", "lblFalm1", 39, IndexKind::kNone, kNoEditSub, SectionFiller::kFixedValue},
    {"SetItemFalm2", "lblFalm2", 40, IndexKind::kNone, kNoEditSub, SectionFiller::kFixedValue},
    {"SetItemFalm3", "lblFalm3", 41, IndexKind::kNone, kNoEditSub, SectionFiller::kFixedValue},
    {"SetItemFalm4", "lblFalm4", 42, IndexKind::kNone, kNoEditSub, SectionFiller::kFixedValue},
    {"SetItemFOlh", "lblFOlh", 43, IndexKind::kNone, kNoEditSub, SectionFiller::kFixedValue},
    {"SetItemFOll", "lblFOll", 44, IndexKind::kNone, kNoEditSub, SectionFiller::kFixedValue},
    {"SetItemFOlhb", "lblFOlhb", 45, IndexKind::kNone, kNoEditSub, SectionFiller::kFixedValue},
    {"SetItemFOllb", "lblFOllb", 46, IndexKind::kNone, kNoEditSub, SectionFiller::kFixedValue},
    {"SetItemFOrat", "lblFOrat", 47, IndexKind::kNone, kNoEditSub, SectionFiller::kFixedValue},
    {"SetItemA1hy", "lblA1hy", 50, IndexKind::kNone, kNoEditSub, SectionFiller::kOther},
    {"SetItemA2hy", "lblA2hy", 51, IndexKind::kNone, kNoEditSub, SectionFiller::kOther},
    {"SetItemA3hy", "lblA3hy", 52, IndexKind::kNone, kNoEditSub, SectionFiller::kOther},
    {"SetItemA4hy", "lblA4hy", 53, IndexKind::kNone, kNoEditSub, SectionFiller::kOther},
    {"SetItemA1dy", "lblA1dy", 54, IndexKind::kNone, kNoEditSub, SectionFiller::kOther},
    {"SetItemA2dy", "lblA2dy", 55, IndexKind::kNone, kNoEditSub, SectionFiller::kOther},
    {"SetItemA3dy", "lblA3dy", 56, IndexKind::kNone, kNoEditSub, SectionFiller::kOther},
    {"SetItemA4dy", "lblA4dy", 57, IndexKind::kNone, kNoEditSub, SectionFiller::kOther},
    {"SetItemLpt", "lblLpt", 58, IndexKind::kNone, kNoEditSub, SectionFiller::kOther},
    {"SetItemLph", "lblLph", 59, IndexKind::kNone, kNoEditSub, SectionFiller::kOther},
    {"SetItemCyc", "lblCyc", 60, IndexKind::kNone, kNoEditSub, SectionFiller::kOther},
    {"SetItemHys", "lblHys", 61, IndexKind::kNone, kNoEditSub, SectionFiller::kOther},
    {"SetItemCycb", "lblCycb", 62, IndexKind::kNone, kNoEditSub, SectionFiller::kOther},
    {"SetItemHysb", "lblHysb", 63, IndexKind::kNone, kNoEditSub, SectionFiller::kOther},
    {"SetItemDb", "lblDb", 64, IndexKind::kNone, kNoEditSub, SectionFiller::kOther},
    {"SetItemPdb", "lblPdb", 66, IndexKind::kNone, kNoEditSub, SectionFiller::kOther},
    {"SetItemOtim", "lblOtim", 67, IndexKind::kNone, kNoEditSub, SectionFiller::kOther},
    {"SetItemCtim", "lblCtim", 68, IndexKind::kNone, kNoEditSub, SectionFiller::kOther},
    {"SetItemStlh", "lblStlh", 69, IndexKind::kNone, kNoEditSub, SectionFiller::kOther},
    {"SetItemStll", "lblStll", 70, IndexKind::kNone, kNoEditSub, SectionFiller::kOther},
    {"SetItemHosei", "lblHosei", 72, IndexKind::kNone, kNoEditSub, SectionFiller::kOther},
    {"SetItemFilt", "lblFilt", 73, IndexKind::kNone, kNoEditSub, SectionFiller::kOther},
    {"SetItemSh", "lblSh", 74, IndexKind::kNone, kNoEditSub, SectionFiller::kOther},
    {"SetItemSl", "lblSl", 75, IndexKind::kNone, kNoEditSub, SectionFiller::kOther},
    {"SetItemTrsh", "lblTrsh", 77, IndexKind::kNone, kNoEditSub, SectionFiller::kOther},
    {"SetItemTrsl", "lblTrsl", 78, IndexKind::kNone, kNoEditSub, SectionFiller::kOther},
    {"SetItemStsv", "lblStsv", 80, IndexKind::kNone, kNoEditSub, SectionFiller::kOther},
    {"SetItemPetm", "lblPetm", 86, IndexKind::kNone, kNoEditSub, SectionFiller::kOther},
}};

// Position of a selector in the table, found while compiling: a misspelt name does not build.
consteval size_t RowOf(std::string_view selector) {
  for (size_t i = 0; i < kSelectors.size(); ++i) {
    if (kSelectors[i].selector == selector) return i;
  }
  throw "no such selector";
}

template <size_t kRow>
const SelectorRow& Row() {
  return kSelectors[kRow];
}

}  // namespace

std::span<const SelectorRow> SelectorTable() { return kSelectors; }

const SelectorRow* FindSelectorByLabel(std::string_view label) {
  for (const SelectorRow& row : kSelectors) {
    if (row.label == label) return &row;
  }
  return nullptr;
}

const SelectorRow* FindSelector(std::string_view selector) {
  for (const SelectorRow& row : kSelectors) {
    if (row.selector == selector) return &row;
  }
  return nullptr;
}

void RunSelector(ProgramState& st, const SelectorRow& row, int16_t index) {
  st.EditItem = row.setting;
  if (row.index != IndexKind::kNone) st.EditIdx = index;
  if (row.edit_sub != kNoEditSub) st.EditSub = row.edit_sub;
  setdecimalpoint(st);
  set_lim(st);
}

void SetItemP(ProgramState& st, int16_t Index) { RunSelector(st, Row<RowOf("SetItemP")>(), Index); }
void SetItemI(ProgramState& st, int16_t Index) { RunSelector(st, Row<RowOf("SetItemI")>(), Index); }
void SetItemD(ProgramState& st, int16_t Index) { RunSelector(st, Row<RowOf("SetItemD")>(), Index); }
void SetItemArw(ProgramState& st, int16_t Index) {
  RunSelector(st, Row<RowOf("SetItemArw")>(), Index);
}
void SetItemPB(ProgramState& st, int16_t Index) {
  RunSelector(st, Row<RowOf("SetItemPB")>(), Index);
}
void SetItemA1(ProgramState& st, int16_t Index) {
  RunSelector(st, Row<RowOf("SetItemA1")>(), Index);
}
void SetItemA2(ProgramState& st, int16_t Index) {
  RunSelector(st, Row<RowOf("SetItemA2")>(), Index);
}
void SetItemA3(ProgramState& st, int16_t Index) {
  RunSelector(st, Row<RowOf("SetItemA3")>(), Index);
}
void SetItemA4(ProgramState& st, int16_t Index) {
  RunSelector(st, Row<RowOf("SetItemA4")>(), Index);
}
void SetItemOlh(ProgramState& st, int16_t Index) {
  RunSelector(st, Row<RowOf("SetItemOlh")>(), Index);
}
void SetItemOll(ProgramState& st, int16_t Index) {
  RunSelector(st, Row<RowOf("SetItemOll")>(), Index);
}
void SetItemOlhb(ProgramState& st, int16_t Index) {
  RunSelector(st, Row<RowOf("SetItemOlhb")>(), Index);
}
void SetItemOllb(ProgramState& st, int16_t Index) {
  RunSelector(st, Row<RowOf("SetItemOllb")>(), Index);
}
void SetItemOrat(ProgramState& st, int16_t Index) {
  RunSelector(st, Row<RowOf("SetItemOrat")>(), Index);
}
void SetItemTsoffH(ProgramState& st, int16_t Index) {
  RunSelector(st, Row<RowOf("SetItemTsoffH")>(), Index);
}
void SetItemTsoffM(ProgramState& st, int16_t Index) {
  RunSelector(st, Row<RowOf("SetItemTsoffM")>(), Index);
}
void SetItemTsonH(ProgramState& st, int16_t Index) {
  RunSelector(st, Row<RowOf("SetItemTsonH")>(), Index);
}
void SetItemTsonM(ProgramState& st, int16_t Index) {
  RunSelector(st, Row<RowOf("SetItemTsonM")>(), Index);
}
void SetItemWait(ProgramState& st, int16_t Index) {
  RunSelector(st, Row<RowOf("SetItemWait")>(), Index);
}
void SetItemSV(ProgramState& st, int16_t Index) {
  RunSelector(st, Row<RowOf("SetItemSV")>(), Index);
}
void SetItemTmH(ProgramState& st, int16_t Index) {
  RunSelector(st, Row<RowOf("SetItemTmH")>(), Index);
}
void SetItemTmM(ProgramState& st, int16_t Index) {
  RunSelector(st, Row<RowOf("SetItemTmM")>(), Index);
}
void SetItemPbk(ProgramState& st, int16_t Index) {
  RunSelector(st, Row<RowOf("SetItemPbk")>(), Index);
}
void SetItemTs1(ProgramState& st, int16_t Index) {
  RunSelector(st, Row<RowOf("SetItemTs1")>(), Index);
}
void SetItemTs2(ProgramState& st, int16_t Index) {
  RunSelector(st, Row<RowOf("SetItemTs2")>(), Index);
}
void SetItemTs3(ProgramState& st, int16_t Index) {
  RunSelector(st, Row<RowOf("SetItemTs3")>(), Index);
}
void SetItemTs4(ProgramState& st, int16_t Index) {
  RunSelector(st, Row<RowOf("SetItemTs4")>(), Index);
}
void SetItemTs5(ProgramState& st, int16_t Index) {
  RunSelector(st, Row<RowOf("SetItemTs5")>(), Index);
}
void SetItemTs6(ProgramState& st, int16_t Index) {
  RunSelector(st, Row<RowOf("SetItemTs6")>(), Index);
}
void SetItemTs7(ProgramState& st, int16_t Index) {
  RunSelector(st, Row<RowOf("SetItemTs7")>(), Index);
}
void SetItemTs8(ProgramState& st, int16_t Index) {
  RunSelector(st, Row<RowOf("SetItemTs8")>(), Index);
}
void SetItemWbk(ProgramState& st, int16_t Index) {
  RunSelector(st, Row<RowOf("SetItemWbk")>(), Index);
}
void SetItemAbk(ProgramState& st, int16_t Index) {
  RunSelector(st, Row<RowOf("SetItemAbk")>(), Index);
}
void SetItemObk(ProgramState& st, int16_t Index) {
  RunSelector(st, Row<RowOf("SetItemObk")>(), Index);
}
void SetItemRep(ProgramState& st) { RunSelector(st, Row<RowOf("SetItemRep")>(), 0); }
void SetItemFSv(ProgramState& st) { RunSelector(st, Row<RowOf("SetItemFSv")>(), 0); }
void SetItemFP(ProgramState& st) { RunSelector(st, Row<RowOf("SetItemFP")>(), 0); }
void SetItemFI(ProgramState& st) { RunSelector(st, Row<RowOf("SetItemFI")>(), 0); }
void SetItemFD(ProgramState& st) { RunSelector(st, Row<RowOf("SetItemFD")>(), 0); }
void SetItemFArw(ProgramState& st) { RunSelector(st, Row<RowOf("SetItemFArw")>(), 0); }
void SetItemFPb(ProgramState& st) { RunSelector(st, Row<RowOf("SetItemFPb")>(), 0); }
void SetItemFalm1(ProgramState& st) { RunSelector(st, Row<RowOf("SetItemFalm1")>(), 0); }
void SetItemFalm2(ProgramState& st) { RunSelector(st, Row<RowOf("SetItemFalm2")>(), 0); }
void SetItemFalm3(ProgramState& st) { RunSelector(st, Row<RowOf("SetItemFalm3")>(), 0); }
void SetItemFalm4(ProgramState& st) { RunSelector(st, Row<RowOf("SetItemFalm4")>(), 0); }
void SetItemFOlh(ProgramState& st) { RunSelector(st, Row<RowOf("SetItemFOlh")>(), 0); }
void SetItemFOll(ProgramState& st) { RunSelector(st, Row<RowOf("SetItemFOll")>(), 0); }
void SetItemFOlhb(ProgramState& st) { RunSelector(st, Row<RowOf("SetItemFOlhb")>(), 0); }
void SetItemFOllb(ProgramState& st) { RunSelector(st, Row<RowOf("SetItemFOllb")>(), 0); }
void SetItemFOrat(ProgramState& st) { RunSelector(st, Row<RowOf("SetItemFOrat")>(), 0); }
void SetItemA1hy(ProgramState& st) { RunSelector(st, Row<RowOf("SetItemA1hy")>(), 0); }
void SetItemA2hy(ProgramState& st) { RunSelector(st, Row<RowOf("SetItemA2hy")>(), 0); }
void SetItemA3hy(ProgramState& st) { RunSelector(st, Row<RowOf("SetItemA3hy")>(), 0); }
void SetItemA4hy(ProgramState& st) { RunSelector(st, Row<RowOf("SetItemA4hy")>(), 0); }
void SetItemA1dy(ProgramState& st) { RunSelector(st, Row<RowOf("SetItemA1dy")>(), 0); }
void SetItemA2dy(ProgramState& st) { RunSelector(st, Row<RowOf("SetItemA2dy")>(), 0); }
void SetItemA3dy(ProgramState& st) { RunSelector(st, Row<RowOf("SetItemA3dy")>(), 0); }
void SetItemA4dy(ProgramState& st) { RunSelector(st, Row<RowOf("SetItemA4dy")>(), 0); }
void SetItemLpt(ProgramState& st) { RunSelector(st, Row<RowOf("SetItemLpt")>(), 0); }
void SetItemLph(ProgramState& st) { RunSelector(st, Row<RowOf("SetItemLph")>(), 0); }
void SetItemCyc(ProgramState& st) { RunSelector(st, Row<RowOf("SetItemCyc")>(), 0); }
void SetItemHys(ProgramState& st) { RunSelector(st, Row<RowOf("SetItemHys")>(), 0); }
void SetItemCycb(ProgramState& st) { RunSelector(st, Row<RowOf("SetItemCycb")>(), 0); }
void SetItemHysb(ProgramState& st) { RunSelector(st, Row<RowOf("SetItemHysb")>(), 0); }
void SetItemDb(ProgramState& st) { RunSelector(st, Row<RowOf("SetItemDb")>(), 0); }
void SetItemPdb(ProgramState& st) { RunSelector(st, Row<RowOf("SetItemPdb")>(), 0); }
void SetItemOtim(ProgramState& st) { RunSelector(st, Row<RowOf("SetItemOtim")>(), 0); }
void SetItemCtim(ProgramState& st) { RunSelector(st, Row<RowOf("SetItemCtim")>(), 0); }
void SetItemStlh(ProgramState& st) { RunSelector(st, Row<RowOf("SetItemStlh")>(), 0); }
void SetItemStll(ProgramState& st) { RunSelector(st, Row<RowOf("SetItemStll")>(), 0); }
void SetItemHosei(ProgramState& st) { RunSelector(st, Row<RowOf("SetItemHosei")>(), 0); }
void SetItemFilt(ProgramState& st) { RunSelector(st, Row<RowOf("SetItemFilt")>(), 0); }
void SetItemSh(ProgramState& st) { RunSelector(st, Row<RowOf("SetItemSh")>(), 0); }
void SetItemSl(ProgramState& st) { RunSelector(st, Row<RowOf("SetItemSl")>(), 0); }
void SetItemTrsh(ProgramState& st) { RunSelector(st, Row<RowOf("SetItemTrsh")>(), 0); }
void SetItemTrsl(ProgramState& st) { RunSelector(st, Row<RowOf("SetItemTrsl")>(), 0); }
void SetItemStsv(ProgramState& st) { RunSelector(st, Row<RowOf("SetItemStsv")>(), 0); }
void SetItemPetm(ProgramState& st) { RunSelector(st, Row<RowOf("SetItemPetm")>(), 0); }

}  // namespace qd470
