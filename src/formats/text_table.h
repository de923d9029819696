#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

namespace formats {

// The longest text a table gives for one key: a place's name or a photograph's caption is a few
// words, so a longer line is taken for damage and left out.
inline constexpr qsizetype max_table_text = 200;
// The largest table file read: a thousand places with their captions take well under this.
inline constexpr qint64 max_table_file_size = 1024 * 1024;

// A translator's table in UTF-8, one "key = text" a line, with the key a place's Russian name:
//   маяк = Lighthouse
// Lines starting with '#' and blank lines are skipped; key and text are trimmed. A line without
// '=', with an empty side, a text longer than max_table_text, control characters or bytes that
// are not UTF-8 is left out, so a damaged file gives what is whole of it. The last line of a key
// counts.
QHash<QString, QString> read_text_table(const QByteArray& utf8);

} // namespace formats
