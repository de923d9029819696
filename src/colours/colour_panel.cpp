#include "colours/colour_panel.h"

#include "colours/colour_displays.h"
#include "colours/jar_table.h"
#include "core/frame_shape.h"
#include "platform/error_guard.h"

namespace colours {
namespace {

// The size buttons in the order they are painted, with the point inside each one's disc.
struct SizeButton {
    std::int32_t size;
    QPoint seed;
};
constexpr std::array<SizeButton, 4> size_buttons = {
    {{3, {10, 10}}, {2, {10, 10}}, {1, {5, 5}}, {4, {10, 10}}}};

// The bristles of every coloured brush picture: one flat area around this point.
constexpr QPoint brush_tip_seed{20, 74};

} // namespace

void ColourPanel::connect_handlers()
{
    for (const JarRow& row : jar_table) {
        widgets::PictureControl* jar = controls_.jars[static_cast<std::size_t>(row.index - 1)];
        const auto select = [this, index = row.index] { select_jar(index); };
        if (row.event == JarEvent::press_any_button)
            platform::connect_guarded(jar, &widgets::PictureControl::pressed, jar, select);
        else
            platform::connect_guarded(jar, &widgets::PictureControl::clicked, jar, select);
    }
    platform::connect_guarded(
        controls_.shade_strip, &widgets::PictureControl::pressed, controls_.shade_strip,
        [this](Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) { pick_shade(x, y); });
}

void ColourPanel::select_jar(std::int32_t index)
{
    const JarRow* row = jar_row(index);
    controls_.shade_strip->load_picture(paths_.gradients_dir + QString::fromUtf8(row->strip_file));
    refresh_jar_row(index);
    drawing_.current_colour = row->colour;
    chosen_jar_ = index;
    repaint_displays();
    // Keeps the yellow frame on the pattern the next fill uses, which a colour change leaves as it is.
    show_pattern_frame(drawing_.fill_pattern);
}

void ColourPanel::pick_shade(int x, int y)
{
    const pixels::Bitmap& strip = controls_.shade_strip->picture();
    // A strip picture smaller than the control has no shade under the rest of it.
    if (!strip.contains(x, y))
        return;
    show_colour(strip.pixel(x, y));
}

void ColourPanel::set_jars_enabled(bool enabled)
{
    for (widgets::PictureControl* jar : controls_.jars)
        jar->setEnabled(enabled);
}

void ColourPanel::set_black_jar_enabled(bool enabled)
{
    controls_.jars.back()->setEnabled(enabled);
}

void ColourPanel::take_pipette_colour(std::optional<pixels::ColourWord> colour)
{
    set_jars_enabled(false);
    if (colour)
        drawing_.current_colour = *colour;
    repaint_displays();
}

void ColourPanel::show_colour(pixels::ColourWord colour)
{
    drawing_.current_colour = colour;
    repaint_displays();
}

pixels::ColourWord ColourPanel::next_press_colour() const
{
    // The eraser is the brush in eraser mode; the pipette keeps the mode but paints nothing.
    const bool erasing = drawing_.current_tool == core::Tool::brush && drawing_.eraser_mode;
    return erasing ? pixels::white_word : drawing_.current_colour;
}

void ColourPanel::repaint_displays()
{
    const pixels::ColourWord colour = next_press_colour();
    show_bucket_paint();
    const auto& buttons = controls_.pattern_buttons;
    // The hatched buttons start again from the blank button so that no lines of an earlier colour remain.
    for (std::size_t i = 1; i < buttons.size(); ++i)
        buttons[i]->load_picture(paths_.instruments_dir + QStringLiteral("заливка.bmp"));
    for (std::size_t i = 0; i < buttons.size(); ++i)
        fill_display(*buttons[i], {10, 10}, colour, core::fill_pattern_styles[i]);
    paint_size_buttons();
    show_brush_colour();
    refresh_jar_row(jar_of_colour(colour));
}

void ColourPanel::show_bucket_paint()
{
    fill_display(*controls_.bucket_button, {20, 20}, next_press_colour());
}

void ColourPanel::paint_size_buttons()
{
    if (drawing_.brush_size < 1 || drawing_.brush_size > 4)
        return;
    for (const SizeButton& button : size_buttons)
        fill_display(*controls_.size_buttons[static_cast<std::size_t>(button.size - 1)], button.seed,
                     button.size == drawing_.brush_size ? next_press_colour() : jar_grey);
}

void ColourPanel::show_brush_colour()
{
    if (drawing_.current_tool != core::Tool::brush || drawing_.eraser_mode)
        return;
    const pixels::ColourWord colour = drawing_.current_colour;
    // The jar's own brush picture for a jar's colour; otherwise the chosen jar's brush (the red one
    // for black, which has none) with its bristles filled.
    const JarRow* row = jar_row(jar_of_colour(colour));
    if (row == nullptr || row->brush_file == nullptr)
        row = jar_row(chosen_jar_);
    if (row == nullptr || row->brush_file == nullptr)
        row = &jar_table.front();
    controls_.brush_button->load_picture(paths_.instruments_dir + QString::fromUtf8(row->brush_file));
    fill_display(*controls_.brush_button, brush_tip_seed, colour);
}

void ColourPanel::show_pattern_frame(core::FillPattern pattern)
{
    for (core::FrameShape* frame : controls_.pattern_frames)
        frame->hide();
    if (pattern != core::FillPattern::none)
        controls_.pattern_frames[static_cast<std::size_t>(pattern) - 1]->show();
}

void ColourPanel::refresh_jar_row(std::int32_t selected)
{
    for (const JarRow& row : jar_table)
        load_jar(row.index, row.index == selected);
}

void ColourPanel::load_jar(std::int32_t index, bool selected)
{
    const JarRow* row = jar_row(index);
    if (row == nullptr)
        return;
    controls_.jars[static_cast<std::size_t>(index - 1)]->load_picture(
        paths_.banks_dir + QString::fromUtf8(row->letter) + (selected ? "_.bmp" : ".bmp"));
}

void ColourPanel::show_opening_colours()
{
    const JarRow& red = jar_table.front();
    controls_.bucket_button->load_picture(paths_.instruments_dir + QStringLiteral("с краской.bmp"));
    drawing_.current_colour = red.colour;
    controls_.shade_strip->load_picture(paths_.gradients_dir + QString::fromUtf8(red.strip_file));
    repaint_displays();
}

} // namespace colours
