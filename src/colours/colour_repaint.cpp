#include "colours/colour_repaint.h"

#include "colours/colour_displays.h"
#include "colours/jar_pictures.h"
#include "colours/jar_table.h"

namespace colours {

namespace {

// The bristles of every coloured brush picture: one flat area around this point.
constexpr QPoint brush_tip_seed{20, 74};

} // namespace

platform::ColourWord next_press_colour(const core::DrawingState& drawing)
{
    // The eraser is the brush in eraser mode; shapes drawn while it is on paint the current colour.
    const bool erasing = drawing.current_tool == core::tool_brush && drawing.eraser_mode == 1;
    return erasing ? platform::white_word : drawing.current_color;
}

// The jar's own brush picture for a jar's colour; otherwise the chosen jar's brush (the red one
// for black, which has none) with its bristles filled.
void show_brush_colour(core::MainWindowControls& controls, const core::ProcessState& state)
{
    if (state.drawing.current_tool != core::tool_brush || state.drawing.eraser_mode == 1)
        return;
    const platform::ColourWord colour = state.drawing.current_color;
    const JarRow* row = jar_row(jar_of_colour(colour));
    if (row == nullptr || row->brush_file == nullptr)
        row = jar_row(state.color_index);
    if (row == nullptr || row->brush_file == nullptr)
        row = &jar_table.front();
    controls.brush_button->load_picture(state.paths.instruments_dir + QString::fromUtf8(row->brush_file));
    fill_display(*controls.brush_button, brush_tip_seed, colour);
}

void repaint_colour_displays(core::MainWindowControls& controls, core::ProcessState& state)
{
    const platform::ColourWord colour = next_press_colour(state.drawing);
    fill_display(*controls.bucket_button, {20, 20}, colour);
    const auto buttons = controls.pattern_buttons();
    // The hatched buttons start again from the blank button so that no lines of an earlier colour remain.
    for (std::size_t i = 1; i < buttons.size(); ++i)
        buttons[i]->load_picture(state.paths.instruments_dir + QStringLiteral("заливка.bmp"));
    for (std::size_t i = 0; i < buttons.size(); ++i)
        fill_display(*buttons[i], {10, 10}, colour, core::fill_pattern_styles[i]);
    paint_size_buttons(controls, state.drawing.brush_size, colour);
    show_brush_colour(controls, state);
    refresh_jar_row(controls, state.paths, jar_of_colour(colour));
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
