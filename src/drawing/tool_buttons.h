#pragma once

#include "core/main_window_controls.h"
#include "core/process_state.h"

#include <cstddef>

namespace drawing {

struct ToolRow;

// The ten tool buttons: brush, fill, eraser, pipette and the six shapes.
class ToolButtons {
public:
    ToolButtons(core::MainWindowControls& controls, core::ProcessState& state)
        : controls_(controls), state_(state)
    {
    }
    // Connects the controls and menu items this class serves to its handlers.
    void connect_handlers();

    void choose_brush();
    void choose_bucket();
    void choose_eraser();
    void choose_pipette() { choose_simple_tool(3); }
    void choose_rectangle() { choose_simple_tool(4); }
    void choose_rounded_rectangle() { choose_simple_tool(5); }
    void choose_ellipse() { choose_simple_tool(6); }
    void choose_line() { choose_simple_tool(7); }
    void choose_triangle() { choose_simple_tool(8); }
    void choose_rhombus() { choose_simple_tool(9); }

private:
    // The pipette and the shapes, by their row of the tool table.
    void choose_simple_tool(std::size_t row);
    void set_fill_style(std::int32_t fill_style);
    // Restores the colour saved by the eraser and shows it on the colour displays.
    void leave_eraser();
    void switch_jars(const ToolRow& row);
    void load_plain_pictures_except(std::size_t row);
    void set_canvas_cursor(const ToolRow& row);

    core::MainWindowControls& controls_;
    core::ProcessState& state_;
};

} // namespace drawing
