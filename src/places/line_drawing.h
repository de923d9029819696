#pragma once

#include "places/detail_level.h"

#include <QImage>
#include <QSize>

namespace places {

// A catalogue page: its line drawing is this size, and every closed area of it at least this many
// pixels, so a child can brush it, not only fill it.
inline constexpr QSize page_size{474, 593};
inline constexpr int smallest_area = 400;
// As bold as the shipped pages' outlines, so that a child's brush does not cover them at once.
inline constexpr int outline_width = 4;

// How many areas a page of a level of detail aims at: fewer is an empty page, more a puzzle for
// the hands it is meant for.
struct AreaRange {
    int fewest;
    int most;
};
AreaRange area_range(DetailLevel detail);

// The line drawing of a photograph already cut to the page's shape (any size): the photograph
// simplified into areas of visibly different colour, as many as `detail` asks where the photograph
// has them, each at least smallest_area pixels, their smoothed borders drawn as closed black
// outlines outline_width pixels wide on white, page_size, Format_RGB32.
QImage line_drawing(const QImage& page_photograph, DetailLevel detail = DetailLevel::usual);

// The closed white areas of a line drawing.
int area_count(const QImage& drawing);

} // namespace places
