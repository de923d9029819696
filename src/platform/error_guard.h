#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <type_traits>

class QWidget;

namespace platform {

// Runs a handler body as the application's default error handler would: an exception ends the
// body at that point and its text is shown in a message box; what the body changed before the
// failure stays changed. Exceptions never cross Qt's event loop.
void guarded(const std::function<void()>& body);

// Calls `handler` with `arguments` when it takes them, else with none.
template <typename Handler, typename... Arguments>
void call_with_all_or_none(Handler& handler, Arguments&... arguments)
{
    if constexpr (std::is_invocable_v<Handler&, Arguments&...>)
        handler(arguments...);
    else
        handler();
}

// Connects `signal` of `sender` to `handler`, run inside guarded() and living as long as
// `context`. The handler takes all of the signal's arguments or none of them.
template <typename Sender, typename Signal, typename Handler>
QMetaObject::Connection connect_guarded(Sender* sender, Signal signal, const QObject* context,
                                        Handler handler)
{
    return QObject::connect(sender, signal, context,
                            [handler = std::move(handler)](auto... arguments) mutable {
                                guarded([&] { call_with_all_or_none(handler, arguments...); });
                            });
}

// Where guarded() reports. The default shows a modal QMessageBox; tests install a reporter
// that records the messages instead.
using ErrorReporter = std::function<void(const QString& message)>;
void set_error_reporter(ErrorReporter reporter);
void reset_error_reporter();

} // namespace platform
