#include "catalogue/catalogue_listing.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <algorithm>

namespace catalogue {

QStringList list_catalogue(const QString& preview_dir)
{
    // Without QDir::Hidden and QDir::Dirs the listing holds neither hidden files nor folders. QDir
    // keeps links to devices, FIFOs and sockets, which would block or never end when read: only
    // regular files, links followed, are pictures.
    const QDir dir(preview_dir);
    QStringList names;
    for (const QString& name : dir.entryList(QDir::Files))
        if (name.endsWith(QStringLiteral(".jpg"), Qt::CaseInsensitive) && QFileInfo(dir, name).isFile())
            names.append(name);
    // The names are Russian words: collate them as Russian whatever the user's locale, and break
    // the collator's ties by code points so that the order never depends on the listing's.
    QCollator collator{QLocale(QLocale::Russian, QLocale::Russia)};
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(names.begin(), names.end(), [&](const QString& a, const QString& b) {
        const int order = collator.compare(a, b);
        return order != 0 ? order < 0 : a < b;
    });
    return names;
}

QString picture_name(const QString& entry)
{
    const qsizetype dot = entry.indexOf(QLatin1Char('.'));
    return dot < 0 ? entry : entry.left(dot);
}

} // namespace catalogue
