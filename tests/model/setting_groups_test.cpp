// Tests of the setting groups: order, counts and the storage behind each place.
#include "model/setting_groups.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>
#include <vector>

namespace qd470 {
namespace {

std::vector<uint16_t> Items(std::span<const GroupPlace> places, bool values_only = false) {
  std::vector<uint16_t> items;
  for (const GroupPlace& place : places) {
    if (!values_only || place.ref.HasValue()) items.push_back(place.data_item);
  }
  return items;
}

TEST(SettingGroupsOrder, CountsAndGroupSequence) {
  EXPECT_EQ(AllGroupPlaces().size(), 1933u);
  EXPECT_EQ(GroupPlaces(SettingGroup::PTN).size(), 1600u);
  EXPECT_EQ(GroupPlaces(SettingGroup::BLK).size(), 272u);
  EXPECT_EQ(Items(GroupPlaces(SettingGroup::BLK), true).size(), 182u);
  EXPECT_EQ(GroupPlaces(SettingGroup::OTR).size(), 46u);
  EXPECT_EQ(GroupPlaces(SettingGroup::FIX).size(), 15u);
  // The groups follow each other in transfer order, and each subspan carries its own tag.
  SettingGroup expected = SettingGroup::PTN;
  for (const GroupPlace& place : AllGroupPlaces()) {
    EXPECT_GE(place.group, expected);
    expected = place.group;
  }
  for (SettingGroup g :
       {SettingGroup::PTN, SettingGroup::BLK, SettingGroup::OTR, SettingGroup::FIX}) {
    for (const GroupPlace& place : GroupPlaces(g)) ASSERT_EQ(place.group, g);
  }
}

TEST(SettingGroupsOrder, PtnRunsStepItemsThenRepeatAndLink) {
  const std::vector<uint16_t> ptn = Items(GroupPlaces(SettingGroup::PTN));
  EXPECT_EQ(ptn[0], 0x1000);
  EXPECT_EQ(ptn[13], 0x100D);
  EXPECT_EQ(ptn[14], 0x7000);
  EXPECT_EQ(ptn[15], 0x7001);
  EXPECT_EQ(ptn[16], 0x1010);   // pattern 0, step 1
  EXPECT_EQ(ptn[30], 0x7000);   // the repeat count again behind step 1
  EXPECT_EQ(ptn[160], 0x1100);  // pattern 1, step 0
  EXPECT_EQ(ptn[1597], 0x199D);
  EXPECT_EQ(ptn[1598], 0x7900);
  EXPECT_EQ(ptn[1599], 0x7901);
  for (const GroupPlace& place : GroupPlaces(SettingGroup::PTN)) ASSERT_TRUE(place.ref.HasValue());
}

TEST(SettingGroupsOrder, BlkRunsBlocksInItemOrder) {
  const auto blk = GroupPlaces(SettingGroup::BLK);
  const std::vector<uint16_t> block0 = Items(blk.subspan(0, 17));
  EXPECT_EQ(block0, (std::vector<uint16_t>{0x2000, 0x2001, 0x2002, 0x2003, 0x2004, 0x3000, 0x4000,
                                           0x4001, 0x4002, 0x4003, 0x5000, 0x5001, 0x5002, 0x5003,
                                           0x5004, 0x6000, 0x6001}));
  EXPECT_EQ(Items(blk.subspan(9 * 17, 17), true).size(), 17u);  // block 9 is complete
  EXPECT_EQ(Items(blk.subspan(12 * 17, 17), true), (std::vector<uint16_t>{0x6C00, 0x6C01}));
  EXPECT_EQ(blk.back().data_item, 0x6F01);
  EXPECT_TRUE(blk.back().ref.HasValue());
  EXPECT_FALSE(blk[10 * 17].ref.HasValue());  // block 10, PID item
}

TEST(SettingGroupsOrder, OtrAndFixCodes) {
  const std::vector<uint16_t> otr = Items(GroupPlaces(SettingGroup::OTR));
  EXPECT_EQ(otr, (std::vector<uint16_t>{0x0F, 0x10, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17, 0x18,
                                        0x19, 0x1A, 0x1B, 0x1E, 0x20, 0x21, 0x24, 0x25, 0x27, 0x28,
                                        0x2C, 0x2D, 0x2E, 0x2F, 0x30, 0x29, 0x2A, 0x2B, 0x0D, 0x31,
                                        0x32, 0x33, 0x34, 0x35, 0x36, 0x37, 0x38, 0x39, 0x3A, 0x3B,
                                        0x3C, 0x3D, 0x3E, 0x26, 0x46, 0x47}));
  EXPECT_EQ(otr.front(), 0x000F);
  EXPECT_EQ(otr.back(), 0x0047);
  EXPECT_EQ(Items(GroupPlaces(SettingGroup::FIX)),
            (std::vector<uint16_t>{0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A, 0x1C,
                                   0x1D, 0x22, 0x23, 0x1F}));
}

// Each value place stands for a distinct stored value whose setting maps to the same wire item,
// so a transfer, a copy and a file all agree with the one-item write.
TEST(SettingGroupsStorage, PlacesAgreeWithTheCatalogue) {
  std::set<std::tuple<SettingTable, int, int, int>> seen;
  int value_places = 0;
  for (const GroupPlace& place : AllGroupPlaces()) {
    if (!place.ref.HasValue()) continue;
    ++value_places;
    const StorageRef& r = place.ref;
    seen.insert({r.table, r.item, r.pattern, r.index});
    const SettingDef* storer = nullptr;
    for (const SettingDef& def : SettingCatalogue()) {
      if (def.kind != SettingKind::kCommand && def.table == r.table && def.item == r.item) {
        storer = &def;
      }
    }
    ASSERT_NE(storer, nullptr) << place.data_item;
    EXPECT_EQ(WireItemMap(storer->number, r.pattern, r.index), place.data_item);
  }
  EXPECT_EQ(value_places, 1600 + 182 + 46 + 15);
  // The repeat count and link of a pattern occur behind each of its ten steps.
  EXPECT_EQ(seen.size(), 1400u + 20u + 182u + 46u + 15u);
}

TEST(SettingGroupsStorage, PlacesResolveToTheControllersTables) {
  ProgramState state;
  const auto fix = GroupPlaces(SettingGroup::FIX);
  *ResolveStorage(state, 4, fix[10].ref) = 77;  // 1C: fixed-value OUT1 high limit
  EXPECT_EQ(state.PrmData[0x1C][4], 77);
  const auto ptn = GroupPlaces(SettingGroup::PTN);
  *ResolveStorage(state, 2, ptn[160 + 16 * 3 + 14].ref) = 5;  // pattern 1 repeat count
  EXPECT_EQ(state.PtnCom[0][2][1], 5);
  *ResolveStorage(state, 2, ptn[160 + 16 * 3 + 1].ref) = 90;  // pattern 1 step 3 time
  EXPECT_EQ(state.PtnData[1][2][1][3], 90);
  const auto blk = GroupPlaces(SettingGroup::BLK);
  EXPECT_EQ(ResolveStorage(state, 0, blk[12 * 17].ref), nullptr);
  *ResolveStorage(state, 31, blk[12 * 17 + 16].ref) = 600;
  EXPECT_EQ(state.BlkData[16][31][12], 600);
}

}  // namespace
}  // namespace qd470
