#pragma once

#include <QByteArray>
#include <QImageReader>
#include <QString>

namespace formats {

// Pictures Qt reads for us (PNG, GIF, ...), held to the program's own bounds rather than Qt's.

// A vector picture (SVG) costs rendering time that its stated size does not bound (a few blurs
// take seconds), so it is never read where a raster picture is expected.
bool is_vector_format(const QByteArray& format);
inline const QString vector_refused =
    QStringLiteral("векторные картинки (SVG) не читаются: нужна картинка JPEG, PNG или BMP");

// Lets `reader` allocate a picture of up to `max_pixels` pixels of up to 8 bytes each (16-bit
// PNG), in place of Qt's own 128 MB, which refuses a 35-megapixel photograph.
void allow_pixels(QImageReader& reader, qint64 max_pixels);

} // namespace formats
