#pragma once

#include <QFont>

namespace core {

// Makes the layout's Tahoma known to Qt once per process, from fonts-wine when it is installed;
// without it Qt falls back to the system sans font.
void register_layout_font();
// Tahoma, 8 points: the font of the main window's layout.
QFont layout_font();

} // namespace core
