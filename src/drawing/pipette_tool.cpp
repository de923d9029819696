#include "drawing/pipette_tool.h"

#include "colours/colour_panel.h"

namespace drawing {

QRect PipetteTool::press(QPoint point)
{
    std::optional<pixels::ColourWord> colour;
    if (picture_.contains(point.x(), point.y()))
        colour = picture_.pixel(point.x(), point.y());
    colours_.take_pipette_colour(colour);
    return {};
}

} // namespace drawing
