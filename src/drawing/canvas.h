#pragma once

#include "core/drawing_state.h"
#include "drawing/brush_tool.h"
#include "drawing/fill_tool.h"
#include "drawing/pipette_tool.h"
#include "drawing/shape_tool.h"
#include "pixels/drawing_surface.h"
#include "widgets/picture_control.h"

#include <QRect>
#include <optional>

namespace colours {
class ColourPanel;
}
namespace history {
class UndoRedo;
}

namespace drawing {

// What a pen adds to a gesture's points: its eraser end, which erases whatever tool is chosen, and
// its pressure (0 to 1), which the brush's width follows when the adults allow it.
struct PointerStyle {
    bool eraser_end = false;
    std::optional<double> pressure;
};

// The canvas: hands its presses, movements and releases to the tool the drawing state chooses,
// takes the undo snapshot before every press and repaints what the tool changed.
class Canvas {
public:
    // Reads the tool of `drawing`, whose other parts its tools own or read; asks `history` for the
    // snapshot before every press and for the outlines kept; the pipette asks `colours` to take
    // its colour.
    Canvas(widgets::PictureControl* canvas, core::DrawingState& drawing, colours::ColourPanel& colours,
           history::UndoRedo& history);
    // Connects the canvas's press, move and release to their handlers.
    void connect_handlers();

    // Ends the gesture under way, takes the undo snapshot, then presses the current tool.
    void canvas_pressed(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    // Hand the movement and the release to the tool of the gesture under way.
    void canvas_moved(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, int x, int y);
    void canvas_released(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);

    // The same gesture from any pointer (a finger, a pen), at picture pixel `at`.
    void pointer_pressed(QPoint at, PointerStyle style);
    void pointer_moved(QPoint at, PointerStyle style);
    void pointer_released(QPoint at);
    // Ends the gesture under way without finishing it (a touch the system took back).
    void pointer_cancelled();

private:
    CanvasTool& current_tool();
    // The tool a press of `style` uses: the pen's eraser end erases with the chosen brush size.
    CanvasTool& tool_for(PointerStyle style);
    // Hands the brush of the gesture under way the pen's pressure.
    void follow_pressure(PointerStyle style);
    // Hands the surface the outlines of the picture now on the canvas, which an opening, undo and
    // redo change.
    void keep_current_outlines();
    void repaint(const QRect& changed);
    // Tells history that the gesture now ending changed the canvas, if it did.
    void end_gesture();

    widgets::PictureControl* canvas_;
    const core::DrawingState& drawing_;
    history::UndoRedo& history_;
    // The control keeps one picture object for its whole life, so its surface, whose pen and brush
    // persist from one operation to the next, is made once.
    pixels::DrawingSurface surface_;
    BrushTool brush_;
    FillTool fill_;
    PipetteTool pipette_;
    ShapeTool shapes_;
    // The pen's eraser end: the brush in eraser mode over a copy of the drawing state taken at its
    // press, so the chosen tool and colour stay as they were.
    core::DrawingState eraser_end_state_;
    BrushTool eraser_end_;
    // The tool that took the latest press, until its release: the gesture stays with the tool it
    // began with, whatever tool is chosen meanwhile.
    CanvasTool* under_way_ = nullptr;
    // Whether the gesture under way changed any pixel.
    bool gesture_changed_ = false;
};

} // namespace drawing
