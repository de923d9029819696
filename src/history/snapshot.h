#pragma once

#include "core/main_window_controls.h"
#include "core/resource_paths.h"

#include <QString>

namespace history {

// The undo snapshot: the canvas as it was before the latest press.
QString undo_snapshot_path(const core::ResourcePaths& paths);
// The redo snapshot: the canvas as it was before the latest undo.
QString redo_snapshot_path(const core::ResourcePaths& paths);

// Writes the canvas picture to the undo snapshot and then enables the undo button; a failed write
// throws FileError and leaves the button and the previous snapshot as they were.
void write_snapshot(core::MainWindowControls& controls, const core::ResourcePaths& paths);

} // namespace history
