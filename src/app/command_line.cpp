#include "app/command_line.h"

#include "core/resource_paths.h"
#include "places/place_error.h"
#include "places/place_maker.h"
#include "settings/settings_files.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

namespace app {

CommandLine::CommandLine(const QStringList& arguments)
    : help_option_({"h", "help"}, QCoreApplication::translate("app::CommandLine", "Показать эту справку.")),
      add_place_option_(
          "add-place",
          QCoreApplication::translate("app::CommandLine",
                                      "Сделать из фотографии новое место для раскрашивания в каталоге "
                                      "пользователя (~/.local/share/koloriton/)."),
          QCoreApplication::translate("app::CommandLine", "фотография")),
      name_option_(
          "name",
          QCoreApplication::translate("app::CommandLine", "Название нового места, например \"Наша школа\"."),
          QCoreApplication::translate("app::CommandLine", "название")),
      description_option_(
          "description",
          QCoreApplication::translate("app::CommandLine", "Описание места: текст или RTF в UTF-8."),
          QCoreApplication::translate("app::CommandLine", "файл")),
      replace_option_("replace",
                      QCoreApplication::translate("app::CommandLine", "Заменить место с тем же названием.")),
      detail_option_("detail",
                     QCoreApplication::translate("app::CommandLine",
                                                 "Сколько областей на странице: меньше (для самых "
                                                 "маленьких), обычно или больше."),
                     QCoreApplication::translate("app::CommandLine", "меньше|обычно|больше"),
                     QCoreApplication::translate("app::CommandLine", "обычно")),
      settings_option_("settings",
                       QCoreApplication::translate("app::CommandLine",
                                                   "Открыть окно настроек для взрослых: что можно ребёнку, "
                                                   "контуры, папка для рисунков.")),
      check_settings_option_(
          "check-settings",
          QCoreApplication::translate("app::CommandLine",
                                      "Проверить файлы настроек и вывести каждую ошибку в них; код "
                                      "выхода 1, если ошибки есть.")),
      whole_screen_option_(
          "fullscreen",
          QCoreApplication::translate("app::CommandLine", "Открыть во весь экран (F11 возвращает окно)."))
{
    parser_.setApplicationDescription(
        QCoreApplication::translate("app::CommandLine", "Колоритон, раскраска для детей."));
    parser_.addOptions({help_option_, add_place_option_, name_option_, description_option_, replace_option_,
                        detail_option_, settings_option_, check_settings_option_, whole_screen_option_});
    parsed_ = parser_.parse(arguments);
}

bool CommandLine::runs_without_window() const
{
    // Qt's own options (-platform, -style, ...) are not ours and go to the window as before; a
    // place is made only from arguments understood in full.
    return parser_.isSet(add_place_option_) || parser_.isSet(check_settings_option_) ||
           (parsed_ && parser_.isSet(help_option_));
}

int CommandLine::run_without_window(QTextStream& out, QTextStream& err) const
{
    if (!parsed_)
        return refuse_arguments(err);
    if (parser_.isSet(help_option_))
        return show_help(out);
    if (parser_.isSet(check_settings_option_))
        return check_settings(out, err);
    return add_place(out, err);
}

int CommandLine::show_help(QTextStream& out) const
{
    out << parser_.helpText();
    return 0;
}

int CommandLine::refuse_arguments(QTextStream& err) const
{
    const QStringList unknown = parser_.unknownOptionNames();
    if (!unknown.isEmpty())
        err << QCoreApplication::translate(
                   "app::CommandLine", "koloriton: неизвестный параметр «%1». Параметры: koloriton --help\n")
                   .arg(unknown.first());
    else
        err << QCoreApplication::translate(
            "app::CommandLine", "koloriton: у параметра нет значения. Параметры: koloriton --help\n");
    return 2;
}

int CommandLine::add_place(QTextStream& out, QTextStream& err) const
{
    if (!parser_.positionalArguments().isEmpty()) {
        err << QCoreApplication::translate(
                   "app::CommandLine",
                   "koloriton: лишний аргумент «%1»; название места с пробелами пишут в кавычках\n")
                   .arg(parser_.positionalArguments().first());
        return 2;
    }
    if (!parser_.isSet(name_option_)) {
        err << QCoreApplication::translate("app::CommandLine",
                                           "koloriton: у места нет названия: добавьте --name \"Название\"\n");
        return 2;
    }
    places::PlaceRequest request;
    request.photograph = parser_.value(add_place_option_);
    request.name = parser_.value(name_option_);
    request.description = parser_.value(description_option_);
    request.replace = parser_.isSet(replace_option_);
    // In the order of places::DetailLevel.
    const QStringList levels{QCoreApplication::translate("app::CommandLine", "меньше"),
                             QCoreApplication::translate("app::CommandLine", "обычно"),
                             QCoreApplication::translate("app::CommandLine", "больше")};
    const qsizetype level = levels.indexOf(parser_.value(detail_option_));
    if (level < 0) {
        err << QCoreApplication::translate("app::CommandLine",
                                           "koloriton: --detail бывает только %1, а не «%2»\n")
                   .arg(levels.join(QStringLiteral(", ")), parser_.value(detail_option_));
        return 2;
    }
    request.detail = static_cast<places::DetailLevel>(level);
    request.destination = core::user_catalogue_dir();
    request.catalogue_dirs = core::catalogue_dirs_for_program(QCoreApplication::applicationDirPath());
    try {
        const places::WrittenPlace place = places::make_place(request);
        out << QCoreApplication::translate("app::CommandLine", "Место «%1» готово: %2\n")
                   .arg(place.name, request.destination);
        return 0;
    } catch (const places::NameTaken& error) {
        err << "koloriton: " << error.text()
            << QCoreApplication::translate("app::CommandLine", " (заменить его: --replace)") << '\n';
        return 1;
    } catch (const places::PlaceError& error) {
        err << "koloriton: " << error.text() << '\n';
        return 1;
    }
}

int CommandLine::check_settings(QTextStream& out, QTextStream& err) const
{
    const settings::LoadedSettings loaded = settings::load_settings(
        settings::SettingsFiles::from_environment(), [&err](const QString& line) { err << line << '\n'; });
    if (!loaded.problems.isEmpty())
        return 1;
    out << QCoreApplication::translate("app::CommandLine", "Файлы настроек в порядке.\n");
    return 0;
}

QStringList arguments_of(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QFile::decodeName(argv[i]);
    return arguments;
}

} // namespace app
