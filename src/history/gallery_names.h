#pragma once

#include <QDateTime>
#include <QString>

namespace history {

// The names drawings are saved under without a dialog: "<place> YYYY-MM-DD HH-MM.bmp", where the
// place is the page's picture ("Аэропорт 2026-12-07 10-42.bmp").

// The place as a name begins: its first letter a capital, cut to a length any file system takes
// with the date behind it; "Рисунок" for a drawing of no place.
QString drawing_title(const QString& place);

// A file in `folder` (ending in '/') for a drawing of `place` saved at `when`, that no file
// there has yet: the second drawing saved within a minute gets " (2)", the next " (3)". The name
// is taken at once by creating the file empty, so another copy of the program saving in the same
// minute gets the next one. Where the folder takes no file, the first name is given and writing
// it reports why.
QString claim_drawing_path(const QString& folder, const QString& place, const QDateTime& when);

// The place of a drawing saved under such a name ("Аэропорт" of "Аэропорт 2026-12-07 10-42 (2).bmp"),
// or the file's own name without its extension when it is not one of them.
QString place_of_drawing_file(const QString& path);

} // namespace history
