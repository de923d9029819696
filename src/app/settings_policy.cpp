#include "app/settings_policy.h"

#include <QDir>

namespace app {

namespace {

// A disallowed action is not offered: its button ignores the mouse and keeps its plain look (the
// highlighting leaves a disabled bar button alone), its menu item and its key are greyed.
void allow_action(bool allowed, platform::PictureControl* button, QAction* action)
{
    if (allowed)
        return;
    button->setEnabled(false);
    action->setEnabled(false);
}

void apply_allowances(core::MainWindowControls& controls, const settings::Settings& values)
{
    allow_action(values.allow_printing, controls.print_button, controls.print_action);
    allow_action(values.allow_saving, controls.save_button, controls.save_action);
    allow_action(values.allow_opening, controls.open_button, controls.open_action);
}

void apply_drawings_folder(core::MainWindowControls& controls, core::ProcessState& state,
                           const QString& folder)
{
    if (folder.isEmpty())
        return;
    state.paths.drawings_dir = QDir(folder).absolutePath() + '/';
    controls.save_dialog.initial_dir = state.paths.save_dir();
}

} // namespace

void apply_settings(core::MainWindowControls& controls, core::ProcessState& state,
                    const settings::Settings& values)
{
    state.outlines.set_enabled(values.keep_outlines);
    apply_allowances(controls, values);
    apply_drawings_folder(controls, state, values.drawings_folder);
}

} // namespace app
