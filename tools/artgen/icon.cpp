#include "artgen.h"

#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <stdexcept>

namespace artgen {

namespace {

// The sizes desktops look for in the hicolor icon theme.
const int icon_sizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

} // namespace

void render_icon(const QString& svg_path, const QString& theme_dir)
{
    QSvgRenderer renderer(svg_path);
    if (!renderer.isValid())
        throw std::runtime_error(("cannot read the icon " + svg_path).toStdString());
    for (const int size : icon_sizes) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(0, 0, size, size));
        painter.end();
        const QString path = QStringLiteral("%1/%2x%2/apps/%3.png")
                                 .arg(theme_dir)
                                 .arg(size)
                                 .arg(QFileInfo(svg_path).completeBaseName());
        ensure_dir(QFileInfo(path).absolutePath());
        if (!image.save(path, "PNG"))
            throw std::runtime_error(("cannot write " + path).toStdString());
    }
}

} // namespace artgen
