#pragma once

#include <QByteArray>
#include <QString>

namespace formats {

// Every text of the resource tree is 8-bit Windows-1251.
QString decode_windows_1251(const QByteArray& bytes);
QChar windows_1251_char(char byte);
// Characters outside the code page become '?'.
QByteArray encode_windows_1251(const QString& text);
// An RTF document in 7-bit bytes, as descriptions are stored: a character of the code page becomes
// \'xx, any other \uN? (N the signed UTF-16 unit), and the document names code page 1251 unless it
// names one.
QByteArray rtf_in_1251(const QString& rtf);

} // namespace formats
