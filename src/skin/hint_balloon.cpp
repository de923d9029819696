#include "skin/hint_balloon.h"

#include "skin/x11_desktop.h"

#include <QBitmap>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <algorithm>

namespace skin {

namespace {

constexpr int unbounded_height = 100000;

QRect wrapped_rect(const QFontMetrics& metrics, int width, int flags, const QString& text)
{
    return metrics.boundingRect(QRect(0, 0, width, unbounded_height), flags | Qt::AlignLeft | Qt::AlignTop,
                                text);
}

int wrap_flags(const QString& text, const HintSettings& settings)
{
    const QFontMetrics metrics(hint_font(settings));
    const QRect words = wrapped_rect(metrics, settings.max_width, Qt::TextWordWrap, text);
    return words.width() <= settings.max_width ? Qt::TextWordWrap : Qt::TextWrapAnywhere;
}

int shadow_extent(const HintSettings& settings)
{
    return settings.shadow ? settings.shadow_offset : 0;
}

QColor blend(QColor base, QColor over, int percent)
{
    const auto mix = [percent](int a, int b) { return (a * (100 - percent) + b * percent + 50) / 100; };
    return QColor(mix(base.red(), over.red()), mix(base.green(), over.green()),
                  mix(base.blue(), over.blue()));
}

} // namespace

QFont hint_font(const HintSettings& settings)
{
    QFont font(settings.font_family);
    font.setPixelSize(settings.font_pixels);
    font.setBold(settings.font_bold);
    return font;
}

QSize hint_text_size(const QString& text, const HintSettings& settings)
{
    const QFontMetrics metrics(hint_font(settings));
    const QRect bounds = wrapped_rect(metrics, settings.max_width, wrap_flags(text, settings), text);
    return {std::min(bounds.width(), settings.max_width), bounds.height()};
}

BalloonShape balloon_shape(QSize text_size, QPoint target, const QRect& screen, const HintSettings& settings)
{
    BalloonShape shape;
    const int half = shape.pointer_half_base;
    // The pointer leaves the body on the straight part of its edge, clear of the rounded corners.
    const int min_tip = settings.corner_radius + half;
    const int body_width = std::max(text_size.width() + 2 * settings.margin_horizontal, 2 * min_tip);
    const int body_height = text_size.height() + 2 * settings.margin_vertical;
    const int max_tip = body_width - min_tip;
    const int extent = shadow_extent(settings);
    QSize window_size(body_width + extent, body_height + settings.pointer_height + extent);

    int left = target.x() - min_tip;
    if (window_size.width() <= screen.width())
        left = std::clamp(left, screen.left(), screen.right() + 1 - window_size.width());
    const int tip_x = std::clamp(target.x() - left, 0, body_width - 1);
    shape.pointer_base_x = std::clamp(tip_x, min_tip, max_tip);

    shape.pointer_above = target.y() + window_size.height() - 1 <= screen.bottom();
    if (shape.pointer_above) {
        shape.body = QRect(0, settings.pointer_height, body_width, body_height);
        shape.tip = QPoint(tip_x, 0);
    } else {
        shape.body = QRect(0, 0, body_width, body_height);
        shape.tip = QPoint(tip_x, body_height + settings.pointer_height - 1);
        // Hanging below the body, the pointer reaches further down than the shadow does.
        window_size.setHeight(body_height + settings.pointer_height +
                              std::max(0, extent - settings.pointer_height));
    }
    shape.window = QRect(target - shape.tip, window_size);
    const QSize text_area(body_width - 2 * settings.margin_horizontal, text_size.height());
    shape.text =
        QRect(shape.body.topLeft() + QPoint(settings.margin_horizontal, settings.margin_vertical), text_area);
    return shape;
}

QColor balloon_fill(double fraction, const HintSettings& settings)
{
    const QColor top = pixels::to_qcolor(settings.gradient_top);
    const QColor bottom = pixels::to_qcolor(settings.gradient_bottom);
    const int percent = std::clamp(static_cast<int>(fraction * 100 + 0.5), 0, 100);
    return blend(pixels::to_qcolor(settings.fill_colour), blend(top, bottom, percent),
                 settings.gradient_percent);
}

HintBalloon::HintBalloon(const HintSettings& settings)
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus),
      settings_(settings)
{
    setObjectName(QStringLiteral("sHintBalloon"));
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setWindowOpacity(1.0 - settings_.transparency / 100.0);
    setFont(hint_font(settings_));
}

void HintBalloon::show_hint(const QString& text, QPoint target)
{
    const QScreen* screen = QGuiApplication::screenAt(target);
    if (screen == nullptr)
        screen = QGuiApplication::primaryScreen();
    const QRect area =
        screen != nullptr ? screen->geometry() : QRect(target - QPoint(2000, 2000), QSize(4000, 4000));
    text_ = text;
    shape_ = balloon_shape(hint_text_size(text, settings_), target, area, settings_);
    setGeometry(shape_.window);
    blended_ = translucency_blends(*this);
    if (blended_)
        clearMask();
    else
        cut_to_balloon();
    update();
    show();
}

void HintBalloon::cut_to_balloon()
{
    QImage balloon(shape_.window.size(), QImage::Format_ARGB32_Premultiplied);
    balloon.fill(Qt::transparent);
    QPainter painter(&balloon);
    paint_balloon(painter);
    painter.end();
    // Drawn aliased, every pixel of the balloon is opaque and every other one clear.
    setMask(QBitmap::fromImage(balloon.createAlphaMask(Qt::ThresholdAlphaDither)));
}

QPainterPath HintBalloon::outline() const
{
    // Half-pixel insets keep the one-pixel border crisp on the straight edges.
    const QRectF body = QRectF(shape_.body).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath path;
    path.addRoundedRect(body, settings_.corner_radius, settings_.corner_radius);
    const double half = shape_.pointer_half_base;
    const double edge = shape_.pointer_above ? body.top() + 1 : body.bottom() - 1;
    const QPointF tip = QPointF(shape_.tip) + QPointF(0.5, 0.5);
    QPainterPath pointer;
    const double base = shape_.pointer_base_x + 0.5;
    pointer.moveTo(base - half, edge);
    pointer.lineTo(tip);
    pointer.lineTo(base + half, edge);
    pointer.closeSubpath();
    return path.united(pointer);
}

void HintBalloon::paint_shadow(QPainter& painter) const
{
    if (!settings_.shadow || settings_.shadow_blur <= 0)
        return;
    // A few nested translucent bodies approximate a blurred shadow.
    const int opacity = 255 * (100 - settings_.shadow_transparency) / 100;
    QColor layer(0, 0, 0, opacity / (2 * settings_.shadow_blur));
    const QRect shadow = shape_.body.translated(settings_.shadow_offset, settings_.shadow_offset);
    painter.setPen(Qt::NoPen);
    painter.setBrush(layer);
    for (int step = 0; step < settings_.shadow_blur; ++step) {
        const QRect ring = shadow.adjusted(step, step, -step, -step);
        painter.drawRoundedRect(ring, settings_.corner_radius, settings_.corner_radius);
    }
}

void HintBalloon::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paint_balloon(painter);
}

void HintBalloon::paint_balloon(QPainter& painter) const
{
    if (blended_) {
        painter.setRenderHint(QPainter::Antialiasing);
        paint_shadow(painter);
    }

    const QPainterPath path = outline();
    // The gradient spans the body; the pointer continues the colour of the edge it leaves.
    const QRectF body(shape_.body);
    QLinearGradient gradient(body.topLeft(), body.bottomLeft());
    gradient.setColorAt(0, balloon_fill(0, settings_));
    gradient.setColorAt(1, balloon_fill(1, settings_));
    painter.setBrush(gradient);
    QPen border(pixels::to_qcolor(settings_.border_colour));
    border.setWidth(settings_.bevel);
    painter.setPen(settings_.bevel > 0 ? border : QPen(Qt::NoPen));
    painter.drawPath(path);

    painter.setPen(pixels::to_qcolor(settings_.font_colour));
    painter.setFont(hint_font(settings_));
    painter.drawText(shape_.text, wrap_flags(text_, settings_) | Qt::AlignHCenter | Qt::AlignTop, text_);
}

} // namespace skin
