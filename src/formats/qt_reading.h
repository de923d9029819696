#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QImageReader>
#include <QString>

namespace formats {

// Pictures Qt reads for us (PNG, GIF, ...), held to the program's own bounds rather than Qt's.

// A vector picture (SVG) costs rendering time that its stated size does not bound (a few blurs
// take seconds), so it is never read where a raster picture is expected.
bool is_vector_format(const QByteArray& format);
inline QString vector_refused()
{
    return QCoreApplication::translate(
        "formats", "векторные картинки (SVG) не читаются: нужна картинка JPEG, PNG или BMP");
}

// Lets Qt's readers allocate a picture of up to `max_pixels` pixels of up to 8 bytes each
// (16-bit PNG) while it lives, in place of Qt's own 128 MB, which refuses a 35-megapixel
// photograph. Qt keeps one limit for the whole process: the one before is restored after.
class PixelAllowance {
public:
    explicit PixelAllowance(qint64 max_pixels);
    ~PixelAllowance();
    PixelAllowance(const PixelAllowance&) = delete;
    PixelAllowance& operator=(const PixelAllowance&) = delete;

private:
    int before_mb_;
};

} // namespace formats
