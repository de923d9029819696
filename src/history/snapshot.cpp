#include "history/snapshot.h"

#include <QDir>
#include <QRegularExpression>

namespace history {

namespace {

// More copies of the program at once than anyone runs on one computer.
constexpr int slot_count = 64;

QString slot_tag(int slot)
{
    return slot == 1 ? QString() : QStringLiteral("-%1").arg(slot);
}

QString undo_name(const QString& tag)
{
    return QStringLiteral("tmp%1.bmp").arg(tag);
}

QString redo_name(const QString& tag)
{
    return QStringLiteral("tmp1%1.bmp").arg(tag);
}

// The slot's snapshots, and the temporary files that write_bmp() leaves beside them when the
// program is killed while writing ("tmp.bmp.1a2b3c4d.tmp"): nothing else in the folder.
void remove_leftovers(const QString& tmp_dir, const QString& tag)
{
    QDir dir(tmp_dir);
    for (const QString& snapshot : {undo_name(tag), redo_name(tag)}) {
        dir.remove(snapshot);
        const QRegularExpression temporary(QRegularExpression::anchoredPattern(
            QRegularExpression::escape(snapshot) + "\\.[0-9a-f]{8}\\.tmp"));
        for (const QString& name :
             dir.entryList({snapshot + ".*.tmp"}, QDir::Files | QDir::Hidden | QDir::System))
            if (temporary.match(name).hasMatch())
                dir.remove(name);
    }
}

} // namespace

QString undo_snapshot_path(const core::ResourcePaths& paths)
{
    return paths.tmp_dir + undo_name(paths.snapshot_tag);
}

QString redo_snapshot_path(const core::ResourcePaths& paths)
{
    return paths.tmp_dir + redo_name(paths.snapshot_tag);
}

SnapshotSlot::SnapshotSlot(const QString& tmp_dir)
{
    for (int slot = 1; slot <= slot_count; ++slot) {
        auto lock = std::make_unique<QLockFile>(tmp_dir + QStringLiteral("tmp%1.lock").arg(slot_tag(slot)));
        // Only a dead owner frees a slot, however long a living one has held it.
        lock->setStaleLockTime(0);
        if (lock->tryLock(0)) {
            lock_ = std::move(lock);
            tag_ = slot_tag(slot);
            remove_leftovers(tmp_dir, tag_);
            return;
        }
        if (lock->error() != QLockFile::LockFailedError)
            return;
    }
}

} // namespace history
