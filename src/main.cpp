#include "app/command_line.h"
#include "app/main_window.h"
#include "app/qt_translations.h"
#include "skin/skin_manager.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Колоритон"));
    const app::StartOptions options = app::read_command_line(QApplication::arguments());
    app::install_qt_translations(application);
    app::MainWindow form(QCoreApplication::applicationDirPath());
    // The skin comes after every window exists, so the windows are created in their plain look.
    form.skin_manager().set_skin_directory(form.state().paths.skin_dir());
    form.skin_manager().set_skin_name(QStringLiteral("MacOS"));
    form.show();
    form.set_whole_screen(options.whole_screen);
    return application.exec();
}
