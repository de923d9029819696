#include "catalogue/info_panel.h"

#include "catalogue/content_language.h"
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
    if (!tabs_in_language_) {
        tabs_in_language_ = true;
        show_tab_in_language(controls_.photo_tab, QStringLiteral("design/photo_tab.bmp"));
        show_tab_in_language(controls_.description_tab, QStringLiteral("design/description_tab.bmp"));
    }
    controls_.photo_tab->show();
    controls_.description_tab->show();
    controls_.info_frame->show();
}

// The tabs carry words: a language that has its own pictures of them shows those; one that
// cannot be read leaves the Russian tab.
void InfoPanel::show_tab_in_language(widgets::PictureControl* tab, const QString& relative)
{
    const QString path = language_file(paths_.app_dir + "res/", relative);
    if (path.isEmpty())
        return;
    try {
        tab->load_picture(path);
    } catch (const std::exception&) {
    }
}

void InfoPanel::show_place(const QString& name, const QString& catalogue_dir)
{
    const QString photograph = catalogue_dir + "info/" + name + ".bmp";
    const PlaceTexts texts = place_texts(name, catalogue_dir);
    // What the place has no file for shows nothing rather than the last place's.
    controls_.photograph->clear_picture();
    controls_.description_box->clear();
    controls_.photograph->setAccessibleName(texts.caption);
    if (QFileInfo(photograph).isFile())
        controls_.photograph->load_picture(photograph);
    load_description(texts);
    controls_.photograph->show();
    controls_.description_box->hide();
}

// A translated description that cannot be read gives way to the Russian one, whose faults are
// reported as ever.
void InfoPanel::load_description(const PlaceTexts& texts)
{
    if (texts.description_file != texts.russian_description_file) {
        try {
            show_description_file(texts.description_file);
            return;
        } catch (const std::exception&) {
        }
    }
    if (QFileInfo(texts.russian_description_file).isFile())
        show_description_file(texts.russian_description_file);
}

void InfoPanel::show_description_file(const QString& path)
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
