#include "colours/colour_panel.h"

#include "colours/colour_repaint.h"
#include "colours/jar_table.h"
#include "colours/pattern_frames.h"
#include "platform/error_guard.h"

namespace colours {

void ColourPanel::connect_handlers()
{
    for (const JarRow& row : jar_table) {
        platform::PictureControl* jar = controls_.*(row.control);
        const std::int32_t index = row.index;
        if (row.event == JarEvent::press_any_button)
            QObject::connect(
                jar, &platform::PictureControl::pressed, jar,
                [this, index](Qt::MouseButton, Qt::KeyboardModifiers, int, int) { select_jar(index); });
        else
            QObject::connect(jar, &platform::PictureControl::clicked, jar,
                             [this, index] { select_jar(index); });
    }
    QObject::connect(controls_.shade_strip, &platform::PictureControl::pressed, controls_.shade_strip,
                     [this](Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) { pick_shade(x, y); });
}

void ColourPanel::select_jar(std::int32_t index)
{
    platform::guarded([&] {
        const JarRow* row = jar_row(index);
        controls_.shade_strip->load_picture(state_.paths.gradients_dir + QString::fromUtf8(row->strip_file));
        refresh_jar_row(controls_, state_.paths, index);
        state_.drawing.current_color = row->colour;
        state_.color_index = index;
        repaint_colour_displays(controls_, state_);
        // Keeps the yellow frame on the pattern the next fill uses, which a colour change leaves as it is.
        colours::show_pattern_frame(controls_, state_.drawing.fill_style);
    });
}

void ColourPanel::pick_shade(int x, int y)
{
    platform::guarded([&] {
        const platform::Bitmap& strip = controls_.shade_strip->picture();
        // A strip picture smaller than the control has no shade under the rest of it.
        if (!strip.contains(x, y))
            return;
        state_.drawing.current_color = strip.pixel(x, y);
        repaint_colour_displays(controls_, state_);
    });
}

} // namespace colours
