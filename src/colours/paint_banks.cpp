#include "colours/paint_banks.h"

#include "colours/colour_displays.h"
#include "colours/jar_pictures.h"
#include "colours/jar_table.h"

namespace colours {

void paint_banks(app::Form1Controls& controls, app::ProcessState& state)
{
    const platform::ColourWord colour = state.drawing.current_color;
    fill_display(*controls.Image16, {20, 20}, colour);
    const auto buttons = controls.pattern_buttons();
    // The hatched buttons start again from the blank button so that no lines of an earlier colour remain.
    for (std::size_t i = 1; i < buttons.size(); ++i)
        buttons[i]->load_picture(state.paths.instruments_dir + QStringLiteral("заливка.bmp"));
    for (std::size_t i = 0; i < buttons.size(); ++i)
        fill_display(*buttons[i], {10, 10}, colour, drawing::fill_pattern_styles[i]);
    paint_size_buttons(controls, state.drawing.brush_size, colour);
}

void paint_kist(app::Form1Controls& controls, app::ProcessState& state)
{
    if (state.drawing.current_tool != drawing::tool_brush)
        return;
    const JarRow* row = jar_row(state.color_index);
    if (row == nullptr || row->brush_file == nullptr)
        return;
    controls.Image15->load_picture(state.paths.instruments_dir + QString::fromUtf8(row->brush_file));
}

void refresh_jar_row(app::Form1Controls& controls, const app::ResourcePaths& paths, int selected)
{
    for (const JarRow& row : jar_table)
        load_jar(controls, paths, row.index, row.index == selected);
}

void show_opening_colours(app::Form1Controls& controls, app::ProcessState& state)
{
    const JarRow& red = jar_table.front();
    controls.Image16->load_picture(state.paths.instruments_dir + QStringLiteral("с краской.bmp"));
    state.drawing.current_color = red.colour;
    controls.Image11->load_picture(state.paths.gradients_dir + QString::fromUtf8(red.strip_file));
    paint_banks(controls, state);
}

} // namespace colours
