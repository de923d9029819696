#include "app/command_line.h"
#include "app/main_window.h"
#include "app/qt_translations.h"
#include "skin/skin_manager.h"

#include <QApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    const app::CommandLine command_line(app::arguments_of(argc, argv));
    if (command_line.runs_without_window()) {
        // Tasks of the command line need no display: they run under a core application only.
        QCoreApplication core(argc, argv);
        QTextStream out(stdout);
        QTextStream err(stderr);
        return command_line.run_without_window(out, err);
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Колоритон"));
    app::install_qt_translations(application);
    app::MainWindow form(QCoreApplication::applicationDirPath());
    // The skin comes after every window exists, so the windows are created in their plain look.
    form.skin_manager().set_skin_directory(form.state().paths.skin_dir());
    form.skin_manager().set_skin_name(QStringLiteral("MacOS"));
    form.show();
    return application.exec();
}
