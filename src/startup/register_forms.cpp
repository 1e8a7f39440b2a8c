// The registration of every form of the program with the program object.
#include "editing/subdisp_tenkey.h"
#include "link/subdisp_copy.h"
#include "link/subdisp_trs.h"
#include "link/wait_disp.h"
#include "monitor/main_disp.h"
#include "monitor/prnselect.h"
#include "monitor/subdisp_pass.h"
#include "program/program.h"
#include "settings/subdisp_file.h"
#include "settings/subdisp_loadsave.h"
#include "settings/subdisp_set.h"
#include "settings/subdisp_sset.h"
#include "startup/opuning.h"

namespace qd470 {

void Program::RegisterForms() {
  forms_.Register<MainDisp>([this] { return std::make_unique<MainDisp>(*this); });
  forms_.Register<Opuning>([this] { return std::make_unique<Opuning>(*this); });
  forms_.Register<SubDisp_Pass>([this] { return std::make_unique<SubDisp_Pass>(*this); });
  forms_.Register<SubDisp_SSet>([this] { return std::make_unique<SubDisp_SSet>(*this); });
  forms_.Register<SubDisp_Set>([this] { return std::make_unique<SubDisp_Set>(*this); });
  forms_.Register<SubDisp_Tenkey>([this] { return std::make_unique<SubDisp_Tenkey>(*this); });
  forms_.Register<SubDisp_TRS>([this] { return std::make_unique<SubDisp_TRS>(*this); });
  forms_.Register<SubDisp_Copy>([this] { return std::make_unique<SubDisp_Copy>(*this); });
  forms_.Register<WaitDisp>([this] { return std::make_unique<WaitDisp>(*this); });
  forms_.Register<SubDisp_File>([this] { return std::make_unique<SubDisp_File>(*this); });
  forms_.Register<SubDisp_LoadSave>([this] { return std::make_unique<SubDisp_LoadSave>(*this); });
  forms_.Register<prnselect>([this] { return std::make_unique<prnselect>(*this); });
  forms_.Register<SubDisp_AllLoadSave>(
      [this] { return std::make_unique<SubDisp_AllLoadSave>(*this); });
}

}  // namespace qd470
