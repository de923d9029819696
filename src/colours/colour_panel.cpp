#include "colours/colour_panel.h"

#include "colours/jar_table.h"
#include "colours/paint_banks.h"
#include "drawing/paint_zal.h"
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
    QObject::connect(
        controls_.Image11, &platform::PictureControl::pressed, controls_.Image11,
        [this](Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) { Image11MouseDown(x, y); });
}

void ColourPanel::select_jar(std::int32_t index)
{
    platform::guarded([&] {
        const JarRow* row = jar_row(index);
        controls_.Image11->load_picture(state_.paths.gradients_dir + QString::fromUtf8(row->strip_file));
        refresh_jar_row(controls_, state_.paths, index);
        state_.drawing.current_color = row->colour;
        state_.color_index = index;
        paint_banks(controls_, state_);
        paint_kist(controls_, state_);
        // Keeps the yellow frame on the pattern the next fill uses, which a colour change leaves as it is.
        drawing::paint_zal(controls_, state_.drawing.fill_style);
    });
}

void ColourPanel::Image11MouseDown(int x, int y)
{
    platform::guarded([&] {
        const platform::Bitmap& strip = controls_.Image11->picture();
        // A strip picture smaller than the control has no shade under the rest of it.
        if (!strip.contains(x, y))
            return;
        state_.drawing.current_color = strip.pixel(x, y);
        paint_banks(controls_, state_);
    });
}

} // namespace colours
