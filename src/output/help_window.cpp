#include "output/help_window.h"

#include "output/help_areas.h"
#include "output/screen_fit.h"

#include <QShowEvent>

namespace output {

HelpWindow::HelpWindow(QWidget* main_window, const HelpControls& controls, QWidget* parent)
    : QDialog(parent), main_window_(main_window), controls_(controls)
{
    setObjectName(QStringLiteral("help_window"));
    setWindowTitle(tr("Справка"));
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(client_size);
    QPalette face = palette();
    face.setColor(QPalette::Window, face.color(QPalette::Button));
    setPalette(face);
    setAutoFillBackground(true);
    help_view = new widgets::PictureControl;
    help_view->setObjectName(QStringLiteral("help_view"));
    help_view->setFixedSize(client_size);
    screen_fit_ = new ScreenFit(*this, *scrolled_contents(*this, help_view));
}

void HelpWindow::place_on_screen()
{
    screen_fit_->place();
}

namespace {

// The window as shown, at `density` device pixels a logical one.
QImage window_shot(QWidget& window, int density)
{
    QImage shot = window.grab().toImage();
    if (shot.size() != window.size() * density)
        shot = shot.scaled(window.size() * density, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    shot.setDevicePixelRatio(density);
    return shot;
}

HelpPicture picture_of(QWidget& window, const HelpControls& controls, int density)
{
    return draw_help_picture(window_shot(window, density),
                             visible_callouts(window, help_areas(window, controls)),
                             label_columns(window, controls));
}

} // namespace

HelpPicture HelpWindow::refresh_picture()
{
    HelpPicture help;
    const int density = help_view->wanted_density();
    if (shows_every_area(*main_window_, help_areas(*main_window_, controls_)) || !make_example_) {
        help = picture_of(*main_window_, controls_, density);
    } else {
        const WorkPageExample example = make_example_();
        help = picture_of(*example.window, example.controls, density);
    }
    if (density == 1) {
        help_view->set_picture(pixels::Bitmap::from_image(help.image));
        return help;
    }
    const QImage stored =
        help.image.scaled(help_picture_size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    help_view->set_picture(pixels::Bitmap::from_image(stored), help.image);
    return help;
}

void HelpWindow::showEvent(QShowEvent* event)
{
    // The picture shows the main window as the child sees it now, when it shows every area.
    if (!event->spontaneous())
        refresh_picture();
    QDialog::showEvent(event);
}

} // namespace output
