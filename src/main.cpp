#include "app/form1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Колоритон"));
    app::TForm1 form(QCoreApplication::applicationDirPath());
    form.show();
    return application.exec();
}
