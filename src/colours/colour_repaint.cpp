#include "colours/colour_repaint.h"

#include "colours/colour_displays.h"
#include "colours/jar_pictures.h"
#include "colours/jar_table.h"

namespace colours {

void repaint_colour_displays(core::MainWindowControls& controls, core::ProcessState& state)
{
    const platform::ColourWord colour = state.drawing.current_color;
    fill_display(*controls.bucket_button, {20, 20}, colour);
    const auto buttons = controls.pattern_buttons();
    // The hatched buttons start again from the blank button so that no lines of an earlier colour remain.
    for (std::size_t i = 1; i < buttons.size(); ++i)
        buttons[i]->load_picture(state.paths.instruments_dir + QStringLiteral("заливка.bmp"));
    for (std::size_t i = 0; i < buttons.size(); ++i)
        fill_display(*buttons[i], {10, 10}, colour, core::fill_pattern_styles[i]);
    paint_size_buttons(controls, state.drawing.brush_size, colour);
}

void show_brush_colour(core::MainWindowControls& controls, core::ProcessState& state)
{
    if (state.drawing.current_tool != core::tool_brush)
        return;
    const JarRow* row = jar_row(state.color_index);
    if (row == nullptr || row->brush_file == nullptr)
        return;
    controls.brush_button->load_picture(state.paths.instruments_dir + QString::fromUtf8(row->brush_file));
}

void refresh_jar_row(core::MainWindowControls& controls, const core::ResourcePaths& paths, int selected)
{
    for (const JarRow& row : jar_table)
        load_jar(controls, paths, row.index, row.index == selected);
}

void show_opening_colours(core::MainWindowControls& controls, core::ProcessState& state)
{
    const JarRow& red = jar_table.front();
    controls.bucket_button->load_picture(state.paths.instruments_dir + QStringLiteral("с краской.bmp"));
    state.drawing.current_color = red.colour;
    controls.shade_strip->load_picture(state.paths.gradients_dir + QString::fromUtf8(red.strip_file));
    repaint_colour_displays(controls, state);
}

} // namespace colours
