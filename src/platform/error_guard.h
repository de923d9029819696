#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace platform {

// Runs a handler body as the application's default error handler would: an exception ends the
// body at that point and its text is shown in a message box; what the body changed before the
// failure stays changed. Exceptions never cross Qt's event loop.
void guarded(const std::function<void()>& body);

// Where guarded() reports. The default shows a modal QMessageBox; tests install a reporter
// that records the messages instead.
using ErrorReporter = std::function<void(const QString& message)>;
void set_error_reporter(ErrorReporter reporter);
void reset_error_reporter();

} // namespace platform
