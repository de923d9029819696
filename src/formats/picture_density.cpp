#include "formats/picture_density.h"

#include <QFileInfo>
#include <algorithm>
#include <cmath>

namespace formats {

QString dense_variant_path(const QString& path, int density)
{
    if (density <= 1)
        return path;
    const QFileInfo file(path);
    const QString suffix = file.suffix().isEmpty() ? QString() : '.' + file.suffix();
    return path.left(path.size() - suffix.size()) + QStringLiteral("@%1x").arg(density) + suffix;
}

int wanted_density(qreal device_scale)
{
    // A scale a rounding error above a whole number is that number.
    const int density = static_cast<int>(std::ceil(device_scale - 1e-3));
    return std::clamp(density, 1, max_picture_density);
}

} // namespace formats
