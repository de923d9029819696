#include "drawing/brush_tool.h"

#include <algorithm>
#include <cmath>

namespace drawing {

QRect BrushTool::press(QPoint point)
{
    drawing_.stroke_active = true;
    set_pen(width(3));
    surface_.move_to(point);
    return surface_.line_to(point);
}

QRect BrushTool::move(QPoint point)
{
    if (!drawing_.stroke_active)
        return {};
    // The pen stays where the stroke last was, so a quick movement leaves a line, not a gap.
    set_pen(width(4));
    return surface_.line_to(point);
}

QRect BrushTool::release(QPoint)
{
    return cancel();
}

QRect BrushTool::cancel()
{
    drawing_.stroke_active = false;
    pressure_ = 1.0;
    return {};
}

int BrushTool::width(int times) const
{
    const int size = drawing_.brush_size;
    const int size_below = std::max(size - 1, 1);
    const double pressed_size = size_below + std::clamp(pressure_, 0.0, 1.0) * (size - size_below);
    return static_cast<int>(std::lround(pressed_size * times));
}

void BrushTool::set_pen(int width)
{
    // The colour is asked at every step: the eraser paints white whatever the current colour is.
    pixels::Pen& pen = surface_.pen();
    pen.width = width;
    pen.colour = drawing_.eraser_mode ? pixels::white_word : drawing_.current_colour;
}

} // namespace drawing
