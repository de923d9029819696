#include "widgets/dense_picture.h"
#include "formats/picture_density.h"
#include "formats/picture_file.h"
#include "platform/errors.h"

#include <QFileInfo>
#include <algorithm>
#include <cmath>

namespace widgets {

namespace {

QRgb opaque_at(const QImage& image, int x, int y)
{
    return image.pixel(x, y) | 0xFF000000u;
}

} // namespace

void DensePicture::clear()
{
    rendering_ = QImage();
    synced_ = pixels::Bitmap();
    shown_ = QImage();
    shown_valid_ = false;
    density_ = 1;
}

void DensePicture::adopt(const QImage& rendering, const pixels::Bitmap& picture)
{
    const int density = static_cast<int>(std::lround(rendering.devicePixelRatio()));
    if (rendering.isNull() || picture.is_null() || density < 2 ||
        rendering.size() != picture.size() * density) {
        clear();
        return;
    }
    rendering_ = rendering.convertToFormat(QImage::Format_RGB32);
    rendering_.setDevicePixelRatio(density);
    synced_ = picture;
    density_ = density;
    shown_valid_ = false;
}

void DensePicture::load(const QString& path, int density, const pixels::Bitmap& as_loaded)
{
    clear();
    for (int d = std::min(density, formats::max_picture_density); d >= 2; --d) {
        const QString variant = formats::dense_variant_path(path, d);
        if (!QFileInfo(variant).isFile())
            continue;
        // The program's own readers: Qt's BMP reader took a third of start-up at ratio 2.
        QImage rendering;
        try {
            rendering = formats::read_picture_file(variant).image();
        } catch (const platform::UserError&) {
            continue;
        }
        rendering.setDevicePixelRatio(d);
        adopt(rendering, as_loaded);
        if (!is_null())
            return;
    }
}

void DensePicture::follow(const pixels::Bitmap& picture, const QRect& area)
{
    if (is_null())
        return;
    if (picture.size() != synced_.size()) {
        clear();
        return;
    }
    // A rendering read for a picture still as loaded (every one at start-up) has nothing to repeat.
    if (picture.image() == synced_.image())
        return;
    const QImage& before = synced_.image();
    const QImage& after = picture.image();
    const QRect around = area.adjusted(-1, -1, 1, 1).intersected(picture.rect());
    for (int y = around.top(); y <= around.bottom(); ++y)
        for (int x = around.left(); x <= around.right(); ++x)
            if (opaque_at(before, x, y) != opaque_at(after, x, y))
                changed_block(before, after, {x, y});
    for (int y = around.top(); y <= around.bottom(); ++y)
        for (int x = around.left(); x <= around.right(); ++x)
            if (opaque_at(before, x, y) == opaque_at(after, x, y))
                edge_block(before, after, {x, y});
    synced_ = picture;
    shown_valid_ = false;
}

void DensePicture::changed_block(const QImage& before, const QImage& after, QPoint at)
{
    const QRgb old_colour = opaque_at(before, at.x(), at.y());
    const QRgb new_colour = opaque_at(after, at.x(), at.y());
    for (int y = at.y() * density_; y < (at.y() + 1) * density_; ++y)
        for (int x = at.x() * density_; x < (at.x() + 1) * density_; ++x)
            if (opaque_at(rendering_, x, y) == old_colour)
                rendering_.setPixel(x, y, new_colour);
}

void DensePicture::edge_block(const QImage& before, const QImage& after, QPoint at)
{
    const QRgb own = opaque_at(before, at.x(), at.y());
    for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
        const QPoint next = at + step;
        if (!before.rect().contains(next))
            continue;
        const QRgb old_colour = opaque_at(before, next.x(), next.y());
        const QRgb new_colour = opaque_at(after, next.x(), next.y());
        if (old_colour == new_colour || old_colour == own)
            continue;
        for (int y = at.y() * density_; y < (at.y() + 1) * density_; ++y)
            for (int x = at.x() * density_; x < (at.x() + 1) * density_; ++x)
                if (opaque_at(rendering_, x, y) == old_colour)
                    rendering_.setPixel(x, y, new_colour);
    }
}

const QImage& DensePicture::shown(bool transparent)
{
    if (shown_valid_ && shown_transparent_ == transparent)
        return shown_;
    shown_transparent_ = transparent;
    shown_valid_ = true;
    if (!transparent) {
        shown_ = rendering_;
        return shown_;
    }
    shown_ = rendering_.convertToFormat(QImage::Format_ARGB32);
    const QRgb hidden = opaque_at(rendering_, 0, rendering_.height() - 1);
    const int width = shown_.width();
    for (int y = 0; y < shown_.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(shown_.scanLine(y));
        for (int x = 0; x < width; ++x)
            if ((row[x] | 0xFF000000u) == hidden)
                row[x] = 0u;
    }
    return shown_;
}

QRgb DensePicture::pixel_at(QPointF position) const
{
    const int x =
        std::clamp(static_cast<int>(std::floor(position.x() * density_)), 0, rendering_.width() - 1);
    const int y =
        std::clamp(static_cast<int>(std::floor(position.y() * density_)), 0, rendering_.height() - 1);
    return opaque_at(rendering_, x, y);
}

} // namespace widgets
