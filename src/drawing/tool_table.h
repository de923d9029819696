#pragma once

#include "app/form1_controls.h"
#include "drawing/drawing_state.h"

#include <array>
#include <cstdint>

namespace drawing {

// Which jars a tool leaves usable.
enum class JarSwitch { unchanged, all_enabled, all_but_black, all_disabled };

struct ToolRow {
    platform::PictureControl* app::Form1Controls::*control;
    std::int32_t tool;
    // Plain and highlighted pictures in the instruments folder (UTF-8); the brush's highlighted
    // picture depends on the jar and the bucket's is recoloured, so the handlers choose those.
    const char* plain_file;
    const char* highlighted_file;
    JarSwitch jars;
    // The canvas cursor: a screen cursor number, or 0 for the cross-hair.
    int cursor;
};

// The ten tool buttons; the brush's row has tool 1 and so has the eraser's, told apart by eraser_mode.
inline constexpr std::array<ToolRow, 10> tool_table = {{
    {&app::Form1Controls::Image15, tool_brush, "кисть.bmp", nullptr, JarSwitch::all_enabled, 50},
    {&app::Form1Controls::Image16, tool_fill, "ведро пустое.bmp", "с краской.bmp", JarSwitch::all_enabled,
     51},
    {&app::Form1Controls::Image25, tool_brush, "ластик.bmp", "ластик_.bmp", JarSwitch::all_disabled, 52},
    {&app::Form1Controls::Image29, tool_pipette, "пипетка.bmp", "пипетка_.bmp", JarSwitch::unchanged, 53},
    {&app::Form1Controls::Image34, tool_rectangle, "прямоугольник.bmp", "прямоугольник_.bmp",
     JarSwitch::all_enabled, 0},
    {&app::Form1Controls::Image35, tool_rounded_rectangle, "прямоугольникк.bmp", "прямоугольникк_.bmp",
     JarSwitch::all_enabled, 0},
    {&app::Form1Controls::Image36, tool_ellipse, "эллипс.bmp", "эллипс_.bmp", JarSwitch::all_enabled, 0},
    {&app::Form1Controls::Image37, tool_line, "прямая.bmp", "прямая_.bmp", JarSwitch::all_enabled, 0},
    {&app::Form1Controls::Image43, tool_triangle, "треугольник.bmp", "треугольник_.bmp",
     JarSwitch::all_but_black, 0},
    {&app::Form1Controls::Image44, tool_rhombus, "ромб.bmp", "ромб_.bmp", JarSwitch::all_but_black, 0},
}};

} // namespace drawing
