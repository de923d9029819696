#pragma once

#include "core/resource_paths.h"
#include "platform/picture_control.h"

#include <QAction>
#include <QString>

namespace history {

// The controls undo and redo serve.
struct UndoRedoControls {
    platform::PictureControl* canvas = nullptr; // whose picture the snapshots hold
    platform::PictureControl* undo_button = nullptr;
    platform::PictureControl* redo_button = nullptr;
    QAction* undo_action = nullptr; // "Отменить"
    QAction* redo_action = nullptr; // "Повторить"
};

// One step of undo and redo through the snapshot files tmp.bmp and tmp1.bmp.
class UndoRedo {
public:
    UndoRedo(const UndoRedoControls& controls, const core::ResourcePaths& paths)
        : controls_(controls), paths_(paths)
    {
    }
    // Connects the controls and menu items this class serves to its handlers, and keeps each menu
    // item enabled exactly while its button is.
    void connect_handlers();

    // Writes the canvas picture to the undo snapshot and then offers undo; a failed write throws
    // FileError and leaves the button and the previous snapshot as they were.
    void take_snapshot();
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

    UndoRedoControls controls_;
    const core::ResourcePaths& paths_;
};

} // namespace history
