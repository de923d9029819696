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
    // Every problem line of the files, as told to the report.
    QStringList problems;
    // Whether the settings window may change anything: "[allow] settings=false" in a system file
    // greys all of it.
    bool window_allowed = true;

    bool is_locked(const SettingKey& key) const { return locked.contains(QString::fromLatin1(key.name)); }
};

// Takes one line about a problem in a settings file.
using ProblemReport = std::function<void(const QString& line)>;
void report_to_stderr(const QString& line);

// Reads the system's files from the least important to the most, then the user's file for the
// keys not locked. A file that is not a regular file of at most largest_settings_file bytes in
// INI form, an unknown key or a value not of its key's type is ignored with one line to `report`
// naming the file, the line and the key; a missing file is no problem. When a system file is
// there but is not read, the user's file is ignored too: it never overrides what that file locked.
LoadedSettings load_settings(const SettingsFiles& files, const ProblemReport& report = report_to_stderr);

// Writes `wanted` to the user's file: every key not locked that differs from the system's value;
// a key equal to it is removed, so a later change of the system's files reaches this user.
// Comments and other lines stay. The file is replaced through a temporary file beside it, and
// only a regular file is: a link, FIFO or device is refused. Empty, or what went wrong with the
// file named.
QString save_user_settings(const SettingsFiles& files, const LoadedSettings& loaded, const Settings& wanted);

} // namespace settings
