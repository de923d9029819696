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
    // Saving writes into the drawings folder at once under a name of its own, and opening shows the
    // drawings of that folder as large thumbnails; the file dialogs remain a button away.
    bool gallery = false;
    // Sounds answer the child's actions; a classroom's system file may switch them off.
    bool sound_enabled = true;
    int sound_volume = 100;

    bool operator==(const Settings&) const = default;
};

// A key's value: a switch (true or false), a folder (an absolute path, empty for the usual one) or
// a percentage (a whole number from 0 to 100).
using SettingValue = std::variant<bool Settings::*, QString Settings::*, int Settings::*>;

// One key of the settings files, by its "group/key" name.
struct SettingKey {
    const char* name;
    SettingValue value;
    // What the settings window calls it.
    const char* label;

    bool is_switch() const { return std::holds_alternative<bool Settings::*>(value); }
    bool is_percentage() const { return std::holds_alternative<int Settings::*>(value); }
    bool& flag(Settings& values) const { return values.*std::get<bool Settings::*>(value); }
    bool flag(const Settings& values) const { return values.*std::get<bool Settings::*>(value); }
    int& percentage(Settings& values) const { return values.*std::get<int Settings::*>(value); }
    int percentage(const Settings& values) const { return values.*std::get<int Settings::*>(value); }
    QString& folder(Settings& values) const { return values.*std::get<QString Settings::*>(value); }
    const QString& folder(const Settings& values) const
    {
        return values.*std::get<QString Settings::*>(value);
    }
};

// Every key, in the order the settings window and the manual page show them.
inline const std::array<SettingKey, 13> setting_keys{{
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
    {"saving/gallery", &Settings::gallery, "Сохранять рисунки сразу, открывать их из галереи"},
    {"sound/enabled", &Settings::sound_enabled, "Звуки"},
    {"sound/volume", &Settings::sound_volume, "Громкость звуков"},
}};

} // namespace settings
