// The Qt backend's life cycle of windows, modal loops, event dispatch and the timers' clock.
#include "qt/qt_backend.h"

#include <QApplication>
#include <QMenuBar>
#include <QScreen>
#include <algorithm>
#include <cmath>
#include <exception>
#include <utility>

#include "qt/qt_views.h"

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

// Shows every event of the application to a check first; true eats the event.
class InputGate : public QObject {
 public:
  explicit InputGate(std::function<bool(QObject*, const QEvent&)> refuses)
      : refuses_(std::move(refuses)) {}
  bool eventFilter(QObject* receiver, QEvent* event) override { return refuses_(receiver, *event); }

 private:
  std::function<bool(QObject*, const QEvent&)> refuses_;
};

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
      [this](QObject* receiver, const QEvent& event) { return RefusesInput(receiver, event); });
  if (QCoreApplication* app = QCoreApplication::instance())
    app->installEventFilter(input_gate_.get());
}

QtBackend::~QtBackend() {
  timer_.stop();
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
  SyncView(view);
  if (form.Modal()) view.window->setWindowModality(Qt::ApplicationModal);
  SyncWindow(view);
  if (form.StartFocus) {
    if (auto it = view.index.find(form.StartFocus); it != view.index.end()) {
      if (QWidget* w = view.controls[it->second].widget) w->setFocus();
    }
  }
}

// A minimised form comes back to the state it had before; a shown one comes to the front.
void QtBackend::OnRaise(forms::Form& form) {
  FormView* view = FindView(form);
  if (!view) return;
  if (form.State == forms::WindowState::kMinimized) form.State = view->restore_state;
  SyncWindow(*view);
  view->window->raise();
  view->window->activateWindow();
}

void QtBackend::OnHide(forms::Form& form) {
  FormView* view = FindView(form);
  if (!view) return;
  if (view->modal_loop) view->modal_loop->quit();
  view->window->hide();
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
  if (view->window->windowModality() != Qt::ApplicationModal) {
    view->window->hide();
    view->window->setWindowModality(Qt::ApplicationModal);
    view->window->show();
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
                         bool close) {
  FormView* view = ViewById(view_id);
  if (syncing_ || !view) return;
  ++depth_;
  try {
    host_.RunInput({view->form, control, close}, std::move(event));
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
  for (const auto& [form, view] : views_) {
    if (view->window != widget->window()) continue;
    for (const QWidget* w = widget; w && w != view->window; w = w->parentWidget()) {
      auto it = view->by_widget.find(w);
      if (it != view->by_widget.end()) {
        return !host_.TakesInputNow({view->form, view->controls[it->second].control});
      }
    }
    return !host_.TakesInputNow({view->form, nullptr});
  }
  return false;  // not a form's window: a box the work itself shows, such as the exit question
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
