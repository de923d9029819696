#include "pixels/pixel_writer.h"

#include <algorithm>

namespace pixels {

int sane_coordinate(int value)
{
    return std::clamp(value, -coordinate_limit, coordinate_limit);
}

int sane_pen_width(int width)
{
    return std::clamp(width, 1, 4096);
}

bool drawable(const Bitmap& bitmap)
{
    return !bitmap.is_null() && (bitmap.image().depth() == 8 || bitmap.image().depth() == 32);
}

bool stores_indices(const Bitmap& bitmap)
{
    return bitmap.image().depth() == 8;
}

std::uint32_t stored_value(const Bitmap& bitmap, ColourWord colour)
{
    if (stores_indices(bitmap))
        return static_cast<std::uint32_t>(bitmap.nearest_index(colour));
    return to_qrgb(colour);
}

void ChangedBox::add(int y, int x1, int x2)
{
    if (x1 > x2)
        return;
    if (right_ < left_) {
        left_ = x1;
        right_ = x2;
        top_ = bottom_ = y;
        return;
    }
    left_ = std::min(left_, x1);
    right_ = std::max(right_, x2);
    top_ = std::min(top_, y);
    bottom_ = std::max(bottom_, y);
}

void ChangedBox::add(const QRect& rect)
{
    if (rect.isEmpty())
        return;
    add(rect.top(), rect.left(), rect.right());
    add(rect.bottom(), rect.left(), rect.right());
}

QRect ChangedBox::rect() const
{
    if (right_ < left_)
        return {};
    return QRect(QPoint(left_, top_), QPoint(right_, bottom_));
}

PixelWriter::PixelWriter(Bitmap& bitmap, ColourWord colour, const OutlineMask* kept)
    : width_(bitmap.width()), height_(bitmap.height()), indexed_(stores_indices(bitmap)),
      value_(stored_value(bitmap, colour)), kept_(fitting_mask(kept, bitmap))
{
    if (!drawable(bitmap))
        return;
    bits_ = bitmap.image().bits();
    stride_ = bitmap.image().bytesPerLine();
}

void PixelWriter::fill_run(int y, int x1, int x2)
{
    if (y < 0 || y >= height_ || bits_ == nullptr)
        return;
    x1 = std::max(x1, 0);
    x2 = std::min(x2, width_ - 1);
    if (x1 > x2)
        return;
    uchar* row = bits_ + y * stride_;
    // Without a mask the loop stays the one it always was: no look-up a pixel.
    const std::uint8_t* kept = kept_ != nullptr ? kept_->row(y) : nullptr;
    if (kept != nullptr && indexed_)
        write<std::uint8_t, true>(row, kept, y, x1, x2);
    else if (kept != nullptr)
        write<std::uint32_t, true>(reinterpret_cast<std::uint32_t*>(row), kept, y, x1, x2);
    else if (indexed_)
        write<std::uint8_t, false>(row, kept, y, x1, x2);
    else
        write<std::uint32_t, false>(reinterpret_cast<std::uint32_t*>(row), kept, y, x1, x2);
}

template <typename Pixel, bool Masked>
void PixelWriter::write(Pixel* row, const std::uint8_t* kept, int y, int x1, int x2)
{
    const auto value = static_cast<Pixel>(value_);
    int first = x2 + 1;
    int last = x1 - 1;
    for (int x = x1; x <= x2; ++x) {
        if ((Masked && kept[x] != 0) || row[x] == value)
            continue;
        row[x] = value;
        first = std::min(first, x);
        last = x;
    }
    changed_.add(y, first, last);
}

} // namespace pixels
