#include "artgen.h"
#include "bar_symbols.h"
#include "effects.h"
#include "palette.h"

#include <algorithm>
#include <cmath>

namespace artgen {

namespace {

constexpr int bar_width = 1014;
constexpr int bar_height = 220;
const QRect bar_control(264, 609, 388, 81);
const QColor ribbon(255, 234, 196);

struct BarButton {
    const char* file;
    QRect control;
    void (*draw)(QPainter&, const QRectF&);
};

const BarButton bar_buttons[] = {
    {"главная!.bmp", QRect(266, 610, 55, 76), draw_house},
    {"печать!.bmp", QRect(334, 645, 40, 42), draw_printer},
    {"открыть!.bmp", QRect(388, 610, 140, 76), draw_open_folder},
    {"сохранить!.bmp", QRect(540, 645, 42, 40), draw_floppy},
    {"выход!.bmp", QRect(600, 609, 45, 77), draw_door},
};

// The bar picture is shown scaled down proportionally and centred in its control.
double bar_scale()
{
    return std::min(double(bar_control.width()) / bar_width, double(bar_control.height()) / bar_height);
}

QPointF bar_origin()
{
    const double s = bar_scale();
    return {bar_control.left() + (bar_control.width() - bar_width * s) / 2,
            bar_control.top() + (bar_control.height() - bar_height * s) / 2};
}

// A button's control rectangle in the bar picture's own pixels.
QRectF in_bar(const QRect& control)
{
    const double s = bar_scale();
    const QPointF o = bar_origin();
    return {(control.left() - o.x()) / s, (control.top() - o.y()) / s, control.width() / s,
            control.height() / s};
}

// Where a symbol sits: inside its button, kept within the picture, square-ish for the small ones.
QRectF symbol_box(const BarButton& button)
{
    const QRectF area = in_bar(button.control).intersected(QRectF(0, 0, bar_width, bar_height));
    const double margin = std::min(area.width(), area.height()) * 0.08;
    return area.adjusted(margin, margin, -margin, -margin);
}

QImage bar_picture()
{
    QImage art = transparent_canvas(bar_width, bar_height);
    QPainter p(&art);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(panel_edge, 4));
    p.setBrush(ribbon);
    p.drawRoundedRect(QRectF(4, 120, bar_width - 8, 96), 44, 44);
    for (const BarButton& button : bar_buttons)
        button.draw(p, symbol_box(button));
    p.end();
    return keyed(art, paper);
}

// The highlight drawn over one button: a lit plate with the symbol glowing on it, in the same
// place as the bar's own symbol once both are scaled into their controls.
QImage highlight_picture(const BarButton& button)
{
    const QRectF area = in_bar(button.control);
    const int w = static_cast<int>(std::lround(area.width())),
              h = static_cast<int>(std::lround(area.height()));
    QImage symbol = transparent_canvas(w, h);
    {
        QPainter p(&symbol);
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(-area.left(), -area.top());
        button.draw(p, symbol_box(button));
    }
    QImage art = transparent_canvas(w, h);
    QPainter p(&art);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(glow, 6));
    p.setBrush(highlight_fill);
    p.drawRoundedRect(QRectF(4, 4, w - 8, h - 8), 24, 24);
    p.drawImage(0, 0, with_glow(symbol, 8, QColor(255, 255, 255)));
    p.end();
    return keyed(art, ribbon);
}

} // namespace

void render_bottom_bar(const Output& out)
{
    out.design_bmp("bottom_bar", bar_picture());
    for (const BarButton& button : bar_buttons)
        out.bmp(QString("interface/") + button.file, highlight_picture(button));
}

} // namespace artgen
