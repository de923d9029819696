#include "catalogue/info_panel.h"

#include "colours/jar_pictures.h"
#include "colours/paint_banks.h"
#include "platform/error_guard.h"

#include <QMouseEvent>

namespace catalogue {

void InfoPanel::connect_handlers()
{
    QObject::connect(controls_.Image26, &platform::PictureControl::clicked, this, &InfoPanel::Image26Click);
    QObject::connect(controls_.Image27, &platform::PictureControl::clicked, this, &InfoPanel::Image27Click);
    QObject::connect(
        controls_.Image28, &platform::PictureControl::pressed, this,
        [this](Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) { Image28MouseDown(x, y); });
    // The text box takes its presses in its viewport, inside its frame.
    controls_.sRichEdit1->viewport()->installEventFilter(this);
}

bool InfoPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == controls_.sRichEdit1->viewport() && event->type() == QEvent::MouseButtonPress) {
        const QPoint at = controls_.sRichEdit1->viewport()->mapTo(
            controls_.sRichEdit1, static_cast<QMouseEvent*>(event)->position().toPoint());
        sRichEdit1MouseDown(at.x(), at.y());
    }
    return QObject::eventFilter(watched, event);
}

void InfoPanel::Image26Click()
{
    platform::guarded([&] {
        controls_.Image28->show();
        controls_.sRichEdit1->hide();
    });
}

void InfoPanel::Image27Click()
{
    platform::guarded([&] {
        controls_.Image28->hide();
        controls_.sRichEdit1->show();
    });
}

void InfoPanel::Image28MouseDown(int x, int y)
{
    platform::guarded([&] {
        if (state_.drawing.current_tool == drawing::tool_pipette)
            take_colour(photograph_colour(x, y));
    });
}

void InfoPanel::sRichEdit1MouseDown(int x, int y)
{
    platform::guarded([&] {
        if (state_.drawing.current_tool == drawing::tool_pipette)
            take_colour(description_colour(x, y));
    });
}

std::optional<platform::ColourWord> InfoPanel::photograph_colour(int x, int y) const
{
    // The photograph is shown stretched, so the pixel under the pointer is found through the
    // displayed rectangle; a photograph of any size then gives the colour the child points at.
    const platform::Bitmap& photograph = controls_.Image28->picture();
    const QRect shown = controls_.Image28->picture_rect();
    if (photograph.is_null() || shown.isEmpty() || !shown.contains(x, y))
        return std::nullopt;
    const int px =
        static_cast<int>(static_cast<long long>(x - shown.left()) * photograph.width() / shown.width());
    const int py =
        static_cast<int>(static_cast<long long>(y - shown.top()) * photograph.height() / shown.height());
    return photograph.pixel(px, py);
}

std::optional<platform::ColourWord> InfoPanel::description_colour(int x, int y) const
{
    const QImage seen = controls_.sRichEdit1->grab().toImage();
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
    colours::paint_banks(controls_, state_);
}

} // namespace catalogue
