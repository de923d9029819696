#pragma once

#include "core/resource_paths.h"
#include "history/kept_outlines.h"
#include "history/step_stack.h"
#include "history/unsaved_changes.h"
#include "widgets/picture_control.h"

#include <QAction>
#include <QString>
#include <functional>

namespace history {

// The controls undo and redo serve.
struct UndoRedoControls {
    widgets::PictureControl* canvas = nullptr; // whose picture the snapshots hold
    widgets::PictureControl* undo_button = nullptr;
    widgets::PictureControl* redo_button = nullptr;
    QAction* undo_action = nullptr; // "Отменить"
    QAction* redo_action = nullptr; // "Повторить"
};

// Undo and redo of the page's drawing, and the outlines each step keeps when the setting keeps
// them. One step (the default) goes through the snapshot files tmp.bmp and tmp1.bmp; more steps
// are kept in memory (StepStack), and an undo back to the drawing as saved leaves it saved.
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

    // How many steps undo can go back (the setting undo_steps, 1 to 50); the history starts empty.
    void keep_steps(int steps);
    // Called after every change of the canvas by a gesture, an undo or a redo.
    void set_change_listener(std::function<void()> listener) { changed_ = std::move(listener); }
    // A gesture that changed the canvas has ended.
    void gesture_changed_canvas();

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
    bool in_memory() const { return steps_.limit() > 1; }
    // The step of `steps_` that undo or redo brings back, shown on the canvas.
    void show_step(Step step);
    // Offers each swap exactly while the history has it; a button no longer offered shows its
    // black and white picture.
    void offer_steps();

    UndoRedoControls controls_;
    const core::ResourcePaths& paths_;
    UnsavedChanges& changes_;
    KeptOutlines outlines_;
    StepStack steps_;
    std::function<void()> changed_;
};

} // namespace history
