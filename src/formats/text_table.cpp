#include "formats/text_table.h"

#include <QStringList>
#include <algorithm>

namespace formats {

namespace {

bool whole_text(const QString& text)
{
    return !text.isEmpty() && text.size() <= max_table_text &&
           std::none_of(text.begin(), text.end(), [](QChar c) {
               return c.category() == QChar::Other_Control || c == QChar::ReplacementCharacter;
           });
}

} // namespace

QHash<QString, QString> read_text_table(const QByteArray& utf8)
{
    QHash<QString, QString> table;
    QString text = QString::fromUtf8(utf8);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    for (const QString& line : text.split(u'\n')) {
        const QString trimmed = line.trimmed();
        const qsizetype equals = trimmed.indexOf(u'=');
        if (trimmed.startsWith(u'#') || equals < 0)
            continue;
        const QString key = trimmed.left(equals).trimmed();
        const QString value = trimmed.mid(equals + 1).trimmed();
        if (whole_text(key) && whole_text(value))
            table.insert(key, value);
    }
    return table;
}

} // namespace formats
