#include "skin/skin_archive.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdint>
#include <zlib.h>

namespace skin {

namespace {

constexpr std::uint32_t end_signature = 0x06054b50;
constexpr std::uint32_t central_signature = 0x02014b50;
constexpr std::uint32_t local_signature = 0x04034b50;
constexpr qsizetype end_record_size = 22;
constexpr qsizetype central_record_size = 46;
constexpr qsizetype local_record_size = 30;
constexpr qsizetype max_comment = 0xFFFF;
constexpr qsizetype max_unpacked_total = 64 * 1024 * 1024;
constexpr int stored = 0;
constexpr int deflated = 8;
constexpr int encrypted_flag = 1;

// Little-endian reads that refuse to run past the end.
class Reader {
public:
    explicit Reader(const QByteArray& bytes) : bytes_(bytes) {}
    bool has(qsizetype at, qsizetype count) const
    {
        return at >= 0 && count >= 0 && at <= bytes_.size() - count;
    }
    std::uint32_t u16(qsizetype at) const { return byte(at) | byte(at + 1) << 8; }
    std::uint32_t u32(qsizetype at) const { return u16(at) | u16(at + 2) << 16; }
    QByteArray slice(qsizetype at, qsizetype count) const { return bytes_.mid(at, count); }
    qsizetype size() const { return bytes_.size(); }

private:
    std::uint32_t byte(qsizetype at) const { return static_cast<std::uint8_t>(bytes_[at]); }
    const QByteArray& bytes_;
};

struct CentralEntry {
    int method = 0;
    int flags = 0;
    std::uint32_t crc = 0;
    qsizetype packed_size = 0;
    qsizetype size = 0;
    qsizetype local_offset = 0;
    QString name;
};

std::optional<qsizetype> find_end_record(const Reader& reader)
{
    const qsizetype last = reader.size() - end_record_size;
    for (qsizetype at = last; at >= 0 && at >= last - max_comment; --at)
        if (reader.u32(at) == end_signature)
            return at;
    return std::nullopt;
}

bool safe_name(const QString& name)
{
    if (name.isEmpty() || name.startsWith('/') || name.contains('\\') || name.contains(':'))
        return false;
    for (const QString& part : name.split('/'))
        if (part == QLatin1String(".."))
            return false;
    return true;
}

std::optional<CentralEntry> read_central_entry(const Reader& reader, qsizetype& at)
{
    if (!reader.has(at, central_record_size) || reader.u32(at) != central_signature)
        return std::nullopt;
    CentralEntry entry;
    entry.flags = static_cast<int>(reader.u16(at + 8));
    entry.method = static_cast<int>(reader.u16(at + 10));
    entry.crc = reader.u32(at + 16);
    entry.packed_size = reader.u32(at + 20);
    entry.size = reader.u32(at + 24);
    const qsizetype name_length = reader.u16(at + 28);
    const qsizetype extra_length = reader.u16(at + 30);
    const qsizetype comment_length = reader.u16(at + 32);
    entry.local_offset = reader.u32(at + 42);
    if (!reader.has(at + central_record_size, name_length))
        return std::nullopt;
    entry.name = QString::fromUtf8(reader.slice(at + central_record_size, name_length));
    at += central_record_size + name_length + extra_length + comment_length;
    return entry;
}

std::optional<QByteArray> inflate_raw(const QByteArray& packed, qsizetype size)
{
    QByteArray out(size, Qt::Uninitialized);
    z_stream stream{};
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK)
        return std::nullopt;
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.constData()));
    stream.avail_in = static_cast<uInt>(packed.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    const int result = inflate(&stream, Z_FINISH);
    const bool whole = result == Z_STREAM_END && stream.total_out == static_cast<uLong>(size);
    inflateEnd(&stream);
    return whole ? std::optional<QByteArray>(out) : std::nullopt;
}

std::optional<QByteArray> entry_data(const Reader& reader, const CentralEntry& entry)
{
    const qsizetype local = entry.local_offset;
    if (!reader.has(local, local_record_size) || reader.u32(local) != local_signature)
        return std::nullopt;
    const qsizetype start = local + local_record_size + reader.u16(local + 26) + reader.u16(local + 28);
    if (!reader.has(start, entry.packed_size))
        return std::nullopt;
    const QByteArray packed = reader.slice(start, entry.packed_size);
    std::optional<QByteArray> data;
    if (entry.method == stored && entry.packed_size == entry.size)
        data = packed;
    else if (entry.method == deflated)
        data = inflate_raw(packed, entry.size);
    const auto* bytes = data ? reinterpret_cast<const Bytef*>(data->constData()) : nullptr;
    if (!data || crc32(0, bytes, static_cast<uInt>(data->size())) != entry.crc)
        return std::nullopt;
    return data;
}

} // namespace

std::optional<std::vector<ArchiveEntry>> unpack_skin_archive(const QByteArray& archive)
{
    const Reader reader(archive);
    const std::optional<qsizetype> end = find_end_record(reader);
    if (!end)
        return std::nullopt;
    const qsizetype count = reader.u16(*end + 10);
    qsizetype at = reader.u32(*end + 16);
    std::vector<ArchiveEntry> entries;
    qsizetype total = 0;
    for (qsizetype index = 0; index < count; ++index) {
        const std::optional<CentralEntry> entry = read_central_entry(reader, at);
        if (!entry || (entry->flags & encrypted_flag) != 0 || !safe_name(entry->name))
            return std::nullopt;
        total += entry->size;
        if (total > max_unpacked_total)
            return std::nullopt;
        if (entry->name.endsWith('/'))
            continue;
        std::optional<QByteArray> data = entry_data(reader, *entry);
        if (!data)
            return std::nullopt;
        entries.push_back({entry->name, std::move(*data)});
    }
    return entries;
}

bool write_skin_entries(const std::vector<ArchiveEntry>& entries, const QString& folder)
{
    const QDir root(folder);
    for (const ArchiveEntry& entry : entries) {
        const QString path = root.filePath(entry.name);
        if (!root.mkpath(QFileInfo(path).path()))
            return false;
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(entry.data) != entry.data.size())
            return false;
    }
    return true;
}

} // namespace skin
