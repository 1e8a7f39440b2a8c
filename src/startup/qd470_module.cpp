// The start-up sequence and the main loop's first pass.
#include "startup/qd470_module.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

#include "link/subdisp_trs.h"
#include "model/file_names.h"
#include "monitor/main_disp.h"
#include "program/program.h"
#include "settings/default_settings.h"
#include "settings/subdisp_file.h"
#include "settings/subdisp_set.h"
#include "settings/subdisp_sset.h"
#include "startup/comm_files.h"
#include "startup/opuning.h"

namespace qd470::QD470 {

namespace {

// A failed start-up step leaves the communication conditions at their defaults in memory and
// says so. The init file keeps the operator's saved conditions.
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

// Runs one step of the start-up; a failure of it is recovered and start-up goes on.
template <class Step>
void RunStep(Program& p, Step step) {
  try {
    step();
  } catch (const std::exception&) {
    RecoverStartupError(p);
  }
}

}  // namespace

void NameDefaults(Program& p) {
  const std::string name = p.LoadResString(244);
  for (int ch = 0; ch < kMaxDevices; ++ch) p.DevNames[ch].Name = name + std::to_string(ch);
}

void Main(Program& p) {
  if (p.FolderError()) return ReportFolderError(p);
  auto& main_form = p.Form<MainDisp>();
  SetDataFileNames(p, main_form.Caption);
  RunStep(p, [&p] { std::filesystem::create_directories(p.ProgramFolder() / "Setdata"); });
  RunStep(p, [&p] { LoadCommCond(p); });
  RunStep(p, [&p] { p.Forms().Show(p.Form<Opuning>()); });
  p.CommState = 0;
  NameDefaults(p);
  RunStep(p, [&p] {
    if (p.Form<SubDisp_SSet>().TypeLoad()) RecoverStartupError(p);
  });
  Datainitial(p);
  RunStep(p, [&p] {
    p.Form<SubDisp_TRS>();
    p.Form<SubDisp_File>();
    p.Form<SubDisp_Set>();
  });
  if (WaitForStart(p)) StartMonitoring(p);
}

bool WaitForStart(Program& p) {
  p.Forms().Show(p.Form<Opuning>(), true);
  return p.EndReq != -1;
}

void StartMonitoring(Program& p) {
  // LINK: open p.CommPort at the chosen speed; on failure strings 10 and 11 (and 464 when the
  // port is refused for lack of permission). With the link open: read the monitor items of every
  // connected controller, read controller 0's settings when ReadIdx is 0, and set StartRead.
  p.PortOpen = kFalse;
  p.StartRead = kFalse;
  if (p.CommCond.ReadIdx != 0) p.SetLoadMask = -1;
  MainDisp& main_form = p.Form<MainDisp>();
  main_form.NameSet();
  if (p.Forms().IsLoaded<Opuning>()) p.Forms().Hide(p.Form<Opuning>());
  p.Forms().Show(main_form);
  p.CommState = 1;
  // LINK: MainDisp.tmrComm enabled here.
}

}  // namespace qd470::QD470
