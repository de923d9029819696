#include "app/command_line.h"
#include "app/main_window.h"
#include "app/qt_translations.h"
#include "core/application_icon.h"
#include "core/resource_paths.h"
#include "core/interface_language.h"
#include "settings/settings_files.h"
#include "settings/settings_window.h"
#include "skin/skin_manager.h"

#include <QApplication>
#include <QTextStream>

namespace {

// The adults' window, started from the desktop menu's "Настройки".
int run_settings_window(QApplication& application)
{
    QApplication::setWindowIcon(core::application_icon());
    settings::SettingsWindow window(settings::SettingsFiles::from_environment());
    window.show();
    return application.exec();
}

// The child's window, with the settings the files give at this start; on the whole screen when the
// command line or the settings ask for it, or the window has no room on the screen.
int run_main_window(QApplication& application, bool whole_screen)
{
    const settings::LoadedSettings loaded =
        settings::load_settings(settings::SettingsFiles::from_environment());
    app::MainWindow form(QCoreApplication::applicationDirPath());
    form.apply_settings(loaded.values, loaded.locked);
    form.keep_recovery_record(core::recovery_dir());
    // The skin comes after every window exists, so the windows are created in their plain look.
    form.skin_manager().set_skin_directory(form.state().paths.skin_dir());
    form.skin_manager().set_skin_name(QStringLiteral("MacOS"));
    form.show_on_screen(whole_screen || loaded.values.whole_screen);
    return application.exec();
}

// Speaks the language the settings or the desktop ask for; the settings' problems are told later,
// in that language.
void use_interface_language(QCoreApplication& application)
{
    const QString setting =
        settings::load_settings(settings::SettingsFiles::from_environment(), [](const QString&) {
        }).values.language;
    app::use_interface_language(application, setting,
                                core::translations_dir_for_program(QCoreApplication::applicationDirPath()));
}

} // namespace

int main(int argc, char* argv[])
{
    const QStringList arguments = app::arguments_of(argc, argv);
    if (app::CommandLine(arguments).runs_without_window()) {
        // Tasks of the command line need no display: they run under a core application only.
        QCoreApplication core(argc, argv);
        use_interface_language(core);
        // Read again now that its options' texts are in the chosen language.
        const app::CommandLine command_line(arguments);
        QTextStream out(stdout);
        QTextStream err(stderr);
        return command_line.run_without_window(out, err);
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Колоритон"));
    use_interface_language(application);
    QApplication::setApplicationDisplayName(QCoreApplication::translate("main", "Колоритон"));
    const app::CommandLine command_line(arguments);
    if (command_line.asks_for_settings_window())
        return run_settings_window(application);
    return run_main_window(application, command_line.asks_for_whole_screen());
}
