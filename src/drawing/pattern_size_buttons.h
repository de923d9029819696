#pragma once

#include "core/drawing_state.h"
#include "widgets/picture_control.h"

#include <array>
#include <cstdint>

namespace colours {
class ColourPanel;
}

namespace drawing {

// The controls the pattern and size buttons serve.
struct PatternSizeControls {
    std::array<widgets::PictureControl*, 6> pattern_buttons{}; // solid to grid
    std::array<widgets::PictureControl*, 4> size_buttons{};    // sizes 1 to 4
};

// The six fill-pattern buttons and the four brush-size buttons.
class PatternSizeButtons {
public:
    // Owns the fill pattern and the brush size of `drawing`; asks `colours` to show them.
    PatternSizeButtons(const PatternSizeControls& controls, core::DrawingState& drawing,
                       colours::ColourPanel& colours)
        : controls_(controls), drawing_(drawing), colours_(colours)
    {
    }
    // Connects the ten buttons to their handlers.
    void connect_handlers();

    void choose_pattern(core::FillPattern pattern);
    void choose_size(std::int32_t brush_size);

private:
    PatternSizeControls controls_;
    core::DrawingState& drawing_;
    colours::ColourPanel& colours_;
};

} // namespace drawing
