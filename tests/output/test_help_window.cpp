#include "app/main_window.h"
#include "catalogue/preview_strip.h"
#include "output/help_window.h"
#include "output/output_windows.h"
#include "support/test_tree.h"

#include <QApplication>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cmath>

using testing_support::TestTree;

namespace {

const QStringList area_names = {
    QStringLiteral("Навигация по картинкам"),
    QStringLiteral("Выбор картинки для раскраски"),
    QStringLiteral("Поле для рисования"),
    QStringLiteral("Базовый цвет"),
    QStringLiteral("Дополнительный цвет"),
    QStringLiteral("Толщина линии"),
    QStringLiteral("Инструменты рисования"),
    QStringLiteral("Фигуры"),
    QStringLiteral("Штриховка"),
    QStringLiteral("Фотография и описание"),
    QStringLiteral("Отмена и повтор"),
    QStringLiteral("Главная"),
    QStringLiteral("Печать"),
    QStringLiteral("Открыть"),
    QStringLiteral("Сохранить"),
    QStringLiteral("Выход"),
};

const QRgb label_fill = qRgb(255, 214, 102);
const QRgb arrow_colour = qRgb(214, 64, 32);

struct Fixture {
    TestTree tree;
    app::MainWindow form{tree.app_dir()};
    output::HelpWindow& help_window = form.output_windows().help_window();

    Fixture()
    {
        form.show();
        if (!QTest::qWaitForWindowExposed(&form))
            qFatal("the main window was not exposed");
        // The pictured window shows its thumbnails, which are decoded off the interface thread.
        if (!QTest::qWaitFor([this] { return form.preview_strip().settled(); }))
            qFatal("the thumbnails were not decoded");
    }
    // The main window on its work page with the first catalogue picture open.
    void open_first_picture() { QTest::mouseClick(form.preview_strip().thumbnail(0), Qt::LeftButton); }
    // Where a control of the main window lands in the help picture.
    QRect pictured(const QWidget* control, const output::HelpPicture& help) const
    {
        const QRect in_window(control->mapTo(&form, QPoint(0, 0)), control->size());
        const double sx = double(help.window_area.width()) / form.width();
        const double sy = double(help.window_area.height()) / form.height();
        return QRect(help.window_area.x() + int(std::lround(in_window.x() * sx)),
                     help.window_area.y() + int(std::lround(in_window.y() * sy)),
                     int(std::lround(in_window.width() * sx)), int(std::lround(in_window.height() * sy)));
    }
};

const output::PlacedCallout* callout(const output::HelpPicture& help, const QString& text)
{
    for (const output::PlacedCallout& placed : help.callouts)
        if (placed.text == text)
            return &placed;
    return nullptr;
}

// Every arrow ends on a control that the window shows (not on the page background or the bar's
// art under the buttons), and no label covers the tip.
void verify_tips_on_shown_controls(Fixture& f, const output::HelpPicture& help)
{
    QList<QRect> shown;
    for (const QWidget* control : f.form.findChildren<QWidget*>())
        if (control->isVisible() && control->parentWidget() == f.form.controls().canvas->parentWidget() &&
            control != f.form.controls().page_background && control != f.form.controls().bottom_bar)
            shown.append(f.pictured(control, help));
    int arrows = 0;
    for (const output::PlacedCallout& placed : help.callouts)
        for (const QLine& arrow : placed.arrows) {
            ++arrows;
            const bool on_control = std::any_of(shown.begin(), shown.end(),
                                                [&](const QRect& rect) { return rect.contains(arrow.p2()); });
            QVERIFY2(on_control, qPrintable(placed.text));
            for (const output::PlacedCallout& label : help.callouts)
                QVERIFY2(!label.box.contains(arrow.p2()), qPrintable(placed.text + " / " + label.text));
        }
    QVERIFY(arrows >= help.callouts.size());
}

// The pictured window against the window itself reduced to the same size: mean difference of green.
qint64 mean_difference(Fixture& f, const output::HelpPicture& help)
{
    const QImage window = f.form.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage reduced =
        window.scaled(help.window_area.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage drawn = help.image.copy(help.window_area);
    qint64 difference = 0;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            difference += std::abs(qGreen(drawn.pixel(x, y)) - qGreen(reduced.pixel(x, y)));
    return difference / (drawn.width() * drawn.height());
}

bool has_colour_near(const QImage& image, QPoint at, QRgb colour, int radius)
{
    for (int y = at.y() - radius; y <= at.y() + radius; ++y)
        for (int x = at.x() - radius; x <= at.x() + radius; ++x)
            if (image.valid(x, y) && image.pixel(x, y) == colour)
                return true;
    return false;
}

} // namespace

class HelpWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void the_menu_shows_the_help_window_modally();
    void every_area_has_a_label_inside_the_picture_that_overlaps_no_other();
    void the_arrows_point_into_their_areas();
    void the_picture_shows_the_main_window_as_it_is_now();
    void from_the_start_page_the_picture_shows_the_work_page_legibly();
};

void HelpWindowTest::the_menu_shows_the_help_window_modally()
{
    Fixture f;
    bool shown = false;
    QTimer::singleShot(0, &f.help_window, [&] {
        shown = f.help_window.isVisible() && QApplication::activeModalWidget() == &f.help_window;
        f.help_window.close();
    });
    f.form.controls().help_action->trigger();
    QVERIFY(shown);
    QVERIFY(!f.help_window.isVisible());
    QCOMPARE(f.help_window.windowTitle(), QStringLiteral("Справка"));
    // The picture keeps its size where the window is smaller than it to fit the screen.
    QVERIFY(f.help_window.screen()->availableGeometry().contains(f.help_window.frameGeometry()));
    QCOMPARE(f.help_window.minimumSize(), f.help_window.maximumSize());
    QVERIFY(f.help_window.windowFlags().testFlag(Qt::Tool));
    QCOMPARE(f.help_window.help_view->geometry(), QRect(0, 0, 1003, 749));
    QCOMPARE(f.help_window.help_view->picture().size(), QSize(1005, 747));
    // Unscaled from the top-left corner: the picture is one pixel too wide and two too short.
    QCOMPARE(f.help_window.help_view->picture_rect(), QRect(0, 0, 1005, 747));
}

void HelpWindowTest::every_area_has_a_label_inside_the_picture_that_overlaps_no_other()
{
    Fixture f;
    f.open_first_picture();
    const output::HelpPicture help = f.help_window.refresh_picture();
    QCOMPARE(help.image.size(), QSize(1005, 747));
    QCOMPARE(help.callouts.size(), area_names.size());
    const QRect picture(QPoint(0, 0), help.image.size());
    for (const QString& name : area_names) {
        const output::PlacedCallout* placed = callout(help, name);
        QVERIFY2(placed, qPrintable(name));
        QVERIFY2(picture.contains(placed->box), qPrintable(name));
        QCOMPARE(help.image.pixel(placed->box.left() + 4, placed->box.top() + 4), label_fill);
        for (const output::PlacedCallout& other : help.callouts)
            if (&other != placed)
                QVERIFY2(!placed->box.intersects(other.box), qPrintable(name + " / " + other.text));
    }
    verify_tips_on_shown_controls(f, help);
}

void HelpWindowTest::the_arrows_point_into_their_areas()
{
    Fixture f;
    f.open_first_picture();
    const app::MainWindowControls& c = f.form.controls();
    const output::HelpPicture help = f.help_window.refresh_picture();
    const std::pair<const char*, QList<const QWidget*>> areas[] = {
        {"Поле для рисования", {c.canvas}},
        {"Навигация по картинкам", {c.strip_up_button, c.strip_down_button}},
        {"Отмена и повтор", {c.undo_button, c.redo_button}},
        {"Базовый цвет", {c.red_jar, c.light_blue_jar}},
        {"Дополнительный цвет", {c.shade_strip}},
        {"Фотография и описание", {c.photograph}},
        {"Главная", {c.home_button}},
        {"Печать", {c.print_button}},
        {"Открыть", {c.open_button}},
        {"Сохранить", {c.save_button}},
        {"Выход", {c.exit_button}},
    };
    for (const auto& [name, controls] : areas) {
        const output::PlacedCallout* placed = callout(help, QString::fromUtf8(name));
        QVERIFY(placed);
        QCOMPARE(placed->arrows.size(), controls.size());
        for (qsizetype i = 0; i < controls.size(); ++i) {
            const QLine arrow = placed->arrows[i];
            QVERIFY2(f.pictured(controls[i], help).contains(arrow.p2()), name);
            QVERIFY2(placed->box.adjusted(-2, -2, 2, 2).contains(arrow.p1()), name);
            QVERIFY2(has_colour_near(help.image, arrow.p2(), arrow_colour, 3), name);
        }
    }
    // Every arrow of every label ends inside the pictured window.
    for (const output::PlacedCallout& placed : help.callouts)
        for (const QLine& arrow : placed.arrows)
            QVERIFY2(help.window_area.contains(arrow.p2()), qPrintable(placed.text));
}

void HelpWindowTest::the_picture_shows_the_main_window_as_it_is_now()
{
    Fixture f;
    // A canvas in a colour no art uses, on the work page.
    f.open_first_picture();
    pixels::Bitmap canvas(474, 593);
    canvas.image().fill(QColor(0, 200, 0));
    f.form.controls().canvas->set_picture(canvas);
    QTimer::singleShot(0, &f.help_window, [&] { f.help_window.close(); });
    f.form.controls().help_action->trigger();

    const QImage shown = f.help_window.help_view->picture().to_rgb32();
    const output::HelpPicture help = f.help_window.refresh_picture();
    QCOMPARE(shown, help.image.convertToFormat(QImage::Format_RGB32));
    const QRect canvas_area = f.pictured(f.form.controls().canvas, help);
    // Away from the arrow that points into it, the pictured canvas is the canvas's colour.
    const QPoint probe(canvas_area.center().x(), canvas_area.bottom() - 10);
    QCOMPARE(help.image.pixel(probe), qRgb(0, 200, 0));

    // The reduced window as a whole matches the window itself.
    QVERIFY(mean_difference(f, help) < 12);
}

void HelpWindowTest::from_the_start_page_the_picture_shows_the_work_page_legibly()
{
    Fixture f;
    QVERIFY(!f.form.controls().canvas->isVisible());
    QTimer::singleShot(0, &f.help_window, [&] { f.help_window.close(); });
    f.form.controls().help_action->trigger();
    const QImage shown = f.help_window.help_view->picture().to_rgb32();
    const output::HelpPicture help = f.help_window.refresh_picture();
    QCOMPARE(shown, help.image.convertToFormat(QImage::Format_RGB32));
    QCOMPARE(help.callouts.size(), area_names.size());
    // The menu's words at nine tenths of their size or more.
    QVERIFY(help.window_area.width() >= 0.9 * f.form.width() - 1);
    QVERIFY(help.window_area.height() >= 0.9 * f.form.height() - 1);
    QVERIFY(!f.form.controls().canvas->isVisible());

    // What it shows is the work page with the first catalogue picture, as the window shows it now.
    const qint64 start_page_difference = mean_difference(f, help);
    f.open_first_picture();
    QVERIFY(mean_difference(f, help) < 12);
    QVERIFY(start_page_difference > mean_difference(f, help));
    verify_tips_on_shown_controls(f, help);
}

QTEST_MAIN(HelpWindowTest)
#include "test_help_window.moc"
