#pragma once

#include "pixels/bitmap.h"
#include "pixels/outline_mask.h"

#include <QPoint>
#include <QRect>
#include <span>

namespace pixels {

enum class BrushStyle { Solid, Clear, Horizontal, Vertical, ForwardDiagonal, BackwardDiagonal, Cross };

struct Pen {
    ColourWord colour = black_word;
    int width = 1;
};

struct Brush {
    ColourWord colour = white_word;
    BrushStyle style = BrushStyle::Solid;
};

// A rectangle by its edges as the window system keeps it: right and bottom are exclusive, and
// right may lie left of left (a drag up or to the left).
struct RectEdges {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The pixel algorithms. All are aliased (an anti-aliased edge would leave pixels the next fill
// cannot reach), clip to the bitmap, map colours to the table of an indexed bitmap, and return
// the rectangle they changed (empty when nothing changed). The pixels of a fitting `kept` mask
// never change: lines and shapes paint around them and a fill takes them for walls.

// A straight line of the pen's width; a zero-length line is a filled disc of that diameter
// centred on the point.
QRect draw_line(Bitmap& bitmap, QPoint from, QPoint to, const Pen& pen, const OutlineMask* kept = nullptr);
// Connected lines through `points`, with round joins.
QRect draw_polyline(Bitmap& bitmap, std::span<const QPoint> points, const Pen& pen,
                    const OutlineMask* kept = nullptr);
// Outline with the pen centred on the edges, over the rectangle the edges span in whatever order
// they come; the interior keeps its pixels.
QRect draw_rectangle(Bitmap& bitmap, RectEdges edges, const Pen& pen, const OutlineMask* kept = nullptr);
QRect draw_ellipse(Bitmap& bitmap, RectEdges edges, const Pen& pen, const OutlineMask* kept = nullptr);
// Corners are quarters of an ellipse 20 x 20 pixels.
QRect draw_rounded_rectangle(Bitmap& bitmap, RectEdges edges, const Pen& pen,
                             const OutlineMask* kept = nullptr);
// Surface flood fill: the 4-connected area of exactly the seed's colour takes the brush. A hatch
// paints only its lines (8-pixel period aligned to the bitmap's top-left corner); the pixels
// between keep their colour. A clear brush or a seed outside the bitmap changes nothing.
QRect flood_fill(Bitmap& bitmap, QPoint seed, const Brush& brush, const OutlineMask* kept = nullptr);
// The bucket where outlines are kept: the whole 4-connected area between the pixels of a fitting
// `kept` mask takes the brush, whatever was painted in it (a hatch paints its lines over what lies
// between them); without a fitting mask, the surface flood fill.
QRect fill_between_outlines(Bitmap& bitmap, QPoint seed, const Brush& brush, const OutlineMask* kept);
// The inverting dotted one-pixel focus frame; a second call with the same rectangle removes it.
QRect draw_focus_rect(Bitmap& bitmap, RectEdges edges);
// Whether the hatch of `style` has a line at (x, y) of the 8 x 8 cell; Solid is everywhere.
bool hatch_covers(BrushStyle style, int x, int y);

// A bitmap's drawing surface: the pen, brush and pen position that persist between operations,
// as the canvas keeps them, and the pixels every operation but the focus frame keeps.
class DrawingSurface {
public:
    explicit DrawingSurface(Bitmap& bitmap) : bitmap_(&bitmap) {}

    Pen& pen() { return pen_; }
    Brush& brush() { return brush_; }
    const Pen& pen() const { return pen_; }
    const Brush& brush() const { return brush_; }

    // The mask is not owned; null keeps nothing.
    void keep(const OutlineMask* kept) { kept_ = kept; }

    void move_to(QPoint point) { position_ = point; }
    QRect line_to(QPoint point);
    QRect polyline(std::span<const QPoint> points) { return draw_polyline(*bitmap_, points, pen_, kept_); }
    QRect rectangle(RectEdges edges) { return draw_rectangle(*bitmap_, edges, pen_, kept_); }
    QRect ellipse(RectEdges edges) { return draw_ellipse(*bitmap_, edges, pen_, kept_); }
    QRect rounded_rectangle(RectEdges edges) { return draw_rounded_rectangle(*bitmap_, edges, pen_, kept_); }
    // The bucket's fill: between the kept outlines where there are some, else of the seed's colour.
    QRect fill(QPoint seed) { return fill_between_outlines(*bitmap_, seed, brush_, kept_); }
    QRect focus_rect(RectEdges edges) { return draw_focus_rect(*bitmap_, edges); }
    ColourWord pixel(QPoint point) const { return bitmap_->pixel(point.x(), point.y()); }

private:
    Bitmap* bitmap_;
    Pen pen_;
    Brush brush_;
    QPoint position_;
    const OutlineMask* kept_ = nullptr;
};

} // namespace pixels
