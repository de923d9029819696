#pragma once

#include "core/main_window_controls.h"
#include "core/process_state.h"

namespace colours {

// Repaints the colour displays in the current colour: the bucket's paint, the six fill-pattern
// buttons and the four brush-size buttons, each by a flood fill of its own picture.
void repaint_colour_displays(core::MainWindowControls& controls, core::ProcessState& state);
// Gives the brush button the brush of the chosen jar while the brush is the tool.
void show_brush_colour(core::MainWindowControls& controls, core::ProcessState& state);
// Reloads the eight jars in the jar row order, each in its plain look except jar `selected`
// (1 to 8) in its selected look; 0 selects none.
void refresh_jar_row(core::MainWindowControls& controls, const core::ResourcePaths& paths, int selected);

// The colours a picture opened for colouring starts with: the bucket with paint, red as the
// current colour with its shade strip, and the colour displays repainted.
void show_opening_colours(core::MainWindowControls& controls, core::ProcessState& state);

} // namespace colours
