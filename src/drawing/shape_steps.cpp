#include "drawing/shape_steps.h"

#include <array>
#include <cstdint>

namespace drawing {

namespace {

using platform::RectEdges;

QRect draw_outline(platform::DrawingSurface& surface, std::int32_t tool, const RectEdges& r)
{
    switch (tool) {
    case core::tool_line:
        return surface.line_to(QPoint(r.right, r.bottom));
    case core::tool_ellipse:
        return surface.ellipse(r);
    case core::tool_rectangle:
        return surface.rectangle(r);
    case core::tool_rounded_rectangle:
        return surface.rounded_rectangle(r);
    case core::tool_triangle: {
        const int mx = midpoint(r.left, r.right);
        const std::array<QPoint, 4> points{QPoint(r.left, r.bottom), QPoint(r.right, r.bottom),
                                           QPoint(mx, r.top), QPoint(r.left, r.bottom)};
        return surface.polyline(points);
    }
    case core::tool_rhombus: {
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

QRect shape_press(platform::DrawingSurface& surface, core::DrawingState& state, QPoint point)
{
    state.shape_drag = true;
    state.shape_rect = RectEdges{point.x(), point.y(), point.x(), point.y()};
    const QRect changed = surface.focus_rect(state.shape_rect);
    if (state.current_tool == core::tool_line)
        surface.move_to(point);
    return changed;
}

QRect shape_move(platform::DrawingSurface& surface, core::DrawingState& state, QPoint point)
{
    if (!state.shape_drag || point.x() <= state.shape_rect.left || point.y() <= state.shape_rect.top)
        return {};
    QRect changed = surface.focus_rect(state.shape_rect);
    state.shape_rect.right = point.x();
    state.shape_rect.bottom = point.y();
    return changed | surface.focus_rect(state.shape_rect);
}

QRect shape_release(platform::DrawingSurface& surface, core::DrawingState& state, QPoint point)
{
    // A release without a drag of its own (its press failed to take the snapshot) draws nothing.
    if (!state.shape_drag)
        return {};
    QRect changed = surface.focus_rect(state.shape_rect);
    state.shape_rect.right = point.x();
    state.shape_rect.bottom = point.y();
    const bool outline_only = state.current_tool != core::tool_line;
    if (outline_only) {
        state.saved_brush_style = surface.brush().style;
        surface.brush().style = platform::BrushStyle::Clear;
    }
    surface.pen().colour = state.current_color;
    surface.pen().width = state.brush_size * 2;
    changed |= draw_outline(surface, state.current_tool, state.shape_rect);
    if (outline_only)
        surface.brush().style = state.saved_brush_style;
    state.shape_drag = false;
    return changed;
}

} // namespace drawing
