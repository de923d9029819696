#include "output/output_windows.h"

#include "output/about_box.h"
#include "output/help_window.h"
#include "output/print_window.h"
#include "platform/error_guard.h"

#include <QScreen>

namespace output {

namespace {

void centre_on_desktop(QWidget& window)
{
    if (const QScreen* screen = window.screen())
        window.move(screen->availableGeometry().center() - window.rect().center());
}

} // namespace

OutputWindows::OutputWindows(app::Form1Controls& controls, QWidget* main_window)
    : QObject(main_window), controls_(controls), main_window_(main_window), form2_(new TForm2(main_window)),
      form3_(new TForm3(main_window, controls, main_window))
{
}

void OutputWindows::connect_handlers()
{
    const auto print = [this] { platform::guarded([this] { Image42Click(); }); };
    connect(controls_.Image42, &platform::PictureControl::clicked, this, print);
    connect(controls_.N4, &QAction::triggered, this, print);
    connect(controls_.N1, &QAction::triggered, this, [this] { platform::guarded([this] { N1Click(); }); });
    connect(controls_.N2, &QAction::triggered, this, [this] { platform::guarded([this] { N2Click(); }); });
}

void OutputWindows::Image42Click()
{
    form2_->prepare(controls_.Image1->picture());
    centre_on_desktop(*form2_);
    form2_->exec();
}

void OutputWindows::N1Click()
{
    centre_on_desktop(*form3_);
    form3_->exec();
}

void OutputWindows::N2Click()
{
    showabout(main_window_);
}

} // namespace output
