#include "platform/bmp_codec.h"

#include "platform/bmp_format.h"
#include "platform/errors.h"
#include "platform/whole_file.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <bit>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <new>
#include <unistd.h>

namespace platform {

namespace {

using bmp::ByteReader;
using bmp::Header;

qint64 stride_of(qint64 width, int bits)
{
    return (width * bits + 31) / 32 * 4;
}

QImage allocate(int width, int height, QImage::Format format)
{
    QImage image(width, height, format);
    if (image.isNull())
        throw std::bad_alloc();
    return image;
}

// Where a stored row begins; the last row may lack its padding, as some writers leave it out.
class RowLocator {
public:
    RowLocator(const ByteReader& file, const Header& header)
        : header_(header), stride_(stride_of(header.width, header.bits))
    {
        const qint64 last_row = (qint64{header.width} * header.bits + 7) / 8;
        base_ = file.at(header.pixels_at, stride_ * (header.height - 1) + last_row);
    }
    const uchar* row(int image_y) const
    {
        const int stored = header_.top_down ? image_y : header_.height - 1 - image_y;
        return base_ + stored * stride_;
    }

private:
    const Header& header_;
    qint64 stride_;
    const uchar* base_ = nullptr;
};

QImage decode_indexed(const ByteReader& file, const Header& header)
{
    const RowLocator rows(file, header);
    QImage image = allocate(header.width, header.height, QImage::Format_Indexed8);
    const int bits = header.bits;
    const int per_byte = 8 / bits;
    const int mask = (1 << bits) - 1;
    for (int y = 0; y < header.height; ++y) {
        const uchar* from = rows.row(y);
        uchar* to = image.scanLine(y);
        if (bits == 8) {
            std::memcpy(to, from, header.width);
            continue;
        }
        for (int x = 0; x < header.width; ++x) {
            const int shift = 8 - bits * (x % per_byte + 1);
            to[x] = static_cast<uchar>(from[x / per_byte] >> shift & mask);
        }
    }
    return image;
}

struct Channel {
    std::uint32_t mask;
    int shift;
    std::uint32_t max;

    explicit Channel(std::uint32_t m)
        : mask(m), shift(m == 0 ? 0 : std::countr_zero(m)), max(m == 0 ? 0 : m >> std::countr_zero(m))
    {
    }
    int scaled(std::uint32_t pixel) const
    {
        if (max == 0)
            return 0;
        const std::uint64_t value = (pixel & mask) >> shift;
        return static_cast<int>((value * 255 + max / 2) / max);
    }
};

void decode_24_row(const uchar* from, QRgb* to, int width)
{
    for (int x = 0; x < width; ++x, from += 3)
        to[x] = 0xFF000000u | std::uint32_t{from[2]} << 16 | std::uint32_t{from[1]} << 8 | from[0];
}

void decode_masked_row(const uchar* from, QRgb* to, const Header& header)
{
    const Channel red(header.masks[0]), green(header.masks[1]), blue(header.masks[2]);
    const int bytes = header.bits / 8;
    for (int x = 0; x < header.width; ++x, from += bytes) {
        std::uint32_t pixel = std::uint32_t{from[0]} | std::uint32_t{from[1]} << 8;
        if (bytes == 4)
            pixel |= std::uint32_t{from[2]} << 16 | std::uint32_t{from[3]} << 24;
        to[x] = qRgb(red.scaled(pixel), green.scaled(pixel), blue.scaled(pixel));
    }
}

QImage decode_rgb(const ByteReader& file, const Header& header)
{
    const RowLocator rows(file, header);
    QImage image = allocate(header.width, header.height, QImage::Format_RGB32);
    for (int y = 0; y < header.height; ++y) {
        QRgb* to = reinterpret_cast<QRgb*>(image.scanLine(y));
        if (header.bits == 24)
            decode_24_row(rows.row(y), to, header.width);
        else
            decode_masked_row(rows.row(y), to, header);
    }
    return image;
}

// An index beyond a short colour table shows black: the table is lengthened with black entries
// so that every pixel has a colour and the picture keeps its indices on a round trip.
QList<QRgb> cover_indices(const QImage& image, QList<QRgb> table)
{
    int highest = 0;
    for (int y = 0; y < image.height(); ++y) {
        const uchar* row = image.constScanLine(y);
        highest = std::max<int>(highest, *std::max_element(row, row + image.width()));
    }
    while (table.size() <= highest)
        table.append(qRgb(0, 0, 0));
    return table;
}

void put16(uchar* at, int value)
{
    at[0] = static_cast<uchar>(value);
    at[1] = static_cast<uchar>(value >> 8);
}

void put32(uchar* at, qint64 value)
{
    put16(at, static_cast<int>(value & 0xFFFF));
    put16(at + 2, static_cast<int>(value >> 16 & 0xFFFF));
}

void write_headers(uchar* out, const Bitmap& bitmap, int bits, int table_size)
{
    const qint64 pixels_at = 14 + 40 + 4 * qint64{table_size};
    const qint64 image_size = stride_of(bitmap.width(), bits) * bitmap.height();
    out[0] = 'B';
    out[1] = 'M';
    put32(out + 2, pixels_at + image_size);
    put32(out + 10, pixels_at);
    put32(out + 14, 40);
    put32(out + 18, bitmap.width());
    put32(out + 22, bitmap.height());
    put16(out + 26, 1);
    put16(out + 28, bits);
    put32(out + 34, image_size);
    put32(out + 46, table_size);
}

void encode_row(const QImage& image, int y, int bits, uchar* to)
{
    const int width = image.width();
    if (bits == 24) {
        const QRgb* from = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < width; ++x, to += 3) {
            to[0] = static_cast<uchar>(qBlue(from[x]));
            to[1] = static_cast<uchar>(qGreen(from[x]));
            to[2] = static_cast<uchar>(qRed(from[x]));
        }
        return;
    }
    const uchar* from = image.constScanLine(y);
    const int per_byte = 8 / bits;
    const int mask = (1 << bits) - 1;
    for (int x = 0; x < width; ++x)
        to[x / per_byte] |= static_cast<uchar>((from[x] & mask) << (8 - bits * (x % per_byte + 1)));
}

[[noreturn]] void file_error(const QString& path, const QString& reason)
{
    throw FileError(path, reason);
}

// A file that nobody may write, or that we may not write, is read-only and is not replaced.
void refuse_read_only(const QString& target, const QString& path)
{
    const QFileInfo info(target);
    if (!info.exists())
        return;
    if (info.isDir())
        file_error(path, qt_error_string(EISDIR));
    const auto writable = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    if (!info.isWritable() || (info.permissions() & writable) == 0)
        file_error(path, qt_error_string(EACCES));
}

QString open_temporary(QFile& file, const QString& target, const QString& path)
{
    for (int attempt = 0; attempt < 16; ++attempt) {
        const QString name =
            target + QStringLiteral(".%1.tmp").arg(QRandomGenerator::global()->generate(), 8, 16, QChar('0'));
        file.setFileName(name);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return name;
        if (!QFileInfo::exists(name))
            file_error(path, file.errorString());
    }
    file_error(path, file.errorString());
}

// Writes every byte or gives the system's reason why not. A short write is not an error by
// itself, so the rest is written again until the system says what is wrong (a full disk, a
// file size limit); QFile would report that as an unknown error.
int write_all(int descriptor, const QByteArray& bytes)
{
    const char* next = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(descriptor, next, static_cast<size_t>(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return errno;
        if (written == 0)
            return ENOSPC;
        next += written;
        left -= written;
    }
    return 0;
}

} // namespace

Bitmap decode_bmp(const QByteArray& bytes)
{
    const ByteReader file(reinterpret_cast<const uchar*>(bytes.constData()), bytes.size());
    const Header header = bmp::read_header(file);
    if (header.bits > 8)
        return Bitmap::adopt(decode_rgb(file, header), header.bits);
    QImage image =
        header.compression == bmp::rgb ? decode_indexed(file, header) : bmp::decode_rle(file, header);
    image.setColorTable(header.colour_table.size() == (1 << header.bits)
                            ? header.colour_table
                            : cover_indices(image, header.colour_table));
    return Bitmap::adopt(std::move(image), header.bits);
}

QByteArray encode_bmp(const Bitmap& bitmap)
{
    if (bitmap.is_null())
        bmp::refuse();
    const int bits = bitmap.has_colour_table() ? bitmap.depth() : 24;
    const QImage& image = bitmap.image();
    const QList<QRgb> table = bits <= 8 ? image.colorTable().mid(0, 1 << bits) : QList<QRgb>{};
    const qint64 stride = stride_of(bitmap.width(), bits);
    const qint64 pixels_at = 14 + 40 + 4 * qint64{table.size()};
    QByteArray bytes(pixels_at + stride * bitmap.height(), '\0');
    uchar* out = reinterpret_cast<uchar*>(bytes.data());
    write_headers(out, bitmap, bits, static_cast<int>(table.size()));
    for (qsizetype i = 0; i < table.size(); ++i) {
        out[54 + 4 * i] = static_cast<uchar>(qBlue(table[i]));
        out[55 + 4 * i] = static_cast<uchar>(qGreen(table[i]));
        out[56 + 4 * i] = static_cast<uchar>(qRed(table[i]));
    }
    const QImage& storage = bits == 24 && image.format() != QImage::Format_RGB32 ? bitmap.to_rgb32() : image;
    for (int y = 0; y < bitmap.height(); ++y)
        encode_row(storage, y, bits, out + pixels_at + (bitmap.height() - 1 - y) * stride);
    return bytes;
}

Bitmap read_bmp(const QString& path)
{
    return decode_bmp(read_whole_file(path, max_bmp_file_size));
}

void write_bmp(const Bitmap& bitmap, const QString& path)
{
    const QByteArray bytes = encode_bmp(bitmap);
    const QFileInfo link(path);
    const QString target = link.isSymLink() ? link.symLinkTarget() : path;
    refuse_read_only(target, path);
    QFile file;
    const QString temporary = open_temporary(file, target, path);
    if (QFileInfo::exists(target))
        file.setPermissions(QFile::permissions(target));
    if (const int error = write_all(file.handle(), bytes); error != 0) {
        file.remove();
        file_error(path, qt_error_string(error));
    }
    file.close();
    if (file.error() != QFileDevice::NoError) {
        const QString reason = file.errorString();
        file.remove();
        file_error(path, reason);
    }
    if (std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(target).constData()) != 0) {
        const QString reason = qt_error_string(errno);
        QFile::remove(temporary);
        file_error(path, reason);
    }
}

} // namespace platform
