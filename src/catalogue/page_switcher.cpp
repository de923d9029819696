#include "catalogue/page_switcher.h"

#include "catalogue/catalogue_listing.h"
#include "colours/colour_repaint.h"
#include "colours/pattern_frames.h"
#include "core/frame_shape.h"
#include "platform/error_guard.h"
#include "platform/errors.h"
#include "platform/rtf_reader.h"
#include "platform/whole_file.h"

#include <QFileInfo>
#include <initializer_list>

namespace catalogue {
namespace {

// Descriptions are a few kilobytes; a word processor's RTF of a page may take a hundred.
constexpr qint64 max_description_file_size = 1024 * 1024;

bool is_file(const QString& path)
{
    return QFileInfo(path).isFile();
}

} // namespace

void PageSwitcher::connect_handlers()
{
    QObject::connect(controls_.home_button, &platform::PictureControl::clicked, controls_.home_button,
                     [this] { show_start_page(); });
    QObject::connect(controls_.home_action, &QAction::triggered, controls_.home_action,
                     [this] { show_start_page(); });
}

void PageSwitcher::open_catalogue_picture(platform::PictureControl* sender)
{
    const QString name = sender->hint();
    platform::guarded([&] { open_picture(name); });
}

void PageSwitcher::open_picture(const QString& name)
{
    for (platform::PictureControl* control : controls_.drawing_controls())
        control->setEnabled(true);
    for (QWidget* widget : std::initializer_list<QWidget*>{controls_.photo_tab, controls_.description_tab,
                                                           controls_.info_frame})
        widget->show();
    // The frame marks the pattern the next fill uses, which opening a picture keeps.
    colours::show_pattern_frame(controls_, state_.drawing.fill_style);
    const core::ResourcePaths& paths = state_.paths;
    const QString dir = catalogue_dir_of(name);
    if (is_file(dir + "clipart/" + name + ".bmp"))
        controls_.canvas->load_picture(dir + "clipart/" + name + ".bmp");
    if (is_file(dir + "info/" + name + ".bmp"))
        controls_.photograph->load_picture(dir + "info/" + name + ".bmp");
    if (is_file(dir + "info/" + name + ".txt"))
        load_description(dir + "info/" + name + ".txt");
    controls_.photograph->show();
    controls_.description_box->hide();
    colours::refresh_jar_row(controls_, paths, 1);
    if (!state_.work_page_shown) {
        controls_.page_background->load_picture(paths.interface_dir + "work.jpg");
        state_.work_page_shown = true;
    }
    controls_.canvas->show();
    colours::show_opening_colours(controls_, state_);
}

QString PageSwitcher::catalogue_dir_of(const QString& name) const
{
    for (int row = 0; row < controls_.catalogue_list->count(); ++row) {
        const QListWidgetItem* item = controls_.catalogue_list->item(row);
        if (picture_name(item->text()) == name)
            return item->data(catalogue_dir_role).toString();
    }
    return state_.paths.app_dir + "res/";
}

void PageSwitcher::load_description(const QString& path)
{
    const std::optional<QString> html =
        platform::description_html(platform::read_whole_file(path, max_description_file_size));
    if (!html)
        throw platform::FileError(path, QStringLiteral("File is too large"));
    controls_.description_box->setHtml(*html);
}

void PageSwitcher::show_start_page()
{
    platform::guarded([&] {
        controls_.page_background->load_picture(state_.paths.interface_dir + "main.jpg");
        state_.work_page_shown = false;
        for (platform::PictureControl* control : controls_.drawing_controls())
            control->setEnabled(false);
        for (QWidget* widget : std::initializer_list<QWidget*>{controls_.photo_tab, controls_.description_tab,
                                                               controls_.canvas, controls_.description_box,
                                                               controls_.photograph, controls_.info_frame})
            widget->hide();
    });
}

} // namespace catalogue
