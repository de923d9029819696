#pragma once

#include "settings/settings.h"

#include <QSet>
#include <QStringList>
#include <functional>

namespace settings {

// Where the settings files are, after the XDG base directory rules.
struct SettingsFiles {
    // koloriton/koloriton.conf in each folder of XDG_CONFIG_DIRS (/etc/xdg when unset), the most
    // important first.
    QStringList system_files;
    // koloriton/koloriton.conf in XDG_CONFIG_HOME (~/.config when unset).
    QString user_file;

    static SettingsFiles from_environment();
};

// The settings as the files give them.
struct LoadedSettings {
    // What the program uses.
    Settings values;
    // What the defaults and the system's files give without the user's file.
    Settings system_values;
    // The "group/key" names the system's files lock: the user's file cannot change them.
    QSet<QString> locked;

    bool is_locked(const SettingKey& key) const { return locked.contains(QString::fromLatin1(key.name)); }
};

// Takes one line about a problem in a settings file.
using ProblemReport = std::function<void(const QString& line)>;
void report_to_stderr(const QString& line);

// Reads the system's files from the least important to the most, then the user's file for the
// keys not locked. A file that is not INI, an unknown key or a value of the wrong type is ignored
// with one line to `report` naming the file and the key; a missing file is no problem.
LoadedSettings load_settings(const SettingsFiles& files, const ProblemReport& report = report_to_stderr);

// Writes `wanted` to the user's file: every key not locked that differs from the system's value;
// a key equal to it is removed, so a later change of the system's files reaches this user. False
// when the file cannot be written.
bool save_user_settings(const SettingsFiles& files, const LoadedSettings& loaded, const Settings& wanted);

} // namespace settings
