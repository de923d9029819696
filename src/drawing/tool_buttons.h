#pragma once

#include "app/form1_controls.h"
#include "app/process_state.h"

#include <cstddef>

namespace drawing {

struct ToolRow;

// The ten tool buttons: brush, fill, eraser, pipette and the six shapes.
class ToolButtons {
public:
    ToolButtons(app::Form1Controls& controls, app::ProcessState& state) : controls_(controls), state_(state)
    {
    }
    // Connects the controls and menu items this class serves to its handlers.
    void connect_handlers();

    void Image15MouseDown();
    void Image16MouseDown();
    void Image25MouseDown();
    void Image29MouseDown() { choose_simple_tool(3); }
    void Image34MouseDown() { choose_simple_tool(4); }
    void Image35MouseDown() { choose_simple_tool(5); }
    void Image36MouseDown() { choose_simple_tool(6); }
    void Image37MouseDown() { choose_simple_tool(7); }
    void Image43MouseDown() { choose_simple_tool(8); }
    void Image44MouseDown() { choose_simple_tool(9); }

private:
    // The pipette and the shapes, by their row of the tool table.
    void choose_simple_tool(std::size_t row);
    void set_fill_style(std::int32_t fill_style);
    void leave_eraser();
    void switch_jars(const ToolRow& row);
    void load_plain_pictures_except(std::size_t row);
    void set_canvas_cursor(const ToolRow& row);

    app::Form1Controls& controls_;
    app::ProcessState& state_;
};

} // namespace drawing
