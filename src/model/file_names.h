// Names of the program's data files, which follow the language the program runs in.
#pragma once

#include <string_view>

#include "model/program_state.h"

namespace qd470 {

// English text of string 1; the program runs with the English data files when string 1 reads so.
inline constexpr std::string_view kEnglishTitle = "QD-470 Monitoring software";

// Sets TypeFileName, InitFileName, ChartFileName, NameFileName, PwFileName and PortFileName of
// `state`: the English names when `string1` equals "QD-470 Monitoring software", else the
// Japanese "...JP.DAT" names.
void SetDataFileNames(ProgramState& state, std::string_view string1);

}  // namespace qd470
