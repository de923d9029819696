#include "support/private_x_server.h"
#include "support/screen_checks.h"

#include <memory>

using namespace testing_support;

// The window on screens of every density: the layout stays in its logical pixels while each
// picture comes from its rendering at the screen's density and presses land where they are seen.
class TestHighDensity : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        window_ = std::make_unique<MainWindow>();
        QVERIFY(QTest::qWaitForWindowExposed(&window_->form()));
        window_->open_picture(0);
    }
    void cleanup() { window_.reset(); }

    void the_layout_keeps_its_logical_size()
    {
        QCOMPARE(window_->form().centralWidget()->size(), app::MainWindow::client_size);
        QCOMPARE(window_->controls().canvas->picture().size(), QSize(474, 593));
    }
    void pictures_come_from_their_rendering_at_the_screen_density() { check_pictures_at_density({*window_}); }
    void a_press_fills_the_canvas_pixel_shown_under_it() { check_press_lands_on_shown_pixel({*window_}); }
    void the_pipette_takes_the_photograph_colour_shown() { check_pipette_takes_shown_colour({*window_}); }

private:
    std::unique_ptr<MainWindow> window_;
};

KOLORITON_X_TEST_MAIN(TestHighDensity, XDesktop{{1920, 1080}, false, 1.0}, XDesktop{{2560, 1440}, false, 1.5},
                      XDesktop{{2560, 1600}, false, 2.0})

#include "test_high_density.moc"
