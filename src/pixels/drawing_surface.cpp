#include "pixels/drawing_surface.h"

namespace pixels {

QRect DrawingSurface::line_to(QPoint point)
{
    const QRect changed = draw_line(*bitmap_, position_, point, pen_, kept_);
    position_ = point;
    return changed;
}

} // namespace pixels
