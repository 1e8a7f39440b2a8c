// The start-up sequence and the main loop's first pass.
#include "startup/qd470_module.h"

#include <cerrno>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>
#include <system_error>

#include "link/qd470_link.h"
#include "link/subdisp_trs.h"
#include "model/file_names.h"
#include "monitor/main_disp.h"
#include "program/program.h"
#include "settings/default_settings.h"
#include "settings/setting_file_form.h"
#include "settings/subdisp_file.h"
#include "settings/subdisp_set.h"
#include "settings/subdisp_sset.h"
#include "startup/comm_files.h"
#include "startup/opuning.h"

namespace qd470::QD470 {

namespace {

// A failed start-up step leaves the communication conditions at their defaults in memory and in
// the start-up window once it shows them, and says so; the port in force stays. The init file
// keeps the operator's saved conditions until Start.
void RecoverStartupError(Program& p) {
  p.CommCond = CommCondRec{};
  if (p.Forms().IsLoaded<Opuning>()) p.Form<Opuning>().ShowConditions();
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

// Opens the port of the conditions in force at their speed; a failure is said and the program
// then runs without a line.
bool OpenPort(Program& p) {
  const OpenResult opened = p.Comm().Open(p.CommPort, p.CommCond.SpeedIdx);
  p.PortOpen = opened.ok ? kTrue : kFalse;
  if (!opened.ok) p.MsgBox(PortOpenError(p, p.CommPort, opened.error));
  return opened.ok;
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

std::string PortOpenError(const Program& p, const std::string& port, int error) {
  std::string text = p.LoadResString(10) + "\n" + p.LoadResString(11) + "\n" + port + " (" +
                     std::generic_category().message(error) + ")";
  if (error == EACCES || error == EPERM) text += "\n" + p.LoadResString(464);
  return text;
}

void NameDefaults(Program& p) {
  const std::string name = p.LoadResString(244);
  for (int ch = 0; ch < kMaxDevices; ++ch) p.DevNames[ch].Name = name + std::to_string(ch);
}

void Main(Program& p) {
  if (p.FolderError()) return ReportFolderError(p);
  SetDataFileNames(p, p.LoadResString(1));
  CreateSetdataFolder(p);
  RunStep(p, [&p] { LoadCommCond(p); });
  RunStep(p, [&p] { p.Forms().Show(p.Form<Opuning>()); });
  p.CommState = 0;
  NameDefaults(p);
  RunStep(p, [&p] {
    // The first-start specification dialog and its messages belong to the start-up window.
    forms::FormHost::OpenerScope opener(p.Forms(), p.Form<Opuning>());
    if (p.Form<SubDisp_SSet>().TypeLoad()) RecoverStartupError(p);
  });
  Datainitial(p);
  RunStep(p, [&p] {
    p.Form<MainDisp>();
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
  p.StartRead = kFalse;
  if (OpenPort(p)) {
    const bool read_settings = p.CommCond.ReadIdx == 0;
    if (read_settings && p.Forms().IsLoaded<Opuning>()) p.Form<Opuning>().ShowReading();
    PollAll(p);
    if (read_settings) {
      p.StartRead = kTrue;
      int16_t first = 0;
      SetAllRecv(p, first);
    }
  }
  if (p.CommCond.ReadIdx != 0) p.SetLoadMask = -1;
  if (p.EndReq == -1) return;  // the start-up window was closed during the reads
  MainDisp& main_form = p.Form<MainDisp>();
  main_form.NameSet();
  if (p.Forms().IsLoaded<Opuning>()) p.Forms().Hide(p.Form<Opuning>());
  p.Forms().Show(main_form);
  p.CommState = 1;
  main_form.tmrComm.Enabled = true;
}

void EndProgram(Program& p) {
  p.EndReq = -1;
  if (p.Forms().IsLoaded<MainDisp>()) p.Form<MainDisp>().tmrComm.Enabled = false;
  p.Comm().Close();
  p.PortOpen = kFalse;
}

}  // namespace qd470::QD470
