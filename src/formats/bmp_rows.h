#pragma once

#include <QRgb>
#include <QtGlobal>

namespace formats::bmp {

// The 24-bit rows of the file (blue, green, red a pixel) to and from opaque QRgb words. These two
// loops are most of the cost of every undo snapshot, so they move whole words, not bytes.
void bgr24_to_rgb32(const uchar* from, QRgb* to, int width);
// Writes exactly 3 * width bytes.
void rgb32_to_bgr24(const QRgb* from, uchar* to, int width);

} // namespace formats::bmp
