#include "support/captured_errors.h"

#include "platform/error_guard.h"

namespace testing_support {

CapturedErrors::CapturedErrors()
{
    platform::set_error_reporter([this](const QString& message) { messages_.append(message); });
}

CapturedErrors::~CapturedErrors() { platform::reset_error_reporter(); }

} // namespace testing_support
