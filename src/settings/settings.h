#pragma once

#include <QString>
#include <array>

namespace settings {

// What an administrator or a parent may adjust. The defaults are the program's behaviour on a
// machine without any settings file.
struct Settings {
    bool keep_outlines = false;
    // Read and checked; the window does not offer a whole-screen mode yet.
    bool fullscreen = false;
    bool allow_printing = true;
    bool allow_saving = true;
    bool allow_opening = true;
    // Where the save dialog starts; empty for the usual folder.
    QString drawings_folder;

    bool operator==(const Settings&) const = default;
};

// One key of the settings files, by its "group/key" name: a switch (true or false) or a folder
// (an absolute path, empty for the usual one). Exactly one of the two members is set.
struct SettingKey {
    const char* name;
    bool Settings::*flag;
    QString Settings::*folder;
    // What the settings window calls it.
    const char* label;
};

// Every key, in the order the settings window and the manual page show them.
inline const std::array<SettingKey, 6> setting_keys{{
    {"drawing/keep_outlines", &Settings::keep_outlines, nullptr, "Контуры картинки нельзя закрасить"},
    {"window/fullscreen", &Settings::fullscreen, nullptr, "Открывать во весь экран"},
    {"allow/printing", &Settings::allow_printing, nullptr, "Разрешить печать"},
    {"allow/saving", &Settings::allow_saving, nullptr, "Разрешить сохранение рисунков"},
    {"allow/opening", &Settings::allow_opening, nullptr, "Разрешить открытие рисунков"},
    {"folders/drawings", nullptr, &Settings::drawings_folder, "Папка для рисунков"},
}};

} // namespace settings
