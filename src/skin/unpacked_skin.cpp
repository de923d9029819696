#include "skin/unpacked_skin.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <unistd.h>

namespace skin {

namespace {

const QString lock_name = QStringLiteral(".owner.lock");

std::unique_ptr<QLockFile> owner_lock(const QString& folder)
{
    auto lock = std::make_unique<QLockFile>(QDir(folder).filePath(lock_name));
    // Only a dead owner gives a folder up, however long a living one has held it.
    lock->setStaleLockTime(0);
    return lock;
}

} // namespace

UnpackedSkin::UnpackedSkin()
    : folder_(QDir(QDir::tempPath()).filePath(QString::fromLatin1(folder_prefix) + QStringLiteral("XXXXXX")))
{
}

std::unique_ptr<UnpackedSkin> UnpackedSkin::unpack(const std::vector<ArchiveEntry>& entries)
{
    std::unique_ptr<UnpackedSkin> skin(new UnpackedSkin());
    if (!skin->folder_.isValid())
        return nullptr;
    skin->lock_ = owner_lock(skin->path());
    if (!skin->lock_->tryLock(0) || !write_skin_entries(entries, skin->path()))
        return nullptr;
    return skin;
}

void UnpackedSkin::remove_stale(const QString& parent)
{
    // QTemporaryDir's names: the prefix and six letters or digits.
    const QRegularExpression ours(QRegularExpression::anchoredPattern(QString::fromLatin1(folder_prefix) +
                                                                      QStringLiteral("[A-Za-z0-9]{6}")));
    const QDir dir(parent);
    for (const QFileInfo& folder : dir.entryInfoList({QString::fromLatin1(folder_prefix) + '*'},
                                                     QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden)) {
        if (folder.isSymLink() || folder.ownerId() != ::getuid() || !ours.match(folder.fileName()).hasMatch())
            continue;
        const std::unique_ptr<QLockFile> lock = owner_lock(folder.filePath());
        if (lock->tryLock(0)) {
            lock->unlock();
            QDir(folder.filePath()).removeRecursively();
        }
    }
}

} // namespace skin
