#include "drawing/canvas.h"

#include "colours/colour_panel.h"
#include "drawing/shape_steps.h"
#include "history/undo_redo.h"
#include "platform/error_guard.h"

namespace drawing {

void Canvas::connect_handlers()
{
    using widgets::PictureControl;
    platform::connect_guarded(canvas_, &PictureControl::pressed, canvas_,
                              [this](Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) {
                                  canvas_pressed(button, shift, x, y);
                              });
    platform::connect_guarded(canvas_, &PictureControl::moved, canvas_,
                              [this](Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, int x, int y) {
                                  canvas_moved(buttons, shift, x, y);
                              });
    platform::connect_guarded(canvas_, &PictureControl::released, canvas_,
                              [this](Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) {
                                  canvas_released(button, shift, x, y);
                              });
}

pixels::DrawingSurface& Canvas::surface()
{
    // The control keeps one picture object for its whole life, so the surface can be made once.
    if (!surface_)
        surface_.emplace(canvas_->picture());
    // Opening a picture, undo and redo change the outlines kept, so they are asked every time.
    surface_->keep(history_.kept_outlines());
    return *surface_;
}

void Canvas::repaint(const QRect& changed)
{
    if (!changed.isEmpty())
        canvas_->picture_changed(changed);
}

void Canvas::canvas_pressed(Qt::MouseButton, Qt::KeyboardModifiers, int x, int y)
{
    // A second button pressed during a shape drag must not leave the first rubber band behind.
    if (drawing_.shape_drag) {
        repaint(surface().focus_rect(drawing_.shape_rect));
        drawing_.shape_drag = false;
    }
    history_.take_snapshot();
    const QPoint point(x, y);
    if (drawing_.current_tool == core::Tool::pipette) {
        pick_colour(point);
    } else if (drawing_.current_tool == core::Tool::fill) {
        fill(point);
    } else if (drawing_.current_tool == core::Tool::brush) {
        drawing_.stroke_active = true;
        set_stroke_pen(drawing_.brush_size * 3);
        surface().move_to(point);
        repaint(surface().line_to(point));
    } else if (core::is_shape_tool(drawing_.current_tool)) {
        repaint(shape_press(surface(), drawing_, point));
    }
}

void Canvas::canvas_moved(Qt::MouseButtons, Qt::KeyboardModifiers, int x, int y)
{
    if (drawing_.current_tool == core::Tool::brush && drawing_.stroke_active) {
        // The pen stays where the stroke last was, so a quick movement leaves a line, not a gap.
        set_stroke_pen(drawing_.brush_size * 4);
        repaint(surface().line_to(QPoint(x, y)));
    } else if (core::is_shape_tool(drawing_.current_tool))
        repaint(shape_move(surface(), drawing_, QPoint(x, y)));
}

void Canvas::canvas_released(Qt::MouseButton, Qt::KeyboardModifiers, int x, int y)
{
    drawing_.stroke_active = false;
    if (core::is_shape_tool(drawing_.current_tool))
        repaint(shape_release(surface(), drawing_, QPoint(x, y)));
}

void Canvas::pick_colour(QPoint point)
{
    std::optional<pixels::ColourWord> colour;
    if (canvas_->picture().contains(point.x(), point.y()))
        colour = surface().pixel(point);
    colours_.take_pipette_colour(colour);
}

void Canvas::fill(QPoint point)
{
    pixels::Brush& brush = surface().brush();
    if (const auto style = core::fill_pattern_style(drawing_.fill_pattern))
        brush.style = *style;
    brush.colour = drawing_.current_colour;
    repaint(surface().flood_fill(point));
}

void Canvas::set_stroke_pen(int width)
{
    // The eraser is the brush in eraser mode and paints white whatever the current colour is.
    pixels::Pen& pen = surface().pen();
    pen.width = width;
    pen.colour = drawing_.eraser_mode ? pixels::white_word : drawing_.current_colour;
}

} // namespace drawing
