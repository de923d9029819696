#pragma once

#include "app/form1_controls.h"
#include "app/process_state.h"

namespace drawing {

// The canvas Image1: press, move and release with every tool, shapes included.
class Canvas {
public:
    Canvas(app::Form1Controls& controls, app::ProcessState& state) : controls_(controls), state_(state) {}
    // Connects the controls and menu items this class serves to its handlers.
    void connect_handlers();

private:
    app::Form1Controls& controls_;
    app::ProcessState& state_;
};

} // namespace drawing
