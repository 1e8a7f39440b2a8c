// The Qt backend's life cycle of windows, modal loops, event dispatch and the timers' clock.
#include "qt/qt_backend.h"

#include <xcb/xcb.h>

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <exception>
#include <utility>
#include <vector>

#include "qt/qt_views.h"
#include "qt/qt_x11.h"

namespace qd470::qt {

namespace {
constexpr int kClockPeriodMs = 10;

bool IsInputEvent(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
      return true;
    default:
      return false;
  }
}

bool IsKeyEvent(QEvent::Type type) {
  return type == QEvent::KeyPress || type == QEvent::KeyRelease;
}

// Shows every event of the application to a check first; true eats the event.
class InputGate : public QObject {
 public:
  explicit InputGate(std::function<bool(QObject*, const QEvent&)> eats) : eats_(std::move(eats)) {}
  bool eventFilter(QObject* receiver, QEvent* event) override { return eats_(receiver, *event); }

 private:
  std::function<bool(QObject*, const QEvent&)> eats_;
};

constexpr uint16_t kXiButtonPress = 4;  // XI_ButtonPress of the X input extension

// Tells of every click and focus change that the X server delivers to the program: X delivers
// them only to windows of the program, blocked ones included.
class WindowSystemWatch : public QAbstractNativeEventFilter {
 public:
  explicit WindowSystemWatch(std::function<void()> on_input) : on_input_(std::move(on_input)) {}
  bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
    if (type != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    const uint8_t kind = event->response_type & 0x7f;
    // Qt takes the mouse through the input extension: its button press is a generic event.
    const bool xi_press =
        kind == XCB_GE_GENERIC &&
        reinterpret_cast<const xcb_ge_generic_event_t*>(event)->event_type == kXiButtonPress;
    if (kind == XCB_BUTTON_PRESS || kind == XCB_FOCUS_IN || xi_press) on_input_();
    return false;
  }

 private:
  std::function<void()> on_input_;
};

// Whether `window`, or a window that owns it, is iconified.
bool HidesInIcon(const QWidget& window) {
  for (const QWindow* w = window.windowHandle(); w; w = w->transientParent()) {
    if (w->windowStates() & Qt::WindowMinimized) return true;
  }
  return false;
}

}  // namespace

FormView::~FormView() {
  // The window may be in the middle of one of its own events: delete it later.
  if (window) {
    window->hide();
    window->deleteLater();
  }
}

QtBackend::QtBackend(forms::FormHost& host) : host_(host) {
  if (QScreen* screen = QGuiApplication::primaryScreen()) dpi_ = screen->logicalDotsPerInchX();
  if (dpi_ <= 0) dpi_ = 96;
  host_.SetObserver(this);
  clock_.start();
  timer_.setInterval(kClockPeriodMs);
  // The timer posts the tick instead of running it: the event loop serves the window system's
  // input after its timers, so input that arrived during the last tick runs before the next one
  // (a write it queues goes out at that very tick) instead of after it.
  QObject::connect(&timer_, &QTimer::timeout, [this] {
    if (std::exchange(tick_posted_, true)) return;
    QMetaObject::invokeMethod(
        &timer_,
        [this] {
          tick_posted_ = false;
          Tick();
        },
        Qt::QueuedConnection);
  });
  timer_.start();
  input_gate_ = std::make_unique<InputGate>(
      [this](QObject* receiver, const QEvent& event) { return FiltersInput(receiver, event); });
  if (QCoreApplication* app = QCoreApplication::instance())
    app->installEventFilter(input_gate_.get());
  if (qGuiApp) {
    QObject::connect(qGuiApp, &QGuiApplication::focusWindowChanged, input_gate_.get(),
                     [this](QWindow* focus) { KeepBlockingWindowInFront(focus); });
    // A click on a blocked window reaches no widget and activates none of ours: only the window
    // system tells of it. The window's state follows once the window system's events have run.
    window_system_watch_ = std::make_unique<WindowSystemWatch>([this] {
      QMetaObject::invokeMethod(
          input_gate_.get(),
          [this] {
            if (QWidget* blocking = BlockingWindow(); blocking && HidesInIcon(*blocking)) {
              BringBackBlockingWindow();
            }
          },
          Qt::QueuedConnection);
    });
    qGuiApp->installNativeEventFilter(window_system_watch_.get());
  }
}

QtBackend::~QtBackend() {
  timer_.stop();
  window_system_watch_.reset();
  input_gate_.reset();  // an event filter removes itself when destroyed
  if (host_.Observer() == this) host_.SetObserver(nullptr);
  for (auto& [form, view] : views_) {
    if (view->modal_loop) view->modal_loop->quit();
    delete view->window.data();  // no event of ours runs any more
  }
  views_.clear();
}

int QtBackend::Px(int twips) const { return static_cast<int>(std::lround(twips * dpi_ / 1440.0)); }

FormView* QtBackend::FindView(const forms::Form& form) const {
  auto it = views_.find(&form);
  return it == views_.end() ? nullptr : it->second.get();
}

FormView* QtBackend::ViewById(int view_id) const {
  for (const auto& [form, view] : views_) {
    if (view->id == view_id) return view.get();
  }
  return nullptr;
}

FormView& QtBackend::EnsureView(forms::Form& form) {
  if (FormView* view = FindView(form)) return *view;
  auto view = std::make_unique<FormView>();
  view->id = next_id_++;
  view->form = &form;
  FormView& ref = *view;
  views_[&form] = std::move(view);
  BuildWindow(ref);
  return ref;
}

QWidget* QtBackend::Window(const forms::Form& form) const {
  FormView* view = FindView(form);
  return view ? view->window.data() : nullptr;
}

void QtBackend::OnShow(forms::Form& form) {
  FormView& view = EnsureView(form);
  if (form.Dialog) PlaceDialog(view);
  view.full_sync = true;  // what changed while it was hidden shows now
  if (const forms::Control* anchor = std::exchange(form.OpenNear, nullptr)) {
    PlaceNear(view, *anchor);
  }
  // Modality set on a window already on the screen blocks nothing: it goes before the sync that
  // shows the window.
  if (form.Modal() || form.ModalFromFirstShow) {
    view.window->setWindowModality(Qt::ApplicationModal);
  }
  SyncView(view);
  if (form.StartFocus) {
    if (auto it = view.index.find(form.StartFocus); it != view.index.end()) {
      if (QWidget* w = view.controls[it->second].widget) w->setFocus();
    }
  }
}

// A minimised form comes back to the state it had before; a shown one comes to the front, beside
// the control it is asked to open near.
void QtBackend::OnRaise(forms::Form& form) {
  FormView* view = FindView(form);
  if (!view) return;
  if (form.State == forms::WindowState::kMinimized) form.State = view->restore_state;
  if (const forms::Control* anchor = std::exchange(form.OpenNear, nullptr)) {
    PlaceNear(*view, *anchor);
  }
  SyncWindow(*view);
  view->window->raise();
  view->window->activateWindow();
}

void QtBackend::OnHide(forms::Form& form) {
  FormView* view = FindView(form);
  if (!view) return;
  if (view->modal_loop) view->modal_loop->quit();
  view->window->hide();
  view->hidden.start();
  // A form whose modal run was ended while shown is modeless once hidden.
  if (!view->modal_loop) view->window->setWindowModality(Qt::NonModal);
}

void QtBackend::EndModal(forms::Form& form) {
  FormView* view = FindView(form);
  if (view && view->modal_loop) view->modal_loop->quit();
}

void QtBackend::OnUnload(forms::Form& form) {
  auto it = views_.find(&form);
  if (it == views_.end()) return;
  FormView& view = *it->second;
  if (view.modal_loop) view.modal_loop->quit();
  for (ControlView& cv : view.controls) {
    if (auto* picture = dynamic_cast<PictureWidget*>(cv.widget)) picture->box = nullptr;
  }
  views_.erase(it);  // hides the window and deletes it once its events are done
}

void QtBackend::RunModal(forms::Form& form) {
  FormView* view = FindView(form);
  if (!view || !form.Visible()) return;
  // Qt makes a window modal only as it shows it.
  if (view->window->windowModality() != Qt::ApplicationModal) {
    view->window->hide();
    view->hidden.start();
    view->window->setWindowModality(Qt::ApplicationModal);
    SyncWindow(*view);
  }
  const int id = view->id;
  QEventLoop loop;
  view->modal_loop = &loop;
  // The code that showed the form runs on when the loop returns and may still use the form,
  // even when it was unloaded inside the loop: it counts as a running handler.
  ++depth_;
  loop.exec();
  --depth_;
  // The form may be unloaded by now (its view is then gone).
  for (auto& [f, v] : views_) {
    if (v->id != id) continue;
    v->modal_loop = nullptr;
    if (v->window->isHidden()) v->window->setWindowModality(Qt::NonModal);
  }
}

void QtBackend::Dispatch(int view_id, const forms::Control* control, std::function<void()> event,
                         bool close, bool repeat) {
  FormView* view = ViewById(view_id);
  if (syncing_ || !view) return;
  ++depth_;
  try {
    host_.RunInput({view->form, control, close, repeat}, std::move(event));
  } catch (const std::exception& e) {
    qCritical("qd470: an event handler failed: %s", e.what());
  }
  --depth_;
  AfterEvent();
}

bool QtBackend::TakesInputNow(int view_id, const forms::Control* control) const {
  FormView* view = ViewById(view_id);
  return view && host_.TakesInputNow({view->form, control});
}

bool QtBackend::RefusesInput(QObject* receiver, const QEvent& event) const {
  if (host_.RunningWork() != forms::WorkKind::kBlocking || !IsInputEvent(event.type())) {
    return false;
  }
  const auto* widget = qobject_cast<const QWidget*>(receiver);
  if (!widget) return false;  // the widget that gets it next is asked
  const FormView* view = ViewOfWindow(widget->window());
  // Not a form's window: a box the work itself shows, such as the exit question.
  if (!view) return false;
  for (const QWidget* w = widget; w && w != view->window; w = w->parentWidget()) {
    auto it = view->by_widget.find(w);
    if (it != view->by_widget.end()) {
      return !host_.TakesInputNow({view->form, view->controls[it->second].control});
    }
  }
  return !host_.TakesInputNow({view->form, nullptr});
}

FormView* QtBackend::ViewOfWindow(const QWidget* window) const {
  for (const auto& [form, view] : views_) {
    if (window && view->window == window) return view.get();
  }
  return nullptr;
}

bool QtBackend::FiltersInput(QObject* receiver, const QEvent& event) {
  // Our own release reaches its widget alone, not the parents it would be passed on to.
  if (releasing_ && IsInputEvent(event.type())) return receiver != releasing_;
  if (EatsRepeatedKey(event)) return true;
  if (taking_in_ && host_.RunningWork() == forms::WorkKind::kTick && HoldsKey(receiver, event)) {
    return true;
  }
  return RefusesInput(receiver, event);
}

bool QtBackend::EatsRepeatedKey(const QEvent& event) {
  if (!eat_repeated_keys_ || !IsKeyEvent(event.type())) return false;
  if (static_cast<const QKeyEvent&>(event).isAutoRepeat()) return true;
  // A key of ours, held from before the box and sent on after the work, is no new press.
  if (event.type() == QEvent::KeyPress && event.spontaneous()) eat_repeated_keys_ = false;
  return false;
}

bool QtBackend::HoldsKey(QObject* receiver, const QEvent& event) {
  auto* widget = qobject_cast<QWidget*>(receiver);
  const FormView* view =
      widget && IsKeyEvent(event.type()) ? ViewOfWindow(widget->window()) : nullptr;
  if (!view) return false;
  const auto& key = static_cast<const QKeyEvent&>(event);
  // The steps of a key held down are dropped, as those of an arrow held down.
  if (key.isAutoRepeat()) return true;
  std::shared_ptr<QKeyEvent> copy(key.clone());
  host_.RunInput({view->form, nullptr}, [target = QPointer<QWidget>(widget), copy] {
    if (target) QCoreApplication::sendEvent(target, copy.get());
  });
  return true;
}

// The box's modality would swallow the input queued before it (a double-click made just before)
// and the release of a control held down, whose auto-repeat would then click on behind the box.
// So that input is taken in first, through the gate: during a tick what it starts is held, in
// order, for the tick's end; during a job or a read it is refused unless live. Then every control
// still held down is let go, and a key held down acts on the box only once pressed anew.
void QtBackend::OnModalBoxInWork() {
  if (taking_in_) return;  // a box opened by input taken in here
  taking_in_ = true;
  SyncAll();
  QCoreApplication::processEvents();
  taking_in_ = false;
  ReleasePressed();
  eat_repeated_keys_ = true;
}

void QtBackend::ReleasePressed() {
  std::vector<QPointer<QWidget>> dragged;
  for (const auto& [form, view] : views_) {
    if (!view->window) continue;
    // Let go without a click: the button stops repeating and ignores the release to come.
    for (QAbstractButton* button : view->window->findChildren<QAbstractButton*>()) {
      button->setDown(false);
    }
    for (QAbstractSlider* slider : view->window->findChildren<QAbstractSlider*>()) {
      slider->setSliderDown(false);
      dragged.emplace_back(slider);
    }
    for (QAbstractSpinBox* spin : view->window->findChildren<QAbstractSpinBox*>()) {
      dragged.emplace_back(spin);
    }
  }
  // A scroll bar or spin box stops its repeat only on a release.
  for (const QPointer<QWidget>& widget : dragged) {
    if (!widget) continue;
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(), QPointF(), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    releasing_ = widget;
    QCoreApplication::sendEvent(widget, &release);
    releasing_ = nullptr;
  }
}

QWidget* QtBackend::JobWindow() const {
  const forms::Form* job =
      host_.RunningWork() == forms::WorkKind::kBlocking ? host_.JobForm() : nullptr;
  const FormView* view = job ? FindView(*job) : nullptr;
  return view && view->window && view->window->isVisible() ? view->window.data() : nullptr;
}

QWidget* QtBackend::BlockingWindow() const {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  return JobWindow();
}

// While a window blocks the others (a modal one, or the job's window while its job or read runs)
// it comes back over another window of the program that becomes active (a click on it, or a box
// it owns closing), so that it, and a job's bar and Cancel, stay in sight. Boxes shown meanwhile
// belong to the job's window.
void QtBackend::KeepBlockingWindowInFront(QWindow* focus) {
  QWidget* blocking = BlockingWindow();
  if (!blocking || !focus || focus == blocking->windowHandle()) return;
  const bool ours = std::any_of(views_.begin(), views_.end(), [focus](const auto& entry) {
    return entry.second->window && entry.second->window->windowHandle() == focus;
  });
  if (ours) BringBackBlockingWindow();
}

// A window manager may iconify a blocking window (and its owners with it) whatever its hints
// ask: every other window of the program then refuses input, so it comes back, owners first.
void QtBackend::BringBackBlockingWindow() {
  QWidget* blocking = BlockingWindow();
  if (!blocking) return;
  std::vector<QWidget*> chain;
  const QWidgetList windows = QApplication::topLevelWidgets();
  for (QWindow* w = blocking->windowHandle(); w; w = w->transientParent()) {
    auto it = std::find_if(windows.begin(), windows.end(),
                           [w](const QWidget* widget) { return widget->windowHandle() == w; });
    if (it != windows.end()) chain.push_back(*it);
  }
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
    if ((*it)->isMinimized() && !MapIconified(**it)) {
      (*it)->setWindowState((*it)->windowState() & ~Qt::WindowMinimized);
    }
  }
  blocking->raise();
  blocking->activateWindow();
}

void QtBackend::DoEvents() {
  if (host_.RunningWork() != forms::WorkKind::kTick) {
    SyncAll();
    QCoreApplication::processEvents();
    return;
  }
  // A tick lasts one transaction at most: it paints what changed and runs no event, so the
  // operator's input waits in the window system's queue, in order, until the tick has returned.
  for (auto& [form, view] : views_) {
    if (!form->Visible()) continue;
    const uint64_t visited = visited_controls_;
    SyncView(*view);
    if (visited_controls_ != visited) view->window->repaint();
  }
}

void QtBackend::AfterEvent() {
  if (depth_ == 0) host_.ReleaseUnloaded();
  SyncAll();
  if (after_event_) after_event_();
}

void QtBackend::Tick() {
  const qint64 now = clock_.elapsed();
  const qint64 ms = now - clock_ms_;
  // While work runs the clock stands still: its timers run once the work has returned.
  if (ms <= 0 || syncing_ || host_.RunningWork() != forms::WorkKind::kNone) return;
  clock_ms_ = now;
  ++depth_;
  try {
    host_.AdvanceClock(ms);
  } catch (const std::exception& e) {
    qCritical("qd470: a timer handler failed: %s", e.what());
  }
  --depth_;
  AfterEvent();
}

void QtBackend::SyncAll() {
  for (auto& [form, view] : views_) {
    if (form->Visible()) SyncView(*view);
  }
}

void QtBackend::Sync(const forms::Form& form) {
  if (FormView* view = FindView(form)) SyncView(*view);
}

QImage QtBackend::Render(forms::Form& form) {
  FormView& view = EnsureView(form);
  SyncView(view);
  FormWindow& window = *view.window;
  const bool hidden = window.isHidden();
  if (hidden) {
    // Lay the window out as shown, without putting it on the screen.
    window.setAttribute(Qt::WA_DontShowOnScreen, true);
    window.show();
  }
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
  QImage image = window.grab().toImage();
  if (hidden) {
    window.hide();
    window.setAttribute(Qt::WA_DontShowOnScreen, false);
  }
  return image;
}

}  // namespace qd470::qt
