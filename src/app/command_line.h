#pragma once

#include <QStringList>

namespace app {

// What the command line asks of this start of the program.
struct StartOptions {
    // --fullscreen: start in the whole-screen mode.
    bool whole_screen = false;
};

// Reads `arguments` (the program's name first). --help and --version print their text and end
// the program, an unknown option prints the error and ends it, as QCommandLineParser does.
StartOptions read_command_line(const QStringList& arguments);

} // namespace app
