#pragma once

#include <QByteArray>
#include <QList>
#include <QRgb>
#include <array>
#include <cstdint>
#include <optional>

// Builds BMP files byte by byte, so that every field a test cares about is exactly as written.
namespace crafted {

struct Bmp {
    int header_size = 40;
    std::int32_t width = 1;
    std::int32_t height = 1;
    int planes = 1;
    int bits = 24;
    std::uint32_t compression = 0;
    std::uint32_t colours_used = 0;
    QList<QRgb> palette;
    std::optional<std::array<std::uint32_t, 3>> masks;
    QByteArray pixels;
    std::optional<std::uint32_t> pixels_at;
};

inline Bmp make(std::int32_t width, std::int32_t height, int bits, std::uint32_t compression = 0)
{
    Bmp bmp;
    bmp.width = width;
    bmp.height = height;
    bmp.bits = bits;
    bmp.compression = compression;
    return bmp;
}

inline void put(QByteArray& out, std::uint64_t value, int size)
{
    for (int i = 0; i < size; ++i)
        out.append(static_cast<char>(value >> (8 * i) & 0xFF));
}

inline void put_at(QByteArray& out, int at, std::uint64_t value, int size)
{
    for (int i = 0; i < size; ++i)
        out[at + i] = static_cast<char>(value >> (8 * i) & 0xFF);
}

inline QByteArray info_header(const Bmp& bmp)
{
    QByteArray header;
    if (bmp.header_size == 12) {
        put(header, 12, 4);
        put(header, static_cast<std::uint16_t>(bmp.width), 2);
        put(header, static_cast<std::uint16_t>(bmp.height), 2);
        put(header, bmp.planes, 2);
        put(header, bmp.bits, 2);
        return header;
    }
    put(header, bmp.header_size, 4);
    put(header, static_cast<std::uint32_t>(bmp.width), 4);
    put(header, static_cast<std::uint32_t>(bmp.height), 4);
    put(header, bmp.planes, 2);
    put(header, bmp.bits, 2);
    put(header, bmp.compression, 4);
    put(header, bmp.pixels.size(), 4);
    put(header, 2835, 4);
    put(header, 2835, 4);
    put(header, bmp.colours_used, 4);
    put(header, 0, 4);
    if (bmp.header_size > 40 && bmp.masks) {
        for (std::uint32_t mask : *bmp.masks)
            put(header, mask, 4);
    }
    header.append(QByteArray(bmp.header_size - header.size(), '\0'));
    return header;
}

inline QByteArray file(const Bmp& bmp)
{
    QByteArray body = info_header(bmp);
    if (bmp.header_size == 40 && bmp.masks) {
        for (std::uint32_t mask : *bmp.masks)
            put(body, mask, 4);
    }
    for (QRgb entry : bmp.palette) {
        body.append(static_cast<char>(qBlue(entry)));
        body.append(static_cast<char>(qGreen(entry)));
        body.append(static_cast<char>(qRed(entry)));
        if (bmp.header_size != 12)
            body.append('\0');
    }
    QByteArray out("BM");
    const std::uint32_t pixels_at = bmp.pixels_at.value_or(14 + body.size());
    put(out, 14 + body.size() + bmp.pixels.size(), 4);
    put(out, 0, 4);
    put(out, pixels_at, 4);
    return out + body + bmp.pixels;
}

// A colour table whose entries all differ.
inline QList<QRgb> ramp(int count)
{
    QList<QRgb> table;
    for (int i = 0; i < count; ++i)
        table.append(qRgb(i * 16 % 256, 255 - i, i * 7 % 256));
    return table;
}

inline QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int value : values)
        out.append(static_cast<char>(value));
    return out;
}

} // namespace crafted
