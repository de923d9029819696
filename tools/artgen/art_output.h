#pragma once

#include <QColor>
#include <QImage>
#include <QString>

namespace artgen {

// Every transparent picture keeps its background in this colour, and its bottom-left pixel has it.
inline const QColor key_colour(255, 0, 255);

// Where the rendered files go: the resource tree and the folder of the compiled-in design pictures.
struct Output {
    QString res_dir;
    QString design_dir;

    // Writes res_dir + relative as a Windows bitmap of 24 bits, or 8 bits with a grey table.
    void bmp(const QString& relative, const QImage& image, int depth = 24) const;
    void design_bmp(const QString& control, const QImage& image, int depth = 24) const;
    void jpeg(const QString& path, const QImage& image, int quality = 90) const;
};

// A blank ARGB canvas for anti-aliased art that becomes a keyed picture.
QImage transparent_canvas(int width, int height);
// Flattens anti-aliased art onto `matte` (the colour it will be seen against), turns what is
// mostly transparent into the key colour and makes sure the bottom-left pixel is key.
QImage keyed(const QImage& art, const QColor& matte);

void ensure_dir(const QString& path);

} // namespace artgen
