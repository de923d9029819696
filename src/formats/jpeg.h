#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <atomic>

namespace formats {

// The largest JPEG file read: four times the best-quality photograph of a 50-megapixel camera.
inline constexpr qint64 max_jpeg_file_size = qint64{128} << 20;

// Decodes a whole JPEG file through libjpeg into Format_RGB32. A missing, too large or irregular file throws
// FileError, a corrupt or truncated one ImageError naming the file: never a half-decoded picture.
// A picture of more than max_shown_pixels, or one libjpeg cannot decode within its memory and
// scan limits (a huge progressive picture), is refused the same way.
QImage read_jpeg(const QString& path);
// Decodes JPEG bytes; with a valid `target`, at the smallest DCT scale whose output is not below
// it, which a picture fitted into `target` needs. A damaged or refused picture throws ImageError
// whose text begins with `name`; so does a decoding that `cancelled` stops on its way, as soon as
// it is set from another thread.
QImage decode_jpeg(const QByteArray& bytes, const QString& name, QSize target = QSize(),
                   const std::atomic_bool* cancelled = nullptr);
// Decodes with libjpeg's DCT scaling to the smallest scale not below `target`, then scales
// smoothly to exactly `target` (thumbnails of 123 x 123). Errors and `cancelled` as decode_jpeg.
QImage read_jpeg_scaled(const QString& path, QSize target, const std::atomic_bool* cancelled = nullptr);

} // namespace formats
