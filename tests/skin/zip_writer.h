#pragma once

#include <QByteArray>
#include <QtEndian>
#include <vector>
#include <zlib.h>

namespace skin_testing {

// One file for a test archive: stored as it is, or deflated.
struct ZipItem {
    QByteArray name;
    QByteArray data;
    bool deflate = true;
};

inline QByteArray le16(quint16 value)
{
    QByteArray bytes(2, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

inline QByteArray le32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

inline QByteArray raw_deflate(const QByteArray& data)
{
    z_stream stream{};
    deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    QByteArray out(static_cast<qsizetype>(deflateBound(&stream, static_cast<uLong>(data.size()))), '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.constData()));
    stream.avail_in = static_cast<uInt>(data.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    deflate(&stream, Z_FINISH);
    out.resize(static_cast<qsizetype>(stream.total_out));
    deflateEnd(&stream);
    return out;
}

// A ZIP archive as the common packers write it, without comments or extra fields.
inline QByteArray zip(const std::vector<ZipItem>& items)
{
    QByteArray out;
    QByteArray central;
    for (const ZipItem& item : items) {
        const QByteArray packed = item.deflate ? raw_deflate(item.data) : item.data;
        const quint16 method = item.deflate ? 8 : 0;
        const quint32 crc = crc32(0, reinterpret_cast<const Bytef*>(item.data.constData()),
                                  static_cast<uInt>(item.data.size()));
        const QByteArray sizes = le32(crc) + le32(quint32(packed.size())) + le32(quint32(item.data.size()));
        const quint32 offset = quint32(out.size());
        out += le32(0x04034b50) + le16(20) + le16(0) + le16(method) + le16(0) + le16(0) + sizes +
               le16(quint16(item.name.size())) + le16(0) + item.name + packed;
        central += le32(0x02014b50) + le16(20) + le16(20) + le16(0) + le16(method) + le16(0) + le16(0) +
                   sizes + le16(quint16(item.name.size())) + le16(0) + le16(0) + le16(0) + le16(0) + le32(0) +
                   le32(offset) + item.name;
    }
    const quint32 central_offset = quint32(out.size());
    const quint16 count = quint16(items.size());
    out += central;
    out += le32(0x06054b50) + le16(0) + le16(0) + le16(count) + le16(count) + le32(quint32(central.size())) +
           le32(central_offset) + le16(0);
    return out;
}

} // namespace skin_testing
