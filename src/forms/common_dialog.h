// The common dialog of a form (`dlgFile`, `dlgPrint`): not a window of its own, but the
// properties of the system's file dialog and its open and save calls through the file-dialog
// service.
#pragma once

#include <string>

#include "forms/services.h"

namespace qd470::forms {

class CommonDialog {
 public:
  explicit CommonDialog(FileDialogService* files) : files_(files) {}

  std::string DialogTitle;
  std::string Filter;      // "text|pattern" pairs
  std::string DefaultExt;  // added to a name typed without one
  std::string InitDir;
  std::string FileName;  // proposed name; the chosen path after a show that was not cancelled

  // Show the open or the save dialog; false when the operator cancelled (FileName is then kept).
  // The save dialog never asks its own question about an existing file: the caller does.
  bool ShowOpen() { return Show(false); }
  bool ShowSave() { return Show(true); }

 private:
  bool Show(bool save) {
    if (!files_) return false;
    const auto chosen = files_->Ask({save, DialogTitle, Filter, DefaultExt, InitDir, FileName});
    if (!chosen) return false;
    FileName = *chosen;
    return true;
  }

  FileDialogService* files_;
};

}  // namespace qd470::forms
