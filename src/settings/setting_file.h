// Setting files: the settings of one controller or of all controllers as one line of signed
// decimal numbers (a blank or "-", the digits, one blank), group by group in transfer order.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <system_error>

#include "model/program_state.h"

namespace qd470 {

// What a file holds: the PTN, BLK, OTR and FIX groups of one controller, or the PTN groups of
// all 32 controllers, then their BLK groups, then their OTR groups, then the FIX groups of the
// first `fix_devices` controllers.
struct SettingFileLayout {
  bool all_controllers = false;
  int16_t dev = 0;          // the controller of a one-controller file
  int16_t fix_devices = 0;  // FIX groups of an all-controllers file
  int ValueCount() const;
};

SettingFileLayout OneControllerFile(int16_t dev);
SettingFileLayout AllControllersFile(int16_t dev_count);

// The length that tells the kinds apart: a one-controller file is never longer, a file of all
// controllers never shorter.
inline constexpr std::uint64_t kSettingFileSizeLimit = 100000;

// The file text of the layout's values.
std::string FormatSettingFile(const ProgramState& state, const SettingFileLayout& layout);

// The outcome of reading a setting file.
enum class SettingFileRead {
  kLoaded,     // every expected value was read and stored
  kWrongKind,  // the length says the file is of the other kind: nothing read
  kBadData,    // unreadable, too short, a field that is not a number or out of range
};

// Reads the layout's values from the file and stores them into the tables, all or none. The
// file's length alone decides its kind; reading stops after the last expected value.
SettingFileRead LoadSettingFile(ProgramState& state, const std::filesystem::path& path,
                                const SettingFileLayout& layout);

// Writes the layout's values to the file, replacing an existing one only when complete.
std::error_code SaveSettingFile(const ProgramState& state, const std::filesystem::path& path,
                                const SettingFileLayout& layout);

}  // namespace qd470
