#include "bar_symbols.h"

#include <QPainterPath>

namespace artgen {

namespace {

const QColor outline(80, 50, 30);

void outlined(QPainter& p, const QColor& fill, double width = 5)
{
    p.setPen(QPen(outline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
}

QPointF at(const QRectF& box, double fx, double fy)
{
    return {box.left() + box.width() * fx, box.top() + box.height() * fy};
}

QRectF part(const QRectF& box, double fx, double fy, double fw, double fh)
{
    return {box.left() + box.width() * fx, box.top() + box.height() * fy, box.width() * fw,
            box.height() * fh};
}

} // namespace

void draw_house(QPainter& p, const QRectF& box)
{
    outlined(p, QColor(255, 226, 150));
    p.drawRect(part(box, 0.14, 0.45, 0.72, 0.53));
    outlined(p, QColor(220, 70, 50));
    p.drawPolygon(QPolygonF({at(box, 0.5, 0.04), at(box, 0.98, 0.48), at(box, 0.02, 0.48)}));
    outlined(p, QColor(150, 90, 50));
    p.drawRoundedRect(part(box, 0.40, 0.66, 0.22, 0.32), 8, 8);
    outlined(p, QColor(140, 210, 250));
    p.drawRect(part(box, 0.2, 0.55, 0.15, 0.12));
    p.drawRect(part(box, 0.66, 0.55, 0.15, 0.12));
    outlined(p, QColor(180, 100, 70));
    p.drawRect(part(box, 0.7, 0.12, 0.12, 0.2));
}

void draw_printer(QPainter& p, const QRectF& box)
{
    outlined(p, Qt::white);
    p.drawRect(part(box, 0.25, 0.02, 0.5, 0.4));
    outlined(p, QColor(120, 170, 230));
    p.drawRoundedRect(part(box, 0.04, 0.3, 0.92, 0.45), 12, 12);
    outlined(p, Qt::white);
    p.drawRect(part(box, 0.22, 0.62, 0.56, 0.36));
    outlined(p, QColor(255, 120, 80), 3);
    p.drawEllipse(part(box, 0.78, 0.4, 0.08, 0.08));
    p.setPen(QPen(QColor(150, 150, 150), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(at(box, 0.3, 0.74), at(box, 0.7, 0.74));
    p.drawLine(at(box, 0.3, 0.86), at(box, 0.6, 0.86));
}

void draw_open_folder(QPainter& p, const QRectF& box)
{
    outlined(p, QColor(236, 176, 70));
    QPainterPath back;
    back.moveTo(at(box, 0.08, 0.95));
    back.lineTo(at(box, 0.08, 0.2));
    back.lineTo(at(box, 0.3, 0.2));
    back.lineTo(at(box, 0.36, 0.3));
    back.lineTo(at(box, 0.84, 0.3));
    back.lineTo(at(box, 0.84, 0.95));
    back.closeSubpath();
    p.drawPath(back);
    outlined(p, Qt::white);
    p.drawRect(part(box, 0.2, 0.08, 0.56, 0.55));
    outlined(p, QColor(255, 210, 60), 3);
    p.drawEllipse(part(box, 0.26, 0.14, 0.12, 0.16));
    outlined(p, QColor(110, 190, 90), 3);
    p.drawPolygon(QPolygonF({at(box, 0.22, 0.6), at(box, 0.42, 0.3), at(box, 0.58, 0.6)}));
    p.drawPolygon(QPolygonF({at(box, 0.45, 0.6), at(box, 0.6, 0.38), at(box, 0.74, 0.6)}));
    outlined(p, QColor(255, 200, 90));
    p.drawPolygon(QPolygonF({at(box, 0.02, 0.45), at(box, 0.84, 0.45), at(box, 0.98, 0.45),
                             at(box, 0.86, 0.96), at(box, 0.1, 0.96)}));
}

void draw_floppy(QPainter& p, const QRectF& box)
{
    outlined(p, QColor(70, 120, 210));
    QPainterPath body;
    body.moveTo(at(box, 0.04, 0.04));
    body.lineTo(at(box, 0.8, 0.04));
    body.lineTo(at(box, 0.96, 0.2));
    body.lineTo(at(box, 0.96, 0.96));
    body.lineTo(at(box, 0.04, 0.96));
    body.closeSubpath();
    p.drawPath(body);
    outlined(p, QColor(220, 225, 235), 4);
    p.drawRect(part(box, 0.24, 0.04, 0.5, 0.3));
    outlined(p, QColor(70, 120, 210), 3);
    p.drawRect(part(box, 0.56, 0.09, 0.1, 0.2));
    outlined(p, Qt::white, 4);
    p.drawRoundedRect(part(box, 0.16, 0.5, 0.68, 0.42), 6, 6);
    outlined(p, QColor(80, 190, 80), 3);
    p.drawPolygon(
        QPolygonF({at(box, 0.43, 0.54), at(box, 0.57, 0.54), at(box, 0.57, 0.68), at(box, 0.67, 0.68),
                   at(box, 0.5, 0.88), at(box, 0.33, 0.68), at(box, 0.43, 0.68)}));
}

void draw_door(QPainter& p, const QRectF& box)
{
    outlined(p, QColor(110, 70, 40));
    p.drawRect(part(box, 0.08, 0.06, 0.62, 0.92));
    outlined(p, QColor(196, 120, 60));
    p.drawPolygon(
        QPolygonF({at(box, 0.08, 0.06), at(box, 0.48, 0.14), at(box, 0.48, 0.92), at(box, 0.08, 0.98)}));
    outlined(p, QColor(255, 210, 60), 3);
    p.drawEllipse(part(box, 0.38, 0.5, 0.07, 0.05));
    outlined(p, QColor(80, 190, 80), 4);
    p.drawPolygon(QPolygonF({at(box, 0.56, 0.42), at(box, 0.8, 0.42), at(box, 0.8, 0.34), at(box, 0.98, 0.5),
                             at(box, 0.8, 0.66), at(box, 0.8, 0.58), at(box, 0.56, 0.58)}));
}

} // namespace artgen
