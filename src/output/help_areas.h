#pragma once

#include "output/help_picture.h"

#include <QList>
#include <QWidget>

namespace output {

// The controls of the main window the help picture names, and those it must tell apart from them.
struct HelpControls {
    const QWidget* strip_up_button = nullptr;
    const QWidget* strip_down_button = nullptr;
    const QWidget* strip_slot_model = nullptr; // hidden, never a thumbnail of the strip
    const QWidget* canvas = nullptr;           // its parent holds the thumbnails
    const QWidget* undo_button = nullptr;
    const QWidget* redo_button = nullptr;
    const QWidget* red_jar = nullptr;
    const QWidget* light_blue_jar = nullptr;
    const QWidget* shade_strip = nullptr;
    const QWidget* size_4_button = nullptr;
    const QWidget* brush_button = nullptr;
    const QWidget* pipette_button = nullptr;
    const QWidget* solid_pattern_button = nullptr;
    const QWidget* rhombus_button = nullptr;
    const QWidget* photograph = nullptr;
    const QWidget* description_box = nullptr;
    const QWidget* home_button = nullptr;
    const QWidget* print_button = nullptr;
    const QWidget* open_button = nullptr;
    const QWidget* save_button = nullptr;
    const QWidget* exit_button = nullptr;
};

// An area of the main window that the help picture names, by the controls that show it.
struct HelpArea {
    QString text;
    Side side;
    QList<const QWidget*> controls;
};

// The areas of `window`, whose controls are `controls`. A group of controls is named through the
// one or two of them an arrow can point at without landing in a gap between them.
QList<HelpArea> help_areas(const QWidget& window, const HelpControls& controls);
// Whether every area shows at least one of its controls.
bool shows_every_area(const QWidget& window, const QList<HelpArea>& areas);
// The callouts of the areas in window coordinates, an arrow to every visible control; an area
// with none visible is left out, so no arrow points at a control the picture does not show.
QList<Callout> visible_callouts(const QWidget& window, const QList<HelpArea>& areas);
// The columns of side labels: over the edges of the canvas, beside the strip and the tools.
LabelColumns label_columns(const QWidget& window, const HelpControls& controls);

} // namespace output
