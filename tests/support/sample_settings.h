// Plausible settings of a few controllers, for pictures of the screens and for benchmarks:
// three specifications and a pattern that ramps up, soaks and cools down.
#pragma once

#include <array>
#include <string>

#include "model/program_state.h"
#include "settings/default_settings.h"

namespace qd470::testing {

struct SampleSpec {
  const char* name;
  TypeRec rec;
};

// QD430 with a DC input and OUT2; QDM1 with every option; QD410 without options.
inline constexpr std::array<SampleSpec, 3> kSampleSpecs{{
    {"qd430_dc_out2", {12, 1, 3, 0, 1, 0, 0, 0}},
    {"qdm1", {1, 5, 9, 0, 2, 0, 0, 1}},
    {"qd410_plain", {0, 1, 0, -1, 0, -1, -1, -1}},
}};

// Fills controllers 0 to 2 with the sample specifications and settings.
inline void FillSampleSettings(ProgramState& s) {
  s.CommCond.DevCount = static_cast<int16_t>(kSampleSpecs.size());
  for (size_t d = 0; d < kSampleSpecs.size(); ++d) {
    s.DevRec[d] = kSampleSpecs[d].rec;
    s.DevNames[d].Name = "Furnace " + std::to_string(d + 1);
  }
  Datainitial(s);
  constexpr std::array<int16_t, 10> kSv{200, 1500, 1500, 3000, 3000, 2200, 800, 300, 0, 0};
  constexpr std::array<int16_t, 10> kMinutes{30, 90, 60, 150, 45, 75, 30, 20, 0, 0};
  for (size_t d = 0; d < kSampleSpecs.size(); ++d) {
    s.PrmData[0x2E][d] = 1;  // one decimal place for the DC input
    for (int p = 0; p < kPatterns; ++p) {
      s.PtnCom[0][d][p] = static_cast<int16_t>(p % 3);
      for (int st = 0; st < kSteps; ++st) {
        s.PtnData[0][d][p][st] = static_cast<int16_t>(kSv[st] + 100 * p);
        s.PtnData[1][d][p][st] = kMinutes[st];
        s.PtnData[2][d][p][st] = static_cast<int16_t>(st % 4);
        for (int k = 3; k <= 13; ++k) s.PtnData[k][d][p][st] = static_cast<int16_t>((st + k) % 3);
      }
    }
    for (int b = 0; b < kBlocks; ++b) {
      s.BlkData[5][d][b] = static_cast<int16_t>(10 * b);
      for (int k = 6; k <= 9; ++k) s.BlkData[k][d][b] = static_cast<int16_t>(50 + 10 * b);
    }
    for (int b = 0; b < kTsBlocks; ++b) {
      s.BlkData[15][d][b] = static_cast<int16_t>(5 * b);
      s.BlkData[16][d][b] = static_cast<int16_t>(5 * b + 65);
    }
  }
}

}  // namespace qd470::testing
