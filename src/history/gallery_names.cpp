#include "history/gallery_names.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace history {

namespace {

// 100 Cyrillic letters are 200 bytes; with the date, a number and ".bmp" the name stays within the
// 255 bytes ext4 allows.
constexpr int longest_place = 100;

} // namespace

QString drawing_title(const QString& place)
{
    QString title = place.trimmed().left(longest_place);
    if (title.isEmpty())
        return QCoreApplication::translate("history::DrawingFiles", "Рисунок");
    title[0] = title[0].toUpper();
    return title;
}

QString claim_drawing_path(const QString& folder, const QString& place, const QDateTime& when)
{
    const QString stem =
        folder + drawing_title(place) + ' ' + when.toString(QStringLiteral("yyyy-MM-dd HH-mm"));
    QString path = stem + QStringLiteral(".bmp");
    for (int number = 2;; ++number) {
        if (QFile(path).open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return path;
        if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink())
            return path;
        path = stem + QStringLiteral(" (%1).bmp").arg(number);
    }
}

QString place_of_drawing_file(const QString& path)
{
    static const QRegularExpression dated(
        QStringLiteral(R"(^(.*) \d{4}-\d{2}-\d{2} \d{2}-\d{2}(?: \(\d+\))?$)"));
    const QString name = QFileInfo(path).completeBaseName();
    const QRegularExpressionMatch match = dated.match(name);
    return match.hasMatch() ? match.captured(1) : name;
}

} // namespace history
