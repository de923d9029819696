#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QStringList>

class QTextStream;

namespace app {

// The program's options. Each option has its own small handler; tasks that need no window (making a
// place from a photograph) run before any window exists, so they also run without a display.
class CommandLine {
public:
    // `arguments` as the process got them, the program's name first.
    explicit CommandLine(const QStringList& arguments);

    // Whether the arguments ask for a task that ends the program before any window opens: help, a
    // new place, a check of the settings files, or arguments of such a task that are not understood.
    bool runs_without_window() const;
    // Runs that task (under a core application) and returns the exit code. Writes what it did to
    // `out` and what went wrong, in the interface's language, to `err`.
    int run_without_window(QTextStream& out, QTextStream& err) const;
    // --settings: the adults' settings window instead of the child's window.
    bool asks_for_settings_window() const { return parser_.isSet(settings_option_); }
    // --fullscreen: the child's window starts in the whole-screen mode (F11 leaves it).
    bool asks_for_whole_screen() const { return parser_.isSet(whole_screen_option_); }

private:
    int show_help(QTextStream& out) const;
    int refuse_arguments(QTextStream& err) const;
    int add_place(QTextStream& out, QTextStream& err) const;
    // --check-settings: every problem of the settings files on `err`; 1 when there is one.
    int check_settings(QTextStream& out, QTextStream& err) const;

    QCommandLineParser parser_;
    QCommandLineOption help_option_;
    QCommandLineOption add_place_option_;
    QCommandLineOption name_option_;
    QCommandLineOption description_option_;
    QCommandLineOption replace_option_;
    QCommandLineOption detail_option_;
    QCommandLineOption settings_option_;
    QCommandLineOption check_settings_option_;
    QCommandLineOption whole_screen_option_;
    bool parsed_ = false;
};

// The process's arguments as Qt decodes them, for a CommandLine made before any application object.
QStringList arguments_of(int argc, char** argv);

} // namespace app
