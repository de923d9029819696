#pragma once

#include "platform/bitmap.h"

#include <QByteArray>
#include <QString>

namespace platform {

// Windows BMP: reads 1, 4, 8, 16, 24 and 32 bits, RLE4 and RLE8, core, info, V4 and V5 headers,
// bottom-up and top-down. A malformed file throws ImageError(bitmap_not_valid); absurd
// dimensions are refused before anything is allocated.
Bitmap decode_bmp(const QByteArray& bytes);
// Writes 1, 4 and 8 bits with the bitmap's own colour table, everything deeper as 24 bits.
QByteArray encode_bmp(const Bitmap& bitmap);

// The largest BMP file read: twice a 6000 x 6000 true-colour picture, more than any picture the
// program draws on or a child's camera takes.
inline constexpr qint64 max_bmp_file_size = qint64{256} << 20;

// Throws FileError (the path and the system's reason, or that it is too large or not a regular
// file) when the file cannot be read.
Bitmap read_bmp(const QString& path);
// Written to a temporary file beside `path` and renamed over it, so a failed write never
// destroys the file that was there. Throws FileError.
void write_bmp(const Bitmap& bitmap, const QString& path);
// The same for a file only this session reads back, such as an undo snapshot: as safe against a
// failed write, but the old file is moved aside instead of renamed over, which on ext4 would
// start writing the new data out to the disk at once and make every press wait for it.
void write_scratch_bmp(const Bitmap& bitmap, const QString& path);

} // namespace platform
