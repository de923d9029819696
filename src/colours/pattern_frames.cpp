#include "colours/pattern_frames.h"

#include "core/frame_shape.h"

namespace colours {

void show_pattern_frame(core::MainWindowControls& controls, std::int32_t fill_style)
{
    const auto frames = controls.pattern_frames();
    for (core::FrameShape* frame : frames)
        frame->hide();
    if (fill_style >= 1 && fill_style <= static_cast<std::int32_t>(frames.size()))
        frames[static_cast<std::size_t>(fill_style - 1)]->show();
}

} // namespace colours
