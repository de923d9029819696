#include "output/help_picture.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace output {

namespace {

constexpr int top_margin = 44;
constexpr int side_box_width = 130;
constexpr int box_padding = 6;
constexpr int box_gap = 8;
constexpr int edge = 6;

const QColor paper(255, 248, 230);
const QColor label_fill(255, 214, 102);
const QColor label_border(128, 80, 16);
const QColor label_text(24, 32, 96);
const QColor arrow_colour(214, 64, 32);

QFont label_font()
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(13);
    font.setBold(true);
    return font;
}

// The window at window_scale, centred across and below the top margin; the bottom margin takes
// what is left.
QRect fit_window(QSize picture)
{
    const QSize size(int(std::lround(picture.width() * window_scale)),
                     int(std::lround(picture.height() * window_scale)));
    return QRect(QPoint((help_picture_size.width() - size.width()) / 2, top_margin), size);
}

QRect to_picture(const QRect& target, const QRect& area, QSize window)
{
    const double sx = double(area.width()) / window.width();
    const double sy = double(area.height()) / window.height();
    return QRect(
        QPoint(area.x() + int(std::lround(target.x() * sx)), area.y() + int(std::lround(target.y() * sy))),
        QSize(std::max(1, int(std::lround(target.width() * sx))),
              std::max(1, int(std::lround(target.height() * sy)))));
}

QSize box_size(const QString& text, Side side)
{
    const QFontMetrics metrics(label_font());
    if (side == Side::left || side == Side::right) {
        const QRect bounds = metrics.boundingRect(QRect(0, 0, side_box_width - 2 * box_padding, 1000),
                                                  Qt::TextWordWrap | Qt::AlignCenter, text);
        return {side_box_width, bounds.height() + 2 * box_padding};
    }
    return {metrics.horizontalAdvance(text) + 2 * box_padding, metrics.height() + 2 * box_padding};
}

QPoint centre_of(const QList<QRect>& targets)
{
    QPoint sum;
    for (const QRect& target : targets)
        sum += target.center();
    return sum / std::max<qsizetype>(1, targets.size());
}

// Spreads boxes along one axis: each as near its wish as the ones before it allow, then the
// whole row pulled back inside the limit.
void spread(QList<PlacedCallout*>& row, bool vertical, int low, int high)
{
    auto start = [vertical](const QRect& box) { return vertical ? box.top() : box.left(); };
    auto length = [vertical](const QRect& box) { return vertical ? box.height() : box.width(); };
    auto move_to = [vertical](QRect& box, int at) { vertical ? box.moveTop(at) : box.moveLeft(at); };
    std::sort(row.begin(), row.end(),
              [&](const PlacedCallout* a, const PlacedCallout* b) { return start(a->box) < start(b->box); });
    int next = low;
    for (PlacedCallout* callout : row) {
        move_to(callout->box, std::max(start(callout->box), next));
        next = start(callout->box) + length(callout->box) + box_gap;
    }
    int limit = high;
    for (auto it = row.rbegin(); it != row.rend(); ++it) {
        QRect& box = (*it)->box;
        move_to(box, std::min(start(box), limit - length(box)));
        limit = start(box) - box_gap;
    }
}

QPoint arrow_start(const QRect& box, Side side)
{
    switch (side) {
    case Side::left:
        return {box.right() + 1, box.center().y()};
    case Side::right:
        return {box.left() - 1, box.center().y()};
    case Side::top:
        return {box.center().x(), box.bottom() + 1};
    case Side::bottom:
        break;
    }
    return {box.center().x(), box.top() - 1};
}

// The point of the target's central half nearest to the start: the tip lands well inside the area.
QPoint arrow_tip(const QPoint& start, const QRect& target)
{
    const QRect core =
        target.adjusted(target.width() / 4, target.height() / 4, -target.width() / 4, -target.height() / 4);
    return {std::clamp(start.x(), core.left(), core.right()),
            std::clamp(start.y(), core.top(), core.bottom())};
}

void draw_arrow(QPainter& painter, const QLine& line)
{
    const QLineF shaft(line);
    if (shaft.length() < 1)
        return;
    const QPointF direction = (shaft.p2() - shaft.p1()) / shaft.length();
    const QPointF normal(-direction.y(), direction.x());
    const QPointF base = shaft.p2() - direction * 12;
    painter.setPen(QPen(arrow_colour, 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QLineF(shaft.p1(), base));
    QPainterPath head;
    head.moveTo(shaft.p2());
    head.lineTo(base + normal * 6);
    head.lineTo(base - normal * 6);
    head.closeSubpath();
    painter.fillPath(head, arrow_colour);
}

QList<PlacedCallout> place(const QList<Callout>& callouts, const LabelColumns& columns, const QRect& area,
                           QSize window)
{
    const int left_column = to_picture(QRect(columns.left_of_areas, 0, 1, 1), area, window).x();
    const int right_column = to_picture(QRect(columns.right_of_areas, 0, 1, 1), area, window).x();
    QList<PlacedCallout> placed;
    for (const Callout& callout : callouts) {
        QList<QRect> targets;
        for (const QRect& target : callout.targets)
            targets.append(to_picture(target, area, window));
        const QPoint wish = centre_of(targets);
        const QSize size = box_size(callout.text, callout.side);
        QRect box(QPoint(), size);
        switch (callout.side) {
        case Side::left:
            box.moveTopLeft({left_column - size.width() / 2, wish.y() - size.height() / 2});
            break;
        case Side::right:
            box.moveTopLeft({right_column - size.width() / 2, wish.y() - size.height() / 2});
            break;
        case Side::top:
            box.moveTopLeft({wish.x() - size.width() / 2, (area.top() - size.height()) / 2});
            break;
        case Side::bottom:
            box.moveTopLeft({wish.x() - size.width() / 2,
                             (area.bottom() + help_picture_size.height() - size.height()) / 2});
            break;
        }
        placed.append(PlacedCallout{callout.text, box, {}});
    }
    return placed;
}

} // namespace

HelpPicture draw_help_picture(const QImage& window_picture, const QList<Callout>& callouts,
                              const LabelColumns& columns)
{
    HelpPicture help;
    const QSize window_size = window_picture.deviceIndependentSize().toSize();
    help.window_area = fit_window(window_size);
    help.callouts = place(callouts, columns, help.window_area, window_size);

    const Side sides[] = {Side::left, Side::right, Side::top, Side::bottom};
    for (const Side side : sides) {
        QList<PlacedCallout*> row;
        for (qsizetype i = 0; i < callouts.size(); ++i)
            if (callouts[i].side == side)
                row.append(&help.callouts[i]);
        const bool vertical = side == Side::left || side == Side::right;
        if (vertical)
            spread(row, true, help.window_area.top(), help.window_area.bottom());
        else
            spread(row, false, edge, help_picture_size.width() - edge);
    }
    for (qsizetype i = 0; i < callouts.size(); ++i) {
        PlacedCallout& callout = help.callouts[i];
        const QPoint start = arrow_start(callout.box, callouts[i].side);
        for (const QRect& target : callouts[i].targets)
            callout.arrows.append(
                QLine(start, arrow_tip(start, to_picture(target, help.window_area, window_size))));
    }

    // Drawn at the window picture's density, so a dense screen shows the help sharp.
    const qreal density = window_picture.devicePixelRatio();
    help.image = QImage(help_picture_size * density, QImage::Format_RGB32);
    help.image.setDevicePixelRatio(density);
    help.image.fill(paper);
    QPainter painter(&help.image);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(help.window_area, window_picture);
    painter.setPen(QPen(label_border, 2));
    painter.drawRect(help.window_area.adjusted(-1, -1, 0, 0));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(label_font());
    for (qsizetype i = 0; i < callouts.size(); ++i) {
        const PlacedCallout& callout = help.callouts[i];
        const bool wrapped = callouts[i].side == Side::left || callouts[i].side == Side::right;
        for (const QLine& arrow : callout.arrows)
            draw_arrow(painter, arrow);
        painter.setPen(QPen(label_border, 2));
        painter.setBrush(label_fill);
        painter.drawRoundedRect(QRectF(callout.box).adjusted(1, 1, -1, -1), 7, 7);
        painter.setPen(label_text);
        painter.drawText(callout.box.adjusted(box_padding, box_padding, -box_padding, -box_padding),
                         (wrapped ? Qt::TextWordWrap : 0) | Qt::AlignCenter, callout.text);
    }
    return help;
}

} // namespace output
