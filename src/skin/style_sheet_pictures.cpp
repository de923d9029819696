#include "skin/style_sheet_pictures.h"

#include "formats/qt_reading.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QRegularExpression>

namespace skin {

namespace {

// The full path of the picture a url names, or nothing when it may not be read.
QString readable_picture(QString name, const QString& folder)
{
    if (name.startsWith(QLatin1String("skin:")))
        name = name.mid(5);
    const QString root = QFileInfo(folder).canonicalFilePath();
    const QFileInfo file(QDir(folder).absoluteFilePath(name));
    const QString real = file.canonicalFilePath();
    if (root.isEmpty() || real.isEmpty() || !real.startsWith(root + '/') || !QFileInfo(real).isFile())
        return {};
    QImageReader reader(real);
    if (formats::is_vector_format(reader.format()))
        return {};
    const QSize size = reader.size();
    if (!size.isValid() || qint64{size.width()} * size.height() > max_skin_picture_pixels)
        return {};
    return real;
}

QString quoted(const QString& path)
{
    QString escaped = path;
    escaped.replace('\\', QLatin1String("\\\\")).replace('"', QLatin1String("\\\""));
    return '"' + escaped + '"';
}

} // namespace

QString with_skin_pictures_only(const QString& sheet, const QString& folder)
{
    static const QRegularExpression url(
        QStringLiteral(R"re(url\(\s*(?:"([^"]*)"|'([^']*)'|([^)"'\s]*))\s*\))re"),
        QRegularExpression::CaseInsensitiveOption);
    QString out;
    qsizetype copied = 0;
    for (const QRegularExpressionMatch& match : url.globalMatch(sheet)) {
        const QString name = match.captured(1) + match.captured(2) + match.captured(3);
        const QString path = name.startsWith(QLatin1String(":/")) ? name : readable_picture(name, folder);
        out += sheet.mid(copied, match.capturedStart() - copied);
        out += QStringLiteral("url(%1)").arg(quoted(path));
        copied = match.capturedEnd();
    }
    return out + sheet.mid(copied);
}

} // namespace skin
