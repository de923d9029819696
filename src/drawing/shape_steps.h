#pragma once

#include "core/drawing_state.h"
#include "pixels/drawing_surface.h"

#include <QPoint>
#include <QRect>

namespace drawing {

// (a + b) / 2 rounded to the nearest integer, a half going to the even neighbour.
int midpoint(int a, int b);

// The three steps of a shape drag on the canvas surface. Each returns the rectangle of the picture
// it changed, for the repaint.

// Anchors the drag at the press point and shows the (empty) rubber band there.
QRect shape_press(pixels::DrawingSurface& surface, core::DrawingState& state, QPoint point);
// Moves the rubber band while the pointer is right of and below the press point.
QRect shape_move(pixels::DrawingSurface& surface, core::DrawingState& state, QPoint point);
// Removes the rubber band and draws the outline of the shape up to the release point.
QRect shape_release(pixels::DrawingSurface& surface, core::DrawingState& state, QPoint point);

} // namespace drawing
