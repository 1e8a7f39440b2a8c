// The type file: the specification records of the 32 device numbers, 32 records of 16 bytes,
// record n+1 = device n, each field a 16-bit little-endian two's-complement integer.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

#include "model/program_state.h"

namespace qd470 {

inline constexpr int kTypeRecordSize = 16;
inline constexpr int kTypeFileSize = kMaxDevices * kTypeRecordSize;  // 512

using TypeTable = std::array<TypeRec, kMaxDevices>;

// The record of a device whose specification was never set: input type 0, alarms 0, no
// loop-break alarm, no OUT2, no transmission output, no time signals, controller type QD410.
TypeRec TypeDefaults();

// Sets every record of the table to TypeDefaults().
void SetTypeDefaults(TypeTable& records);

// The 512 bytes of the type file for the given records.
std::string EncodeTypeFile(const TypeTable& records);

// The records held in the bytes of a type file. Records beyond the end of the bytes (a short
// file, including a trailing part of a record) are TypeDefaults(); bytes past record 32 are
// ignored.
TypeTable DecodeTypeFile(std::string_view bytes);

// Reads the type file into `records`: its first 512 bytes at most. When the file cannot be opened
// or read, or is not a regular file, `records` is left unchanged and the error is returned. A
// short file is not rewritten.
std::error_code ReadTypeFile(const std::filesystem::path& path, TypeTable& records);

// Writes all 32 records as an atomic replace: on any error the old file stays and the error is
// returned.
std::error_code WriteTypeFile(const std::filesystem::path& path, const TypeTable& records);

}  // namespace qd470
