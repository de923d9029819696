#include "history/saved_notice.h"

#include <QPainter>
#include <QPainterPath>

namespace history {

namespace {

constexpr QSize notice_size(330, 150);
constexpr QSize thumbnail_size(96, 120);
constexpr int margin = 15;
const QColor mark_green(0x2E, 0xA0, 0x3C);

void paint_check_mark(QPainter& painter, const QRect& box)
{
    QPainterPath mark;
    mark.moveTo(box.left() + box.width() * 0.15, box.top() + box.height() * 0.55);
    mark.lineTo(box.left() + box.width() * 0.42, box.top() + box.height() * 0.8);
    mark.lineTo(box.left() + box.width() * 0.88, box.top() + box.height() * 0.2);
    painter.setPen(QPen(Qt::white, 14, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(mark);
    painter.setPen(QPen(mark_green, 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(mark);
}

} // namespace

SavedNotice::SavedNotice(QWidget* area) : QWidget(area)
{
    setObjectName("saved_notice");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    resize(notice_size);
    hide();
    timer_.setSingleShot(true);
    timer_.setInterval(shown_ms);
    connect(&timer_, &QTimer::timeout, this, &QWidget::hide);
}

void SavedNotice::show_saved(const pixels::Bitmap& drawing)
{
    thumbnail_ = QPixmap::fromImage(
        drawing.to_rgb32().scaled(thumbnail_size, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    move((parentWidget()->width() - width()) / 2, (parentWidget()->height() - height()) / 2);
    show();
    raise();
    update();
    timer_.start();
}

void SavedNotice::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(mark_green, 4));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(rect().adjusted(2, 2, -2, -2), 18, 18);
    const QRect picture(QPoint(margin, (height() - thumbnail_size.height()) / 2), thumbnail_size);
    painter.drawPixmap(picture.topLeft() + QPoint((picture.width() - thumbnail_.width()) / 2, 0), thumbnail_);
    paint_check_mark(painter, picture.adjusted(20, 30, 20, 10));
    QFont font = painter.font();
    font.setPixelSize(34);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(mark_green);
    const QRect words(picture.right() + margin, 0, width() - picture.right() - 2 * margin, height());
    painter.drawText(words, Qt::AlignCenter, tr("Сохранено"));
}

} // namespace history
