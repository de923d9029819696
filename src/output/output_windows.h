#pragma once

#include "core/allowances.h"
#include "output/help_areas.h"
#include "widgets/picture_control.h"

#include <QAction>

#include <QObject>

namespace output {

class PrintWindow;
class HelpWindow;

// The controls printing, help and About serve.
struct OutputControls {
    const widgets::PictureControl* canvas = nullptr; // the drawing that is printed
    widgets::PictureControl* print_button = nullptr;
    QAction* print_action = nullptr; // "Печать"
    QAction* help_action = nullptr;  // "Справка"
    QAction* about_action = nullptr; // "О программе"
};

// The main window's handlers of printing, help and About, and the two windows they show.
class OutputWindows : public QObject {
    Q_OBJECT

public:
    // `main_window` owns the print and help windows and is what the help picture shows.
    // `help` names the controls of `main_window` the help picture points at. Prints only when
    // `allowed` allows it.
    OutputWindows(const OutputControls& controls, const HelpControls& help, const core::Allowances& allowed,
                  QWidget* main_window);

    void connect_handlers();
    // Without printing allowed the print button ignores the mouse and keeps its plain look, and
    // "Печать" and its key are greyed.
    void show_allowances();

    // Prepares the print window with the canvas's drawing and shows it modally, when printing is
    // allowed.
    void open_print_window();
    // Shows the help window modally.
    void show_help();
    // Shows the About box.
    void show_about();

    PrintWindow& print_window() { return *print_window_; }
    HelpWindow& help_window() { return *help_window_; }

private:
    OutputControls controls_;
    const core::Allowances& allowed_;
    QWidget* main_window_;
    PrintWindow* print_window_;
    HelpWindow* help_window_;
};

} // namespace output
