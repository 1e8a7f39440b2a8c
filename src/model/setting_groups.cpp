// The setting groups, built once from the catalogue's storage and data items.
#include "model/setting_groups.h"

#include <vector>

namespace qd470 {
namespace {

void AddPlace(std::vector<GroupPlace>& places, SettingGroup group, const StorageRef& ref) {
  places.push_back({group, DataItemOf(ref), ref});
}

// PTN: for pattern, step: the 14 step items, then the pattern's repeat count and link.
void AddPtn(std::vector<GroupPlace>& places) {
  for (uint8_t p = 0; p < kPatterns; ++p) {
    for (uint8_t s = 0; s < kSteps; ++s) {
      for (uint8_t k = 0; k < kPtnItems; ++k) {
        AddPlace(places, SettingGroup::PTN, {SettingTable::kPtnData, k, p, s});
      }
      for (uint8_t k = 0; k < kPtnComItems; ++k) {
        AddPlace(places, SettingGroup::PTN, {SettingTable::kPtnCom, k, p, 0});
      }
    }
  }
}

// BLK: for block 0 to 15, the 17 block items; blocks 10 to 15 hold only items 15 and 16.
void AddBlk(std::vector<GroupPlace>& places) {
  for (uint8_t b = 0; b < kTsBlocks; ++b) {
    for (uint8_t k = 0; k < kBlkItems; ++k) {
      const StorageRef ref{SettingTable::kBlkData, k, 0, b};
      if (b < BlockCount(k)) {
        AddPlace(places, SettingGroup::BLK, ref);
      } else {
        places.push_back({SettingGroup::BLK, DataItemOf(ref), StorageRef{}});
      }
    }
  }
}

template <size_t N>
void AddCodes(std::vector<GroupPlace>& places, SettingGroup group,
              const std::array<uint8_t, N>& codes) {
  for (uint8_t code : codes) AddPlace(places, group, {SettingTable::kPrmData, code, 0, 0});
}

std::vector<GroupPlace> BuildPlaces() {
  std::vector<GroupPlace> places;
  places.reserve(kAllPlaces);
  AddPtn(places);
  AddBlk(places);
  AddCodes(places, SettingGroup::OTR, kOtrCodes);
  AddCodes(places, SettingGroup::FIX, kFixCodes);
  return places;
}

}  // namespace

std::span<const GroupPlace> AllGroupPlaces() {
  static const std::vector<GroupPlace> places = BuildPlaces();
  return places;
}

std::span<const GroupPlace> GroupPlaces(SettingGroup group) {
  const std::span<const GroupPlace> all = AllGroupPlaces();
  switch (group) {
    case SettingGroup::PTN:
      return all.subspan(0, kPtnPlaces);
    case SettingGroup::BLK:
      return all.subspan(kPtnPlaces, kBlkPlaces);
    case SettingGroup::OTR:
      return all.subspan(kPtnPlaces + kBlkPlaces, kOtrPlaces);
    case SettingGroup::FIX:
      return all.subspan(kPtnPlaces + kBlkPlaces + kOtrPlaces, kFixPlaces);
  }
  return {};
}

}  // namespace qd470
