// The password dialog and the password file.
#include "monitor/subdisp_pass.h"

#include "model/line_file.h"
#include "program/program.h"

namespace qd470 {
namespace {

// A password is one short line; a longer first line is not read.
constexpr std::size_t kPasswordCap = 1024;
constexpr int kUnreadable = 583;

}  // namespace

std::optional<std::string> ReadPassword(const std::filesystem::path& path, std::error_code* error) {
  std::string line;
  if (std::error_code read_error = ReadFirstLine(path, kPasswordCap, line)) {
    if (read_error == std::errc::no_such_file_or_directory) return std::string();
    if (error) *error = read_error;
    return std::nullopt;
  }
  return line;
}

SubDisp_Pass::SubDisp_Pass(Program& program)
    : forms::Form("SubDisp_Pass"),
      lblPass(Add<forms::Label>("lblPass")),
      txtPass(Add<forms::TextBox>("txtPass")),
      cmdOK(Add<forms::CommandButton>("cmdOK")),
      cmdCancel(Add<forms::CommandButton>("cmdCancel")),
      p_(program) {
  Dialog = true;
  Width = 4560;
  Height = 1800;
  lblPass.Move(240, 240, 1200, 330);
  txtPass.Move(1500, 200, 2820, 360);
  txtPass.PasswordChar = '*';
  cmdOK.Move(1500, 960, 1320, 420);
  cmdCancel.Move(3000, 960, 1320, 420);
  cmdOK.Default = true;
  cmdCancel.Cancel = true;
  StartFocus = &txtPass;
  cmdOK.Click = [this] { cmdOK_Click(); };
  cmdCancel.Click = [this] { cmdCancel_Click(); };
}

void SubDisp_Pass::Form_Load() {
  Caption = p_.LoadResString(1);
  lblPass.Caption = p_.LoadResString(465);
  cmdOK.Caption = p_.LoadResString(367);
  cmdCancel.Caption = p_.LoadResString(101);
}

void SubDisp_Pass::cmdOK_Click() {
  const std::filesystem::path file = p_.DataFile(p_.PwFileName);
  std::error_code error;
  const std::optional<std::string> password = ReadPassword(file, &error);
  if (!password) {
    p_.MsgBox(p_.LoadResString(kUnreadable) + " " + file.string() + " (" + error.message() + ")");
  }
  if (!password || txtPass.Text() != *password) {
    txtPass.SetText("");
    return;
  }
  PassOK = kTrue;
  p_.Forms().Hide(*this);
}

void SubDisp_Pass::cmdCancel_Click() {
  PassOK = kFalse;
  p_.Forms().Hide(*this);
}

}  // namespace qd470
