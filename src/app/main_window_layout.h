#pragma once

#include "app/main_window_controls.h"

class QWidget;

namespace app {

// Creates every control of the main window as a child of `client` in the layout order (a later
// control is drawn above an earlier one), with its geometry, design picture, display flags, hint,
// cursor and initial enabled and visible state. Design pictures are loaded inside the error guard.
void create_layout(app::MainWindowControls& controls, QWidget* client);

} // namespace app
