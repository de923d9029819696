#pragma once

#include "core/main_window_controls.h"
#include "core/process_state.h"

#include <cstdint>

namespace drawing {

// The six fill-pattern buttons and the four brush-size buttons.
class PatternSizeButtons {
public:
    PatternSizeButtons(core::MainWindowControls& controls, core::ProcessState& state)
        : controls_(controls), state_(state)
    {
    }
    // Connects the controls and menu items this class serves to its handlers.
    void connect_handlers();

    void choose_solid_pattern() { choose_pattern(1); }
    void choose_horizontal_pattern() { choose_pattern(2); }
    void choose_vertical_pattern() { choose_pattern(3); }
    void choose_right_slope_pattern() { choose_pattern(4); }
    void choose_left_slope_pattern() { choose_pattern(5); }
    void choose_grid_pattern() { choose_pattern(6); }
    void choose_size_1() { choose_size(1); }
    void choose_size_2() { choose_size(2); }
    void choose_size_3() { choose_size(3); }
    void choose_size_4() { choose_size(4); }

private:
    void choose_pattern(std::int32_t fill_style);
    void choose_size(std::int32_t brush_size);

    core::MainWindowControls& controls_;
    core::ProcessState& state_;
};

} // namespace drawing
