#pragma once

#include "pixels/bitmap.h"

#include <QSize>
#include <cstdint>
#include <vector>

namespace pixels {

// The pixels of a picture that no tool may change: one byte a pixel, non-zero for a kept pixel.
// The pixel algorithms take it as an optional argument and leave its pixels as they are; a mask
// of another size than the bitmap keeps nothing, since it was made for another picture.
class OutlineMask {
public:
    // The pixels of `picture` that are pure black now (on an indexed picture, the pixels whose
    // table entry is pure black).
    static OutlineMask of_black_pixels(const Bitmap& picture);

    bool fits(const Bitmap& bitmap) const { return !kept_.empty() && size_ == bitmap.size(); }
    bool keeps(int x, int y) const { return kept_[static_cast<std::size_t>(y * size_.width() + x)] != 0; }
    // The row's bytes, `size().width()` of them.
    const std::uint8_t* row(int y) const
    {
        return kept_.data() + static_cast<std::size_t>(y) * size_.width();
    }
    // All rows one after the other, for image operations on the mask in place.
    std::uint8_t* data() { return kept_.data(); }
    QSize size() const { return size_; }

private:
    QSize size_;
    std::vector<std::uint8_t> kept_;
};

// The mask to keep while writing into `bitmap`, or null when there is none or it does not fit.
inline const OutlineMask* fitting_mask(const OutlineMask* mask, const Bitmap& bitmap)
{
    return mask != nullptr && mask->fits(bitmap) ? mask : nullptr;
}

} // namespace pixels
