#include "pixels/hatch.h"

namespace pixels {

// The cell: horizontal lines on row 0, vertical lines on column 0, the forward diagonal where
// x == y (upper left to lower right, as y grows downwards), the backward diagonal where
// x + y == 7 (lower left to upper right); the cross is row 0 and column 0 together.
bool hatch_covers(BrushStyle style, int x, int y)
{
    x &= 7;
    y &= 7;
    switch (style) {
    case BrushStyle::Solid:
        return true;
    case BrushStyle::Clear:
        return false;
    case BrushStyle::Horizontal:
        return y == 0;
    case BrushStyle::Vertical:
        return x == 0;
    case BrushStyle::ForwardDiagonal:
        return x == y;
    case BrushStyle::BackwardDiagonal:
        return x + y == 7;
    case BrushStyle::Cross:
        return x == 0 || y == 0;
    }
    return false;
}

std::uint8_t hatch_row_bits(BrushStyle style, int y)
{
    std::uint8_t bits = 0;
    for (int x = 0; x < 8; ++x) {
        if (hatch_covers(style, x, y))
            bits = static_cast<std::uint8_t>(bits | 1u << x);
    }
    return bits;
}

} // namespace pixels
