#pragma once

#include "pixels/bitmap.h"
#include "pixels/drawing_surface.h"

#include <QRect>
#include <set>
#include <vector>

namespace art_checks {

// Sizes of all 4-connected white areas of a black-and-white drawing.
inline std::vector<int> white_regions(const pixels::Bitmap& drawing)
{
    pixels::Bitmap copy = drawing;
    std::vector<int> sizes;
    for (int y = 0; y < copy.height(); ++y)
        for (int x = 0; x < copy.width(); ++x)
            if (copy.pixel(x, y) == pixels::white_word) {
                const QRect changed =
                    pixels::flood_fill(copy, {x, y}, {0x00808080, pixels::BrushStyle::Solid});
                int count = 0;
                for (int yy = changed.top(); yy <= changed.bottom(); ++yy)
                    for (int xx = changed.left(); xx <= changed.right(); ++xx)
                        if (copy.pixel(xx, yy) == 0x00808080) {
                            ++count;
                            copy.image().setPixel(xx, yy, pixels::to_qrgb(0x00404040));
                        }
                sizes.push_back(count);
            }
    return sizes;
}

// The bounding box of the closed shapes of a line drawing: every white area that does not reach the
// edge of the page (the sun, clouds, walls, windows, flags), outlines included.
inline QRect closed_shapes_bounds(const pixels::Bitmap& drawing)
{
    const int w = drawing.width(), h = drawing.height();
    std::vector<char> seen(static_cast<size_t>(w) * h, 0);
    QRect bounds;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (seen[static_cast<size_t>(y) * w + x] || drawing.pixel(x, y) != pixels::white_word)
                continue;
            std::vector<QPoint> stack{{x, y}}, area;
            seen[static_cast<size_t>(y) * w + x] = 1;
            bool reaches_edge = false;
            while (!stack.empty()) {
                const QPoint p = stack.back();
                stack.pop_back();
                area.push_back(p);
                reaches_edge |= p.x() == 0 || p.y() == 0 || p.x() == w - 1 || p.y() == h - 1;
                for (const QPoint n :
                     {p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1), p - QPoint(0, 1)})
                    if (n.x() >= 0 && n.y() >= 0 && n.x() < w && n.y() < h &&
                        !seen[static_cast<size_t>(n.y()) * w + n.x()] &&
                        drawing.pixel(n.x(), n.y()) == pixels::white_word) {
                        seen[static_cast<size_t>(n.y()) * w + n.x()] = 1;
                        stack.push_back(n);
                    }
            }
            if (!reaches_edge)
                for (const QPoint p : area)
                    bounds |= QRect(p, QSize(1, 1));
        }
    return bounds.adjusted(-2, -2, 2, 2);
}

// The bounding box of what stands out in a photograph: pixels far in colour from both ends of their
// row, where the scenery runs on past the subject.
inline QRect subject_bounds(const pixels::Bitmap& photo)
{
    const auto distance = [](pixels::ColourWord a, pixels::ColourWord b) {
        const int dr = pixels::red_of(a) - pixels::red_of(b),
                  dg = pixels::green_of(a) - pixels::green_of(b),
                  db = pixels::blue_of(a) - pixels::blue_of(b);
        return dr * dr + dg * dg + db * db;
    };
    QRect bounds;
    for (int y = 0; y < photo.height(); ++y) {
        const pixels::ColourWord left = photo.pixel(0, y), right = photo.pixel(photo.width() - 1, y);
        for (int x = 0; x < photo.width(); ++x)
            if (distance(photo.pixel(x, y), left) > 90 * 90 && distance(photo.pixel(x, y), right) > 90 * 90)
                bounds |= QRect(x, y, 1, 1);
    }
    return bounds;
}

inline std::set<pixels::ColourWord> colours_of(const pixels::Bitmap& picture)
{
    std::set<pixels::ColourWord> found;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            found.insert(picture.pixel(x, y));
    return found;
}

} // namespace art_checks
