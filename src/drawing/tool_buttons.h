#pragma once

#include "core/drawing_state.h"
#include "core/resource_paths.h"
#include "formats/cursor_file.h"
#include "widgets/picture_control.h"

#include <array>
#include <cstddef>

namespace colours {
class ColourPanel;
}

namespace drawing {

struct ToolRow;

// The controls the tool buttons serve.
struct ToolControls {
    // Brush, bucket, eraser, pipette, rectangle, rounded rectangle, ellipse, line, triangle, rhombus.
    std::array<widgets::PictureControl*, 10> buttons{};
    // The pictures whose cursor shows the chosen tool.
    QWidget* canvas = nullptr;
    QWidget* photograph = nullptr;
};

// The ten tool buttons: brush, fill, eraser, pipette and the six shapes.
class ToolButtons {
public:
    // Owns the tool, the eraser mode and the fill pattern of `drawing`; asks `colours` for the
    // jars and the colour displays.
    ToolButtons(const ToolControls& controls, const core::ResourcePaths& paths, core::DrawingState& drawing,
                const formats::ScreenCursors& cursors, colours::ColourPanel& colours)
        : controls_(controls), paths_(paths), drawing_(drawing), cursors_(cursors), colours_(colours)
    {
    }
    // Connects the ten buttons to their handlers.
    void connect_handlers();

    void choose_brush();
    void choose_bucket();
    void choose_eraser();
    // The pipette and the shapes, by their row of the tool table.
    void choose_simple_tool(std::size_t row);

private:
    void set_fill_pattern(core::FillPattern pattern);
    void leave_eraser();
    void switch_jars(const ToolRow& row);
    void load_plain_pictures_except(std::size_t row);
    void set_canvas_cursor(const ToolRow& row);
    QString instrument(const char* file) const;

    ToolControls controls_;
    const core::ResourcePaths& paths_;
    core::DrawingState& drawing_;
    const formats::ScreenCursors& cursors_;
    colours::ColourPanel& colours_;
};

} // namespace drawing
