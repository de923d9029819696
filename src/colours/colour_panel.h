#pragma once

#include "core/drawing_state.h"
#include "core/resource_paths.h"
#include "widgets/picture_control.h"

#include <array>
#include <cstdint>
#include <optional>

namespace core {
class FrameShape;
}

namespace colours {

// The controls the colour panel serves: the ones it owns and the colour displays it paints, whose
// presses belong to the drawing tools.
struct ColourControls {
    using Picture = widgets::PictureControl;

    std::array<Picture*, 8> jars{};                    // the jar row, red to black
    Picture* shade_strip = nullptr;                    // shades of the chosen jar
    std::array<core::FrameShape*, 6> pattern_frames{}; // yellow frames, solid to grid
    Picture* bucket_button = nullptr;                  // shows the paint in the bucket
    Picture* brush_button = nullptr;                   // shows the brush in the colour it paints
    std::array<Picture*, 6> pattern_buttons{};         // fill patterns, solid to grid
    std::array<Picture*, 4> size_buttons{};            // brush sizes 1 to 4
};

// The eight paint jars, the shade strip, the current colour and every display of it.
class ColourPanel {
public:
    // Owns `chosen_jar` and the current colour of `drawing`; reads its tool, brush size and fill pattern.
    ColourPanel(const ColourControls& controls, const core::ResourcePaths& paths, core::DrawingState& drawing,
                std::int32_t& chosen_jar)
        : controls_(controls), paths_(paths), drawing_(drawing), chosen_jar_(chosen_jar)
    {
    }
    // Connects the jars and the shade strip to their handlers.
    void connect_handlers();

    // Jar `index` (1 red to 8 black) becomes the current colour.
    void select_jar(std::int32_t index);
    // Takes the shade under the pointer, (x, y) being the strip picture's own pixel.
    void pick_shade(int x, int y);

    void set_jars_enabled(bool enabled);
    void set_black_jar_enabled(bool enabled);
    // A pipette press: the jars are switched off; `colour`, if any, becomes the current colour.
    void take_pipette_colour(std::optional<pixels::ColourWord> colour);
    // Makes `colour` the current colour and repaints its displays.
    void show_colour(pixels::ColourWord colour);
    // The colour the next press on the canvas paints: white for the eraser, the current colour for
    // every other tool. Every display shows this colour or none of its own.
    pixels::ColourWord next_press_colour() const;
    // Repaints the colour displays in the colour of the next press: the bucket's paint, the six
    // fill-pattern buttons and the four brush-size buttons, each by a flood fill of its own picture;
    // the brush button's bristles while the brush is the tool; and the jar of that colour, if one
    // holds it, in its selected look, every other jar plain.
    void repaint_displays();
    // The bucket's paint alone.
    void show_bucket_paint();
    // Paints the button of the current brush size in the colour of the next press and the others grey.
    void paint_size_buttons();
    // While the brush is the tool, gives its button a brush whose bristles have the colour it paints.
    void show_brush_colour();
    // Shows the yellow frame of `pattern` beside its button and hides the others.
    void show_pattern_frame(core::FillPattern pattern);
    // Reloads the eight jars, each in its plain look except jar `selected` (1 to 8; 0 selects none).
    void refresh_jar_row(std::int32_t selected);
    // The colours a picture opened for colouring starts with: the bucket with paint, red as the
    // current colour with its shade strip, and the colour displays repainted.
    void show_opening_colours();

private:
    void load_jar(std::int32_t index, bool selected);

    ColourControls controls_;
    const core::ResourcePaths& paths_;
    core::DrawingState& drawing_;
    std::int32_t& chosen_jar_;
};

} // namespace colours
