#pragma once

#include "app/main_window_controls.h"
#include "core/process_state.h"

#include <QSet>

namespace app {

// The scroll, undo/redo and bottom-bar buttons change their picture while the mouse is over them.
// Every pass reads the picture file again; nothing is cached. A picture that cannot be loaded is
// reported the first time only: the message box closing under the pointer would otherwise bring
// the next pass and the next box, for ever.
class Highlighting {
public:
    Highlighting(app::MainWindowControls& controls, core::ProcessState& state)
        : controls_(controls), state_(state)
    {
    }
    // Connects the enter and leave of the nine buttons.
    void connect_handlers();

    // How one button reacts to the mouse: the file it loads on entering, and on leaving either
    // the file it loads or, when empty, a cleared picture that lets the art beneath show through.
    struct Button {
        app::MainWindowControls::Picture* app::MainWindowControls::*control;
        QString core::ResourcePaths::*directory;
        const char* enter_file;
        const char* leave_file;
        // Undo and redo keep the picture the history gave them while they are disabled.
        bool only_while_enabled;
    };

private:
    void mouse_enter(const Button& button);
    void mouse_leave(const Button& button);
    void load_picture(platform::PictureControl* control, const QString& path);

    app::MainWindowControls& controls_;
    core::ProcessState& state_;
    QSet<QString> reported_failures_;
};

} // namespace app
