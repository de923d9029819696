#pragma once

#include "core/drawing_state.h"
#include "drawing/canvas_tool.h"
#include "pixels/drawing_surface.h"

namespace drawing {

// The bucket: a press fills the area of the pressed pixel's colour with the current colour in the
// chosen pattern; where outlines are kept, the whole area between them.
class FillTool : public CanvasTool {
public:
    // Reads the fill pattern and the colour of `drawing`.
    FillTool(pixels::DrawingSurface& surface, const core::DrawingState& drawing)
        : surface_(surface), drawing_(drawing)
    {
    }

    QRect press(QPoint point) override;

private:
    pixels::DrawingSurface& surface_;
    const core::DrawingState& drawing_;
};

} // namespace drawing
