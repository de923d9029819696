#include "formats/bmp_format.h"
#include "platform/errors.h"

#include <bit>
#include <cstdlib>

namespace formats::bmp {

namespace {

constexpr qint64 file_header_size = 14;
constexpr qint64 max_side = 32768;
constexpr qint64 max_pixels = qint64{1} << 28;

bool known_info_size(std::uint32_t size)
{
    return size == 40 || size == 52 || size == 56 || size == 64 || size == 108 || size == 124;
}

struct Layout {
    std::uint32_t header_size = 0;
    std::uint32_t colours_used = 0;
    qint64 palette_at = 0;
    int palette_entry = 4;
};

// A channel mask must be one run of set bits inside the pixel.
void check_mask(std::uint32_t mask, int bits)
{
    if (mask == 0)
        return;
    const std::uint32_t run = mask >> std::countr_zero(mask);
    if ((run & (run + 1)) != 0 || (bits == 16 && mask > 0xFFFF))
        refuse();
}

void read_masks(const ByteReader& file, Header& header, qint64 at)
{
    if (header.compression == bitfields) {
        for (int i = 0; i < 3; ++i)
            header.masks[i] = file.u32(at + 4 * i);
    } else if (header.bits == 16) {
        header.masks = {0x7C00, 0x03E0, 0x001F};
    } else {
        header.masks = {0xFF0000, 0xFF00, 0xFF};
    }
    for (std::uint32_t mask : header.masks)
        check_mask(mask, header.bits);
}

void check_format(const Header& header, const Layout& layout)
{
    const int bits = header.bits;
    const bool core = layout.header_size == 12;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        refuse();
    if (core && bits != 1 && bits != 4 && bits != 8 && bits != 24)
        refuse();
    switch (header.compression) {
    case rgb:
        return;
    case rle8:
    case rle4:
        if (bits != (header.compression == rle8 ? 8 : 4) || header.top_down)
            refuse();
        return;
    case bitfields:
        // The 64-byte header gives compression 3 another meaning, which we do not read.
        if ((bits != 16 && bits != 32) || layout.header_size == 64)
            refuse();
        return;
    default:
        refuse();
    }
}

void check_dimensions(qint64 width, qint64 height)
{
    if (width <= 0 || height <= 0 || width > max_side || height > max_side || width * height > max_pixels)
        refuse();
}

// The table holds biClrUsed entries or as many as the depth allows, but never reaches into
// the pixels: some writers leave out unused entries without saying so.
void read_colour_table(const ByteReader& file, Header& header, const Layout& layout)
{
    if (header.bits > 8)
        return;
    const qint64 full = qint64{1} << header.bits;
    qint64 count = layout.colours_used == 0 ? full : std::min<qint64>(layout.colours_used, full);
    count = std::min(count, (header.pixels_at - layout.palette_at) / layout.palette_entry);
    if (count == 0)
        refuse();
    const uchar* entry = file.at(layout.palette_at, count * layout.palette_entry);
    header.colour_table.reserve(count);
    for (qint64 i = 0; i < count; ++i, entry += layout.palette_entry)
        header.colour_table.append(qRgb(entry[2], entry[1], entry[0]));
}

} // namespace

void refuse()
{
    throw platform::ImageError(platform::bitmap_not_valid);
}

const uchar* ByteReader::at(qint64 offset, qint64 length) const
{
    if (offset < 0 || length < 0 || offset > size_ || length > size_ - offset)
        refuse();
    return data_ + offset;
}

std::uint16_t ByteReader::u16(qint64 offset) const
{
    const uchar* p = at(offset, 2);
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

std::uint32_t ByteReader::u32(qint64 offset) const
{
    const uchar* p = at(offset, 4);
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

Header read_header(const ByteReader& file)
{
    if (file.size() < file_header_size + 12 || file.u8(0) != 'B' || file.u8(1) != 'M')
        refuse();
    Header header;
    Layout layout;
    header.pixels_at = file.u32(10);
    layout.header_size = file.u32(file_header_size);
    const qint64 info = file_header_size;
    qint64 width = 0;
    qint64 height = 0;
    int planes = 0;
    if (layout.header_size == 12) {
        width = file.u16(info + 4);
        height = file.u16(info + 6);
        planes = file.u16(info + 8);
        header.bits = file.u16(info + 10);
        layout.palette_entry = 3;
    } else if (known_info_size(layout.header_size)) {
        file.at(info, layout.header_size);
        width = file.i32(info + 4);
        const std::int32_t signed_height = file.i32(info + 8);
        header.top_down = signed_height < 0;
        height = std::abs(qint64{signed_height});
        planes = file.u16(info + 12);
        header.bits = file.u16(info + 14);
        header.compression = file.u32(info + 16);
        layout.colours_used = file.u32(info + 32);
    } else {
        refuse();
    }
    if (planes != 1)
        refuse();
    check_format(header, layout);
    check_dimensions(width, height);
    header.width = static_cast<int>(width);
    header.height = static_cast<int>(height);

    layout.palette_at = info + layout.header_size;
    if (header.bits == 16 || header.bits == 32) {
        // The 40-byte header keeps its masks after itself; the longer ones inside.
        const bool masks_follow = layout.header_size == 40 && header.compression == bitfields;
        read_masks(file, header, masks_follow ? layout.palette_at : info + 40);
        if (masks_follow)
            layout.palette_at += 12;
    }
    if (header.pixels_at < layout.palette_at || header.pixels_at > file.size())
        refuse();
    read_colour_table(file, header, layout);
    return header;
}

} // namespace formats::bmp
