#include "output/output_windows.h"

#include "output/about_box.h"
#include "output/help_window.h"
#include "output/print_window.h"
#include "platform/error_guard.h"

namespace output {

OutputWindows::OutputWindows(const OutputControls& controls, const HelpControls& help,
                             const core::Allowances& allowed, QWidget* main_window)
    : QObject(main_window), controls_(controls), allowed_(allowed), main_window_(main_window),
      print_window_(new PrintWindow(main_window)),
      help_window_(new HelpWindow(main_window, help, main_window))
{
}

void OutputWindows::connect_handlers()
{
    platform::connect_guarded(controls_.print_button, &widgets::PictureControl::clicked, this,
                              [this] { open_print_window(); });
    platform::connect_guarded(controls_.print_action, &QAction::triggered, this,
                              [this] { open_print_window(); });
    platform::connect_guarded(controls_.help_action, &QAction::triggered, this, [this] { show_help(); });
    platform::connect_guarded(controls_.about_action, &QAction::triggered, this, [this] { show_about(); });
}

void OutputWindows::show_allowances()
{
    controls_.print_button->setEnabled(allowed_.printing);
    controls_.print_action->setEnabled(allowed_.printing);
}

void OutputWindows::open_print_window()
{
    if (!allowed_.printing)
        return;
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
    show_about_box(main_window_);
}

} // namespace output
