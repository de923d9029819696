#pragma once

#include "core/main_window_controls.h"
#include "core/resource_paths.h"

#include <QString>
#include <cstdint>

namespace colours {

struct JarRow;

// The picture of a jar in its plain or selected look.
QString jar_picture_path(const core::ResourcePaths& paths, const JarRow& row, bool selected);
// Loads the picture of jar `index` (1 to 8; nothing otherwise) into it; throws when the file cannot be
// loaded.
void load_jar(core::MainWindowControls& controls, const core::ResourcePaths& paths, std::int32_t index,
              bool selected);
void set_jars_enabled(core::MainWindowControls& controls, bool enabled);

} // namespace colours
