#include "formats/cursor_file.h"

#include "formats/little_endian.h"
#include "formats/picture_density.h"
#include "platform/errors.h"
#include "platform/whole_file.h"

#include <QFileInfo>
#include <QPixmap>
#include <QtEndian>
#include <algorithm>

namespace formats {

namespace {

const QString cursor_not_valid = QStringLiteral("Cursor file is not valid");

constexpr int directory_size = 6;
constexpr int entry_size = 16;
constexpr int info_header_size = 40;
// Larger than any cursor a window system shows; refused before anything is allocated.
constexpr int max_side = 512;
// The largest cursor taken whole: a 512 x 512 true-colour image with its mask and headers fits
// several times over.
constexpr qint64 max_file_size = 4 << 20;

[[noreturn]] void refuse()
{
    throw platform::ImageError(cursor_not_valid);
}

// Bounds-checked little-endian reads over the file's bytes.
class Reader {
public:
    explicit Reader(const QByteArray& bytes) : bytes_(bytes) {}

    bool has(qint64 offset, qint64 count) const
    {
        return offset >= 0 && count >= 0 && offset <= bytes_.size() && count <= bytes_.size() - offset;
    }
    quint8 u8(qint64 offset) const { return static_cast<quint8>(at(offset, 1)[0]); }
    quint16 u16(qint64 offset) const { return qFromLittleEndian<quint16>(at(offset, 2)); }
    quint32 u32(qint64 offset) const { return qFromLittleEndian<quint32>(at(offset, 4)); }
    qint32 i32(qint64 offset) const { return qFromLittleEndian<qint32>(at(offset, 4)); }
    const uchar* at(qint64 offset, qint64 count) const
    {
        if (!has(offset, count))
            refuse();
        return reinterpret_cast<const uchar*>(bytes_.constData()) + offset;
    }
    qint64 size() const { return bytes_.size(); }

private:
    const QByteArray& bytes_;
};

struct DibLayout {
    qint64 offset = 0;
    int width = 0;
    int height = 0;
    int bits = 0;
    QList<QRgb> palette;
    qint64 xor_offset = 0;
    qint64 xor_stride = 0;
    qint64 and_offset = 0;
    qint64 and_stride = 0;
};

qint64 row_stride(int width, int bits)
{
    return (static_cast<qint64>(width) * bits + 31) / 32 * 4;
}

DibLayout read_dib_layout(const Reader& in, qint64 offset)
{
    DibLayout dib;
    dib.offset = offset;
    const quint32 header_size = in.u32(offset);
    if (header_size < info_header_size || header_size > 1024)
        refuse();
    dib.width = in.i32(offset + 4);
    const qint32 doubled_height = in.i32(offset + 8);
    dib.bits = in.u16(offset + 14);
    const quint32 compression = in.u32(offset + 16);
    const quint32 colours_used = in.u32(offset + 32);
    if (dib.width <= 0 || dib.width > max_side || doubled_height <= 0 || doubled_height % 2 != 0 ||
        doubled_height / 2 > max_side || compression != 0)
        refuse();
    dib.height = doubled_height / 2;
    if (dib.bits != 1 && dib.bits != 4 && dib.bits != 8 && dib.bits != 24 && dib.bits != 32)
        refuse();
    qint64 palette_offset = offset + header_size;
    if (dib.bits <= 8) {
        const quint32 full = 1u << dib.bits;
        const quint32 entries = colours_used == 0 ? full : colours_used;
        if (entries > full)
            refuse();
        const uchar* table = in.at(palette_offset, static_cast<qint64>(entries) * 4);
        for (quint32 i = 0; i < entries; ++i)
            dib.palette.append(qRgb(table[i * 4 + 2], table[i * 4 + 1], table[i * 4]));
        palette_offset += static_cast<qint64>(entries) * 4;
    }
    dib.xor_offset = palette_offset;
    dib.xor_stride = row_stride(dib.width, dib.bits);
    dib.and_offset = dib.xor_offset + dib.xor_stride * dib.height;
    dib.and_stride = row_stride(dib.width, 1);
    in.at(dib.xor_offset, dib.xor_stride * dib.height);
    in.at(dib.and_offset, dib.and_stride * dib.height);
    return dib;
}

QRgb xor_colour(const DibLayout& dib, const uchar* row, int x)
{
    switch (dib.bits) {
    case 32:
        return qRgba(row[x * 4 + 2], row[x * 4 + 1], row[x * 4], row[x * 4 + 3]);
    case 24:
        return qRgb(row[x * 3 + 2], row[x * 3 + 1], row[x * 3]);
    default: {
        const int per_byte = 8 / dib.bits;
        const int shift = (per_byte - 1 - x % per_byte) * dib.bits;
        const int index = row[x / per_byte] >> shift & ((1 << dib.bits) - 1);
        // An index beyond a short colour table is black, as the window system draws it.
        return index < dib.palette.size() ? dib.palette[index] : qRgb(0, 0, 0);
    }
    }
}

bool any_alpha(const Reader& in, const DibLayout& dib)
{
    if (dib.bits != 32)
        return false;
    const uchar* pixels = in.at(dib.xor_offset, dib.xor_stride * dib.height);
    for (qint64 i = 3; i < dib.xor_stride * dib.height; i += 4) {
        if (pixels[i] != 0)
            return true;
    }
    return false;
}

QImage decode_dib(const Reader& in, qint64 offset)
{
    const DibLayout dib = read_dib_layout(in, offset);
    // A 32-bit image that carries alpha is drawn by its alpha; the AND mask only serves older systems.
    const bool use_alpha = any_alpha(in, dib);
    QImage image(dib.width, dib.height, QImage::Format_ARGB32);
    for (int y = 0; y < dib.height; ++y) {
        const int source_row = dib.height - 1 - y;
        const uchar* colours = in.at(dib.xor_offset + dib.xor_stride * source_row, dib.xor_stride);
        const uchar* mask = in.at(dib.and_offset + dib.and_stride * source_row, dib.and_stride);
        auto* target = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < dib.width; ++x) {
            const QRgb colour = xor_colour(dib, colours, x);
            const bool masked = (mask[x / 8] >> (7 - x % 8) & 1) != 0;
            if (use_alpha)
                target[x] = colour;
            else if (masked && (colour & 0xFFFFFF) == 0)
                target[x] = qRgba(0, 0, 0, 0);
            // A masked pixel with a colour inverts the screen there; shown opaque it stays visible.
            else
                target[x] = colour | 0xFF000000u;
        }
    }
    return image;
}

bool is_png(const Reader& in, qint64 offset)
{
    static const uchar signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    return in.has(offset, 8) && std::equal(signature, signature + 8, in.at(offset, 8));
}

QImage decode_png(const QByteArray& bytes, qint64 offset, qint64 length)
{
    // The header's size is checked first, so a small file cannot make the decoder allocate a huge image.
    const Reader in(bytes);
    const quint32 width = qFromBigEndian<quint32>(in.at(offset + 16, 4));
    const quint32 height = qFromBigEndian<quint32>(in.at(offset + 20, 4));
    if (width == 0 || height == 0 || width > max_side || height > max_side)
        refuse();
    QImage image;
    if (!image.loadFromData(bytes.mid(offset, length), "PNG") || image.width() > max_side ||
        image.height() > max_side)
        refuse();
    return image.convertToFormat(QImage::Format_ARGB32);
}

// The image placed in a transparent square of `encoded_side`, scaled down if larger, with the
// hotspot moved along.
CursorImage fit_to_square(const CursorImage& cursor, int encoded_side)
{
    QImage source = cursor.image.convertToFormat(QImage::Format_ARGB32);
    QPoint hotspot = cursor.hotspot;
    if (source.width() > encoded_side || source.height() > encoded_side) {
        const QSize original = source.size();
        source = source.scaled(encoded_side, encoded_side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        hotspot = QPoint(hotspot.x() * source.width() / original.width(),
                         hotspot.y() * source.height() / original.height());
    }
    QImage square(encoded_side, encoded_side, QImage::Format_ARGB32);
    square.fill(0);
    for (int y = 0; y < source.height(); ++y)
        std::copy_n(reinterpret_cast<const QRgb*>(source.constScanLine(y)), source.width(),
                    reinterpret_cast<QRgb*>(square.scanLine(y)));
    hotspot.setX(std::clamp(hotspot.x(), 0, encoded_side - 1));
    hotspot.setY(std::clamp(hotspot.y(), 0, encoded_side - 1));
    return {square, hotspot};
}

} // namespace

CursorImage decode_cursor(const QByteArray& bytes)
{
    const Reader in(bytes);
    if (in.u16(0) != 0 || in.u16(2) != 2 || in.u16(4) == 0)
        refuse();
    const QPoint hotspot(in.u16(directory_size + 4), in.u16(directory_size + 6));
    const quint32 length = in.u32(directory_size + 8);
    const quint32 offset = in.u32(directory_size + 12);
    if (!in.has(offset, 4))
        refuse();
    // The entry's byte count is often wrong in files in the wild; the file's end is the real limit.
    const qint64 available = std::min<qint64>(length == 0 ? in.size() : length, in.size() - offset);
    QImage image = is_png(in, offset) ? decode_png(bytes, offset, available) : decode_dib(in, offset);
    return {std::move(image), hotspot};
}

std::optional<QCursor> load_cursor_file(const QString& path, int density)
{
    // The densest rendering up to `density` that reads; the stored file at last.
    for (int d = std::min(density, max_picture_density); d >= 1; --d) {
        const QString file = dense_variant_path(path, d);
        if (d > 1 && !QFileInfo(file).isFile())
            continue;
        // A cursor that cannot be read for whatever reason is no cursor: the pointer keeps its shape.
        try {
            const CursorImage cursor = decode_cursor(platform::read_whole_file(file, max_file_size));
            const int x = std::clamp(cursor.hotspot.x(), 0, cursor.image.width() - 1);
            const int y = std::clamp(cursor.hotspot.y(), 0, cursor.image.height() - 1);
            QPixmap pixmap = QPixmap::fromImage(cursor.image);
            pixmap.setDevicePixelRatio(d);
            // Qt takes the hotspot of a dense pixmap in logical pixels.
            return QCursor(pixmap, x / d, y / d);
        } catch (const std::exception&) {
            continue;
        }
    }
    return std::nullopt;
}

QByteArray encode_cursor(const CursorImage& cursor, int encoded_side)
{
    const CursorImage square = fit_to_square(cursor, encoded_side);
    const qint64 xor_size = encoded_side * encoded_side * 4;
    const qint64 and_stride = row_stride(encoded_side, 1);
    const qint64 and_size = and_stride * encoded_side;
    const quint32 image_size = static_cast<quint32>(info_header_size + xor_size + and_size);

    QByteArray out;
    append_u16(out, 0);
    append_u16(out, 2);
    append_u16(out, 1);
    out.append(char(encoded_side)).append(char(encoded_side)).append(char(0)).append(char(0));
    append_u16(out, static_cast<quint16>(square.hotspot.x()));
    append_u16(out, static_cast<quint16>(square.hotspot.y()));
    append_u32(out, image_size);
    append_u32(out, directory_size + entry_size);

    append_u32(out, info_header_size);
    append_u32(out, encoded_side);
    append_u32(out, encoded_side * 2);
    append_u16(out, 1);
    append_u16(out, 32);
    for (int field = 0; field < 6; ++field)
        append_u32(out, 0);

    QByteArray mask(and_size, '\0');
    for (int row = encoded_side - 1; row >= 0; --row) {
        const auto* pixels = reinterpret_cast<const QRgb*>(square.image.constScanLine(row));
        const qint64 mask_row = (encoded_side - 1 - row) * and_stride;
        for (int x = 0; x < encoded_side; ++x) {
            const QRgb pixel = qAlpha(pixels[x]) == 0 ? 0 : pixels[x];
            out.append(char(qBlue(pixel))).append(char(qGreen(pixel))).append(char(qRed(pixel)));
            out.append(char(qAlpha(pixel)));
            if (qAlpha(pixel) == 0)
                mask[mask_row + x / 8] = char(mask[mask_row + x / 8] | 0x80 >> (x % 8));
        }
    }
    out.append(mask);
    return out;
}

void ScreenCursors::register_cursor(int number, std::optional<QCursor> cursor)
{
    if (cursor)
        cursors_.insert_or_assign(number, std::move(*cursor));
    else
        cursors_.erase(number);
}

QCursor ScreenCursors::cursor(int number) const
{
    const auto found = cursors_.find(number);
    return found != cursors_.end() ? found->second : QCursor(Qt::ArrowCursor);
}

} // namespace formats
