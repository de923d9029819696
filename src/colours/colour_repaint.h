#pragma once

#include "core/main_window_controls.h"
#include "core/process_state.h"

namespace colours {

// The colour the next press on the canvas paints: white for the eraser, the current colour for
// every other tool.
platform::ColourWord next_press_colour(const core::DrawingState& drawing);
// Shows the colour of the next press on every colour display: the bucket's paint, the six
// fill-pattern buttons and the four brush-size buttons, each by a flood fill of its own picture;
// the brush button's tip while the brush is the tool; and the jar of that colour, if one holds it,
// in its selected look, every other jar in its plain look. No display shows a colour the next press
// does not paint.
void repaint_colour_displays(core::MainWindowControls& controls, core::ProcessState& state);
// While the brush is the tool, gives its button a brush whose tip has the colour the brush paints.
void show_brush_colour(core::MainWindowControls& controls, const core::ProcessState& state);
// Reloads the eight jars in the jar row order, each in its plain look except jar `selected`
// (1 to 8) in its selected look; 0 selects none.
void refresh_jar_row(core::MainWindowControls& controls, const core::ResourcePaths& paths, int selected);

// The colours a picture opened for colouring starts with: the bucket with paint, red as the
// current colour with its shade strip, and the colour displays repainted.
void show_opening_colours(core::MainWindowControls& controls, core::ProcessState& state);

} // namespace colours
