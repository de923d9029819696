#include "artgen.h"
#include "palette.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <cstdint>

namespace artgen {

namespace {

constexpr int page_width = 1000;
constexpr int page_height = 700;
const QRect strip_area(4, 2, 136, 606);
const QRect history_area(4, 616, 136, 76);
const QRect canvas_area(213, 10, 474, 593);
const QRect tool_area(752, 4, 242, 684);
const QRect photo_area(776, 444, 204, 235);

// Paper: a warm vertical gradient with a fine grain that never varies by more than a few levels.
void paint_paper(QImage& page)
{
    std::uint32_t seed = 12345;
    for (int y = 0; y < page.height(); ++y) {
        const QColor row = mixed(QColor(255, 246, 226), QColor(246, 226, 192), double(y) / page.height());
        auto* line = reinterpret_cast<QRgb*>(page.scanLine(y));
        for (int x = 0; x < page.width(); ++x) {
            seed = seed * 1664525u + 1013904223u;
            const int grain = static_cast<int>(seed >> 29) - 4;
            line[x] = qRgb(std::clamp(row.red() + grain, 0, 255), std::clamp(row.green() + grain, 0, 255),
                           std::clamp(row.blue() + grain, 0, 255));
        }
    }
}

void soft_panel(QPainter& p, const QRectF& rect, const QColor& fill)
{
    p.setPen(Qt::NoPen);
    for (int i = 6; i >= 1; --i) {
        p.setBrush(QColor(120, 80, 40, 10));
        p.drawRoundedRect(rect.translated(i * 0.6, i * 0.8), 18, 18);
    }
    p.setPen(QPen(panel_edge, 3));
    p.setBrush(fill);
    p.drawRoundedRect(rect, 18, 18);
}

// Wooden shelves under the two rows of jars.
void shelves(QPainter& p)
{
    p.setPen(QPen(QColor(140, 90, 50), 1.5));
    p.setBrush(QColor(214, 160, 100));
    p.drawRoundedRect(QRectF(756, 82, 234, 7), 3, 3);
    p.drawRoundedRect(QRectF(756, 161, 234, 7), 3, 3);
}

// The sheet under the canvas, framed like a picture on a wall.
void sheet(QPainter& p)
{
    soft_panel(p, QRectF(canvas_area).adjusted(-9, -7, 9, 7), QColor(150, 200, 236));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(canvas_area);
}

void colourful_title(QPainter& p, const QRectF& box, const QString& title)
{
    QFont font("DejaVu Sans");
    font.setPixelSize(64);
    font.setBold(true);
    const QColor letters[] = {QColor(255, 0, 0),    QColor(255, 102, 0),  QColor(240, 200, 0),
                              QColor(59, 188, 9),   QColor(55, 186, 219), QColor(0, 0, 255),
                              QColor(177, 24, 193), QColor(255, 0, 0),    QColor(255, 102, 0)};
    QPainterPath path;
    path.addText(0, 0, font, title);
    const QRectF bounds = path.boundingRect();
    p.save();
    p.translate(box.center() - bounds.center());
    double x = 0;
    for (int i = 0; i < title.size(); ++i) {
        QPainterPath letter;
        letter.addText(x, 0, font, title.mid(i, 1));
        x += QFontMetricsF(font).horizontalAdvance(title.mid(i, 1));
        p.setPen(QPen(QColor(70, 40, 20), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(letter);
        p.setPen(Qt::NoPen);
        p.setBrush(letters[i % 9]);
        p.drawPath(letter);
    }
    p.restore();
}

void fluffy_cloud(QPainter& p, QPointF centre)
{
    QPainterPath cloud;
    cloud.setFillRule(Qt::WindingFill);
    cloud.addEllipse(centre, 44, 26);
    cloud.addEllipse(centre + QPointF(-34, 10), 30, 20);
    cloud.addEllipse(centre + QPointF(34, 10), 30, 20);
    cloud.addRoundedRect(QRectF(centre.x() - 64, centre.y() + 4, 128, 26), 13, 13);
    p.setPen(QPen(QColor(150, 180, 210), 3));
    p.setBrush(Qt::white);
    p.drawPath(cloud.simplified());
}

void smiling_sun(QPainter& p, QPointF centre, double r)
{
    p.setPen(QPen(QColor(230, 150, 0), 5, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 12; ++i) {
        const double a = i * M_PI / 6;
        p.drawLine(centre + QPointF(std::cos(a), std::sin(a)) * (r + 8),
                   centre + QPointF(std::cos(a), std::sin(a)) * (r + 20));
    }
    p.setPen(QPen(QColor(200, 120, 0), 4));
    p.setBrush(QColor(255, 220, 60));
    p.drawEllipse(centre, r, r);
    p.setPen(QPen(QColor(120, 60, 10), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawPoint(centre + QPointF(-12, -8));
    p.drawPoint(centre + QPointF(12, -8));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(centre.x() - 16, centre.y() - 10, 32, 26), 200 * 16, 140 * 16);
}

// A box of crayons standing upright, one for every jar colour.
void crayons(QPainter& p, QPointF bottom_left)
{
    const QColor colours[] = {QColor(255, 0, 0),   QColor(255, 102, 0),  QColor(255, 230, 0),
                              QColor(59, 188, 9),  QColor(55, 186, 219), QColor(0, 0, 255),
                              QColor(177, 24, 193)};
    p.setPen(QPen(QColor(70, 40, 20), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (int i = 0; i < 7; ++i) {
        const double x = bottom_left.x() + i * 26, top = bottom_left.y() - 90 - (i % 2) * 12;
        p.setBrush(colours[i]);
        p.drawPolygon(QPolygonF({QPointF(x, top + 22), QPointF(x + 10, top), QPointF(x + 20, top + 22)}));
        p.drawRect(QRectF(x, top + 22, 20, bottom_left.y() - top - 22));
        p.setBrush(QColor(255, 255, 255, 150));
        p.drawRect(QRectF(x, top + 44, 20, 12));
    }
    p.setBrush(QColor(240, 170, 60));
    p.drawRoundedRect(QRectF(bottom_left.x() - 8, bottom_left.y() - 40, 7 * 26 + 10, 48), 6, 6);
}

void start_page_art(QPainter& p, const QString& title)
{
    const QRectF c(canvas_area);
    colourful_title(p, QRectF(c.left(), c.top() + 40, c.width(), 90), title);
    const QColor bands[] = {QColor(255, 0, 0),   QColor(255, 102, 0),  QColor(255, 230, 0),
                            QColor(59, 188, 9),  QColor(55, 186, 219), QColor(0, 0, 255),
                            QColor(177, 24, 193)};
    for (int i = 0; i < 7; ++i) {
        p.setPen(QPen(bands[i], 14, Qt::SolidLine, Qt::FlatCap));
        const double r = 180 - i * 14;
        p.drawArc(QRectF(c.center().x() - r, 400 - r, 2 * r, 2 * r), 0, 180 * 16);
    }
    smiling_sun(p, QPointF(c.right() - 80, 190), 38);
    for (const QPointF& cloud : {QPointF(c.center().x() - 160, 405), QPointF(c.center().x() + 160, 405)})
        fluffy_cloud(p, cloud);
    crayons(p, QPointF(c.right() - 215, c.bottom() - 30));
    QPainterPath arrow;
    const double y = 520;
    arrow.moveTo(c.left() + 30, y);
    arrow.lineTo(c.left() + 100, y - 44);
    arrow.lineTo(c.left() + 100, y - 18);
    arrow.lineTo(c.left() + 220, y - 18);
    arrow.lineTo(c.left() + 220, y + 18);
    arrow.lineTo(c.left() + 100, y + 18);
    arrow.lineTo(c.left() + 100, y + 44);
    arrow.closeSubpath();
    p.setPen(QPen(QColor(70, 40, 20), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(255, 150, 40));
    p.drawPath(arrow);
}

QImage page(bool start, const QString& title = QStringLiteral("Колоритон"))
{
    QImage image = opaque_canvas(page_width, page_height);
    paint_paper(image);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    soft_panel(p, strip_area, panel);
    soft_panel(p, history_area, panel);
    soft_panel(p, tool_area, panel);
    shelves(p);
    sheet(p);
    if (start)
        start_page_art(p, title);
    else
        soft_panel(p, photo_area, QColor(236, 246, 255));
    return image;
}

// The design-time drawing of the canvas: a smiling sun over a little house, in black on white.
QImage design_drawing()
{
    QImage image(474, 593, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setPen(QPen(Qt::black, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(237, 150), 80, 80);
    p.drawArc(QRectF(197, 140, 80, 50), 200 * 16, 140 * 16);
    p.drawEllipse(QPointF(210, 130), 8, 8);
    p.drawEllipse(QPointF(264, 130), 8, 8);
    for (int i = 0; i < 12; ++i) {
        p.save();
        p.translate(237, 150);
        p.rotate(i * 30);
        p.drawLine(QPointF(0, -95), QPointF(0, -125));
        p.restore();
    }
    p.drawRect(QRectF(137, 360, 200, 160));
    p.drawPolygon(QPolygonF({QPointF(117, 360), QPointF(237, 270), QPointF(357, 360)}));
    p.drawRect(QRectF(212, 430, 50, 90));
    p.drawLine(QPointF(20, 520), QPointF(454, 520));
    return image;
}

} // namespace

QImage start_page(const QString& title)
{
    return page(true, title);
}

void render_backgrounds(const Output& out)
{
    const QImage start = page(true);
    out.jpeg(out.res_dir + "interface/main.jpg", start);
    out.jpeg(out.res_dir + "interface/work.jpg", page(false));
    out.jpeg(out.design_dir + "page_background.jpg", start);
    // The canvas shows its picture's own pixels at every density.
    if (density() == 1)
        out.design_bmp("canvas", design_drawing(), 8);
}

} // namespace artgen
