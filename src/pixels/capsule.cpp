#include "pixels/capsule.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace pixels {

namespace {

__extension__ using wide = __int128;

// All geometry is in half pixels, so pixel centres and pixel corners are both whole numbers and
// the inside test is exact.
class Capsule {
public:
    Capsule(QPoint from, QPoint to, int width) : width_(width)
    {
        const std::int64_t offset = width % 2;
        ax_ = 2 * std::int64_t{sane_coordinate(from.x())} + offset;
        ay_ = 2 * std::int64_t{sane_coordinate(from.y())} + offset;
        dx_ = 2 * std::int64_t{sane_coordinate(to.x())} + offset - ax_;
        dy_ = 2 * std::int64_t{sane_coordinate(to.y())} + offset - ay_;
        length2_ = dx_ * dx_ + dy_ * dy_;
    }

    bool covers(int x, int y) const
    {
        const std::int64_t px = 2 * std::int64_t{x} + 1 - ax_;
        const std::int64_t py = 2 * std::int64_t{y} + 1 - ay_;
        const std::int64_t radius2 = std::int64_t{width_} * width_;
        const std::int64_t along = px * dx_ + py * dy_;
        if (length2_ == 0 || along <= 0)
            return px * px + py * py <= radius2;
        if (along >= length2_) {
            const std::int64_t qx = px - dx_;
            const std::int64_t qy = py - dy_;
            return qx * qx + qy * qy <= radius2;
        }
        const wide cross = wide{px} * dy_ - wide{py} * dx_;
        return cross * cross <= wide{radius2} * length2_;
    }

    // Rows, in pixels, that the capsule can reach.
    int first_row() const { return static_cast<int>(std::floor((std::min(ay_, ay_ + dy_) - width_) / 2.0)); }
    int last_row() const { return static_cast<int>(std::ceil((std::max(ay_, ay_ + dy_) + width_) / 2.0)); }

    // A pixel of row y on the nearest point of the segment: if the row meets the capsule at all,
    // it does so at one of the two pixels on either side of this point.
    int anchor_column(int y) const
    {
        const double row_centre = 2.0 * y + 1;
        double t = 0.0;
        if (dy_ != 0)
            t = std::clamp((row_centre - static_cast<double>(ay_)) / static_cast<double>(dy_), 0.0, 1.0);
        const double centre = static_cast<double>(ax_) + t * static_cast<double>(dx_);
        return static_cast<int>(std::floor((centre - 1.0) / 2.0));
    }

private:
    int width_;
    std::int64_t ax_ = 0;
    std::int64_t ay_ = 0;
    std::int64_t dx_ = 0;
    std::int64_t dy_ = 0;
    std::int64_t length2_ = 0;
};

void paint_row(PixelWriter& writer, const Capsule& capsule, int y)
{
    const int last_column = writer.width() - 1;
    int start = std::clamp(capsule.anchor_column(y), 0, last_column);
    if (!capsule.covers(start, y)) {
        const int other = capsule.anchor_column(y) + 1;
        if (other < 0 || other > last_column || !capsule.covers(other, y))
            return;
        start = other;
    }
    int left = start;
    while (left > 0 && capsule.covers(left - 1, y))
        --left;
    int right = start;
    while (right < last_column && capsule.covers(right + 1, y))
        ++right;
    writer.fill_run(y, left, right);
}

} // namespace

void paint_capsule(PixelWriter& writer, QPoint from, QPoint to, int width)
{
    const Capsule capsule(from, to, sane_pen_width(width));
    const int first = std::max(capsule.first_row(), 0);
    const int last = std::min(capsule.last_row(), writer.height() - 1);
    for (int y = first; y <= last; ++y)
        paint_row(writer, capsule, y);
}

} // namespace pixels
