#pragma once

#include <QString>
#include <QStringList>

namespace catalogue {

// The thumbnail file names in `preview_dir` (bare names with extension): regular files whose
// name ends in ".jpg" in any case, neither hidden nor directories, in natural order ("2" before
// "10"). A missing directory gives an empty catalogue.
QStringList list_catalogue(const QString& preview_dir);

// The name a picture is known by: its thumbnail file name up to the first dot.
QString picture_name(const QString& entry);

} // namespace catalogue
