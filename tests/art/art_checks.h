#pragma once

#include "platform/bitmap.h"
#include "platform/drawing_surface.h"

#include <QRect>
#include <set>
#include <vector>

namespace art_checks {

// Sizes of all 4-connected white areas of a black-and-white drawing.
inline std::vector<int> white_regions(const platform::Bitmap& drawing)
{
    platform::Bitmap copy = drawing;
    std::vector<int> sizes;
    for (int y = 0; y < copy.height(); ++y)
        for (int x = 0; x < copy.width(); ++x)
            if (copy.pixel(x, y) == platform::white_word) {
                const QRect changed =
                    platform::flood_fill(copy, {x, y}, {0x00808080, platform::BrushStyle::Solid});
                int count = 0;
                for (int yy = changed.top(); yy <= changed.bottom(); ++yy)
                    for (int xx = changed.left(); xx <= changed.right(); ++xx)
                        if (copy.pixel(xx, yy) == 0x00808080) {
                            ++count;
                            copy.image().setPixel(xx, yy, platform::to_qrgb(0x00404040));
                        }
                sizes.push_back(count);
            }
    return sizes;
}

inline std::set<platform::ColourWord> colours_of(const platform::Bitmap& picture)
{
    std::set<platform::ColourWord> found;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            found.insert(picture.pixel(x, y));
    return found;
}

} // namespace art_checks
