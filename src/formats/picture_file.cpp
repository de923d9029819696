#include "formats/picture_file.h"

#include "formats/bmp_codec.h"
#include "formats/jpeg.h"
#include "formats/qt_reading.h"
#include "platform/errors.h"
#include "platform/system_reason.h"
#include "platform/whole_file.h"

#include <QFileInfo>
#include <QImageReader>

namespace formats {

namespace {

// Other formats are read by Qt from regular files only, and only when their header gives a size
// within the budget: a format whose reader cannot say how large the picture is, is not read.
pixels::Bitmap read_with_qt(const QString& path)
{
    if (QFileInfo::exists(path))
        platform::check_whole_file(path, max_bmp_file_size);
    QImageReader reader(path);
    if (is_vector_format(reader.format()))
        throw platform::ImageError(path + ": " + vector_refused());
    const QSize size = reader.size();
    if (size.isValid() && qint64{size.width()} * size.height() > pixels::max_shown_pixels)
        throw platform::ImageError(path + ": " + platform::picture_too_large());
    const QImage image = [&] {
        const PixelAllowance allowance(pixels::max_shown_pixels);
        return reader.read();
    }();
    if (!image.isNull())
        return pixels::Bitmap::from_image(image);
    if (reader.error() == QImageReader::FileNotFoundError || !QFileInfo(path).isReadable())
        throw platform::FileError(path, platform::system_reason_for(path));
    throw platform::ImageError(path + ": " + platform::picture_damaged());
}

} // namespace

PictureKind picture_kind(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("bmp"))
        return PictureKind::bmp;
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg"))
        return PictureKind::jpeg;
    return PictureKind::other;
}

pixels::Bitmap read_picture_file(const QString& path)
{
    switch (picture_kind(path)) {
    case PictureKind::bmp:
        return read_bmp(path);
    case PictureKind::jpeg:
        return pixels::Bitmap::from_image(read_jpeg(path));
    case PictureKind::other:
        break;
    }
    return read_with_qt(path);
}

} // namespace formats
