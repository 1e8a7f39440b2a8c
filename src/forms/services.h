// Services the screens use besides their own controls. Each is an interface: the Qt backend
// implements it with real Qt parts, tests with doubles that script answers and record calls.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "forms/image.h"

namespace qd470::forms {

class Form;

enum class MsgButtons { kOk, kYesNo };
enum class MsgIcon { kNone, kInformation, kQuestion, kExclamation, kCritical };
enum class MsgResult { kOk, kYes, kNo };

class MessageBoxService {
 public:
  virtual ~MessageBoxService() = default;
  virtual MsgResult Show(const std::string& text, MsgButtons buttons, MsgIcon icon,
                         const std::string& title) = 0;
};

struct FileDialogRequest {
  bool save = false;
  std::string title;
  std::string filter;             // "Setting file (*.dat)|*.dat" style: pairs of text and pattern
  std::string default_extension;  // "dat", added to a name typed without one
  std::string initial_folder;
  std::string file_name;  // proposed name
};

class FileDialogService {
 public:
  virtual ~FileDialogService() = default;
  // The chosen path, or nothing when the operator cancelled. A save dialog asks no question of
  // its own about an existing file.
  virtual std::optional<std::string> Ask(const FileDialogRequest& request) = 0;
};

class PrinterService {
 public:
  virtual ~PrinterService() = default;
  // The system's printers as they are now.
  virtual std::vector<std::string> Names() = 0;
  // The printer chosen last, by name; before any choice the system's default printer (or the
  // first one); "" when there is none.
  virtual std::string Current() = 0;
  virtual void SetCurrent(const std::string& name) = 0;
  // Prints the image on the named printer as a job titled `title`, scaled to fit the page with
  // its aspect ratio kept.
  virtual bool PrintPictureToFitPage(const std::string& printer, const Image& picture,
                                     const std::string& title) = 0;
};

class CaptureService {
 public:
  virtual ~CaptureService() = default;
  virtual Image CaptureForm(const Form& form) = 0;
};

// Lets pending events (clicks, timers, repaints) run: the counterpart of DoEvents.
class EventPump {
 public:
  virtual ~EventPump() = default;
  virtual void DoEvents() = 0;
};

struct Services {
  MessageBoxService* message_box = nullptr;
  FileDialogService* file_dialog = nullptr;
  PrinterService* printers = nullptr;
  CaptureService* capture = nullptr;
  EventPump* pump = nullptr;
};

}  // namespace qd470::forms
