// The four setting groups PTN, BLK, OTR and FIX of one controller: every stored setting in the
// fixed order of transfers, the in-memory copy and setting files.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "model/setting_catalogue.h"

namespace qd470 {

enum class SettingGroup : uint8_t { PTN, BLK, OTR, FIX };

inline constexpr int kPtnPlaces = 1600;
inline constexpr int kBlkPlaces = 272;
inline constexpr int kBlkValuePlaces = 182;  // blocks 10 to 15 carry only the time-signal items
inline constexpr int kOtrPlaces = 46;
inline constexpr int kFixPlaces = 15;
inline constexpr int kAllPlaces = kPtnPlaces + kBlkPlaces + kOtrPlaces + kFixPlaces;  // 1933
// The places that hold a value: one pass of all settings moves this many values.
inline constexpr int kValuePlaces = kPtnPlaces + kBlkValuePlaces + kOtrPlaces + kFixPlaces;  // 1843

// PrmData codes of the OTR and FIX groups, in group order.
inline constexpr std::array<uint8_t, kOtrPlaces> kOtrCodes{
    0x0F, 0x10, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17, 0x18, 0x19, 0x1A, 0x1B, 0x1E, 0x20, 0x21,
    0x24, 0x25, 0x27, 0x28, 0x2C, 0x2D, 0x2E, 0x2F, 0x30, 0x29, 0x2A, 0x2B, 0x0D, 0x31, 0x32, 0x33,
    0x34, 0x35, 0x36, 0x37, 0x38, 0x39, 0x3A, 0x3B, 0x3C, 0x3D, 0x3E, 0x26, 0x46, 0x47};
inline constexpr std::array<uint8_t, kFixPlaces> kFixCodes{
    0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A, 0x1C, 0x1D, 0x22, 0x23, 0x1F};

// One place of a group: its data item and the stored value it stands for. The BLK places of
// items 0 to 14 in blocks 10 to 15 hold no value (`ref.HasValue()` is false) but still count.
struct GroupPlace {
  SettingGroup group;
  uint16_t data_item;
  StorageRef ref;
};

// All 1933 places of one controller, PTN, BLK, OTR, FIX, in transfer order.
std::span<const GroupPlace> AllGroupPlaces();

// The places of one group, in transfer order.
std::span<const GroupPlace> GroupPlaces(SettingGroup group);

}  // namespace qd470
