#pragma once

#include <QFont>

class QWidget;

namespace core {

// Makes the layout's Tahoma known to Qt once per process, from fonts-wine when it is installed;
// without it Qt falls back to the system sans font.
void register_layout_font();
// Tahoma, 8 points: the font of the main window's layout.
QFont layout_font();

// Makes the font every widget of the application shows now its own, with every property set.
// While a style sheet is applied or removed, Qt resolves a font a widget only inherits against the
// application's font, not its window's; a font of its own, complete, comes back unchanged.
void keep_fonts_of_all_widgets();

} // namespace core
