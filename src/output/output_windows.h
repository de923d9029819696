#pragma once

#include "app/form1_controls.h"

#include <QObject>

namespace output {

class TForm2;
class TForm3;

// The main window's handlers of printing, help and About, and the two windows they show.
class OutputWindows : public QObject {
    Q_OBJECT

public:
    // `main_window` owns the print and help windows and is what the help picture shows.
    OutputWindows(app::Form1Controls& controls, QWidget* main_window);

    void connect_handlers();

    // Prepares the print window with the canvas's drawing and shows it modally.
    void Image42Click();
    // Shows the help window modally.
    void N1Click();
    // Shows the About box.
    void N2Click();

    TForm2& form2() { return *form2_; }
    TForm3& form3() { return *form3_; }

private:
    app::Form1Controls& controls_;
    QWidget* main_window_;
    TForm2* form2_;
    TForm3* form3_;
};

} // namespace output
