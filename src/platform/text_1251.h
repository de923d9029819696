#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// Every text of the resource tree is 8-bit Windows-1251.
QString decode_windows_1251(const QByteArray& bytes);
QChar windows_1251_char(char byte);
// Characters outside the code page become '?'.
QByteArray encode_windows_1251(const QString& text);

} // namespace platform
