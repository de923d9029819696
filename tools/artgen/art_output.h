#pragma once

#include <QColor>
#include <QImage>
#include <QString>

namespace artgen {

// Every transparent picture keeps its background in this colour, and its bottom-left pixel has it.
inline const QColor key_colour(255, 0, 255);

// The density being rendered: 1 for the stored interface, 2 for the denser renderings that high
// density screens show. Images made by the canvas functions below carry it as their device pixel
// ratio, so the same painter code draws every density in logical pixels.
int density();
class DensityScope {
public:
    explicit DensityScope(int density);
    ~DensityScope();
    DensityScope(const DensityScope&) = delete;
    DensityScope& operator=(const DensityScope&) = delete;

private:
    int previous_;
};

// `relative` with the density's Qt suffix before its extension: "banks/к.bmp" or "banks/к@2x.bmp".
QString at_density(const QString& relative, int density);

// Where the rendered files go: the resource tree and the folder of the compiled-in design pictures.
// Every file is written under the name of the density being rendered.
struct Output {
    QString res_dir;
    QString design_dir;

    // Writes res_dir + relative as a Windows bitmap of 24 bits, or 8 bits with a grey table.
    void bmp(const QString& relative, const QImage& image, int depth = 24) const;
    void design_bmp(const QString& control, const QImage& image, int depth = 24) const;
    void jpeg(const QString& path, const QImage& image, int quality = 90) const;
};

// A blank ARGB canvas of `width` x `height` logical pixels at the current density, for
// anti-aliased art that becomes a keyed picture.
QImage transparent_canvas(int width, int height);
// An opaque canvas of `width` x `height` logical pixels at the current density, not filled.
QImage opaque_canvas(int width, int height);
// The image's rectangle in logical pixels.
QRectF logical_rect(const QImage& image);
// Flattens anti-aliased art onto `matte` (the colour it will be seen against), turns what is
// mostly transparent into the key colour and makes sure the bottom-left pixel is key.
QImage keyed(const QImage& art, const QColor& matte);

void ensure_dir(const QString& path);

} // namespace artgen
