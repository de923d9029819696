#include "places/photo_reader.h"

#include "formats/jpeg.h"
#include "formats/qt_reading.h"
#include "places/composition.h"
#include "places/place_error.h"
#include "platform/system_reason.h"
#include "platform/whole_file.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImageReader>

namespace places {

namespace {

QByteArray photograph_bytes(const QString& path)
{
    const QFileInfo file(path);
    if (!file.exists())
        throw PlaceError(path, QCoreApplication::translate("places", "нет такого файла"));
    if (!file.isFile())
        throw PlaceError(path, QCoreApplication::translate("places", "это не файл с картинкой"));
    if (file.size() > formats::max_jpeg_file_size)
        throw PlaceError(path, QCoreApplication::translate(
                                   "places", "файл слишком большой для фотографии (больше 128 МБ)"));
    try {
        return platform::read_whole_file(path, formats::max_jpeg_file_size);
    } catch (const platform::FileError&) {
        throw PlaceError(path, QCoreApplication::translate("places", "файл не читается (%1)")
                                   .arg(platform::system_reason_for(path)));
    }
}

// The turn and mirror the camera recorded, applied as Qt defines them: mirror and flip first,
// then a quarter turn clockwise.
QImage upright(const QImage& image, QImageIOHandler::Transformations turn)
{
    QImage out = image.mirrored(turn.testFlag(QImageIOHandler::TransformationMirror),
                                turn.testFlag(QImageIOHandler::TransformationFlip));
    if (turn.testFlag(QImageIOHandler::TransformationRotate90))
        out = out.transformed(QTransform().rotate(90));
    return out;
}

// The decoded size at which the page cut from the photograph still covers `page`.
QSize decoding_size(QSize photo, QSize page)
{
    const QRect frame = page_frame(photo, page);
    const double scale =
        std::min(1.0, std::max(double(page.width()) / frame.width(), double(page.height()) / frame.height()));
    return QSize(std::max(1, int(std::ceil(photo.width() * scale))),
                 std::max(1, int(std::ceil(photo.height() * scale))));
}

} // namespace

QImage read_photograph(const QString& path, QSize page)
{
    QByteArray bytes = photograph_bytes(path);
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    if (formats::is_vector_format(reader.format()))
        throw PlaceError(path, formats::vector_refused());
    const QSize stored = reader.size();
    if (reader.format().isEmpty() || !stored.isValid())
        throw PlaceError(path,
                         QCoreApplication::translate("places", "это не картинка (годятся JPEG, PNG и BMP)"));
    if (stored.width() > max_photograph_side || stored.height() > max_photograph_side ||
        qint64{stored.width()} * stored.height() > max_photograph_pixels)
        throw PlaceError(
            path, QCoreApplication::translate(
                      "places", "картинка слишком большая: %1 × %2 точек, можно не больше %3 миллионов")
                      .arg(stored.width())
                      .arg(stored.height())
                      .arg(max_photograph_pixels / 1000000));
    const QImageIOHandler::Transformations turn = reader.transformation();
    const bool turned = turn.testFlag(QImageIOHandler::TransformationRotate90);
    const QSize page_as_stored = turned ? page.transposed() : page;
    QImage image;
    if (reader.format() == "jpeg") {
        try {
            image = formats::decode_jpeg(bytes, path, decoding_size(stored, page_as_stored));
        } catch (const platform::ImageError&) {
            throw PlaceError(path, QCoreApplication::translate("places", "файл JPEG повреждён или обрезан"));
        }
    } else {
        reader.setAutoTransform(false);
        const formats::PixelAllowance allowance(max_photograph_pixels);
        image = reader.read();
        if (image.isNull())
            throw PlaceError(path,
                             QCoreApplication::translate("places", "картинка повреждена и не читается"));
    }
    return upright(image.convertToFormat(QImage::Format_RGB32), turn);
}

} // namespace places
