#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Колоритон"));
    QWidget window;
    window.setWindowTitle(QStringLiteral("Колоритон"));
    window.setFixedSize(997, 698);
    window.show();
    return application.exec();
}
