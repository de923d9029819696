#pragma once

#include "skin/skin_archive.h"

#include <QLockFile>
#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <vector>

namespace skin {

// A packed skin unpacked into a private folder of its own (mode 0700) under the temporary
// directory, removed again when this object goes. The folder holds a lock for as long as its
// program runs, so the folders a killed copy left behind are told from those of running copies
// and removed at the next start (see remove_stale).
class UnpackedSkin {
public:
    // Nothing when the folder cannot be made or an entry cannot be written.
    static std::unique_ptr<UnpackedSkin> unpack(const std::vector<ArchiveEntry>& entries);
    QString path() const { return folder_.path(); }

    // The folders of our own naming in `parent` whose program has died; nothing else is touched.
    static void remove_stale(const QString& parent);
    static constexpr const char* folder_prefix = "koloriton-skin-";

private:
    UnpackedSkin();

    QTemporaryDir folder_;
    std::unique_ptr<QLockFile> lock_;
};

} // namespace skin
