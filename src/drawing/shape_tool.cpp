#include "drawing/shape_tool.h"

#include <array>
#include <cstdint>

namespace drawing {

namespace {

// (a + b) / 2 rounded to the nearest integer, a half going to the even neighbour.
int midpoint(int a, int b)
{
    const std::int64_t sum = std::int64_t{a} + b;
    // Floor division by two, then a half moves up only when that lands on an even number.
    std::int64_t half = sum >= 0 ? sum / 2 : -((-sum + 1) / 2);
    if (sum % 2 != 0 && half % 2 != 0)
        ++half;
    return static_cast<int>(half);
}

} // namespace

QRect ShapeTool::press(QPoint point)
{
    drawing_.shape_drag = true;
    drawing_.shape_rect = pixels::RectEdges{point.x(), point.y(), point.x(), point.y()};
    const QRect changed = surface_.focus_rect(drawing_.shape_rect);
    if (drawing_.current_tool == core::Tool::line)
        surface_.move_to(point);
    return changed;
}

QRect ShapeTool::move(QPoint point)
{
    pixels::RectEdges& rect = drawing_.shape_rect;
    if (!drawing_.shape_drag || point.x() <= rect.left || point.y() <= rect.top)
        return {};
    QRect changed = surface_.focus_rect(rect);
    rect.right = point.x();
    rect.bottom = point.y();
    return changed | surface_.focus_rect(rect);
}

QRect ShapeTool::release(QPoint point)
{
    if (!drawing_.shape_drag)
        return {};
    QRect changed = cancel();
    drawing_.shape_rect.right = point.x();
    drawing_.shape_rect.bottom = point.y();
    surface_.pen().colour = drawing_.current_colour;
    surface_.pen().width = drawing_.brush_size * 2;
    return changed | draw_outline();
}

QRect ShapeTool::cancel()
{
    if (!drawing_.shape_drag)
        return {};
    drawing_.shape_drag = false;
    return surface_.focus_rect(drawing_.shape_rect);
}

QRect ShapeTool::draw_outline()
{
    const pixels::RectEdges& r = drawing_.shape_rect;
    switch (drawing_.current_tool) {
    case core::Tool::line:
        return surface_.line_to(QPoint(r.right, r.bottom));
    case core::Tool::ellipse:
        return surface_.ellipse(r);
    case core::Tool::rectangle:
        return surface_.rectangle(r);
    case core::Tool::rounded_rectangle:
        return surface_.rounded_rectangle(r);
    case core::Tool::triangle: {
        const int mx = midpoint(r.left, r.right);
        const std::array<QPoint, 4> points{QPoint(r.left, r.bottom), QPoint(r.right, r.bottom),
                                           QPoint(mx, r.top), QPoint(r.left, r.bottom)};
        return surface_.polyline(points);
    }
    case core::Tool::rhombus: {
        const int mx = midpoint(r.left, r.right);
        const int my = midpoint(r.top, r.bottom);
        const std::array<QPoint, 5> points{QPoint(r.left, my), QPoint(mx, r.bottom), QPoint(r.right, my),
                                           QPoint(mx, r.top), QPoint(r.left, my)};
        return surface_.polyline(points);
    }
    default:
        return {};
    }
}

} // namespace drawing
