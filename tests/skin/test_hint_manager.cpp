#include "skin/hint_manager.h"
#include "support/main_window.h"

#include <QApplication>
#include <QHelpEvent>
#include <QTest>
#include <QToolTip>

using testing_support::MainWindow;

namespace {

const QRgb transparent = 0;

// Asks `control` for its tool tip with the pointer at `at`, as the application does after a rest.
void ask_for_hint(QWidget* control, QPoint at)
{
    QHelpEvent event(QEvent::ToolTip, at, control->mapToGlobal(at));
    QApplication::sendEvent(control, &event);
}

QRect global_rect(const QWidget* control)
{
    return {control->mapToGlobal(QPoint(0, 0)), control->size()};
}

bool near(QRgb pixel, const QColor& expected, int tolerance)
{
    return qAbs(qRed(pixel) - expected.red()) <= tolerance &&
           qAbs(qGreen(pixel) - expected.green()) <= tolerance &&
           qAbs(qBlue(pixel) - expected.blue()) <= tolerance && qAlpha(pixel) == 255;
}

QImage picture_of(QWidget& balloon)
{
    return balloon.grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class HintManagerTest : public QObject {
    Q_OBJECT

private slots:
    void the_settings_are_the_layouts();
    void resting_the_mouse_on_a_control_shows_its_balloon();
    void every_control_with_a_shown_hint_gets_its_text_data();
    void every_control_with_a_shown_hint_gets_its_text();
    void quiet_hints_and_thumbnails_show_nothing();
    void a_long_hint_wraps_within_the_maximum_width();
    void the_balloon_stays_on_the_screen_and_keeps_its_tip_on_the_target();
    void the_balloon_is_painted_with_border_fill_and_shadow();
    void leaving_pressing_or_waiting_hides_the_balloon();
};

void HintManagerTest::the_settings_are_the_layouts()
{
    const skin::HintSettings settings;
    QCOMPARE(settings.corner_radius, 19);
    QCOMPARE(settings.pointer_height, 20);
    QCOMPARE(settings.fill_colour, pixels::ColourWord(12892543));
    QCOMPARE(settings.border_colour, pixels::ColourWord(4194304));
    QCOMPARE(settings.gradient_percent, 50);
    QCOMPARE(settings.bevel, 1);
    QCOMPARE(settings.transparency, 0);
    QVERIFY(settings.shadow);
    QCOMPARE(settings.shadow_blur, 4);
    QCOMPARE(settings.shadow_offset, 7);
    QCOMPARE(settings.shadow_transparency, 11);
    QCOMPARE(settings.margin_horizontal, 12);
    QCOMPARE(settings.margin_vertical, 4);
    QCOMPARE(settings.max_width, 136);
    QCOMPARE(settings.font_family, QStringLiteral("Tahoma"));
    QCOMPARE(settings.font_pixels, 13);
    QVERIFY(settings.font_bold);
    QCOMPARE(settings.font_colour, pixels::black_word);
    // The gradient's own description and the two colours taken from it must agree.
    const QStringList numbers = settings.gradient.split(';');
    QCOMPARE(numbers.size(), 10);
    QCOMPARE(numbers[0].toUInt(), settings.gradient_top);
    QCOMPARE(numbers[1].toUInt(), settings.gradient_bottom);
    QCOMPARE(settings.gradient_top, pixels::colour_word(36, 162, 255));

    MainWindow window;
    QCOMPARE(window.form().hint_manager().settings().max_width, 136);
    QCOMPARE(hint_font(settings).pixelSize(), 13);
    QVERIFY(hint_font(settings).bold());
}

void HintManagerTest::resting_the_mouse_on_a_control_shows_its_balloon()
{
    MainWindow window;
    window.form().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window.form()));
    auto* up = window.controls().strip_up_button;
    const skin::HintManager& hints = window.form().hint_manager();
    QTest::mouseMove(up, QPoint(60, 18));
    QTRY_VERIFY_WITH_TIMEOUT(hints.balloon().isVisible(), 3000);
    QCOMPARE(hints.balloon().text(), QStringLiteral("[Вверх]"));
    QCOMPARE(hints.shown_for(), up);
    QVERIFY(!QToolTip::isVisible());

    // A disabled jar still explains itself.
    auto* jar = window.controls().red_jar;
    QVERIFY(!jar->isEnabled());
    QTest::mouseMove(jar, QPoint(20, 20));
    QTRY_COMPARE_WITH_TIMEOUT(hints.shown_for(), jar, 3000);
    QCOMPARE(hints.balloon().text(), QStringLiteral("[Выбор базового цвета]"));
}

void HintManagerTest::every_control_with_a_shown_hint_gets_its_text_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("hint");
    QTest::newRow("scroll down") << "strip_down_button"
                                 << "[Вниз]";
    QTest::newRow("disabled jar") << "red_jar"
                                  << "[Выбор базового цвета]";
    QTest::newRow("triangle") << "triangle_button"
                              << "[Нарисовать треугольник]";
    QTest::newRow("rounded rectangle") << "rounded_rectangle_button"
                                       << "[Нарисовать скругленный прямоугольник]";
    QTest::newRow("print") << "print_button"
                           << "[Печать]";
    QTest::newRow("undo") << "undo_button"
                          << "[Отменить последнее действие]";
}

void HintManagerTest::every_control_with_a_shown_hint_gets_its_text()
{
    QFETCH(QString, control);
    QFETCH(QString, hint);
    MainWindow window;
    auto* picture = window.form().findChild<widgets::PictureControl*>(control);
    QVERIFY(picture != nullptr);
    const skin::HintManager& hints = window.form().hint_manager();
    const QPoint at(picture->width() / 2, picture->height() / 3);
    ask_for_hint(picture, at);
    QVERIFY(hints.balloon().isVisible());
    QCOMPARE(hints.balloon().text(), hint);
    // The tip lies on the control, below the pointer's own picture where the control has room.
    const QPoint tip = hints.balloon().geometry().topLeft() + hints.balloon().shape().tip;
    QVERIFY2(global_rect(picture).contains(tip), qPrintable(control));
    QVERIFY(tip.y() > picture->mapToGlobal(at).y() || tip.y() == global_rect(picture).bottom());
}

void HintManagerTest::quiet_hints_and_thumbnails_show_nothing()
{
    MainWindow window;
    const skin::HintManager& hints = window.form().hint_manager();
    window.open_picture();
    QVERIFY(window.controls().photo_tab->isVisible());
    for (QWidget* quiet : {static_cast<QWidget*>(window.controls().photo_tab),
                           static_cast<QWidget*>(window.controls().description_tab),
                           static_cast<QWidget*>(window.form().preview_strip().thumbnail(0))}) {
        ask_for_hint(window.controls().strip_up_button, QPoint(5, 5));
        QVERIFY(hints.balloon().isVisible());
        // A request from a control that keeps its hint quiet also takes down the balloon before it.
        ask_for_hint(quiet, QPoint(5, 5));
        QVERIFY2(!hints.balloon().isVisible(), qPrintable(quiet->objectName()));
        QVERIFY(!QToolTip::isVisible());
    }
    QCOMPARE(window.controls().photo_tab->hint(), QStringLiteral("[Фотография]"));
}

void HintManagerTest::a_long_hint_wraps_within_the_maximum_width()
{
    const skin::HintSettings settings;
    const QFontMetrics metrics(skin::hint_font(settings));
    const QString short_hint = QStringLiteral("[Вверх]");
    const QSize one_line = skin::hint_text_size(short_hint, settings);
    QCOMPARE(one_line.width(), metrics.horizontalAdvance(short_hint));

    for (const QString& text : {QStringLiteral("[Нарисовать скругленный прямоугольник] и ещё немного слов"),
                                QStringLiteral("[Оченьоченьоченьоченьдлинноесловобезпробелов]")}) {
        const QSize size = skin::hint_text_size(text, settings);
        QVERIFY2(size.width() <= 136, qPrintable(text));
        QVERIFY2(size.height() >= 2 * metrics.height(), qPrintable(text));
        skin::HintBalloon balloon(settings);
        balloon.show_hint(text, QPoint(300, 300));
        QVERIFY(balloon.shape().body.width() <= 136 + 2 * 12);
        QCOMPARE(balloon.shape().body.height(), size.height() + 2 * 4);
        // No ink of the text falls outside the text area.
        const QImage image = picture_of(balloon);
        const QRect body = balloon.shape().body;
        for (int y = body.top() + 19; y < body.bottom() - 19; ++y)
            for (int x : {body.left() + 5, body.right() - 5})
                QVERIFY(qGray(image.pixel(x, y)) > 100);
    }
}

void HintManagerTest::the_balloon_stays_on_the_screen_and_keeps_its_tip_on_the_target()
{
    const skin::HintSettings settings;
    const QRect screen(0, 0, 1024, 768);
    const QSize text(80, 16);
    struct Case {
        QPoint target;
        bool pointer_above;
    };
    for (const Case& c : {Case{{500, 300}, true}, Case{{1014, 300}, true}, Case{{2, 300}, true},
                          Case{{500, 760}, false}, Case{{1015, 766}, false}}) {
        const skin::BalloonShape shape = skin::balloon_shape(text, c.target, screen, settings);
        QCOMPARE(shape.window.topLeft() + shape.tip, c.target);
        QCOMPARE(shape.pointer_above, c.pointer_above);
        QVERIFY2(screen.contains(shape.window), qPrintable(QStringLiteral("%1,%2 %3,%4 %5x%6")
                                                               .arg(c.target.x())
                                                               .arg(c.target.y())
                                                               .arg(shape.window.x())
                                                               .arg(shape.window.y())
                                                               .arg(shape.window.width())
                                                               .arg(shape.window.height())));
        QCOMPARE(shape.body.height(), 16 + 8);
        QCOMPARE(shape.window.height(), 16 + 8 + 20 + (c.pointer_above ? 7 : 0));
        // The pointer joins the body on its straight edge, clear of the rounded corners.
        QVERIFY(shape.pointer_base_x - shape.pointer_half_base >= shape.body.left() + 19);
        QVERIFY(shape.pointer_base_x + shape.pointer_half_base <= shape.body.right() + 1 - 19);
        QVERIFY(shape.body.left() <= shape.tip.x() && shape.tip.x() <= shape.body.right());
        if (shape.pointer_above)
            QCOMPARE(shape.body.top() - shape.tip.y(), 20);
        else
            QCOMPARE(shape.tip.y() - shape.body.bottom(), 20);
    }
}

void HintManagerTest::the_balloon_is_painted_with_border_fill_and_shadow()
{
    const skin::HintSettings settings;
    for (const QPoint target : {QPoint(200, 200), QPoint(200, 10000)}) {
        skin::HintBalloon balloon(settings);
        balloon.show_hint(QStringLiteral("[Печать]"), target);
        const skin::BalloonShape& shape = balloon.shape();
        const QImage image = picture_of(balloon);
        const QRect body = shape.body;

        QVERIFY(qAlpha(image.pixel(body.left() + 1, body.center().y())) == 255);
        QVERIFY(near(image.pixel(body.center().x(), shape.pointer_above ? body.top() : body.bottom()),
                     QColor(0, 0, 64), 8));
        // The fill is the gradient over the fill colour: bluer at the top, paler at the bottom.
        const auto fill_at = [&](int y) { return skin::balloon_fill((y + 0.5) / body.height(), settings); };
        for (int y : {3, body.height() / 2, body.height() - 4})
            QVERIFY(near(image.pixel(body.left() + 9, body.top() + y), fill_at(y), 4));
        QVERIFY(qRed(image.pixel(body.left() + 9, body.top() + 3)) + 40 <
                qRed(image.pixel(body.left() + 9, body.bottom() - 3)));

        // The pointer is drawn down to its tip and nothing is drawn beside it.
        const int step = shape.pointer_above ? 3 : -3;
        QVERIFY(qAlpha(image.pixel(shape.tip.x(), shape.tip.y() + step)) == 255);
        QCOMPARE(image.pixel(shape.tip.x() + 12, shape.tip.y() + step), transparent);
        QCOMPARE(image.pixel(image.width() - 1, shape.pointer_above ? 0 : image.height() - 1), transparent);

        // The shadow falls to the lower right, translucent.
        const QRgb shadow = image.pixel(body.right() + 4, body.center().y() + 4);
        QVERIFY(qAlpha(shadow) > 0 && qAlpha(shadow) < 255);
        QCOMPARE(image.pixel(body.left() + 2, body.bottom() + 5), transparent);
    }
}

void HintManagerTest::leaving_pressing_or_waiting_hides_the_balloon()
{
    MainWindow window;
    QVERIFY(QTest::qWaitForWindowExposed(&window.form()));
    const skin::HintManager& hints = window.form().hint_manager();
    auto* up = window.controls().strip_up_button;
    auto* down = window.controls().strip_down_button;

    QTest::mouseMove(up, QPoint(10, 10));
    ask_for_hint(up, QPoint(10, 10));
    QVERIFY(hints.balloon().isVisible());
    QTest::mouseMove(down, QPoint(10, 10));
    QVERIFY(!hints.balloon().isVisible());

    ask_for_hint(down, QPoint(10, 10));
    QVERIFY(hints.balloon().isVisible());
    QTest::mousePress(window.controls().page_background, Qt::LeftButton, {}, QPoint(500, 300));
    QTest::mouseRelease(window.controls().page_background, Qt::LeftButton, {}, QPoint(500, 300));
    QVERIFY(!hints.balloon().isVisible());
    QVERIFY(hints.shown_for() == nullptr);

    ask_for_hint(down, QPoint(10, 10));
    QVERIFY(hints.balloon().isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(!hints.balloon().isVisible(), skin::HintManager::hide_after_ms + 2000);
}

QTEST_MAIN(HintManagerTest)
#include "test_hint_manager.moc"
