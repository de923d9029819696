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
    // How many steps undo goes back on one page.
    int undo_steps = 1;

    bool operator==(const Settings&) const = default;
};

// A whole number within the key's own bounds; `unit` follows it in the settings window (" %").
struct WholeNumber {
    int Settings::*member;
    int minimum;
    int maximum;
    const char* unit = "";
};

// A key's value: a switch (true or false), a folder (an absolute path, empty for the usual one) or
// a whole number within its bounds.
using SettingValue = std::variant<bool Settings::*, QString Settings::*, WholeNumber>;

// One key of the settings files, by its "group/key" name.
struct SettingKey {
    const char* name;
    SettingValue value;
    // What the settings window calls it.
    const char* label;

    bool is_switch() const { return std::holds_alternative<bool Settings::*>(value); }
    bool is_whole_number() const { return std::holds_alternative<WholeNumber>(value); }
    bool& flag(Settings& values) const { return values.*std::get<bool Settings::*>(value); }
    bool flag(const Settings& values) const { return values.*std::get<bool Settings::*>(value); }
    const WholeNumber& bounds() const { return std::get<WholeNumber>(value); }
    int& number(Settings& values) const { return values.*bounds().member; }
    int number(const Settings& values) const { return values.*bounds().member; }
    QString& folder(Settings& values) const { return values.*std::get<QString Settings::*>(value); }
    const QString& folder(const Settings& values) const
    {
        return values.*std::get<QString Settings::*>(value);
    }
};

// Every key, in the order the settings window and the manual page show them.
inline const std::array<SettingKey, 14> setting_keys{{
    {"drawing/keep_outlines", &Settings::keep_outlines, "Контуры картинки нельзя закрасить"},
    {"drawing/undo_steps", WholeNumber{&Settings::undo_steps, 1, 50}, "Сколько шагов можно отменить"},
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
    {"sound/volume", WholeNumber{&Settings::sound_volume, 0, 100, " %"}, "Громкость звуков"},
}};

} // namespace settings
