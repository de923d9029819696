#pragma once

#include "support/main_window.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QProcess>
#include <QScreen>
#include <QtTest>
#include <cmath>

namespace testing_support {

// The screen as the X server holds it, in device pixels.
inline QImage screenshot()
{
    QTest::qWait(300); // the X server has the last repaint once the event loop ran a little
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
}

inline qreal screen_scale()
{
    return QGuiApplication::primaryScreen()->devicePixelRatio();
}

// The window's top-left corner on the screen in device pixels, as the X server has it: Qt's own
// logical position is rounded at a fractional or odd scaled position.
inline QPoint device_origin(QWidget& window)
{
    QProcess info;
    info.start(QStringLiteral("xwininfo"), {QStringLiteral("-id"), QString::number(window.winId())});
    info.waitForFinished();
    QPoint origin;
    for (const QString& line : QString::fromLocal8Bit(info.readAllStandardOutput()).split('\n')) {
        const QString value = line.section(':', 1).trimmed();
        if (line.contains(QStringLiteral("Absolute upper-left X")))
            origin.setX(value.toInt());
        else if (line.contains(QStringLiteral("Absolute upper-left Y")))
            origin.setY(value.toInt());
    }
    return origin;
}

// Where `area` of `control` (control coordinates) is on the screen, in device pixels: through the
// whole-screen scale when the mode is on and the screen's scale.
inline QRectF device_rect(app::MainWindow& form, QWidget& control, const QRectF& area)
{
    QWidget* client = form.controls().page_background->parentWidget();
    const app::WholeScreen& mode = form.whole_screen_mode();
    const QRectF client_area = mode.client_area();
    const QPointF in_client = QPointF(control.mapTo(client, QPoint(0, 0))) + area.topLeft();
    const QPointF in_window = client_area.topLeft() + in_client * mode.scale();
    return QRectF(QPointF(device_origin(form)) + in_window * screen_scale(),
                  area.size() * mode.scale() * screen_scale());
}

// A real press and release of the left button at a device pixel of the screen.
inline void click_at_device(QPoint device)
{
    QProcess::execute(QStringLiteral("xdotool"),
                      {QStringLiteral("mousemove"), QString::number(device.x()), QString::number(device.y()),
                       QStringLiteral("click"), QStringLiteral("1")});
}

// Mean difference a channel between two images of one size.
inline double mean_difference(const QImage& shown, const QImage& expected)
{
    double sum = 0;
    qint64 count = 0;
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x) {
            const QRgb want = expected.pixel(x, y);
            const QRgb got = shown.pixel(x, y);
            sum += std::abs(qRed(got) - qRed(want)) + std::abs(qGreen(got) - qGreen(want)) +
                   std::abs(qBlue(got) - qBlue(want));
            count += 3;
        }
    return count == 0 ? 255.0 : sum / count;
}

// A picture whose every pixel has a colour of its own: x in red and the low bits of green, y in
// the rest, so a colour on the screen names the picture pixel it shows.
inline QImage unique_colour_picture(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(x & 0xFF, (x >> 8) | ((y & 0x3F) << 2), (y >> 6) + 1));
    return image;
}

inline QPoint pixel_of_unique_colour(QRgb colour)
{
    return {qRed(colour) | (qGreen(colour) & 3) << 8, qGreen(colour) >> 2 | (qBlue(colour) - 1) << 6};
}

// The density of rendering a scale needs, as the desktops here give it: 1 at 1 and below, the
// next whole number above (1.1 and 1.5 need 2, 2.5 needs 3).
inline int needed_density(double scale)
{
    constexpr double rounding = 1e-6;
    return scale <= 1 + rounding ? 1 : scale <= 2 + rounding ? 2 : 3;
}

// The file's rendering for `density` (name@2x.ext beside name.ext), or the file itself where
// there is none (at 1, and for a picture rendered from the file itself).
inline QImage rendering_at(const QString& path, int density)
{
    const QFileInfo file(path);
    const QImage dense(file.path() + '/' + file.completeBaseName() + QStringLiteral("@%1x.").arg(density) +
                       file.suffix());
    return (dense.isNull() ? QImage(path) : dense).convertToFormat(QImage::Format_RGB32);
}

// A transparent picture's rendering `size` large over what lies under it: the rendering's pixels
// of the colour of its bottom-left pixel let `under` through.
inline QImage over(const QImage& under, const QImage& rendering, QSize size)
{
    QImage keyed = rendering.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = keyed.pixel(0, keyed.height() - 1);
    for (int y = 0; y < keyed.height(); ++y)
        for (int x = 0; x < keyed.width(); ++x)
            if (keyed.pixel(x, y) == key)
                keyed.setPixel(x, y, 0u);
    // Both in device pixels, whatever density a name@2x file or a screenshot is read with.
    QImage scaled = keyed.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(1);
    QImage result = under;
    result.setDevicePixelRatio(1);
    QPainter(&result).drawImage(0, 0, scaled);
    return result;
}

} // namespace testing_support

namespace testing_support {

// One picture of the interface and the file it shows; a transparent one shows the page through
// its key colour, a resampled one is shown at another size than its file's.
struct ShownPicture {
    widgets::PictureControl* control;
    QString file;
    bool transparent = false;
    bool resampled = false;
};

// The main window on its work page with the first catalogue picture open, the pictures every
// check compares, and the scale from layout pixels to device pixels.
struct ScreenCase {
    MainWindow& window;
    QList<ShownPicture> pictures() const
    {
        const QString name = window.picture_name(0);
        const QString res = window.tree().path("res/");
        app::MainWindowControls& controls = window.controls();
        return {{window.form().preview_strip().thumbnail(0), res + "preview/" + name + ".jpg", false, true},
                {controls.photograph, res + "info/" + name + ".bmp"},
                {controls.orange_jar, res + QStringLiteral("banks/о.bmp"), true},
                {controls.eraser_button, res + QStringLiteral("instruments/ластик.bmp"), true},
                {controls.pipette_button, res + QStringLiteral("instruments/пипетка.bmp"), true},
                {controls.strip_up_button, QStringLiteral(":/design/strip_up_button.bmp"), true}};
    }
    double scale() const { return screen_scale() * window.form().whole_screen_mode().scale(); }
};

// How far the screen at `at` differs from `expected`: where the rendering is resampled, inside a
// margin of blended edge pixels, a few device pixels a sample (so the photographs' grain does not
// turn a fraction of a pixel between two smooth scalings into a difference), and at the best of
// the positions within a device pixel (where a fractional position is rounded).
inline double shown_difference(const QImage& shot, const QImage& expected, QPoint at, bool blended)
{
    if (!blended)
        return mean_difference(shot.copy(QRect(at, expected.size())), expected);
    const QRect inner = expected.rect().adjusted(2, 2, -2, -2);
    const QSize samples = inner.size() / 4;
    const QImage wanted =
        expected.copy(inner).scaled(samples, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    double best = 255;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            const QImage seen = shot.copy(inner.translated(at + QPoint(dx, dy)))
                                    .scaled(samples, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            best = std::min(best, mean_difference(seen, wanted));
        }
    return best;
}

// Each picture on the screen equals its rendering at the density the scale needs: pixel for
// pixel where the scale is that density, and within the blending of a smooth scaling elsewhere.
// A transparent one is compared over what the screen shows under it with it hidden.
inline void check_pictures_at_density(const ScreenCase& screen)
{
    screen.window.wait_for_thumbnails();
    const double scale = screen.scale();
    const int density = needed_density(scale);
    const bool exact = std::abs(scale - density) < 1e-6;
    const QList<ShownPicture> pictures = screen.pictures();
    for (const ShownPicture& picture : pictures)
        picture.control->setVisible(!picture.transparent);
    const QImage under = screenshot();
    for (const ShownPicture& picture : pictures)
        picture.control->show();
    const QImage shot = screenshot();
    for (const ShownPicture& picture : pictures) {
        widgets::PictureControl* control = picture.control;
        QVERIFY2(
            control->shown_density() == density,
            qPrintable(
                QStringLiteral("%1 at density %2").arg(control->objectName()).arg(control->shown_density())));
        const QRectF shown = device_rect(screen.window.form(), *control, control->picture_rect());
        const QRect whole(QPoint(std::lround(shown.left()), std::lround(shown.top())),
                          QSize(std::lround(shown.width()), std::lround(shown.height())));
        const QImage rendering = rendering_at(picture.file, density);
        const QImage expected = picture.transparent ? over(under.copy(whole), rendering, whole.size())
                                                    : rendering.scaled(whole.size(), Qt::IgnoreAspectRatio,
                                                                       Qt::SmoothTransformation);
        // The outermost pixels blend with the neighbours at a fractional scale.
        const bool blended = !exact || picture.resampled;
        const double difference = shown_difference(shot, expected, whole.topLeft(), blended);
        QVERIFY2(difference <= (blended ? 8.0 : 1.0),
                 qPrintable(QStringLiteral("%1 differs by %2").arg(control->objectName()).arg(difference)));
    }
}

// A real click on the screen position of a canvas pixel fills that pixel and no other, at every
// scale: the canvas is a picture of colours found once each, so the screenshot names the pixel
// shown at each device position and the fill (four neighbours, exact colour) changes just it.
inline void check_press_lands_on_shown_pixel(const ScreenCase& screen)
{
    widgets::PictureControl& canvas = *screen.window.controls().canvas;
    canvas.set_picture(pixels::Bitmap::from_image(unique_colour_picture(canvas.picture().size())));
    const QImage shot = screenshot();
    const QRectF shown = device_rect(screen.window.form(), canvas, canvas.picture_rect());
    // Corners and odd positions, where a fractional scale puts a pixel on one or two device pixels.
    for (const QPointF fraction : {QPointF(0.01, 0.01), QPointF(0.5, 0.5), QPointF(0.333, 0.777),
                                   QPointF(0.99, 0.99), QPointF(0.71, 0.13)}) {
        const QPoint device(static_cast<int>(shown.left() + fraction.x() * shown.width()),
                            static_cast<int>(shown.top() + fraction.y() * shown.height()));
        const QPoint pixel = pixel_of_unique_colour(shot.pixel(device));
        const QImage before = canvas.picture().to_rgb32();
        click_at_device(device);
        QTRY_VERIFY(canvas.picture().to_rgb32() != before);
        const QImage after = canvas.picture().to_rgb32();
        for (int y = 0; y < after.height(); ++y)
            for (int x = 0; x < after.width(); ++x)
                if (after.pixel(x, y) != before.pixel(x, y))
                    QCOMPARE(QPoint(x, y), pixel);
    }
}

// The pipette on the photograph takes the colour shown under the pointer: exactly where the
// rendering falls on device pixels one for one, the nearest of the blended ones elsewhere.
inline void check_pipette_takes_shown_colour(const ScreenCase& screen)
{
    app::MainWindowControls& controls = screen.window.controls();
    const QImage shot = screenshot();
    const QRectF shown =
        device_rect(screen.window.form(), *controls.photograph, controls.photograph->picture_rect());
    const double scale = screen.scale();
    const bool exact = std::abs(scale - needed_density(scale)) < 1e-6;
    for (const QPointF fraction : {QPointF(0.2, 0.3), QPointF(0.55, 0.61), QPointF(0.8, 0.9)}) {
        const QPoint device(static_cast<int>(shown.left() + fraction.x() * shown.width()),
                            static_cast<int>(shown.top() + fraction.y() * shown.height()));
        QTest::mouseClick(controls.pipette_button, Qt::LeftButton);
        QCOMPARE(screen.window.drawing().current_tool, core::Tool::pipette);
        constexpr pixels::ColourWord none = 0x00123457;
        screen.window.drawing().current_colour = none;
        click_at_device(device);
        const QRgb seen = shot.pixel(device);
        QTRY_VERIFY(screen.window.drawing().current_colour != none);
        const QRgb taken = pixels::to_qrgb(screen.window.drawing().current_colour);
        if (exact) {
            QCOMPARE(QColor(taken), QColor(seen));
            continue;
        }
        const int worst =
            std::max({std::abs(qRed(taken) - qRed(seen)), std::abs(qGreen(taken) - qGreen(seen)),
                      std::abs(qBlue(taken) - qBlue(seen))});
        QVERIFY2(worst <= 48,
                 qPrintable(QStringLiteral("taken %1, seen %2").arg(taken, 0, 16).arg(seen, 0, 16)));
    }
}

} // namespace testing_support
