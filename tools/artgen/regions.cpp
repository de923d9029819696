#include "regions.h"

#include <algorithm>

namespace artgen {

RegionMap find_regions(const QImage& line_drawing)
{
    const QImage image = line_drawing.convertToFormat(QImage::Format_RGB32);
    const int w = image.width(), h = image.height();
    RegionMap map;
    map.width = w;
    map.label.assign(static_cast<size_t>(w) * h, -1);
    std::vector<QPoint> stack;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (map.at(x, y) >= 0 || qGray(image.pixel(x, y)) < 128)
                continue;
            const int id = static_cast<int>(map.regions.size());
            Region region{0, QPoint(x, y), x, y, x, y};
            stack.push_back(QPoint(x, y));
            map.label[static_cast<size_t>(y) * w + x] = id;
            while (!stack.empty()) {
                const QPoint p = stack.back();
                stack.pop_back();
                ++region.pixels;
                region.left = std::min(region.left, p.x());
                region.right = std::max(region.right, p.x());
                region.top = std::min(region.top, p.y());
                region.bottom = std::max(region.bottom, p.y());
                for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const QPoint n = p + d;
                    if (n.x() < 0 || n.y() < 0 || n.x() >= w || n.y() >= h)
                        continue;
                    int& label = map.label[static_cast<size_t>(n.y()) * w + n.x()];
                    if (label < 0 && qGray(image.pixel(n)) >= 128) {
                        label = id;
                        stack.push_back(n);
                    }
                }
            }
            map.regions.push_back(region);
        }
    return map;
}

} // namespace artgen
