#pragma once

#include <QImage>
#include <QPoint>
#include <vector>

namespace artgen {

struct Region {
    int pixels = 0;
    QPoint first; // the first pixel in reading order
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The 4-connected white areas of a two-colour line drawing, and for each pixel its region
// number (-1 on the outlines).
struct RegionMap {
    std::vector<Region> regions;
    std::vector<int> label;
    int width = 0;

    int at(int x, int y) const { return label[static_cast<size_t>(y) * width + x]; }
};

RegionMap find_regions(const QImage& line_drawing);

} // namespace artgen
