#pragma once

#include "pixels/colour_word.h"
#include "pixels/drawing_surface.h"

#include <array>
#include <cstdint>
#include <optional>

namespace core {

// The tools a press on the canvas can use, by the numbers the program has always given them. The
// eraser is no tool of its own: it is the brush in eraser mode.
enum class Tool : std::int32_t {
    brush = 1,
    fill = 2,
    pipette = 4,
    line = 5,
    ellipse = 6,
    rectangle = 7,
    rounded_rectangle = 8,
    triangle = 9,
    rhombus = 10,
};

// The fill patterns of the six pattern buttons; `none` while a tool that does not fill is chosen.
enum class FillPattern : std::int32_t {
    none = 0,
    solid = 1,
    horizontal = 2,
    vertical = 3,
    right_slope = 4,
    left_slope = 5,
    grid = 6,
};

// The values that decide what a press on the canvas does. They carry over from picture to
// picture and live as long as the main window.
struct DrawingState {
    Tool current_tool = Tool::fill;
    std::int32_t brush_size = 3;
    FillPattern fill_pattern = FillPattern::solid;
    bool eraser_mode = false;
    pixels::ColourWord colour_before_eraser = 0;
    // The colour the next press paints with.
    pixels::ColourWord current_colour = 0;
    // The gesture under way: the brush tool's stroke, the shape tool's drag and its rectangle.
    bool stroke_active = false;
    bool shape_drag = false;
    pixels::RectEdges shape_rect;
};

// The brush style of each fill pattern, solid to grid.
constexpr std::array<pixels::BrushStyle, 6> fill_pattern_styles = {pixels::BrushStyle::Solid,
                                                                     pixels::BrushStyle::Horizontal,
                                                                     pixels::BrushStyle::Vertical,
                                                                     pixels::BrushStyle::ForwardDiagonal,
                                                                     pixels::BrushStyle::BackwardDiagonal,
                                                                     pixels::BrushStyle::Cross};

// The fill pattern of pattern button `index` (0 to 5, solid to grid).
constexpr FillPattern fill_pattern_of_button(std::size_t index)
{
    return static_cast<FillPattern>(index + 1);
}

// The brush style of `pattern`; nothing for `none`.
constexpr std::optional<pixels::BrushStyle> fill_pattern_style(FillPattern pattern)
{
    if (pattern == FillPattern::none)
        return std::nullopt;
    return fill_pattern_styles[static_cast<std::size_t>(pattern) - 1];
}

constexpr bool is_shape_tool(Tool tool)
{
    return tool >= Tool::line && tool <= Tool::rhombus;
}

} // namespace core
