// The program put together on Qt: real services, the program object and the backend. main()
// creates one and runs it; the start-up sequence grows here.
#pragma once

#include <QTranslator>
#include <filesystem>
#include <memory>

#include "program/program.h"
#include "qt/qt_backend.h"
#include "qt/qt_services.h"
#include "resources/strings.h"

namespace qd470::qt {

// Uses a font family with both Latin and Japanese glyphs as the application font when one is
// installed ("Noto Sans CJK JP" first); keeps Qt's own choice otherwise.
void UseProgramFont();

// Loads Qt's own translation for `language` (the texts of Qt's file dialog and of the Yes and No
// buttons) and installs it in the application; it stays installed while the returned translator
// lives. Nothing for English, or when the translation is not installed.
std::unique_ptr<QTranslator> InstallQtTranslation(Language language);

class QtProgram {
 public:
  QtProgram(const std::filesystem::path& program_folder, Language language);
  ~QtProgram();
  QtProgram(const QtProgram&) = delete;
  QtProgram& operator=(const QtProgram&) = delete;

  Program& program() { return *program_; }
  QtBackend& backend() { return *backend_; }

  // Shows the main screen and runs the event loop until the program ends: the main screen's
  // close sets EndReq to -1, or the main screen is no longer loaded. Returns the exit code: 1
  // when the program folder could not be created, else 0.
  int Run();

 private:
  bool Ended();

  std::unique_ptr<QTranslator> qt_translation_;
  QtServices services_;
  std::unique_ptr<Program> program_;
  std::unique_ptr<QtBackend> backend_;  // goes first: it observes the program's forms
};

}  // namespace qd470::qt
