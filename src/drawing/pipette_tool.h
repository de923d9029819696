#pragma once

#include "drawing/canvas_tool.h"
#include "platform/bitmap.h"

namespace colours {
class ColourPanel;
}

namespace drawing {

// The pipette: a press takes the colour of the pressed pixel, and changes no pixel.
class PipetteTool : public CanvasTool {
public:
    // Reads `picture` and asks `colours` to take the colour.
    PipetteTool(const platform::Bitmap& picture, colours::ColourPanel& colours)
        : picture_(picture), colours_(colours)
    {
    }

    QRect press(QPoint point) override;

private:
    const platform::Bitmap& picture_;
    colours::ColourPanel& colours_;
};

} // namespace drawing
