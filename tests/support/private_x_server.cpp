#include "support/private_x_server.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>
#include <QWidget>
#include <cstdio>
#include <xcb/xcb.h>

namespace testing_support {

namespace {

const char* const desktop_variable = "KOLORITON_X_DESKTOP";
constexpr int start_timeout_ms = 20000;

void stop(QProcess& process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished();
    }
}

// "1366x768;0;1.5;1": what a child reads back with current_desktop().
QString encode(const XDesktop& desktop)
{
    return QStringLiteral("%1x%2;%3;%4;%5")
        .arg(desktop.screen.width())
        .arg(desktop.screen.height())
        .arg(desktop.compositor ? 1 : 0)
        .arg(desktop.scale)
        .arg(desktop.window_manager ? 1 : 0);
}

} // namespace

QString XDesktop::name() const
{
    QString text = QStringLiteral("%1x%2").arg(screen.width()).arg(screen.height());
    if (compositor)
        text += QStringLiteral(" composited");
    if (scale != 1.0)
        text += QStringLiteral(" x%1").arg(scale);
    if (!window_manager)
        text += QStringLiteral(" bare");
    return text;
}

PrivateXServer::PrivateXServer(const XDesktop& desktop) : desktop_(desktop)
{
    if (!dir_.isValid()) {
        failure_ = QStringLiteral("no temporary folder");
        return;
    }
    if (!start_server())
        return;
    if (desktop_.window_manager &&
        (!start_manager(window_manager_, QStringLiteral("openbox"), {QStringLiteral("--sm-disable")}) ||
         !wait_for_selection_owner("WM_S0")))
        return;
    if (desktop_.compositor && (!start_manager(compositor_, QStringLiteral("xcompmgr"), {}) ||
                                !wait_for_selection_owner("_NET_WM_CM_S0")))
        return;
}

PrivateXServer::~PrivateXServer()
{
    stop(compositor_);
    stop(window_manager_);
    stop(server_);
}

bool PrivateXServer::start_server()
{
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty()) {
        failure_ = QStringLiteral("Xvfb is not installed");
        return false;
    }
    const QString screen =
        QStringLiteral("%1x%2x24").arg(desktop_.screen.width()).arg(desktop_.screen.height());
    // -displayfd 1: the server picks a free display and writes its number on its standard output.
    server_.start(xvfb, {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                         QStringLiteral("0"), screen, QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    const QDeadlineTimer deadline(start_timeout_ms);
    while (!server_.canReadLine() && !deadline.hasExpired() && server_.state() != QProcess::NotRunning)
        server_.waitForReadyRead(100);
    const QString number = QString::fromLatin1(server_.readLine()).trimmed();
    if (number.isEmpty()) {
        failure_ =
            QStringLiteral("Xvfb did not start: ") + QString::fromLocal8Bit(server_.readAllStandardError());
        return false;
    }
    display_ = QLatin1Char(':') + number;
    return true;
}

QProcessEnvironment PrivateXServer::environment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), display_);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), dir_.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), dir_.filePath(QStringLiteral("cache")));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    if (desktop_.scale != 1.0)
        environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::number(desktop_.scale));
    environment.insert(QString::fromLatin1(desktop_variable), encode(desktop_));
    // libxkbcommon-x11 copies X atom names with strndup from buffers without a terminating zero, as
    // strndup allows; AddressSanitizer's strict string checks would report every copy.
    const QString sanitizer_options = QStringLiteral("ASAN_OPTIONS");
    if (environment.contains(sanitizer_options))
        environment.insert(sanitizer_options,
                           environment.value(sanitizer_options) + QStringLiteral(":strict_string_checks=0"));
    return environment;
}

QImage PrivateXServer::window_pixels(quint32 window, const QRect& area) const
{
    xcb_connection_t* connection = xcb_connect(display_.toLatin1().constData(), nullptr);
    xcb_get_image_reply_t* reply = xcb_get_image_reply(
        connection,
        xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, window, static_cast<int16_t>(area.x()),
                      static_cast<int16_t>(area.y()), static_cast<uint16_t>(area.width()),
                      static_cast<uint16_t>(area.height()), ~0U),
        nullptr);
    QImage image;
    // A 24-bit screen gives 32 bits a pixel, as QImage::Format_RGB32 holds them.
    if (reply != nullptr && xcb_get_image_data_length(reply) == area.width() * area.height() * 4)
        image = QImage(xcb_get_image_data(reply), area.width(), area.height(), area.width() * 4,
                       QImage::Format_RGB32)
                    .copy();
    free(reply);
    xcb_disconnect(connection);
    return image;
}

bool PrivateXServer::start_manager(QProcess& process, const QString& program, const QStringList& arguments)
{
    const QString path = QStandardPaths::findExecutable(program);
    if (path.isEmpty()) {
        failure_ = program + QStringLiteral(" is not installed");
        return false;
    }
    process.setProcessEnvironment(environment());
    process.setStandardOutputFile(dir_.filePath(program + QStringLiteral(".log")));
    process.setStandardErrorFile(dir_.filePath(program + QStringLiteral(".log")), QIODevice::Append);
    process.start(path, arguments);
    if (!process.waitForStarted(start_timeout_ms)) {
        failure_ = program + QStringLiteral(" did not start");
        return false;
    }
    return true;
}

// A window manager owns WM_S0 once it manages the screen, a compositing manager _NET_WM_CM_S0.
bool PrivateXServer::wait_for_selection_owner(const QByteArray& selection)
{
    xcb_connection_t* connection = xcb_connect(display_.toLatin1().constData(), nullptr);
    bool owned = false;
    const QDeadlineTimer deadline(start_timeout_ms);
    while (!xcb_connection_has_error(connection) && !owned && !deadline.hasExpired()) {
        xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, selection.size(), selection.constData()), nullptr);
        xcb_get_selection_owner_reply_t* owner =
            atom ? xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, atom->atom),
                                                 nullptr)
                 : nullptr;
        owned = owner != nullptr && owner->owner != XCB_NONE;
        free(owner);
        free(atom);
        if (!owned)
            QThread::msleep(50);
    }
    xcb_disconnect(connection);
    if (!owned)
        failure_ = QStringLiteral("nothing took the X selection ") + QString::fromLatin1(selection);
    return owned;
}

QRect frame_on_screen(const QWidget& window)
{
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    xcb_window_t top = static_cast<xcb_window_t>(window.winId());
    xcb_query_tree_reply_t* tree = nullptr;
    // Up from the window to the ancestor whose parent is the root window.
    while ((tree = xcb_query_tree_reply(connection, xcb_query_tree(connection, top), nullptr)) != nullptr &&
           tree->parent != tree->root) {
        top = tree->parent;
        free(tree);
    }
    free(tree);
    xcb_get_geometry_reply_t* geometry =
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, top), nullptr);
    QRect frame;
    if (geometry != nullptr)
        frame = QRect(geometry->x, geometry->y, geometry->width + 2 * geometry->border_width,
                      geometry->height + 2 * geometry->border_width);
    free(geometry);
    xcb_disconnect(connection);
    return frame;
}

bool on_private_desktop()
{
    return qEnvironmentVariableIsSet(desktop_variable);
}

XDesktop current_desktop()
{
    const QStringList parts = qEnvironmentVariable(desktop_variable).split(QLatin1Char(';'));
    XDesktop desktop;
    if (parts.size() != 4)
        return desktop;
    const QStringList size = parts[0].split(QLatin1Char('x'));
    desktop.screen = QSize(size.value(0).toInt(), size.value(1).toInt());
    desktop.compositor = parts[1] == QLatin1String("1");
    desktop.scale = parts[2].toDouble();
    desktop.window_manager = parts[3] == QLatin1String("1");
    return desktop;
}

int run_on_desktops(int argc, char** argv, const QList<XDesktop>& desktops, int (*run_tests)(int, char**))
{
    if (on_private_desktop())
        return run_tests(argc, argv);
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const QString self = QFileInfo(QString::fromLocal8Bit(argv[0])).absoluteFilePath();
    int failed = 0;
    for (const XDesktop& desktop : desktops) {
        std::printf("=== desktop %s\n", qPrintable(desktop.name()));
        std::fflush(stdout);
        PrivateXServer server(desktop);
        if (!server.failure().isEmpty()) {
            std::printf("FAIL!  : private X server for %s: %s\n", qPrintable(desktop.name()),
                        qPrintable(server.failure()));
            ++failed;
            continue;
        }
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.setProcessEnvironment(server.environment());
        child.start(self, arguments);
        child.waitForFinished(-1);
        if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0)
            ++failed;
    }
    return failed == 0 ? 0 : 1;
}

} // namespace testing_support
