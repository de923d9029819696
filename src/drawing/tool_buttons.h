#pragma once

#include "app/form1_controls.h"
#include "app/process_state.h"

namespace drawing {

// The ten tool buttons: brush, fill, eraser, pipette and the six shapes.
class ToolButtons {
public:
    ToolButtons(app::Form1Controls& controls, app::ProcessState& state) : controls_(controls), state_(state) {}
    // Connects the controls and menu items this class serves to its handlers.
    void connect_handlers();

private:
    app::Form1Controls& controls_;
    app::ProcessState& state_;
};

} // namespace drawing
