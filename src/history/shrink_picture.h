#pragma once

#include "platform/bitmap.h"
#include "platform/bmp_codec.h"

namespace history {

// Fits an opened picture into the canvas. Both bitmaps become 24 bits. A source of at most
// 150 x 150 pixels, or of the target's own size, replaces the target unchanged; anything else is
// box-averaged into the target's size and then sharpened.
void shrink_picture(platform::Bitmap& source, platform::Bitmap& target);
// The same for a BMP file read row by row: the same pixels, without the source ever whole in memory.
void shrink_picture(const platform::BmpRows& source, platform::Bitmap& target);

} // namespace history
