#pragma once

#include "core/drawing_state.h"
#include "core/process_state.h"

#include <array>

namespace drawing {

// Which jars a tool leaves usable.
enum class JarSwitch { unchanged, all_enabled, all_but_black, all_disabled };

struct ToolRow {
    core::Tool tool;
    // Plain and highlighted pictures in the instruments folder (UTF-8); the brush's highlighted
    // picture depends on the jar and the bucket's is recoloured, so the handlers choose those.
    const char* plain_file;
    const char* highlighted_file;
    JarSwitch jars;
    // The canvas cursor.
    core::CursorNumber cursor;
};

// The ten tool buttons in the order of ToolControls::buttons; the brush's row has the brush tool and
// so has the eraser's, told apart by eraser_mode.
inline constexpr std::array<ToolRow, 10> tool_table = {{
    {core::Tool::brush, "кисть.bmp", nullptr, JarSwitch::all_enabled, core::cursor_brush},
    {core::Tool::fill, "ведро пустое.bmp", "с краской.bmp", JarSwitch::all_enabled, core::cursor_fill},
    {core::Tool::brush, "ластик.bmp", "ластик_.bmp", JarSwitch::all_disabled, core::cursor_eraser},
    {core::Tool::pipette, "пипетка.bmp", "пипетка_.bmp", JarSwitch::unchanged, core::cursor_pipette},
    {core::Tool::rectangle, "прямоугольник.bmp", "прямоугольник_.bmp", JarSwitch::all_enabled,
     core::cursor_cross_hair},
    {core::Tool::rounded_rectangle, "прямоугольникк.bmp", "прямоугольникк_.bmp", JarSwitch::all_enabled,
     core::cursor_cross_hair},
    {core::Tool::ellipse, "эллипс.bmp", "эллипс_.bmp", JarSwitch::all_enabled, core::cursor_cross_hair},
    {core::Tool::line, "прямая.bmp", "прямая_.bmp", JarSwitch::all_enabled, core::cursor_cross_hair},
    {core::Tool::triangle, "треугольник.bmp", "треугольник_.bmp", JarSwitch::all_but_black,
     core::cursor_cross_hair},
    {core::Tool::rhombus, "ромб.bmp", "ромб_.bmp", JarSwitch::all_but_black, core::cursor_cross_hair},
}};

} // namespace drawing
