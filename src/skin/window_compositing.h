#pragma once

class QWidget;

namespace skin {

// Whether the desktop blends a translucent window with what lies below it. On X11 only a
// compositing manager does so, and while it runs it owns the selection _NET_WM_CM_S<n> of the
// window's screen n; without one the transparent pixels of a window show black. Other platforms
// (Wayland, offscreen) always blend. Creates the window's native window to learn its screen.
bool translucency_blends(QWidget& window);

} // namespace skin
