#include "drawing/canvas.h"

#include "history/undo_redo.h"
#include "platform/error_guard.h"

#include <utility>

namespace drawing {

Canvas::Canvas(widgets::PictureControl* canvas, core::DrawingState& drawing, colours::ColourPanel& colours,
               history::UndoRedo& history)
    : canvas_(canvas), drawing_(drawing), history_(history), surface_(canvas->picture()),
      brush_(surface_, drawing), fill_(surface_, drawing), pipette_(canvas->picture(), colours),
      shapes_(surface_, drawing), eraser_end_(surface_, eraser_end_state_)
{
}

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

void Canvas::canvas_pressed(Qt::MouseButton, Qt::KeyboardModifiers, int x, int y)
{
    pointer_pressed(QPoint(x, y), {});
}

void Canvas::canvas_moved(Qt::MouseButtons, Qt::KeyboardModifiers, int x, int y)
{
    pointer_moved(QPoint(x, y), {});
}

void Canvas::canvas_released(Qt::MouseButton, Qt::KeyboardModifiers, int x, int y)
{
    pointer_released(QPoint(x, y));
}

void Canvas::pointer_pressed(QPoint at, PointerStyle style)
{
    keep_current_outlines();
    // A second button pressed during a drag ends the first, so its rubber band is neither left
    // behind nor taken into the snapshot.
    if (under_way_) {
        repaint(std::exchange(under_way_, nullptr)->cancel());
        end_gesture();
    }
    history_.take_snapshot();
    CanvasTool& tool = tool_for(style);
    under_way_ = &tool;
    follow_pressure(style);
    repaint(tool.press(at));
}

void Canvas::pointer_moved(QPoint at, PointerStyle style)
{
    if (!under_way_)
        return;
    keep_current_outlines();
    follow_pressure(style);
    repaint(under_way_->move(at));
}

void Canvas::pointer_released(QPoint at)
{
    if (!under_way_)
        return;
    keep_current_outlines();
    repaint(std::exchange(under_way_, nullptr)->release(at));
    end_gesture();
}

void Canvas::pointer_cancelled()
{
    if (!under_way_)
        return;
    repaint(std::exchange(under_way_, nullptr)->cancel());
    end_gesture();
}

CanvasTool& Canvas::tool_for(PointerStyle style)
{
    if (!style.eraser_end)
        return current_tool();
    eraser_end_state_ = drawing_;
    eraser_end_state_.eraser_mode = true;
    return eraser_end_;
}

void Canvas::follow_pressure(PointerStyle style)
{
    if (!style.pressure)
        return;
    if (under_way_ == &brush_)
        brush_.set_pressure(*style.pressure);
    else if (under_way_ == &eraser_end_)
        eraser_end_.set_pressure(*style.pressure);
}

CanvasTool& Canvas::current_tool()
{
    switch (drawing_.current_tool) {
    case core::Tool::brush:
        return brush_;
    case core::Tool::fill:
        return fill_;
    case core::Tool::pipette:
        return pipette_;
    default:
        return shapes_;
    }
}

void Canvas::keep_current_outlines()
{
    surface_.keep(history_.kept_outlines());
}

void Canvas::repaint(const QRect& changed)
{
    if (changed.isEmpty())
        return;
    canvas_->picture_changed(changed);
    gesture_changed_ = true;
}

void Canvas::end_gesture()
{
    if (std::exchange(gesture_changed_, false))
        history_.gesture_changed_canvas();
}

} // namespace drawing
