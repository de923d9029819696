#include "colours/colour_displays.h"

#include "pixels/region.h"

#include <algorithm>
#include <array>
#include <vector>

namespace colours {
namespace {

// Colours of the pixels 4-adjacent to `region`, the area of the seed's colour.
std::vector<pixels::ColourWord> border_colours(const pixels::Bitmap& picture,
                                                 const std::vector<bool>& region)
{
    std::vector<pixels::ColourWord> border;
    const int width = picture.width();
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < width; ++x) {
            if (!region[static_cast<std::size_t>(y * width + x)])
                continue;
            for (const QPoint next : {QPoint(x + 1, y), QPoint(x - 1, y), QPoint(x, y + 1), QPoint(x, y - 1)})
                if (picture.contains(next.x(), next.y()) &&
                    !region[static_cast<std::size_t>(next.y() * width + next.x())])
                    border.push_back(picture.pixel(next.x(), next.y()));
        }
    return border;
}

} // namespace

pixels::ColourWord distinct_display_colour(const pixels::Bitmap& picture, pixels::ColourWord wanted,
                                             const std::vector<pixels::ColourWord>& avoid)
{
    static constexpr std::array<pixels::ColourWord, 8> steps = {0x000000, 0x010101, 0x000001, 0x000100,
                                                                  0x010000, 0x000101, 0x010100, 0x010001};
    for (const pixels::ColourWord step : steps) {
        const pixels::ColourWord candidate = picture.representable(wanted ^ step);
        if (std::find(avoid.begin(), avoid.end(), candidate) == avoid.end())
            return candidate;
    }
    return picture.representable(wanted);
}

void fill_display(widgets::PictureControl& control, QPoint seed, pixels::ColourWord colour,
                  pixels::BrushStyle style)
{
    pixels::Bitmap& picture = control.picture();
    if (!picture.contains(seed.x(), seed.y()))
        return;
    const std::vector<bool> in_region = pixels::region_around(picture, seed);
    std::vector<pixels::ColourWord> avoid = border_colours(picture, in_region);
    const int bottom_row = picture.height() - 1;
    if (control.transparent() && !in_region[static_cast<std::size_t>(bottom_row * picture.width())])
        avoid.push_back(picture.pixel(0, bottom_row));
    const pixels::Brush brush{distinct_display_colour(picture, colour, avoid), style};
    const QRect changed = pixels::flood_fill(picture, seed, brush);
    if (!changed.isEmpty())
        control.picture_changed(changed);
}

} // namespace colours
