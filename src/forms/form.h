// A form of the window layer: its controls, control arrays, menus and life-cycle handlers.
// A form is loaded on first use through the FormHost, which runs Form_Load then.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "forms/control.h"
#include "forms/control_array.h"
#include "forms/menu.h"

namespace qd470::forms {

class FormHost;

enum class WindowState { kNormal, kMinimized, kMaximized };

class Form {
 public:
  explicit Form(std::string name) : name_(std::move(name)) {}
  virtual ~Form() = default;
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  const std::string& Name() const { return name_; }
  std::string Caption;
  int Width = 6000, Height = 4000;  // client area in twips
  WindowState State = WindowState::kNormal;
  bool Resizable = false;
  // The close box works also while the program's work runs (the main screen's exit question).
  bool CloseDuringWork = false;
  // A dialog belongs to the window it is opened from: it stays over it, opens centred over it
  // and has no minimise or maximise box. Set by the dialog's constructor.
  bool Dialog = false;
  // Its window blocks the program's others from its first show, not only while it is shown
  // modal: a form shown first and modal later (the start-up window) is then never taken off the
  // screen to become modal, a withdrawal and new map that a busy window manager may lose.
  bool ModalFromFirstShow = false;
  // The control that has the focus when the form is shown (nullptr: the renderer's choice).
  Control* StartFocus = nullptr;
  bool Visible() const { return visible_; }
  bool Modal() const { return modal_; }

  // Where the window opens: beside this control of another form (below it, or above it when
  // there is no room below), always whole on the screen. Set by the code that shows the form;
  // the renderer takes it when the window appears. nullptr: wherever the renderer puts it.
  const Control* OpenNear = nullptr;

  // Gives the keyboard focus to one of the form's controls. Every call counts, also for the
  // control that had the focus last, since the operator may have moved the focus since.
  void SetFocus(Control& control) {
    focus_ = &control;
    ++focus_requests_;
  }
  Control* FocusedControl() const { return focus_; }
  uint64_t FocusRequests() const { return focus_requests_; }

  // Runs once when the form is loaded.
  virtual void Form_Load() {}
  // The operator closes the window: set cancel to keep the form. Unloads it otherwise.
  virtual void Form_QueryUnload(bool& /*cancel*/) {}

  // Adds a control. parent nullptr = the form; tab >= 0 = the tab page of a tab control parent.
  template <class T>
  T& Add(const std::string& name, int index = -1, Control* parent = nullptr, int tab = -1) {
    auto owned = std::make_unique<T>(name, index);
    T& control = *owned;
    control.Parent = parent;
    control.ParentTab = tab;
    Register(std::move(owned));
    return control;
  }
  // Adds member `index` of the array `array` and returns it.
  template <class T>
  T& AddMember(ControlArray<T>& array, const std::string& name, int index,
               Control* parent = nullptr, int tab = -1) {
    T& control = Add<T>(name, index, parent, tab);
    array.Add(index, &control);
    return control;
  }
  MenuItem& AddMenu(const std::string& name, MenuItem* parent = nullptr, int index = -1);

  // Finds a control by name and index (-1 for a plain control); nullptr when there is none.
  Control* Find(const std::string& name, int index = -1) const;
  template <class T>
  T* FindAs(const std::string& name, int index = -1) const {
    return dynamic_cast<T*>(Find(name, index));
  }
  MenuItem* FindMenu(const std::string& name) const;

  const std::vector<std::unique_ptr<Control>>& Controls() const { return controls_; }
  const std::vector<MenuItem*>& MenuBar() const { return menu_bar_; }
  // The form's timers, so that the clock finds them without a look at every control.
  const std::vector<Timer*>& Timers() const { return timers_; }
  std::vector<Control*> Children(const Control* parent, int tab = -1) const;

  FormHost* Host() const { return host_; }

  // The controls and menu items changed since the last take, each once and in the order of
  // their first change. Taking them clears their marks; a renderer visits only these.
  const std::vector<Control*>& ChangedControls() const { return changed_controls_; }
  void TakeChanged(std::vector<Control*>& controls, std::vector<MenuItem*>& menus);

 private:
  friend class FormHost;
  friend class Control;
  friend class MenuItem;
  void Register(std::unique_ptr<Control> control);

  std::string name_;
  std::vector<std::unique_ptr<Control>> controls_;
  std::map<std::pair<std::string, int>, Control*> by_name_;
  std::map<const Control*, std::vector<OptionButton*>> option_groups_;
  std::vector<std::unique_ptr<MenuItem>> menus_;
  std::vector<MenuItem*> menu_bar_;
  std::vector<Timer*> timers_;
  std::vector<Control*> changed_controls_;
  std::vector<MenuItem*> changed_menus_;
  FormHost* host_ = nullptr;
  bool visible_ = false;
  bool modal_ = false;
  Control* focus_ = nullptr;
  uint64_t focus_requests_ = 0;
};

}  // namespace qd470::forms
