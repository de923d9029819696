#include "catalogue/info_panel.h"

#include "colours/colour_repaint.h"
#include "colours/jar_pictures.h"
#include "platform/error_guard.h"

#include <QMouseEvent>

namespace catalogue {

void InfoPanel::connect_handlers()
{
    QObject::connect(controls_.photo_tab, &platform::PictureControl::clicked, this,
                     &InfoPanel::show_photograph);
    QObject::connect(controls_.description_tab, &platform::PictureControl::clicked, this,
                     &InfoPanel::show_description);
    QObject::connect(controls_.photograph, &platform::PictureControl::pressed, this,
                     [this](Qt::MouseButton, Qt::KeyboardModifiers, int, int) { pick_from_photograph(); });
    // The text box takes its presses in its viewport, inside its frame.
    controls_.description_box->viewport()->installEventFilter(this);
}

bool InfoPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == controls_.description_box->viewport() && event->type() == QEvent::MouseButtonPress) {
        const QPoint at = controls_.description_box->viewport()->mapTo(
            controls_.description_box, static_cast<QMouseEvent*>(event)->position().toPoint());
        pick_from_description(at.x(), at.y());
    }
    return QObject::eventFilter(watched, event);
}

void InfoPanel::show_photograph()
{
    platform::guarded([&] {
        controls_.photograph->show();
        controls_.description_box->hide();
    });
}

void InfoPanel::show_description()
{
    platform::guarded([&] {
        controls_.photograph->hide();
        controls_.description_box->show();
    });
}

void InfoPanel::pick_from_photograph()
{
    platform::guarded([&] {
        if (state_.drawing.current_tool == core::tool_pipette)
            take_colour(photograph_colour());
    });
}

void InfoPanel::pick_from_description(int x, int y)
{
    platform::guarded([&] {
        if (state_.drawing.current_tool == core::tool_pipette)
            take_colour(description_colour(x, y));
    });
}

std::optional<platform::ColourWord> InfoPanel::photograph_colour() const
{
    // The colour the child sees under the pointer: the photograph is shown stretched, and on a
    // dense screen from its denser rendering, so the control finds the shown pixel.
    const platform::PictureControl& photograph = *controls_.photograph;
    const std::optional<QRgb> seen = photograph.colour_shown_at(photograph.press_position());
    if (!seen)
        return std::nullopt;
    return platform::from_qrgb(*seen);
}

std::optional<platform::ColourWord> InfoPanel::description_colour(int x, int y) const
{
    const QImage seen = controls_.description_box->grab().toImage();
    const QPoint at = QPoint(x, y) * seen.devicePixelRatio();
    if (!seen.valid(at))
        return std::nullopt;
    return platform::from_qrgb(seen.pixel(at));
}

void InfoPanel::take_colour(std::optional<platform::ColourWord> colour)
{
    if (!colour)
        return;
    colours::set_jars_enabled(controls_, false);
    colours::refresh_jar_row(controls_, state_.paths, 0);
    state_.drawing.current_color = *colour;
    colours::repaint_colour_displays(controls_, state_);
}

} // namespace catalogue
