#include "pixels/drawing_surface.h"
#include "pixels/pixel_writer.h"

#include <algorithm>
#include <cstdint>

namespace pixels {

namespace {

// Inverting is its own inverse on both storages: RGB flips every colour bit, a table index is
// mirrored within the table (the same as xor with size - 1 for a table of a power of two, and
// never an index the table lacks).
class Inverter {
public:
    explicit Inverter(Bitmap& bitmap)
        : indexed_(stores_indices(bitmap)), table_size_(static_cast<int>(bitmap.image().colorCount())),
          bits_(bitmap.image().bits()), stride_(bitmap.image().bytesPerLine())
    {
    }

    // Inverts the dotted pixels of row y from x1 to x2; the dots sit where x + y is even.
    void dotted_run(int y, int x1, int x2)
    {
        x1 += (x1 + y) & 1;
        uchar* row = bits_ + y * stride_;
        for (int x = x1; x <= x2; x += 2) {
            if (indexed_)
                invert_index(row[x]);
            else
                reinterpret_cast<std::uint32_t*>(row)[x] ^= 0x00FFFFFFu;
            changed_.add(y, x, x);
        }
    }

    QRect changed() const { return changed_.rect(); }

private:
    void invert_index(uchar& index) const
    {
        if (index < table_size_)
            index = static_cast<uchar>(table_size_ - 1 - index);
    }

    bool indexed_;
    int table_size_;
    uchar* bits_;
    qsizetype stride_;
    ChangedBox changed_;
};

} // namespace

QRect draw_focus_rect(Bitmap& bitmap, RectEdges edges)
{
    edges = {sane_coordinate(edges.left), sane_coordinate(edges.top), sane_coordinate(edges.right),
             sane_coordinate(edges.bottom)};
    const int left = std::min(edges.left, edges.right);
    const int right = std::max(edges.left, edges.right) - 1;
    const int top = std::min(edges.top, edges.bottom);
    const int bottom = std::max(edges.top, edges.bottom) - 1;
    if (left > right || top > bottom || !drawable(bitmap))
        return {};
    const int x1 = std::max(left, 0);
    const int x2 = std::min(right, bitmap.width() - 1);
    const int y1 = std::max(top, 0);
    const int y2 = std::min(bottom, bitmap.height() - 1);
    if (x1 > x2 || y1 > y2)
        return {};
    Inverter inverter(bitmap);
    // Each frame pixel is visited once, also where a frame one pixel high or wide folds onto itself.
    if (top >= 0)
        inverter.dotted_run(top, x1, x2);
    if (bottom != top && bottom < bitmap.height())
        inverter.dotted_run(bottom, x1, x2);
    for (int y = std::max(top + 1, 0); y <= std::min(bottom - 1, bitmap.height() - 1); ++y) {
        if (left >= 0)
            inverter.dotted_run(y, left, left);
        if (right != left && right < bitmap.width())
            inverter.dotted_run(y, right, right);
    }
    return inverter.changed();
}

} // namespace pixels
