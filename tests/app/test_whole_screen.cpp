#include "support/private_x_server.h"
#include "support/screen_checks.h"

#include <memory>

using namespace testing_support;

// The whole-screen mode on screens larger and smaller than the window: the layout, scaled
// uniformly, fills the screen on one axis and is centred on the other, and pictures and presses
// keep what they do in the window.
class TestWholeScreen : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        window_ = std::make_unique<MainWindow>();
        QVERIFY(QTest::qWaitForWindowExposed(&window_->form()));
        window_->open_picture(0);
        window_->form().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window_->form()));
        QTest::keyClick(&window_->form(), Qt::Key_F11);
        QVERIFY(window_->form().is_whole_screen());
        QTRY_COMPARE(window_->form().geometry(), window_->form().screen()->geometry());
        QTRY_COMPARE(window_->form().whole_screen_mode().client_area().bottom(),
                     window_->form().rect().bottom() + 1.0);
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
    void f11_gives_the_window_back()
    {
        QTest::keyClick(&window_->form(), Qt::Key_F11);
        QVERIFY(!window_->form().is_whole_screen());
        QTRY_COMPARE(window_->form().centralWidget()->size(), app::MainWindow::client_size);
        QVERIFY(!window_->form().isFullScreen());
    }

private:
    std::unique_ptr<MainWindow> window_;
};

KOLORITON_X_TEST_MAIN(TestWholeScreen, XDesktop{{1920, 1080}, false, 1.0}, XDesktop{{1366, 768}, false, 1.0},
                      XDesktop{{1024, 600}, false, 1.0})

#include "test_whole_screen.moc"
