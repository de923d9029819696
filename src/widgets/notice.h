#pragma once

#include "pixels/bitmap.h"

#include <QPixmap>
#include <QTimer>
#include <QWidget>

namespace history {

// The short word after a save without a dialog: the drawing's thumbnail with a green check mark
// and "Сохранено", over the middle of the window, gone by itself. A child who cannot read yet
// sees her picture and the mark. It takes no clicks, so drawing goes on underneath.
class SavedNotice : public QWidget {
    Q_OBJECT

public:
    // How long the word stays.
    static constexpr int shown_ms = 1500;

    // Shown over `area` (the window's client), which it is a child of.
    explicit SavedNotice(QWidget* area);

    // Shows the word with `drawing`'s thumbnail, again from the start when it shows already.
    void show_saved(const pixels::Bitmap& drawing);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap thumbnail_;
    QTimer timer_;
};

} // namespace history
