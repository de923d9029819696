#pragma once

#include "formats/bmp_codec.h"
#include "pixels/bitmap.h"

namespace history {

// Fits an opened picture into the canvas. Both bitmaps become 24 bits. A source of at most
// 150 x 150 pixels, or of the target's own size, replaces the target unchanged; anything else is
// box-averaged into the target's size and then sharpened.
void shrink_picture(pixels::Bitmap& source, pixels::Bitmap& target);
// The same for a BMP file read row by row: the same pixels, without the source ever whole in memory.
void shrink_picture(const formats::BmpRows& source, pixels::Bitmap& target);

} // namespace history
