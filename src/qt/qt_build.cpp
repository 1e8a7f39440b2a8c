// Building a form's window: the menu bar, then one widget per control, nested by container,
// each wired to raise the control's events in the model.
#include <QComboBox>
#include <QGroupBox>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "qt/qt_backend.h"
#include "qt/qt_convert.h"
#include "qt/qt_views.h"

namespace qd470::qt {

using forms::ControlKind;

void QtBackend::BuildWindow(FormView& view) {
  forms::Form& form = *view.form;
  view.window = new FormWindow;
  FormWindow& window = *view.window;
  window.setObjectName(QString::fromStdString(form.Name()));
  if (form.Dialog) {
    // A title and a close box: no minimise or maximise.
    window.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    // Of one size, so that no window manager offers to maximise it.
    window.layout()->setSizeConstraint(QLayout::SetFixedSize);
  }
  const int id = view.id;
  window.on_close = [this, id, &form] {
    Dispatch(
        id, nullptr, [this, &form] { host_.RequestClose(form); }, true);
  };
  window.on_enter_escape = [this, id](bool escape) {
    if (FormView* live = ViewById(id); live && !syncing_) PressDefaultButton(*live, escape);
  };
  window.on_state_change = [this, id] {
    if (FormView* live = ViewById(id)) ReadBackState(*live);
  };
  for (forms::MenuItem* item : form.MenuBar()) BuildMenu(view, *item, nullptr);

  view.client = new QWidget;
  view.client->setObjectName("client");
  window.setCentralWidget(view.client);

  view.controls.reserve(form.Controls().size());
  for (const auto& control : form.Controls()) {
    QWidget* container = ContainerOf(view, *control);
    view.index[control.get()] = view.controls.size();
    ControlView cv;
    cv.control = control.get();
    cv.widget = CreateWidget(view, *control, container);
    if (cv.widget) {
      cv.widget->setObjectName(QString::fromStdString(control->FullName()));
      view.by_widget[cv.widget] = view.controls.size();
    }
    view.controls.push_back(std::move(cv));
  }
}

// A menu item with items of its own becomes a menu (its Click runs as it opens); any other
// item an action; "-" a separator.
void QtBackend::BuildMenu(FormView& view, forms::MenuItem& item, QMenu* menu) {
  QAction* action = nullptr;
  const int id = view.id;
  // A checkable action has toggled itself: the sync after the click shows the model's state.
  auto click = [this, id, &item] {
    item.MarkChanged();
    Dispatch(id, nullptr, [&item] { item.RaiseClick(); });
  };
  if (!item.Items().empty()) {
    QMenu* sub = menu ? menu->addMenu(ToQString(item.Caption))
                      : view.window->menuBar()->addMenu(ToQString(item.Caption));
    QObject::connect(sub, &QMenu::aboutToShow, click);
    action = sub->menuAction();
  } else if (item.IsSeparator() && menu) {
    action = menu->addSeparator();
  } else {
    action = menu ? menu->addAction(ToQString(item.Caption))
                  : view.window->menuBar()->addAction(ToQString(item.Caption));
    QObject::connect(action, &QAction::triggered, click);
  }
  std::string name =
      item.Index() < 0 ? item.Name() : item.Name() + "(" + std::to_string(item.Index()) + ")";
  action->setObjectName(QString::fromStdString(name));
  MenuView mv;
  mv.item = &item;
  mv.action = action;
  view.menu_index[&item] = view.menus.size();
  view.menus.push_back(std::move(mv));
  for (forms::MenuItem* child : item.Items()) BuildMenu(view, *child, action->menu());
}

// The widget that holds a control: the client area, a frame, a picture box, or the page of a
// tab control (a control on a tab control but on no page sits on the tab control itself).
QWidget* QtBackend::ContainerOf(FormView& view, const forms::Control& control) {
  if (!control.Parent) return view.client;
  auto it = view.index.find(control.Parent);
  if (it == view.index.end() || !view.controls[it->second].widget) return view.client;
  QWidget* parent = view.controls[it->second].widget;
  auto* tabs = dynamic_cast<QTabWidget*>(parent);
  if (!tabs || control.ParentTab < 0) return parent;
  while (tabs->count() <= control.ParentTab) tabs->addTab(new QWidget, QString());
  return tabs->widget(control.ParentTab);
}

QWidget* QtBackend::CreateWidget(FormView& view, forms::Control& control, QWidget* container) {
  const int id = view.id;
  switch (control.Kind()) {
    case ControlKind::kLabel: {
      auto& label = static_cast<forms::Label&>(control);
      auto* w = new ClickLabel;
      w->setTextFormat(Qt::PlainText);
      w->on_click = [this, id, &label] { Dispatch(id, &label, [&label] { label.RaiseClick(); }); };
      w->on_double_click = [this, id, &label] {
        Dispatch(id, &label, [&label] { label.RaiseDblClick(); });
      };
      w->setParent(container);
      return w;
    }
    case ControlKind::kCommandButton: {
      auto& button = static_cast<forms::CommandButton&>(control);
      auto* w = new KeyButton;
      w->setParent(container);
      w->setAutoDefault(false);
      QObject::connect(w, &QPushButton::clicked, [this, id, &button] {
        Dispatch(id, &button, [&button] { button.RaiseClick(); });
      });
      // A key is taken only while input is: a held key press could not swallow its key.
      w->on_key_press = [this, id, &button](int ascii) {
        if (!Live(id) || !button.KeyPress) return false;
        if (!TakesInputNow(id, &button)) return true;
        Dispatch(id, &button, [&button, &ascii] { button.RaiseKeyPress(ascii); });
        return true;
      };
      return w;
    }
    case ControlKind::kFrame: {
      auto& frame = static_cast<forms::Frame&>(control);
      if (frame.Border) return new QGroupBox(container);
      auto* w = new QFrame(container);
      w->setFrameShape(QFrame::NoFrame);
      return w;
    }
    case ControlKind::kPictureBox: {
      auto* w = new PictureWidget;
      w->box = &static_cast<forms::PictureBox&>(control);
      w->setAutoFillBackground(true);
      w->setParent(container);
      return w;
    }
    case ControlKind::kLine: {
      auto* w = new LineWidget;
      w->setParent(container);
      return w;
    }
    case ControlKind::kProgressBar: {
      auto* w = new QProgressBar(container);
      w->setTextVisible(false);
      return w;
    }
    case ControlKind::kTimer:
      return nullptr;
    default:
      return CreateInputWidget(view, control, container);
  }
}

// The controls that take the operator's choices: lists, options, text, tabs, up-down. Each
// input marks its control, so that the sync after the event shows the model's value even when
// the model did not take the operator's.
QWidget* QtBackend::CreateInputWidget(FormView& view, forms::Control& control, QWidget* container) {
  const int id = view.id;
  switch (control.Kind()) {
    case ControlKind::kComboBox: {
      auto& combo = static_cast<forms::ComboBox&>(control);
      auto* w = new QComboBox(container);
      QObject::connect(w, &QComboBox::activated, [this, id, &combo](int i) {
        combo.MarkChanged();
        Dispatch(id, &combo, [&combo, i] { combo.SetListIndex(i); });
      });
      return w;
    }
    case ControlKind::kOptionButton: {
      auto& option = static_cast<forms::OptionButton&>(control);
      auto* w = new QRadioButton(container);
      w->setAutoExclusive(false);  // the model keeps the group; a sync shows it
      QObject::connect(w, &QRadioButton::clicked, [this, id, &option] {
        option.MarkChanged();
        Dispatch(id, &option, [&option] {
          if (!option.Value()) option.SetValue(true);
        });
      });
      return w;
    }
    case ControlKind::kTextBox: {
      auto& box = static_cast<forms::TextBox&>(control);
      auto key = [this, id, &box](int ascii) {
        if (!TakesInputNow(id, &box)) return 0;
        Dispatch(id, &box, [&box, &ascii] { box.RaiseKeyPress(ascii); });
        return ascii;
      };
      if (box.MultiLine) {
        auto* w = new MultiLineEdit;
        w->on_key_press = key;
        QObject::connect(w, &QPlainTextEdit::textChanged, [this, id, &box, w] {
          box.MarkChanged();
          Dispatch(id, &box, [&box, text = FromQString(w->toPlainText())] { box.SetText(text); });
        });
        w->setParent(container);
        return w;
      }
      auto* w = new LineEdit;
      w->on_key_press = key;
      QObject::connect(w, &QLineEdit::textEdited, [this, id, &box](const QString& text) {
        box.MarkChanged();
        Dispatch(id, &box, [&box, typed = FromQString(text)] { box.SetText(typed); });
      });
      w->setParent(container);
      return w;
    }
    case ControlKind::kTabControl: {
      auto& tab = static_cast<forms::TabControl&>(control);
      auto* w = new QTabWidget(container);
      for (int i = 0; i < tab.Tabs(); ++i) w->addTab(new QWidget, ToQString(tab.TabCaption(i)));
      QObject::connect(w, &QTabWidget::currentChanged, [this, id, &tab](int i) {
        tab.MarkChanged();
        Dispatch(id, &tab, [&tab, i] { tab.SetTab(i); });
      });
      return w;
    }
    case ControlKind::kUpDown: {
      auto& updown = static_cast<forms::UpDown&>(control);
      auto* w = new UpDownWidget;
      for (RepeatButton* arrow : {w->up, w->down}) {
        const bool up = arrow == w->up;
        QObject::connect(arrow, &QToolButton::clicked, [this, id, &updown, arrow, up] {
          Dispatch(
              id, &updown, [&updown, up] { up ? updown.Up() : updown.Down(); }, false,
              arrow->Repeating());
        });
      }
      w->setParent(container);
      return w;
    }
    default:
      return nullptr;
  }
}

// Enter presses the form's default button, Escape its cancel button, as the classic forms do.
void QtBackend::PressDefaultButton(FormView& view, bool cancel) {
  for (const auto& control : view.form->Controls()) {
    if (control->Kind() != ControlKind::kCommandButton) continue;
    auto& button = static_cast<forms::CommandButton&>(*control);
    if ((cancel ? button.Cancel : button.Default) && button.ShownInForm() &&
        button.EnabledInForm()) {
      Dispatch(view.id, &button, [&button] { button.RaiseClick(); });
      return;
    }
  }
}

}  // namespace qd470::qt
