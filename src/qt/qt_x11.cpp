// What the backend asks of the X server directly: the window manager's WM_STATE of a window, and
// the map that shows an iconified window again.
#include "qt/qt_x11.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace qd470::qt {

namespace {

constexpr uint32_t kWithdrawnState = 0;

struct FreeReply {
  void operator()(void* reply) const { std::free(reply); }
};

xcb_atom_t InternAtom(xcb_connection_t* connection, const char* name) {
  const auto cookie =
      xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name);
  std::unique_ptr<xcb_intern_atom_reply_t, FreeReply> reply(
      xcb_intern_atom_reply(connection, cookie, nullptr));
  return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// The X connection when `window` has an X window (nullptr off X11).
xcb_connection_t* ConnectionOf(const QWidget& window) {
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  const QWindow* handle = window.windowHandle();
  xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
  return handle && handle->handle() ? connection : nullptr;
}

}  // namespace

bool HeldByWindowManager(const QWidget& window) {
  xcb_connection_t* connection = ConnectionOf(window);
  if (!connection) return false;
  const QWindow* handle = window.windowHandle();
  static const xcb_atom_t wm_state = InternAtom(connection, "WM_STATE");
  if (wm_state == XCB_ATOM_NONE) return false;
  const auto cookie = xcb_get_property(connection, 0, static_cast<xcb_window_t>(handle->winId()),
                                       wm_state, wm_state, 0, 1);
  std::unique_ptr<xcb_get_property_reply_t, FreeReply> reply(
      xcb_get_property_reply(connection, cookie, nullptr));
  if (!reply || xcb_get_property_value_length(reply.get()) < 4) return false;
  uint32_t state = 0;
  std::memcpy(&state, xcb_get_property_value(reply.get()), sizeof state);
  return state != kWithdrawnState;
}

bool MapIconified(const QWidget& window) {
  xcb_connection_t* connection = ConnectionOf(window);
  if (!connection) return false;
  xcb_map_window(connection, static_cast<xcb_window_t>(window.windowHandle()->winId()));
  xcb_flush(connection);
  return true;
}

}  // namespace qd470::qt
