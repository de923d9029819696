#pragma once

#include "core/frame_shape.h"
#include "support/main_window.h"

#include <QtTest>
#include <utility>
#include <vector>

namespace work_page {

// The eight jars in their row order, as a child sees them: the letter of their files and their colour.
inline constexpr std::pair<const char*, pixels::ColourWord> jar_colours[] = {
    {"к", 0x0000FF}, {"о", 0x0066FF}, {"ж", 0x00FFFF}, {"з", 0x09BC3B},
    {"г", 0xDBBA37}, {"с", 0xFF0000}, {"ф", 0xC118B1}, {"ч", 0x000000}};

using Window = testing_support::MainWindow;
using testing_support::press;

// The 4-connected pixels of the seed's colour around `seed`.
inline std::vector<QPoint> region(const pixels::Bitmap& picture, QPoint seed)
{
    std::vector<QPoint> found{seed};
    std::vector<bool> seen(static_cast<std::size_t>(picture.width() * picture.height()));
    seen[static_cast<std::size_t>(seed.y() * picture.width() + seed.x())] = true;
    for (std::size_t i = 0; i < found.size(); ++i)
        for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
            const QPoint next = found[i] + step;
            const auto at = static_cast<std::size_t>(next.y() * picture.width() + next.x());
            if (picture.contains(next.x(), next.y()) && !seen[at] &&
                picture.pixel(next.x(), next.y()) == picture.pixel(seed.x(), seed.y())) {
                seen[at] = true;
                found.push_back(next);
            }
        }
    return found;
}

} // namespace work_page
