#pragma once

#include "core/main_window_controls.h"
#include "output/help_picture.h"

#include <QList>
#include <QWidget>

namespace output {

// An area of the main window that the help picture names, by the controls that show it.
struct HelpArea {
    QString text;
    Side side;
    QList<const QWidget*> controls;
};

// The areas of `window`, whose controls are `controls`. A group of controls is named through the
// one or two of them an arrow can point at without landing in a gap between them.
QList<HelpArea> help_areas(const QWidget& window, const core::MainWindowControls& controls);
// Whether every area shows at least one of its controls.
bool shows_every_area(const QWidget& window, const QList<HelpArea>& areas);
// The callouts of the areas in window coordinates, an arrow to every visible control; an area
// with none visible is left out, so no arrow points at a control the picture does not show.
QList<Callout> visible_callouts(const QWidget& window, const QList<HelpArea>& areas);
// The columns of side labels: over the edges of the canvas, beside the strip and the tools.
LabelColumns label_columns(const QWidget& window, const core::MainWindowControls& controls);

} // namespace output
