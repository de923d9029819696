#include "drawing/pattern_size_buttons.h"

#include "colours/colour_panel.h"
#include "platform/error_guard.h"

namespace drawing {

void PatternSizeButtons::connect_handlers()
{
    for (std::size_t i = 0; i < controls_.pattern_buttons.size(); ++i) {
        widgets::PictureControl* button = controls_.pattern_buttons[i];
        platform::connect_guarded(
            button, &widgets::PictureControl::clicked, button,
            [this, pattern = core::fill_pattern_of_button(i)] { choose_pattern(pattern); });
    }
    for (std::size_t i = 0; i < controls_.size_buttons.size(); ++i) {
        widgets::PictureControl* button = controls_.size_buttons[i];
        platform::connect_guarded(button, &widgets::PictureControl::pressed, button,
                                  [this, size = static_cast<std::int32_t>(i + 1)] { choose_size(size); });
    }
}

void PatternSizeButtons::choose_pattern(core::FillPattern pattern)
{
    drawing_.fill_pattern = pattern;
    colours_.show_pattern_frame(pattern);
}

void PatternSizeButtons::choose_size(std::int32_t brush_size)
{
    drawing_.brush_size = brush_size;
    colours_.paint_size_buttons();
}

} // namespace drawing
