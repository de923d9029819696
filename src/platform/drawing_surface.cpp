#include "platform/drawing_surface.h"

namespace platform {

QRect DrawingSurface::line_to(QPoint point)
{
    const QRect changed = draw_line(*bitmap_, position_, point, pen_, kept_);
    position_ = point;
    return changed;
}

} // namespace platform
