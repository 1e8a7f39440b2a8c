// The setting-number catalogue: what each setting number 0 to 103 means, where its raw value is
// stored, which control shows it and which data item carries it on the wire.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "model/program_state.h"

namespace qd470 {

inline constexpr int kSettingNumbers = 104;  // setting numbers 0 to 103

enum class SettingKind : uint8_t {
  kUnassigned,  // no screen, command or pad uses the number (94)
  kValue,       // typed on the numeric pad
  kChoice,      // list index of a combo box
  kCommand,     // operator command of the main screen
};

// The table that holds a raw value.
enum class SettingTable : uint8_t { kNone, kPrmData, kPtnData, kPtnCom, kBlkData };

// One row of the catalogue. `item` is the PrmData code or the item k of PtnData, PtnCom or
// BlkData. `data_item` is the wire item of pattern 0, step 0 and block 0; steps add 10h,
// patterns and blocks 100h. `controls` lists the control names separated by blanks; for a
// two-part time value the first shows the hours, the second the minutes.
struct SettingDef {
  int16_t number;
  SettingKind kind;
  SettingTable table;
  uint8_t item;
  bool two_part;
  std::string_view controls;
  uint16_t data_item;
};

// A reference to one stored raw value of a controller (the controller is given when resolving).
// `pattern` is used by PtnData and PtnCom, `index` is the step (PtnData) or block (BlkData).
struct StorageRef {
  SettingTable table = SettingTable::kNone;
  uint8_t item = 0;
  uint8_t pattern = 0;
  uint8_t index = 0;
  bool HasValue() const { return table != SettingTable::kNone; }
  bool operator==(const StorageRef&) const = default;
};

// All rows, index = setting number.
std::span<const SettingDef> SettingCatalogue();

// The row of an assigned setting number, nullptr for 94 and numbers outside 0 to 103.
const SettingDef* FindSetting(int number);

// Control names of a setting, in the order of the catalogue.
std::vector<std::string_view> SettingControls(const SettingDef& def);

// Number of blocks a block item has: 16 for the time-signal items (BlkData 15 and 16), else 10.
int BlockCount(int blk_item);

// The storage of setting `number` for the given pattern and block or step index; nullopt when the
// setting stores nothing (commands 96 to 102, unassigned numbers) or an index is out of range.
std::optional<StorageRef> SettingStorage(int number, int pattern, int index);

// The data item code of a stored value.
uint16_t DataItemOf(const StorageRef& ref);

// The data item of a one-item write of setting `number`: block items take `index` as the block,
// step items `pattern` and `index`, pattern items `pattern`. nullopt for an unassigned number or
// an index out of range, so that nothing is sent to a wrong item.
std::optional<uint16_t> WireItemMap(int number, int pattern, int index);

// The stored raw value behind a reference for controller `ch`; nullptr when the reference holds
// no value or `ch` is not 0 to 31.
int16_t* ResolveStorage(ProgramState& state, int ch, const StorageRef& ref);
const int16_t* ResolveStorage(const ProgramState& state, int ch, const StorageRef& ref);

// Reads or writes the raw value of setting `number` of controller `ch` through the catalogue.
// Reading gives nullopt and writing false (nothing changed) when the setting stores nothing or an
// index is out of range.
std::optional<int16_t> ReadSetting(const ProgramState& state, int number, int ch, int pattern,
                                   int index);
bool WriteSetting(ProgramState& state, int number, int ch, int pattern, int index, int16_t value);

}  // namespace qd470
