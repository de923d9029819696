#include "pixels/capsule.h"
#include "pixels/drawing_surface.h"

namespace pixels {

QRect draw_line(Bitmap& bitmap, QPoint from, QPoint to, const Pen& pen, const OutlineMask* kept)
{
    PixelWriter writer(bitmap, pen.colour, kept);
    paint_capsule(writer, from, to, pen.width);
    return writer.changed();
}

// Every segment is a capsule with round ends, so the joins come out round.
QRect draw_polyline(Bitmap& bitmap, std::span<const QPoint> points, const Pen& pen, const OutlineMask* kept)
{
    PixelWriter writer(bitmap, pen.colour, kept);
    if (points.size() == 1)
        paint_capsule(writer, points[0], points[0], pen.width);
    for (std::size_t i = 1; i < points.size(); ++i)
        paint_capsule(writer, points[i - 1], points[i], pen.width);
    return writer.changed();
}

} // namespace pixels
