#include "drawing/pattern_size_buttons.h"

namespace drawing {

void PatternSizeButtons::connect_handlers() {}

} // namespace drawing
