#include "drawing/canvas.h"

#include "colours/colour_repaint.h"
#include "drawing/shape_steps.h"
#include "history/snapshot.h"
#include "platform/error_guard.h"

namespace drawing {

void Canvas::connect_handlers()
{
    auto* canvas = controls_.canvas;
    QObject::connect(canvas, &platform::PictureControl::pressed, canvas,
                     [this](Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) {
                         platform::guarded([&] { canvas_pressed(button, shift, x, y); });
                     });
    QObject::connect(canvas, &platform::PictureControl::moved, canvas,
                     [this](Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, int x, int y) {
                         platform::guarded([&] { canvas_moved(buttons, shift, x, y); });
                     });
    QObject::connect(canvas, &platform::PictureControl::released, canvas,
                     [this](Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) {
                         platform::guarded([&] { canvas_released(button, shift, x, y); });
                     });
}

platform::DrawingSurface& Canvas::surface()
{
    // The control keeps one picture object for its whole life, so the surface can be made once.
    if (!surface_)
        surface_.emplace(controls_.canvas->picture());
    // Opening a picture, undo and redo change the outlines kept, so they are asked every time.
    surface_->keep(state_.outlines.current());
    return *surface_;
}

void Canvas::repaint(const QRect& changed)
{
    if (!changed.isEmpty())
        controls_.canvas->picture_changed(changed);
}

void Canvas::canvas_pressed(Qt::MouseButton, Qt::KeyboardModifiers, int x, int y)
{
    core::DrawingState& drawing = state_.drawing;
    // A second button pressed during a shape drag must not leave the first rubber band behind.
    if (drawing.shape_drag) {
        repaint(surface().focus_rect(drawing.shape_rect));
        drawing.shape_drag = false;
    }
    history::write_snapshot(controls_, state_.paths);
    state_.outlines.snapshot_taken();
    const QPoint point(x, y);
    if (drawing.current_tool == core::tool_pipette) {
        pick_colour(point);
    } else if (drawing.current_tool == core::tool_fill) {
        fill(point);
    } else if (drawing.current_tool == core::tool_brush) {
        drawing.stroke_active = 1;
        set_stroke_pen(drawing.brush_size * 3);
        surface().move_to(point);
        repaint(surface().line_to(point));
    } else if (core::is_shape_tool(drawing.current_tool)) {
        repaint(shape_press(surface(), drawing, point));
    }
}

void Canvas::canvas_moved(Qt::MouseButtons, Qt::KeyboardModifiers, int x, int y)
{
    core::DrawingState& drawing = state_.drawing;
    if (drawing.current_tool == core::tool_brush && drawing.stroke_active == 1) {
        // The pen stays where the stroke last was, so a quick movement leaves a line, not a gap.
        set_stroke_pen(drawing.brush_size * 4);
        repaint(surface().line_to(QPoint(x, y)));
    } else if (core::is_shape_tool(drawing.current_tool))
        repaint(shape_move(surface(), drawing, QPoint(x, y)));
}

void Canvas::canvas_released(Qt::MouseButton, Qt::KeyboardModifiers, int x, int y)
{
    core::DrawingState& drawing = state_.drawing;
    drawing.stroke_active = 0;
    if (core::is_shape_tool(drawing.current_tool))
        repaint(shape_release(surface(), drawing, QPoint(x, y)));
}

void Canvas::pick_colour(QPoint point)
{
    for (auto* jar : controls_.jars())
        jar->setEnabled(false);
    colours::refresh_jar_row(controls_, state_.paths, 0);
    if (controls_.canvas->picture().contains(point.x(), point.y()))
        state_.drawing.current_color = surface().pixel(point);
    colours::repaint_colour_displays(controls_, state_);
}

void Canvas::fill(QPoint point)
{
    platform::Brush& brush = surface().brush();
    if (const auto style = core::fill_pattern_style(state_.drawing.fill_style))
        brush.style = *style;
    brush.colour = state_.drawing.current_color;
    repaint(surface().flood_fill(point));
}

void Canvas::set_stroke_pen(int width)
{
    // The eraser is the brush in eraser mode and paints white whatever the current colour is.
    platform::Pen& pen = surface().pen();
    pen.width = width;
    pen.colour = state_.drawing.eraser_mode == 1 ? platform::white_word : state_.drawing.current_color;
}

} // namespace drawing
