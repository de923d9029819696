#pragma once

#include "pixels/bitmap.h"

#include <QByteArray>
#include <QString>
#include <memory>

namespace formats {

// Windows BMP: reads 1, 4, 8, 16, 24 and 32 bits, RLE4 and RLE8, core, info, V4 and V5 headers,
// bottom-up and top-down. A malformed file throws ImageError(bitmap_not_valid); absurd
// dimensions are refused before anything is allocated.
pixels::Bitmap decode_bmp(const QByteArray& bytes);
// Writes 1, 4 and 8 bits with the bitmap's own colour table, everything deeper as 24 bits.
QByteArray encode_bmp(const pixels::Bitmap& bitmap);

// The largest BMP file read: twice a 6000 x 6000 true-colour picture, more than any picture the
// program draws on or a child's camera takes.
inline constexpr qint64 max_bmp_file_size = qint64{256} << 20;

// Throws FileError (the path and the system's reason, or that it is too large or not a regular
// file) when the file cannot be read, and ImageError naming it when the picture holds more than
// max_shown_pixels: this is the picture as it is shown, pixel for pixel.
pixels::Bitmap read_bmp(const QString& path);
// Encoded and put in the file's place by replace_file() over the old file (for saves).
void write_bmp(const pixels::Bitmap& bitmap, const QString& path);
// The same for a file only this session reads back, such as an undo snapshot: the old file is
// moved aside instead of renamed over (see Replacement).
void write_scratch_bmp(const pixels::Bitmap& bitmap, const QString& path);

// A BMP file read to be fitted to a smaller size: its rows are turned into 32-bit words one at a
// time as they are asked for, so a picture of any size the format allows never exists whole in
// memory, only its file. Throws as read_bmp() does, but takes any number of pixels.
class BmpRows {
public:
    explicit BmpRows(const QString& path);
    ~BmpRows();
    QSize size() const;
    // Row y, counted from the top, as opaque QRgb words; `to` holds size().width() of them.
    void read_row(int y, QRgb* to) const;
    // The whole picture at its own depth, for one small enough to be kept as it is.
    pixels::Bitmap whole() const;

private:
    struct File;
    std::unique_ptr<File> file_;
};

} // namespace formats
