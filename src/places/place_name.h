#pragma once

#include <QString>
#include <QStringList>

namespace places {

// The name without the spaces around it, when it can name a place's files: not empty, no slash,
// no dot (a picture's name ends at its first dot), no control character, and short enough and in
// characters the file system holds. Throws PlaceError otherwise.
QString checked_place_name(const QString& name);

// Whether a place of this name is in one of the catalogue folders: whether its thumbnail is, as
// the catalogue lists places by their thumbnails and the thumbnail is renamed in last. A line
// drawing or photograph an interrupted run left without one is no place; the next run writes over it.
bool place_exists(const QStringList& catalogue_dirs, const QString& name);

} // namespace places
