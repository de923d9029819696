#include "scene_photograph.h"

#include "effects.h"
#include "regions.h"
#include "svg_variants.h"

#include <QPainter>
#include <algorithm>

namespace artgen {

namespace {

int clamp255(double v)
{
    return std::clamp(static_cast<int>(v + 0.5), 0, 255);
}

// The sky is the area of the top-left corner when the scene shows it bluish there.
int sky_region(const RegionMap& map, const QImage& scene)
{
    for (int d = 2; d < 40; ++d) {
        const int id = map.at(d, d);
        if (id < 0)
            continue;
        const QRgb c = scene.pixel(d, d);
        return qBlue(c) > qRed(c) && qBlue(c) > 150 ? id : -1;
    }
    return -1;
}

void paint_sky(QImage& scene, const RegionMap& map, int sky)
{
    const Region& region = map.regions[sky];
    const double span = std::max(1, region.bottom - region.top);
    for (int y = region.top; y <= region.bottom; ++y) {
        const double t = (y - region.top) / span;
        const QRgb colour = qRgb(clamp255(64 + 150 * t), clamp255(132 + 100 * t), clamp255(222 + 30 * t));
        for (int x = 0; x < scene.width(); ++x)
            if (map.at(x, y) == sky)
                scene.setPixel(x, y, colour);
    }
}

// Light from the upper left, and soft shadows that the outlines cast down and to the right.
void light_and_shadow(QImage& scene, const QImage& line_drawing, const RegionMap& map, int sky)
{
    QImage outlines(line_drawing.size(), QImage::Format_ARGB32_Premultiplied);
    outlines.fill(Qt::transparent);
    for (int y = 0; y < line_drawing.height(); ++y)
        for (int x = 0; x < line_drawing.width(); ++x)
            if (qGray(line_drawing.pixel(x, y)) < 128)
                outlines.setPixel(x, y, qRgba(0, 0, 0, 255));
    const QImage shadow = blurred(outlines, 4);
    const int w = scene.width(), h = scene.height();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const double light = 1.12 - 0.24 * (0.5 * x / w + 0.5 * y / h);
            double shade = 1.0;
            const int sx = x - 5, sy = y - 6;
            if (sx >= 0 && sy >= 0 && map.at(x, y) != sky && map.at(x, y) >= 0)
                shade -= 0.35 * qAlpha(shadow.pixel(sx, sy)) / 255.0;
            const QRgb c = scene.pixel(x, y);
            scene.setPixel(x, y,
                           qRgb(clamp255(qRed(c) * light * shade), clamp255(qGreen(c) * light * shade),
                                clamp255(qBlue(c) * light * shade)));
        }
}

void add_grain(QImage& image, quint32 seed)
{
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            seed = seed * 1664525u + 1013904223u;
            const int grain = static_cast<int>(seed >> 28) - 8;
            row[x] =
                qRgb(std::clamp(qRed(row[x]) + grain, 0, 255), std::clamp(qGreen(row[x]) + grain, 0, 255),
                     std::clamp(qBlue(row[x]) + grain, 0, 255));
        }
    }
}

} // namespace

QImage lit_scene(const QImage& scene, const QImage& line_drawing)
{
    const RegionMap map = find_regions(line_drawing);
    QImage lit = scene.convertToFormat(QImage::Format_RGB32);
    const int sky = sky_region(map, lit);
    if (sky >= 0)
        paint_sky(lit, map, sky);
    light_and_shadow(lit, line_drawing, map, sky);
    return lit;
}

QImage lit_scene_of(const QByteArray& svg, const QString& name, QSize size, const QRectF& frame)
{
    return lit_scene(render_svg(scene_svg(svg), size, name, frame),
                     thresholded(render_svg(line_svg(svg), size, name, frame)));
}

QImage photograph(const QString& name, const QImage& lit, QSize size)
{
    QImage photo = lit.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                       .convertToFormat(QImage::Format_RGB32);
    add_grain(photo, qHash(name));
    return photo;
}

} // namespace artgen
