// What the two setting-file dialogs share: the LOAD, SAVE and END buttons `Command1(0)` to
// `Command1(2)`, the file dialog `dlgFile`, the icon `Image1` and the load and save passes.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "forms/common_dialog.h"
#include "forms/form.h"
#include "settings/setting_file.h"

namespace qd470 {

class Program;

// The folder "Setdata" of the program folder, where the setting files are offered.
std::filesystem::path SetdataFolder(const Program& p);

// Creates SetdataFolder; when it cannot be created, says which folder and why, and the program
// goes on without it.
void CreateSetdataFolder(Program& p);

class SettingFileForm : public forms::Form {
 public:
  void Command1_Click(int Index);  // 0 loads, 1 saves, 2 ends

  forms::ControlArray<forms::CommandButton> Command1;
  forms::PictureBox& Image1;
  forms::CommonDialog dlgFile;

 protected:
  SettingFileForm(std::string name, Program& program);
  // Sets the caption and the END button's text.
  void LoadTexts(int caption_string);
  // What the file holds, taken once the file dialog has closed.
  virtual SettingFileLayout Layout() = 0;

  Program& p_;

 private:
  void Load();
  void Save();
  void End();
  // The chosen file, or nothing when the click ends here (cancelled: silently; an empty name:
  // after refreshing the settings screen).
  std::optional<std::filesystem::path> AskFile(bool save);
  void RefreshSettingsScreen();
  void DrawIcon();
};

}  // namespace qd470
