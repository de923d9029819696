#pragma once

#include "pixels/bitmap.h"

#include <QImage>
#include <QString>

namespace widgets {

// A denser rendering of a picture control's picture, drawn where the screen has more device
// pixels than the picture, so no picture is upscaled from its stored size. The picture stays the
// one every position, hit test and seed point refers to; the rendering repeats the changes made
// to the picture in place (the colour displays fill their buttons), keeping its own sharper edges.
class DensePicture {
public:
    bool is_null() const { return rendering_.isNull(); }
    int density() const { return density_; }
    void clear();
    // Takes `rendering` (its device pixel ratio is its density) as showing `picture`.
    void adopt(const QImage& rendering, const pixels::Bitmap& picture);
    // Reads the densest variant of `path` up to `density`, as showing `as_loaded` (the picture as
    // read from `path`). A missing or unreadable variant leaves none: the picture is then shown
    // upscaled, as a skin of its own may have no dense files.
    void load(const QString& path, int density, const pixels::Bitmap& as_loaded);
    // Repeats the change `picture` had within `area` (picture pixels) since the rendering last
    // showed it: where a picture pixel changed colour, the rendering's pixels that had its old
    // colour take the new one, and so do those of its unchanged neighbours' blocks that had the
    // old colour of a changed neighbour (a region's edge runs between picture pixels).
    void follow(const pixels::Bitmap& picture, const QRect& area);
    // The rendering as drawn: opaque, or with the colour of its bottom-left pixel cleared.
    const QImage& shown(bool transparent);
    // The rendering's colour at `position` in picture pixels (fractions reach into the block).
    QRgb pixel_at(QPointF position) const;

private:
    void changed_block(const QImage& before, const QImage& after, QPoint at);
    void edge_block(const QImage& before, const QImage& after, QPoint at);

    QImage rendering_;      // RGB32, device pixel ratio = density_
    pixels::Bitmap synced_; // the picture as the rendering shows it
    QImage shown_;
    bool shown_transparent_ = false;
    bool shown_valid_ = false;
    int density_ = 1;
};

} // namespace widgets
