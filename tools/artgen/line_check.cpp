#include "catalogue.h"

#include <QTextStream>
#include <array>
#include <cmath>
#include <stdexcept>

namespace artgen {

namespace {

// A 20 x 20 square: a child brushing with a small hand and a wide brush stays inside it.
constexpr int smallest_region = 400;

int distance(QRgb a, QRgb b)
{
    const int dr = qRed(a) - qRed(b), dg = qGreen(a) - qGreen(b), db = qBlue(a) - qBlue(b);
    return static_cast<int>(std::sqrt(double(dr * dr + dg * dg + db * db)));
}

// An area whose coloured scene holds several clearly different colours is two shapes joined by a
// gap in an outline.
void warn_about_mixed_regions(const QString& name, const RegionMap& map, const QImage& scene)
{
    const int count = static_cast<int>(map.regions.size());
    std::vector<std::array<qint64, 3>> sums(count, {0, 0, 0});
    for (int y = 0; y < scene.height(); ++y)
        for (int x = 0; x < scene.width(); ++x)
            if (const int id = map.at(x, y); id >= 0) {
                const QRgb c = scene.pixel(x, y);
                sums[id][0] += qRed(c), sums[id][1] += qGreen(c), sums[id][2] += qBlue(c);
            }
    std::vector<int> far(count, 0);
    for (int y = 0; y < scene.height(); ++y)
        for (int x = 0; x < scene.width(); ++x)
            if (const int id = map.at(x, y); id >= 0) {
                const int n = map.regions[id].pixels;
                const QRgb mean = qRgb(int(sums[id][0] / n), int(sums[id][1] / n), int(sums[id][2] / n));
                if (distance(mean, scene.pixel(x, y)) > 150)
                    ++far[id];
            }
    QTextStream err(stderr);
    for (int id = 0; id < count; ++id)
        if (far[id] * 5 > map.regions[id].pixels && map.regions[id].pixels > 2000)
            err << "artgen: warning: " << name << ": the area at " << map.regions[id].first.x() << ','
                << map.regions[id].first.y() << " mixes different colours; an outline may have a gap\n";
}

} // namespace

void check_line_drawing(const QString& name, const QImage& line_drawing, const QImage& scene)
{
    const RegionMap map = find_regions(line_drawing);
    QStringList small;
    for (const Region& region : map.regions)
        if (region.pixels < smallest_region)
            small << QString("%1 pixels around %2,%3 (%4 x %5)")
                         .arg(region.pixels)
                         .arg((region.left + region.right) / 2)
                         .arg((region.top + region.bottom) / 2)
                         .arg(region.right - region.left + 1)
                         .arg(region.bottom - region.top + 1);
    if (!small.isEmpty())
        throw std::runtime_error(QString("%1: white areas too small to colour (under %2 pixels): %3")
                                     .arg(name)
                                     .arg(smallest_region)
                                     .arg(small.join("; "))
                                     .toStdString());
    warn_about_mixed_regions(name, map, scene);
}

} // namespace artgen
