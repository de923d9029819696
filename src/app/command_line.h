#pragma once

#include <QStringList>

namespace app {

// What the command line asks for. Each option has its own member and its own small function that
// declares it and reads it.
struct CommandLine {
    // --settings: the adults' settings window instead of the child's window.
    bool settings_window = false;
};

// Reads the program's arguments, its own name first. --help prints the options and an unknown
// option prints what is wrong; both then end the process, as QCommandLineParser does.
CommandLine read_command_line(const QStringList& arguments);

} // namespace app
