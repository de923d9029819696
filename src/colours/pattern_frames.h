#pragma once

#include "core/main_window_controls.h"

#include <cstdint>

namespace colours {

// Shows the yellow frame of `fill_style` (1 to 6) beside its pattern button and hides the others.
void show_pattern_frame(core::MainWindowControls& controls, std::int32_t fill_style);

} // namespace colours
