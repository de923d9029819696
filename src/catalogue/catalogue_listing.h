#pragma once

#include <QList>
#include <QListWidgetItem>
#include <QString>
#include <QStringList>

namespace catalogue {

// A place of the catalogue: its thumbnail file name and the folder laid out like res/ that holds it.
struct CatalogueEntry {
    QString file;
    QString dir;
};

// The item data of catalogue_list that holds an entry's folder.
inline constexpr int catalogue_dir_role = Qt::UserRole;

// The thumbnails in the preview/ folder of every catalogue folder (bare names with extension):
// regular files whose name ends in ".jpg" in any case, neither hidden nor directories, in natural
// order ("2" before "10"). A picture name found in an earlier folder hides the same name in later
// ones. A missing folder adds nothing.
QList<CatalogueEntry> list_catalogue(const QStringList& catalogue_dirs);

// The name a picture is known by: its thumbnail file name up to the first dot.
QString picture_name(const QString& entry);

} // namespace catalogue
