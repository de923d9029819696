#pragma once

#include "pixels/pixel_writer.h"

#include <QPoint>

namespace pixels {

// The pixels whose centres lie within half the pen's width of the segment from `from` to `to`:
// a disc swept along the segment, so a zero-length segment is a disc. An odd width centres the
// disc on the pixel's centre (w pixels across); an even width centres it on the pixel's top-left
// corner, the only place where exactly w pixels fit across it.
void paint_capsule(PixelWriter& writer, QPoint from, QPoint to, int width);

} // namespace pixels
