#include "artgen.h"
#include "effects.h"
#include "palette.h"

#include <QPainter>
#include <QPainterPath>

namespace artgen {

namespace {

const QColor outline(70, 50, 40);

// The bucket's inside or its paint: the area that the colour displays recolour from 20,20.
const QColor bucket_inside(150, 160, 172);

// The chosen tool sits on a lit plate and glows, so the selection reads at a glance.
QImage finish(const QImage& art, bool selected)
{
    if (!selected)
        return keyed(art, panel);
    const QRectF area = logical_rect(art);
    QImage plate = transparent_canvas(static_cast<int>(area.width()), static_cast<int>(area.height()));
    QPainter p(&plate);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(glow, 3));
    p.setBrush(highlight_fill);
    p.drawRoundedRect(area.adjusted(2, 2, -2, -2), 14, 14);
    p.drawImage(0, 0, with_glow(art, 3, Qt::white));
    p.end();
    return keyed(plate, panel);
}

// A round brush lying from the upper right (handle) to the lower left (tip). The bristles are one
// flat area around 20,74, which the brush button fills with the colour the brush paints.
QImage brush_art(int w, int h, const QColor& bristles)
{
    QImage art = transparent_canvas(w, h);
    QPainter p(&art);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(w / 2.0, h / 2.0);
    p.rotate(30);
    p.setPen(QPen(outline, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(226, 96, 60));
    p.drawRoundedRect(QRectF(-9, -46, 18, 48), 9, 9);
    p.setBrush(QColor(205, 212, 222));
    p.drawRect(QRectF(-11, 0, 22, 14));
    QPainterPath tuft;
    tuft.moveTo(-11, 14);
    tuft.cubicTo(-18, 28, -6, 40, 0, 47);
    tuft.cubicTo(6, 40, 18, 28, 11, 14);
    tuft.closeSubpath();
    p.setBrush(bristles);
    p.drawPath(tuft);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 110));
    p.drawRoundedRect(QRectF(-5, -42, 4, 40), 2, 2);
    return art;
}

// A tin bucket seen a little from above; the inside (or paint) is one aliased flat area around 20,20.
QImage bucket_art(bool with_paint)
{
    QImage art = transparent_canvas(84, 102);
    QPainter p(&art);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(outline, 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(10, 2, 64, 54), 0, 180 * 16);
    p.setPen(QPen(outline, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath body;
    body.moveTo(6, 27);
    body.lineTo(16, 92);
    body.quadTo(42, 100, 68, 92);
    body.lineTo(78, 27);
    body.closeSubpath();
    QLinearGradient metal(6, 0, 78, 0);
    metal.setColorAt(0, QColor(228, 236, 244));
    metal.setColorAt(0.45, QColor(176, 192, 210));
    metal.setColorAt(1, QColor(122, 138, 158));
    p.setBrush(metal);
    p.drawPath(body);
    p.setPen(QPen(QColor(110, 124, 140), 2));
    p.drawLine(QPointF(11, 60), QPointF(73, 60));
    p.setPen(QPen(outline, 2));
    p.setBrush(QColor(212, 222, 232));
    p.drawEllipse(QRectF(5, 13, 74, 28));
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(with_paint ? QColor(255, 0, 0) : bucket_inside);
    p.drawEllipse(QRect(10, 16, 64, 21));
    if (with_paint) {
        QPainterPath drip;
        drip.moveTo(54, 32);
        drip.lineTo(68, 30);
        drip.cubicTo(66, 40, 67, 48, 68, 54);
        drip.cubicTo(69, 62, 57, 63, 58, 54);
        drip.cubicTo(59, 46, 57, 40, 54, 32);
        p.drawPath(drip);
    }
    return art;
}

QImage eraser_art()
{
    QImage art = transparent_canvas(73, 59);
    QPainter p(&art);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(outline, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QPolygonF top({QPointF(6, 34), QPointF(36, 8), QPointF(68, 18), QPointF(38, 44)});
    const QPolygonF front({QPointF(6, 34), QPointF(38, 44), QPointF(38, 55), QPointF(6, 45)});
    const QPolygonF side({QPointF(38, 44), QPointF(68, 18), QPointF(68, 29), QPointF(38, 55)});
    p.setBrush(QColor(255, 150, 170));
    p.drawPolygon(top);
    p.setBrush(QColor(226, 104, 128));
    p.drawPolygon(front);
    p.setBrush(QColor(196, 80, 104));
    p.drawPolygon(side);
    p.setBrush(QColor(90, 150, 230));
    p.drawPolygon(QPolygonF({QPointF(36, 8), QPointF(68, 18), QPointF(55, 29), QPointF(22, 20)}));
    p.setBrush(QColor(60, 110, 190));
    p.drawPolygon(QPolygonF({QPointF(55, 29), QPointF(68, 18), QPointF(68, 29), QPointF(55, 40)}));
    return art;
}

QImage pipette_art()
{
    QImage art = transparent_canvas(52, 63);
    QPainter p(&art);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(26, 31);
    p.rotate(35);
    p.scale(1.3, 1.0);
    p.setPen(QPen(outline, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(226, 60, 70));
    p.drawRoundedRect(QRectF(-8, -30, 16, 20), 8, 8);
    p.setBrush(QColor(90, 90, 100));
    p.drawRect(QRectF(-9, -12, 18, 5));
    QPainterPath tube;
    tube.moveTo(-5, -7);
    tube.lineTo(-5, 16);
    tube.lineTo(0, 28);
    tube.lineTo(5, 16);
    tube.lineTo(5, -7);
    tube.closeSubpath();
    p.setBrush(QColor(214, 238, 250));
    p.drawPath(tube);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 140, 230));
    p.drawRect(QRectF(-4, 6, 8, 10));
    p.drawEllipse(QRectF(-3, 29, 6, 6));
    return art;
}

struct ToolFile {
    const char* name;
    const char* control;
    QImage art;
};

} // namespace

void render_tools(const Output& out)
{
    const QImage plain_brush = brush_art(70, 92, QColor(196, 150, 96));
    out.bmp("instruments/кисть.bmp", finish(plain_brush, false));
    out.bmp("instruments/кисть_.bmp", finish(plain_brush, true));
    out.design_bmp("brush_button", finish(plain_brush, false));
    for (const JarColour& jar : jar_colours)
        if (jar.letter != "ч")
            out.bmp("instruments/кисть_" + jar.letter + ".bmp", finish(brush_art(70, 92, jar.base), true));

    const QImage empty = keyed(bucket_art(false), panel);
    out.bmp("instruments/ведро пустое.bmp", empty);
    out.bmp("instruments/ведро пустое_.bmp", empty);
    out.bmp("instruments/с краской.bmp", keyed(bucket_art(true), panel));
    out.bmp("instruments/с краской_.bmp", keyed(bucket_art(true), panel));
    out.design_bmp("bucket_button", empty);

    const ToolFile tools[] = {{"ластик", "eraser_button", eraser_art()},
                              {"пипетка", "pipette_button", pipette_art()}};
    for (const ToolFile& tool : tools) {
        out.bmp(QString("instruments/") + tool.name + ".bmp", finish(tool.art, false));
        out.bmp(QString("instruments/") + tool.name + "_.bmp", finish(tool.art, true));
        out.design_bmp(tool.control, finish(tool.art, false));
    }
}

} // namespace artgen
