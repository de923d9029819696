#pragma once

#include "pixels/bitmap.h"

#include <QPoint>
#include <vector>

namespace pixels {

// The 4-connected area of exactly the seed's colour around `seed`, found by the flood fill's own
// scanline walk: one flag a pixel, row by row; all false for a seed outside the bitmap.
std::vector<bool> region_around(const Bitmap& bitmap, QPoint seed);

} // namespace pixels
