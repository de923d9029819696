#include "settings/settings_files.h"

#include "core/interface_language.h"
#include "platform/errors.h"
#include "platform/file_replacement.h"
#include "platform/whole_file.h"
#include "settings/ini_text.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <algorithm>
#include <cstdio>
#include <optional>

namespace settings {

namespace {

const QString relative_path = QStringLiteral("koloriton/koloriton.conf");
// The one key of a system file's [locked] group: the list of locked "group/key" names.
const QString locked_list_key = QStringLiteral("locked/keys");
// A system file's switch of the settings window itself; no user's file may set it.
const QString window_allowed_key = QStringLiteral("allow/settings");

const SettingKey* find_key(const QString& name)
{
    const auto found = std::find_if(setting_keys.begin(), setting_keys.end(),
                                    [&](const SettingKey& key) { return name == QLatin1String(key.name); });
    return found == setting_keys.end() ? nullptr : &*found;
}

std::optional<bool> parse_switch(const QString& text)
{
    static const QStringList on{"true", "yes", "on", "1"};
    static const QStringList off{"false", "no", "off", "0"};
    const QString word = text.trimmed().toLower();
    if (on.contains(word))
        return true;
    if (off.contains(word))
        return false;
    return std::nullopt;
}

std::optional<int> parse_whole_number(const QString& text, const WholeNumber& bounds)
{
    bool whole = false;
    const int value = text.trimmed().toInt(&whole);
    if (!whole || value < bounds.minimum || value > bounds.maximum)
        return std::nullopt;
    return value;
}

// At most this many problems are told of one file: a file of a hundred thousand unknown keys
// tells a few and how many more.
constexpr int problems_told_a_file = 20;

// One file as it is read: its settings go into `into`, its problems to `report`.
class FileReader {
public:
    FileReader(const QString& path, const ProblemReport& report) : path_(path), report_(report) {}

    // Reads the file's values into `into`, except the keys in `skipped`; a system file's locks
    // and window switch go to `system`, a user's file (`system` null) may not have any. False when
    // the file is there but was not read (not a regular file, too large, unreadable or malformed).
    bool read(Settings& into, const QSet<QString>& skipped, LoadedSettings* system)
    {
        const std::optional<IniText> text = read_text();
        if (!text)
            return !QFileInfo(path_).exists() && !QFileInfo(path_).isSymLink();
        for (const IniEntry& entry : text->entries) {
            if (entry.name == locked_list_key)
                read_locks(entry, system ? &system->locked : nullptr);
            else if (entry.name == window_allowed_key)
                read_window_switch(entry, system);
            else if (const SettingKey* key = find_key(entry.name))
                read_value(*key, entry, into, skipped);
            else
                problem(entry, QCoreApplication::translate("settings", "неизвестный ключ"));
        }
        if (told_ > problems_told_a_file)
            report_(QCoreApplication::translate("settings", "%1: и ещё ошибок: %2")
                        .arg(path_)
                        .arg(told_ - problems_told_a_file));
        return true;
    }

private:
    std::optional<IniText> read_text()
    {
        if (!QFileInfo(path_).exists() && !QFileInfo(path_).isSymLink())
            return std::nullopt;
        try {
            return parse_ini(platform::read_whole_file(path_, largest_settings_file));
        } catch (const platform::FileError& error) {
            report_(QCoreApplication::translate("settings", "%1; файл не учтён").arg(error.text()));
        } catch (const IniError& error) {
            report_(QCoreApplication::translate("settings", "%1:%2: %3; файл не учтён")
                        .arg(path_)
                        .arg(error.line)
                        .arg(error.what_text));
        }
        return std::nullopt;
    }

    void problem(const IniEntry& entry, const QString& what)
    {
        if (++told_ <= problems_told_a_file)
            report_(QCoreApplication::translate("settings", "%1:%2: %3: %4; строка не учтена")
                        .arg(path_)
                        .arg(entry.line)
                        .arg(entry.name, what));
    }

    void read_locks(const IniEntry& entry, QSet<QString>* locks)
    {
        if (locks == nullptr) {
            problem(entry,
                    QCoreApplication::translate("settings", "запирать ключи может только системный файл"));
            return;
        }
        // Commas, semicolons and spaces all separate: a lock written either way holds.
        static const QRegularExpression separators(QStringLiteral("[,;\\s]+"));
        for (const QString& name : entry.value.split(separators, Qt::SkipEmptyParts)) {
            if (find_key(name) != nullptr)
                locks->insert(name);
            else
                problem(entry, QCoreApplication::translate("settings", "неизвестный ключ «%1»").arg(name));
        }
    }

    void read_window_switch(const IniEntry& entry, LoadedSettings* system)
    {
        const std::optional<bool> on = parse_switch(entry.value);
        if (system == nullptr)
            problem(entry, QCoreApplication::translate("settings",
                                                       "запереть окно настроек может только системный файл"));
        else if (!on)
            problem(entry, QCoreApplication::translate("settings", "«%1» — не true и не false")
                               .arg(entry.value.left(80)));
        else
            system->window_allowed = *on;
    }

    void read_value(const SettingKey& key, const IniEntry& entry, Settings& into,
                    const QSet<QString>& skipped)
    {
        if (skipped.contains(entry.name))
            return;
        const QString& text = entry.value;
        if (text.startsWith('@')) {
            problem(entry, QCoreApplication::translate("settings",
                                                       "упакованное значение (@…) не бывает настройкой"));
        } else if (key.is_switch()) {
            if (const std::optional<bool> on = parse_switch(text))
                key.flag(into) = *on;
            else
                problem(
                    entry,
                    QCoreApplication::translate("settings", "«%1» — не true и не false").arg(text.left(80)));
        } else if (key.is_whole_number()) {
            if (const std::optional<int> number = parse_whole_number(text, key.bounds()))
                key.number(into) = *number;
            else
                problem(entry, QCoreApplication::translate("settings", "«%1» — не целое число от %2 до %3")
                                   .arg(text.left(80))
                                   .arg(key.bounds().minimum)
                                   .arg(key.bounds().maximum));
        } else if (key.is_choice()) {
            if (text.trimmed().isEmpty() || core::is_language_code(text.trimmed()))
                key.choice(into) = text.trimmed();
            else
                problem(entry, QCoreApplication::translate("settings", "«%1» — не код языка вроде en или uk")
                                   .arg(text.left(80)));
        } else if (text.isEmpty() || QDir::isAbsolutePath(text)) {
            key.folder(into) = QDir::cleanPath(text);
        } else {
            problem(
                entry,
                QCoreApplication::translate("settings", "«%1» — не полный путь к папке").arg(text.left(80)));
        }
    }

    QString path_;
    const ProblemReport& report_;
    int told_ = 0;
};

QString value_text(const Settings& values, const SettingKey& key)
{
    if (key.is_switch())
        return key.flag(values) ? QStringLiteral("true") : QStringLiteral("false");
    if (key.is_whole_number())
        return QString::number(key.number(values));
    if (key.is_choice())
        return key.choice(values);
    return key.folder(values);
}

} // namespace

SettingsFiles SettingsFiles::from_environment()
{
    SettingsFiles files;
    QStringList folders = QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
    // The first folder is the user's own; the rest come from XDG_CONFIG_DIRS, most important first.
    files.user_file =
        QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)).filePath(relative_path);
    folders.removeFirst();
    for (const QString& folder : folders)
        if (QDir::isAbsolutePath(folder))
            files.system_files.append(QDir(folder).filePath(relative_path));
    return files;
}

void report_to_stderr(const QString& line)
{
    std::fprintf(stderr, "koloriton: %s\n", line.toLocal8Bit().constData());
}

LoadedSettings load_settings(const SettingsFiles& files, const ProblemReport& report)
{
    LoadedSettings loaded;
    const ProblemReport collect = [&](const QString& line) {
        loaded.problems.append(line);
        report(line);
    };
    bool system_read = true;
    for (auto file = files.system_files.crbegin(); file != files.system_files.crend(); ++file)
        system_read = FileReader(*file, collect).read(loaded.system_values, {}, &loaded) && system_read;
    loaded.values = loaded.system_values;
    // A broken system file may have locked what the user's file changes: none of it is taken.
    if (system_read)
        FileReader(files.user_file, collect).read(loaded.values, loaded.locked, nullptr);
    else if (QFileInfo::exists(files.user_file))
        collect(QCoreApplication::translate("settings", "%1: не учтён, пока не прочитан системный файл")
                    .arg(files.user_file));
    return loaded;
}

QString save_user_settings(const SettingsFiles& files, const LoadedSettings& loaded, const Settings& wanted)
{
    const QString& path = files.user_file;
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return QCoreApplication::translate("settings", "%1: папку не удаётся создать").arg(path);
    try {
        IniText text;
        // Only a regular file is read and replaced: never a link, a FIFO or a device.
        if (QFileInfo(path).isSymLink() || (QFileInfo::exists(path) && !QFileInfo(path).isFile()))
            return QCoreApplication::translate("settings", "%1: это не обычный файл").arg(path);
        if (QFileInfo::exists(path))
            text = parse_ini(platform::read_whole_file(path, largest_settings_file));
        for (const SettingKey& key : setting_keys) {
            if (loaded.is_locked(key))
                continue;
            const QString value = value_text(wanted, key);
            const bool as_system = value == value_text(loaded.system_values, key);
            set_ini_value(text, QString::fromLatin1(key.name),
                          as_system ? std::nullopt : std::optional(value));
        }
        const QByteArray bytes = ini_bytes(text);
        platform::replace_file(path, reinterpret_cast<const uchar*>(bytes.constData()), bytes.size(),
                               platform::Replacement::over_the_old_file);
    } catch (const platform::FileError& error) {
        return error.text();
    } catch (const IniError& error) {
        return QStringLiteral("%1:%2: %3").arg(path).arg(error.line).arg(error.what_text);
    }
    return {};
}

} // namespace settings
