#include "places/place_maker.h"

#include "formats/bmp_codec.h"
#include "pixels/bitmap.h"
#include "places/composition.h"
#include "places/description.h"
#include "places/line_drawing.h"
#include "places/photo_reader.h"
#include "places/place_error.h"
#include "places/place_files.h"
#include "places/place_name.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageWriter>
#include <QPainter>

namespace places {

namespace {

// The panel's photograph and the strip's thumbnail are of the shipped places' sizes.
constexpr int photograph_side = 200;
constexpr int thumbnail_side = 246;
constexpr int thumbnail_quality = 90;

QByteArray bmp_bytes(const QImage& image)
{
    return formats::encode_bmp(pixels::Bitmap::from_image(image));
}

QByteArray jpeg_bytes(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(thumbnail_quality);
    if (!writer.write(image))
        throw PlaceError(
            QCoreApplication::translate("places", "Миниатюра"),
            QCoreApplication::translate("places", "не удаётся сжать в JPEG (%1)").arg(writer.errorString()));
    return bytes;
}

// The page's part of the photograph in a square of `side`, whole, on the white of the page: the
// panel and the strip show what the child colours, not more.
QImage square(const QImage& page_part, int side)
{
    QImage out(side, side, QImage::Format_RGB32);
    out.fill(Qt::white);
    const QImage scaled = page_part.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPainter(&out).drawImage((side - scaled.width()) / 2, (side - scaled.height()) / 2, scaled);
    return out;
}

// A page must hold at least the areas of the sparest level; fewer is a blank page, not a picture.
void refuse_empty_page(const QString& photograph, const QImage& drawing)
{
    const int areas = area_count(drawing);
    const int fewest = area_range(DetailLevel::fewer).fewest;
    if (areas < fewest)
        throw PlaceError(photograph,
                         QCoreApplication::translate(
                             "places",
                             "на этой фотографии почти нечего раскрашивать: получилось бы %1 областей, "
                             "а нужно хотя бы %2. Так бывает, когда фотография однотонная, размытая, "
                             "снята в тумане или темноте или покрыта шумом. Попробуйте чёткую "
                             "фотографию при хорошем свете, где предмет снят крупно")
                             .arg(areas)
                             .arg(fewest));
}

} // namespace

PlacePictures place_pictures(const QString& photograph, DetailLevel detail)
{
    const QImage photo = read_photograph(photograph, page_size);
    const QImage page = photo.copy(subject_frame(photo, page_size));
    QImage drawing = line_drawing(page, detail);
    refuse_empty_page(photograph, drawing);
    return {std::move(drawing), page};
}

namespace {

void refuse_taken_name(const PlaceRequest& request, const QString& name)
{
    const QStringList others =
        request.replace ? QStringList{} : request.catalogue_dirs + QStringList{request.destination};
    if (place_exists(others, name))
        throw NameTaken(name);
}

} // namespace

WrittenPlace make_place(const PlaceRequest& request, const std::function<void()>& after_each_step)
{
    // A name or description that cannot be taken is refused before the photograph's slow work.
    refuse_taken_name(request, checked_place_name(request.name));
    if (!request.description.isEmpty())
        stored_description(request.description);
    return write_place(request, place_pictures(request.photograph, request.detail), after_each_step);
}

WrittenPlace write_place(const PlaceRequest& request, const PlacePictures& pictures,
                         const std::function<void()>& after_each_step)
{
    WrittenPlace place;
    place.name = checked_place_name(request.name);
    refuse_taken_name(request, place.name);
    const QByteArray description =
        request.description.isEmpty() ? QByteArray() : stored_description(request.description);

    PlaceFiles files(request.destination, after_each_step);
    // Asked again with the folder's lock held: of two runs of one name, the later one sees the
    // place the earlier one wrote.
    refuse_taken_name(request, place.name);
    files.stage("clipart/" + place.name + ".bmp", bmp_bytes(pictures.line_drawing));
    files.stage("info/" + place.name + ".bmp", bmp_bytes(square(pictures.panel, photograph_side)));
    if (!description.isEmpty())
        files.stage("info/" + place.name + ".txt", description);
    else
        files.retire("info/" + place.name + ".txt");
    files.stage("preview/" + place.name + ".jpg", jpeg_bytes(square(pictures.panel, thumbnail_side)));
    const QStringList written = files.commit();
    place.line_drawing = written.at(0);
    place.photograph = written.at(1);
    place.thumbnail = written.last();
    place.description = description.isEmpty() ? QString() : written.at(2);
    return place;
}

void replace_place_parts(const QString& catalogue_dir, const QString& name, const PlacePictures* pictures,
                         const QString& description)
{
    const QByteArray stored = description.isEmpty() ? QByteArray() : stored_description(description);
    PlaceFiles files(catalogue_dir);
    if (!place_exists({catalogue_dir}, name))
        throw PlaceError(QStringLiteral("«%1»").arg(name),
                         QCoreApplication::translate("places", "такого места больше нет"));
    if (pictures) {
        files.stage("clipart/" + name + ".bmp", bmp_bytes(pictures->line_drawing));
        files.stage("info/" + name + ".bmp", bmp_bytes(square(pictures->panel, photograph_side)));
    }
    if (!stored.isEmpty())
        files.stage("info/" + name + ".txt", stored);
    if (pictures)
        files.stage("preview/" + name + ".jpg", jpeg_bytes(square(pictures->panel, thumbnail_side)));
    files.commit();
}

} // namespace places
