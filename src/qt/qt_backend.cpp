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
  QObject::connect(&timer_, &QTimer::timeout, [this] { Tick(); });
  timer_.start();
}

QtBackend::~QtBackend() {
  timer_.stop();
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

bool QtBackend::Live(int view_id) const {
  for (const auto& [form, view] : views_) {
    if (view->id == view_id) return true;
  }
  return false;
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

QWidget* QtBackend::WidgetOf(const forms::Control& control) const {
  for (const auto& [form, view] : views_) {
    if (auto it = view->index.find(&control); it != view->index.end()) {
      return view->controls[it->second].widget;
    }
  }
  return nullptr;
}

void QtBackend::PlaceNear(FormView& view, const forms::Control& anchor) {
  QWidget* target = WidgetOf(anchor);
  if (!target || !target->isVisible()) return;
  const QRect rect(target->mapToGlobal(QPoint(0, 0)), target->size());
  QScreen* screen = target->screen();
  if (!screen) return;
  // The new window gets the decoration of the window it opens over.
  const QWidget* owner = target->window();
  const QRect outer = owner->frameGeometry(), inner = owner->geometry();
  const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(),
                       outer.right() - inner.right(), outer.bottom() - inner.bottom());
  const forms::Form& form = *view.form;
  const int menu = view.window->menuWidget() ? view.window->menuWidget()->sizeHint().height() : 0;
  const QSize size(Px(form.Width), Px(form.Height) + menu);
  view.window->move(PlaceBeside(rect, size, frame, screen->availableGeometry()));
}

QPoint QtBackend::PlaceBeside(const QRect& anchor, const QSize& size, const QMargins& frame,
                              const QRect& screen) {
  constexpr int kGap = 4;
  const int outer_w = size.width() + frame.left() + frame.right();
  const int outer_h = size.height() + frame.top() + frame.bottom();
  int top = anchor.bottom() + 1 + kGap;  // the frame's top edge
  if (top + outer_h > screen.bottom() + 1) top = anchor.top() - kGap - outer_h;
  top = std::clamp(top, screen.top(), std::max(screen.top(), screen.bottom() + 1 - outer_h));
  const int left = std::clamp(anchor.left() - frame.left(), screen.left(),
                              std::max(screen.left(), screen.right() + 1 - outer_w));
  return {left, top};
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

void QtBackend::Dispatch(int view_id, const std::function<void()>& event) {
  if (syncing_ || !Live(view_id)) return;
  ++depth_;
  try {
    event();
  } catch (const std::exception& e) {
    qCritical("qd470: an event handler failed: %s", e.what());
  }
  --depth_;
  AfterEvent();
}

void QtBackend::AfterEvent() {
  if (depth_ == 0) host_.ReleaseUnloaded();
  SyncAll();
  if (after_event_) after_event_();
}

void QtBackend::Tick() {
  const qint64 now = clock_.elapsed();
  const qint64 ms = now - clock_ms_;
  if (ms <= 0 || syncing_) return;
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
