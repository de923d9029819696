#include "art_output.h"

#include "formats/bmp_codec.h"
#include "pixels/bitmap.h"

#include <QDir>
#include <QFileInfo>
#include <stdexcept>

namespace artgen {

namespace {

// An 8-bit grey picture: the luminance of every pixel indexes a 256-entry grey table.
pixels::Bitmap grey_bitmap(const QImage& image)
{
    QImage indexed(image.size(), QImage::Format_Indexed8);
    QList<QRgb> table;
    for (int i = 0; i < 256; ++i)
        table.append(qRgb(i, i, i));
    indexed.setColorTable(table);
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        uchar* out = indexed.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x)
            out[x] = static_cast<uchar>(qGray(in[x]));
    }
    return pixels::Bitmap::adopt(indexed, 8);
}

int current_density = 1;

} // namespace

int density()
{
    return current_density;
}

DensityScope::DensityScope(int density) : previous_(current_density)
{
    current_density = density;
}

DensityScope::~DensityScope()
{
    current_density = previous_;
}

QString at_density(const QString& relative, int density)
{
    if (density == 1)
        return relative;
    const int dot = relative.lastIndexOf('.');
    const QString suffix = QStringLiteral("@%1x").arg(density);
    return dot < 0 || dot < relative.lastIndexOf('/') ? relative + suffix
                                                      : relative.left(dot) + suffix + relative.mid(dot);
}

void ensure_dir(const QString& path)
{
    if (!QDir().mkpath(path))
        throw std::runtime_error(("cannot create folder " + path).toStdString());
}

void Output::bmp(const QString& relative, const QImage& image, int depth) const
{
    const QString path = res_dir + at_density(relative, density());
    ensure_dir(QFileInfo(path).absolutePath());
    const pixels::Bitmap bitmap = depth == 8 ? grey_bitmap(image) : pixels::Bitmap::from_image(image);
    formats::write_bmp(bitmap, path);
}

void Output::design_bmp(const QString& control, const QImage& image, int depth) const
{
    ensure_dir(design_dir);
    const pixels::Bitmap bitmap = depth == 8 ? grey_bitmap(image) : pixels::Bitmap::from_image(image);
    formats::write_bmp(bitmap, design_dir + at_density(control + ".bmp", density()));
}

void Output::jpeg(const QString& path, const QImage& image, int quality) const
{
    const QString dense_path = at_density(path, density());
    ensure_dir(QFileInfo(dense_path).absolutePath());
    if (!image.convertToFormat(QImage::Format_RGB32).save(dense_path, "JPG", quality))
        throw std::runtime_error(("cannot write " + dense_path).toStdString());
}

QImage transparent_canvas(int width, int height)
{
    QImage image(width * density(), height * density(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(density());
    image.fill(Qt::transparent);
    return image;
}

QImage opaque_canvas(int width, int height)
{
    QImage image(width * density(), height * density(), QImage::Format_RGB32);
    image.setDevicePixelRatio(density());
    return image;
}

QRectF logical_rect(const QImage& image)
{
    return {QPointF(0, 0), image.deviceIndependentSize()};
}

QImage keyed(const QImage& art, const QColor& matte)
{
    const QImage source = art.convertToFormat(QImage::Format_ARGB32);
    QImage out(source.size(), QImage::Format_RGB32);
    out.setDevicePixelRatio(source.devicePixelRatio());
    const int mr = matte.red(), mg = matte.green(), mb = matte.blue();
    for (int y = 0; y < source.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < source.width(); ++x) {
            const int a = qAlpha(in[x]);
            if (a < 128) {
                row[x] = key_colour.rgb();
                continue;
            }
            const auto mix = [a](int c, int m) { return (c * a + m * (255 - a) + 127) / 255; };
            row[x] = qRgb(mix(qRed(in[x]), mr), mix(qGreen(in[x]), mg), mix(qBlue(in[x]), mb));
        }
    }
    out.setPixel(0, out.height() - 1, key_colour.rgb());
    return out;
}

} // namespace artgen
