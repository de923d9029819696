#include "places/description.h"

#include "formats/rtf_reader.h"
#include "formats/text_1251.h"
#include "places/place_error.h"
#include "platform/whole_file.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringDecoder>

namespace places {

namespace {

QString utf8_text(const QString& path, const QByteArray& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder(bytes);
    if (decoder.hasError())
        throw PlaceError(
            path, QCoreApplication::translate("places", "описание должно быть текстом в кодировке UTF-8"));
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

QString rtf_paragraphs(const QString& text)
{
    QString body;
    for (const QChar c : text) {
        if (c == '\\' || c == '{' || c == '}')
            body += '\\';
        body += c == '\n' ? QStringLiteral("\\par\n") : QString(c);
    }
    return QStringLiteral("{\\rtf1\\ansi\\ansicpg1251\\deff0{\\fonttbl{\\f0 Tahoma;}}\n") + body + '}';
}

QByteArray stored_text(const QString& text)
{
    QString lines = text;
    lines.replace("\r\n", "\n");
    const QByteArray plain = formats::encode_windows_1251(QString(lines).replace('\n', "\r\n"));
    if (plain.count('?') == lines.count('?'))
        return plain;
    return formats::rtf_in_1251(rtf_paragraphs(lines));
}

} // namespace

QByteArray stored_description(const QString& path)
{
    if (!QFileInfo(path).isFile())
        throw PlaceError(path, QCoreApplication::translate("places", "нет такого файла с описанием"));
    QByteArray bytes;
    try {
        bytes = platform::read_whole_file(path, formats::max_description_file_size);
    } catch (const platform::FileError&) {
        throw PlaceError(path,
                         QCoreApplication::translate("places", "файл описания не читается или больше 1 МБ"));
    }
    const QString text = utf8_text(path, bytes);
    const QByteArray stored =
        text.startsWith(QStringLiteral("{\\rtf"))
            ? formats::rtf_in_1251(QString(text).replace("\r\n", "\n").replace('\n', "\r\n"))
            : stored_text(text);
    // Stored, the text grows (line ends, escapes of letters, paragraph marks): the place must
    // open with the description the program reads.
    if (stored.size() > formats::max_description_file_size)
        throw PlaceError(path, QCoreApplication::translate(
                                   "places", "описание в каталоге заняло бы %1 КБ, а программа читает "
                                             "описания не больше %2 КБ: сократите текст")
                                   .arg((stored.size() + 1023) / 1024)
                                   .arg(formats::max_description_file_size / 1024));
    return stored;
}

} // namespace places
