#include "drawing/pattern_size_buttons.h"

#include "colours/colour_displays.h"
#include "colours/colour_repaint.h"
#include "colours/pattern_frames.h"
#include "platform/error_guard.h"

#include <array>
#include <utility>

namespace drawing {

void PatternSizeButtons::connect_handlers()
{
    const auto buttons = controls_.pattern_buttons();
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const auto fill_style = static_cast<std::int32_t>(i + 1);
        QObject::connect(buttons[i], &platform::PictureControl::clicked, buttons[i],
                         [this, fill_style] { choose_pattern(fill_style); });
    }
    const std::array<std::pair<platform::PictureControl*, std::int32_t>, 4> sizes = {
        {{controls_.size_1_button, 1},
         {controls_.size_2_button, 2},
         {controls_.size_3_button, 3},
         {controls_.size_4_button, 4}}};
    for (const auto& entry : sizes) {
        const std::int32_t size = entry.second;
        QObject::connect(
            entry.first, &platform::PictureControl::pressed, entry.first,
            [this, size](Qt::MouseButton, Qt::KeyboardModifiers, int, int) { choose_size(size); });
    }
}

void PatternSizeButtons::choose_pattern(std::int32_t fill_style)
{
    platform::guarded([&] {
        state_.drawing.fill_style = fill_style;
        colours::show_pattern_frame(controls_, fill_style);
    });
}

void PatternSizeButtons::choose_size(std::int32_t brush_size)
{
    platform::guarded([&] {
        state_.drawing.brush_size = brush_size;
        colours::paint_size_buttons(controls_, brush_size, colours::next_press_colour(state_.drawing));
    });
}

} // namespace drawing
