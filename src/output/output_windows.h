#pragma once

#include "core/main_window_controls.h"

#include <QObject>

namespace output {

class PrintWindow;
class HelpWindow;

// The main window's handlers of printing, help and About, and the two windows they show.
class OutputWindows : public QObject {
    Q_OBJECT

public:
    // `main_window` owns the print and help windows and is what the help picture shows.
    OutputWindows(core::MainWindowControls& controls, QWidget* main_window);

    void connect_handlers();

    // Prepares the print window with the canvas's drawing and shows it modally.
    void open_print_window();
    // Shows the help window modally.
    void show_help();
    // Shows the About box.
    void show_about();

    PrintWindow& print_window() { return *print_window_; }
    HelpWindow& help_window() { return *help_window_; }

private:
    core::MainWindowControls& controls_;
    QWidget* main_window_;
    PrintWindow* print_window_;
    HelpWindow* help_window_;
};

} // namespace output
