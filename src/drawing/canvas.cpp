#include "drawing/canvas.h"

namespace drawing {

void Canvas::connect_handlers() {}

} // namespace drawing
