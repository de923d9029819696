#include "catalogue/info_panel.h"

#include "colours/colour_panel.h"
#include "core/frame_shape.h"
#include "formats/rtf_reader.h"
#include "platform/error_guard.h"
#include "platform/whole_file.h"

#include <QFileInfo>
#include <QMouseEvent>

namespace catalogue {

void InfoPanel::connect_handlers()
{
    QObject::connect(controls_.photo_tab, &widgets::PictureControl::clicked, this,
                     &InfoPanel::show_photograph);
    QObject::connect(controls_.description_tab, &widgets::PictureControl::clicked, this,
                     &InfoPanel::show_description);
    QObject::connect(controls_.photograph, &widgets::PictureControl::pressed, this,
                     [this](Qt::MouseButton, Qt::KeyboardModifiers, int, int) { pick_from_photograph(); });
    // The text box takes its presses in its viewport, inside its frame.
    controls_.description_box->viewport()->installEventFilter(this);
}

void InfoPanel::show_tabs()
{
    controls_.photo_tab->show();
    controls_.description_tab->show();
    controls_.info_frame->show();
}

void InfoPanel::show_place(const QString& name, const QString& catalogue_dir)
{
    const QString photograph = catalogue_dir + "info/" + name + ".bmp";
    const QString description = catalogue_dir + "info/" + name + ".txt";
    // What the place has no file for shows nothing rather than the last place's.
    controls_.photograph->clear_picture();
    controls_.description_box->clear();
    if (QFileInfo(photograph).isFile())
        controls_.photograph->load_picture(photograph);
    if (QFileInfo(description).isFile())
        load_description(description);
    controls_.photograph->show();
    controls_.description_box->hide();
}

void InfoPanel::load_description(const QString& path)
{
    controls_.description_box->setHtml(
        formats::description_html(platform::read_whole_file(path, formats::max_description_file_size)));
}

void InfoPanel::hide()
{
    for (QWidget* widget : std::initializer_list<QWidget*>{controls_.photo_tab, controls_.description_tab,
                                                           controls_.description_box, controls_.photograph,
                                                           controls_.info_frame})
        widget->hide();
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
        if (drawing_.current_tool == core::Tool::pipette)
            take_colour(photograph_colour());
    });
}

void InfoPanel::pick_from_description(int x, int y)
{
    platform::guarded([&] {
        if (drawing_.current_tool == core::Tool::pipette)
            take_colour(description_colour(x, y));
    });
}

std::optional<pixels::ColourWord> InfoPanel::photograph_colour() const
{
    // The colour the child sees under the pointer: the photograph is shown stretched, and on a
    // dense screen from its denser rendering, so the control finds the shown pixel.
    const widgets::PictureControl& photograph = *controls_.photograph;
    const std::optional<QRgb> seen = photograph.colour_shown_at(photograph.press_position());
    if (!seen)
        return std::nullopt;
    return pixels::from_qrgb(*seen);
}

std::optional<pixels::ColourWord> InfoPanel::description_colour(int x, int y) const
{
    const QImage seen = controls_.description_box->grab().toImage();
    const QPoint at = QPoint(x, y) * seen.devicePixelRatio();
    if (!seen.valid(at))
        return std::nullopt;
    return pixels::from_qrgb(seen.pixel(at));
}

void InfoPanel::take_colour(std::optional<pixels::ColourWord> colour)
{
    if (!colour)
        return;
    colours_.take_pipette_colour(colour);
}

} // namespace catalogue
