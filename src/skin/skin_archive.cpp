#include "skin/skin_archive.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <memory>
#include <zip.h>

namespace skin {

namespace {

// A skin is a style sheet and its pictures: a few dozen files and a few megabytes. Far more
// entries than that would only fill the disk and delay start-up (the folders are made and removed
// with the program).
constexpr zip_int64_t max_entries = 512;
constexpr zip_uint64_t max_unpacked_total = 32 * 1024 * 1024;
constexpr zip_uint64_t needed_fields =
    ZIP_STAT_NAME | ZIP_STAT_SIZE | ZIP_STAT_COMP_METHOD | ZIP_STAT_ENCRYPTION_METHOD;

struct ArchiveCloser {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct FileCloser {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};
using Archive = std::unique_ptr<zip_t, ArchiveCloser>;
using ArchiveFile = std::unique_ptr<zip_file_t, FileCloser>;

// Opens the archive over the bytes themselves (which must outlive it), checking that the central
// directory and the local headers agree.
Archive open_archive(const QByteArray& bytes)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source =
        zip_source_buffer_create(bytes.constData(), static_cast<zip_uint64_t>(bytes.size()), 0, &error);
    zip_t* archive = source ? zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error) : nullptr;
    if (source && !archive)
        zip_source_free(source);
    zip_error_fini(&error);
    return Archive(archive);
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

bool acceptable(const zip_stat_t& stat)
{
    return (stat.valid & needed_fields) == needed_fields && stat.encryption_method == ZIP_EM_NONE &&
           (stat.comp_method == ZIP_CM_STORE || stat.comp_method == ZIP_CM_DEFLATE);
}

// The whole file, or nothing when it is shorter or longer than its record says or fails its
// checksum (which libzip checks once the file is read to its end).
std::optional<QByteArray> read_whole(zip_t* archive, zip_uint64_t index, zip_uint64_t size)
{
    const ArchiveFile file(zip_fopen_index(archive, index, 0));
    if (!file)
        return std::nullopt;
    QByteArray data(static_cast<qsizetype>(size), Qt::Uninitialized);
    zip_uint64_t done = 0;
    while (done < size) {
        const zip_int64_t got = zip_fread(file.get(), data.data() + done, size - done);
        if (got <= 0)
            return std::nullopt;
        done += static_cast<zip_uint64_t>(got);
    }
    char beyond = 0;
    if (zip_fread(file.get(), &beyond, 1) != 0)
        return std::nullopt;
    return data;
}

} // namespace

std::optional<std::vector<ArchiveEntry>> unpack_skin_archive(const QByteArray& archive_bytes)
{
    // libzip takes no bytes at all for an archive without files; here they are no skin.
    const Archive archive = archive_bytes.isEmpty() ? nullptr : open_archive(archive_bytes);
    if (!archive)
        return std::nullopt;
    const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
    if (count > max_entries)
        return std::nullopt;
    std::vector<ArchiveEntry> entries;
    zip_uint64_t total = 0;
    for (zip_int64_t index = 0; index < count; ++index) {
        zip_stat_t stat;
        if (zip_stat_index(archive.get(), static_cast<zip_uint64_t>(index), ZIP_FL_ENC_RAW, &stat) != 0 ||
            !acceptable(stat))
            return std::nullopt;
        const QString name = QString::fromUtf8(stat.name);
        total += stat.size;
        if (!safe_name(name) || total > max_unpacked_total)
            return std::nullopt;
        if (name.endsWith('/'))
            continue;
        std::optional<QByteArray> data =
            read_whole(archive.get(), static_cast<zip_uint64_t>(index), stat.size);
        if (!data)
            return std::nullopt;
        entries.push_back({name, std::move(*data)});
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
