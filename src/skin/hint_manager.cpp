#include "skin/hint_manager.h"

#include "widgets/picture_control.h"

#include <QApplication>
#include <QHelpEvent>
#include <QToolTip>
#include <algorithm>

namespace skin {

namespace {

bool hides_any_hint(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::ApplicationDeactivate:
        return true;
    default:
        return false;
    }
}

bool hides_own_hint(QEvent::Type type)
{
    return type == QEvent::Leave || type == QEvent::Hide || type == QEvent::EnabledChange;
}

} // namespace

HintManager::HintManager(QObject* parent, const HintSettings& settings)
    : QObject(parent), settings_(settings), balloon_(std::make_unique<HintBalloon>(settings_))
{
    hide_timer_.setSingleShot(true);
    hide_timer_.setInterval(hide_after_ms);
    connect(&hide_timer_, &QTimer::timeout, this, &HintManager::hide_hint);
    qApp->installEventFilter(this);
}

HintManager::~HintManager()
{
    if (qApp != nullptr)
        qApp->removeEventFilter(this);
}

void HintManager::hide_hint()
{
    hide_timer_.stop();
    shown_for_ = nullptr;
    balloon_->hide();
}

void HintManager::show_for(widgets::PictureControl& control, QPoint pointer)
{
    const QRect control_area(control.mapToGlobal(QPoint(0, 0)), control.size());
    const QPoint below = pointer + QPoint(0, tip_below_pointer);
    // The tip stays on the control even when the pointer is near its bottom edge.
    const QPoint target(std::clamp(below.x(), control_area.left(), control_area.right()),
                        std::clamp(below.y(), control_area.top(), control_area.bottom()));
    shown_for_ = &control;
    balloon_->show_hint(control.hint(), target);
    hide_timer_.start();
}

bool HintManager::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* control = qobject_cast<widgets::PictureControl*>(watched);
        if (control == nullptr)
            return false;
        if (control->show_hint() && !control->hint().isEmpty())
            show_for(*control, static_cast<QHelpEvent*>(event)->globalPos());
        else
            hide_hint();
        QToolTip::hideText();
        return true;
    }
    if (shown_for_ != nullptr &&
        (hides_any_hint(event->type()) || (watched == shown_for_ && hides_own_hint(event->type()))))
        hide_hint();
    return false;
}

} // namespace skin
