#include "formats/bmp_format.h"

#include <algorithm>
#include <new>

namespace formats::bmp {

namespace {

// The most pixels a run-length encoded picture may claim: as the 32-bit image every picture
// becomes on screen that is 128 MB, Qt's own limit for an image it reads. A few bytes of runs
// and jumps can claim any size, so the claim is bounded here rather than by the file; pictures
// of 4 and 8 bits come from paint programs at screen sizes, a few million pixels at most.
constexpr qint64 max_pixels = qint64{32} << 20;

// Walks the commands of a run-length encoded bitmap, writing into `bits` unless it is null. Rows
// count from the bottom; pixels that fall outside the bitmap are dropped, never written.
class RleDecoder {
public:
    RleDecoder(const ByteReader& file, const Header& header, uchar* bits, qint64 stride)
        : file_(file), four_bits_(header.compression == rle4), width_(header.width), height_(header.height),
          bits_(bits), stride_(stride), pos_(header.pixels_at)
    {
    }

    // Data that ends without its end-of-bitmap mark is whole only when every row was given.
    void run()
    {
        while (y_ < height_) {
            const std::uint8_t count = file_.u8(pos_);
            const std::uint8_t value = file_.u8(pos_ + 1);
            pos_ += 2;
            if (count > 0)
                encoded(count, value);
            else if (value == 0)
                next_line();
            else if (value == 1)
                break;
            else if (value == 2)
                delta();
            else
                absolute(value);
        }
    }

private:
    void put(int index)
    {
        if (bits_ != nullptr && x_ < width_)
            bits_[(height_ - 1 - y_) * stride_ + x_] = static_cast<uchar>(index);
        x_ = std::min(x_ + 1, width_);
    }

    void encoded(int count, std::uint8_t value)
    {
        for (int i = 0; i < count && x_ < width_; ++i)
            put(four_bits_ ? (i % 2 == 0 ? value >> 4 : value & 0x0F) : value);
    }

    void absolute(int count)
    {
        const qint64 bytes = four_bits_ ? (count + 1) / 2 : count;
        const uchar* data = file_.at(pos_, bytes);
        for (int i = 0; i < count; ++i)
            put(four_bits_ ? (i % 2 == 0 ? data[i / 2] >> 4 : data[i / 2] & 0x0F) : data[i]);
        pos_ += (bytes + 1) & ~qint64{1};
    }

    void next_line()
    {
        x_ = 0;
        ++y_;
    }

    void delta()
    {
        const int dx = file_.u8(pos_);
        const int dy = file_.u8(pos_ + 1);
        pos_ += 2;
        x_ = std::min(x_ + dx, width_);
        y_ += dy;
    }

    const ByteReader& file_;
    bool four_bits_;
    int width_;
    int height_;
    uchar* bits_;
    qint64 stride_;
    qint64 pos_;
    int x_ = 0;
    int y_ = 0;
};

} // namespace

QImage decode_rle(const ByteReader& file, const Header& header)
{
    if (qint64{header.width} * header.height > max_pixels)
        refuse();
    // A damaged stream is refused before the picture it claims is allocated.
    RleDecoder(file, header, nullptr, 0).run();
    QImage image(header.width, header.height, QImage::Format_Indexed8);
    if (image.isNull())
        throw std::bad_alloc();
    image.fill(0);
    RleDecoder(file, header, image.bits(), image.bytesPerLine()).run();
    return image;
}

} // namespace formats::bmp
