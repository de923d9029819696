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

OutputWindows::OutputWindows(const OutputControls& controls, const HelpControls& help, QWidget* main_window)
    : QObject(main_window), controls_(controls), main_window_(main_window),
      print_window_(new PrintWindow(main_window)),
      help_window_(new HelpWindow(main_window, help, main_window))
{
}

void OutputWindows::connect_handlers()
{
    platform::connect_guarded(controls_.print_button, &platform::PictureControl::clicked, this,
                              [this] { open_print_window(); });
    platform::connect_guarded(controls_.print_action, &QAction::triggered, this,
                              [this] { open_print_window(); });
    platform::connect_guarded(controls_.help_action, &QAction::triggered, this, [this] { show_help(); });
    platform::connect_guarded(controls_.about_action, &QAction::triggered, this, [this] { show_about(); });
}

void OutputWindows::open_print_window()
{
    print_window_->prepare(controls_.canvas->picture());
    centre_on_desktop(*print_window_);
    print_window_->exec();
}

void OutputWindows::show_help()
{
    centre_on_desktop(*help_window_);
    help_window_->exec();
}

void OutputWindows::show_about()
{
    show_about_box(main_window_);
}

} // namespace output
