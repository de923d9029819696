#include "artgen.h"
#include "catalogue.h"

#include <QPainter>
#include <QPainterPath>

namespace artgen {

namespace {

// Extra pictures are line drawings too: black outlines on white, aliased, so every area fills cleanly.
QImage sheet(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

void ink(QPainter& p, double width)
{
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
}

QImage ball(int side)
{
    QImage image = sheet(side, side);
    QPainter p(&image);
    ink(p, 3);
    const QRectF r(8, 8, side - 16, side - 16);
    p.drawEllipse(r);
    p.drawArc(r.adjusted(r.width() * 0.3, 0, -r.width() * 0.3, 0), 0, 360 * 16);
    p.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
    return image;
}

QImage butterfly(int width, int height)
{
    QImage image = sheet(width, height);
    QPainter p(&image);
    ink(p, 4);
    const QPointF c(width / 2.0, height / 2.0);
    p.drawEllipse(QRectF(c.x() - 14, c.y() - 120, 28, 240));
    for (int side : {-1, 1}) {
        p.drawEllipse(QRectF(c.x() + (side < 0 ? -200 : 20), c.y() - 190, 180, 190));
        p.drawEllipse(QRectF(c.x() + (side < 0 ? -170 : 30), c.y() + 10, 140, 150));
        p.drawEllipse(QRectF(c.x() + side * 100 - 30, c.y() - 130, 60, 60));
        p.drawLine(c + QPointF(side * 6, -118), c + QPointF(side * 60, -190));
    }
    p.drawLine(QPointF(0, height - 40), QPointF(width, height - 40));
    return image;
}

QImage sunflower(int width, int height)
{
    QImage image = sheet(width, height);
    QPainter p(&image);
    ink(p, 4);
    const QPointF c(width / 2.0, height * 0.35);
    for (int i = 0; i < 12; ++i) {
        p.save();
        p.translate(c);
        p.rotate(i * 30);
        p.drawEllipse(QRectF(-22, -150, 44, 90));
        p.restore();
    }
    p.setBrush(Qt::white);
    p.drawEllipse(c, 70, 70);
    p.drawLine(c + QPointF(0, 150), QPointF(c.x(), height - 60));
    p.drawEllipse(QRectF(c.x(), height * 0.7, 110, 50));
    p.drawLine(QPointF(0, height - 60), QPointF(width, height - 60));
    return image;
}

QImage rainbow(int width, int height)
{
    QImage image = sheet(width, height);
    QPainter p(&image);
    ink(p, 5);
    const QPointF c(width / 2.0, height * 0.62);
    for (int i = 0; i < 8; ++i) {
        const double r = width * 0.45 - i * 36;
        p.drawArc(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 0, 180 * 16);
    }
    p.drawLine(QPointF(0, c.y()), QPointF(width, c.y()));
    p.drawEllipse(QPointF(width * 0.15, height * 0.12), 60, 60);
    return image;
}

} // namespace

void render_extra_pictures(const Output& out)
{
    const struct {
        const char* name;
        QImage picture;
        int depth;
    } pictures[] = {{"мяч", ball(120), 24},
                    {"бабочка", butterfly(474, 593), 24},
                    {"подсолнух", sunflower(474, 593), 8},
                    {"радуга", rainbow(800, 1000), 24}};
    for (const auto& extra : pictures) {
        check_line_drawing(extra.name, extra.picture, extra.picture);
        out.bmp(QString("pic-dop/") + extra.name + ".bmp", extra.picture, extra.depth);
    }
}

} // namespace artgen
