#pragma once

#include <QApplication>
#include <QImage>
#include <QList>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QSize>
#include <QString>
#include <QTemporaryDir>

namespace testing_support {

// A desktop a test runs on: the screen's size, whether a compositing manager runs, the scale Qt
// applies (QT_SCALE_FACTOR) and whether a window manager runs (not in a kiosk session).
struct XDesktop {
    QSize screen{1366, 768};
    bool compositor = false;
    double scale = 1.0;
    bool window_manager = true;

    // "1366x768", "1366x768 composited", "1920x1080 x1.5", "1024x600 bare": a name for test output.
    QString name() const;
};

// An X server of the test's own (Xvfb on a display it picks itself) with a window manager
// (openbox) unless the desktop has none and, when asked, a compositing manager (xcompmgr), all
// with their configuration in a temporary folder, started on construction and stopped on
// destruction. The machine's own display and desktop are never used.
class PrivateXServer {
public:
    explicit PrivateXServer(const XDesktop& desktop);
    ~PrivateXServer();
    PrivateXServer(const PrivateXServer&) = delete;
    PrivateXServer& operator=(const PrivateXServer&) = delete;

    // Empty when the server and its managers run; otherwise what went wrong.
    QString failure() const { return failure_; }
    // ":N".
    QString display() const { return display_; }
    // The environment of a Qt program shown on this server.
    QProcessEnvironment environment() const;
    // What the server shows of `area` of the X window `window` (window coordinates), windows over
    // it included; null when the server cannot give it.
    QImage window_pixels(quint32 window, const QRect& area) const;

private:
    bool start_server();
    bool start_manager(QProcess& process, const QString& program, const QStringList& arguments);
    bool wait_for_selection_owner(const QByteArray& selection);

    XDesktop desktop_;
    QTemporaryDir dir_;
    QProcess server_;
    QProcess window_manager_;
    QProcess compositor_;
    QString display_;
    QString failure_;
};

// The rectangle the window takes on the screen with the window manager's frame, as the X server
// of the DISPLAY has it: the window's top-level ancestor below the root window. Empty when the
// window is not on that server.
QRect frame_on_screen(const QWidget& window);

// True when this process runs inside run_on_desktops' X server, which desktop it is.
bool on_private_desktop();
XDesktop current_desktop();

// The main of a test executable whose tests need a real X server: run without arguments from
// CTest, it starts a private X server for each desktop in turn and runs itself inside it with
// QT_QPA_PLATFORM=xcb; the test class runs once per desktop. Fails when any run fails.
int run_on_desktops(int argc, char** argv, const QList<XDesktop>& desktops, int (*run_tests)(int, char**));

} // namespace testing_support

// QTEST_MAIN for a test class that runs on each of `...` (XDesktop values).
#define KOLORITON_X_TEST_MAIN(TestClass, ...)                                                                \
    int main(int argc, char** argv)                                                                          \
    {                                                                                                        \
        return testing_support::run_on_desktops(argc, argv, {__VA_ARGS__}, [](int count, char** arguments) { \
            QApplication app(count, arguments);                                                              \
            TestClass test;                                                                                  \
            QTEST_SET_MAIN_SOURCE_PATH                                                                       \
            return QTest::qExec(&test, count, arguments);                                                    \
        });                                                                                                  \
    }
