#include "output/help_window.h"

#include "output/help_areas.h"

#include <QShowEvent>

namespace output {

HelpWindow::HelpWindow(QWidget* main_window, const HelpControls& controls, QWidget* parent)
    : QDialog(parent), main_window_(main_window), controls_(controls)
{
    setObjectName(QStringLiteral("help_window"));
    setWindowTitle(QStringLiteral("Справка"));
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(client_size);
    QPalette face = palette();
    face.setColor(QPalette::Window, face.color(QPalette::Button));
    setPalette(face);
    setAutoFillBackground(true);
    help_view = new platform::PictureControl(this);
    help_view->setObjectName(QStringLiteral("help_view"));
    help_view->setGeometry(rect());
}

namespace {

QImage window_shot(QWidget& window)
{
    QImage shot = window.grab().toImage();
    if (shot.size() != window.size())
        shot = shot.scaled(window.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    shot.setDevicePixelRatio(1);
    return shot;
}

HelpPicture picture_of(QWidget& window, const HelpControls& controls)
{
    return draw_help_picture(window_shot(window), visible_callouts(window, help_areas(window, controls)),
                             label_columns(window, controls));
}

} // namespace

HelpPicture HelpWindow::refresh_picture()
{
    HelpPicture help;
    if (shows_every_area(*main_window_, help_areas(*main_window_, controls_)) || !make_example_) {
        help = picture_of(*main_window_, controls_);
    } else {
        const WorkPageExample example = make_example_();
        help = picture_of(*example.window, example.controls);
    }
    help_view->set_picture(platform::Bitmap::from_image(help.image));
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
