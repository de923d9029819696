#pragma once

#include "pixels/bitmap.h"
#include "pixels/outline_mask.h"

#include <QRect>
#include <cstdint>

namespace pixels {

// Coordinates far outside any bitmap are pulled in to this range so that the integer geometry of
// the drawing algorithms cannot overflow.
constexpr int coordinate_limit = 1 << 24;
int sane_coordinate(int value);
// Pen widths below one draw one pixel, as the window system's pens do; absurd widths are capped.
int sane_pen_width(int width);

// Whether the storage is one the pixel algorithms can write: Format_RGB32 or Format_Indexed8.
bool drawable(const Bitmap& bitmap);
// Whether the bitmap's storage is one byte a pixel (a colour table) rather than Format_RGB32.
bool stores_indices(const Bitmap& bitmap);
// The raw storage value that shows `colour`: an opaque QRgb, or the nearest table index.
std::uint32_t stored_value(const Bitmap& bitmap, ColourWord colour);

// Bounding box of changed pixels, grown run by run.
class ChangedBox {
public:
    void add(int y, int x1, int x2);
    void add(const QRect& rect);
    QRect rect() const;

private:
    int left_ = 0;
    int top_ = 0;
    int right_ = -1;
    int bottom_ = -1;
};

// Paints runs of one colour into a bitmap's storage and keeps the box of the pixels whose value
// actually changed, so callers repaint no more than needed. The pixels of a fitting `kept` mask
// are never written.
class PixelWriter {
public:
    PixelWriter(Bitmap& bitmap, ColourWord colour, const OutlineMask* kept = nullptr);

    int width() const { return width_; }
    int height() const { return height_; }
    // Pixels x1..x2 of row y, both inclusive; whatever lies outside the bitmap is skipped.
    void fill_run(int y, int x1, int x2);
    void set(int x, int y) { fill_run(y, x, x); }
    QRect changed() const { return changed_.rect(); }

private:
    // `kept` is the mask's row when Masked.
    template <typename Pixel, bool Masked>
    void write(Pixel* row, const std::uint8_t* kept, int y, int x1, int x2);

    uchar* bits_ = nullptr;
    qsizetype stride_ = 0;
    int width_ = 0;
    int height_ = 0;
    bool indexed_ = false;
    std::uint32_t value_ = 0;
    const OutlineMask* kept_ = nullptr;
    ChangedBox changed_;
};

} // namespace pixels
