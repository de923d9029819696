#pragma once

#include "history/snapshot.h"
#include "support/main_window.h"

#include <QPainter>
#include <QtTest>

namespace canvas_fixture {

using Window = testing_support::MainWindow;
using testing_support::press;

constexpr pixels::ColourWord red = 0x000000FF;
constexpr pixels::ColourWord blue = 0x00FF0000;
constexpr pixels::ColourWord white = pixels::white_word;
constexpr pixels::ColourWord black = pixels::black_word;

// A drawing with known regions: a closed black frame 4 pixels wide around (100, 100)-(299, 299)
// with white inside and outside, and a red block at (20, 400)-(79, 559).
inline pixels::Bitmap known_picture(int width = 474, int height = 593)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.fillRect(100, 100, 200, 200, Qt::black);
    painter.fillRect(104, 104, 192, 192, Qt::white);
    painter.fillRect(20, 400, 60, 160, QColor(255, 0, 0));
    painter.end();
    return pixels::Bitmap::from_image(image);
}

// The main window on its work page with `picture` on the canvas.
inline void show_on_canvas(Window& w, pixels::Bitmap picture = known_picture())
{
    w.open_picture();
    w.controls().canvas->set_picture(std::move(picture));
}

// The rectangle of pixels that differ between two pictures of one size.
inline QRect changed_area(const pixels::Bitmap& before, const pixels::Bitmap& after)
{
    QRect area;
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x)
            if (before.pixel(x, y) != after.pixel(x, y))
                area |= QRect(x, y, 1, 1);
    return area;
}

// The colour word the canvas widget shows at a picture pixel, as a child sees it.
// The 4-connected pixels of the seed's colour around `seed`, none of them set in `walls` (one a
// pixel, row by row, when given).
inline QList<QPoint> region(const pixels::Bitmap& picture, QPoint seed, QList<bool> walls = {})
{
    const pixels::ColourWord colour = picture.pixel(seed.x(), seed.y());
    QList<bool> seen = walls.isEmpty() ? QList<bool>(picture.width() * picture.height()) : std::move(walls);
    if (seen[seed.y() * picture.width() + seed.x()])
        return {};
    QList<QPoint> found{seed};
    seen[seed.y() * picture.width() + seed.x()] = true;
    for (qsizetype i = 0; i < found.size(); ++i)
        for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
            const QPoint next = found[i] + step;
            if (!picture.contains(next.x(), next.y()) || seen[next.y() * picture.width() + next.x()] ||
                picture.pixel(next.x(), next.y()) != colour)
                continue;
            seen[next.y() * picture.width() + next.x()] = true;
            found.append(next);
        }
    return found;
}

inline pixels::ColourWord shown_pixel(widgets::PictureControl* canvas, QPoint at)
{
    return pixels::from_qrgb(canvas->grab().toImage().pixel(at));
}

inline pixels::Bitmap undo_snapshot(Window& w)
{
    return formats::read_bmp(history::undo_snapshot_path(w.state().paths));
}

inline pixels::Bitmap redo_snapshot(Window& w)
{
    return formats::read_bmp(history::redo_snapshot_path(w.state().paths));
}

} // namespace canvas_fixture
