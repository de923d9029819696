#pragma once

#include "core/resource_paths.h"

#include <QLockFile>
#include <QString>
#include <memory>

namespace history {

// The undo snapshot: the canvas as it was before the latest press.
QString undo_snapshot_path(const core::ResourcePaths& paths);
// The redo snapshot: the canvas as it was before the latest undo.
QString redo_snapshot_path(const core::ResourcePaths& paths);

// Which snapshots a running copy of the program owns. Copies that share the snapshot folder
// each hold their own slot through a lock file there: the first copy's snapshots have the plain
// names, a second copy's carry its slot number ("tmp-2.bmp"). A lock left by a copy that died is
// taken over, and with it whatever that copy left.
class SnapshotSlot {
public:
    // Claims the first free slot in `tmp_dir` and removes the slot's leftovers: its snapshots and
    // the temporary files of writes that never finished. Without a writable folder there is no
    // lock to take, and the plain names are used as they are.
    explicit SnapshotSlot(const QString& tmp_dir);
    // What the slot adds to the snapshot names; empty for the first slot.
    const QString& tag() const { return tag_; }

private:
    std::unique_ptr<QLockFile> lock_;
    QString tag_;
};

} // namespace history
