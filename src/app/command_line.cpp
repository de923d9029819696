#include "app/command_line.h"

#include <QCommandLineParser>

namespace app {

namespace {

const QString settings_option_name = QStringLiteral("settings");

void add_settings_option(QCommandLineParser& parser)
{
    parser.addOption(QCommandLineOption(settings_option_name,
                                        QStringLiteral("Открыть окно настроек для взрослых: что можно "
                                                       "ребёнку, контуры, папка для рисунков.")));
}

void read_settings_option(const QCommandLineParser& parser, CommandLine& line)
{
    line.settings_window = parser.isSet(settings_option_name);
}

} // namespace

CommandLine read_command_line(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Колоритон: раскраска для детей."));
    parser.addHelpOption();
    add_settings_option(parser);
    parser.process(arguments);
    CommandLine line;
    read_settings_option(parser, line);
    return line;
}

} // namespace app
