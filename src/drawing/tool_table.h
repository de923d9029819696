#pragma once

#include "core/drawing_state.h"
#include "core/main_window_controls.h"

#include <array>
#include <cstdint>

namespace drawing {

// Which jars a tool leaves usable.
enum class JarSwitch { unchanged, all_enabled, all_but_black, all_disabled };

struct ToolRow {
    platform::PictureControl* core::MainWindowControls::*control;
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
    {&core::MainWindowControls::brush_button, core::tool_brush, "кисть.bmp", nullptr, JarSwitch::all_enabled,
     50},
    {&core::MainWindowControls::bucket_button, core::tool_fill, "ведро пустое.bmp", "с краской.bmp",
     JarSwitch::all_enabled, 51},
    {&core::MainWindowControls::eraser_button, core::tool_brush, "ластик.bmp", "ластик_.bmp",
     JarSwitch::all_disabled, 52},
    {&core::MainWindowControls::pipette_button, core::tool_pipette, "пипетка.bmp", "пипетка_.bmp",
     JarSwitch::unchanged, 53},
    {&core::MainWindowControls::rectangle_button, core::tool_rectangle, "прямоугольник.bmp",
     "прямоугольник_.bmp", JarSwitch::all_enabled, 0},
    {&core::MainWindowControls::rounded_rectangle_button, core::tool_rounded_rectangle, "прямоугольникк.bmp",
     "прямоугольникк_.bmp", JarSwitch::all_enabled, 0},
    {&core::MainWindowControls::ellipse_button, core::tool_ellipse, "эллипс.bmp", "эллипс_.bmp",
     JarSwitch::all_enabled, 0},
    {&core::MainWindowControls::line_button, core::tool_line, "прямая.bmp", "прямая_.bmp",
     JarSwitch::all_enabled, 0},
    {&core::MainWindowControls::triangle_button, core::tool_triangle, "треугольник.bmp", "треугольник_.bmp",
     JarSwitch::all_but_black, 0},
    {&core::MainWindowControls::rhombus_button, core::tool_rhombus, "ромб.bmp", "ромб_.bmp",
     JarSwitch::all_but_black, 0},
}};

} // namespace drawing
