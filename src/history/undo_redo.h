#pragma once

#include "core/main_window_controls.h"
#include "core/process_state.h"
#include "history/unsaved_changes.h"

#include <QString>

namespace history {

// One step of undo and redo through the snapshot files tmp.bmp and tmp1.bmp.
class UndoRedo {
public:
    UndoRedo(core::MainWindowControls& controls, core::ProcessState& state, UnsavedChanges& changes)
        : controls_(controls), state_(state), changes_(changes)
    {
    }
    // Connects the controls and menu items this class serves to its handlers, and keeps each menu
    // item enabled exactly while its button is.
    void connect_handlers();

    // Undo by the button: offers redo instead of undo.
    void undo();
    // Redo by the button: offers undo instead of redo.
    void redo();
    // Menu "Отменить": the button's undo while it is offered, else nothing.
    void undo_from_menu();
    // Menu "Повторить": the button's redo while it is offered, else nothing.
    void redo_from_menu();

private:
    // Writes the canvas to `save_to`, then shows `load_from` if it exists.
    void swap_canvas(const QString& save_to, const QString& load_from);

    core::MainWindowControls& controls_;
    core::ProcessState& state_;
    UnsavedChanges& changes_;
};

} // namespace history
