#pragma once

#include <QStringList>

namespace testing_support {

// Records what the error guard would show in message boxes, for as long as it lives.
class CapturedErrors {
public:
    CapturedErrors();
    ~CapturedErrors();
    CapturedErrors(const CapturedErrors&) = delete;
    CapturedErrors& operator=(const CapturedErrors&) = delete;

    const QStringList& messages() const { return messages_; }
    void clear() { messages_.clear(); }

private:
    QStringList messages_;
};

} // namespace testing_support
