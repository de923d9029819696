#include "catalogue/page_switcher.h"

#include "catalogue/content_language.h"
#include "catalogue/info_panel.h"
#include "colours/colour_panel.h"
#include "history/fitted_picture.h"
#include "history/undo_redo.h"
#include "platform/error_guard.h"

#include <QFileInfo>
#include <optional>

namespace catalogue {

void PageSwitcher::connect_handlers()
{
    platform::connect_guarded(controls_.home_button, &widgets::PictureControl::clicked, controls_.home_button,
                              [this] { show_start_page(); });
    platform::connect_guarded(controls_.home_action, &QAction::triggered, controls_.home_action,
                              [this] { show_start_page(); });
}

void PageSwitcher::open_catalogue_picture(widgets::PictureControl* sender, const QString& catalogue_dir)
{
    const QString name = sender->hint();
    platform::guarded([&] {
        if (may_replace_())
            open_picture(name, catalogue_dir);
    });
}

void PageSwitcher::set_tools_enabled(bool enabled)
{
    for (widgets::PictureControl* control : controls_.work_page_tools)
        control->setEnabled(enabled);
}

void PageSwitcher::show_work_background()
{
    if (work_page_shown_)
        return;
    controls_.page_background->load_picture(paths_.interface_dir + "work.jpg");
    work_page_shown_ = true;
}

void PageSwitcher::open_picture(const QString& name, const QString& catalogue_dir)
{
    // Read before anything changes: a line drawing that cannot be read is reported by its name,
    // and the page stays as it was. Only the shipped catalogue's may be missing altogether: the
    // canvas then keeps what it showed.
    const QString line_drawing = catalogue_dir + "clipart/" + name + ".bmp";
    const QFileInfo entry(line_drawing);
    std::optional<pixels::Bitmap> picture;
    if (entry.exists() || entry.isSymLink() || catalogue_dir + "clipart/" != paths_.clipart_dir)
        picture = history::read_line_drawing(line_drawing, history::canvas_frame);
    set_tools_enabled(true);
    info_.show_tabs();
    // The frame marks the pattern the next fill uses, which opening a picture keeps.
    colours_.show_pattern_frame(drawing_.fill_pattern);
    if (picture) {
        controls_.canvas->set_picture(std::move(*picture));
        changes_.mark_clean();
        history_.line_drawing_opened();
        picture_opened_(name);
    }
    info_.show_place(name, catalogue_dir);
    colours_.refresh_jar_row(1);
    show_work_background();
    controls_.canvas->show();
    colours_.show_opening_colours();
    tell_page({history::RecordedPage::Kind::place, name, catalogue_dir});
}

void PageSwitcher::tell_page(const history::RecordedPage& page)
{
    if (page_opened_)
        page_opened_(page);
}

bool PageSwitcher::show_start_page_in_language()
{
    const QString path = language_file(paths_.app_dir + "res/", QStringLiteral("interface/main.jpg"));
    if (path.isEmpty())
        return false;
    try {
        controls_.page_background->load_picture(path);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

void PageSwitcher::show_own_drawing(bool opened)
{
    if (opened) {
        history_.drawing_opened();
        controls_.canvas->show();
        show_work_background();
    }
    set_tools_enabled(true);
    info_.hide();
    colours_.refresh_jar_row(1);
    controls_.canvas->show();
    colours_.show_opening_colours();
}

void PageSwitcher::show_start_page()
{
    if (!may_replace_())
        return;
    if (!show_start_page_in_language())
        controls_.page_background->load_picture(paths_.interface_dir + "main.jpg");
    work_page_shown_ = false;
    history_.forget();
    set_tools_enabled(false);
    controls_.canvas->hide();
    info_.hide();
    tell_page({});
}

} // namespace catalogue
