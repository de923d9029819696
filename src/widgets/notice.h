#pragma once

#include <QImage>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

namespace widgets {

// A short word over the middle of an area, gone by itself: a picture's thumbnail with a green
// check mark beside the words ("Сохранено", "Рисунок восстановлен"). A child who cannot read yet
// sees her picture and the mark. It takes no clicks, so drawing goes on underneath. An area has
// one notice: a new word replaces the one shown.
class Notice : public QWidget {
    Q_OBJECT

public:
    // The notice over `area` (a window's client area), made at its first use as a child of it.
    static Notice& of(QWidget* area);

    // Shows `words` with `picture`'s thumbnail for `shown_ms`, again from the start when it shows.
    void show_words(const QString& words, const QImage& picture, int shown_ms);

    const QString& words() const { return words_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    explicit Notice(QWidget* area);

    QString words_;
    QPixmap thumbnail_;
    QTimer timer_;
};

} // namespace widgets
