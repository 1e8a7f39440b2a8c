// Keeping a form's widgets in step with its controls. A sync visits only the controls and menu
// items the form lists as changed (all of them once for a new window or a form shown again); a
// visited control's properties are compared and set only where they differ, with the widgets'
// own signals blocked.
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <algorithm>

#include "qt/qt_backend.h"
#include "qt/qt_convert.h"
#include "qt/qt_views.h"
#include "qt/qt_x11.h"

namespace qd470::qt {

using forms::ControlKind;

namespace {

// The longest wait for the window manager to withdraw a hidden window before it is shown again.
constexpr qint64 kWithdrawWaitMs = 1000;

Qt::Alignment ToQtAlignment(forms::Alignment align) {
  switch (align) {
    case forms::Alignment::kRight:
      return Qt::AlignRight;
    case forms::Alignment::kCenter:
      return Qt::AlignHCenter;
    default:
      return Qt::AlignLeft;
  }
}

// Font and colours; a control without a back colour keeps the style's own background.
void ApplyLook(QWidget& w, const Look& look, bool fill_background) {
  QFont font = QApplication::font();
  font.setPointSize(look.size > 0 ? look.size : font.pointSize());
  font.setBold(look.bold);
  w.setFont(font);
  QPalette palette = QApplication::palette(&w);
  if (look.fore) {
    for (auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
      palette.setColor(role, ToQColor(*look.fore));
    }
  }
  if (look.back) {
    for (auto role : {QPalette::Window, QPalette::Button, QPalette::Base}) {
      palette.setColor(role, ToQColor(*look.back));
    }
  }
  w.setPalette(palette);
  w.setAutoFillBackground(fill_background || look.back.has_value());
}

Look LookOf(const forms::Control& c) {
  Look look;
  look.bold = c.FontBold;
  look.size = c.FontSize;
  look.fore = c.ForeColor;
  look.back = c.BackColor;
  return look;
}

// A value box (sunken: the classic 3D sunken edge, which stays visible on white) is white unless
// the label has its own back colour; its one line of text sits in the middle, a plain label's
// text at the top.
void ApplyLabelLook(QLabel& w, const Look& look) {
  Look filled = look;
  if (look.sunken && !look.back) filled.back = forms::kWhite;
  ApplyLook(w, filled, look.sunken);
  w.setFrameStyle(look.sunken ? (QFrame::WinPanel | QFrame::Sunken) : QFrame::NoFrame);
  w.setIndent(look.sunken ? 3 : -1);  // keeps the text off the edge it is aligned to
  w.setAlignment(ToQtAlignment(look.align) | (look.sunken ? Qt::AlignVCenter : Qt::AlignTop));
  w.setWordWrap(look.word_wrap);
}

template <class W>
bool SetIfChanged(bool applied, std::string& cache, const std::string& value, W&& apply) {
  if (applied && cache == value) return false;
  apply(ToQString(value));
  cache = value;
  return true;
}

void SyncLabel(ControlView& cv) {
  auto& label = static_cast<forms::Label&>(*cv.control);
  auto* w = static_cast<QLabel*>(cv.widget);
  SetIfChanged(cv.applied, cv.caption, label.Caption, [w](const QString& s) { w->setText(s); });
  Look look = LookOf(label);
  look.align = label.Align;
  look.sunken = label.Sunken;
  look.word_wrap = label.WordWrap;
  if (!cv.applied || !(cv.look == look)) {
    ApplyLabelLook(*w, look);
    cv.look = look;
  }
}

void SyncCombo(ControlView& cv) {
  auto& combo = static_cast<forms::ComboBox&>(*cv.control);
  auto* w = static_cast<QComboBox*>(cv.widget);
  if (!cv.applied || cv.items != combo.Items()) {
    QSignalBlocker block(w);
    w->clear();
    for (const auto& item : combo.Items()) w->addItem(ToListEntry(item));
    cv.items = combo.Items();
  }
  if (w->currentIndex() != combo.ListIndex()) {
    QSignalBlocker block(w);
    w->setCurrentIndex(combo.ListIndex());
  }
}

void SyncTextBox(ControlView& cv) {
  auto& box = static_cast<forms::TextBox&>(*cv.control);
  if (auto* line = dynamic_cast<QLineEdit*>(cv.widget)) {
    if (FromQString(line->text()) != box.Text()) {
      QSignalBlocker block(line);
      line->setText(ToQString(box.Text()));
    }
    if (!cv.applied || cv.locked != box.Locked || cv.look.align != box.Align) {
      line->setEchoMode(box.PasswordChar ? QLineEdit::Password : QLineEdit::Normal);
      line->setReadOnly(box.Locked);
      line->setAlignment(ToQtAlignment(box.Align) | Qt::AlignVCenter);
    }
  } else if (auto* multi = dynamic_cast<QPlainTextEdit*>(cv.widget)) {
    if (FromQString(multi->toPlainText()) != box.Text()) {
      QSignalBlocker block(multi);
      multi->setPlainText(ToQString(box.Text()));
    }
    if (!cv.applied || cv.locked != box.Locked) {
      multi->setReadOnly(box.Locked);
      // The program fills a locked box and its layout makes room for the text: no scroll bar
      // (the line break that ends the text would otherwise count as one more line).
      const auto bars = box.Locked ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded;
      multi->setVerticalScrollBarPolicy(bars);
      multi->setHorizontalScrollBarPolicy(bars);
    }
  }
  cv.locked = box.Locked;
  cv.look.align = box.Align;
}

void SyncTabs(ControlView& cv) {
  auto& tab = static_cast<forms::TabControl&>(*cv.control);
  auto* w = static_cast<QTabWidget*>(cv.widget);
  QSignalBlocker block(w);
  while (w->count() < tab.Tabs()) w->addTab(new QWidget, QString());
  while (w->count() > tab.Tabs()) delete w->widget(w->count() - 1);
  cv.items.resize(static_cast<size_t>(tab.Tabs()));
  for (int i = 0; i < tab.Tabs(); ++i) {
    std::string& cache = cv.items[static_cast<size_t>(i)];
    SetIfChanged(cv.applied, cache, tab.TabCaption(i),
                 [w, i](const QString& s) { w->setTabText(i, s); });
    if (w->isTabEnabled(i) != tab.TabEnabled(i)) w->setTabEnabled(i, tab.TabEnabled(i));
  }
  if (w->currentIndex() != tab.Tab() && tab.Tab() < w->count()) w->setCurrentIndex(tab.Tab());
}

void SyncPicture(ControlView& cv) {
  auto& box = static_cast<forms::PictureBox&>(*cv.control);
  auto* w = static_cast<PictureWidget*>(cv.widget);
  Look look = LookOf(box);
  look.sunken = box.Sunken;
  if (!cv.applied || !(cv.look == look)) {
    if (!look.back) look.back = forms::kWhite;
    ApplyLook(*w, look, true);
    w->setFrameStyle(box.Sunken ? (QFrame::WinPanel | QFrame::Sunken) : QFrame::NoFrame);
    cv.look = LookOf(box);
    cv.look.sunken = box.Sunken;
  }
  const std::optional<forms::Image>& image = box.Picture;
  const void* picture = image ? static_cast<const void*>(image->argb.data()) : nullptr;
  if (!cv.applied || cv.revision != box.Revision() || cv.picture != picture) {
    w->update();
    cv.revision = box.Revision();
    cv.picture = picture;
  }
}

void SyncProgress(ControlView& cv) {
  auto& bar = static_cast<forms::ProgressBar&>(*cv.control);
  auto* w = static_cast<QProgressBar*>(cv.widget);
  if (w->minimum() != bar.Min || w->maximum() != bar.Max) w->setRange(bar.Min, bar.Max);
  int value = std::clamp(bar.Value, std::min(bar.Min, bar.Max), std::max(bar.Min, bar.Max));
  if (w->value() != value) w->setValue(value);
}

forms::WindowState StateOf(const QWidget& window) {
  const Qt::WindowStates state = window.windowState();
  if (state & Qt::WindowMinimized) return forms::WindowState::kMinimized;
  if (state & Qt::WindowMaximized) return forms::WindowState::kMaximized;
  return forms::WindowState::kNormal;
}

}  // namespace

void QtBackend::SyncView(FormView& view) {
  const bool was_syncing = syncing_;
  syncing_ = true;
  std::vector<forms::Control*> changed = std::move(view.changed);
  std::vector<forms::MenuItem*> changed_menus = std::move(view.changed_menus);
  view.form->TakeChanged(changed, changed_menus);
  if (view.full_sync) {
    view.full_sync = false;
    for (ControlView& cv : view.controls) SyncControl(cv);
    for (MenuView& mv : view.menus) SyncMenu(mv);
  } else {
    // The window has one view per control, in the order of the form's controls.
    for (const forms::Control* c : changed) {
      const auto i = static_cast<size_t>(c->Order());
      if (i < view.controls.size() && view.controls[i].control == c) SyncControl(view.controls[i]);
    }
    for (const forms::MenuItem* m : changed_menus) {
      if (auto it = view.menu_index.find(m); it != view.menu_index.end()) {
        SyncMenu(view.menus[it->second]);
      }
    }
  }
  view.changed = std::move(changed);
  view.changed_menus = std::move(changed_menus);
  SyncWindow(view);
  SyncFocus(view);
  syncing_ = was_syncing;
}

// A new focus request of a shown form: its window comes to the front and the control takes the
// keyboard focus.
void QtBackend::SyncFocus(FormView& view) {
  const forms::Form& form = *view.form;
  if (!form.Visible() || view.focus_requests == form.FocusRequests()) return;
  view.focus_requests = form.FocusRequests();
  auto it = view.index.find(form.FocusedControl());
  if (it == view.index.end() || !view.controls[it->second].widget) return;
  view.window->raise();
  view.window->activateWindow();
  view.controls[it->second].widget->setFocus(Qt::OtherFocusReason);
}

// Caption, client size, and for a shown form the window itself and its state.
void QtBackend::SyncWindow(FormView& view) {
  FormWindow& w = *view.window;
  const forms::Form& form = *view.form;
  SetIfChanged(view.applied, view.caption, form.Caption,
               [&w](const QString& s) { w.setWindowTitle(s); });
  if (!view.applied || view.width != form.Width || view.height != form.Height) {
    QSize size(Px(form.Width), Px(form.Height));
    if (form.Resizable) {
      int menu = w.menuWidget() ? w.menuWidget()->sizeHint().height() : 0;
      w.resize(size.width(), size.height() + menu);
    } else {
      view.client->setFixedSize(size);
    }
    view.width = form.Width;
    view.height = form.Height;
  }
  view.applied = true;
  if (!form.Visible()) return;
  // Compared with what the window is, not with what was applied last: the operator may have
  // changed it with the frame since.
  if (!w.isHidden() && StateOf(w) == form.State) return;
  // Shown again by a later sync (the clock's tick comes every 10 ms).
  if (w.isHidden() && view.hidden.isValid() && view.hidden.elapsed() < kWithdrawWaitMs &&
      HeldByWindowManager(w)) {
    return;
  }
  switch (form.State) {
    case forms::WindowState::kMinimized:
      w.showMinimized();
      break;
    case forms::WindowState::kMaximized:
      w.showMaximized();
      break;
    default:
      w.showNormal();
      break;
  }
  if (form.State != forms::WindowState::kMinimized) view.restore_state = form.State;
}

void QtBackend::ReadBackState(FormView& view) {
  if (!view.window || view.window->isHidden() || !view.form->Visible()) return;
  const forms::WindowState state = StateOf(*view.window);
  view.form->State = state;
  if (state != forms::WindowState::kMinimized) view.restore_state = state;
}

void QtBackend::SyncGeometry(ControlView& cv) {
  const forms::Control& c = *cv.control;
  if (c.Kind() != ControlKind::kLine) {
    if (cv.applied && cv.left == c.Left && cv.top == c.Top && cv.width == c.Width &&
        cv.height == c.Height) {
      return;
    }
    cv.widget->setGeometry(Px(c.Left), Px(c.Top), Px(c.Width), Px(c.Height));
    cv.left = c.Left, cv.top = c.Top, cv.width = c.Width, cv.height = c.Height;
    return;
  }
  // A line keeps its end points in the cache; its widget covers their bounding box.
  const auto& line = static_cast<const forms::LineControl&>(c);
  if (cv.applied && cv.left == line.X1 && cv.top == line.Y1 && cv.width == line.X2 &&
      cv.height == line.Y2 && cv.revision == line.BorderColor) {
    return;
  }
  auto* w = static_cast<LineWidget*>(cv.widget);
  QPoint a(Px(line.X1), Px(line.Y1)), b(Px(line.X2), Px(line.Y2));
  QRect box = QRect(a, b).normalized();
  w->setGeometry(box.left(), box.top(), box.width() + 1, box.height() + 1);
  w->from = a - box.topLeft();
  w->to = b - box.topLeft();
  w->color = ToQColor(line.BorderColor);
  w->update();
  cv.left = line.X1, cv.top = line.Y1, cv.width = line.X2, cv.height = line.Y2;
  cv.revision = line.BorderColor;
}

void QtBackend::SyncControl(ControlView& cv) {
  const forms::Control& c = *cv.control;
  QWidget* w = cv.widget;
  if (!w) return;
  ++visited_controls_;
  if (w->isHidden() == c.Visible) w->setVisible(c.Visible);
  if (!cv.applied || cv.enabled != c.Enabled) {
    w->setEnabled(c.Enabled);
    cv.enabled = c.Enabled;
  }
  SetIfChanged(cv.applied, cv.tip, c.ToolTipText, [w](const QString& s) { w->setToolTip(s); });
  SyncGeometry(cv);
  switch (c.Kind()) {
    case ControlKind::kLabel:
      SyncLabel(cv);
      break;
    case ControlKind::kCommandButton:
      SetIfChanged(cv.applied, cv.caption, static_cast<const forms::CommandButton&>(c).Caption,
                   [w](const QString& s) { static_cast<QPushButton*>(w)->setText(s); });
      break;
    case ControlKind::kOptionButton: {
      auto& option = static_cast<const forms::OptionButton&>(c);
      auto* radio = static_cast<QRadioButton*>(w);
      SetIfChanged(cv.applied, cv.caption, option.Caption,
                   [radio](const QString& s) { radio->setText(s); });
      if (radio->isChecked() != option.Value()) {
        QSignalBlocker block(radio);
        radio->setChecked(option.Value());
      }
      break;
    }
    case ControlKind::kFrame:
      if (auto* group = dynamic_cast<QGroupBox*>(w)) {
        SetIfChanged(cv.applied, cv.caption, static_cast<const forms::Frame&>(c).Caption,
                     [group](const QString& s) { group->setTitle(s); });
      }
      break;
    case ControlKind::kComboBox:
      SyncCombo(cv);
      break;
    case ControlKind::kTextBox:
      SyncTextBox(cv);
      break;
    case ControlKind::kTabControl:
      SyncTabs(cv);
      break;
    case ControlKind::kPictureBox:
      SyncPicture(cv);
      break;
    case ControlKind::kProgressBar:
      SyncProgress(cv);
      break;
    default:
      break;
  }
  // Labels and pictures keep their own look; the rest take font and colours here.
  if (c.Kind() != ControlKind::kLabel && c.Kind() != ControlKind::kPictureBox &&
      c.Kind() != ControlKind::kLine) {
    Look look = LookOf(c);
    if (!cv.applied || !(cv.look.bold == look.bold && cv.look.size == look.size &&
                         cv.look.fore == look.fore && cv.look.back == look.back)) {
      ApplyLook(*w, look, false);
      cv.look.bold = look.bold, cv.look.size = look.size;
      cv.look.fore = look.fore, cv.look.back = look.back;
    }
  }
  cv.applied = true;
}

void QtBackend::SyncMenu(MenuView& mv) {
  const forms::MenuItem& item = *mv.item;
  QAction& a = *mv.action;
  if (!a.isSeparator()) {
    SetIfChanged(mv.applied, mv.caption, item.Caption, [&a](const QString& s) { a.setText(s); });
  }
  if (!mv.applied || mv.enabled != item.Enabled) a.setEnabled(mv.enabled = item.Enabled);
  if (!mv.applied || mv.visible != item.Visible) a.setVisible(mv.visible = item.Visible);
  if (item.Checked && !a.isCheckable()) a.setCheckable(true);
  if (a.isChecked() != item.Checked) {
    QSignalBlocker block(&a);
    a.setChecked(item.Checked);
  }
  mv.applied = true;
}

}  // namespace qd470::qt
