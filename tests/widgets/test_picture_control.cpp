#include "formats/bmp_codec.h"
#include "platform/errors.h"
#include "widgets/picture_control.h"

#include <QHelpEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>

using pixels::Bitmap;
using widgets::PictureControl;

namespace {

constexpr QRgb green = 0xFF00C000;
constexpr QRgb red = 0xFFFF0000;
constexpr QRgb white = 0xFFFFFFFF;
constexpr QRgb blue = 0xFF0000FF;

// A picture with a white bottom-left corner, so white is its transparent colour.
Bitmap sample_picture()
{
    Bitmap picture(4, 3);
    picture.image().setPixel(1, 0, red);
    picture.image().setPixel(2, 1, blue);
    return picture;
}

// A window with a plain green background under the control, so transparent pixels show green.
struct Scene {
    QWidget window;
    PictureControl* control;

    Scene()
    {
        window.resize(200, 150);
        window.setAutoFillBackground(true);
        QPalette palette = window.palette();
        palette.setColor(QPalette::Window, QColor::fromRgb(green));
        window.setPalette(palette);
        control = new PictureControl(&window);
        control->setGeometry(20, 30, 100, 60);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
    QRgb shown(int x, int y) { return window.grab().toImage().pixel(20 + x, 30 + y); }
    // Mouse events enter through the window system, so Qt's implicit grab and enter/leave apply.
    QWindow* handle() { return window.windowHandle(); }
    static QPoint on_control(int x, int y) { return {20 + x, 30 + y}; }
};

// Records the regions the control is asked to repaint.
class PaintRecorder : public QObject {
public:
    QRegion painted;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};

} // namespace

class TestPictureControl : public QObject {
    Q_OBJECT

private slots:
    void transparent_colour_is_the_bottom_left_pixel()
    {
        Scene scene;
        scene.control->set_picture(sample_picture());
        QCOMPARE(scene.shown(0, 0), white);
        QCOMPARE(scene.shown(1, 0), red);
        scene.control->set_transparent(true);
        QCOMPARE(scene.shown(0, 0), green);
        QCOMPARE(scene.shown(0, 2), green);
        QCOMPARE(scene.shown(1, 0), red);
        QCOMPARE(scene.shown(2, 1), blue);
        QCOMPARE(scene.shown(10, 10), green); // beyond the picture nothing is drawn
    }

    void drawing_into_a_transparent_picture()
    {
        Scene scene;
        scene.control->set_transparent(true);
        scene.control->set_picture(sample_picture());
        scene.control->picture().image().setPixel(1, 0, white);
        scene.control->picture().image().setPixel(3, 0, blue);
        scene.control->picture_changed(QRect(1, 0, 3, 1));
        QCOMPARE(scene.shown(1, 0), green);
        QCOMPARE(scene.shown(3, 0), blue);
        // A new bottom-left colour hides that colour everywhere and shows the old one again.
        scene.control->picture().image().setPixel(0, 2, blue);
        scene.control->picture_changed(QRect(0, 2, 1, 1));
        QCOMPARE(scene.shown(0, 0), white);
        QCOMPARE(scene.shown(2, 1), green);
        QCOMPARE(scene.shown(3, 0), green);
    }

    void transparent_indexed_picture()
    {
        Scene scene;
        Bitmap picture(3, 2, 8, {qRgb(255, 255, 255), qRgb(255, 0, 0), qRgb(0, 0, 255)});
        picture.image().setPixel(1, 1, 1);
        picture.image().setPixel(2, 0, 2);
        scene.control->set_transparent(true);
        scene.control->set_picture(picture);
        QCOMPARE(scene.shown(0, 0), green);
        QCOMPARE(scene.shown(1, 1), red);
        QCOMPARE(scene.shown(2, 0), blue);
        scene.control->picture().image().setPixel(0, 0, 2);
        scene.control->picture_changed(QRect(0, 0, 1, 1));
        QCOMPARE(scene.shown(0, 0), blue);
    }

    // A 24-bit picture is drawn from its own pixels, an indexed one through a copy; a picture
    // replaced in place by one of the other kind is shown right away.
    void picture_replaced_in_place_by_another_depth()
    {
        Scene scene;
        scene.control->set_picture(sample_picture());
        QCOMPARE(scene.shown(1, 0), red);
        Bitmap indexed(4, 3, 8, {qRgb(0, 0, 255), qRgb(255, 0, 0)});
        indexed.image().setPixel(1, 0, 1);
        scene.control->picture() = indexed;
        scene.control->picture_changed(QRect(0, 0, 4, 3));
        QCOMPARE(scene.shown(0, 0), blue);
        QCOMPARE(scene.shown(1, 0), red);
        scene.control->picture().convert_to_24();
        scene.control->picture().image().setPixel(0, 0, white);
        scene.control->picture_changed(QRect(0, 0, 1, 1));
        QCOMPARE(scene.shown(0, 0), white);
        QCOMPARE(scene.shown(1, 0), red);
    }

    void only_the_changed_part_is_repainted()
    {
        Scene scene;
        scene.control->set_centre(true);
        scene.control->set_picture(Bitmap(40, 20));
        QApplication::processEvents();
        PaintRecorder recorder;
        scene.control->installEventFilter(&recorder);
        scene.control->picture().image().setPixel(5, 6, red);
        scene.control->picture_changed(QRect(5, 6, 2, 3));
        QTRY_VERIFY(!recorder.painted.isEmpty());
        QCOMPARE(recorder.painted.boundingRect(), QRect(30 + 5, 20 + 6, 2, 3));
        QCOMPARE(scene.shown(35, 26), red);
    }

    void placement_data()
    {
        QTest::addColumn<QSize>("control");
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<int>("flags"); // 1 stretch, 2 proportional, 4 centre
        QTest::addColumn<QRect>("expected");
        QTest::newRow("plain") << QSize(100, 50) << QSize(40, 30) << 0 << QRect(0, 0, 40, 30);
        QTest::newRow("plain, larger than control")
            << QSize(30, 20) << QSize(40, 30) << 0 << QRect(0, 0, 40, 30);
        QTest::newRow("centre") << QSize(100, 50) << QSize(40, 30) << 4 << QRect(30, 10, 40, 30);
        QTest::newRow("centre, larger") << QSize(30, 20) << QSize(40, 31) << 4 << QRect(-5, -5, 40, 31);
        QTest::newRow("stretch") << QSize(100, 50) << QSize(40, 30) << 1 << QRect(0, 0, 100, 50);
        QTest::newRow("stretch centre") << QSize(100, 50) << QSize(40, 30) << 5 << QRect(0, 0, 100, 50);
        QTest::newRow("wide proportional") << QSize(100, 50) << QSize(40, 10) << 3 << QRect(0, 0, 100, 25);
        QTest::newRow("wide proportional centre")
            << QSize(100, 50) << QSize(40, 10) << 7 << QRect(0, 12, 100, 25);
        QTest::newRow("tall proportional") << QSize(100, 50) << QSize(10, 40) << 3 << QRect(0, 0, 12, 50);
        QTest::newRow("tall proportional centre")
            << QSize(100, 50) << QSize(10, 40) << 7 << QRect(44, 0, 12, 50);
        QTest::newRow("square into wide") << QSize(100, 50) << QSize(30, 30) << 3 << QRect(0, 0, 50, 50);
        QTest::newRow("wide too tall after fit")
            << QSize(100, 30) << QSize(40, 20) << 3 << QRect(0, 0, 60, 30);
        QTest::newRow("proportional, smaller, not stretched")
            << QSize(100, 50) << QSize(40, 30) << 2 << QRect(0, 0, 40, 30);
        QTest::newRow("bottom bar art") << QSize(388, 81) << QSize(1014, 220) << 6 << QRect(7, 0, 373, 81);
        QTest::newRow("undo button") << QSize(57, 57) << QSize(143, 80) << 3 << QRect(0, 0, 57, 31);
        QTest::newRow("scroll button") << QSize(123, 36) << QSize(123, 33) << 3 << QRect(0, 0, 123, 33);
    }

    void placement()
    {
        QFETCH(QSize, control);
        QFETCH(QSize, picture);
        QFETCH(int, flags);
        QFETCH(QRect, expected);
        PictureControl widget;
        widget.resize(control);
        widget.set_stretch(flags & 1);
        widget.set_proportional(flags & 2);
        widget.set_centre(flags & 4);
        widget.set_picture(Bitmap(picture.width(), picture.height()));
        QCOMPARE(widget.picture_rect(), expected);
        QCOMPARE(widget.size(), control);
    }

    // A screen of more device pixels than a picture's shows the rendering beside its file at the
    // next whole density up, the densest there is where that one is missing: never an upscaled one.
    void the_rendering_shown_is_the_one_the_ratio_needs_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<bool>("with_3x");
        QTest::addColumn<QRgb>("shown"); // the file itself red, at 2x green, at 3x blue
        QTest::newRow("1") << 1.0 << true << red;
        QTest::newRow("1.25") << 1.25 << true << green;
        QTest::newRow("1.5") << 1.5 << true << green;
        QTest::newRow("2") << 2.0 << true << green;
        QTest::newRow("2.5") << 2.5 << true << blue;
        QTest::newRow("2.5 without 3x") << 2.5 << false << green;
        QTest::newRow("4") << 4.0 << true << blue;
    }
    void the_rendering_shown_is_the_one_the_ratio_needs()
    {
        QFETCH(qreal, ratio);
        QFETCH(bool, with_3x);
        QFETCH(QRgb, shown);
        QTemporaryDir dir;
        for (const auto& [name, density, colour] :
             {std::tuple("b.bmp", 1, red), std::tuple("b@2x.bmp", 2, green),
              std::tuple(with_3x ? "b@3x.bmp" : "", 3, blue)}) {
            QImage rendering(QSize(4, 3) * density, QImage::Format_RGB32);
            rendering.fill(colour);
            // White, the bottom-left pixel's colour, in the right column: hidden when transparent.
            QPainter(&rendering).fillRect(3 * density, 0, density, 3 * density, Qt::white);
            QPainter(&rendering).fillRect(0, 2 * density, density, density, Qt::white);
            if (*name)
                formats::write_bmp(Bitmap::from_image(rendering), dir.filePath(name));
        }
        PictureControl control;
        control.resize(4, 3);
        control.load_picture(dir.filePath("b.bmp"));
        control.set_transparent(true);
        QImage screen(QSize(16, 16), QImage::Format_RGB32);
        screen.fill(Qt::black);
        screen.setDevicePixelRatio(ratio);
        control.render(&screen, {}, {}, QWidget::DrawChildren);
        QCOMPARE(QColor(screen.pixel(1, 1)), QColor(shown));
        const int right_column = static_cast<int>(3.5 * ratio);
        QCOMPARE(QColor(screen.pixel(right_column, 1)), QColor(Qt::black));
    }

    // A disabled control shows its picture faded into what lies under it, with and without a denser
    // rendering and whether the screen's scale is whole or not; enabled again, it shows it as it is.
    void a_disabled_control_looks_faded_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<bool>("transparent");
        for (const qreal ratio : {1.0, 1.5, 2.0})
            for (const bool transparent : {false, true})
                QTest::addRow("%g %s", ratio, transparent ? "transparent" : "opaque") << ratio << transparent;
    }
    void a_disabled_control_looks_faded()
    {
        QFETCH(qreal, ratio);
        QFETCH(bool, transparent);
        QTemporaryDir dir;
        for (const int density : {1, 2}) {
            QImage rendering(QSize(8, 6) * density, QImage::Format_RGB32);
            rendering.fill(red);
            rendering.setPixel(0, rendering.height() - 1, white);
            formats::write_bmp(Bitmap::from_image(rendering),
                               dir.filePath(density == 1 ? "b.bmp" : "b@2x.bmp"));
        }
        PictureControl control;
        control.resize(8, 6);
        control.set_transparent(transparent);
        control.load_picture(dir.filePath("b.bmp"));
        const auto shown = [&] {
            QImage screen(QSize(12, 12), QImage::Format_RGB32);
            screen.fill(green);
            screen.setDevicePixelRatio(ratio);
            control.render(&screen, {}, {}, QWidget::DrawChildren);
            return screen.pixel(4, 4);
        };
        QCOMPARE(QColor(shown()), QColor(red));
        control.setEnabled(false);
        const QColor faded(shown());
        QVERIFY2(faded.red() > 60 && faded.red() < 200 && faded.green() > 60, qPrintable(faded.name()));
        control.setEnabled(true);
        QCOMPARE(QColor(shown()), QColor(red));
    }

    void stretched_picture_is_drawn_over_the_control()
    {
        Scene scene;
        Bitmap picture(2, 1);
        picture.image().setPixel(0, 0, red);
        picture.image().setPixel(1, 0, blue);
        scene.control->set_stretch(true);
        scene.control->set_picture(picture);
        QCOMPARE(scene.shown(5, 30), red);
        QCOMPARE(scene.shown(95, 30), blue);
        QCOMPARE(scene.shown(99, 59), blue);
    }

    void auto_size_keeps_left_and_top()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QString::fromUtf8("картинка.BMP"));
        formats::write_bmp(Bitmap(70, 25, 8, {qRgb(1, 2, 3), qRgb(4, 5, 6)}), path);
        PictureControl control;
        control.setGeometry(213, 10, 474, 593);
        control.set_auto_size(true);
        control.set_centre(true);
        control.load_picture(path);
        QCOMPARE(control.geometry(), QRect(213, 10, 70, 25));
        QCOMPARE(control.picture().depth(), 8); // read by our codec, which keeps the depth
        QCOMPARE(control.picture_rect(), QRect(0, 0, 70, 25));
        control.set_picture(Bitmap(30, 40));
        QCOMPARE(control.geometry(), QRect(213, 10, 30, 40));
        control.clear_picture();
        QVERIFY(!control.has_picture());
        QCOMPARE(control.geometry(), QRect(213, 10, 30, 40));
    }

    void other_formats_become_24_bits()
    {
        QTemporaryDir dir;
        QImage image(5, 4, QImage::Format_Indexed8);
        image.setColorTable({qRgb(0, 0, 0), qRgb(0, 200, 0)});
        image.fill(1);
        const QString path = dir.filePath("picture.png");
        QVERIFY(image.save(path));
        PictureControl control;
        control.load_picture(path);
        QCOMPARE(control.picture().depth(), 24);
        QCOMPARE(control.picture().pixel(3, 3), pixels::colour_word(0, 200, 0));

        const QString jpeg = dir.filePath("photo.JPG");
        QImage photo(16, 8, QImage::Format_RGB32);
        photo.fill(qRgb(255, 255, 255));
        QVERIFY(photo.save(jpeg, "JPEG"));
        control.load_picture(jpeg);
        QCOMPARE(control.picture().size(), QSize(16, 8));
        QCOMPARE(control.picture().depth(), 24);
    }

    void failed_load_keeps_the_old_picture()
    {
        QTemporaryDir dir;
        PictureControl control;
        control.set_picture(sample_picture());
        const Bitmap before = control.picture();

        QVERIFY_THROWS_EXCEPTION(platform::FileError, control.load_picture(dir.filePath("missing.bmp")));
        QCOMPARE(control.picture(), before);

        for (const char* name : {"broken.bmp", "broken.jpg", "broken.png"}) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("this is not a picture");
            file.close();
            try {
                control.load_picture(file.fileName());
                QFAIL(name);
            } catch (const platform::UserError& error) {
                QVERIFY2(error.text().contains(name) || error.text() == platform::bitmap_not_valid,
                         qPrintable(error.text()));
            }
            QCOMPARE(control.picture(), before);
        }
        QVERIFY_THROWS_EXCEPTION(platform::FileError, control.load_picture(dir.filePath("missing.gif")));
    }

    void mouse_signals_carry_control_coordinates()
    {
        Scene scene;
        PictureControl* control = scene.control;
        QSignalSpy pressed(control, &PictureControl::pressed);
        QSignalSpy moved(control, &PictureControl::moved);
        QSignalSpy released(control, &PictureControl::released);
        QSignalSpy clicked(control, &PictureControl::clicked);

        QTest::mousePress(scene.handle(), Qt::LeftButton, Qt::ShiftModifier, Scene::on_control(5, 6));
        QCOMPARE(pressed.size(), 1);
        // The window system moves the pointer to the press position first.
        QCOMPARE(moved.size(), 1);
        QCOMPARE(moved[0][0].value<Qt::MouseButtons>(), Qt::MouseButtons());
        QCOMPARE(moved[0][2].toInt(), 5);
        moved.clear();
        QCOMPARE(pressed[0][0].value<Qt::MouseButton>(), Qt::LeftButton);
        QCOMPARE(pressed[0][1].value<Qt::KeyboardModifiers>(), Qt::KeyboardModifiers(Qt::ShiftModifier));
        QCOMPARE(pressed[0][2].toInt(), 5);
        QCOMPARE(pressed[0][3].toInt(), 6);

        QTest::mouseMove(scene.handle(), Scene::on_control(7, 8));
        QCOMPARE(moved.size(), 1);
        QCOMPARE(moved[0][0].value<Qt::MouseButtons>(), Qt::MouseButtons(Qt::LeftButton));
        QCOMPARE(moved[0][2].toInt(), 7);
        QCOMPARE(moved[0][3].toInt(), 8);

        QTest::mouseRelease(scene.handle(), Qt::LeftButton, Qt::ShiftModifier, Scene::on_control(9, 10));
        QCOMPARE(clicked.size(), 1);
        QCOMPARE(released.size(), 1);
        QCOMPARE(released[0][0].value<Qt::MouseButton>(), Qt::LeftButton);
        QCOMPARE(released[0][2].toInt(), 9);
        QCOMPARE(released[0][3].toInt(), 10);

        // Moves with no button held are reported too.
        moved.clear();
        QTest::mouseMove(scene.handle(), Scene::on_control(30, 31));
        QCOMPARE(moved.size(), 1);
        QCOMPARE(moved[0][0].value<Qt::MouseButtons>(), Qt::MouseButtons());
        QCOMPARE(moved[0][2].toInt(), 30);
    }

    void the_control_keeps_the_mouse_until_release()
    {
        Scene scene;
        PictureControl* control = scene.control;
        QSignalSpy moved(control, &PictureControl::moved);
        QSignalSpy released(control, &PictureControl::released);
        QSignalSpy clicked(control, &PictureControl::clicked);
        QSignalSpy left(control, &PictureControl::left);

        QTest::mousePress(scene.handle(), Qt::LeftButton, {}, Scene::on_control(50, 30));
        moved.clear();
        QTest::mouseMove(scene.handle(), QPoint(5, 140));
        QCOMPARE(moved.size(), 1);
        QCOMPARE(moved[0][0].value<Qt::MouseButtons>(), Qt::MouseButtons(Qt::LeftButton));
        QCOMPARE(moved[0][2].toInt(), 5 - 20);
        QCOMPARE(moved[0][3].toInt(), 140 - 30);
        QTest::mouseRelease(scene.handle(), Qt::LeftButton, {}, QPoint(190, 5));
        QCOMPARE(released.size(), 1);
        QCOMPARE(released[0][2].toInt(), 170);
        QCOMPARE(released[0][3].toInt(), -25);
        QCOMPARE(clicked.size(), 0); // released outside the control
    }

    void click_needs_left_press_and_release_over_the_control()
    {
        Scene scene;
        PictureControl* control = scene.control;
        QSignalSpy clicked(control, &PictureControl::clicked);
        QSignalSpy pressed(control, &PictureControl::pressed);
        QSignalSpy released(control, &PictureControl::released);

        QTest::mouseClick(scene.handle(), Qt::RightButton, {}, Scene::on_control(10, 10));
        QCOMPARE(clicked.size(), 0);
        QCOMPARE(pressed.size(), 1);
        QCOMPARE(pressed[0][0].value<Qt::MouseButton>(), Qt::RightButton);
        QCOMPARE(released.size(), 1);

        // Pressed on the window beside the control: the window keeps the mouse, the control sees nothing.
        QTest::mousePress(scene.handle(), Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(scene.handle(), Qt::LeftButton, {}, Scene::on_control(10, 10));
        QCOMPARE(clicked.size(), 0);
        QCOMPARE(pressed.size(), 1);
        QCOMPARE(released.size(), 1);

        // Out and back in before the release is still a click.
        QTest::mousePress(scene.handle(), Qt::LeftButton, {}, Scene::on_control(99, 59));
        QTest::mouseMove(scene.handle(), QPoint(195, 145));
        QTest::mouseRelease(scene.handle(), Qt::LeftButton, {}, Scene::on_control(0, 0));
        QCOMPARE(clicked.size(), 1);
        QTest::mouseClick(scene.handle(), Qt::LeftButton, {}, Scene::on_control(0, 0));
        QCOMPARE(clicked.size(), 2);
        // Each press of a quick double click counts, so a scroll button moves once per press.
        QTest::mouseDClick(scene.handle(), Qt::LeftButton, {}, Scene::on_control(3, 3));
        QCOMPARE(clicked.size(), 4);
    }

    void enter_and_leave()
    {
        Scene scene;
        QSignalSpy entered(scene.control, &PictureControl::entered);
        QSignalSpy left(scene.control, &PictureControl::left);
        QTest::mouseMove(scene.handle(), QPoint(5, 5));
        QTest::mouseMove(scene.handle(), QPoint(40, 50));
        QCOMPARE(entered.size(), 1);
        QCOMPARE(left.size(), 0);
        QTest::mouseMove(scene.handle(), QPoint(150, 120));
        QCOMPARE(left.size(), 1);
        QCOMPARE(entered.size(), 1);
    }

    // Qt, like the window layout's toolkit, still reports enter and leave over a disabled control; the
    // highlighting handlers test the enabled state themselves.
    void disabled_control_ignores_presses_but_reports_enter_and_leave()
    {
        Scene scene;
        PictureControl* control = scene.control;
        control->setEnabled(false);
        QSignalSpy pressed(control, &PictureControl::pressed);
        QSignalSpy moved(control, &PictureControl::moved);
        QSignalSpy released(control, &PictureControl::released);
        QSignalSpy clicked(control, &PictureControl::clicked);
        QSignalSpy entered(control, &PictureControl::entered);
        QSignalSpy left(control, &PictureControl::left);

        QTest::mouseMove(scene.handle(), QPoint(5, 5));
        QTest::mouseMove(scene.handle(), QPoint(40, 50));
        QTest::mouseClick(scene.handle(), Qt::LeftButton, {}, QPoint(40, 50));
        QTest::mouseMove(scene.handle(), QPoint(45, 55));
        QTest::mouseMove(scene.handle(), QPoint(150, 120));
        QCOMPARE(left.size(), 1);
        QCOMPARE(entered.size(), 1);
        QCOMPARE(pressed.size(), 0);
        QCOMPARE(moved.size(), 0);
        QCOMPARE(released.size(), 0);
        QCOMPARE(clicked.size(), 0);
    }

    void hint_shows_only_when_asked()
    {
        Scene scene;
        PictureControl* control = scene.control;
        control->set_hint(QString::fromUtf8("[Вверх]"));
        QHelpEvent quiet(QEvent::ToolTip, QPoint(5, 5), control->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(control, &quiet);
        QVERIFY(!QToolTip::isVisible());

        control->set_show_hint(true);
        QHelpEvent shown(QEvent::ToolTip, QPoint(5, 5), control->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(control, &shown);
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), QString::fromUtf8("[Вверх]"));
        QToolTip::hideText();
    }
};

QTEST_MAIN(TestPictureControl)
#include "test_picture_control.moc"
