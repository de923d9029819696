#include "settings/ini_text.h"

#include <QCoreApplication>

namespace settings {

namespace {

QString unquoted(const QString& value)
{
    const bool quoted = value.size() >= 2 && value.startsWith('"') && value.endsWith('"');
    return quoted ? value.mid(1, value.size() - 2) : value;
}

// The line after which a new key of `group` goes, or nullopt when the group has no heading.
std::optional<int> end_of_group(const QStringList& lines, const QString& group)
{
    std::optional<int> end;
    QString current;
    for (int index = 0; index < lines.size(); ++index) {
        const QString line = lines[index].trimmed();
        if (line.startsWith('['))
            current = line.mid(1, line.size() - 2).trimmed();
        else if (current == group && !line.isEmpty())
            end = index;
        if (line.startsWith('[') && current == group)
            end = index;
    }
    return end;
}

} // namespace

IniText parse_ini(const QByteArray& bytes)
{
    IniText text;
    text.lines = QString::fromUtf8(bytes).split('\n');
    if (!text.lines.isEmpty() && text.lines.back().isEmpty())
        text.lines.removeLast();
    QString group;
    for (int index = 0; index < text.lines.size(); ++index) {
        if (text.lines[index].endsWith('\r'))
            text.lines[index].chop(1);
        const QString line = text.lines[index].trimmed();
        if (line.isEmpty() || line.startsWith(';') || line.startsWith('#'))
            continue;
        if (line.startsWith('[')) {
            if (!line.endsWith(']'))
                throw IniError(index + 1,
                               QCoreApplication::translate("settings", "заголовок группы без «]»"));
            group = line.mid(1, line.size() - 2).trimmed();
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (equals <= 0)
            throw IniError(index + 1,
                           QCoreApplication::translate("settings", "строка не [группа] и не ключ=значение"));
        const QString key = line.left(equals).trimmed();
        const QString name = group.isEmpty() || group == QLatin1String("General") ? key : group + '/' + key;
        text.entries.push_back({index + 1, name, unquoted(line.mid(equals + 1).trimmed())});
    }
    return text;
}

void set_ini_value(IniText& text, const QString& name, const std::optional<QString>& value)
{
    const QString group = name.section('/', 0, 0);
    const QString line = name.section('/', 1) + '=' + value.value_or(QString());
    std::vector<int> found;
    for (const IniEntry& entry : text.entries)
        if (entry.name == name)
            found.push_back(entry.line - 1);
    // From the last, so the earlier lines' numbers stay right.
    for (auto index = found.rbegin(); index != found.rend(); ++index)
        if (value && *index == found.front())
            text.lines[*index] = line;
        else
            text.lines.removeAt(*index);
    if (value && found.empty()) {
        if (const std::optional<int> end = end_of_group(text.lines, group))
            text.lines.insert(*end + 1, line);
        else
            text.lines << '[' + group + ']' << line;
    }
    text = parse_ini(ini_bytes(text));
}

QByteArray ini_bytes(const IniText& text)
{
    QByteArray bytes;
    for (const QString& line : text.lines)
        bytes += line.toUtf8() + '\n';
    return bytes;
}

} // namespace settings
