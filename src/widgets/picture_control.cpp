#include "widgets/picture_control.h"

#include "formats/picture_density.h"
#include "formats/picture_file.h"

#include <QFileInfo>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>
#include <cmath>
#include <vector>

namespace widgets {

namespace {

// A position that is a device pixel's corner divided by a fractional scale may come a rounding
// error short of the whole number it stands for.
QPoint floored(QPointF position)
{
    constexpr double slack = 1e-4;
    return {static_cast<int>(std::floor(position.x() + slack)),
            static_cast<int>(std::floor(position.y() + slack))};
}

qreal scale_of(const QTransform& transform)
{
    return std::hypot(transform.m11(), transform.m12());
}

// How much of a disabled control's picture shows over what lies under it.
constexpr qreal faded_opacity = 0.4;

bool whole_number(qreal value)
{
    return std::abs(value - std::round(value)) < 1e-3;
}

} // namespace

PictureControl::PictureControl(QWidget* parent) : QWidget(parent)
{
    // Moves are reported with no button held too, as the handlers of the canvas expect.
    setMouseTracking(true);
}

void PictureControl::load_picture(const QString& path)
{
    pixels::Bitmap picture = formats::read_picture_file(path);
    replace_picture(std::move(picture));
    // Pictures without a denser rendering (the canvas's) keep no second reference to their pixels.
    if (!QFileInfo::exists(formats::dense_variant_path(path, 2)))
        return;
    source_path_ = path;
    as_loaded_ = picture_;
}

void PictureControl::set_picture(pixels::Bitmap picture)
{
    replace_picture(std::move(picture));
}

void PictureControl::set_picture(pixels::Bitmap picture, const QImage& dense)
{
    replace_picture(std::move(picture));
    dense_.adopt(dense, picture_);
}

void PictureControl::replace_picture(pixels::Bitmap picture)
{
    picture_ = std::move(picture);
    source_path_.clear();
    as_loaded_ = pixels::Bitmap();
    dense_.clear();
    looked_for_density_ = 1;
    picture_replaced();
}

void PictureControl::look_for_density(int density)
{
    if (density <= looked_for_density_ || source_path_.isEmpty())
        return;
    looked_for_density_ = density;
    dense_.load(source_path_, density, as_loaded_);
    dense_.follow(picture_, picture_.rect());
}

int PictureControl::wanted_density() const
{
    return formats::wanted_density(std::max(devicePixelRatioF(), painted_scale_));
}

void PictureControl::clear_picture()
{
    set_picture(pixels::Bitmap());
}

void PictureControl::picture_replaced()
{
    if (auto_size_ && !picture_.is_null())
        resize(picture_.size());
    rebuild_shown();
    update_opaque();
    update();
}

void PictureControl::update_opaque()
{
    setAttribute(Qt::WA_OpaquePaintEvent,
                 !picture_.is_null() && !transparent_ && !faded() && picture_rect().contains(rect()));
}

bool PictureControl::needs_shown_copy() const
{
    return !picture_.is_null() && (transparent_ || picture_.image().format() != QImage::Format_RGB32);
}

const QImage& PictureControl::displayed() const
{
    return needs_shown_copy() ? shown_ : picture_.image();
}

void PictureControl::rebuild_shown()
{
    shown_size_ = picture_.size();
    if (!needs_shown_copy()) {
        shown_ = QImage();
        return;
    }
    shown_ = picture_.to_rgb32();
    if (transparent_) {
        shown_ = shown_.convertToFormat(QImage::Format_ARGB32);
        refresh_shown(picture_.rect());
    }
}

void PictureControl::refresh_shown(const QRect& area)
{
    const QRect clipped = area.intersected(picture_.rect());
    if (clipped.isEmpty())
        return;
    const QImage source = picture_.image().format() == QImage::Format_RGB32
                              ? picture_.image()
                              : picture_.image().copy(clipped).convertToFormat(QImage::Format_RGB32);
    const QPoint origin = source.size() == picture_.size() ? QPoint(0, 0) : clipped.topLeft();
    const QRgb hidden = picture_.image().pixel(0, picture_.height() - 1) & 0xFFFFFFu;
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(source.constScanLine(y - origin.y())) - origin.x();
        auto* to = reinterpret_cast<QRgb*>(shown_.scanLine(y));
        for (int x = clipped.left(); x <= clipped.right(); ++x) {
            const QRgb colour = from[x] | 0xFF000000u;
            to[x] = transparent_ && (colour & 0xFFFFFFu) == hidden ? 0u : colour;
        }
    }
}

void PictureControl::picture_changed(const QRect& area)
{
    const QRect clipped = area.intersected(picture_.rect());
    // The denser rendering follows every change, whichever way the picture's copy is then redrawn.
    dense_.follow(picture_, clipped);
    // A picture replaced in place, or one that now needs a copy to be drawn (or no longer does).
    if (shown_size_ != picture_.size() || needs_shown_copy() == shown_.isNull()) {
        picture_replaced();
        return;
    }
    if (picture_.is_null())
        return;
    // The hidden colour is that of the bottom-left pixel, so a change there can change every pixel.
    if (transparent_ && clipped.contains(0, picture_.height() - 1)) {
        rebuild_shown();
        update();
        return;
    }
    if (needs_shown_copy())
        refresh_shown(clipped);
    update(control_area(clipped));
}

QRect PictureControl::control_area(const QRect& area) const
{
    const QRect shown_at = picture_rect();
    if (shown_at.size() == picture_.size() && dense_.is_null())
        return area.translated(shown_at.topLeft());
    const double sx = double(shown_at.width()) / picture_.width();
    const double sy = double(shown_at.height()) / picture_.height();
    // One pixel more on each side covers what smooth scaling blends in from the neighbours.
    const int left = static_cast<int>(std::floor(area.left() * sx)) - 1;
    const int top = static_cast<int>(std::floor(area.top() * sy)) - 1;
    const int right = static_cast<int>(std::ceil((area.right() + 1) * sx)) + 1;
    const int bottom = static_cast<int>(std::ceil((area.bottom() + 1) * sy)) + 1;
    return QRect(QPoint(left, top), QPoint(right, bottom)).translated(shown_at.topLeft());
}

QRect PictureControl::picture_rect() const
{
    if (picture_.is_null())
        return {};
    int w = picture_.width();
    int h = picture_.height();
    const int cw = width();
    const int ch = height();
    if (stretch_ || (proportional_ && (w > cw || h > ch))) {
        if (proportional_) {
            const double aspect = double(w) / h;
            if (w > h) {
                w = cw;
                h = static_cast<int>(cw / aspect);
                if (h > ch) {
                    h = ch;
                    w = static_cast<int>(ch * aspect);
                }
            } else {
                h = ch;
                w = static_cast<int>(ch * aspect);
                if (w > cw) {
                    w = cw;
                    h = static_cast<int>(cw / aspect);
                }
            }
        } else {
            w = cw;
            h = ch;
        }
    }
    QRect result(0, 0, w, h);
    if (centre_)
        result.translate((cw - w) / 2, (ch - h) / 2);
    return result;
}

void PictureControl::set_auto_size(bool on)
{
    auto_size_ = on;
    if (on && !picture_.is_null())
        resize(picture_.size());
}

void PictureControl::set_stretch(bool on)
{
    stretch_ = on;
    update_opaque();
    update();
}

void PictureControl::set_proportional(bool on)
{
    proportional_ = on;
    update_opaque();
    update();
}

void PictureControl::set_centre(bool on)
{
    centre_ = on;
    update_opaque();
    update();
}

void PictureControl::set_transparent(bool on)
{
    if (transparent_ == on)
        return;
    transparent_ = on;
    rebuild_shown();
    update_opaque();
    update();
}

void PictureControl::set_fades_when_disabled(bool on)
{
    fades_when_disabled_ = on;
    update_opaque();
    update();
}

void PictureControl::set_hint(const QString& hint)
{
    hint_ = hint;
}

void PictureControl::set_show_hint(bool on)
{
    show_hint_ = on;
}

void PictureControl::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    update_opaque();
}

void PictureControl::paintEvent(QPaintEvent* event)
{
    const QImage& image = displayed();
    if (image.isNull())
        return;
    const QRect target = picture_rect();
    QPainter painter(this);
    if (faded())
        painter.setOpacity(faded_opacity);
    const qreal scale = scale_of(painter.deviceTransform());
    painted_scale_ = scale;
    const int density = formats::wanted_density(scale);
    look_for_density(density);
    const QRect dirty = event->rect().intersected(target);
    shown_density_ = density > 1 && !dense_.is_null() ? dense_.density() : 1;
    if (shown_density_ > 1) {
        // Smoothed only where the rendering's pixels do not fall on the device's one for one.
        const bool exact = target.size() == picture_.size() && whole_number(scale) &&
                           int(std::round(scale)) == shown_density_;
        painter.setRenderHint(QPainter::SmoothPixmapTransform, !exact);
        painter.setClipRect(dirty);
        painter.drawImage(QRectF(target), dense_.shown(transparent_));
        return;
    }
    if (target.size() == image.size()) {
        // Unscaled pictures are drawn pixel for pixel, and only where the control needs repainting.
        if (scale == 1.0)
            painter.drawImage(dirty.topLeft(), image, dirty.translated(-target.topLeft()));
        else
            paint_blocks(painter, image, target, dirty);
        return;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, image);
}

void PictureControl::paint_blocks(QPainter& painter, const QImage& image, const QRect& target,
                                  const QRect& dirty)
{
    const QTransform device = painter.deviceTransform();
    if (device.isRotating() || !device.isInvertible()) {
        painter.drawImage(dirty.topLeft(), image, dirty.translated(-target.topLeft()));
        return;
    }
    const QRect pixels = device.mapRect(QRectF(dirty)).toAlignedRect();
    if (pixels.isEmpty())
        return;
    // Which picture column and row each device column and row shows: the one its top-left corner
    // falls in, as picture_pixel_at finds for a press there.
    const auto pictured = [](int device_pixel, qreal origin, qreal scale, int first, int count) {
        const int at = static_cast<int>(std::floor((device_pixel - origin) / scale - first + 1e-4));
        return std::clamp(at, 0, count - 1);
    };
    std::vector<int> columns(static_cast<std::size_t>(pixels.width()));
    for (int x = 0; x < pixels.width(); ++x)
        columns[static_cast<std::size_t>(x)] =
            pictured(pixels.left() + x, device.dx(), device.m11(), target.left(), image.width());
    // A transparent picture keeps its cleared pixels cleared: in a format without alpha they would
    // come out black.
    QImage blocks(pixels.size(), image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    const auto block_row = [&](int y) { return reinterpret_cast<QRgb*>(blocks.scanLine(y)); };
    int previous_row = -1;
    for (int y = 0; y < pixels.height(); ++y) {
        const int row = pictured(pixels.top() + y, device.dy(), device.m22(), target.top(), image.height());
        QRgb* to = block_row(y);
        // Device rows showing the same picture row are the same.
        if (row == previous_row) {
            std::copy_n(block_row(y - 1), pixels.width(), to);
            continue;
        }
        previous_row = row;
        const auto* from = reinterpret_cast<const QRgb*>(image.constScanLine(row));
        for (int x = 0; x < pixels.width(); ++x)
            to[x] = from[columns[static_cast<std::size_t>(x)]];
    }
    // Drawn one device pixel a pixel: the world transform that, with the rest of the painter's
    // transforms, maps the blocks' origin to their device position at scale 1.
    painter.save();
    painter.setWorldTransform(QTransform::fromTranslate(pixels.left(), pixels.top()) * device.inverted() *
                              painter.worldTransform());
    painter.drawImage(QPointF(0, 0), blocks);
    painter.restore();
}

QPoint PictureControl::picture_pixel_at(QPointF position) const
{
    return floored(position);
}

std::optional<QRgb> PictureControl::colour_shown_at(QPointF position) const
{
    const QRect shown = picture_rect();
    if (picture_.is_null() || shown.isEmpty() || !shown.contains(floored(position)))
        return std::nullopt;
    const QPointF in_picture((position.x() - shown.left()) * picture_.width() / shown.width(),
                             (position.y() - shown.top()) * picture_.height() / shown.height());
    if (shown_density_ > 1 && !dense_.is_null())
        return dense_.pixel_at(in_picture);
    const QPoint pixel = floored(in_picture);
    return picture_.image().pixel(pixel) | 0xFF000000u;
}

QPointF PictureControl::exact_position(const QMouseEvent* event) const
{
    // Embedded in a scaled view, the position comes unrounded from the view's mapping of the
    // pointer's device pixel, the same point the drawing takes the pixel's picture pixel from;
    // the window position is that point rounded to the nearest whole pixel, which would move a
    // press onto the next pixel below or right.
    if (window()->graphicsProxyWidget())
        return event->position();
    // In a window of its own Qt rounds a widget's event position to whole logical pixels, which on
    // a screen of scale 2 moves half of every picture pixel's device pixels onto its neighbour; the
    // position in the window keeps the fraction. An event made without a window position (a
    // synthetic one) repeats the widget position there, and that is taken.
    const QPointF in_window = event->scenePosition() - QPointF(mapTo(window(), QPoint(0, 0)));
    const QPointF rounded = event->position();
    if (std::abs(in_window.x() - rounded.x()) <= 0.5 && std::abs(in_window.y() - rounded.y()) <= 0.5)
        return in_window;
    return rounded;
}

void PictureControl::mousePressEvent(QMouseEvent* event)
{
    press_position_ = exact_position(event);
    const QPoint at = picture_pixel_at(press_position_);
    if (event->button() == Qt::LeftButton)
        left_down_inside_ = rect().contains(at);
    emit pressed(event->button(), event->modifiers(), at.x(), at.y());
}

void PictureControl::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = picture_pixel_at(exact_position(event));
    emit moved(event->buttons(), event->modifiers(), at.x(), at.y());
}

void PictureControl::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint at = picture_pixel_at(exact_position(event));
    if (event->button() == Qt::LeftButton) {
        const bool click = left_down_inside_ && rect().contains(at);
        left_down_inside_ = false;
        if (click)
            emit clicked();
    }
    emit released(event->button(), event->modifiers(), at.x(), at.y());
}

void PictureControl::enterEvent(QEnterEvent* event)
{
    QWidget::enterEvent(event);
    emit entered();
}

void PictureControl::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    emit left();
}

bool PictureControl::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        if (show_hint_ && !hint_.isEmpty())
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), hint_, this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

void PictureControl::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::EnabledChange)
        return;
    update_opaque();
    update();
    emit enabled_changed(isEnabled());
}

} // namespace widgets
