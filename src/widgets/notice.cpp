#include "widgets/notice.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace widgets {

namespace {

constexpr QSize thumbnail_size(96, 120);
constexpr int margin = 15;
constexpr int notice_height = 150;
constexpr int word_pixels = 34;
const QColor mark_green(0x2E, 0xA0, 0x3C);

QFont word_font(QFont font)
{
    font.setPixelSize(word_pixels);
    font.setBold(true);
    return font;
}

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

Notice& Notice::of(QWidget* area)
{
    if (auto* notice = area->findChild<Notice*>(QString(), Qt::FindDirectChildrenOnly))
        return *notice;
    return *new Notice(area);
}

Notice::Notice(QWidget* area) : QWidget(area)
{
    setObjectName("notice");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &QWidget::hide);
}

void Notice::show_words(const QString& words, const QImage& picture, int shown_ms)
{
    words_ = words;
    thumbnail_ =
        QPixmap::fromImage(picture.scaled(thumbnail_size, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    const int words_width = QFontMetrics(word_font(font())).horizontalAdvance(words_);
    resize(std::min(3 * margin + thumbnail_size.width() + words_width + margin, parentWidget()->width()),
           notice_height);
    move((parentWidget()->width() - width()) / 2, (parentWidget()->height() - notice_height) / 2);
    show();
    raise();
    update();
    timer_.start(shown_ms);
}

void Notice::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(mark_green, 4));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(rect().adjusted(2, 2, -2, -2), 18, 18);
    const QRect picture(QPoint(margin, (notice_height - thumbnail_size.height()) / 2), thumbnail_size);
    painter.drawPixmap(picture.topLeft() + QPoint((picture.width() - thumbnail_.width()) / 2, 0), thumbnail_);
    paint_check_mark(painter, picture.adjusted(20, 30, 20, 10));
    painter.setFont(word_font(painter.font()));
    painter.setPen(mark_green);
    const QRect words(picture.right() + margin, 0, width() - picture.right() - 2 * margin, notice_height);
    painter.drawText(words, Qt::AlignCenter, words_);
}

} // namespace widgets
