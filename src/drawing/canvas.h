#pragma once

#include "core/main_window_controls.h"
#include "core/process_state.h"
#include "platform/drawing_surface.h"

#include <QRect>
#include <optional>

namespace drawing {

// The canvas: press, move and release with every tool, shapes included.
class Canvas {
public:
    Canvas(core::MainWindowControls& controls, core::ProcessState& state) : controls_(controls), state_(state)
    {
    }
    // Connects the controls and menu items this class serves to its handlers.
    void connect_handlers();

    // Takes the undo snapshot, then applies the current tool at the press point.
    void canvas_pressed(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    // Continues the stroke under way with a line from its last point, or moves the rubber band of
    // a shape drag.
    void canvas_moved(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, int x, int y);
    // Ends the stroke, or draws the shape of the drag under way.
    void canvas_released(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);

private:
    // The canvas picture's surface, whose pen and brush persist from one operation to the next.
    platform::DrawingSurface& surface();
    void pick_colour(QPoint point);
    void fill(QPoint point);
    // The brush's or the eraser's pen, `width` pixels wide.
    void set_stroke_pen(int width);
    void repaint(const QRect& changed);

    core::MainWindowControls& controls_;
    core::ProcessState& state_;
    std::optional<platform::DrawingSurface> surface_;
};

} // namespace drawing
