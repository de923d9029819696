#include "colours/colour_displays.h"

#include <algorithm>
#include <array>
#include <vector>

namespace colours {
namespace {

struct SizeButton {
    std::int32_t size;
    platform::PictureControl* core::MainWindowControls::*control;
    QPoint seed;
};

constexpr std::array<SizeButton, 4> size_buttons = {{
    {3, &core::MainWindowControls::size_3_button, {10, 10}},
    {2, &core::MainWindowControls::size_2_button, {10, 10}},
    {1, &core::MainWindowControls::size_1_button, {5, 5}},
    {4, &core::MainWindowControls::size_4_button, {10, 10}},
}};

// Colours of the pixels 4-adjacent to the region of the seed's colour around `seed`.
std::vector<platform::ColourWord> border_colours(const platform::Bitmap& picture, QPoint seed,
                                                 std::vector<bool>& in_region)
{
    std::vector<platform::ColourWord> border;
    const int width = picture.width();
    const platform::ColourWord inside = picture.pixel(seed.x(), seed.y());
    in_region.assign(static_cast<std::size_t>(width * picture.height()), false);
    std::vector<QPoint> pending{seed};
    in_region[static_cast<std::size_t>(seed.y() * width + seed.x())] = true;
    while (!pending.empty()) {
        const QPoint point = pending.back();
        pending.pop_back();
        for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
            const QPoint next = point + step;
            if (!picture.contains(next.x(), next.y()))
                continue;
            const auto at = static_cast<std::size_t>(next.y() * width + next.x());
            const platform::ColourWord colour = picture.pixel(next.x(), next.y());
            if (colour != inside) {
                border.push_back(colour);
            } else if (!in_region[at]) {
                in_region[at] = true;
                pending.push_back(next);
            }
        }
    }
    return border;
}

} // namespace

platform::ColourWord distinct_display_colour(const platform::Bitmap& picture, platform::ColourWord wanted,
                                             const std::vector<platform::ColourWord>& avoid)
{
    static constexpr std::array<platform::ColourWord, 8> steps = {0x000000, 0x010101, 0x000001, 0x000100,
                                                                  0x010000, 0x000101, 0x010100, 0x010001};
    for (const platform::ColourWord step : steps) {
        const platform::ColourWord candidate = picture.representable(wanted ^ step);
        if (std::find(avoid.begin(), avoid.end(), candidate) == avoid.end())
            return candidate;
    }
    return picture.representable(wanted);
}

void fill_display(platform::PictureControl& control, QPoint seed, platform::ColourWord colour,
                  platform::BrushStyle style)
{
    platform::Bitmap& picture = control.picture();
    if (!picture.contains(seed.x(), seed.y()))
        return;
    std::vector<bool> in_region;
    std::vector<platform::ColourWord> avoid = border_colours(picture, seed, in_region);
    const int bottom_row = picture.height() - 1;
    if (control.transparent() && !in_region[static_cast<std::size_t>(bottom_row * picture.width())])
        avoid.push_back(picture.pixel(0, bottom_row));
    const platform::Brush brush{distinct_display_colour(picture, colour, avoid), style};
    const QRect changed = platform::flood_fill(picture, seed, brush);
    if (!changed.isEmpty())
        control.picture_changed(changed);
}

void paint_size_buttons(core::MainWindowControls& controls, std::int32_t brush_size,
                        platform::ColourWord colour)
{
    if (brush_size < 1 || brush_size > 4)
        return;
    for (const SizeButton& button : size_buttons)
        fill_display(*(controls.*(button.control)), button.seed,
                     button.size == brush_size ? colour : jar_grey);
}

} // namespace colours
