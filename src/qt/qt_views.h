// What the renderer keeps per shown form: the window, one view per control and menu item, and
// the state last applied to each widget, so that a sync touches a widget only where it differs.
#pragma once

#include <QAction>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "forms/form.h"
#include "qt/qt_widgets.h"

namespace qd470::qt {

// Font, colours and frame of a control, compared as a whole.
struct Look {
  bool bold = false;
  int size = 0;
  std::optional<uint32_t> fore;
  std::optional<uint32_t> back;
  forms::Alignment align = forms::Alignment::kLeft;
  bool sunken = false;
  bool word_wrap = false;
  bool operator==(const Look&) const = default;
};

struct ControlView {
  forms::Control* control = nullptr;
  QWidget* widget = nullptr;  // nullptr for a timer
  // Last state applied; `applied` false forces the first sync to set everything.
  bool applied = false;
  bool enabled = true;
  int left = 0, top = 0, width = 0, height = 0;
  std::string caption;
  std::string tip;
  Look look;
  std::vector<std::string> items;  // combo entries or tab captions
  bool locked = false;
  int min = 0, max = 0;
  uint64_t revision = 0;
  const void* picture = nullptr;  // pixel data of the picture last shown
};

struct MenuView {
  forms::MenuItem* item = nullptr;
  QAction* action = nullptr;
  bool applied = false;
  std::string caption;
  bool enabled = true, visible = true, checked = false;
};

struct FormView {
  ~FormView();
  int id = 0;
  forms::Form* form = nullptr;
  QPointer<FormWindow> window;
  QWidget* client = nullptr;  // the client area below the menu bar
  std::vector<ControlView> controls;
  std::unordered_map<const forms::Control*, size_t> index;  // control -> controls[i]
  std::unordered_map<const QWidget*, size_t> by_widget;     // widget -> controls[i]
  std::vector<MenuView> menus;
  std::unordered_map<const forms::MenuItem*, size_t> menu_index;  // item -> menus[i]
  // The next sync visits every control and menu item (a new window, or a form shown again);
  // otherwise only those the form lists as changed.
  bool full_sync = true;
  std::vector<forms::Control*> changed;  // kept between syncs for their capacity
  std::vector<forms::MenuItem*> changed_menus;
  bool applied = false;
  std::string caption;
  int width = 0, height = 0;
  // The state a minimised window comes back to: the last one it had before.
  forms::WindowState restore_state = forms::WindowState::kNormal;
  // Since the window was last hidden: it is shown again once the window manager has withdrawn
  // it, or after a while.
  QElapsedTimer hidden;
  bool placed = false;          // a dialog is centred over its owner once per load
  uint64_t focus_requests = 0;  // the form's focus requests already applied
  QEventLoop* modal_loop = nullptr;
};

}  // namespace qd470::qt
