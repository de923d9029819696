#include "artgen.h"

#include "formats/cursor_file.h"

#include <QFile>
#include <QPainter>
#include <QPainterPath>
#include <stdexcept>

namespace artgen {

namespace {

const QColor outline(30, 20, 10);

QImage canvas32()
{
    return transparent_canvas(32, 32).convertToFormat(QImage::Format_ARGB32);
}

void pen(QPainter& p, double width = 1.5)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(outline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

// Brush: the tip of the bristles is the hotspot, at the lower left.
formats::CursorImage brush_cursor()
{
    QImage image = canvas32();
    QPainter p(&image);
    pen(p);
    p.setBrush(QColor(226, 96, 60));
    p.drawPolygon(QPolygonF({QPointF(18, 10), QPointF(27, 1), QPointF(31, 5), QPointF(22, 14)}));
    p.setBrush(QColor(205, 212, 222));
    p.drawPolygon(QPolygonF({QPointF(14, 14), QPointF(18, 10), QPointF(22, 14), QPointF(18, 18)}));
    QPainterPath tuft;
    tuft.moveTo(14, 14);
    tuft.cubicTo(8, 16, 4, 24, 1, 30);
    tuft.cubicTo(8, 28, 16, 24, 18, 18);
    tuft.closeSubpath();
    p.setBrush(QColor(120, 80, 50));
    p.drawPath(tuft);
    p.end();
    return {image, QPoint(1, 30)};
}

// Bucket: tilted so that paint pours from its lip; the falling drop marks the hotspot.
formats::CursorImage fill_cursor()
{
    QImage image = canvas32();
    QPainter p(&image);
    pen(p);
    p.translate(18, 12);
    p.rotate(-35);
    p.setBrush(QColor(176, 192, 210));
    p.drawPolygon(QPolygonF({QPointF(-9, -8), QPointF(9, -8), QPointF(7, 10), QPointF(-7, 10)}));
    p.setBrush(QColor(90, 150, 230));
    p.drawEllipse(QRectF(-9, -11, 18, 6));
    p.resetTransform();
    p.setBrush(QColor(90, 150, 230));
    QPainterPath drop;
    drop.moveTo(4, 20);
    drop.cubicTo(1, 24, 1, 29, 3, 30);
    drop.cubicTo(6, 29, 7, 24, 4, 20);
    p.drawPath(drop);
    p.end();
    return {image, QPoint(3, 30)};
}

// Eraser: the rubber's lower left corner rubs, so it is the hotspot.
formats::CursorImage eraser_cursor()
{
    QImage image = canvas32();
    QPainter p(&image);
    pen(p);
    p.setBrush(QColor(255, 150, 170));
    p.drawPolygon(QPolygonF({QPointF(1, 22), QPointF(18, 5), QPointF(30, 12), QPointF(13, 29)}));
    p.setBrush(QColor(90, 150, 230));
    p.drawPolygon(QPolygonF({QPointF(18, 5), QPointF(30, 12), QPointF(23, 19), QPointF(11, 12)}));
    p.end();
    return {image, QPoint(2, 23)};
}

// Pipette: the glass tip at the lower left picks the colour.
formats::CursorImage pipette_cursor()
{
    QImage image = canvas32();
    QPainter p(&image);
    pen(p);
    p.setBrush(QColor(214, 238, 250));
    p.drawPolygon(
        QPolygonF({QPointF(1, 30), QPointF(4, 23), QPointF(17, 10), QPointF(21, 14), QPointF(8, 27)}));
    p.setBrush(QColor(90, 90, 100));
    p.drawPolygon(QPolygonF({QPointF(16, 9), QPointF(19, 6), QPointF(25, 12), QPointF(22, 15)}));
    p.setBrush(QColor(226, 60, 70));
    p.drawEllipse(QRectF(20, 1, 11, 11));
    p.end();
    return {image, QPoint(1, 30)};
}

// Hotspots are given in logical pixels; the file holds them in its own pixels.
void write(const QString& path, formats::CursorImage cursor)
{
    QFile file(path);
    cursor.hotspot *= density();
    const QByteArray bytes = formats::encode_cursor(cursor, 32 * density());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw std::runtime_error(("cannot write " + path).toStdString());
}

} // namespace

void render_cursors(const Output& out)
{
    const QString dir = out.res_dir + "curs/";
    ensure_dir(dir);
    write(dir + at_density("кисть.cur", density()), brush_cursor());
    write(dir + at_density("залив.cur", density()), fill_cursor());
    write(dir + at_density("ластик.cur", density()), eraser_cursor());
    write(dir + at_density("пипетка.cur", density()), pipette_cursor());
}

} // namespace artgen
