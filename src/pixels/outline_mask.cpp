#include "pixels/outline_mask.h"

namespace pixels {

OutlineMask OutlineMask::of_black_pixels(const Bitmap& picture)
{
    OutlineMask mask;
    mask.size_ = picture.size();
    mask.kept_.assign(static_cast<std::size_t>(picture.width()) * static_cast<std::size_t>(picture.height()),
                      0);
    if (picture.is_null())
        return mask;
    // One look-up a table entry instead of one a pixel: an indexed picture may hold black twice.
    std::vector<std::uint8_t> black_entries;
    for (const QRgb entry : picture.colour_table())
        black_entries.push_back(from_qrgb(entry) == black_word ? 1 : 0);
    black_entries.resize(256, 0);
    const QImage& image = picture.image();
    const bool indexed = image.depth() == 8;
    for (int y = 0; y < picture.height(); ++y) {
        std::uint8_t* kept = mask.kept_.data() + static_cast<std::size_t>(y) * picture.width();
        const uchar* line = image.constScanLine(y);
        for (int x = 0; x < picture.width(); ++x) {
            if (indexed)
                kept[x] = black_entries[line[x]];
            else
                kept[x] = (reinterpret_cast<const QRgb*>(line)[x] & 0x00FFFFFFu) == 0 ? 1 : 0;
        }
    }
    return mask;
}

} // namespace pixels
