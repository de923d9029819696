#include "skin/x11_desktop.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QWidget>
#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>

namespace skin {

namespace {

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename Reply> using ReplyPointer = std::unique_ptr<Reply, FreeReply>;

// The number of the X screen whose root window holds `window`, or -1.
int screen_number(xcb_connection_t* connection, xcb_window_t window)
{
    const ReplyPointer<xcb_query_tree_reply_t> tree(
        xcb_query_tree_reply(connection, xcb_query_tree(connection, window), nullptr));
    if (!tree)
        return -1;
    int number = 0;
    for (auto roots = xcb_setup_roots_iterator(xcb_get_setup(connection)); roots.rem > 0;
         xcb_screen_next(&roots), ++number)
        if (roots.data->root == tree->root)
            return number;
    return -1;
}

xcb_atom_t atom_named(xcb_connection_t* connection, const QByteArray& name)
{
    const ReplyPointer<xcb_intern_atom_reply_t> atom(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, name.size(), name.constData()), nullptr));
    return atom ? atom->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// The X connection of the application, or none off X11 (the offscreen platform may offer the
// interface without a connection of its own).
xcb_connection_t* x11_connection()
{
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    return x11->connection();
}

bool selection_owned(xcb_connection_t* connection, const QByteArray& selection)
{
    const xcb_atom_t atom = atom_named(connection, selection);
    if (atom == XCB_ATOM_NONE)
        return false;
    const ReplyPointer<xcb_get_selection_owner_reply_t> owner(
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, atom), nullptr));
    return owner && owner->owner != XCB_NONE;
}

} // namespace

bool translucency_blends(QWidget& window)
{
    xcb_connection_t* connection = x11_connection();
    if (connection == nullptr)
        return true;
    const int screen = screen_number(connection, static_cast<xcb_window_t>(window.winId()));
    return screen >= 0 && selection_owned(connection, "_NET_WM_CM_S" + QByteArray::number(screen));
}

std::optional<QMargins> frame_extents(const QWidget& window)
{
    xcb_connection_t* connection = x11_connection();
    if (connection == nullptr || !window.testAttribute(Qt::WA_WState_Created))
        return std::nullopt;
    const xcb_atom_t extents = atom_named(connection, "_NET_FRAME_EXTENTS");
    const ReplyPointer<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(connection,
                               xcb_get_property(connection, 0, static_cast<xcb_window_t>(window.winId()),
                                                extents, XCB_ATOM_CARDINAL, 0, 4),
                               nullptr));
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != 16)
        return std::nullopt;
    // Left, right, top, bottom.
    const auto* sides = static_cast<const quint32*>(xcb_get_property_value(reply.get()));
    return QMargins(int(sides[0]), int(sides[2]), int(sides[1]), int(sides[3]));
}

} // namespace skin
