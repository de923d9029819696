#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <stdexcept>
#include <vector>

namespace settings {

// The largest settings file read: a few hundred keys with comments take a few KB, so a larger
// file is no settings file, and a bound keeps a hostile one from costing memory and time.
inline constexpr qint64 largest_settings_file = 256 * 1024;

// A line that is neither a "[group]" heading, a "key=value" setting, a comment nor blank.
class IniError : public std::runtime_error {
public:
    IniError(int line, const QString& what)
        : std::runtime_error(what.toStdString()), line(line), what_text(what)
    {
    }
    int line;
    QString what_text;
};

// One "key=value" line, named "group/key"; its value is plain text, never a serialized type.
struct IniEntry {
    int line;
    QString name;
    QString value;
};

// A settings file as INI text: its lines as written, so rewriting keeps comments and unknown
// lines, and the settings among them.
struct IniText {
    QStringList lines;
    std::vector<IniEntry> entries;
};

// Parses UTF-8 INI text; ";" and "#" start comment lines. Throws IniError at a malformed line.
IniText parse_ini(const QByteArray& bytes);

// The text with `name` ("group/key") set to `value`, or removed when there is none: the first
// line of the key is replaced, any later ones dropped, and a new key goes to the end of its
// group, or a new group at the end.
void set_ini_value(IniText& text, const QString& name, const std::optional<QString>& value);

QByteArray ini_bytes(const IniText& text);

} // namespace settings
