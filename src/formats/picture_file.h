#pragma once

#include "pixels/bitmap.h"

#include <QString>

namespace formats {

// A picture file read as it is shown, pixel for pixel, chosen by its extension: .bmp through our
// codec, .jpg and .jpeg through libjpeg, anything else Qt reads, as 24 bits. A picture of more
// than max_shown_pixels is refused before it is decoded. Throws FileError or ImageError naming
// the file.
pixels::Bitmap read_picture_file(const QString& path);

// Which reader a picture file goes to.
enum class PictureKind { bmp, jpeg, other };
PictureKind picture_kind(const QString& path);

} // namespace formats
