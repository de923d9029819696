#pragma once

#include "app/form1_controls.h"
#include "app/process_state.h"

#include <cstdint>

namespace colours {

// The eight paint jars and the shade strip.
class ColourPanel {
public:
    ColourPanel(app::Form1Controls& controls, app::ProcessState& state) : controls_(controls), state_(state)
    {
    }
    // Connects the controls and menu items this class serves to its handlers.
    void connect_handlers();

    void Image4MouseDown() { select_jar(1); }
    void Image5Click() { select_jar(2); }
    void Image6Click() { select_jar(3); }
    void Image7Click() { select_jar(4); }
    void Image8Click() { select_jar(5); }
    void Image9Click() { select_jar(6); }
    void Image10Click() { select_jar(7); }
    void Image45MouseDown() { select_jar(8); }
    // Takes the shade under the pointer, (x, y) being the strip picture's own pixel.
    void Image11MouseDown(int x, int y);

private:
    void select_jar(std::int32_t index);

    app::Form1Controls& controls_;
    app::ProcessState& state_;
};

} // namespace colours
