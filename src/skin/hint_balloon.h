#pragma once

#include "skin/hint_settings.h"

#include <QPainterPath>
#include <QWidget>

namespace skin {

// Where the parts of a balloon lie: the window in global coordinates, the rest in the window's own.
struct BalloonShape {
    QRect window;
    QRect body;
    QRect text;
    QPoint tip;
    // The pointer rises from the body's top edge; otherwise it hangs from the bottom edge.
    bool pointer_above = true;
    // Where the pointer meets the body: the middle of its base, and half its width.
    int pointer_base_x = 0;
    int pointer_half_base = 8;
};

// The size that `text` takes in the hint font, wrapped at the settings' maximum width; a word
// longer than that width is broken so that no line runs past it.
QSize hint_text_size(const QString& text, const HintSettings& settings);

// Lays out a balloon for text of `text_size` whose pointer's tip lands on `target`: below the
// target when `screen` has room, above it otherwise, and moved sideways to stay on the screen; the
// pointer slants when the tip must lie beyond the straight part of the body's edge.
BalloonShape balloon_shape(QSize text_size, QPoint target, const QRect& screen, const HintSettings& settings);

// The colour of the balloon's fill at `fraction` of its height: the gradient over the fill colour.
QColor balloon_fill(double fraction, const HintSettings& settings);

QFont hint_font(const HintSettings& settings);

// The balloon window: a frameless tool tip window that paints one hint. Where the desktop blends
// translucent windows the balloon is drawn smoothly with its shadow; where it does not, the window
// is cut to the balloon's own pixels, drawn without shadow or half-transparent edges, so nothing
// around the balloon shows black.
class HintBalloon : public QWidget {
    Q_OBJECT

public:
    explicit HintBalloon(const HintSettings& settings);

    // Shows `text` with the pointer's tip at the global point `target`.
    void show_hint(const QString& text, QPoint target);
    const QString& text() const { return text_; }
    const BalloonShape& shape() const { return shape_; }
    // The body and the pointer as one outline, in the window's coordinates.
    QPainterPath outline() const;
    // Whether the balloon is drawn for a desktop that blends it with what lies below.
    bool blended() const { return blended_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paint_shadow(QPainter& painter) const;
    void paint_balloon(QPainter& painter) const;
    // Cuts the window to the pixels the balloon covers, drawn without blending.
    void cut_to_balloon();

    HintSettings settings_;
    QString text_;
    BalloonShape shape_;
    bool blended_ = true;
};

} // namespace skin
