#include "catalogue/page_switcher.h"

#include "app/frame_shape.h"
#include "colours/paint_banks.h"
#include "drawing/paint_zal.h"
#include "platform/error_guard.h"
#include "platform/errors.h"
#include "platform/rtf_reader.h"

#include <QFile>
#include <QFileInfo>
#include <initializer_list>

namespace catalogue {
namespace {

bool is_file(const QString& path)
{
    return QFileInfo(path).isFile();
}

} // namespace

void PageSwitcher::connect_handlers()
{
    QObject::connect(controls_.Image39, &platform::PictureControl::clicked, controls_.Image39,
                     [this] { Image39Click(); });
    QObject::connect(controls_.N3, &QAction::triggered, controls_.N3, [this] { Image39Click(); });
}

void PageSwitcher::Image2Click(platform::PictureControl* sender)
{
    const QString name = sender->hint();
    platform::guarded([&] { open_picture(name); });
}

void PageSwitcher::open_picture(const QString& name)
{
    for (platform::PictureControl* control : controls_.drawing_controls())
        control->setEnabled(true);
    for (QWidget* widget :
         std::initializer_list<QWidget*>{controls_.Image26, controls_.Image27, controls_.Shape1})
        widget->show();
    // The frame marks the pattern the next fill uses, which opening a picture keeps.
    drawing::paint_zal(controls_, state_.drawing.fill_style);
    const app::ResourcePaths& paths = state_.paths;
    if (is_file(paths.clipart_dir + name + ".bmp"))
        controls_.Image1->load_picture(paths.clipart_dir + name + ".bmp");
    if (is_file(paths.info_dir + name + ".bmp"))
        controls_.Image28->load_picture(paths.info_dir + name + ".bmp");
    if (is_file(paths.info_dir + name + ".txt"))
        load_description(paths.info_dir + name + ".txt");
    controls_.Image28->show();
    controls_.sRichEdit1->hide();
    colours::refresh_jar_row(controls_, paths, 1);
    if (!state_.work_page_shown) {
        controls_.Image3->load_picture(paths.interface_dir + "work.jpg");
        state_.work_page_shown = true;
    }
    controls_.Image1->show();
    colours::show_opening_colours(controls_, state_);
}

void PageSwitcher::load_description(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw platform::FileError(path, file.errorString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw platform::FileError(path, file.errorString());
    controls_.sRichEdit1->setHtml(platform::description_html(bytes));
}

void PageSwitcher::Image39Click()
{
    platform::guarded([&] {
        controls_.Image3->load_picture(state_.paths.interface_dir + "main.jpg");
        state_.work_page_shown = false;
        for (platform::PictureControl* control : controls_.drawing_controls())
            control->setEnabled(false);
        for (QWidget* widget :
             std::initializer_list<QWidget*>{controls_.Image26, controls_.Image27, controls_.Image1,
                                             controls_.sRichEdit1, controls_.Image28, controls_.Shape1})
            widget->hide();
    });
}

} // namespace catalogue
