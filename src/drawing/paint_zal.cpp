#include "drawing/paint_zal.h"

#include "app/frame_shape.h"

namespace drawing {

void paint_zal(app::Form1Controls& controls, std::int32_t fill_style)
{
    const auto frames = controls.pattern_frames();
    for (app::FrameShape* frame : frames)
        frame->hide();
    if (fill_style >= 1 && fill_style <= static_cast<std::int32_t>(frames.size()))
        frames[static_cast<std::size_t>(fill_style - 1)]->show();
}

} // namespace drawing
