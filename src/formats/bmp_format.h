#pragma once

#include <QImage>
#include <QList>
#include <QRgb>
#include <array>
#include <cstdint>

namespace formats::bmp {

enum Compression : std::uint32_t { rgb = 0, rle8 = 1, rle4 = 2, bitfields = 3 };

// Bounds-checked little-endian reads over a file's bytes; reading past the end means a
// malformed file.
class ByteReader {
public:
    ByteReader(const uchar* data, qint64 size) : data_(data), size_(size) {}
    qint64 size() const { return size_; }
    const uchar* at(qint64 offset, qint64 length) const;
    std::uint8_t u8(qint64 offset) const { return *at(offset, 1); }
    std::uint16_t u16(qint64 offset) const;
    std::uint32_t u32(qint64 offset) const;
    std::int32_t i32(qint64 offset) const { return static_cast<std::int32_t>(u32(offset)); }

private:
    const uchar* data_;
    qint64 size_;
};

// What the headers say, checked against each other and against the file's size.
struct Header {
    int width = 0;
    int height = 0;
    bool top_down = false;
    int bits = 0;
    std::uint32_t compression = rgb;
    std::array<std::uint32_t, 3> masks{}; // red, green, blue; for 16 and 32 bits
    QList<QRgb> colour_table;             // for 1, 4 and 8 bits
    qint64 pixels_at = 0;
};

[[noreturn]] void refuse();
Header read_header(const ByteReader& file);
// RLE8 and RLE4 pixels into a Format_Indexed8 image of the header's size.
QImage decode_rle(const ByteReader& file, const Header& header);

} // namespace formats::bmp
