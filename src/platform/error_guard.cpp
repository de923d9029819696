#include "platform/error_guard.h"

#include "platform/errors.h"
#include "platform/system_reason.h"

#include <QApplication>
#include <QMessageBox>
#include <cerrno>
#include <exception>
#include <new>

namespace platform {

namespace {

ErrorReporter& installed_reporter()
{
    static ErrorReporter reporter;
    return reporter;
}

void show_message_box(const QString& message)
{
    QMessageBox box(QMessageBox::Critical, QGuiApplication::applicationDisplayName(), message,
                    QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

void report(const QString& message)
{
    if (installed_reporter())
        installed_reporter()(message);
    else
        show_message_box(message);
}

} // namespace

void guarded(const std::function<void()>& body)
{
    try {
        body();
    } catch (const UserError& error) {
        report(error.text());
    } catch (const std::bad_alloc&) {
        // The library's own name for it means nothing to a child: the system's words do.
        report(system_reason(ENOMEM));
    } catch (const std::exception& error) {
        report(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        report(QCoreApplication::translate("platform", "Непредвиденная ошибка"));
    }
}

void set_error_reporter(ErrorReporter reporter)
{
    installed_reporter() = std::move(reporter);
}

void reset_error_reporter()
{
    installed_reporter() = nullptr;
}

} // namespace platform
