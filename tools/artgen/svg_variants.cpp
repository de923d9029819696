#include "svg_variants.h"

#include <QDomDocument>
#include <QPainter>
#include <QSvgRenderer>
#include <functional>
#include <stdexcept>

namespace artgen {

namespace {

using Rewrite = std::function<QString(const QString& property, const QString& value)>;

bool is_black(const QString& value)
{
    const QString v = value.trimmed().toLower();
    return v == "#000" || v == "#000000" || v == "black";
}

// Applies `rewrite` to presentation attributes and to the declarations of style attributes alike.
void rewrite_element(QDomElement element, const Rewrite& rewrite)
{
    const QDomNamedNodeMap attributes = element.attributes();
    for (int i = 0; i < attributes.count(); ++i) {
        QDomAttr attribute = attributes.item(i).toAttr();
        if (attribute.name() == "style") {
            QStringList declarations;
            for (const QString& declaration : attribute.value().split(';', Qt::SkipEmptyParts)) {
                const qsizetype colon = declaration.indexOf(':');
                if (colon < 0)
                    continue;
                const QString property = declaration.left(colon).trimmed();
                declarations << property + ':' + rewrite(property, declaration.mid(colon + 1).trimmed());
            }
            attribute.setValue(declarations.join(';'));
        } else {
            attribute.setValue(rewrite(attribute.name(), attribute.value()));
        }
    }
    for (QDomElement child = element.firstChildElement(); !child.isNull(); child = child.nextSiblingElement())
        rewrite_element(child, rewrite);
}

QByteArray rewritten(const QByteArray& svg, const Rewrite& rewrite,
                     const std::function<void(QDomElement)>& root_setup)
{
    QDomDocument document;
    if (!document.setContent(svg))
        throw std::runtime_error("the SVG is not well-formed XML");
    QDomElement root = document.documentElement();
    root_setup(root);
    rewrite_element(root, rewrite);
    return document.toByteArray();
}

} // namespace

QByteArray line_svg(const QByteArray& svg)
{
    return rewritten(
        svg,
        [](const QString& property, const QString& value) -> QString {
            if (property == "fill")
                return value == "none" || is_black(value) ? value : QStringLiteral("#ffffff");
            if (property == "stroke")
                return value == "none" ? value : QStringLiteral("#000000");
            if (property.endsWith("opacity"))
                return QStringLiteral("1");
            return value;
        },
        [](QDomElement root) {
            if (!root.hasAttribute("fill"))
                root.setAttribute("fill", "#ffffff");
        });
}

QByteArray scene_svg(const QByteArray& svg)
{
    return rewritten(
        svg,
        [](const QString& property, const QString& value) -> QString {
            if (property == "stroke")
                return value == "none" ? value : QStringLiteral("#2a1a10");
            if (property == "stroke-opacity")
                return QStringLiteral("0.4");
            return value;
        },
        [](QDomElement root) { root.setAttribute("stroke-opacity", "0.4"); });
}

QImage render_svg(const QByteArray& svg, QSize size, const QString& name, const QRectF& frame)
{
    QSvgRenderer renderer(svg);
    if (!renderer.isValid())
        throw std::runtime_error((name + ": the SVG cannot be rendered").toStdString());
    if (!frame.isEmpty())
        renderer.setViewBox(frame);
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    renderer.render(&p, QRectF(QPointF(0, 0), size));
    return image;
}

QImage thresholded(const QImage& image)
{
    QImage out = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            row[x] = qGray(row[x]) < 128 ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
    }
    return out;
}

} // namespace artgen
