#include "pixels/drawing_surface.h"
#include "pixels/pixel_writer.h"

#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <algorithm>

namespace pixels {

namespace {

constexpr QRgb pen_mark = 0xFFFF0000u;
constexpr QRgb interior_mark = 0xFF0000FFu;

// The line the pen's centre follows: through the centres of the outermost pixels of the
// rectangle for an odd width, along its pixel corners for an even one, so the outline is exactly
// as wide as the pen on every side.
QRectF centre_line(RectEdges edges, int pen_width)
{
    const double left = std::min(sane_coordinate(edges.left), sane_coordinate(edges.right));
    const double right = std::max(sane_coordinate(edges.left), sane_coordinate(edges.right));
    const double top = std::min(sane_coordinate(edges.top), sane_coordinate(edges.bottom));
    const double bottom = std::max(sane_coordinate(edges.top), sane_coordinate(edges.bottom));
    if (pen_width % 2 == 0)
        return QRectF(left, top, right - left, bottom - top);
    return QRectF(left + 0.5, top + 0.5, std::max(right - left - 1, 0.0), std::max(bottom - top - 1, 0.0));
}

// An interior pixel beside an outside one is where an outline thinner than a pixel on a curve
// let the two touch; it becomes outline, so a fill inside the shape never runs out of it.
void seal_outline(QImage& mask)
{
    const int width = mask.width();
    const int height = mask.height();
    const QRgb* above = nullptr;
    for (int y = 0; y < height; ++y) {
        auto* marks = reinterpret_cast<QRgb*>(mask.scanLine(y));
        const QRgb* below =
            y + 1 < height ? reinterpret_cast<const QRgb*>(mask.constScanLine(y + 1)) : nullptr;
        for (int x = 0; x < width; ++x) {
            if (marks[x] != interior_mark)
                continue;
            const bool touches_outside = (x > 0 && marks[x - 1] == 0) ||
                                         (x + 1 < width && marks[x + 1] == 0) || (above && above[x] == 0) ||
                                         (below && below[x] == 0);
            if (touches_outside)
                marks[x] = pen_mark;
        }
        above = marks;
    }
}

// The shape is rasterised without anti-aliasing into a mask of the part of the bitmap it can
// reach: pen pixels in one mark, interior pixels not under the pen in another.
QImage shape_mask(const QPainterPath& centre, int pen_width, const QRect& area)
{
    QImage mask(area.size(), QImage::Format_ARGB32_Premultiplied);
    mask.fill(0);
    QPainterPathStroker stroker;
    // A hair narrower than the pen, so pixel centres lying exactly on its edge drop out on both
    // sides alike and curves come out symmetric.
    stroker.setWidth(pen_width - 0.02);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    QPainterPath outline = stroker.createStroke(centre);
    outline.setFillRule(Qt::WindingFill);
    {
        QPainter painter(&mask);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.translate(-area.topLeft());
        painter.fillPath(centre, QColor::fromRgba(interior_mark));
        painter.fillPath(outline, QColor::fromRgba(pen_mark));
    }
    seal_outline(mask);
    return mask;
}

QRect draw_shape(Bitmap& bitmap, const QPainterPath& centre, const Pen& pen, const OutlineMask* kept)
{
    const int width = sane_pen_width(pen.width);
    const QRect reach = centre.boundingRect().toAlignedRect().adjusted(-width, -width, width, width);
    const QRect area = reach.intersected(bitmap.rect());
    if (area.isEmpty())
        return {};
    const QImage mask = shape_mask(centre, width, area);
    PixelWriter pen_writer(bitmap, pen.colour, kept);
    const int mask_width = mask.width();
    // The mask is walked run by run, and only the pen's runs are painted: a run of one mark is one call, not
    // one a pixel.
    for (int my = 0; my < mask.height(); ++my) {
        const auto* marks = reinterpret_cast<const QRgb*>(mask.constScanLine(my));
        const int y = area.top() + my;
        for (int start = 0, end = 0; start < mask_width; start = end) {
            const QRgb mark = marks[start];
            end = static_cast<int>(std::find_if(marks + start, marks + mask_width,
                                                [mark](QRgb other) { return other != mark; }) -
                                   marks);
            if (mark == pen_mark)
                pen_writer.fill_run(y, area.left() + start, area.left() + end - 1);
        }
    }
    return pen_writer.changed();
}

} // namespace

QRect draw_rectangle(Bitmap& bitmap, RectEdges edges, const Pen& pen, const OutlineMask* kept)
{
    QPainterPath centre;
    centre.addRect(centre_line(edges, sane_pen_width(pen.width)));
    return draw_shape(bitmap, centre, pen, kept);
}

QRect draw_ellipse(Bitmap& bitmap, RectEdges edges, const Pen& pen, const OutlineMask* kept)
{
    QPainterPath centre;
    centre.addEllipse(centre_line(edges, sane_pen_width(pen.width)));
    return draw_shape(bitmap, centre, pen, kept);
}

QRect draw_rounded_rectangle(Bitmap& bitmap, RectEdges edges, const Pen& pen, const OutlineMask* kept)
{
    constexpr double corner_radius = 10.0;
    QPainterPath centre;
    centre.addRoundedRect(centre_line(edges, sane_pen_width(pen.width)), corner_radius, corner_radius);
    return draw_shape(bitmap, centre, pen, kept);
}

} // namespace pixels
