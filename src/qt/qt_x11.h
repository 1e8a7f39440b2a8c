// What the backend asks the X server directly, where Qt does not tell.
#pragma once

class QWidget;

namespace qd470::qt {

// Whether the window manager still holds `window`, a window the program has hidden: its WM_STATE
// is still there and not Withdrawn. Mapped again before the window manager has withdrawn it, a
// window may be lost (openbox under load leaves it unmapped for good). False off X11.
bool HeldByWindowManager(const QWidget& window);

// Shows `window`, which the window manager iconified, again: a client maps an iconified window to
// make it normal (Qt's own state change does not reach a window that it did not iconify itself).
// False off X11.
bool MapIconified(const QWidget& window);

}  // namespace qd470::qt
