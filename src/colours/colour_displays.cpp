#include "colours/colour_displays.h"

#include "platform/region.h"

#include <algorithm>
#include <array>
#include <vector>

namespace colours {
namespace {

// Colours of the pixels 4-adjacent to `region`, the area of the seed's colour.
std::vector<platform::ColourWord> border_colours(const platform::Bitmap& picture,
                                                 const std::vector<bool>& region)
{
    std::vector<platform::ColourWord> border;
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

platform::ColourWord distinct_display_colour(const platform::Bitmap& picture, platform::ColourWord wanted,
                                             const std::vector<platform::ColourWord>& avoid)
{
    static constexpr std::array<platform::ColourWord, 8> steps = {0x000000, 0x010101, 0x000001, 0x000100,
                                                                  0x010000, 0x000101, 0x010100, 0x010001};
    for (const platform::ColourWord step : steps) {
        const platform::ColourWord candidate = picture.representable(wanted ^ step);
        if (std::find(avoid.begin(), avoid.end(), candidate) == avoid.end())
            return candidate;
    }
    return picture.representable(wanted);
}

void fill_display(platform::PictureControl& control, QPoint seed, platform::ColourWord colour,
                  platform::BrushStyle style)
{
    platform::Bitmap& picture = control.picture();
    if (!picture.contains(seed.x(), seed.y()))
        return;
    const std::vector<bool> in_region = platform::region_around(picture, seed);
    std::vector<platform::ColourWord> avoid = border_colours(picture, in_region);
    const int bottom_row = picture.height() - 1;
    if (control.transparent() && !in_region[static_cast<std::size_t>(bottom_row * picture.width())])
        avoid.push_back(picture.pixel(0, bottom_row));
    const platform::Brush brush{distinct_display_colour(picture, colour, avoid), style};
    const QRect changed = platform::flood_fill(picture, seed, brush);
    if (!changed.isEmpty())
        control.picture_changed(changed);
}

} // namespace colours
