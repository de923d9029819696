#pragma once

#include "core/drawing_state.h"
#include "pixels/drawing_surface.h"
#include "widgets/picture_control.h"

#include <QRect>
#include <optional>

namespace colours {
class ColourPanel;
}
namespace history {
class UndoRedo;
}

namespace drawing {

// The canvas: press, move and release with every tool, shapes included.
class Canvas {
public:
    // Owns the stroke and the shape drag of `drawing` and reads the rest; asks `history` for the
    // snapshot before every press and `colours` to take the pipette's colour.
    Canvas(widgets::PictureControl* canvas, core::DrawingState& drawing, colours::ColourPanel& colours,
           history::UndoRedo& history)
        : canvas_(canvas), drawing_(drawing), colours_(colours), history_(history)
    {
    }
    // Connects the canvas's press, move and release to their handlers.
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
    pixels::DrawingSurface& surface();
    void pick_colour(QPoint point);
    void fill(QPoint point);
    // The brush's or the eraser's pen, `width` pixels wide.
    void set_stroke_pen(int width);
    void repaint(const QRect& changed);

    widgets::PictureControl* canvas_;
    core::DrawingState& drawing_;
    colours::ColourPanel& colours_;
    history::UndoRedo& history_;
    std::optional<pixels::DrawingSurface> surface_;
};

} // namespace drawing
