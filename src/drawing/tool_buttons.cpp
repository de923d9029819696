#include "drawing/tool_buttons.h"

#include "colours/colour_panel.h"
#include "drawing/tool_table.h"
#include "platform/error_guard.h"

namespace drawing {
namespace {

constexpr std::size_t brush_row = 0;
constexpr std::size_t fill_row = 1;
constexpr std::size_t eraser_row = 2;

} // namespace

void ToolButtons::connect_handlers()
{
    for (std::size_t i = 0; i < tool_table.size(); ++i) {
        widgets::PictureControl* button = controls_.buttons[i];
        platform::connect_guarded(button, &widgets::PictureControl::pressed, button, [this, i] {
            if (i == brush_row)
                choose_brush();
            else if (i == fill_row)
                choose_bucket();
            else if (i == eraser_row)
                choose_eraser();
            else
                choose_simple_tool(i);
        });
    }
}

QString ToolButtons::instrument(const char* file) const
{
    return paths_.instruments_dir + QString::fromUtf8(file);
}

void ToolButtons::choose_brush()
{
    set_fill_pattern(core::FillPattern::none);
    leave_eraser();
    colours_.set_jars_enabled(true);
    drawing_.eraser_mode = false;
    drawing_.current_tool = core::Tool::brush;
    set_canvas_cursor(tool_table[brush_row]);
    load_plain_pictures_except(brush_row);
    colours_.show_brush_colour();
}

void ToolButtons::choose_bucket()
{
    set_fill_pattern(core::FillPattern::solid);
    leave_eraser();
    colours_.set_jars_enabled(true);
    drawing_.current_tool = core::Tool::fill;
    set_canvas_cursor(tool_table[fill_row]);
    controls_.buttons[fill_row]->load_picture(instrument(tool_table[fill_row].highlighted_file));
    load_plain_pictures_except(fill_row);
    colours_.show_bucket_paint();
}

void ToolButtons::choose_eraser()
{
    set_fill_pattern(core::FillPattern::none);
    // A second press keeps the colour from before the eraser rather than saving the eraser's white.
    if (!drawing_.eraser_mode)
        drawing_.colour_before_eraser = drawing_.current_colour;
    colours_.set_jars_enabled(false);
    controls_.buttons[eraser_row]->load_picture(instrument(tool_table[eraser_row].highlighted_file));
    load_plain_pictures_except(eraser_row);
    drawing_.current_tool = core::Tool::brush;
    drawing_.eraser_mode = true;
    set_canvas_cursor(tool_table[eraser_row]);
    colours_.show_colour(pixels::white_word);
}

void ToolButtons::choose_simple_tool(std::size_t row_number)
{
    const ToolRow& row = tool_table[row_number];
    const pixels::ColourWord shown = colours_.next_press_colour();
    set_fill_pattern(core::FillPattern::none);
    // A shape leaves the eraser as the brush and the bucket do, so it never draws in the eraser's
    // invisible white; the pipette keeps it, as it keeps the jars.
    if (row.jars != JarSwitch::unchanged && drawing_.eraser_mode) {
        drawing_.eraser_mode = false;
        drawing_.current_colour = drawing_.colour_before_eraser;
    }
    drawing_.current_tool = row.tool;
    // Leaving the eraser, or the pipette after a shade taken while erasing, changes the colour a
    // press paints; the displays show it before the tool pictures are loaded over them.
    if (colours_.next_press_colour() != shown)
        colours_.repaint_displays();
    switch_jars(row);
    controls_.buttons[row_number]->load_picture(instrument(row.highlighted_file));
    load_plain_pictures_except(row_number);
    set_canvas_cursor(row);
}

void ToolButtons::set_fill_pattern(core::FillPattern pattern)
{
    drawing_.fill_pattern = pattern;
    colours_.show_pattern_frame(pattern);
}

void ToolButtons::leave_eraser()
{
    if (!drawing_.eraser_mode)
        return;
    drawing_.eraser_mode = false;
    colours_.show_colour(drawing_.colour_before_eraser);
}

void ToolButtons::switch_jars(const ToolRow& row)
{
    switch (row.jars) {
    case JarSwitch::unchanged:
        return;
    case JarSwitch::all_enabled:
    case JarSwitch::all_disabled:
        colours_.set_jars_enabled(row.jars == JarSwitch::all_enabled);
        return;
    case JarSwitch::all_but_black:
        colours_.set_jars_enabled(true);
        colours_.set_black_jar_enabled(false);
        return;
    }
}

void ToolButtons::load_plain_pictures_except(std::size_t chosen)
{
    for (std::size_t i = 0; i < tool_table.size(); ++i)
        if (i != chosen)
            controls_.buttons[i]->load_picture(instrument(tool_table[i].plain_file));
}

void ToolButtons::set_canvas_cursor(const ToolRow& row)
{
    const bool cross_hair = row.cursor == core::cursor_cross_hair;
    controls_.canvas->setCursor(cross_hair ? QCursor(Qt::CrossCursor) : cursors_.cursor(row.cursor));
    // The photograph shows the pipette only while the pipette can take its colours; shapes leave it as it is.
    if (row.tool == core::Tool::pipette)
        controls_.photograph->setCursor(cursors_.cursor(row.cursor));
    else if (!cross_hair)
        controls_.photograph->setCursor(Qt::ArrowCursor);
}

} // namespace drawing
