#pragma once

#include "core/drawing_state.h"
#include "drawing/canvas_tool.h"
#include "pixels/drawing_surface.h"

namespace drawing {

// The brush, and the brush in eraser mode, which paints white: a stroke of round lines from the
// press to each movement until the release.
class BrushTool : public CanvasTool {
public:
    // Owns `drawing.stroke_active` and reads the brush size, the colour and the eraser mode.
    BrushTool(pixels::DrawingSurface& surface, core::DrawingState& drawing)
        : surface_(surface), drawing_(drawing)
    {
    }

    // One dot of 3 x the brush size.
    QRect press(QPoint point) override;
    // A line of 4 x the brush size from where the stroke last was.
    QRect move(QPoint point) override;
    QRect release(QPoint point) override;
    QRect cancel() override;

    // A pen's pressure, 0 to 1, for the steps that follow: the width runs from that of the next
    // size down at no pressure to the chosen size's at full pressure (the smallest size keeps its
    // own). Full pressure, where every stroke starts, gives the widths above.
    void set_pressure(double pressure) { pressure_ = pressure; }

private:
    // `times` the brush size, as the pressure takes it down.
    int width(int times) const;
    void set_pen(int width);

    pixels::DrawingSurface& surface_;
    core::DrawingState& drawing_;
    double pressure_ = 1.0;
};

} // namespace drawing
