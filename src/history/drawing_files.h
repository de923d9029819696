#pragma once

#include "core/main_window_controls.h"
#include "core/process_state.h"
#include "history/file_dialog.h"
#include "history/unsaved_changes.h"

namespace history {

// Saving the canvas as a bitmap (save_drawing) and opening a bitmap as a drawing (open_drawing).
class DrawingFiles {
public:
    DrawingFiles(core::MainWindowControls& controls, core::ProcessState& state, UnsavedChanges& changes);
    // Connects the save and open buttons and menu items to their handlers.
    void connect_handlers();
    // Replaces the modal dialogs, so tests can answer with a path or a cancel.
    void set_dialog_runner(FileDialogRunner runner) { run_dialog_ = std::move(runner); }
    // Asked before a drawing is opened from a file; without it, opening always goes on.
    void set_replace_check(ReplaceCheck check) { may_replace_ = std::move(check); }

    // True when the drawing was written, false when the dialog was cancelled.
    bool save_drawing();
    void open_drawing();

private:
    QString chosen_save_path();
    void open_drawing(const QString& path);
    void enter_drawing_setup();

    core::MainWindowControls& controls_;
    core::ProcessState& state_;
    UnsavedChanges& changes_;
    FileDialogRunner run_dialog_;
    ReplaceCheck may_replace_ = [] { return true; };
};

} // namespace history
