#include "skin/window_compositing.h"

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
template <typename Reply>
using ReplyPointer = std::unique_ptr<Reply, FreeReply>;

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

bool selection_owned(xcb_connection_t* connection, const QByteArray& selection)
{
    const ReplyPointer<xcb_intern_atom_reply_t> atom(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, selection.size(), selection.constData()), nullptr));
    if (!atom)
        return false;
    const ReplyPointer<xcb_get_selection_owner_reply_t> owner(
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, atom->atom), nullptr));
    return owner && owner->owner != XCB_NONE;
}

} // namespace

bool translucency_blends(QWidget& window)
{
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    // The offscreen platform may offer the interface without a connection of its own.
    if (connection == nullptr || QGuiApplication::platformName() != QLatin1String("xcb"))
        return true;
    const int screen = screen_number(connection, static_cast<xcb_window_t>(window.winId()));
    return screen >= 0 && selection_owned(connection, "_NET_WM_CM_S" + QByteArray::number(screen));
}

} // namespace skin
