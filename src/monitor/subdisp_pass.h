// The password dialog `SubDisp_Pass` in front of the settings screen: the typed password is
// compared with the one line of the password file; no file means the empty password.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

#include "forms/form.h"

namespace qd470 {

class Program;

// The password held in the file at `path`: its first line without the line end; "" when there
// is no file. Nothing when the file exists but cannot be read (or its line does not fit the read
// cap): then no password is accepted, and `error`, when given, says why.
std::optional<std::string> ReadPassword(const std::filesystem::path& path,
                                        std::error_code* error = nullptr);

class SubDisp_Pass : public forms::Form {
 public:
  explicit SubDisp_Pass(Program& program);
  void Form_Load() override;

  // The right password sets PassOK and hides the dialog; a wrong one empties the entry box. A
  // password file that cannot be read is named with the reason, and no entry is accepted.
  void cmdOK_Click();
  // PassOK false, dialog hidden.
  void cmdCancel_Click();

  forms::Label& lblPass;
  forms::TextBox& txtPass;
  forms::CommandButton& cmdOK;
  forms::CommandButton& cmdCancel;

  int16_t PassOK = 0;  // -1 once the right password was given

 private:
  Program& p_;
};

}  // namespace qd470
