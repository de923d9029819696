#include "drawing/fill_tool.h"

namespace drawing {

QRect FillTool::press(QPoint point)
{
    pixels::Brush& brush = surface_.brush();
    if (const auto style = core::fill_pattern_style(drawing_.fill_pattern))
        brush.style = *style;
    brush.colour = drawing_.current_colour;
    return surface_.fill(point);
}

} // namespace drawing
