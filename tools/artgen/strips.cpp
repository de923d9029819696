#include "artgen.h"
#include "palette.h"

#include <functional>

namespace artgen {

namespace {

constexpr int strip_width = 230;
constexpr int strip_height = 30;

// Every column is one colour, so a press anywhere in a column takes that column's shade; at a
// higher density a logical column is as many device columns of that same shade, so the colour a
// press takes is the one shown under the pointer.
QImage strip(const std::function<QColor(double)>& shade_at)
{
    QImage image = opaque_canvas(strip_width, strip_height);
    for (int x = 0; x < image.width(); ++x) {
        const QRgb colour = shade_at(static_cast<double>(x / density()) / (strip_width - 1)).rgb();
        for (int y = 0; y < image.height(); ++y)
            image.setPixel(x, y, colour);
    }
    return image;
}

// Dark on the left, the base colour itself in the middle, nearly white on the right.
QColor shade_of(const QColor& base, double t)
{
    if (t < 0.5)
        return mixed(Qt::black, base, 0.25 + 1.5 * t);
    return mixed(base, Qt::white, (t - 0.5) * 2 * 0.9);
}

} // namespace

void render_strips(const Output& out)
{
    for (const JarColour& jar : jar_colours) {
        if (jar.base == QColor(Qt::black))
            out.bmp("gradients/" + jar.strip_letter + ".bmp", strip([](double t) {
                        const int grey = static_cast<int>(t * 245 + 0.5);
                        return QColor(grey, grey, grey);
                    }));
        else
            out.bmp("gradients/" + jar.strip_letter + ".bmp",
                    strip([&jar](double t) { return shade_of(jar.base, t); }));
    }
    out.design_bmp("shade_strip", strip([](double t) {
                       const int grey = 37 + static_cast<int>(t * (253 - 37) + 0.5);
                       return QColor(grey, grey, grey);
                   }));
}

} // namespace artgen
