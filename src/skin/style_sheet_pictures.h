#pragma once

#include <QString>

namespace skin {

// The style sheet as it may be applied: every picture it names by url(...) is read only if it is
// a regular file inside the skin's own folder (links followed, but not out of the folder) whose
// header gives a picture no larger than max_skin_picture_pixels; such a url then names the file
// by its full path. Any other url is emptied, so it shows nothing, as a missing picture does:
// a FIFO, a device or a file elsewhere is never opened by the style engine. A name with the
// "skin:" prefix, or with none, is taken inside `folder`; pictures compiled into the program
// (":/...") are kept.
QString with_skin_pictures_only(const QString& sheet, const QString& folder);

// More than a picture of the whole window: 16 megapixels, 64 MB as the 32-bit image Qt makes.
inline constexpr qint64 max_skin_picture_pixels = qint64{1} << 24;

} // namespace skin
