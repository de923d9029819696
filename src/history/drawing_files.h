#pragma once

#include "app/form1_controls.h"
#include "app/process_state.h"
#include "history/file_dialog.h"

namespace history {

// Saving the canvas as a bitmap (Image30Click) and opening a bitmap as a drawing (Image31Click).
class DrawingFiles {
public:
    DrawingFiles(app::Form1Controls& controls, app::ProcessState& state);
    // Connects the save and open buttons and menu items to their handlers.
    void connect_handlers();
    // Replaces the modal dialogs, so tests can answer with a path or a cancel.
    void set_dialog_runner(FileDialogRunner runner) { run_dialog_ = std::move(runner); }

    void Image30Click();
    void Image31Click();

private:
    QString chosen_save_path();
    void open_drawing(const QString& path);
    void enter_drawing_setup();

    app::Form1Controls& controls_;
    app::ProcessState& state_;
    FileDialogRunner run_dialog_;
};

} // namespace history
