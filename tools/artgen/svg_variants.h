#pragma once

#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QSize>

namespace artgen {

// The drawing as a child colours it: every fill white (black fills stay black), every stroke black.
QByteArray line_svg(const QByteArray& svg);
// The coloured scene with its outlines softened into faint dark edges.
QByteArray scene_svg(const QByteArray& svg);
// Renders the `frame` of SVG bytes (its whole view box when empty) anti-aliased onto white at `size`;
// throws with `name` when the SVG is invalid.
QImage render_svg(const QByteArray& svg, QSize size, const QString& name, const QRectF& frame = {});
// Pure black and white: every pixel darker than middle grey becomes black.
QImage thresholded(const QImage& image);

} // namespace artgen
