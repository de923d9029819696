#include "app/settings_policy.h"

#include "history/undo_redo.h"

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

void apply_allowances(MainWindowControls& controls, const settings::Settings& values)
{
    allow_action(values.allow_printing, controls.print_button, controls.print_action);
    allow_action(values.allow_saving, controls.save_button, controls.save_action);
    allow_action(values.allow_opening, controls.open_button, controls.open_action);
}

void apply_drawings_folder(MainWindowControls& controls, core::ResourcePaths& paths, const QString& folder)
{
    if (folder.isEmpty())
        return;
    paths.drawings_dir = QDir(folder).absolutePath() + '/';
    controls.save_dialog.initial_dir = paths.save_dir();
}

} // namespace

void apply_settings(MainWindowControls& controls, core::ResourcePaths& paths, history::UndoRedo& history,
                    const settings::Settings& values)
{
    history.keep_outlines(values.keep_outlines);
    apply_allowances(controls, values);
    apply_drawings_folder(controls, paths, values.drawings_folder);
}

} // namespace app
