#pragma once

#include "app/form1_controls.h"
#include "app/process_state.h"

#include <cstdint>

namespace drawing {

// The six fill-pattern buttons and the four brush-size buttons.
class PatternSizeButtons {
public:
    PatternSizeButtons(app::Form1Controls& controls, app::ProcessState& state)
        : controls_(controls), state_(state)
    {
    }
    // Connects the controls and menu items this class serves to its handlers.
    void connect_handlers();

    void Image17Click() { choose_pattern(1); }
    void Image18Click() { choose_pattern(2); }
    void Image19Click() { choose_pattern(3); }
    void Image20Click() { choose_pattern(4); }
    void Image21Click() { choose_pattern(5); }
    void Image22Click() { choose_pattern(6); }
    void Image14MouseDown() { choose_size(1); }
    void Image13MouseDown() { choose_size(2); }
    void Image12MouseDown() { choose_size(3); }
    void Image33MouseDown() { choose_size(4); }

private:
    void choose_pattern(std::int32_t fill_style);
    void choose_size(std::int32_t brush_size);

    app::Form1Controls& controls_;
    app::ProcessState& state_;
};

} // namespace drawing
