#include "history/snapshot.h"

#include "platform/bmp_codec.h"

namespace history {

QString undo_snapshot_path(const app::ResourcePaths& paths)
{
    return paths.tmp_dir + "tmp.bmp";
}

QString redo_snapshot_path(const app::ResourcePaths& paths)
{
    return paths.tmp_dir + "tmp1.bmp";
}

void write_snapshot(app::Form1Controls& controls, const app::ResourcePaths& paths)
{
    platform::write_bmp(controls.Image1->picture(), undo_snapshot_path(paths));
    controls.Image46->setEnabled(true);
}

} // namespace history
