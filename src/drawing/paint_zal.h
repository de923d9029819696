#pragma once

#include "app/form1_controls.h"

#include <cstdint>

namespace drawing {

// Shows the yellow frame of `fill_style` (1 to 6) beside its pattern button and hides the others.
void paint_zal(app::Form1Controls& controls, std::int32_t fill_style);

} // namespace drawing
