#pragma once

#include "core/allowances.h"
#include "core/file_dialog_settings.h"
#include "core/resource_paths.h"
#include "history/file_dialog.h"
#include "history/unsaved_changes.h"
#include "widgets/picture_control.h"

#include <QAction>
#include <QDateTime>
#include <functional>

namespace history {

// The controls saving and opening serve.
struct DrawingFileControls {
    widgets::PictureControl* canvas = nullptr; // saved, and replaced by an opened picture
    widgets::PictureControl* save_button = nullptr;
    widgets::PictureControl* open_button = nullptr;
    QAction* save_action = nullptr; // "Сохранить"
    QAction* open_action = nullptr; // "Открыть/загрузить"
    core::FileDialogSettings* save_dialog = nullptr;
    core::FileDialogSettings* open_dialog = nullptr;
};

// Saving the canvas as a bitmap (save_drawing) and opening a bitmap as a drawing (open_drawing),
// through the file dialogs or, in the gallery mode, without them: a save goes at once into the
// drawings folder under the page's place and the time, and opening shows that folder's drawings.
class DrawingFiles {
public:
    // Shows the page for colouring a drawing of one's own; `opened` tells whether a file was
    // opened into the canvas or the dialog was cancelled.
    using ShowOwnDrawing = std::function<void(bool opened)>;

    // Saving or opening a drawing leaves no unsaved `changes`.
    // Owns where drawings are saved (`paths.drawings_dir`); saves and opens only what `allowed`
    // allows.
    DrawingFiles(const DrawingFileControls& controls, core::ResourcePaths& paths,
                 const core::Allowances& allowed, UnsavedChanges& changes, ShowOwnDrawing show_own_drawing);
    // Connects the save and open buttons and menu items to their handlers.
    void connect_handlers();
    // Replaces the modal dialogs, so tests can answer with a path or a cancel.
    void set_dialog_runner(FileDialogRunner runner) { run_dialog_ = std::move(runner); }
    // The page of drawings that opening shows in the gallery mode.
    void set_gallery_runner(GalleryRunner runner) { run_gallery_ = std::move(runner); }
    // The time a drawing's name carries; the wall clock unless a test sets another.
    void set_clock(std::function<QDateTime()> clock) { clock_ = std::move(clock); }
    // Told after every save that wrote its file.
    void set_saved_listener(std::function<void()> listener) { saved_ = std::move(listener); }
    // Asked before a drawing is opened from a file; without it, opening always goes on.
    void set_replace_check(ReplaceCheck check) { may_replace_ = std::move(check); }

    // A disallowed action is not offered: its button ignores the mouse and keeps its plain look
    // (the highlighting leaves a disabled bar button alone), its menu item and its key are greyed.
    void show_allowances();
    // Drawings are saved in `folder` (absolute): the save dialog starts there, and the open dialog
    // offers it. Empty keeps the usual folder.
    void use_drawings_folder(const QString& folder);
    // The gallery mode: saving and opening without the file dialogs (see the class).
    void use_gallery(bool on) { gallery_ = on; }
    // A new drawing of `place` (a catalogue picture's name) is on the canvas: its first save in the
    // gallery mode makes a new file, and the saves after it write over that file.
    void start_drawing(const QString& place);

    // True when the drawing was written, false when the dialog was cancelled or saving is not
    // allowed.
    bool save_drawing();
    void open_drawing();
    // The file the drawing on the canvas was last opened from.
    const QString& opened_path() const { return opened_path_; }

private:
    QString chosen_save_path();
    // The drawing's own file in the drawings folder, named when it is first saved.
    QString gallery_save_path();
    // After a failed first save, the empty file that held the drawing's name is removed and the
    // next save names it anew.
    void forget_unwritten_claim(const QString& path);
    // The file to open, from the gallery in the gallery mode (or the dialog it leads to), otherwise
    // from the open dialog; empty when none was chosen.
    QString chosen_open_path();
    void open_drawing(const QString& path);

    DrawingFileControls controls_;
    core::ResourcePaths& paths_;
    const core::Allowances& allowed_;
    UnsavedChanges& changes_;
    ShowOwnDrawing show_own_drawing_;
    FileDialogRunner run_dialog_;
    GalleryRunner run_gallery_;
    ReplaceCheck may_replace_ = [] { return true; };
    QString opened_path_;
    std::function<QDateTime()> clock_ = [] { return QDateTime::currentDateTime(); };
    std::function<void()> saved_;
    bool gallery_ = false;
    QString place_;
    QString drawing_file_;
};

} // namespace history
