#pragma once

#include "core/file_dialog_settings.h"
#include "core/resource_paths.h"
#include "history/file_dialog.h"
#include "platform/picture_control.h"

#include <QAction>
#include <functional>

namespace history {

// The controls saving and opening serve.
struct DrawingFileControls {
    platform::PictureControl* canvas = nullptr;                // saved, and replaced by an opened picture
    platform::PictureControl* opened_picture_buffer = nullptr; // holds an opened file until it is fitted
    platform::PictureControl* save_button = nullptr;
    platform::PictureControl* open_button = nullptr;
    QAction* save_action = nullptr; // "Сохранить"
    QAction* open_action = nullptr; // "Открыть/загрузить"
    core::FileDialogSettings* save_dialog = nullptr;
    core::FileDialogSettings* open_dialog = nullptr;
};

// Saving the canvas as a bitmap (save_drawing) and opening a bitmap as a drawing (open_drawing).
class DrawingFiles {
public:
    // Shows the page for colouring a drawing of one's own; `opened` tells whether a file was
    // opened into the canvas or the dialog was cancelled.
    using ShowOwnDrawing = std::function<void(bool opened)>;

    DrawingFiles(const DrawingFileControls& controls, const core::ResourcePaths& paths,
                 ShowOwnDrawing show_own_drawing);
    // Connects the save and open buttons and menu items to their handlers.
    void connect_handlers();
    // Replaces the modal dialogs, so tests can answer with a path or a cancel.
    void set_dialog_runner(FileDialogRunner runner) { run_dialog_ = std::move(runner); }

    void save_drawing();
    void open_drawing();

private:
    QString chosen_save_path();
    void open_drawing(const QString& path);

    DrawingFileControls controls_;
    const core::ResourcePaths& paths_;
    ShowOwnDrawing show_own_drawing_;
    FileDialogRunner run_dialog_;
};

} // namespace history
