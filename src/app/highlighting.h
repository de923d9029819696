#pragma once

#include "core/resource_paths.h"
#include "widgets/picture_control.h"

#include <QSet>

namespace app {

// The buttons whose picture follows the mouse.
struct HighlightControls {
    widgets::PictureControl* strip_down_button;
    widgets::PictureControl* strip_up_button;
    widgets::PictureControl* undo_button;
    widgets::PictureControl* redo_button;
    widgets::PictureControl* home_button;
    widgets::PictureControl* print_button;
    widgets::PictureControl* open_button;
    widgets::PictureControl* save_button;
    widgets::PictureControl* exit_button;
};

// The scroll, undo/redo and bottom-bar buttons change their picture while the mouse is over them.
// Every pass reads the picture file again; nothing is cached. A picture that cannot be loaded is
// reported the first time only: the message box closing under the pointer would otherwise bring
// the next pass and the next box, for ever.
class Highlighting {
public:
    Highlighting(const HighlightControls& controls, const core::ResourcePaths& paths)
        : controls_(controls), paths_(paths)
    {
    }
    // Connects the enter and leave of the nine buttons.
    void connect_handlers();

    // How one button reacts to the mouse: the file it loads on entering, and on leaving either
    // the file it loads or, when empty, a cleared picture that lets the art beneath show through.
    struct Button {
        widgets::PictureControl* HighlightControls::*control;
        QString core::ResourcePaths::*directory;
        const char* enter_file;
        const char* leave_file;
        // Undo and redo keep the picture the history gave them while they are disabled; print,
        // open and save, disabled only when the settings disallow them, keep their plain look.
        bool only_while_enabled;
    };

private:
    void mouse_enter(const Button& button);
    void mouse_leave(const Button& button);
    void load_picture(widgets::PictureControl* control, const QString& path);

    HighlightControls controls_;
    const core::ResourcePaths& paths_;
    QSet<QString> reported_failures_;
};

} // namespace app
