// Choice of the data file names by language.
#include "model/file_names.h"

namespace qd470 {

void SetDataFileNames(ProgramState& state, std::string_view string1) {
  const bool english = string1 == kEnglishTitle;
  state.TypeFileName = english ? "QD4TYPE.DAT" : "QD4TYPEJP.DAT";
  state.InitFileName = english ? "QD4INIT.DAT" : "QD4INITJP.DAT";
  state.ChartFileName = english ? "QD4CHART.DAT" : "QD4CHARTJP.DAT";
  state.NameFileName = english ? "QD4NAME.DAT" : "QD4NAMEJP.DAT";
  state.PwFileName = english ? "QD4PW.DAT" : "QD4PWJP.DAT";
  state.PortFileName = english ? "QD4PORT.DAT" : "QD4PORTJP.DAT";
}

}  // namespace qd470
