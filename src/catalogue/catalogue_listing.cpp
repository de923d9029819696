#include "catalogue/catalogue_listing.h"

#include "places/place_files.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QSet>
#include <algorithm>
#include <vector>

namespace catalogue {

namespace {

// The regular *.jpg files of one preview folder. Without QDir::Hidden and QDir::Dirs the listing
// holds neither hidden files nor folders. QDir keeps links to devices, FIFOs and sockets, which
// would block or never end when read: only regular files, links followed, are pictures.
QStringList thumbnails_in(const QString& preview_dir)
{
    const QDir dir(preview_dir);
    QStringList names;
    for (const QString& name : dir.entryList(QDir::Files))
        if (name.endsWith(QStringLiteral(".jpg"), Qt::CaseInsensitive) && QFileInfo(dir, name).isFile())
            names.append(name);
    return names;
}

} // namespace

QList<CatalogueEntry> list_catalogue(const QStringList& catalogue_dirs)
{
    QList<CatalogueEntry> entries;
    QSet<QString> names;
    for (const QString& dir : catalogue_dirs)
        places::finish_interrupted_place(dir);
    for (const QString& dir : catalogue_dirs)
        for (const QString& file : thumbnails_in(dir + "preview/"))
            if (!names.contains(picture_name(file))) {
                names.insert(picture_name(file));
                entries.append({file, dir});
            }
    // The names are Russian words: collate them as Russian whatever the user's locale, and break
    // the collator's ties by code points so that the order never depends on the listing's.
    // Each name's sort key is made once, so a large catalogue costs n keys and n log n cheap
    // comparisons instead of n log n collations.
    QCollator collator{QLocale(QLocale::Russian, QLocale::Russia)};
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    struct Keyed {
        QCollatorSortKey key;
        CatalogueEntry entry;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(static_cast<std::size_t>(entries.size()));
    for (const CatalogueEntry& entry : entries)
        keyed.push_back({collator.sortKey(entry.file), entry});
    std::sort(keyed.begin(), keyed.end(), [](const Keyed& a, const Keyed& b) {
        const int order = a.key.compare(b.key);
        return order != 0 ? order < 0 : a.entry.file < b.entry.file;
    });
    QList<CatalogueEntry> sorted;
    sorted.reserve(entries.size());
    for (const Keyed& item : keyed)
        sorted.append(item.entry);
    return sorted;
}

QString picture_name(const QString& entry)
{
    const qsizetype dot = entry.indexOf(QLatin1Char('.'));
    return dot < 0 ? entry : entry.left(dot);
}

} // namespace catalogue
