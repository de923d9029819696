#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace skin {

// One file of a packed skin, by its path inside the archive.
struct ArchiveEntry {
    QString name;
    QByteArray data;
};

// Unpacks a ZIP archive of stored and deflated files, read with libzip. Anything malformed, encrypted, of
// another compression method, too large (more than 512 entries or 32 MiB unpacked), or named outside the
// archive's own folder gives no entries at all, so that a damaged skin is no skin rather than half of one.
std::optional<std::vector<ArchiveEntry>> unpack_skin_archive(const QByteArray& archive);

// Writes unpacked entries below `folder`; false when a file cannot be written.
bool write_skin_entries(const std::vector<ArchiveEntry>& entries, const QString& folder);

} // namespace skin
