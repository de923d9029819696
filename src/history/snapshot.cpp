#include "history/snapshot.h"

#include "platform/bmp_codec.h"

namespace history {

QString undo_snapshot_path(const core::ResourcePaths& paths)
{
    return paths.tmp_dir + "tmp.bmp";
}

QString redo_snapshot_path(const core::ResourcePaths& paths)
{
    return paths.tmp_dir + "tmp1.bmp";
}

void write_snapshot(core::MainWindowControls& controls, const core::ResourcePaths& paths)
{
    platform::write_scratch_bmp(controls.canvas->picture(), undo_snapshot_path(paths));
    controls.undo_button->setEnabled(true);
}

} // namespace history
