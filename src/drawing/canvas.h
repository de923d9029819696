#pragma once

#include "app/form1_controls.h"
#include "app/process_state.h"
#include "platform/drawing_surface.h"

#include <QRect>
#include <optional>

namespace drawing {

// The canvas Image1: press, move and release with every tool, shapes included.
class Canvas {
public:
    Canvas(app::Form1Controls& controls, app::ProcessState& state) : controls_(controls), state_(state) {}
    // Connects the controls and menu items this class serves to its handlers.
    void connect_handlers();

    // Takes the undo snapshot, then applies the current tool at the press point.
    void Image1MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    // Paints a dot of the stroke under way, or moves the rubber band of a shape drag.
    void Image1MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, int x, int y);
    // Ends the stroke, or draws the shape of the drag under way.
    void Image1MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);

private:
    // The canvas picture's surface, whose pen and brush persist from one operation to the next.
    platform::DrawingSurface& surface();
    void pick_colour(QPoint point);
    void fill(QPoint point);
    void paint_dot(QPoint point, int width);
    void repaint(const QRect& changed);

    app::Form1Controls& controls_;
    app::ProcessState& state_;
    std::optional<platform::DrawingSurface> surface_;
};

} // namespace drawing
