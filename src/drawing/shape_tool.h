#pragma once

#include "core/drawing_state.h"
#include "drawing/canvas_tool.h"
#include "pixels/drawing_surface.h"

namespace drawing {

// The six shapes, drawn by a drag: the press fixes one corner, a dotted rubber band follows the
// pointer while it is right of and below that corner, and the release draws the outline of the
// current shape tool between the press and the release point.
class ShapeTool : public CanvasTool {
public:
    // Owns `drawing.shape_drag` and `shape_rect` and reads the tool, the brush size and the colour.
    ShapeTool(pixels::DrawingSurface& surface, core::DrawingState& drawing)
        : surface_(surface), drawing_(drawing)
    {
    }

    // Anchors the drag and shows the (empty) rubber band there.
    QRect press(QPoint point) override;
    QRect move(QPoint point) override;
    // Removes the rubber band and draws the outline; a release with no drag of its own (its press
    // failed to take the snapshot) draws nothing.
    QRect release(QPoint point) override;
    // Removes the rubber band; nothing is drawn.
    QRect cancel() override;

private:
    QRect draw_outline();

    pixels::DrawingSurface& surface_;
    core::DrawingState& drawing_;
};

} // namespace drawing
