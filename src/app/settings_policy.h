#pragma once

#include "core/main_window_controls.h"
#include "core/process_state.h"
#include "settings/settings.h"

namespace app {

// Applies the adults' settings to a main window that has started: the outlines kept, the actions
// allowed and the folder the save dialog starts in. With the default settings nothing changes.
void apply_settings(core::MainWindowControls& controls, core::ProcessState& state,
                    const settings::Settings& values);

} // namespace app
