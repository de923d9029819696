#include "app/command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

namespace app {

namespace {

// Each option is declared and read by a pair of its own.
QCommandLineOption fullscreen_option()
{
    return QCommandLineOption(QStringLiteral("fullscreen"),
                              QStringLiteral("Start in the whole-screen mode (F11 leaves it)."));
}

void read_fullscreen(const QCommandLineParser& parser, StartOptions& options)
{
    options.whole_screen = parser.isSet(fullscreen_option());
}

} // namespace

StartOptions read_command_line(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Колоритон, a colouring book for children."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(fullscreen_option());
    parser.process(arguments);
    StartOptions options;
    read_fullscreen(parser, options);
    return options;
}

} // namespace app
