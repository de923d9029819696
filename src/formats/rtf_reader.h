#pragma once

#include <QByteArray>
#include <QString>

namespace formats {

// The largest description file read: a few kilobytes are usual, a word processor's RTF of a page
// may take a hundred.
inline constexpr qint64 max_description_file_size = 1024 * 1024;

// Whether the bytes are a rich-text document ("{\rtf").
bool is_rtf(const QByteArray& bytes);
// The subset of RTF that descriptions use (paragraphs, bold, italic, underline, font size, the
// colour table, \'xx escapes in Windows-1251, \uN) as HTML for a read-only text box. Unknown
// control words and destinations are skipped; malformed input never throws or overruns.
QString rtf_to_html(const QByteArray& bytes);
// A description file's text as the description box shows it: RTF as HTML, anything else as
// plain Windows-1251 text escaped into HTML. The box lays out any description in a fraction of a
// second: font sizes are bounded to what its panel shows, a tab counts as many characters, and
// a text of more characters, paragraphs or styled runs than the budget shows its beginning, cut
// at a word, with an ellipsis. A long word is given chances to break.
QString description_html(const QByteArray& bytes);

} // namespace formats
