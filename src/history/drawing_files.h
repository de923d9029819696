#pragma once

#include "app/form1_controls.h"
#include "app/process_state.h"

namespace history {

// Saving the canvas as a bitmap (Image30Click) and opening a bitmap as a drawing (Image31Click).
class DrawingFiles {
public:
    DrawingFiles(app::Form1Controls& controls, app::ProcessState& state) : controls_(controls), state_(state) {}
    // Connects the controls and menu items this class serves to its handlers.
    void connect_handlers();

private:
    app::Form1Controls& controls_;
    app::ProcessState& state_;
};

} // namespace history
