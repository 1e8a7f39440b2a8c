// The window layer's services with real Qt parts: message box, file dialog, printers, window
// capture and the event pump.
#pragma once

#include <QFileIconProvider>
#include <QString>
#include <string>
#include <vector>

#include "forms/services.h"

namespace qd470::qt {

class QtBackend;

class QtMessageBox : public forms::MessageBoxService {
 public:
  // `program_title` is shown when a message comes without a title, as the classic box does.
  explicit QtMessageBox(std::string program_title) : program_title_(std::move(program_title)) {}
  forms::MsgResult Show(const std::string& text, forms::MsgButtons buttons, forms::MsgIcon icon,
                        const std::string& title) override;

 private:
  std::string program_title_;
};

// "Text|*.dat|Text 2|*.a;*.b" as Qt's name filters: "Text (*.dat)", "Text 2 (*.a *.b)".
QStringList ToQtFilters(const std::string& filter);

// Icons and type texts of the file dialog from the name and kind of an entry alone. Qt's own
// provider reads a file's first bytes to find its type, which blocks for ever on a FIFO or a
// device such as /proc/kmsg in the folder shown.
class NameOnlyIconProvider : public QFileIconProvider {
 public:
  QIcon icon(const QFileInfo& info) const override;
  QString type(const QFileInfo& info) const override;
  using QFileIconProvider::icon;
};

class QtFileDialog : public forms::FileDialogService {
 public:
  std::optional<std::string> Ask(const forms::FileDialogRequest& request) override;

 private:
  NameOnlyIconProvider icons_;
};

class QtPrinters : public forms::PrinterService {
 public:
  // The current printer starts as the system's default.
  std::vector<std::string> Names() override;
  int CurrentIndex() override;
  void SetCurrent(int index) override;
  bool PrintPictureToFitPage(int index, const forms::Image& picture) override;

 private:
  void Load();

  std::vector<std::string> names_;
  int current_ = -1;
  bool loaded_ = false;
};

class QtCapture : public forms::CaptureService {
 public:
  void SetBackend(QtBackend* backend) { backend_ = backend; }
  // The form's whole window as it is shown (an empty image when there is no backend).
  forms::Image CaptureForm(const forms::Form& form) override;

 private:
  QtBackend* backend_ = nullptr;
};

class QtEventPump : public forms::EventPump {
 public:
  void DoEvents() override;
};

// All of them, as the program object takes them.
struct QtServices {
  explicit QtServices(std::string program_title) : message_box(std::move(program_title)) {}
  QtMessageBox message_box;
  QtFileDialog file_dialog;
  QtPrinters printers;
  QtCapture capture;
  QtEventPump pump;
  forms::Services Bundle() { return {&message_box, &file_dialog, &printers, &capture, &pump}; }
};

}  // namespace qd470::qt
