#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace platform {

// Whether the bytes are a rich-text document ("{\rtf").
bool is_rtf(const QByteArray& bytes);
// The subset of RTF that descriptions use (paragraphs, bold, italic, underline, font size, the
// colour table, \'xx escapes in Windows-1251, \uN) as HTML for a read-only text box. Unknown
// control words and destinations are skipped; malformed input never throws or overruns.
QString rtf_to_html(const QByteArray& bytes);
// A description file's text as the description box shows it: RTF as HTML, anything else as
// plain Windows-1251 text escaped into HTML. Nothing when the text holds more characters,
// paragraphs or styled runs than the box lays out in a fraction of a second; a long word is
// given chances to break.
std::optional<QString> description_html(const QByteArray& bytes);

} // namespace platform
