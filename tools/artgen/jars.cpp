#include "artgen.h"
#include "palette.h"

#include <QPainter>
#include <QPainterPath>

namespace artgen {

QColor mixed(const QColor& a, const QColor& b, double t)
{
    const auto mix = [t](int x, int y) { return static_cast<int>(x + (y - x) * t + 0.5); };
    return QColor(mix(a.red(), b.red()), mix(a.green(), b.green()), mix(a.blue(), b.blue()));
}

namespace {

void draw_glow(QPainter& p, const QRectF& body)
{
    for (int i = 5; i >= 1; --i) {
        QColor c = glow;
        c.setAlpha(60 + (5 - i) * 30);
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        p.drawRoundedRect(body.adjusted(-i, -i, i, i), 12 + i, 12 + i);
    }
}

void draw_sparkle(QPainter& p, QPointF centre, double r)
{
    QPainterPath star;
    star.moveTo(centre.x(), centre.y() - r);
    star.quadTo(centre, QPointF(centre.x() + r, centre.y()));
    star.quadTo(centre, QPointF(centre.x(), centre.y() + r));
    star.quadTo(centre, QPointF(centre.x() - r, centre.y()));
    star.quadTo(centre, QPointF(centre.x(), centre.y() - r));
    p.setPen(QPen(QColor(200, 140, 0), 1));
    p.setBrush(Qt::white);
    p.drawPath(star);
}

// A glass jar of paint: screw lid, glass body with a highlight, and the paint in the jar's exact colour.
QImage jar_picture(const JarColour& jar, bool selected)
{
    const int w = jar.size.width(), h = jar.size.height();
    QImage art = transparent_canvas(w, h);
    QPainter p(&art);
    p.setRenderHint(QPainter::Antialiasing);
    const double lift = selected ? 3 : 0;
    const QRectF body(6, 16 - lift, w - 12, h - 22);
    if (selected)
        draw_glow(p, body.adjusted(-1, -12, 1, 1));

    QPainterPath glass;
    glass.addRoundedRect(body, 11, 11);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(226, 240, 248, 220));
    p.drawPath(glass);

    p.save();
    p.setClipPath(glass);
    const QRectF paint(body.left(), body.top() + body.height() * 0.3, body.width(), body.height());
    p.setBrush(jar.base);
    p.drawRect(paint);
    p.setBrush(mixed(jar.base, Qt::white, 0.35));
    p.drawEllipse(QRectF(paint.left(), paint.top() - 3, paint.width(), 7));
    p.setBrush(jar.base);
    p.drawRect(QRectF(paint.left(), paint.top() + 1, paint.width(), paint.height()));
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawRoundedRect(QRectF(body.left() + 5, body.top() + 5, 5, body.height() - 14), 3, 3);
    p.restore();

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(70, 92, 112), 2));
    p.drawPath(glass);

    const QRectF lid(9, 6 - lift * 2, w - 18, 12);
    p.setPen(QPen(QColor(120, 70, 20), 1.5));
    p.setBrush(selected ? QColor(255, 196, 40) : QColor(214, 150, 70));
    p.drawRoundedRect(lid, 4, 4);
    p.setPen(QPen(QColor(150, 95, 40, 160), 1));
    for (double x = lid.left() + 5; x < lid.right() - 3; x += 5)
        p.drawLine(QPointF(x, lid.top() + 3), QPointF(x, lid.bottom() - 3));
    if (selected)
        draw_sparkle(p, QPointF(w - 9, 12), 6);
    p.end();
    return keyed(art, panel);
}

} // namespace

void render_jars(const Output& out)
{
    for (std::size_t i = 0; i < jar_colours.size(); ++i) {
        const JarColour& jar = jar_colours[i];
        const QImage plain = jar_picture(jar, false);
        out.bmp("banks/" + jar.letter + ".bmp", plain);
        out.bmp("banks/" + jar.letter + "_.bmp", jar_picture(jar, true));
        out.design_bmp(jar_controls[i], plain);
    }
}

} // namespace artgen
