#pragma once

#include <QString>

namespace formats {

// The highest density a picture is looked for at beside its stored file.
inline constexpr int max_picture_density = 3;

// "dir/name.ext" as Qt names its rendering at `density`: "dir/name@2x.ext"; `path` itself at 1.
QString dense_variant_path(const QString& path, int density);
// The density a paint at `device_scale` device pixels a logical pixel needs: 1 up to 1, above it
// the next whole number, at most max_picture_density.
int wanted_density(qreal device_scale);

} // namespace formats
