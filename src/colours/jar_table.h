#pragma once

#include "pixels/colour_word.h"

#include <array>
#include <cstdint>

namespace colours {

// How a jar reacts: the red and black jars take a press of any button, the others a left click.
enum class JarEvent { press_any_button, left_click };

struct JarRow {
    std::int32_t index;
    const char* letter;
    pixels::ColourWord colour;
    const char* strip_file;
    // Black has no brush picture of its own.
    const char* brush_file;
    JarEvent event;
};

// The eight base colours in the jar row order; file names are UTF-8.
inline constexpr std::array<JarRow, 8> jar_table = {{
    {1, "к", 0x000000FF, "к.bmp", "кисть_к.bmp", JarEvent::press_any_button},
    {2, "о", 0x000066FF, "о.bmp", "кисть_о.bmp", JarEvent::left_click},
    {3, "ж", 0x0000FFFF, "ж.bmp", "кисть_ж.bmp", JarEvent::left_click},
    {4, "з", 0x0009BC3B, "з.bmp", "кисть_з.bmp", JarEvent::left_click},
    {5, "г", 0x00DBBA37, "г.bmp", "кисть_г.bmp", JarEvent::left_click},
    {6, "с", 0x00FF0000, "с.bmp", "кисть_с.bmp", JarEvent::left_click},
    {7, "ф", 0x00C118B1, "ф.bmp", "кисть_ф.bmp", JarEvent::left_click},
    {8, "ч", 0x00000000, "б.bmp", nullptr, JarEvent::press_any_button},
}};

// The row of jar `index`, or nullptr outside 1 to 8.
constexpr const JarRow* jar_row(std::int32_t index)
{
    return index >= 1 && index <= 8 ? &jar_table[static_cast<std::size_t>(index - 1)] : nullptr;
}

// The jar whose base colour is `colour`, or 0 when no jar holds it.
constexpr std::int32_t jar_of_colour(pixels::ColourWord colour)
{
    for (const JarRow& row : jar_table)
        if (row.colour == colour)
            return row.index;
    return 0;
}

} // namespace colours
