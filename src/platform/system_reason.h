#pragma once

#include <QCoreApplication>
#include <QString>

namespace platform {

// Why the system refused a file operation, in the interface's language: the
// reasons a parent meets (a full disk, a read-only disk, no access) in plain words, any other
// with the system's own text and number.
QString system_reason(int error);

// The reason `path` cannot be opened for reading, as system_reason() says it.
QString system_reason_for(const QString& path);

inline QString picture_damaged()
{
    return QCoreApplication::translate("platform", "картинка повреждена и не читается");
}

} // namespace platform
