#pragma once

#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QSize>
#include <QString>

namespace artgen {

// The coloured scene with a gradient sky, light from the upper left and soft shadows.
QImage lit_scene(const QImage& scene, const QImage& line_drawing);
// The `frame` of a catalogue SVG as a lit scene of `size` pixels (before grain).
QImage lit_scene_of(const QByteArray& svg, const QString& name, QSize size, const QRectF& frame);
// The lit scene as a photograph of `size` pixels, with a little grain.
QImage photograph(const QString& name, const QImage& lit, QSize size);

} // namespace artgen
