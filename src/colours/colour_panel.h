#pragma once

#include "core/main_window_controls.h"
#include "core/process_state.h"

#include <cstdint>

namespace colours {

// The eight paint jars and the shade strip.
class ColourPanel {
public:
    ColourPanel(core::MainWindowControls& controls, core::ProcessState& state)
        : controls_(controls), state_(state)
    {
    }
    // Connects the controls and menu items this class serves to its handlers.
    void connect_handlers();

    void choose_red_jar() { select_jar(1); }
    void choose_orange_jar() { select_jar(2); }
    void choose_yellow_jar() { select_jar(3); }
    void choose_green_jar() { select_jar(4); }
    void choose_light_blue_jar() { select_jar(5); }
    void choose_blue_jar() { select_jar(6); }
    void choose_violet_jar() { select_jar(7); }
    void choose_black_jar() { select_jar(8); }
    // Takes the shade under the pointer, (x, y) being the strip picture's own pixel.
    void pick_shade(int x, int y);

private:
    void select_jar(std::int32_t index);

    core::MainWindowControls& controls_;
    core::ProcessState& state_;
};

} // namespace colours
