#pragma once

#include "core/main_window_controls.h"
#include "core/process_state.h"
#include "history/file_dialog.h"

namespace history {

// Saving the canvas as a bitmap (save_drawing) and opening a bitmap as a drawing (open_drawing).
class DrawingFiles {
public:
    DrawingFiles(core::MainWindowControls& controls, core::ProcessState& state);
    // Connects the save and open buttons and menu items to their handlers.
    void connect_handlers();
    // Replaces the modal dialogs, so tests can answer with a path or a cancel.
    void set_dialog_runner(FileDialogRunner runner) { run_dialog_ = std::move(runner); }

    void save_drawing();
    void open_drawing();

private:
    QString chosen_save_path();
    void open_drawing(const QString& path);
    void enter_drawing_setup();

    core::MainWindowControls& controls_;
    core::ProcessState& state_;
    FileDialogRunner run_dialog_;
};

} // namespace history
