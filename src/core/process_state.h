#pragma once

#include "core/allowances.h"
#include "core/drawing_state.h"
#include "core/resource_paths.h"
#include "formats/cursor_file.h"

#include <cstdint>

namespace core {

// Screen cursor numbers registered at start-up; the cross-hair is Qt's own and has none.
enum CursorNumber : int {
    cursor_cross_hair = 0,
    cursor_brush = 50,
    cursor_fill = 51,
    cursor_eraser = 52,
    cursor_pipette = 53
};

// The process-wide state, owned by the main window. Each subsystem is given only the parts it
// owns or reads.
struct ProcessState {
    ResourcePaths paths;
    core::DrawingState drawing;
    // Which paint jar is chosen, 1 (red) to 8 (black).
    std::int32_t chosen_jar = 1;
    // Scroll position of the preview strip.
    std::int32_t preview_pos = 1;
    // Whether the work page background is loaded.
    bool work_page_shown = false;
    formats::ScreenCursors screen_cursors;
    // What the settings allow; the defaults allow everything.
    Allowances allowed;
};

} // namespace core
