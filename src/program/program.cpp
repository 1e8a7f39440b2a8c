// The program object.
#include "program/program.h"

#include <cstdlib>


namespace qd470 {

Program::Program(std::filesystem::path program_folder, forms::Services services, Language language)
    : folder_(std::move(program_folder)), services_(services), language_(language) {
  std::filesystem::create_directories(folder_);
  RegisterForms();
}

Program::~Program() = default;

std::string Program::LoadResString(int number) const {
  return std::string(ResString(language_, number));
}

void Program::MsgBox(const std::string& text) {
  MsgBox(text, forms::MsgButtons::kOk, forms::MsgIcon::kNone, "");
}

forms::MsgResult Program::MsgBox(const std::string& text, forms::MsgButtons buttons,
                                 forms::MsgIcon icon, const std::string& title) {
  if (!services_.message_box) {
    return buttons == forms::MsgButtons::kYesNo ? forms::MsgResult::kNo : forms::MsgResult::kOk;
  }
  return services_.message_box->Show(text, buttons, icon, title);
}

std::filesystem::path DefaultProgramFolder() {
  const char* xdg = std::getenv("XDG_DATA_HOME");
  if (xdg && *xdg) return std::filesystem::path(xdg) / "qd470";
  const char* home = std::getenv("HOME");
  std::filesystem::path base =
      home && *home ? std::filesystem::path(home) : std::filesystem::path(".");
  return base / ".local" / "share" / "qd470";
}

}  // namespace qd470
