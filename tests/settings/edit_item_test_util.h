// Shared set-up of the edit-item tests: one controller of a given type and input type.
#pragma once

#include <cstdint>
#include <memory>

#include "model/program_state.h"

namespace qd470::testing_util {

inline constexpr int16_t kQD410 = -1;
inline constexpr int16_t kQD430 = 0;
inline constexpr int16_t kQDM1 = 1;

// PrmData codes the rules read.
inline constexpr int kFixedP = 0x02;
inline constexpr int kAlarm3Fn = 0x0F;
inline constexpr int kAlarm4Fn = 0x10;
inline constexpr int kFixOut1High = 0x1C;
inline constexpr int kFixOut1Low = 0x1D;
inline constexpr int kFixOut2High = 0x22;
inline constexpr int kFixOut2Low = 0x23;
inline constexpr int kSvHigh = 0x27;
inline constexpr int kSvLow = 0x28;
inline constexpr int kTrsSelect = 0x29;
inline constexpr int kTrsHigh = 0x2A;
inline constexpr int kTrsLow = 0x2B;
inline constexpr int kScalHigh = 0x2C;
inline constexpr int kScalLow = 0x2D;
inline constexpr int kDecimalPoint = 0x2E;

// The state is large; tests keep it on the heap.
inline std::unique_ptr<ProgramState> MakeDevice(int16_t ctrl_type, int16_t in_range,
                                                int16_t dev = 5) {
  auto st = std::make_unique<ProgramState>();
  st->SetCh = dev;
  st->DevRec[dev].CtrlType = ctrl_type;
  st->DevRec[dev].InRange = in_range;
  return st;
}

inline int16_t& Prm(ProgramState& st, int code) { return st.PrmData[code][st.SetCh]; }

}  // namespace qd470::testing_util
