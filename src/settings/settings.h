#pragma once

#include <QString>
#include <array>
#include <variant>

namespace settings {

// What an administrator or a parent may adjust. The defaults are the program's behaviour on a
// machine without any settings file.
struct Settings {
    bool keep_outlines = false;
    // Start in the whole-screen mode.
    bool whole_screen = false;
    // Start in the whole-screen mode where the window has no room on the screen; off, the window
    // stays a window there too.
    bool fit_small_screens = true;
    bool allow_printing = true;
    bool allow_saving = true;
    bool allow_opening = true;
    // Fingers never draw on the canvas, for boards whose users lean on them.
    bool pen_only = false;
    // A pen's pressure sets the brush's width between the chosen size and the next one down.
    bool follow_pressure = false;
    // No pointer is shown, on a board used with fingers only.
    bool hide_cursor = false;
    // Where the save dialog starts; empty for the usual folder.
    QString drawings_folder;

    bool operator==(const Settings&) const = default;
};

// A key's value: a switch (true or false) or a folder (an absolute path, empty for the usual one).
using SettingValue = std::variant<bool Settings::*, QString Settings::*>;

// One key of the settings files, by its "group/key" name.
struct SettingKey {
    const char* name;
    SettingValue value;
    // What the settings window calls it.
    const char* label;

    bool is_switch() const { return std::holds_alternative<bool Settings::*>(value); }
    bool& flag(Settings& values) const { return values.*std::get<bool Settings::*>(value); }
    bool flag(const Settings& values) const { return values.*std::get<bool Settings::*>(value); }
    QString& folder(Settings& values) const { return values.*std::get<QString Settings::*>(value); }
    const QString& folder(const Settings& values) const
    {
        return values.*std::get<QString Settings::*>(value);
    }
};

// Every key, in the order the settings window and the manual page show them.
inline const std::array<SettingKey, 10> setting_keys{{
    {"drawing/keep_outlines", &Settings::keep_outlines, "Контуры картинки нельзя закрасить"},
    {"window/fullscreen", &Settings::whole_screen, "Открывать во весь экран"},
    {"window/fit_small_screens", &Settings::fit_small_screens,
     "Во весь экран, если окно не помещается на экране"},
    {"allow/printing", &Settings::allow_printing, "Разрешить печать"},
    {"allow/saving", &Settings::allow_saving, "Разрешить сохранение рисунков"},
    {"allow/opening", &Settings::allow_opening, "Разрешить открытие рисунков"},
    {"input/pen_only", &Settings::pen_only, "Рисовать только пером, пальцы не рисуют"},
    {"input/pressure", &Settings::follow_pressure, "Толщина кисти следует нажиму пера"},
    {"input/hide_cursor", &Settings::hide_cursor, "Скрыть указатель мыши"},
    {"folders/drawings", &Settings::drawings_folder, "Папка для рисунков"},
}};

} // namespace settings
