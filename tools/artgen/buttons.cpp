#include "artgen.h"
#include "effects.h"
#include "palette.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

namespace artgen {

namespace {

const QColor outline(96, 60, 30);

// The pill of the preview strip's scroll buttons with a big arrow pointing up or down.
QImage scroll_button(bool up, bool highlighted)
{
    QImage art = transparent_canvas(123, 33);
    QPainter p(&art);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF pill(3, 3, 117, 27);
    QLinearGradient face(0, pill.top(), 0, pill.bottom());
    face.setColorAt(0, highlighted ? QColor(255, 236, 120) : QColor(255, 200, 120));
    face.setColorAt(1, highlighted ? QColor(255, 176, 30) : QColor(236, 140, 60));
    p.setPen(QPen(highlighted ? QColor(200, 110, 0) : outline, 2));
    p.setBrush(face);
    p.drawRoundedRect(pill, 13, 13);
    QPolygonF arrow = up ? QPolygonF({QPointF(61.5, 7), QPointF(78, 25), QPointF(45, 25)})
                         : QPolygonF({QPointF(61.5, 26), QPointF(78, 8), QPointF(45, 8)});
    p.setPen(QPen(outline, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPolygon(arrow);
    p.end();
    return keyed(art, panel);
}

// A fat curved arrow bending back to the left (undo) or forward to the right (redo).
QImage history_button(bool forward, bool coloured)
{
    QImage art = transparent_canvas(143, 80);
    QPainter p(&art);
    p.setRenderHint(QPainter::Antialiasing);
    if (forward) {
        p.translate(143, 0);
        p.scale(-1, 1);
    }
    QPainterPath arrow;
    arrow.moveTo(8, 34);
    arrow.lineTo(44, 6);
    arrow.lineTo(44, 22);
    arrow.cubicTo(100, 18, 136, 40, 132, 74);
    arrow.cubicTo(118, 50, 90, 44, 44, 46);
    arrow.lineTo(44, 62);
    arrow.closeSubpath();
    const QColor face =
        coloured ? (forward ? QColor(96, 196, 70) : QColor(255, 140, 40)) : QColor(190, 190, 190);
    const QColor edge = coloured ? outline : QColor(120, 120, 120);
    QLinearGradient shade(0, 0, 0, 80);
    shade.setColorAt(0, mixed(face, Qt::white, 0.35));
    shade.setColorAt(1, face);
    p.setPen(QPen(edge, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(shade);
    p.drawPath(arrow);
    p.end();
    return keyed(coloured ? with_glow(art, 3, glow) : art, paper);
}

// A tab of the photograph panel: a rounded top edge and its word, shrunk to fit the part of the
// tab that the neighbouring tab leaves visible.
QImage tab(int width, int visible, const QString& word, bool photo)
{
    QImage art = transparent_canvas(width, 21);
    QPainter p(&art);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(1, 1, width - 2, 26), 8, 8);
    QPainterPath clip;
    clip.addRect(0, 0, width, 20);
    p.setPen(QPen(outline, 1.5));
    p.setBrush(photo ? QColor(255, 214, 140) : QColor(190, 226, 160));
    p.drawPath(shape.intersected(clip));
    QFont font("Tahoma");
    font.setBold(true);
    for (int size = 11; size > 7; --size) {
        font.setPixelSize(size);
        if (QFontMetrics(font).horizontalAdvance(word) <= visible - 8)
            break;
    }
    p.setFont(font);
    p.setPen(QColor(70, 40, 20));
    p.drawText(QRectF(3, 2, visible - 6, 18), Qt::AlignCenter, word);
    p.end();
    return keyed(art, paper);
}

} // namespace

void render_buttons(const Output& out)
{
    out.bmp("buttons/вв.bmp", scroll_button(true, false));
    out.bmp("buttons/вв_.bmp", scroll_button(true, true));
    out.bmp("buttons/вн.bmp", scroll_button(false, false));
    out.bmp("buttons/вн_.bmp", scroll_button(false, true));
    out.design_bmp("strip_up_button", scroll_button(true, false));
    out.design_bmp("strip_down_button", scroll_button(false, false));

    out.bmp("buttons/назад.bmp", history_button(false, true));
    out.bmp("buttons/назад чб.bmp", history_button(false, false));
    out.bmp("buttons/вперед.bmp", history_button(true, true));
    out.bmp("buttons/вперед чб.bmp", history_button(true, false));
    out.design_bmp("undo_button", history_button(false, false));
    out.design_bmp("redo_button", history_button(true, false));

    out.design_bmp("photo_tab", photo_tab(QStringLiteral("Фотография")));
    out.design_bmp("description_tab", description_tab(QStringLiteral("Описание")));
}

QImage photo_tab(const QString& word)
{
    return tab(80, 70, word, true);
}

QImage description_tab(const QString& word)
{
    return tab(120, 120, word, false);
}

} // namespace artgen
