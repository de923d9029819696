#include "effects.h"

#include <QPainter>
#include <algorithm>
#include <vector>

namespace artgen {

namespace {

std::vector<int> alpha_of(const QImage& art)
{
    std::vector<int> alpha(static_cast<size_t>(art.width()) * art.height());
    for (int y = 0; y < art.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(art.constScanLine(y));
        for (int x = 0; x < art.width(); ++x)
            alpha[static_cast<size_t>(y) * art.width() + x] = qAlpha(row[x]);
    }
    return alpha;
}

// `alpha` dilated by a 3 x 3 square (a separable max filter); d steps dilate by a square of half-size d.
std::vector<int> dilated_by_one(const std::vector<int>& alpha, int w, int h)
{
    std::vector<int> row(alpha.size()), out(alpha.size());
    const auto at = [w](int x, int y) { return static_cast<size_t>(y) * w + x; };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            row[at(x, y)] = std::max(
                {alpha[at(std::max(0, x - 1), y)], alpha[at(x, y)], alpha[at(std::min(w - 1, x + 1), y)]});
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            out[at(x, y)] =
                std::max({row[at(x, std::max(0, y - 1))], row[at(x, y)], row[at(x, std::min(h - 1, y + 1))]});
    return out;
}

} // namespace

QImage with_glow(const QImage& art, int radius, const QColor& colour)
{
    const QImage source = art.convertToFormat(QImage::Format_ARGB32);
    const int w = source.width(), h = source.height();
    // The radius is in logical pixels, so the glow looks the same at every density. Each step
    // dilates the previous one, so the cost grows with the radius, not with its square.
    const int reach = radius * static_cast<int>(source.devicePixelRatio());
    std::vector<int> mask = alpha_of(source);
    std::vector<int> glow_alpha(mask.size(), 0);
    for (int d = 1; d <= reach; ++d) {
        mask = dilated_by_one(mask, w, h);
        const int strength = 255 * (reach + 1 - d) / (reach + 1);
        for (size_t i = 0; i < mask.size(); ++i)
            glow_alpha[i] = std::max(glow_alpha[i], mask[i] * strength / 255);
    }
    QImage halo(source.size(), QImage::Format_ARGB32);
    halo.setDevicePixelRatio(source.devicePixelRatio());
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<QRgb*>(halo.scanLine(y));
        for (int x = 0; x < w; ++x)
            row[x] = qRgba(colour.red(), colour.green(), colour.blue(),
                           glow_alpha[static_cast<size_t>(y) * w + x]);
    }
    QImage result = halo.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter p(&result);
    p.drawImage(0, 0, source);
    return result;
}

QImage blurred(const QImage& image, int radius, int passes)
{
    QImage current = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int w = current.width(), h = current.height();
    const auto at = [](QImage& img, int x, int y) -> QRgb& {
        return reinterpret_cast<QRgb*>(img.scanLine(y))[x];
    };
    for (int pass = 0; pass < passes * 2; ++pass) {
        const bool horizontal = pass % 2 == 0;
        QImage next(current.size(), current.format());
        const int outer = horizontal ? h : w, inner = horizontal ? w : h;
        for (int o = 0; o < outer; ++o)
            for (int i = 0; i < inner; ++i) {
                int sum[4] = {0, 0, 0, 0}, n = 0;
                for (int k = std::max(0, i - radius); k <= std::min(inner - 1, i + radius); ++k, ++n) {
                    const QRgb c = horizontal ? at(current, k, o) : at(current, o, k);
                    sum[0] += qRed(c), sum[1] += qGreen(c), sum[2] += qBlue(c), sum[3] += qAlpha(c);
                }
                (horizontal ? at(next, i, o) : at(next, o, i)) =
                    qRgba(sum[0] / n, sum[1] / n, sum[2] / n, sum[3] / n);
            }
        current = next;
    }
    return current;
}

} // namespace artgen
