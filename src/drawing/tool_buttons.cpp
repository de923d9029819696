#include "drawing/tool_buttons.h"

#include "colours/colour_displays.h"
#include "colours/colour_repaint.h"
#include "colours/jar_pictures.h"
#include "colours/pattern_frames.h"
#include "drawing/tool_table.h"
#include "platform/error_guard.h"

namespace drawing {
namespace {

constexpr std::size_t brush_row = 0;
constexpr std::size_t fill_row = 1;
constexpr std::size_t eraser_row = 2;

QString instrument(const core::ProcessState& state, const char* file)
{
    return state.paths.instruments_dir + QString::fromUtf8(file);
}

} // namespace

void ToolButtons::connect_handlers()
{
    using Handler = void (ToolButtons::*)();
    const std::array<Handler, 10> handlers = {
        &ToolButtons::choose_brush,   &ToolButtons::choose_bucket,    &ToolButtons::choose_eraser,
        &ToolButtons::choose_pipette, &ToolButtons::choose_rectangle, &ToolButtons::choose_rounded_rectangle,
        &ToolButtons::choose_ellipse, &ToolButtons::choose_line,      &ToolButtons::choose_triangle,
        &ToolButtons::choose_rhombus};
    for (std::size_t i = 0; i < tool_table.size(); ++i) {
        platform::PictureControl* button = controls_.*(tool_table[i].control);
        const Handler handler = handlers[i];
        QObject::connect(
            button, &platform::PictureControl::pressed, button,
            [this, handler](Qt::MouseButton, Qt::KeyboardModifiers, int, int) { (this->*handler)(); });
    }
}

void ToolButtons::choose_brush()
{
    platform::guarded([&] {
        set_fill_style(0);
        leave_eraser();
        colours::set_jars_enabled(controls_, true);
        state_.drawing.eraser_mode = 0;
        state_.drawing.current_tool = core::tool_brush;
        set_canvas_cursor(tool_table[brush_row]);
        load_plain_pictures_except(brush_row);
        colours::show_brush_colour(controls_, state_);
    });
}

void ToolButtons::choose_bucket()
{
    platform::guarded([&] {
        set_fill_style(1);
        leave_eraser();
        colours::set_jars_enabled(controls_, true);
        state_.drawing.current_tool = core::tool_fill;
        set_canvas_cursor(tool_table[fill_row]);
        controls_.bucket_button->load_picture(instrument(state_, tool_table[fill_row].highlighted_file));
        load_plain_pictures_except(fill_row);
        colours::fill_display(*controls_.bucket_button, {20, 20}, state_.drawing.current_color);
    });
}

void ToolButtons::choose_eraser()
{
    platform::guarded([&] {
        set_fill_style(0);
        // A second press keeps the colour from before the eraser rather than saving the eraser's white.
        if (state_.drawing.eraser_mode == 0)
            state_.drawing.color_before_eraser = state_.drawing.current_color;
        colours::set_jars_enabled(controls_, false);
        controls_.eraser_button->load_picture(instrument(state_, tool_table[eraser_row].highlighted_file));
        load_plain_pictures_except(eraser_row);
        state_.drawing.current_color = platform::white_word;
        state_.drawing.current_tool = core::tool_brush;
        state_.drawing.eraser_mode = 1;
        set_canvas_cursor(tool_table[eraser_row]);
        colours::repaint_colour_displays(controls_, state_);
    });
}

void ToolButtons::choose_simple_tool(std::size_t row_number)
{
    platform::guarded([&] {
        const ToolRow& row = tool_table[row_number];
        const platform::ColourWord shown = colours::next_press_colour(state_.drawing);
        set_fill_style(0);
        state_.drawing.current_tool = row.tool;
        switch_jars(row);
        (controls_.*(row.control))->load_picture(instrument(state_, row.highlighted_file));
        load_plain_pictures_except(row_number);
        set_canvas_cursor(row);
        // A shape chosen from the eraser paints the current colour, which a shade taken meanwhile set.
        if (colours::next_press_colour(state_.drawing) != shown)
            colours::repaint_colour_displays(controls_, state_);
    });
}

void ToolButtons::set_fill_style(std::int32_t fill_style)
{
    state_.drawing.fill_style = fill_style;
    colours::show_pattern_frame(controls_, fill_style);
}

void ToolButtons::leave_eraser()
{
    if (state_.drawing.eraser_mode != 1)
        return;
    state_.drawing.eraser_mode = 0;
    state_.drawing.current_color = state_.drawing.color_before_eraser;
    colours::repaint_colour_displays(controls_, state_);
}

void ToolButtons::switch_jars(const ToolRow& row)
{
    switch (row.jars) {
    case JarSwitch::unchanged:
        return;
    case JarSwitch::all_enabled:
    case JarSwitch::all_disabled:
        colours::set_jars_enabled(controls_, row.jars == JarSwitch::all_enabled);
        return;
    case JarSwitch::all_but_black:
        colours::set_jars_enabled(controls_, true);
        controls_.black_jar->setEnabled(false);
        return;
    }
}

void ToolButtons::load_plain_pictures_except(std::size_t chosen)
{
    for (std::size_t i = 0; i < tool_table.size(); ++i)
        if (i != chosen)
            (controls_.*(tool_table[i].control))->load_picture(instrument(state_, tool_table[i].plain_file));
}

void ToolButtons::set_canvas_cursor(const ToolRow& row)
{
    controls_.canvas->setCursor(row.cursor == 0 ? QCursor(Qt::CrossCursor)
                                                : state_.screen_cursors.cursor(row.cursor));
    // The photograph shows the pipette only while the pipette can take its colours; shapes leave it as it is.
    if (row.tool == core::tool_pipette)
        controls_.photograph->setCursor(state_.screen_cursors.cursor(row.cursor));
    else if (row.cursor != 0)
        controls_.photograph->setCursor(Qt::ArrowCursor);
}

} // namespace drawing
