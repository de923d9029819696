#pragma once

#include "core/resource_paths.h"
#include "history/kept_outlines.h"
#include "history/unsaved_changes.h"
#include "widgets/picture_control.h"

#include <QAction>
#include <QString>

namespace history {

// The controls undo and redo serve.
struct UndoRedoControls {
    widgets::PictureControl* canvas = nullptr; // whose picture the snapshots hold
    widgets::PictureControl* undo_button = nullptr;
    widgets::PictureControl* redo_button = nullptr;
    QAction* undo_action = nullptr; // "Отменить"
    QAction* redo_action = nullptr; // "Повторить"
};

// One step of undo and redo through the snapshot files tmp.bmp and tmp1.bmp, and the outlines each
// step keeps when the setting keeps them.
class UndoRedo {
public:
    // Every undo and redo counts among the drawing's unsaved `changes`.
    UndoRedo(const UndoRedoControls& controls, const core::ResourcePaths& paths, UnsavedChanges& changes)
        : controls_(controls), paths_(paths), changes_(changes)
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

    // Whether each picture opened from now on keeps its outlines (the setting keep_outlines).
    void keep_outlines(bool keep) { outlines_.set_enabled(keep); }
    // The canvas shows a line drawing just opened: its history starts empty, and its pure black
    // pixels become the outlines kept.
    void line_drawing_opened();
    // The canvas shows a drawing just opened from a file: its history starts empty, and its thin
    // black lines become the outlines kept.
    void drawing_opened();
    // The history belongs to the page it was made on: leaving it offers neither swap, so no undo
    // or redo brings another page's drawing onto the next one.
    void forget();
    // The outlines no tool may change on the canvas; null when none are kept.
    const pixels::OutlineMask* kept_outlines() const { return outlines_.current(); }

private:
    // Writes the canvas to `save_to`, then shows `load_from` if it exists.
    void swap_canvas(const QString& save_to, const QString& load_from);

    UndoRedoControls controls_;
    const core::ResourcePaths& paths_;
    UnsavedChanges& changes_;
    KeptOutlines outlines_;
};

} // namespace history
