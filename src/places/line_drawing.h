#pragma once

#include <QImage>
#include <QSize>

namespace places {

// A catalogue page: its line drawing is this size, and every closed area of it at least this many
// pixels, so a child can brush it, not only fill it.
inline constexpr QSize page_size{474, 593};
inline constexpr int smallest_area = 400;
// How many areas a page may hold: fewer is an empty page, more a puzzle for small hands.
inline constexpr int fewest_areas = 15;
inline constexpr int most_areas = 150;

// The line drawing of a photograph already cut to the page's shape (any size): the photograph
// simplified into areas of similar colour, each area at least smallest_area pixels, their borders
// drawn as closed black outlines two pixels wide on white, page_size, Format_RGB32.
QImage line_drawing(const QImage& page_photograph);

} // namespace places
