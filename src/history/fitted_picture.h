#pragma once

#include "pixels/bitmap.h"

#include <QSize>
#include <QString>

namespace history {

// The frame the canvas is laid out in. No picture makes the canvas larger.
inline constexpr QSize canvas_frame(474, 593);

// Reads a picture file fitted into `target` as shrink_picture() fits it, without decoding a large
// picture whole first: a BMP is averaged row by row as it is read, a JPEG is decoded at the
// smallest DCT scale that still covers the target, and other formats are read by Qt within
// max_shown_pixels. `target` becomes 24 bits. Throws FileError or ImageError naming the file.
void read_fitted_picture(const QString& path, pixels::Bitmap& target);

// A catalogue line drawing: as it is when it fits into `frame`, otherwise fitted into a picture
// of the frame's size as an opened drawing is.
pixels::Bitmap read_line_drawing(const QString& path, QSize frame);

} // namespace history
