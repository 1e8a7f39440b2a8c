// The communication-condition record of the init file: `DevCount`, port, speed and
// read-at-start indexes, four little-endian 16-bit fields (8 bytes).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/program_state.h"

namespace qd470 {

inline constexpr int kCommCondSize = 8;
inline constexpr int kComPorts = 8;     // COM1 to COM8
inline constexpr int kSpeeds = 4;       // 19200, 9600, 4800, 2400 baud
inline constexpr int kReadChoices = 2;  // 0 read the settings at start, 1 do not

// The 8 bytes of the record.
std::string EncodeCommCond(const CommCondRec& cond);

// The record held in the first 8 bytes; nothing when there are fewer or when a field is outside
// its range (DevCount 1 to 32, port 0 to 7, speed 0 to 3, read at start 0 or 1).
std::optional<CommCondRec> DecodeCommCond(std::string_view bytes);

}  // namespace qd470
