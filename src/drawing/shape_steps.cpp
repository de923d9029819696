#include "drawing/shape_steps.h"

#include <array>
#include <cstdint>

namespace drawing {

namespace {

using pixels::RectEdges;

QRect draw_outline(pixels::DrawingSurface& surface, core::Tool tool, const RectEdges& r)
{
    switch (tool) {
    case core::Tool::line:
        return surface.line_to(QPoint(r.right, r.bottom));
    case core::Tool::ellipse:
        return surface.ellipse(r);
    case core::Tool::rectangle:
        return surface.rectangle(r);
    case core::Tool::rounded_rectangle:
        return surface.rounded_rectangle(r);
    case core::Tool::triangle: {
        const int mx = midpoint(r.left, r.right);
        const std::array<QPoint, 4> points{QPoint(r.left, r.bottom), QPoint(r.right, r.bottom),
                                           QPoint(mx, r.top), QPoint(r.left, r.bottom)};
        return surface.polyline(points);
    }
    case core::Tool::rhombus: {
        const int mx = midpoint(r.left, r.right);
        const int my = midpoint(r.top, r.bottom);
        const std::array<QPoint, 5> points{QPoint(r.left, my), QPoint(mx, r.bottom), QPoint(r.right, my),
                                           QPoint(mx, r.top), QPoint(r.left, my)};
        return surface.polyline(points);
    }
    default:
        return {};
    }
}

} // namespace

int midpoint(int a, int b)
{
    const std::int64_t sum = std::int64_t{a} + b;
    // Floor division by two, then a half moves up only when that lands on an even number.
    std::int64_t half = sum >= 0 ? sum / 2 : -((-sum + 1) / 2);
    if (sum % 2 != 0 && half % 2 != 0)
        ++half;
    return static_cast<int>(half);
}

QRect shape_press(pixels::DrawingSurface& surface, core::DrawingState& state, QPoint point)
{
    state.shape_drag = true;
    state.shape_rect = RectEdges{point.x(), point.y(), point.x(), point.y()};
    const QRect changed = surface.focus_rect(state.shape_rect);
    if (state.current_tool == core::Tool::line)
        surface.move_to(point);
    return changed;
}

QRect shape_move(pixels::DrawingSurface& surface, core::DrawingState& state, QPoint point)
{
    if (!state.shape_drag || point.x() <= state.shape_rect.left || point.y() <= state.shape_rect.top)
        return {};
    QRect changed = surface.focus_rect(state.shape_rect);
    state.shape_rect.right = point.x();
    state.shape_rect.bottom = point.y();
    return changed | surface.focus_rect(state.shape_rect);
}

QRect shape_release(pixels::DrawingSurface& surface, core::DrawingState& state, QPoint point)
{
    // A release without a drag of its own (its press failed to take the snapshot) draws nothing.
    if (!state.shape_drag)
        return {};
    QRect changed = surface.focus_rect(state.shape_rect);
    state.shape_rect.right = point.x();
    state.shape_rect.bottom = point.y();
    surface.pen().colour = state.current_colour;
    surface.pen().width = state.brush_size * 2;
    changed |= draw_outline(surface, state.current_tool, state.shape_rect);
    state.shape_drag = false;
    return changed;
}

} // namespace drawing
