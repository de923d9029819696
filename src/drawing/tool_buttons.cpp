#include "drawing/tool_buttons.h"

namespace drawing {

void ToolButtons::connect_handlers() {}

} // namespace drawing
