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
    // Runs `while_open` inside the modal window that `open` shows, then closes that window.
    void with_modal(QDialog& window, const std::function<void()>& open,
                    const std::function<void()>& while_open)
    {
        bool ran = false;
        QTimer::singleShot(0, &window, [&] {
            ran = QTest::qWaitForWindowActive(&window);
            while_open();
            window.reject();
        });
        open();
        QVERIFY(ran);
    }
    void open_print_window(const std::function<void()>& while_open)
    {
        with_modal(
            print_window, [this] { QTest::mouseClick(form.controls().print_button, Qt::LeftButton); },
            while_open);
    }
};

// The window's frame, as the X server has it, is inside the screen's available area, and the
// window has its natural size wherever that area has room for it.
void check_fits_screen(QWidget& window, QSize natural)
{
    const QRect available = window.screen()->availableGeometry();
    // The window manager frames the window after it shows, and the window fits itself to that frame.
    QVERIFY(
        QTest::qWaitFor([&] { return testing_support::frame_on_screen(window) != window.geometry(); }, 5000));
    QTest::qWait(300);
    const QRect frame = testing_support::frame_on_screen(window);
    QVERIFY2(available.contains(frame), qPrintable(QStringLiteral("frame %1,%2 %3x%4")
                                                       .arg(frame.x())
                                                       .arg(frame.y())
                                                       .arg(frame.width())
                                                       .arg(frame.height())));
    const QSize decoration = frame.size() - window.size();
    if (available.width() >= natural.width() + decoration.width() &&
        available.height() >= natural.height() + decoration.height())
        QCOMPARE(window.size(), natural);
}

// Whether the pointer can reach the widget: its centre is inside the available area, and what lies
// there on the screen is the widget itself.
bool reachable(QWidget* widget)
{
    const QPoint centre = widget->mapToGlobal(widget->rect().center());
    return widget->screen()->availableGeometry().contains(centre) && QApplication::widgetAt(centre) == widget;
}

QImage screen_shot(QScreen* screen)
{
    return screen->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
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
    void the_help_window_fits_the_screen();
    void a_hint_shows_nothing_black_around_its_balloon();

private:
    QTemporaryDir no_server_;
};

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
        QVERIFY(reachable(window.print_button));
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
}

void DesktopTest::the_help_window_fits_the_screen()
{
    Program program;
    output::HelpWindow& window = program.form.output_windows().help_window();
    program.with_modal(
        window, [&] { program.form.controls().help_action->trigger(); },
        [&] { check_fits_screen(window, output::HelpWindow::client_size); });
}

void DesktopTest::a_hint_shows_nothing_black_around_its_balloon()
{
    Program program;
    QVERIFY(QTest::qWaitForWindowExposed(&program.form));
    QTest::mouseClick(program.form.preview_strip().thumbnail(0), Qt::LeftButton);
    platform::PictureControl* jar = program.form.controls().green_jar;
    QVERIFY(jar->isEnabled());
    QTest::qWait(300);
    QScreen* screen = program.form.screen();
    const QImage before = screen_shot(screen);

    const QPoint over_jar = jar->rect().center();
    QHelpEvent rest(QEvent::ToolTip, over_jar, jar->mapToGlobal(over_jar));
    QApplication::sendEvent(jar, &rest);
    const skin::HintBalloon& balloon = program.form.hint_manager().balloon();
    QVERIFY(QTest::qWaitFor([&] { return balloon.isVisible() && balloon.windowHandle()->isExposed(); }));
    QCOMPARE(balloon.blended(), testing_support::current_desktop().compositor);
    // Long enough for a compositing manager to have drawn the balloon.
    QTest::qWait(500);
    const QImage after = screen_shot(screen);

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
