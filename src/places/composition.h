#pragma once

#include <QRect>
#include <QSize>

namespace places {

// The largest rectangle of the page's shape centred on a photograph of `photo` size.
QRect page_frame(QSize photo, QSize page);
// The square the panel shows beside a page: as tall as the page and centred on it, showing the
// photograph's scenery beside the page; narrowed to the photograph's width when the photograph is
// narrower than that square, still centred on the page.
QRect panel_square(const QRect& page_frame, QSize photo);

} // namespace places
