#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

namespace places {

// The largest rectangle of the page's shape centred on a photograph of `photo` size.
QRect page_frame(QSize photo, QSize page);
// The rectangle of page_frame's size moved along the photograph's longer side to hold its busiest
// part, where its strong edges are densest: the subject rather than the empty sky or wall beside
// it. The drawing, the panel's photograph and the thumbnail all show this part.
QRect subject_frame(const QImage& photo, QSize page);

} // namespace places
