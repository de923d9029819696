#pragma once

#include "app/form1_controls.h"
#include "app/resource_paths.h"

#include <QString>
#include <cstdint>

namespace colours {

struct JarRow;

// The picture of a jar in its plain or selected look.
QString jar_picture_path(const app::ResourcePaths& paths, const JarRow& row, bool selected);
// Loads the picture of jar `index` (1 to 8; nothing otherwise) into it; throws when the file cannot be
// loaded.
void load_jar(app::Form1Controls& controls, const app::ResourcePaths& paths, std::int32_t index,
              bool selected);
void set_jars_enabled(app::Form1Controls& controls, bool enabled);

} // namespace colours
