// The start-up sequence.
#include "startup/qd470_module.h"

#include <filesystem>

#include "link/subdisp_trs.h"
#include "model/file_names.h"
#include "monitor/main_disp.h"
#include "program/program.h"
#include "settings/default_settings.h"
#include "settings/subdisp_file.h"
#include "settings/subdisp_set.h"
#include "settings/subdisp_sset.h"

namespace qd470::QD470 {

namespace {

// A failed start-up step leaves the communication conditions at their defaults and says so.
void RecoverStartupError(Program& p) {
  p.CommCond = CommCondRec{};
  p.MsgBox(p.LoadResString(467));
}

}  // namespace

void Main(Program& p) {
  auto& main_form = p.Form<MainDisp>();
  SetDataFileNames(p, main_form.Caption);
  std::error_code ec;
  std::filesystem::create_directories(p.ProgramFolder() / "Setdata", ec);
  std::filesystem::current_path(p.ProgramFolder(), ec);
  p.CommState = 0;
  if (p.Form<SubDisp_SSet>().TypeLoad()) RecoverStartupError(p);
  Datainitial(p);
  p.Form<SubDisp_TRS>();
  p.Form<SubDisp_File>();
  p.Form<SubDisp_Set>();
  p.Forms().Show(main_form);
}

}  // namespace qd470::QD470
