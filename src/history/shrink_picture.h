#pragma once

#include "platform/bitmap.h"

namespace history {

// Fits an opened picture into the canvas. Both bitmaps become 24 bits. A source of at most
// 150 x 150 pixels, or of the target's own size, replaces the target unchanged; anything else is
// box-averaged into the target's size and then sharpened.
void shrink_picture(platform::Bitmap& source, platform::Bitmap& target);

} // namespace history
