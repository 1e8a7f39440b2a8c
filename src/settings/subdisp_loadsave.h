// The setting-file dialogs: `SubDisp_LoadSave` for the controller chosen in its list, and
// `SubDisp_AllLoadSave` for all controllers.
#pragma once

#include "settings/setting_file_form.h"

namespace qd470 {

class SubDisp_LoadSave : public SettingFileForm {
 public:
  explicit SubDisp_LoadSave(Program& program);
  void Form_Load() override;

  forms::ControlArray<forms::Label> lblFileall;  // the single member 2
  forms::ControlArray<forms::ComboBox> cmbName;  // the single member 0; entry i = controller i

 protected:
  // The controller chosen in the list, controller 0 when nothing is chosen.
  SettingFileLayout Layout() override;
};

class SubDisp_AllLoadSave : public SettingFileForm {
 public:
  explicit SubDisp_AllLoadSave(Program& program);
  void Form_Load() override;

  forms::Label& Label1;

 protected:
  // All controllers, with the FIX groups of the connected ones.
  SettingFileLayout Layout() override;
};

}  // namespace qd470
