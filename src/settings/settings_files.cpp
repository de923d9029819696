#include "settings/settings_files.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <algorithm>
#include <cstdio>
#include <optional>

namespace settings {

namespace {

const QString relative_path = QStringLiteral("koloriton/koloriton.conf");
// The one key of a system file's [locked] group: the list of locked "group/key" names.
const QString locked_list_key = QStringLiteral("locked/keys");

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

// One file as it is read: its settings go into `into`, its problems to `report`.
class FileReader {
public:
    FileReader(const QString& path, const ProblemReport& report) : path_(path), report_(report) {}

    // Reads the file's values into `into`, except the keys in `skipped`; a system file's locks
    // are added to `locks`, a user's file may not have any.
    void read(Settings& into, const QSet<QString>& skipped, QSet<QString>* locks)
    {
        if (!QFileInfo(path_).isFile())
            return;
        QSettings file(path_, QSettings::IniFormat);
        if (file.status() != QSettings::NoError) {
            report_(QStringLiteral("%1: %2; the file is ignored")
                        .arg(path_, file.status() == QSettings::AccessError
                                        ? QStringLiteral("cannot be read")
                                        : QStringLiteral("not in INI form")));
            return;
        }
        for (const QString& name : file.allKeys()) {
            if (name == locked_list_key)
                read_locks(file.value(name), locks);
            else if (const SettingKey* key = find_key(name))
                read_value(*key, file.value(name), into, skipped);
            else
                problem(name, QStringLiteral("unknown key"));
        }
    }

private:
    void problem(const QString& key, const QString& what)
    {
        report_(QStringLiteral("%1: %2: %3; ignored").arg(path_, key, what));
    }

    void read_locks(const QVariant& value, QSet<QString>* locks)
    {
        if (locks == nullptr) {
            problem(locked_list_key, QStringLiteral("only a system's file locks keys"));
            return;
        }
        for (const QString& name : value.toStringList()) {
            if (find_key(name.trimmed()) != nullptr)
                locks->insert(name.trimmed());
            else
                problem(locked_list_key, QStringLiteral("unknown key \"%1\"").arg(name));
        }
    }

    void read_value(const SettingKey& key, const QVariant& value, Settings& into,
                    const QSet<QString>& skipped)
    {
        const QString name = QString::fromLatin1(key.name);
        if (skipped.contains(name))
            return;
        // A value with a comma comes as a list: never a switch or a folder.
        if (value.typeId() != QMetaType::QString) {
            problem(name, QStringLiteral("not a single value"));
            return;
        }
        const QString text = value.toString();
        if (key.is_switch()) {
            if (const std::optional<bool> on = parse_switch(text))
                key.flag(into) = *on;
            else
                problem(name, QStringLiteral("\"%1\" is not true or false").arg(text));
        } else if (text.isEmpty() || QDir::isAbsolutePath(text)) {
            key.folder(into) = QDir::cleanPath(text);
        } else {
            problem(name, QStringLiteral("\"%1\" is not an absolute folder path").arg(text));
        }
    }

    QString path_;
    const ProblemReport& report_;
};

QString value_text(const Settings& values, const SettingKey& key)
{
    if (key.is_switch())
        return key.flag(values) ? QStringLiteral("true") : QStringLiteral("false");
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
    for (auto file = files.system_files.crbegin(); file != files.system_files.crend(); ++file)
        FileReader(*file, report).read(loaded.system_values, {}, &loaded.locked);
    loaded.values = loaded.system_values;
    FileReader(files.user_file, report).read(loaded.values, loaded.locked, nullptr);
    return loaded;
}

bool save_user_settings(const SettingsFiles& files, const LoadedSettings& loaded, const Settings& wanted)
{
    if (!QDir().mkpath(QFileInfo(files.user_file).absolutePath()))
        return false;
    QSettings file(files.user_file, QSettings::IniFormat);
    for (const SettingKey& key : setting_keys) {
        if (loaded.is_locked(key))
            continue;
        const QString text = value_text(wanted, key);
        if (text == value_text(loaded.system_values, key))
            file.remove(QString::fromLatin1(key.name));
        else
            file.setValue(QString::fromLatin1(key.name), text);
    }
    file.sync();
    return file.status() == QSettings::NoError;
}

} // namespace settings
