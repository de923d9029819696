#include "output/output_windows.h"

#include "output/about_box.h"
#include "output/help_window.h"
#include "output/print_window.h"
#include "platform/error_guard.h"

namespace output {

OutputWindows::OutputWindows(core::MainWindowControls& controls, QWidget* main_window)
    : QObject(main_window), controls_(controls), main_window_(main_window),
      print_window_(new PrintWindow(main_window)),
      help_window_(new HelpWindow(main_window, controls, main_window))
{
}

void OutputWindows::connect_handlers()
{
    const auto print = [this] { platform::guarded([this] { open_print_window(); }); };
    connect(controls_.print_button, &platform::PictureControl::clicked, this, print);
    connect(controls_.print_action, &QAction::triggered, this, print);
    connect(controls_.help_action, &QAction::triggered, this,
            [this] { platform::guarded([this] { show_help(); }); });
    connect(controls_.about_action, &QAction::triggered, this,
            [this] { platform::guarded([this] { show_about(); }); });
}

void OutputWindows::open_print_window()
{
    print_window_->prepare(controls_.canvas->picture());
    print_window_->place_on_screen();
    print_window_->exec();
}

void OutputWindows::show_help()
{
    help_window_->place_on_screen();
    help_window_->exec();
}

void OutputWindows::show_about()
{
    showabout(main_window_);
}

} // namespace output
