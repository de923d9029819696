#pragma once

#include <QByteArray>
#include <QString>

namespace places {

// The description in `path` (plain text or RTF in UTF-8, or RTF already in 7-bit bytes) as the
// catalogue stores descriptions: plain Windows-1251 text with CRLF line ends, or 7-bit RTF in code
// page 1251; a plain text with characters outside that code page is stored as RTF, so none is
// lost. Throws PlaceError naming the file when it cannot be read, is not UTF-8 or is more than the
// description box shows.
QByteArray stored_description(const QString& path);

} // namespace places
