#include "drawing/brush_tool.h"

namespace drawing {

QRect BrushTool::press(QPoint point)
{
    drawing_.stroke_active = true;
    set_pen(drawing_.brush_size * 3);
    surface_.move_to(point);
    return surface_.line_to(point);
}

QRect BrushTool::move(QPoint point)
{
    if (!drawing_.stroke_active)
        return {};
    // The pen stays where the stroke last was, so a quick movement leaves a line, not a gap.
    set_pen(drawing_.brush_size * 4);
    return surface_.line_to(point);
}

QRect BrushTool::release(QPoint)
{
    return cancel();
}

QRect BrushTool::cancel()
{
    drawing_.stroke_active = false;
    return {};
}

void BrushTool::set_pen(int width)
{
    // The colour is asked at every step: the eraser paints white whatever the current colour is.
    pixels::Pen& pen = surface_.pen();
    pen.width = width;
    pen.colour = drawing_.eraser_mode ? pixels::white_word : drawing_.current_colour;
}

} // namespace drawing
