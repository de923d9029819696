#pragma once

#include <QCoreApplication>
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
    // The interface's language as a code such as "en" or "uk"; empty for the desktop's.
    QString language;

    bool operator==(const Settings&) const = default;
};

// A whole number within the key's own bounds; `unit` follows it in the settings window (" %").
struct WholeNumber {
    int Settings::*member;
    int minimum;
    int maximum;
    const char* unit = "";
};

// A code the settings window offers from a list: a language such as "en" or "pt_BR", empty for the
// desktop's.
struct Choice {
    QString Settings::*member;
};

// A key's value: a switch (true or false), a folder (an absolute path, empty for the usual one), a
// whole number within its bounds or a choice.
using SettingValue = std::variant<bool Settings::*, QString Settings::*, WholeNumber, Choice>;

// One key of the settings files, by its "group/key" name.
struct SettingKey {
    const char* name;
    SettingValue value;
    // What the settings window calls it, a source text of the "settings" translation context.
    const char* label;

    bool is_switch() const { return std::holds_alternative<bool Settings::*>(value); }
    bool is_whole_number() const { return std::holds_alternative<WholeNumber>(value); }
    bool is_choice() const { return std::holds_alternative<Choice>(value); }
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
    QString& choice(Settings& values) const { return values.*std::get<Choice>(value).member; }
    const QString& choice(const Settings& values) const { return values.*std::get<Choice>(value).member; }
};

// Every key, in the order the settings window and the manual page show them.
inline const std::array<SettingKey, 15> setting_keys{{
    {"drawing/keep_outlines", &Settings::keep_outlines,
     QT_TRANSLATE_NOOP("settings", "Контуры картинки нельзя закрасить")},
    {"drawing/undo_steps", WholeNumber{&Settings::undo_steps, 1, 50},
     QT_TRANSLATE_NOOP("settings", "Сколько шагов можно отменить")},
    {"window/fullscreen", &Settings::whole_screen, QT_TRANSLATE_NOOP("settings", "Открывать во весь экран")},
    {"window/fit_small_screens", &Settings::fit_small_screens,
     QT_TRANSLATE_NOOP("settings", "Во весь экран, если окно не помещается на экране")},
    {"window/language", Choice{&Settings::language}, QT_TRANSLATE_NOOP("settings", "Язык программы")},
    {"allow/printing", &Settings::allow_printing, QT_TRANSLATE_NOOP("settings", "Разрешить печать")},
    {"allow/saving", &Settings::allow_saving, QT_TRANSLATE_NOOP("settings", "Разрешить сохранение рисунков")},
    {"allow/opening", &Settings::allow_opening, QT_TRANSLATE_NOOP("settings", "Разрешить открытие рисунков")},
    {"input/pen_only", &Settings::pen_only,
     QT_TRANSLATE_NOOP("settings", "Рисовать только пером, пальцы не рисуют")},
    {"input/pressure", &Settings::follow_pressure,
     QT_TRANSLATE_NOOP("settings", "Толщина кисти следует нажиму пера")},
    {"input/hide_cursor", &Settings::hide_cursor, QT_TRANSLATE_NOOP("settings", "Скрыть указатель мыши")},
    {"folders/drawings", &Settings::drawings_folder, QT_TRANSLATE_NOOP("settings", "Папка для рисунков")},
    {"saving/gallery", &Settings::gallery,
     QT_TRANSLATE_NOOP("settings", "Сохранять рисунки сразу, открывать их из галереи")},
    {"sound/enabled", &Settings::sound_enabled, QT_TRANSLATE_NOOP("settings", "Звуки")},
    {"sound/volume", WholeNumber{&Settings::sound_volume, 0, 100, " %"},
     QT_TRANSLATE_NOOP("settings", "Громкость звуков")},
}};

} // namespace settings
