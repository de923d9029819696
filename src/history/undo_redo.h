#pragma once

#include "app/form1_controls.h"
#include "app/process_state.h"

namespace history {

// One step of undo and redo through the snapshot files tmp.bmp and tmp1.bmp.
class UndoRedo {
public:
    UndoRedo(app::Form1Controls& controls, app::ProcessState& state) : controls_(controls), state_(state) {}
    // Connects the controls and menu items this class serves to its handlers.
    void connect_handlers();

private:
    app::Form1Controls& controls_;
    app::ProcessState& state_;
};

} // namespace history
