#include "formats/bmp_codec.h"

#include "formats/bmp_format.h"
#include "formats/bmp_rows.h"
#include "platform/errors.h"
#include "platform/file_replacement.h"
#include "platform/system_reason.h"
#include "platform/whole_file.h"

#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <array>
#include <bit>
#include <cerrno>
#include <cstring>
#include <memory>
#include <new>
#include <optional>

namespace formats {

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
            bmp::bgr24_to_rgb32(rows.row(y), to, header.width);
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

// Lays a bitmap out as the file we write: 1, 4 and 8 bits with their colour table, everything
// deeper as 24 bits, rows bottom-up.
class Encoder {
public:
    explicit Encoder(const pixels::Bitmap& bitmap)
        : bits_(bitmap.has_colour_table() ? bitmap.depth() : 24),
          storage_(bits_ == 24 && bitmap.image().format() != QImage::Format_RGB32 ? bitmap.to_rgb32()
                                                                                  : bitmap.image()),
          table_(bits_ <= 8 ? storage_.colorTable().mid(0, 1 << bits_) : QList<QRgb>{}),
          stride_(stride_of(bitmap.width(), bits_)), pixels_at_(14 + 40 + 4 * qint64{table_.size()})
    {
    }
    qint64 size() const { return pixels_at_ + stride_ * storage_.height(); }

    // Writes all size() bytes of the file.
    void encode(uchar* out) const
    {
        write_headers(out);
        for (int y = 0; y < storage_.height(); ++y)
            encode_row(y, out + pixels_at_ + (storage_.height() - 1 - y) * stride_);
    }

private:
    void write_headers(uchar* out) const
    {
        std::memset(out, 0, pixels_at_);
        out[0] = 'B';
        out[1] = 'M';
        put32(out + 2, size());
        put32(out + 10, pixels_at_);
        put32(out + 14, 40);
        put32(out + 18, storage_.width());
        put32(out + 22, storage_.height());
        put16(out + 26, 1);
        put16(out + 28, bits_);
        put32(out + 34, stride_ * storage_.height());
        put32(out + 46, table_.size());
        for (qsizetype i = 0; i < table_.size(); ++i) {
            out[54 + 4 * i] = static_cast<uchar>(qBlue(table_[i]));
            out[55 + 4 * i] = static_cast<uchar>(qGreen(table_[i]));
            out[56 + 4 * i] = static_cast<uchar>(qRed(table_[i]));
        }
    }

    void encode_row(int y, uchar* to) const
    {
        const int width = storage_.width();
        const qint64 used = (qint64{width} * bits_ + 7) / 8;
        std::memset(to + used, 0, stride_ - used);
        if (bits_ == 24) {
            bmp::rgb32_to_bgr24(reinterpret_cast<const QRgb*>(storage_.constScanLine(y)), to, width);
            return;
        }
        const uchar* from = storage_.constScanLine(y);
        if (bits_ == 8) {
            std::memcpy(to, from, width);
            return;
        }
        std::memset(to, 0, used);
        const int per_byte = 8 / bits_;
        const int mask = (1 << bits_) - 1;
        for (int x = 0; x < width; ++x)
            to[x / per_byte] |= static_cast<uchar>((from[x] & mask) << (8 - bits_ * (x % per_byte + 1)));
    }

    int bits_;
    QImage storage_;
    QList<QRgb> table_;
    qint64 stride_;
    qint64 pixels_at_;
};

// The bytes of the file read or written last, kept for the next one: the undo snapshots, read and
// written again and again, then go through memory that is already mapped instead of memory the
// system must first clear and map page by page, and reach the system in one call, which lets it
// take them in large pages. A file larger than kept_size is not kept.
class FileBuffer {
public:
    static constexpr qint64 kept_size = 16 * 1024 * 1024;

    const uchar* data() const { return data_.get(); }
    // Room for `size` bytes, the first `kept` of them as they were.
    uchar* room(qint64 size, qint64 kept)
    {
        if (size > capacity_) {
            std::unique_ptr<uchar[]> grown(new uchar[static_cast<std::size_t>(size)]);
            if (kept > 0)
                std::memcpy(grown.get(), data_.get(), static_cast<std::size_t>(kept));
            data_ = std::move(grown);
            capacity_ = size;
        }
        return data_.get();
    }

private:
    std::unique_ptr<uchar[]> data_;
    qint64 capacity_ = 0;
    friend class BorrowedBuffer;
};

// The calling thread's buffer for the length of one read or write; a large one is let go after.
class BorrowedBuffer {
public:
    BorrowedBuffer() : buffer_(thread_buffer()) {}
    ~BorrowedBuffer()
    {
        if (buffer_.capacity_ > FileBuffer::kept_size)
            buffer_ = FileBuffer();
    }
    FileBuffer& operator*() { return buffer_; }
    FileBuffer* operator->() { return &buffer_; }

private:
    static FileBuffer& thread_buffer()
    {
        thread_local FileBuffer buffer;
        return buffer;
    }
    FileBuffer& buffer_;
};

[[noreturn]] void file_error(const QString& path, const QString& reason)
{
    throw platform::FileError(path, reason);
}

void write_file(const pixels::Bitmap& bitmap, const QString& path, platform::Replacement how)
{
    if (bitmap.is_null())
        bmp::refuse();
    Encoder encoder(bitmap);
    BorrowedBuffer buffer;
    uchar* bytes = buffer->room(encoder.size(), 0);
    encoder.encode(bytes);
    platform::replace_file(path, bytes, encoder.size(), how);
}

// Reads the whole file, including whatever was appended since its size was taken, up to the size
// limit of a bitmap file.
qint64 read_whole(QFile& file, FileBuffer& buffer, const QString& path)
{
    qint64 capacity = std::max<qint64>(file.size(), 0) + 1;
    uchar* data = buffer.room(capacity, 0);
    qint64 length = 0;
    for (;;) {
        const qint64 got = file.read(reinterpret_cast<char*>(data) + length, capacity - length);
        if (got < 0)
            file_error(path, platform::system_reason(EIO));
        if (got == 0)
            return length;
        length += got;
        if (length > max_bmp_file_size)
            file_error(path, QCoreApplication::translate("formats", "файл слишком большой"));
        if (length == capacity) {
            capacity *= 2;
            data = buffer.room(capacity, length);
        }
    }
}

// A malformed file of `path` is refused naming it, in the user's words beside the codec's own.
template <typename Read> auto naming_the_file(const QString& path, Read read)
{
    try {
        return read();
    } catch (const platform::ImageError& error) {
        if (error.text() != platform::bitmap_not_valid)
            throw;
        throw platform::ImageError(path + ": " + platform::bitmap_not_valid_named());
    }
}

pixels::Bitmap decode(const uchar* bytes, qint64 size)
{
    const ByteReader file(bytes, size);
    const Header header = bmp::read_header(file);
    if (header.bits > 8)
        return pixels::Bitmap::adopt(decode_rgb(file, header), header.bits);
    QImage image =
        header.compression == bmp::rgb ? decode_indexed(file, header) : bmp::decode_rle(file, header);
    image.setColorTable(header.colour_table.size() == (1 << header.bits)
                            ? header.colour_table
                            : cover_indices(image, header.colour_table));
    return pixels::Bitmap::adopt(std::move(image), header.bits);
}

// The colour of every index a row may hold: the table, lengthened with black as cover_indices()
// does for a whole picture.
std::array<QRgb, 256> full_table(const QList<QRgb>& table)
{
    std::array<QRgb, 256> full;
    full.fill(qRgb(0, 0, 0));
    std::copy_n(table.begin(), std::min<qsizetype>(table.size(), 256), full.begin());
    return full;
}

void expand_indices(const uchar* from, QRgb* to, int width, int bits, const std::array<QRgb, 256>& table)
{
    if (bits == 8) {
        for (int x = 0; x < width; ++x)
            to[x] = table[from[x]];
        return;
    }
    const int per_byte = 8 / bits;
    const int mask = (1 << bits) - 1;
    for (int x = 0; x < width; ++from) {
        const int byte = *from;
        for (int k = 1; k <= per_byte && x < width; ++k, ++x)
            to[x] = table[byte >> (8 - bits * k) & mask];
    }
}

} // namespace

struct BmpRows::File {
    QByteArray bytes;
    ByteReader reader;
    Header header;
    std::optional<RowLocator> rows;
    QImage rle;
    std::array<QRgb, 256> table;

    explicit File(QByteArray file)
        : bytes(std::move(file)), reader(reinterpret_cast<const uchar*>(bytes.constData()), bytes.size()),
          header(bmp::read_header(reader)), table(full_table(header.colour_table))
    {
        if (header.compression == bmp::rle8 || header.compression == bmp::rle4)
            rle = bmp::decode_rle(reader, header);
        else
            rows.emplace(reader, header);
    }
};

BmpRows::BmpRows(const QString& path)
    : file_(naming_the_file(
          path, [&] { return std::make_unique<File>(platform::read_whole_file(path, max_bmp_file_size)); }))
{
}

BmpRows::~BmpRows() = default;

QSize BmpRows::size() const
{
    return {file_->header.width, file_->header.height};
}

void BmpRows::read_row(int y, QRgb* to) const
{
    const Header& header = file_->header;
    if (!file_->rle.isNull())
        return expand_indices(file_->rle.constScanLine(y), to, header.width, 8, file_->table);
    const uchar* from = file_->rows->row(y);
    if (header.bits <= 8)
        expand_indices(from, to, header.width, header.bits, file_->table);
    else if (header.bits == 24)
        bmp::bgr24_to_rgb32(from, to, header.width);
    else
        decode_masked_row(from, to, header);
}

pixels::Bitmap BmpRows::whole() const
{
    return decode(reinterpret_cast<const uchar*>(file_->bytes.constData()), file_->bytes.size());
}

pixels::Bitmap decode_bmp(const QByteArray& bytes)
{
    return decode(reinterpret_cast<const uchar*>(bytes.constData()), bytes.size());
}

QByteArray encode_bmp(const pixels::Bitmap& bitmap)
{
    if (bitmap.is_null())
        bmp::refuse();
    Encoder encoder(bitmap);
    QByteArray bytes(encoder.size(), Qt::Uninitialized);
    encoder.encode(reinterpret_cast<uchar*>(bytes.data()));
    return bytes;
}

namespace {

pixels::Bitmap read_bmp_file(const QString& path)
{
    platform::check_whole_file(path, max_bmp_file_size);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        file_error(path, platform::system_reason_for(path));
    BorrowedBuffer buffer;
    const qint64 size = read_whole(file, *buffer, path);
    const Header header = bmp::read_header(ByteReader(buffer->data(), size));
    if (qint64{header.width} * header.height > pixels::max_shown_pixels)
        throw platform::ImageError(path + ": " + platform::picture_too_large());
    return decode(buffer->data(), size);
}

} // namespace

pixels::Bitmap read_bmp(const QString& path)
{
    return naming_the_file(path, [&] { return read_bmp_file(path); });
}

void write_bmp(const pixels::Bitmap& bitmap, const QString& path)
{
    write_file(bitmap, path, platform::Replacement::over_the_old_file);
}

void write_scratch_bmp(const pixels::Bitmap& bitmap, const QString& path)
{
    write_file(bitmap, path, platform::Replacement::moving_the_old_file_aside);
}

} // namespace formats
