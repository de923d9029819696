#include "app/finger_targets.h"

#include <QCoreApplication>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QMouseEvent>
#include <QScreen>
#include <QTouchEvent>
#include <QWidget>
#include <cmath>

namespace app {

namespace {

// A fingertip's reach from a target's centre.
constexpr double reach_mm = 9.0;
constexpr double mm_per_inch = 25.4;

const QGraphicsView* view_of(const QWidget* client)
{
    const QGraphicsProxyWidget* proxy = client->graphicsProxyWidget();
    if (!proxy || !proxy->scene() || proxy->scene()->views().isEmpty())
        return nullptr;
    return proxy->scene()->views().first();
}

} // namespace

FingerTargets::FingerTargets(QWidget* client, QWidget* background, std::vector<QWidget*> small)
    : client_(client), background_(background), small_(std::move(small))
{
    // Touches anywhere in the client reach it when no control under them takes them, so a tap
    // beside a small control is seen; those it leaves become mouse clicks as before.
    client_->setAttribute(Qt::WA_AcceptTouchEvents);
    QCoreApplication::instance()->installEventFilter(this);
}

FingerTargets::~FingerTargets()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

bool FingerTargets::eventFilter(QObject* watched, QEvent* event)
{
    // Touch events are the pointer events that carry more than one point.
    if (!event->isPointerEvent() || event->isSinglePointEvent())
        return false;
    const QEvent::Type type = event->type();
    auto* touch = static_cast<QTouchEvent*>(event);
    if (touch->points().isEmpty())
        return false;
    if (type == QEvent::TouchBegin) {
        const std::optional<QPointF> at = in_client(watched, touch->points().first().position());
        const QGraphicsView* view = view_of(client_);
        aimed_ = at ? aimed_at(*at, view ? view->transform().m11() : 1.0) : nullptr;
        if (!aimed_)
            return false;
    } else if (!aimed_ || !in_client(watched, QPointF())) {
        return false;
    }
    touch->accept();
    if (type == QEvent::TouchEnd)
        click(aimed_);
    return true;
}

std::optional<QPointF> FingerTargets::in_client(const QObject* watched, QPointF position) const
{
    if (watched == client_)
        return position;
    const QGraphicsView* view = view_of(client_);
    if (!view || watched != view->viewport())
        return std::nullopt;
    return view->viewportTransform().inverted().map(position);
}

QWidget* FingerTargets::aimed_at(QPointF at, double client_scale) const
{
    if (client_->childAt(at.toPoint()) != background_)
        return nullptr;
    const QScreen* screen = client_->screen();
    const double reach =
        reach_mm / mm_per_inch * (screen ? screen->physicalDotsPerInch() : 100.0) / client_scale;
    QWidget* nearest = nullptr;
    double nearest_distance = reach;
    for (QWidget* control : small_) {
        if (!control->isVisible() || !control->isEnabled())
            continue;
        const QPointF centre = control->mapTo(client_, QRectF(control->rect()).center());
        const double distance = std::hypot(at.x() - centre.x(), at.y() - centre.y());
        if (distance <= nearest_distance) {
            nearest = control;
            nearest_distance = distance;
        }
    }
    return nearest;
}

void FingerTargets::click(QWidget* control) const
{
    const QPointF centre = QRectF(control->rect()).center();
    const QPointF in_window = control->mapTo(control->window(), centre.toPoint());
    const QPointF global = control->mapToGlobal(centre.toPoint());
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent mouse(type, centre, in_window, global, Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(control, &mouse);
    }
}

} // namespace app
