// Test doubles of the window layer's services: scripted answers, recorded calls.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "forms/services.h"

namespace qd470::testing {

class FakeMessageBox : public forms::MessageBoxService {
 public:
  struct Shown {
    std::string text;
    forms::MsgButtons buttons;
    forms::MsgIcon icon;
    std::string title;
  };
  forms::MsgResult Show(const std::string& text, forms::MsgButtons buttons, forms::MsgIcon icon,
                        const std::string& title) override {
    shown.push_back({text, buttons, icon, title});
    if (on_show) on_show();
    if (!answers.empty()) {
      auto a = answers.front();
      answers.pop_front();
      return a;
    }
    return buttons == forms::MsgButtons::kYesNo ? forms::MsgResult::kNo : forms::MsgResult::kOk;
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> out;
    for (const auto& s : shown) out.push_back(s.text);
    return out;
  }
  std::deque<forms::MsgResult> answers;  // next answers; "No" or "OK" when empty
  std::vector<Shown> shown;
  std::function<void()> on_show;  // runs while a box is shown (to see whose box it is)
};

class FakeFileDialog : public forms::FileDialogService {
 public:
  std::optional<std::string> Ask(const forms::FileDialogRequest& request) override {
    requests.push_back(request);
    if (answers.empty()) return std::nullopt;
    auto a = answers.front();
    answers.pop_front();
    return a;
  }
  std::deque<std::optional<std::string>> answers;  // nullopt = cancelled
  std::vector<forms::FileDialogRequest> requests;
};

class FakePrinters : public forms::PrinterService {
 public:
  struct Printed {
    std::string printer;
    forms::Image picture;
    std::string title;
  };
  std::vector<std::string> Names() override { return names; }
  std::string Current() override { return current; }
  void SetCurrent(const std::string& name) override { current = name; }
  bool PrintPictureToFitPage(const std::string& printer, const forms::Image& picture,
                             const std::string& title) override {
    printed.push_back({printer, picture, title});
    return print_ok;
  }
  std::vector<std::string> names;  // the system's printers as they are now
  std::string current;
  bool print_ok = true;
  std::vector<Printed> printed;
};

class FakeCapture : public forms::CaptureService {
 public:
  forms::Image CaptureForm(const forms::Form& form) override {
    captured.push_back(&form);
    return forms::Image{4, 3, std::vector<uint32_t>(12, 0xFF00FF00u)};
  }
  std::vector<const forms::Form*> captured;
};

class FakePump : public forms::EventPump {
 public:
  void DoEvents() override {
    ++calls;
    if (on_events) on_events();
  }
  int calls = 0;
  std::function<void()> on_events;  // what the operator does while events run
};

struct FakeServices {
  FakeMessageBox message_box;
  FakeFileDialog file_dialog;
  FakePrinters printers;
  FakeCapture capture;
  FakePump pump;
  forms::Services Bundle() { return {&message_box, &file_dialog, &printers, &capture, &pump}; }
};

}  // namespace qd470::testing
