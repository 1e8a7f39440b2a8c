// The load and save passes of the setting-file dialogs, around the file dialog.
#include "settings/setting_file_form.h"

#include <system_error>

#include "program/program.h"
#include "settings/subdisp_set.h"

namespace qd470 {

namespace {

constexpr int kEnd = 361;
constexpr int kReplace = 76;
constexpr int kWrongKind = 401;
constexpr int kBadFile = 402;
constexpr int kFilter = 403;
constexpr int kNoFolder = 582;

constexpr int kButtonW = 1500, kButtonH = 420;

// The controllers a loaded file filled count as read: choosing one on the settings screen shows
// the file's values instead of reading the controller over them. Their settings came from the
// file; those of the others keep their source.
void MarkLoaded(Program& p, const SettingFileLayout& layout) {
  const auto mark = [&p](int dev) {
    p.SetLoadMask = static_cast<int32_t>(static_cast<uint32_t>(p.SetLoadMask) | 1u << dev);
    p.SourceTbl[dev] = {SettingSource::kFile};
  };
  if (layout.all_controllers) {
    for (int dev = 0; dev < layout.fix_devices && dev < kMaxDevices; ++dev) mark(dev);
  } else if (layout.dev >= 0 && layout.dev < kMaxDevices) {
    mark(layout.dev);
  }
}

}  // namespace

std::filesystem::path SetdataFolder(const Program& p) { return p.ProgramFolder() / "Setdata"; }

void CreateSetdataFolder(Program& p) {
  std::error_code error;
  std::filesystem::create_directories(SetdataFolder(p), error);
  if (!error) return;
  p.MsgBox(p.LoadResString(kNoFolder) + " " + SetdataFolder(p).string() + " (" + error.message() +
           ")");
}

SettingFileForm::SettingFileForm(std::string name, Program& program)
    : forms::Form(std::move(name)),
      Image1(Add<forms::PictureBox>("Image1")),
      dlgFile(program.Svc().file_dialog),
      p_(program) {
  Dialog = true;
  Width = 5400;
  Height = 2400;
  Image1.Move(240, 240, 720, 720);
  Image1.Sunken = false;
  DrawIcon();
  const char* fixed[] = {"<<LOAD", "SAVE>>", ""};  // the layout's own captions
  for (int i = 0; i < 3; ++i) {
    auto& button = AddMember(Command1, "Command1", i);
    button.Caption = fixed[i];
    button.Move(240 + i * (kButtonW + 180), 1560, kButtonW, kButtonH);
    button.Click = [this, i] { Command1_Click(i); };
  }
  Command1(2).Cancel = true;
}

// A sheet with a folded corner and lines of text.
void SettingFileForm::DrawIcon() {
  Image1.Scale(0, 0, 16, 16);
  constexpr uint32_t kInk = 0x000080;
  const double outline[][4] = {{3, 1, 10, 1}, {10, 1, 13, 4}, {13, 4, 13, 15}, {13, 15, 3, 15},
                               {3, 15, 3, 1}, {10, 1, 10, 4}, {10, 4, 13, 4}};
  for (const auto& l : outline) Image1.Line(l[0], l[1], l[2], l[3], kInk);
  for (int row = 0; row < 4; ++row) Image1.Line(5, 6 + 2 * row, 11, 6 + 2 * row, 0x808080);
}

void SettingFileForm::LoadTexts(int caption_string) {
  Caption = p_.LoadResString(caption_string);
  Command1(2).Caption = p_.LoadResString(kEnd);
}

void SettingFileForm::Command1_Click(int Index) {
  switch (Index) {
    case 0:
      return Load();
    case 1:
      return Save();
    case 2:
      return End();
  }
}

std::optional<std::filesystem::path> SettingFileForm::AskFile(bool save) {
  dlgFile.Filter = p_.LoadResString(kFilter);
  dlgFile.DefaultExt = "dat";
  dlgFile.InitDir = SetdataFolder(p_).string();
  if (!(save ? dlgFile.ShowSave() : dlgFile.ShowOpen())) return std::nullopt;
  if (dlgFile.FileName.empty()) {
    RefreshSettingsScreen();
    return std::nullopt;
  }
  // A bare name stands for a file of the program folder, whatever the current folder is.
  return p_.ProgramFolder() / dlgFile.FileName;
}

void SettingFileForm::Load() {
  const std::optional<std::filesystem::path> file = AskFile(false);
  if (!file) return;
  const SettingFileLayout layout = Layout();
  switch (LoadSettingFile(p_, *file, layout)) {
    case SettingFileRead::kWrongKind:
      return p_.MsgBox(p_.LoadResString(kWrongKind));
    case SettingFileRead::kBadData:
      return p_.MsgBox(p_.LoadResString(kBadFile));
    case SettingFileRead::kLoaded:
      break;
  }
  p_.RcvMask = 0;
  MarkLoaded(p_, layout);
  p_.SelStepNow = -1;
  RefreshSettingsScreen();
}

void SettingFileForm::Save() {
  std::optional<std::filesystem::path> file;
  for (;;) {
    file = AskFile(true);
    if (!file) return;
    std::error_code ec;
    if (!std::filesystem::exists(*file, ec)) break;
    const auto answer = p_.MsgBox(p_.LoadResString(kReplace), forms::MsgButtons::kYesNo,
                                  forms::MsgIcon::kExclamation);
    if (answer == forms::MsgResult::kYes) break;
  }
  if (SaveSettingFile(p_, *file, Layout())) return p_.MsgBox(p_.LoadResString(kBadFile));
  RefreshSettingsScreen();
}

void SettingFileForm::End() {
  p_.Forms().Unload(*this);
  RefreshSettingsScreen();
}

void SettingFileForm::RefreshSettingsScreen() { p_.Form<SubDisp_Set>().SetDispUpDate(); }

}  // namespace qd470
