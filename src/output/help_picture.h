#pragma once

#include <QImage>
#include <QLine>
#include <QList>
#include <QRect>
#include <QString>

namespace output {

// Which margin of the help picture a callout's label stands in.
enum class Side { left, right, top, bottom };

// One named area of the main window: rectangles in the coordinates of the window's picture.
struct Callout {
    QString text;
    Side side;
    QList<QRect> targets;
};

// A callout as drawn: its label box and one arrow per target, tip last, in picture coordinates.
struct PlacedCallout {
    QString text;
    QRect box;
    QList<QLine> arrows;
};

struct HelpPicture {
    QImage image;
    // Where the window's picture is drawn, scaled to fit between the margins.
    QRect window_area;
    QList<PlacedCallout> callouts;
};

inline constexpr QSize help_picture_size{1005, 747};

// Draws the picture of the main window reduced into the middle of the help picture, with a label
// in the margins for every callout and arrows from it to the areas it names.
HelpPicture draw_help_picture(const QImage& window_picture, const QList<Callout>& callouts);

} // namespace output
