#include "support/private_x_server.h"
#include "support/screen_checks.h"

#include <QMenuBar>
#include <memory>

using namespace testing_support;

namespace {

// The 997 x 715 window, with a title bar, has room on screens from 768 pixels high.
bool window_has_room()
{
    return current_desktop().screen.height() >= 768;
}

} // namespace

// The whole-screen mode on screens larger and smaller than the window, with and without a window
// manager: the layout, scaled uniformly, fills the screen on one axis and is centred on the other,
// and pictures and presses keep what they do in the window. Where the window has no room, the
// program starts in the mode and stays there.
class TestWholeScreen : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        window_ = std::make_unique<MainWindow>();
        window_->form().show_on_screen(false);
        started_whole_screen_ = window_->form().is_whole_screen();
        QVERIFY(QTest::qWaitForWindowExposed(&window_->form()));
        window_before_ = window_->form().geometry();
        window_->open_picture(0);
        window_->form().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window_->form()));
        QTest::keyClick(&window_->form(), Qt::Key_F11);
        QVERIFY(window_->form().is_whole_screen());
        QTRY_COMPARE(window_->form().geometry(), window_->form().screen()->geometry());
        // Once the view has the screen's size, the layout reaches the window's edges on one axis.
        QTRY_VERIFY(qFuzzyCompare(window_->form().whole_screen_mode().client_area().right(),
                                  window_->form().rect().right() + 1.0) ||
                    qFuzzyCompare(window_->form().whole_screen_mode().client_area().bottom(),
                                  window_->form().rect().bottom() + 1.0));
    }
    void cleanup() { window_.reset(); }

    void the_layout_fills_the_screen_scaled_uniformly()
    {
        app::MainWindow& form = window_->form();
        const QRectF area = form.whole_screen_mode().client_area();
        const QRectF room = form.centralWidget()->geometry();
        const double scale = form.whole_screen_mode().scale();
        QCOMPARE(area.size(), QSizeF(app::MainWindow::client_size) * scale);
        // Touching both edges of one axis, centred on the other.
        const bool fills_width = qFuzzyCompare(area.width(), room.width());
        const bool fills_height = qFuzzyCompare(area.height(), room.height());
        QVERIFY(fills_width || fills_height);
        QVERIFY(std::abs(area.center().x() - room.center().x()) <= 1.0);
        QVERIFY(std::abs(area.center().y() - room.center().y()) <= 1.0);
    }
    void pictures_come_from_their_rendering_at_the_scale() { check_pictures_at_density({*window_}); }
    void a_press_fills_the_canvas_pixel_shown_under_it() { check_press_lands_on_shown_pixel({*window_}); }
    void starts_in_the_mode_only_where_the_window_has_no_room()
    {
        QCOMPARE(started_whole_screen_, !window_has_room());
        settings::Settings keep_window;
        keep_window.fit_small_screens = false;
        MainWindow kept(keep_window);
        kept.form().show_on_screen(false);
        QVERIFY(!kept.form().is_whole_screen());
    }
    void the_menu_grows_with_the_layout_and_never_shrinks()
    {
        app::MainWindow& form = window_->form();
        const double grown = double(form.menuBar()->fontInfo().pixelSize()) / form.fontInfo().pixelSize();
        const double scale = std::max(1.0, double(current_desktop().screen.height()) / 715);
        QVERIFY2(std::abs(grown - scale) <= 0.1 * scale,
                 qPrintable(QStringLiteral("grown by %1").arg(grown)));
    }
    void f11_gives_the_window_back_where_it_has_room()
    {
        app::MainWindow& form = window_->form();
        QTest::keyClick(&form, Qt::Key_F11);
        QCOMPARE(form.is_whole_screen(), !window_has_room());
        if (!window_has_room())
            return;
        QTRY_COMPARE(form.centralWidget()->size(), app::MainWindow::client_size);
        QVERIFY(!form.isFullScreen());
        // A window manager that has not framed the window again when its place is given back (a slow,
        // sanitized run) takes that place for the frame's: the window then lands one frame margin up
        // and left of it, and nowhere else.
        const auto back_in_place = [&] {
            const QPoint frame = form.geometry().topLeft() - form.frameGeometry().topLeft();
            const QPoint at = form.geometry().topLeft();
            return form.geometry().size() == window_before_.size() &&
                   (at == window_before_.topLeft() || at == window_before_.topLeft() - frame);
        };
        QTRY_VERIFY2(back_in_place(), qPrintable(QStringLiteral("%1,%2 against %3,%4")
                                                     .arg(form.geometry().x())
                                                     .arg(form.geometry().y())
                                                     .arg(window_before_.x())
                                                     .arg(window_before_.y())));
    }

private:
    std::unique_ptr<MainWindow> window_;
    bool started_whole_screen_ = false;
    QRect window_before_;
};

KOLORITON_X_TEST_MAIN(TestWholeScreen, XDesktop{{1920, 1080}, false, 1.0}, XDesktop{{1366, 768}, false, 1.0},
                      XDesktop{{1024, 600}, false, 1.0}, XDesktop{{640, 480}, false, 1.0},
                      XDesktop{{1366, 768}, false, 1.0, false})

#include "test_whole_screen.moc"
