// The edit-item selectors: one per value label of the settings screen. Each makes its label's
// setting the current edit item and works out its decimal places and raw limits.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "model/program_state.h"

namespace qd470 {

// What the index of a label's control array stands for.
enum class IndexKind : uint8_t { kNone, kBlock, kStep };

// The section filler of the settings screen that formats a label through its selector:
// kPattern CRTextsetPTN, kBlocks CRTextsetBLK, kOther CRTextsetOTR, kFixedValue CRTextsetFIX.
enum class SectionFiller : uint8_t { kPattern, kBlocks, kOther, kFixedValue };

// EditSub of a label that is not a time part: the selector leaves EditSub as it is.
inline constexpr int16_t kNoEditSub = -1;

struct SelectorRow {
  std::string_view selector;  // routine name, SetItem...
  std::string_view label;     // the value label, lbl...
  int16_t setting;            // EditItem
  IndexKind index;            // kNone: EditIdx is left as it is
  int16_t edit_sub;           // 0 hours part, 1 minutes part, kNoEditSub
  SectionFiller filler;
};

// The 78 selectors, in the order of the settings screen's sections.
std::span<const SelectorRow> SelectorTable();

// The row of a label (for example "lblSV") or of a selector ("SetItemSV"); nullptr if none.
const SelectorRow* FindSelectorByLabel(std::string_view label);
const SelectorRow* FindSelector(std::string_view selector);

// Runs a selector: EditItem, then EditIdx = index for block and step labels, then EditSub for
// time parts, then setdecimalpoint and set_lim. index is ignored for single labels.
void RunSelector(ProgramState& st, const SelectorRow& row, int16_t index);

void SetItemP(ProgramState& st, int16_t Index);
void SetItemI(ProgramState& st, int16_t Index);
void SetItemD(ProgramState& st, int16_t Index);
void SetItemArw(ProgramState& st, int16_t Index);
void SetItemPB(ProgramState& st, int16_t Index);
void SetItemA1(ProgramState& st, int16_t Index);
void SetItemA2(ProgramState& st, int16_t Index);
void SetItemA3(ProgramState& st, int16_t Index);
void SetItemA4(ProgramState& st, int16_t Index);
void SetItemOlh(ProgramState& st, int16_t Index);
void SetItemOll(ProgramState& st, int16_t Index);
void SetItemOlhb(ProgramState& st, int16_t Index);
void SetItemOllb(ProgramState& st, int16_t Index);
void SetItemOrat(ProgramState& st, int16_t Index);
void SetItemTsoffH(ProgramState& st, int16_t Index);
void SetItemTsoffM(ProgramState& st, int16_t Index);
void SetItemTsonH(ProgramState& st, int16_t Index);
void SetItemTsonM(ProgramState& st, int16_t Index);
void SetItemWait(ProgramState& st, int16_t Index);
void SetItemSV(ProgramState& st, int16_t Index);
void SetItemTmH(ProgramState& st, int16_t Index);
void SetItemTmM(ProgramState& st, int16_t Index);
void SetItemPbk(ProgramState& st, int16_t Index);
void SetItemTs1(ProgramState& st, int16_t Index);
void SetItemTs2(ProgramState& st, int16_t Index);
void SetItemTs3(ProgramState& st, int16_t Index);
void SetItemTs4(ProgramState& st, int16_t Index);
void SetItemTs5(ProgramState& st, int16_t Index);
void SetItemTs6(ProgramState& st, int16_t Index);
void SetItemTs7(ProgramState& st, int16_t Index);
void SetItemTs8(ProgramState& st, int16_t Index);
void SetItemWbk(ProgramState& st, int16_t Index);
void SetItemAbk(ProgramState& st, int16_t Index);
void SetItemObk(ProgramState& st, int16_t Index);
void SetItemRep(ProgramState& st);
void SetItemFSv(ProgramState& st);
void SetItemFP(ProgramState& st);
void SetItemFI(ProgramState& st);
void SetItemFD(ProgramState& st);
void SetItemFArw(ProgramState& st);
void SetItemFPb(ProgramState& st);
void SetItemFalm1(ProgramState& st);
void SetItemFalm2(ProgramState& st);
void SetItemFalm3(ProgramState& st);
void SetItemFalm4(ProgramState& st);
void SetItemFOlh(ProgramState& st);
void SetItemFOll(ProgramState& st);
void SetItemFOlhb(ProgramState& st);
void SetItemFOllb(ProgramState& st);
void SetItemFOrat(ProgramState& st);
void SetItemA1hy(ProgramState& st);
void SetItemA2hy(ProgramState& st);
void SetItemA3hy(ProgramState& st);
void SetItemA4hy(ProgramState& st);
void SetItemA1dy(ProgramState& st);
void SetItemA2dy(ProgramState& st);
void SetItemA3dy(ProgramState& st);
void SetItemA4dy(ProgramState& st);
void SetItemLpt(ProgramState& st);
void SetItemLph(ProgramState& st);
void SetItemCyc(ProgramState& st);
void SetItemHys(ProgramState& st);
void SetItemCycb(ProgramState& st);
void SetItemHysb(ProgramState& st);
void SetItemDb(ProgramState& st);
void SetItemPdb(ProgramState& st);
void SetItemOtim(ProgramState& st);
void SetItemCtim(ProgramState& st);
void SetItemStlh(ProgramState& st);
void SetItemStll(ProgramState& st);
void SetItemHosei(ProgramState& st);
void SetItemFilt(ProgramState& st);
void SetItemSh(ProgramState& st);
void SetItemSl(ProgramState& st);
void SetItemTrsh(ProgramState& st);
void SetItemTrsl(ProgramState& st);
void SetItemStsv(ProgramState& st);
void SetItemPetm(ProgramState& st);

}  // namespace qd470
