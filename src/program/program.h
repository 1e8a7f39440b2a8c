// The program object: owns the program-wide tables and scalars (by the system's names, as its
// base), the forms and the services. Screens hold a reference to it; tests build a fresh one.
#pragma once

#include <filesystem>
#include <string>
#include <system_error>

#include "forms/form_host.h"
#include "forms/services.h"
#include "link/comm_obj.h"
#include "link/link_state.h"
#include "model/program_state.h"
#include "resources/strings.h"

namespace qd470 {

class Program : public ProgramState {
 public:
  // Creates the program folder when it is not there and checks that the program may write in
  // it; a failure is kept in FolderError().
  Program(std::filesystem::path program_folder, forms::Services services, Language language);
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // The form of type F, loaded on first use.
  template <class F>
  F& Form() {
    return forms_.Get<F>();
  }
  forms::FormHost& Forms() { return forms_; }
  const forms::Services& Svc() const { return services_; }

  const std::filesystem::path& ProgramFolder() const { return folder_; }
  // Why the program folder could not be created or cannot be written; empty when it is usable.
  const std::error_code& FolderError() const { return folder_error_; }
  // A data file of the program folder, by name.
  std::filesystem::path DataFile(const std::string& name) const { return folder_ / name; }
  Language Lang() const { return language_; }
  // Text of string `number` in the program's language ("" for a number without text).
  std::string LoadResString(int number) const;

  // The link component, created with the program and released with it, and the link's own
  // state between ticks.
  CommObj& Comm() { return comm_; }
  LinkState& Link() { return link_; }

  // Whether a write of setting `number` of controller `ch` can wait for its controller (see
  // WriteRoom); when it cannot, the operator is told so and the edit must store nothing.
  bool RoomForWrite(int ch, int number, int pattern = 0, int index = 0);

  // Message box with an OK button, no icon and no title: how most messages are shown.
  void MsgBox(const std::string& text);
  forms::MsgResult MsgBox(const std::string& text, forms::MsgButtons buttons, forms::MsgIcon icon,
                          const std::string& title = "");

 private:
  // Registers every form of the program; defined with the start-up code, which knows them all.
  void RegisterForms();

  std::filesystem::path folder_;
  std::error_code folder_error_;
  forms::Services services_;
  Language language_;
  forms::FormHost forms_;
  CommObj comm_;
  LinkState link_;
};

// The per-user program folder, always an absolute path: $XDG_DATA_HOME/qd470 when XDG_DATA_HOME
// is absolute (a relative one is ignored), else $HOME/.local/share/qd470, with the account's home
// folder when HOME is unset or relative. Empty when there is no home folder at all.
std::filesystem::path DefaultProgramFolder();

}  // namespace qd470
