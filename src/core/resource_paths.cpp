#include "core/resource_paths.h"

namespace core {

ResourcePaths ResourcePaths::under(const QString& app_dir)
{
    ResourcePaths paths;
    paths.app_dir = app_dir.endsWith('/') ? app_dir : app_dir + '/';
    paths.preview_dir = "res/preview/";
    paths.clipart_dir = "res/clipart/";
    paths.interface_dir = "res/interface/";
    paths.gradients_dir = "res/gradients/";
    paths.instruments_dir = "res/instruments/";
    paths.buttons_dir = "res/buttons/";
    paths.curs_dir = "res/curs/";
    paths.info_dir = "res/info/";
    paths.banks_dir = "res/banks/";
    paths.tmp_dir = "Tmp/";
    for (QString* dir : {&paths.preview_dir, &paths.clipart_dir, &paths.interface_dir, &paths.gradients_dir,
                         &paths.instruments_dir, &paths.buttons_dir, &paths.curs_dir, &paths.info_dir,
                         &paths.banks_dir, &paths.tmp_dir})
        dir->prepend(paths.app_dir);
    return paths;
}

} // namespace core
