#pragma once

#include "app/form1_controls.h"
#include "app/process_state.h"

namespace colours {

// Repaints the colour displays in the current colour: the bucket's paint, the six fill-pattern
// buttons and the four brush-size buttons, each by a flood fill of its own picture.
void paint_banks(app::Form1Controls& controls, app::ProcessState& state);
// Gives the brush button the brush of the chosen jar while the brush is the tool.
void paint_kist(app::Form1Controls& controls, app::ProcessState& state);
// Reloads the eight jars in the jar row order, each in its plain look except jar `selected`
// (1 to 8) in its selected look; 0 selects none.
void refresh_jar_row(app::Form1Controls& controls, const app::ResourcePaths& paths, int selected);

// The colours a picture opened for colouring starts with: the bucket with paint, red as the
// current colour with its shade strip, and the colour displays repainted.
void show_opening_colours(app::Form1Controls& controls, app::ProcessState& state);

} // namespace colours
