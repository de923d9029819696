#pragma once

#include "app/form1_controls.h"
#include "app/process_state.h"

namespace colours {

// The eight paint jars and the shade strip.
class ColourPanel {
public:
    ColourPanel(app::Form1Controls& controls, app::ProcessState& state) : controls_(controls), state_(state) {}
    // Connects the controls and menu items this class serves to its handlers.
    void connect_handlers();

private:
    app::Form1Controls& controls_;
    app::ProcessState& state_;
};

} // namespace colours
