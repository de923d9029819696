#include "app/main_window.h"
#include "catalogue/preview_strip.h"
#include "output/help_window.h"
#include "output/output_windows.h"
#include "output/print_window.h"
#include "skin/hint_manager.h"
#include "skin/skin_manager.h"
#include "support/modal_window.h"
#include "support/private_cups.h"
#include "support/private_x_server.h"
#include "support/test_tree.h"

#include <QMessageBox>
#include <QPainterPathStroker>
#include <QScreen>
#include <QtTest>

using testing_support::XDesktop;

namespace {

// The skinned program on the private desktop, started as main() starts it.
struct Program {
    testing_support::TestTree tree;
    app::MainWindow form{tree.app_dir()};
    output::PrintWindow& print_window = form.output_windows().print_window();

    Program()
    {
        form.skin_manager().set_skin_directory(form.state().paths.skin_dir());
        form.skin_manager().set_skin_name(QStringLiteral("MacOS"));
        form.show();
    }
    // Opens the print window and runs `while_open` inside it, then closes it.
    void open_print_window(const std::function<void()>& while_open)
    {
        testing_support::when_modal_shown([&](QWidget*) {
            QVERIFY(QTest::qWaitForWindowActive(&print_window));
            while_open();
            print_window.reject();
        });
        QTest::mouseClick(form.controls().print_button, Qt::LeftButton);
        QVERIFY(!print_window.isVisible());
    }
};

// The window's frame, as the X server has it, is inside the screen's available area, and the
// window has its natural size wherever that area has room for it.
void check_fits_screen(QWidget& window, QSize natural)
{
    const QRect available = window.screen()->availableGeometry();
    // The window manager frames the window after it shows, and the window fits itself to that frame.
    QVERIFY(QTest::qWaitFor([&] { return testing_support::frame_on_screen(window) != window.geometry(); }));
    QTest::qWait(300);
    const QRect frame = testing_support::frame_on_screen(window);
    QVERIFY(available.contains(frame));
    if (available.contains(QRect(frame.topLeft(), natural + frame.size() - window.size())))
        QCOMPARE(window.size(), natural);
}

} // namespace

class DesktopTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        // A steady text cursor: two pictures of a window never differ by its blinking.
        QApplication::setCursorFlashTime(0);
        testing_support::print_to_no_server(no_server_);
    }
    void a_failed_print_leaves_every_window_as_it_was();
    void a_hint_shows_nothing_black_around_its_balloon();

private:
    QTemporaryDir no_server_;
};

// After a failed print the main window looks as before and the print window, opened again, as the
// first time; both windows fit the screen with every control in reach.
void DesktopTest::a_failed_print_leaves_every_window_as_it_was()
{
    Program program;
    QVERIFY(QTest::qWaitForWindowExposed(&program.form));
    output::PrintWindow& window = program.print_window;
    const QImage main_before = program.form.grab().toImage();
    QImage first_look;
    const auto look = [&] {
        // The pointer rests on the drawing, away from every control.
        QTest::mouseMove(window.drawing_view, window.drawing_view->rect().center());
        return window.grab().toImage();
    };
    program.open_print_window([&] {
        check_fits_screen(window, output::PrintWindow::client_size);
        first_look = look();
        // The pointer reaches the button: the button is what lies under its centre on the screen.
        const QPoint button = window.print_button->mapToGlobal(window.print_button->rect().center());
        QVERIFY(window.screen()->availableGeometry().contains(button));
        QCOMPARE(QApplication::widgetAt(button), window.print_button);
        QString error;
        testing_support::when_modal_shown([&](QWidget* box) {
            error = static_cast<QMessageBox*>(box)->text();
            box->close();
        });
        QTest::mouseClick(window.print_button, Qt::LeftButton);
        QCOMPARE(error, QStringLiteral("Принтер не найден"));
        QVERIFY(QTest::qWaitForWindowActive(&window));
        // The child looks at the date before closing the window.
        QTest::mouseClick(window.date_edit, Qt::LeftButton);
    });
    QCOMPARE(program.form.grab().toImage(), main_before);
    program.open_print_window([&] {
        check_fits_screen(window, output::PrintWindow::client_size);
        QCOMPARE(look(), first_look);
    });
    output::HelpWindow& help = program.form.output_windows().help_window();
    testing_support::when_modal_shown([&](QWidget*) {
        check_fits_screen(help, output::HelpWindow::client_size);
        help.reject();
    });
    program.form.controls().help_action->trigger();
}

void DesktopTest::a_hint_shows_nothing_black_around_its_balloon()
{
    Program program;
    QVERIFY(QTest::qWaitForWindowExposed(&program.form));
    QTest::mouseClick(program.form.preview_strip().thumbnail(0), Qt::LeftButton);
    widgets::PictureControl* jar = program.form.controls().green_jar;
    QVERIFY(jar->isEnabled());
    QTest::qWait(300);
    const auto screen_shot = [&] {
        return program.form.screen()->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
    };
    const QImage before = screen_shot();

    const QPoint over_jar = jar->rect().center();
    QHelpEvent rest(QEvent::ToolTip, over_jar, jar->mapToGlobal(over_jar));
    QApplication::sendEvent(jar, &rest);
    const skin::HintBalloon& balloon = program.form.hint_manager().balloon();
    QVERIFY(QTest::qWaitFor([&] { return balloon.isVisible() && balloon.windowHandle()->isExposed(); }));
    QCOMPARE(balloon.blended(), testing_support::current_desktop().compositor);
    // Long enough for a compositing manager to have drawn the balloon.
    QTest::qWait(500);
    const QImage after = screen_shot();

    const QRect window = balloon.shape().window;
    QPainterPathStroker edge;
    edge.setWidth(3);
    const QPainterPath outline = balloon.outline();
    const QPainterPath near_outline = outline.united(edge.createStroke(outline)).translated(window.topLeft());
    int changed = 0;
    int black = 0;
    for (int y = window.top(); y <= window.bottom(); ++y) {
        for (int x = window.left(); x <= window.right(); ++x) {
            if (near_outline.contains(QPointF(x + 0.5, y + 0.5)) || !before.rect().contains(x, y))
                continue;
            const QRgb was = before.pixel(x, y);
            const QRgb now = after.pixel(x, y);
            changed += now != was;
            black += qRed(now) + qGreen(now) + qBlue(now) == 0 && now != was;
        }
    }
    QCOMPARE(black, 0);
    // Only a blending desktop draws the shadow; without one, the screen around the balloon is untouched.
    if (!balloon.blended())
        QCOMPARE(changed, 0);
    else
        QVERIFY(changed > 0);
}

KOLORITON_X_TEST_MAIN(DesktopTest, XDesktop{{1024, 768}, false}, XDesktop{{1024, 768}, true},
                      XDesktop{{1366, 768}, false}, XDesktop{{1366, 768}, true},
                      XDesktop{{1920, 1080}, false}, XDesktop{{1920, 1080}, true})
#include "test_desktops.moc"
