#pragma once

#include <QMargins>
#include <optional>

class QWidget;

namespace skin {

// What an X11 desktop does with the program's windows, asked of the X server itself.

// Whether the desktop blends a translucent window with what lies below it. On X11 only a
// compositing manager does so, and while it runs it owns the selection _NET_WM_CM_S<n> of the
// window's screen n; without one the transparent pixels of a window show black. Other platforms
// (Wayland, offscreen) always blend. Creates the window's native window to learn its screen.
bool translucency_blends(QWidget& window);

// The frame the window manager draws around the window, as it announces it (_NET_FRAME_EXTENTS);
// nothing before it does, for a window not yet created, or off X11.
std::optional<QMargins> frame_extents(const QWidget& window);

} // namespace skin
