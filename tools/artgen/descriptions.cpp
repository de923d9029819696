#include "catalogue.h"

#include "formats/text_1251.h"

#include <QRegularExpression>
#include <QTextStream>

namespace artgen {

namespace {

int word_count(QString text, bool rtf)
{
    if (rtf)
        text.remove(QRegularExpression(R"(\\[a-z]+-?\d* ?|[{}]|\\'[0-9a-f]{2})"));
    return static_cast<int>(
        text.split(QRegularExpression(R"([\s\-–—]+)"), Qt::SkipEmptyParts)
            .filter(QRegularExpression(R"(\w)", QRegularExpression::UseUnicodePropertiesOption))
            .size());
}

} // namespace

QByteArray description_1251(const QString& name, const QByteArray& utf8, bool rtf)
{
    QString text = QString::fromUtf8(utf8);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    text.replace("\r\n", "\n").replace('\n', "\r\n");
    const int words = word_count(text, rtf);
    if (words < 60 || words > 200)
        QTextStream(stderr) << "artgen: warning: " << name << ": the description has " << words
                            << " words; 60 to 200 read well\n";
    if (rtf)
        return formats::rtf_in_1251(text);
    const QByteArray bytes = formats::encode_windows_1251(text);
    if (bytes.count('?') > text.count('?'))
        QTextStream(stderr) << "artgen: warning: " << name
                            << ": characters outside Windows-1251 became '?'\n";
    return bytes;
}

} // namespace artgen
