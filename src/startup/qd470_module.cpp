// The start-up sequence.
#include "startup/qd470_module.h"

#include <cstdio>
#include <filesystem>

#include "model/file_names.h"
#include "monitor/main_disp.h"
#include "settings/default_settings.h"
#include "settings/subdisp_set.h"
#include "settings/subdisp_sset.h"
#include "program/program.h"

namespace qd470::QD470 {

namespace {

// A failed start-up step leaves the communication conditions at their defaults and says so.
void RecoverStartupError(Program& p) {
  p.CommCond = CommCondRec{};
  p.MsgBox(p.LoadResString(467));
}

// Says which program folder cannot be created, or written when it is there, and why: on standard
// error and in a message box.
void ReportFolderError(Program& p) {
  std::error_code ec;
  const int text = std::filesystem::is_directory(p.ProgramFolder(), ec) ? 441 : 440;
  const std::string line = p.LoadResString(text) + " " + p.ProgramFolder().string() + " (" +
                           p.FolderError().message() + ")";
  std::fprintf(stderr, "%s\n", line.c_str());
  p.MsgBox(line, forms::MsgButtons::kOk, forms::MsgIcon::kCritical);
}

}  // namespace

void Main(Program& p) {
  if (p.FolderError()) return ReportFolderError(p);
  auto& main_form = p.Form<MainDisp>();
  SetDataFileNames(p, main_form.Caption);
  std::error_code ec;
  std::filesystem::create_directories(p.ProgramFolder() / "Setdata", ec);
  p.CommState = 0;
  if (p.Form<SubDisp_SSet>().TypeLoad()) RecoverStartupError(p);
  Datainitial(p);
  p.Form<SubDisp_Set>();
  p.Forms().Show(main_form);
}

}  // namespace qd470::QD470
