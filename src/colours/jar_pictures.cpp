#include "colours/jar_pictures.h"

#include "colours/jar_table.h"

namespace colours {

QString jar_picture_path(const core::ResourcePaths& paths, const JarRow& row, bool selected)
{
    return paths.banks_dir + QString::fromUtf8(row.letter) + (selected ? "_.bmp" : ".bmp");
}

void load_jar(core::MainWindowControls& controls, const core::ResourcePaths& paths, std::int32_t index,
              bool selected)
{
    const JarRow* row = jar_row(index);
    if (row == nullptr)
        return;
    (controls.*(row->control))->load_picture(jar_picture_path(paths, *row, selected));
}

void set_jars_enabled(core::MainWindowControls& controls, bool enabled)
{
    for (platform::PictureControl* jar : controls.jars())
        jar->setEnabled(enabled);
}

} // namespace colours
