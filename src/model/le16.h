// Little-endian 16-bit two's-complement fields of the program's binary record files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace qd470 {

inline void PutInt16(std::string& out, int16_t value) {
  const auto bits = static_cast<uint16_t>(value);
  out.push_back(static_cast<char>(bits & 0xFF));
  out.push_back(static_cast<char>(bits >> 8));
}

// The field at byte `at`; the caller makes sure two bytes are there.
inline int16_t GetInt16(std::string_view bytes, std::size_t at) {
  const auto lo = static_cast<uint8_t>(bytes[at]);
  const auto hi = static_cast<uint8_t>(bytes[at + 1]);
  return static_cast<int16_t>(static_cast<uint16_t>(lo | (hi << 8)));
}

}  // namespace qd470
