#pragma once

#include "app/main_window_controls.h"
#include "core/resource_paths.h"
#include "settings/settings.h"

namespace history {
class UndoRedo;
}

namespace app {

// Applies the adults' settings to a main window that has started: the outlines `history` keeps,
// the actions allowed and the folder the save dialog starts in. With the default settings nothing
// changes.
void apply_settings(MainWindowControls& controls, core::ResourcePaths& paths, history::UndoRedo& history,
                    const settings::Settings& values);

} // namespace app
