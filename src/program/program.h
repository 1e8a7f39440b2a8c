// The program object: owns the program-wide tables and scalars (by the system's names, as its
// base), the forms and the services. Screens hold a reference to it; tests build a fresh one.
#pragma once

#include <filesystem>
#include <string>

#include "forms/form_host.h"
#include "forms/services.h"
#include "link/comm_obj.h"
#include "link/link_state.h"
#include "model/program_state.h"
#include "resources/strings.h"

namespace qd470 {

class Program : public ProgramState {
 public:
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
  // A data file of the program folder, by name.
  std::filesystem::path DataFile(const std::string& name) const { return folder_ / name; }
  Language Lang() const { return language_; }
  // Text of string `number` in the program's language ("" for a number without text).
  std::string LoadResString(int number) const;

  // The link component, created with the program and released with it, and the link's own
  // state between ticks.
  CommObj& Comm() { return comm_; }
  LinkState& Link() { return link_; }

  // Message box with an OK button, no icon and no title: how most messages are shown.
  void MsgBox(const std::string& text);
  forms::MsgResult MsgBox(const std::string& text, forms::MsgButtons buttons, forms::MsgIcon icon,
                          const std::string& title = "");

 private:
  // Registers every form of the program; defined with the start-up code, which knows them all.
  void RegisterForms();

  std::filesystem::path folder_;
  forms::Services services_;
  Language language_;
  forms::FormHost forms_;
  CommObj comm_;
  LinkState link_;
};

// The per-user program folder: $XDG_DATA_HOME/qd470, or ~/.local/share/qd470.
std::filesystem::path DefaultProgramFolder();

}  // namespace qd470
