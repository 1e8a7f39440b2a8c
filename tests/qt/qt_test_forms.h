// Small forms for the Qt backend's tests and a fixture with a form host and the backend.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "forms/form_host.h"
#include "qt/qt_backend.h"

namespace qd470::qt::testing {

// Labels, a button, a list, options, a text box and a tab control with a disabled tab.
class PanelForm : public forms::Form {
 public:
  PanelForm() : Form("PanelForm") {
    Caption = "Panel";
    Width = 6000;
    Height = 4500;
    lblValue.Move(150, 300, 1500, 300);
    lblValue.Sunken = true;
    lblValue.Caption = "12.5";
    for (int i = 0; i < 3; ++i) {
      forms::Label& l = AddMember(lblSV, "lblSV", i);
      l.Move(150 + 1200 * i, 900, 1050, 300);
      l.Sunken = true;
      l.Caption = "SV" + std::to_string(i);
      l.Click = [this, i] { clicks.push_back(i); };
      l.DblClick = [this, i] { double_clicks.push_back(i); };
    }
    cmdOK.Move(4200, 3600, 1200, 450);
    cmdOK.Caption = "&OK";
    cmdOK.Click = [this] { lblValue.Caption = "pressed"; };
    cmbName.Move(150, 1500, 2400, 330);
    for (const char* s : {"first", "second", "third"}) cmbName.AddItem(s);
    cmbName.Click = [this] { combo_clicks.push_back(cmbName.ListIndex()); };
    txtIn.Move(3000, 1500, 1500, 330);
    txtIn.KeyPress = [](int& key) {
      if (key != 8 && (key < '0' || key > '9')) key = 0;
    };
    Wbk.Move(150, 2100, 3900, 1500);
    Wbk.SetTabs(3);
    for (int i = 0; i < 3; ++i) Wbk.TabCaption(i) = "Page " + std::to_string(i);
    Wbk.SetTabEnabled(2, false);
    Wbk.Click = [this] { tab_clicks.push_back(Wbk.Tab()); };
    lblOnPage1.Move(120, 120, 1500, 300);
    lblOnPage1.Caption = "first line\r\nsecond line";
    optA.Move(4200, 2100, 1200, 300);
    optA.Caption = "A";
    optA.SetValue(true);
    updStep.Move(4500, 300, 300, 450);
    updStep.Max = 100;
    updStep.Change = [this] { ++steps; };
  }

  forms::Label& lblValue = Add<forms::Label>("lblValue");
  forms::ControlArray<forms::Label> lblSV;
  forms::CommandButton& cmdOK = Add<forms::CommandButton>("cmdOK");
  forms::ComboBox& cmbName = Add<forms::ComboBox>("cmbName");
  forms::TextBox& txtIn = Add<forms::TextBox>("txtIn");
  forms::TabControl& Wbk = Add<forms::TabControl>("Wbk");
  forms::Label& lblOnPage1 = Add<forms::Label>("lblOnPage1", -1, &Wbk, 1);
  forms::OptionButton& optA = Add<forms::OptionButton>("optA");
  forms::UpDown& updStep = Add<forms::UpDown>("updStep");

  std::vector<int> clicks, double_clicks, combo_clicks, tab_clicks;
  int steps = 0;
};

// A dialog whose button hides or unloads it; counts its destructions.
class DialogForm : public forms::Form {
 public:
  DialogForm() : Form("DialogForm") {
    cmdClose.Caption = "Close";
    cmdClose.Move(150, 150, 1200, 450);
    cmdClose.Click = [this] {
      if (unload_on_close) {
        Host()->Unload(*this);
      } else {
        Host()->Hide(*this);
      }
      if (during_close) during_close();
    };
  }
  ~DialogForm() override { ++destroyed; }
  void Form_QueryUnload(bool& cancel) override {
    if (during_query) during_query();
    cancel = keep_on_close;
  }

  forms::CommandButton& cmdClose = Add<forms::CommandButton>("cmdClose");
  bool unload_on_close = false;
  bool keep_on_close = false;
  std::function<void()> during_close;
  std::function<void()> during_query;  // before the answer, as a question would
  static inline int destroyed = 0;
};

class QtBackendTest : public ::testing::Test {
 protected:
  QtBackendTest() {
    host_.Register<PanelForm>([] { return std::make_unique<PanelForm>(); });
    host_.Register<DialogForm>([] { return std::make_unique<DialogForm>(); });
    backend_ = std::make_unique<QtBackend>(host_);
  }
  ~QtBackendTest() override {
    backend_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  PanelForm& ShowPanel() {
    PanelForm& form = host_.Get<PanelForm>();
    host_.Show(form);
    return form;
  }
  template <class W>
  W* Find(const forms::Form& form, const char* name) {
    QWidget* window = backend_->Window(form);
    return window ? window->findChild<W*>(QLatin1String(name)) : nullptr;
  }

  forms::FormHost host_;  // outlives the backend
  std::unique_ptr<QtBackend> backend_;
};

}  // namespace qd470::qt::testing
