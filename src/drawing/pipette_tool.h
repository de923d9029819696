#pragma once

#include "drawing/canvas_tool.h"
#include "pixels/bitmap.h"

namespace colours {
class ColourPanel;
}

namespace drawing {

// The pipette: a press takes the colour of the pressed pixel, and changes no pixel.
class PipetteTool : public CanvasTool {
public:
    // Reads `picture` and asks `colours` to take the colour.
    PipetteTool(const pixels::Bitmap& picture, colours::ColourPanel& colours)
        : picture_(picture), colours_(colours)
    {
    }

    QRect press(QPoint point) override;

private:
    const pixels::Bitmap& picture_;
    colours::ColourPanel& colours_;
};

} // namespace drawing
