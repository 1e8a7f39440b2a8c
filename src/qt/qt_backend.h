// The Qt backend: one generic renderer that shows every form of the window layer as a Qt Widgets
// window, keeps the widgets in step with the model and sends the operator's input back as events.
#pragma once

#include <QAbstractNativeEventFilter>
#include <QElapsedTimer>
#include <QImage>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>

#include "forms/form_host.h"

class QMenu;
class QWindow;

namespace qd470::qt {

struct FormView;
struct ControlView;
struct MenuView;

class QtBackend : public forms::FormObserver {
 public:
  // Observes `host` until destroyed; destroy the backend before the host.
  explicit QtBackend(forms::FormHost& host);
  ~QtBackend() override;
  QtBackend(const QtBackend&) = delete;
  QtBackend& operator=(const QtBackend&) = delete;

  void OnShow(forms::Form& form) override;
  void OnHide(forms::Form& form) override;
  void OnUnload(forms::Form& form) override;
  void RunModal(forms::Form& form) override;
  void EndModal(forms::Form& form) override;
  void OnRaise(forms::Form& form) override;
  forms::Form* ActiveForm() const override;
  void OnModalBoxInWork() override;

  // Brings the widgets of every shown form (or of one form with a window) in step with the model.
  void SyncAll();
  void Sync(const forms::Form& form);

  // The window of a form; nullptr when the form has none (never shown, or unloaded).
  QWidget* Window(const forms::Form& form) const;
  // The whole window of the form (menu bar included) rendered offscreen, in step with the
  // model. Creates the window when the form has none yet; a hidden form stays hidden.
  QImage Render(forms::Form& form);

  // Lets pending events run inside the program's work: the widgets are brought in step first (a
  // progress bar moves). A tick only paints: the operator's input stays queued, in order, until
  // the tick has returned. During a job or a read only the live controls take input.
  void DoEvents();

  // Runs after every forwarded event and timer tick, once the widgets are in step.
  void SetAfterEvent(std::function<void()> after_event) { after_event_ = std::move(after_event); }
  // Controls visited by syncs so far: a sync visits only the controls marked as changed.
  uint64_t VisitedControls() const { return visited_controls_; }
  // Handlers still running (nested modal loops included).
  int EventDepth() const { return depth_; }
  // Twips to pixels at the screen's logical resolution.
  int Px(int twips) const;

  // The window that a dialog or message box opened now belongs to: during a job or a read the
  // job's window, else that of the form whose handler runs (FormHost::Opener); nullptr when there
  // is none on the screen.
  QWidget* OwnerWindow() const;
  // Makes `dialog`, a window about to appear, belong to OwnerWindow() for the window manager
  // alone: it stays over its owner and opens over it, and neither closes with the other.
  void TieToOwner(QWidget& dialog) const;

  // Top-left corner of the client area of a window of client `size` opened beside `anchor`
  // (global pixels): the whole window with `frame` (the window manager's decoration) below the
  // anchor, above it when there is no room below, shifted so that it lies inside `screen`.
  static QPoint PlaceBeside(const QRect& anchor, const QSize& size, const QMargins& frame,
                            const QRect& screen);
  // Top-left corner of the client area of such a window centred over `owner` (the owner's
  // whole window), shifted so that the whole window lies inside `screen`.
  static QPoint CentreOver(const QRect& owner, const QSize& size, const QMargins& frame,
                           const QRect& screen);

 private:
  FormView& EnsureView(forms::Form& form);
  FormView* FindView(const forms::Form& form) const;
  FormView* ViewById(int view_id) const;
  bool Live(int view_id) const { return ViewById(view_id) != nullptr; }
  // Runs an operator event on `control` (nullptr: the window's menus, or with `close` its close
  // box) of the form with view `view_id` as the window layer decides while work runs (ignored
  // while syncing or when the form's window is gone), then releases unloaded forms at the
  // outermost level and syncs. The event owns what it needs: it may run later.
  // `repeat` marks a step of a control held down.
  void Dispatch(int view_id, const forms::Control* control, std::function<void()> event,
                bool close = false, bool repeat = false);
  // Whether the operator's input to `control` of the form with view `view_id` is taken now.
  bool TakesInputNow(int view_id, const forms::Control* control) const;
  // True for an input event that goes to a window of a form whose control takes no input
  // while work runs.
  bool RefusesInput(QObject* receiver, const QEvent& event) const;
  // The application's input gate: true eats the event.
  bool FiltersInput(QObject* receiver, const QEvent& event);
  // After a box opened inside work, a key still held from before acts only once pressed anew.
  bool EatsRepeatedKey(const QEvent& event);
  // While the input queued before a box is taken in during a tick, a key for a form's window is
  // held as it is, to reach its widget after the tick.
  bool HoldsKey(QObject* receiver, const QEvent& event);
  // Lets go of every control held down in the program's windows.
  void ReleasePressed();
  // The view whose window is `window` (nullptr: not a form's window).
  FormView* ViewOfWindow(const QWidget* window) const;
  // The window of the running job or read while it is on the screen (nullptr: none).
  QWidget* JobWindow() const;
  // The window that takes input while the program's others refuse it: the topmost modal window
  // (a form shown modal, or a box), else the job's window (nullptr: none).
  QWidget* BlockingWindow() const;
  // Brings the blocking window back over another window of the program that became active.
  void KeepBlockingWindowInFront(QWindow* focus);
  // Shows the blocking window again, with its owners, when the window manager iconified it or
  // them, and raises it.
  void BringBackBlockingWindow();
  void AfterEvent();
  void Tick();

  // Building the window (qt_build.cpp).
  void BuildWindow(FormView& view);
  void BuildMenu(FormView& view, forms::MenuItem& item, QMenu* menu);
  QWidget* ContainerOf(FormView& view, const forms::Control& control);
  QWidget* CreateWidget(FormView& view, forms::Control& control, QWidget* container);
  QWidget* CreateInputWidget(FormView& view, forms::Control& control, QWidget* container);
  void PressDefaultButton(FormView& view, bool cancel);
  // Moves a window that is about to appear beside a control of another shown form.
  void PlaceNear(FormView& view, const forms::Control& anchor);
  // A dialog about to appear belongs to the opener's window; centred over it once per load.
  void PlaceDialog(FormView& view);
  // The client size the window of a form opens with.
  QSize ClientSize(const FormView& view) const;
  QWidget* WidgetOf(const forms::Control& control) const;

  // Keeping it in step (qt_sync.cpp).
  void SyncView(FormView& view);
  void SyncWindow(FormView& view);
  // The operator changed the window's state with its frame: the form's State follows.
  void ReadBackState(FormView& view);
  void SyncControl(ControlView& cv);
  void SyncGeometry(ControlView& cv);
  void SyncMenu(MenuView& mv);
  void SyncFocus(FormView& view);

  forms::FormHost& host_;
  std::map<const forms::Form*, std::unique_ptr<FormView>> views_;
  int next_id_ = 1;
  int depth_ = 0;
  bool syncing_ = false;
  uint64_t visited_controls_ = 0;
  double dpi_ = 96;
  QTimer timer_;
  // The timer has posted a tick that has not run yet.
  bool tick_posted_ = false;
  std::unique_ptr<QObject> input_gate_;  // filters the application's input through FiltersInput
  // Sees the window system's clicks and focus changes, also those that reach a blocked window.
  std::unique_ptr<QAbstractNativeEventFilter> window_system_watch_;
  bool taking_in_ = false;          // the input queued before a box is being taken in
  bool eat_repeated_keys_ = false;  // until the next fresh key press
  QWidget* releasing_ = nullptr;    // the widget a release of ours is sent to
  QElapsedTimer clock_;
  qint64 clock_ms_ = 0;  // milliseconds of the clock already handed to the host
  std::function<void()> after_event_;
};

}  // namespace qd470::qt
