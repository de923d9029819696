#pragma once

#include "app/form1_controls.h"
#include "app/process_state.h"

#include <QString>

namespace history {

// One step of undo and redo through the snapshot files tmp.bmp and tmp1.bmp.
class UndoRedo {
public:
    UndoRedo(app::Form1Controls& controls, app::ProcessState& state) : controls_(controls), state_(state) {}
    // Connects the controls and menu items this class serves to its handlers.
    void connect_handlers();

    // Undo by the button: offers redo instead of undo.
    void Image46MouseDown();
    // Redo by the button: offers undo instead of redo.
    void Image47MouseDown();
    // Menu "Отменить": the canvas swap alone, the buttons stay as they are.
    void N8Click();
    // Menu "Повторить": the canvas swap alone, the buttons stay as they are.
    void N9Click();

private:
    // Writes the canvas to `save_to`, then shows `load_from` if it exists.
    void swap_canvas(const QString& save_to, const QString& load_from);

    app::Form1Controls& controls_;
    app::ProcessState& state_;
};

} // namespace history
