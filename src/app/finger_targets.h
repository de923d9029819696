#pragma once

#include <QObject>
#include <QPointF>
#include <QPointer>
#include <optional>
#include <vector>

class QTouchEvent;
class QWidget;

namespace app {

// Finger-sized targets for the controls whose pictures are smaller than a fingertip (the small
// size buttons, the pattern and shape buttons, the tabs): a tap on the background within 9 mm of
// such a control's centre is that control's click. Only touches are widened, so the mouse, and
// every picture, stays as it was; a tap on another control is that control's.
class FingerTargets : public QObject {
public:
    // `client` holds the controls; a tap on `background` may go to the nearest of `small`.
    FingerTargets(QWidget* client, QWidget* background, std::vector<QWidget*> small);
    ~FingerTargets() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // `position` of `watched`'s event in client coordinates, where `watched` shows the client
    // (itself or the whole-screen view's viewport).
    std::optional<QPointF> in_client(const QObject* watched, QPointF position) const;
    // The small control whose centre is nearest to `at` within a fingertip's reach; none when
    // `at` is on a control of its own.
    QWidget* aimed_at(QPointF at, double client_scale) const;
    void click(QWidget* control) const;

    QWidget* client_;
    QWidget* background_;
    std::vector<QWidget*> small_;
    // The control the touch under way was given to.
    QPointer<QWidget> aimed_;
};

} // namespace app
