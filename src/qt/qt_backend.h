// The Qt backend: one generic renderer that shows every form of the window layer as a Qt Widgets
// window, keeps the widgets in step with the model and sends the operator's input back as events.
#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>

#include "forms/form_host.h"

class QMenu;

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

  // Brings the widgets of every shown form (or of one form with a window) in step with the model.
  void SyncAll();
  void Sync(const forms::Form& form);

  // The window of a form; nullptr when the form has none (never shown, or unloaded).
  QWidget* Window(const forms::Form& form) const;
  // The whole window of the form (menu bar included) rendered offscreen, in step with the
  // model. Creates the window when the form has none yet; a hidden form stays hidden.
  QImage Render(forms::Form& form);

  // Runs after every forwarded event and timer tick, once the widgets are in step.
  void SetAfterEvent(std::function<void()> after_event) { after_event_ = std::move(after_event); }
  // Controls visited by syncs so far: a sync visits only the controls marked as changed.
  uint64_t VisitedControls() const { return visited_controls_; }
  // Handlers still running (nested modal loops included).
  int EventDepth() const { return depth_; }
  // Twips to pixels at the screen's logical resolution.
  int Px(int twips) const;

  // Top-left corner of a window of `size` opened beside `anchor` (global pixels): below it,
  // above it when there is no room below, shifted so that the whole window (with `frame`, the
  // window manager's decoration) lies inside `screen`.
  static QPoint PlaceBeside(const QRect& anchor, const QSize& size, const QMargins& frame,
                            const QRect& screen);

 private:
  FormView& EnsureView(forms::Form& form);
  FormView* FindView(const forms::Form& form) const;
  bool Live(int view_id) const;
  // Runs an operator event of the form with view `view_id` (ignored while syncing or when the
  // form's window is gone), then releases unloaded forms at the outermost level and syncs.
  void Dispatch(int view_id, const std::function<void()>& event);
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
  QWidget* WidgetOf(const forms::Control& control) const;

  // Keeping it in step (qt_sync.cpp).
  void SyncView(FormView& view);
  void SyncWindow(FormView& view);
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
  QElapsedTimer clock_;
  qint64 clock_ms_ = 0;  // milliseconds of the clock already handed to the host
  std::function<void()> after_event_;
};

}  // namespace qd470::qt
