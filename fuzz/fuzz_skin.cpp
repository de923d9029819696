#include "skin/skin_archive.h"
#include "skin/zip_writer.h"

#include <QStringList>

#include <cstdint>
#include <cstdlib>

namespace {

// An entry may never name a place outside the folder it is unpacked into.
bool stays_inside(const QString& name)
{
    if (name.isEmpty() || name.startsWith(u'/') || name.contains(u'\\'))
        return false;
    for (const QString& part : name.split(u'/'))
        if (part == QLatin1String(".."))
            return false;
    return true;
}

} // namespace

// Every archive unpacks to files of safe names within the size budget, or to nothing; what it
// unpacks to, packed again, unpacks to the same files.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::optional<std::vector<skin::ArchiveEntry>> entries = skin::unpack_skin_archive(bytes);
    if (!entries)
        return 0;
    qint64 total = 0;
    std::vector<skin_testing::ZipItem> items;
    for (const skin::ArchiveEntry& entry : *entries) {
        if (!stays_inside(entry.name))
            std::abort();
        total += entry.data.size();
        items.push_back({entry.name.toUtf8(), entry.data, true});
        if (items.back().name.size() > 0xFFFF)
            return 0;
    }
    if (total > 64 * 1024 * 1024)
        std::abort();
    const std::optional<std::vector<skin::ArchiveEntry>> again =
        skin::unpack_skin_archive(skin_testing::zip(items));
    if (!again || again->size() != entries->size())
        std::abort();
    for (std::size_t i = 0; i < entries->size(); ++i)
        if ((*again)[i].name != (*entries)[i].name || (*again)[i].data != (*entries)[i].data)
            std::abort();
    return 0;
}
