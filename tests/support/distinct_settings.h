// Fills every cell of the setting tables with its own value, so that a test can tell exactly
// which cells a copy or a load touched.
#pragma once

#include <cstdint>

#include "model/program_state.h"

namespace qd470::testing {

// Every cell of PtnData, PtnCom, BlkData and PrmData gets a different value, starting at `first`
// and wrapping within the 16-bit range.
inline void FillDistinctSettings(ProgramState& s, int first = -30000) {
  uint16_t next = static_cast<uint16_t>(first);
  auto put = [&next](int16_t& cell) { cell = static_cast<int16_t>(next++); };
  for (auto& item : s.PtnData)
    for (auto& dev : item)
      for (auto& ptn : dev)
        for (int16_t& cell : ptn) put(cell);
  for (auto& item : s.PtnCom)
    for (auto& dev : item)
      for (int16_t& cell : dev) put(cell);
  for (auto& item : s.BlkData)
    for (auto& dev : item)
      for (int16_t& cell : dev) put(cell);
  for (auto& code : s.PrmData)
    for (int16_t& cell : code) put(cell);
}

// The setting tables of a state, for comparing before and after.
struct SettingTables {
  explicit SettingTables(const ProgramState& s)
      : PtnData(s.PtnData), PtnCom(s.PtnCom), BlkData(s.BlkData), PrmData(s.PrmData) {}
  decltype(ProgramState::PtnData) PtnData;
  decltype(ProgramState::PtnCom) PtnCom;
  decltype(ProgramState::BlkData) BlkData;
  decltype(ProgramState::PrmData) PrmData;
  bool operator==(const SettingTables&) const = default;
};

}  // namespace qd470::testing
