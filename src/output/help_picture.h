#pragma once

#include <QImage>
#include <QLine>
#include <QList>
#include <QRect>
#include <QString>

namespace output {

// Which side of its areas a callout's label stands on: left and right in a column of labels over
// the pictured window, top and bottom in the margins above and below it.
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

// Where the two columns of side labels stand: the x of their centres in window coordinates.
struct LabelColumns {
    int left_of_areas = 0;
    int right_of_areas = 0;
};

struct HelpPicture {
    QImage image;
    // Where the window's picture is drawn, at window_scale.
    QRect window_area;
    QList<PlacedCallout> callouts;
};

inline constexpr QSize help_picture_size{1005, 747};
// Large enough for the menu's words and the hints of the window to stay legible.
inline constexpr double window_scale = 0.9;

// Draws the picture of the main window at window_scale into the help picture, with a label for
// every callout and arrows from it to the areas it names.
HelpPicture draw_help_picture(const QImage& window_picture, const QList<Callout>& callouts,
                              const LabelColumns& columns);

} // namespace output
