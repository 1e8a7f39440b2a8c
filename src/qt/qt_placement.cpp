// Where windows open and whom they belong to: dialogs over the window they were opened from,
// the numeric pad beside the value it edits, always whole on the screen.
#include <QApplication>
#include <QMenuBar>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <utility>

#include "qt/qt_backend.h"
#include "qt/qt_views.h"

namespace qd470::qt {

namespace {

// The window manager's decoration around a shown window (none before it is framed).
QMargins FrameMargins(const QWidget& window) {
  const QRect outer = window.frameGeometry(), inner = window.geometry();
  return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
          outer.bottom() - inner.bottom()};
}

// The top-left corner of the whole window of client `size`, moved as little as needed to lie
// inside `screen`, turned into the client's top-left corner.
QPoint ClientInside(QPoint outer_top_left, const QSize& size, const QMargins& frame,
                    const QRect& screen) {
  const int outer_w = size.width() + frame.left() + frame.right();
  const int outer_h = size.height() + frame.top() + frame.bottom();
  const int left = std::clamp(outer_top_left.x(), screen.left(),
                              std::max(screen.left(), screen.right() + 1 - outer_w));
  const int top = std::clamp(outer_top_left.y(), screen.top(),
                             std::max(screen.top(), screen.bottom() + 1 - outer_h));
  return {left + frame.left(), top + frame.top()};
}

// Moves a window that is about to appear so that its client area lands at `client`. Before the
// window manager has framed a window, Qt takes a move as the client's position; once it knows
// the frame, as the frame's: the offset Qt knows covers both.
void MoveClientTo(QWidget& window, QPoint client) {
  window.move(client - (window.geometry().topLeft() - window.pos()));
}

}  // namespace

QPoint QtBackend::PlaceBeside(const QRect& anchor, const QSize& size, const QMargins& frame,
                              const QRect& screen) {
  constexpr int kGap = 4;
  const int outer_h = size.height() + frame.top() + frame.bottom();
  int top = anchor.bottom() + 1 + kGap;  // the frame's top edge
  if (top + outer_h > screen.bottom() + 1) top = anchor.top() - kGap - outer_h;
  // The client area starts where the control does.
  return ClientInside({anchor.left() - frame.left(), top}, size, frame, screen);
}

QPoint QtBackend::CentreOver(const QRect& owner, const QSize& size, const QMargins& frame,
                             const QRect& screen) {
  const QSize outer = size.grownBy(frame);
  const QPoint top_left = owner.center() - QPoint(outer.width() / 2, outer.height() / 2);
  return ClientInside(top_left, size, frame, screen);
}

QSize QtBackend::ClientSize(const FormView& view) const {
  const int menu = view.window->menuWidget() ? view.window->menuWidget()->sizeHint().height() : 0;
  return {Px(view.form->Width), Px(view.form->Height) + menu};
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
  const QMargins frame = FrameMargins(*target->window());
  MoveClientTo(*view.window,
               PlaceBeside(rect, ClientSize(view), frame, screen->availableGeometry()));
}

forms::Form* QtBackend::ActiveForm() const {
  const QWidget* active = QApplication::activeWindow();
  for (const auto& [form, view] : views_) {
    if (active && view->window == active) return view->form;
  }
  return nullptr;
}

QWidget* QtBackend::OwnerWindow() const {
  // Whatever opens during a job or a read stays over the job's window, which stays in front.
  if (QWidget* job = JobWindow()) return job;
  const forms::Form* opener = host_.Opener();
  const FormView* view = opener ? FindView(*opener) : nullptr;
  return view && view->window && view->window->isVisible() ? view->window.data() : nullptr;
}

void QtBackend::TieToOwner(QWidget& dialog) const {
  QWidget* owner = OwnerWindow();
  if (!owner || owner == &dialog || !owner->windowHandle()) return;
  // The native window must exist to carry the relation; the QWidget parent stays unset, so
  // that hiding or deleting the owner leaves the dialog alone.
  dialog.winId();
  dialog.windowHandle()->setTransientParent(owner->windowHandle());
}

void QtBackend::PlaceDialog(FormView& view) {
  QWidget* owner = OwnerWindow();
  if (!owner || owner == view.window) return;
  TieToOwner(*view.window);
  // An owner that the window manager has not put on the screen yet gives no place to centre
  // over; the window manager itself centres a dialog over its owner then.
  if (std::exchange(view.placed, true) || !owner->windowHandle()->isExposed() || !owner->screen()) {
    return;
  }
  MoveClientTo(*view.window,
               CentreOver(owner->frameGeometry(), ClientSize(view), FrameMargins(*owner),
                          owner->screen()->availableGeometry()));
}

}  // namespace qd470::qt
