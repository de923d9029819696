#pragma once

#include "platform/colour_word.h"
#include "platform/drawing_surface.h"

#include <array>
#include <cstdint>
#include <optional>

namespace core {

enum Tool : std::int32_t {
    tool_brush = 1,
    tool_fill = 2,
    tool_pipette = 4,
    tool_line = 5,
    tool_ellipse = 6,
    tool_rectangle = 7,
    tool_rounded_rectangle = 8,
    tool_triangle = 9,
    tool_rhombus = 10,
};

// The values that decide what a press on the canvas does. They carry over from picture to
// picture and live as long as the main window.
struct DrawingState {
    std::int32_t current_tool = tool_fill;
    std::int32_t brush_size = 3;
    std::int32_t fill_style = 1;
    std::int32_t eraser_mode = 0;
    platform::ColourWord color_before_eraser = 0;
    // The colour the next press paints with.
    platform::ColourWord current_color = 0;
    std::int32_t stroke_active = 0;
    bool shape_drag = false;
    platform::RectEdges shape_rect;
    platform::BrushStyle saved_brush_style = platform::BrushStyle::Solid;
};

// The brush style of each fill pattern, patterns 1 to 6.
constexpr std::array<platform::BrushStyle, 6> fill_pattern_styles = {platform::BrushStyle::Solid,
                                                                     platform::BrushStyle::Horizontal,
                                                                     platform::BrushStyle::Vertical,
                                                                     platform::BrushStyle::ForwardDiagonal,
                                                                     platform::BrushStyle::BackwardDiagonal,
                                                                     platform::BrushStyle::Cross};

// The brush style of `fill_style` 1 to 6; nothing for any other value.
constexpr std::optional<platform::BrushStyle> fill_pattern_style(std::int32_t fill_style)
{
    if (fill_style < 1 || fill_style > 6)
        return std::nullopt;
    return fill_pattern_styles[static_cast<std::size_t>(fill_style - 1)];
}

constexpr bool is_shape_tool(std::int32_t tool)
{
    return tool >= tool_line && tool <= tool_rhombus;
}

} // namespace core
