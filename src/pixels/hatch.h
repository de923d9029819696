#pragma once

#include "pixels/drawing_surface.h"

#include <cstdint>

namespace pixels {

// Row `y & 7` of the 8 x 8 cell of `style` as bits, bit x set where the hatch has a line.
std::uint8_t hatch_row_bits(BrushStyle style, int y);

// Whether a brush paints anything at all, and whether it paints every pixel it covers.
inline bool paints(BrushStyle style)
{
    return style != BrushStyle::Clear;
}
inline bool is_hatch(BrushStyle style)
{
    return style != BrushStyle::Clear && style != BrushStyle::Solid;
}

} // namespace pixels
