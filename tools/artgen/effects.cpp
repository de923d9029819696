#include "effects.h"

#include <QPainter>
#include <algorithm>
#include <vector>

namespace artgen {

namespace {

// Alpha channel of `art` dilated by a square of half-size d (a separable max filter).
std::vector<int> dilated_alpha(const QImage& art, int d)
{
    const int w = art.width(), h = art.height();
    std::vector<int> alpha(static_cast<size_t>(w) * h), row(alpha.size());
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            alpha[static_cast<size_t>(y) * w + x] = qAlpha(art.pixel(x, y));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            int m = 0;
            for (int k = std::max(0, x - d); k <= std::min(w - 1, x + d); ++k)
                m = std::max(m, alpha[static_cast<size_t>(y) * w + k]);
            row[static_cast<size_t>(y) * w + x] = m;
        }
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            int m = 0;
            for (int k = std::max(0, y - d); k <= std::min(h - 1, y + d); ++k)
                m = std::max(m, row[static_cast<size_t>(k) * w + x]);
            alpha[static_cast<size_t>(y) * w + x] = m;
        }
    return alpha;
}

} // namespace

QImage with_glow(const QImage& art, int radius, const QColor& colour)
{
    const QImage source = art.convertToFormat(QImage::Format_ARGB32);
    QImage halo(source.size(), QImage::Format_ARGB32);
    halo.fill(Qt::transparent);
    for (int d = radius; d >= 1; --d) {
        const std::vector<int> mask = dilated_alpha(source, d);
        const int strength = 255 * (radius + 1 - d) / (radius + 1);
        for (int y = 0; y < source.height(); ++y)
            for (int x = 0; x < source.width(); ++x) {
                const int a = mask[static_cast<size_t>(y) * source.width() + x] * strength / 255;
                if (a > qAlpha(halo.pixel(x, y)))
                    halo.setPixel(x, y, qRgba(colour.red(), colour.green(), colour.blue(), a));
            }
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
