#include "artgen.h"
#include "palette.h"

#include <QPainter>
#include <QPainterPath>

namespace artgen {

namespace {

const QColor disc_grey(122, 122, 122);

// A disc that fills its square exactly, drawn without anti-aliasing so that a flood fill from
// the seed recolours all of it.
QImage size_disc(int side)
{
    QImage image = opaque_canvas(side, side);
    const double r = image.width() / 2.0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const double dx = x + 0.5 - r, dy = y + 0.5 - r;
            image.setPixel(x, y, dx * dx + dy * dy <= r * r ? disc_grey.rgb() : qRgb(255, 255, 255));
        }
    return image;
}

// The blank pattern button: white inside a thin frame, so the area around 10,10 takes a pattern.
QImage blank_pattern_button()
{
    QImage image = opaque_canvas(24, 24);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setPen(QColor(176, 140, 100));
    p.drawRect(0, 0, 23, 23);
    return image;
}

enum class Shape { Rectangle, RoundedRectangle, Ellipse, Line, Triangle, Rhombus };

void draw_shape(QPainter& p, Shape shape)
{
    const QRectF r(5, 6, 14, 12);
    switch (shape) {
    case Shape::Rectangle:
        p.drawRect(r);
        break;
    case Shape::RoundedRectangle:
        p.drawRoundedRect(r, 4, 4);
        break;
    case Shape::Ellipse:
        p.drawEllipse(QRectF(4, 5, 16, 14));
        break;
    case Shape::Line:
        p.drawLine(QPointF(5, 19), QPointF(19, 5));
        break;
    case Shape::Triangle:
        p.drawPolygon(QPolygonF({QPointF(12, 4), QPointF(20, 19), QPointF(4, 19)}));
        break;
    case Shape::Rhombus:
        p.drawPolygon(QPolygonF({QPointF(12, 3), QPointF(20, 12), QPointF(12, 21), QPointF(4, 12)}));
        break;
    }
}

QImage shape_button(Shape shape, bool selected)
{
    QImage image = opaque_canvas(24, 24);
    image.fill(selected ? glow : panel);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(selected ? QColor(214, 120, 0) : panel_edge, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(0.5, 0.5, 23, 23), 4, 4);
    p.setPen(QPen(selected ? QColor(150, 30, 20) : QColor(40, 70, 150), 2, Qt::SolidLine, Qt::RoundCap,
                  Qt::RoundJoin));
    p.setBrush(selected ? QColor(255, 255, 255, 170) : QColor(255, 255, 255, 120));
    draw_shape(p, shape);
    return image;
}

struct ShapeFile {
    Shape shape;
    const char* name;
    const char* control;
};

const ShapeFile shape_files[] = {
    {Shape::Rectangle, "прямоугольник", "rectangle_button"},
    {Shape::RoundedRectangle, "прямоугольникк", "rounded_rectangle_button"},
    {Shape::Ellipse, "эллипс", "ellipse_button"},
    {Shape::Line, "прямая", "line_button"},
    {Shape::Triangle, "треугольник", "triangle_button"},
    {Shape::Rhombus, "ромб", "rhombus_button"},
};

} // namespace

void render_small_buttons(const Output& out)
{
    const QImage blank = blank_pattern_button();
    out.bmp("instruments/заливка.bmp", blank);
    out.bmp("instruments/заливка_.bmp", blank);
    for (const char* control :
         {"solid_pattern_button", "horizontal_pattern_button", "vertical_pattern_button",
          "right_slope_pattern_button", "left_slope_pattern_button", "grid_pattern_button"})
        out.design_bmp(control, blank);
    out.design_bmp("size_4_button", size_disc(36));
    out.design_bmp("size_3_button", size_disc(24));
    out.design_bmp("size_2_button", size_disc(16));
    out.design_bmp("size_1_button", size_disc(8));
    for (const ShapeFile& file : shape_files) {
        const QImage plain = shape_button(file.shape, false);
        out.bmp(QString("instruments/") + file.name + ".bmp", plain);
        out.bmp(QString("instruments/") + file.name + "_.bmp", shape_button(file.shape, true));
        out.design_bmp(file.control, plain);
    }
}

} // namespace artgen
