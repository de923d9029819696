#include "app/main_window.h"
#include "catalogue/preview_strip.h"
#include "core/frame_shape.h"
#include "support/captured_errors.h"
#include "support/test_tree.h"

#include <QMenu>
#include <QTest>

using testing_support::TestTree;

namespace {

enum Flags : unsigned {
    auto_size = 1,
    stretch = 2,
    proportional = 4,
    centre = 8,
    transparent = 16,
};

enum State : unsigned { on = 0, off = 1, hidden = 2, quiet = 4, hand = 8 };

struct Expected {
    const char* name;
    QRect geometry;
    unsigned display;
    const char* hint;
    unsigned state;
};

constexpr unsigned jar = auto_size | transparent;
constexpr unsigned bar = stretch | proportional | transparent | centre;
constexpr unsigned scroll = stretch | proportional | transparent;

// The picture controls in the layout order, written out from the window's design once more.
// clang-format off
const Expected pictures[] = {
    {"page_background", {0, 0, 997, 698}, 0, "", on},
    {"canvas", {213, 10, 474, 593}, auto_size | centre, "", hidden},
    {"strip_slot_model", {11, 50, 143, 143}, 0, "", hidden},
    {"red_jar", {760, 10, 52, 73}, jar, "[Выбор базового цвета]", off | hand},
    {"orange_jar", {818, 10, 52, 72}, jar, "[Выбор базового цвета]", off | hand},
    {"yellow_jar", {876, 10, 52, 72}, jar, "[Выбор базового цвета]", off | hand},
    {"green_jar", {934, 10, 52, 75}, jar, "[Выбор базового цвета]", off | hand},
    {"light_blue_jar", {760, 88, 52, 73}, jar, "[Выбор базового цвета]", off | hand},
    {"blue_jar", {818, 88, 53, 75}, jar, "[Выбор базового цвета]", off | hand},
    {"violet_jar", {877, 88, 52, 73}, jar, "[Выбор базового цвета]", off | hand},
    {"shade_strip", {760, 184, 230, 30}, auto_size, "[Выбор цвета]", off},
    {"size_3_button", {763, 277, 24, 24}, jar, "[Размер кисти 3]", off | hand},
    {"size_2_button", {767, 310, 16, 16}, jar, "[Размер кисти 2]", off | hand},
    {"size_1_button", {771, 335, 8, 8}, jar, "[Размер кисти 1]", off | hand},
    {"brush_button", {799, 238, 70, 92}, jar | stretch, "[Кисть]", off | hand},
    {"bucket_button", {875, 238, 84, 102}, jar, "[Заливка]", off | hand},
    {"strip_down_button", {10, 562, 123, 39}, scroll, "[Вниз]", on | hand},
    {"strip_up_button", {10, 8, 123, 36}, scroll, "[Вверх]", on | hand},
    {"eraser_button", {886, 346, 73, 59}, jar, "[Стерашка]", off | hand},
    {"photo_tab", {778, 448, 80, 21}, jar, "[Фотография]", hidden | quiet | hand},
    {"description_tab", {848, 448, 120, 21}, jar, "[Описание]", hidden | quiet | hand},
    {"info_frame", {776, 473, 204, 204}, 0, "", hidden},
    {"pipette_button", {799, 346, 52, 63}, jar, "[Пробник цвета]", off | hand},
    {"opened_picture_buffer", {965, 127, 105, 105}, 0, "", hidden},
    {"size_4_button", {757, 238, 36, 36}, jar, "[Размер кисти 4]", off | hand},
    {"rectangle_button", {874, 418, 24, 24}, auto_size, "[Нарисовать прямоугольник]", off | hand},
    {"rounded_rectangle_button", {844, 418, 24, 24}, auto_size, "[Нарисовать скругленный прямоугольник]", off | hand},
    {"ellipse_button", {904, 418, 24, 24}, auto_size, "[Нарисовать круг]", off | hand},
    {"line_button", {935, 418, 24, 24}, auto_size, "[Нарисовать линию]", off | hand},
    {"bottom_bar", {264, 609, 388, 81}, proportional | centre | transparent, "", on},
    {"open_button", {388, 610, 140, 76}, bar, "[Открыть картинку]", on | hand},
    {"exit_button", {600, 609, 45, 77}, bar, "[Выход]", on | hand},
    {"save_button", {540, 645, 42, 40}, bar, "[Сохранить]", on | hand},
    {"home_button", {266, 610, 55, 76}, bar, "[Главная]", on | hand},
    {"print_button", {334, 645, 40, 42}, bar, "[Печать]", on | hand},
    {"solid_pattern_frame", {963, 236, 28, 27}, 0, "", hidden},
    {"horizontal_pattern_frame", {963, 266, 28, 27}, 0, "", hidden},
    {"vertical_pattern_frame", {963, 296, 28, 27}, 0, "", hidden},
    {"right_slope_pattern_frame", {963, 327, 28, 27}, 0, "", hidden},
    {"left_slope_pattern_frame", {963, 357, 28, 27}, 0, "", hidden},
    {"grid_pattern_frame", {963, 387, 28, 27}, 0, "", hidden},
    {"solid_pattern_button", {965, 238, 24, 24}, 0, "[Сплошная заливка]", off | hand},
    {"horizontal_pattern_button", {965, 268, 24, 24}, auto_size, "[Горизонтальная заливка]", off | hand},
    {"vertical_pattern_button", {965, 298, 24, 24}, auto_size, "[Вертикальная заливка]", off | hand},
    {"right_slope_pattern_button", {965, 328, 24, 24}, auto_size, "[Заливка с наклоном вправо]", off | hand},
    {"left_slope_pattern_button", {965, 358, 24, 24}, auto_size, "[Заливка с наклоном влево]", off | hand},
    {"grid_pattern_button", {965, 388, 24, 24}, auto_size, "[Заливка сеткой]", off | hand},
    {"triangle_button", {814, 418, 24, 24}, auto_size, "[Нарисовать треугольник]", on | hand},
    {"rhombus_button", {784, 418, 24, 24}, auto_size, "[Нарисовать ромб]", on | hand},
    {"photograph", {778, 475, 200, 200}, stretch, "", hidden},
    {"black_jar", {936, 88, 53, 73}, jar, "[Выбор базового цвета]", off | hand},
    {"undo_button", {8, 625, 57, 57}, scroll, "[Отменить последнее действие]", off | hand},
    {"redo_button", {75, 625, 58, 57}, scroll, "[Повторить последнее действие]", off | hand},
};
// clang-format on

QWidget* client_of(app::MainWindow& form)
{
    return form.controls().page_background->parentWidget();
}

QImage grab_client(app::MainWindow& form, const QRect& area)
{
    return client_of(form)->grab(area).toImage();
}

} // namespace

class LayoutTest : public QObject {
    Q_OBJECT

private slots:
    void init() { tree_ = std::make_unique<TestTree>(); }
    void cleanup() { tree_.reset(); }

    void every_control_has_its_place_flags_hint_and_state();
    void controls_are_stacked_in_the_layout_order();
    void later_controls_take_the_mouse_and_frames_let_it_through();
    void design_pictures_are_loaded();
    void frames_draw_a_two_pixel_outline_and_stay_clear_inside();
    void bar_buttons_let_the_bar_show_through();
    void list_box_and_description_box();
    void menu_has_nine_top_level_commands_in_order();
    void window_has_a_fixed_client_area_and_no_maximise_button();

private:
    std::unique_ptr<TestTree> tree_;
};

void LayoutTest::every_control_has_its_place_flags_hint_and_state()
{
    app::MainWindow form(tree_->app_dir());
    for (const Expected& expected : pictures) {
        const QString name = expected.name;
        auto* widget = client_of(form)->findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
        QVERIFY2(widget, qPrintable(name));
        QCOMPARE(widget->geometry(), expected.geometry);
        QVERIFY2(widget->isEnabled() == !(expected.state & off), qPrintable(name));
        QVERIFY2(widget->isHidden() == bool(expected.state & hidden), qPrintable(name));
        if (name.endsWith("_frame"))
            continue;
        auto* picture = qobject_cast<widgets::PictureControl*>(widget);
        QVERIFY2(picture, qPrintable(name));
        QCOMPARE(picture->auto_size(), bool(expected.display & auto_size));
        QCOMPARE(picture->stretch(), bool(expected.display & stretch));
        QCOMPARE(picture->proportional(), bool(expected.display & proportional));
        QCOMPARE(picture->centre(), bool(expected.display & centre));
        QCOMPARE(picture->transparent(), bool(expected.display & transparent));
        QCOMPARE(picture->hint(), QString::fromUtf8(expected.hint));
        const bool shows_hint = *expected.hint != '\0' && !(expected.state & quiet);
        QVERIFY2(picture->show_hint() == shows_hint, qPrintable(name));
        if (name != "canvas") {
            const Qt::CursorShape cursor = expected.state & hand ? Qt::PointingHandCursor : Qt::ArrowCursor;
            QVERIFY2(picture->cursor().shape() == cursor, qPrintable(name));
        }
    }
}

void LayoutTest::controls_are_stacked_in_the_layout_order()
{
    app::MainWindow form(tree_->app_dir());
    QStringList order;
    for (QObject* child : client_of(form)->children())
        if (child->isWidgetType())
            order << child->objectName();
    QStringList expected;
    for (const Expected& row : pictures)
        expected << row.name;
    expected << "catalogue_list"
             << "description_box";
    // The four thumbnails come last, above everything.
    expected << QString() << QString() << QString() << QString();
    QCOMPARE(order, expected);
}

void LayoutTest::later_controls_take_the_mouse_and_frames_let_it_through()
{
    app::MainWindow form(tree_->app_dir());
    QWidget* client = client_of(form);
    app::MainWindowControls& c = form.controls();
    // The bar buttons lie over the bar picture, the bar over the background.
    QCOMPARE(client->childAt(400, 620), c.open_button);
    QCOMPARE(client->childAt(270, 612), c.home_button);
    QCOMPARE(client->childAt(300, 690 - 1), c.bottom_bar);
    QCOMPARE(client->childAt(500, 300), c.page_background);
    // A thumbnail lies over the hidden design thumbnail and the background.
    QCOMPARE(client->childAt(70, 100), form.preview_strip().thumbnail(0));
    // A shown pattern frame does not catch the mouse for its pattern button.
    c.solid_pattern_frame->show();
    QVERIFY(c.solid_pattern_frame->testAttribute(Qt::WA_TransparentForMouseEvents));
    QCOMPARE(client->childAt(965, 238), c.solid_pattern_button);
}

void LayoutTest::design_pictures_are_loaded()
{
    testing_support::CapturedErrors errors;
    app::MainWindow form(tree_->app_dir());
    QCOMPARE(errors.messages(), QStringList());
    const app::MainWindowControls& c = form.controls();
    QCOMPARE(c.page_background->picture().size(), QSize(1000, 700));
    QCOMPARE(c.canvas->picture().size(), QSize(474, 593));
    QCOMPARE(c.canvas->picture().depth(), 8);
    QCOMPARE(c.bottom_bar->picture().size(), QSize(1014, 220));
    QCOMPARE(c.strip_down_button->picture().size(), QSize(123, 33));
    QCOMPARE(c.strip_up_button->picture().size(), QSize(123, 33));
    QCOMPARE(c.undo_button->picture().size(), QSize(143, 80));
    QCOMPARE(c.redo_button->picture().size(), QSize(143, 80));
    for (widgets::PictureControl* none :
         {c.strip_slot_model, c.photograph, c.opened_picture_buffer, c.open_button, c.exit_button,
          c.save_button, c.home_button, c.print_button})
        QVERIFY2(!none->has_picture(), qPrintable(none->objectName()));
    for (widgets::PictureControl* jar : c.jars())
        QVERIFY2(jar->has_picture(), qPrintable(jar->objectName()));
}

void LayoutTest::frames_draw_a_two_pixel_outline_and_stay_clear_inside()
{
    app::MainWindow form(tree_->app_dir());
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    app::MainWindowControls& c = form.controls();
    for (core::FrameShape* frame : c.pattern_frames())
        QCOMPARE(frame->pen(), QColor(255, 255, 0));

    // Nothing shown lies over the photograph frame: all of its outline can be seen.
    const QRect area = c.info_frame->geometry();
    const QImage before = grab_client(form, area);
    c.info_frame->show();
    const QImage after = grab_client(form, area);
    const QRgb black = qRgb(0, 0, 0);
    for (int x = 0; x < area.width(); ++x)
        for (int y : {0, 1, area.height() - 2, area.height() - 1})
            QCOMPARE(after.pixel(x, y), black);
    for (int y = 0; y < area.height(); ++y)
        for (int x : {0, 1, area.width() - 2, area.width() - 1})
            QCOMPARE(after.pixel(x, y), black);
    QCOMPARE(after.copy(2, 2, area.width() - 4, area.height() - 4),
             before.copy(2, 2, area.width() - 4, area.height() - 4));
    QVERIFY(after.pixel(2, 2) != black || before.pixel(2, 2) == black);

    // A pattern frame is yellow where its button, drawn above it, leaves it uncovered.
    c.horizontal_pattern_frame->show();
    const QImage pattern = grab_client(form, c.horizontal_pattern_frame->geometry());
    for (const QPoint corner : {QPoint(0, 0), QPoint(1, 1), QPoint(27, 0), QPoint(0, 26), QPoint(26, 1)})
        QCOMPARE(pattern.pixel(corner), qRgb(255, 255, 0));
}

void LayoutTest::bar_buttons_let_the_bar_show_through()
{
    app::MainWindow form(tree_->app_dir());
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    app::MainWindowControls& c = form.controls();
    const QRect bar = c.bottom_bar->geometry();
    const QImage with_buttons = grab_client(form, bar);
    for (widgets::PictureControl* button :
         {c.open_button, c.exit_button, c.save_button, c.home_button, c.print_button})
        button->hide();
    QCOMPARE(grab_client(form, bar), with_buttons);
    // The bar's own art is what shows there.
    c.bottom_bar->hide();
    QVERIFY(grab_client(form, bar) != with_buttons);
}

void LayoutTest::list_box_and_description_box()
{
    app::MainWindow form(tree_->app_dir());
    const app::MainWindowControls& c = form.controls();
    QCOMPARE(c.catalogue_list->geometry(), QRect(708, 104, 37, 32));
    QVERIFY(c.catalogue_list->isHidden());
    QCOMPARE(c.description_box->geometry(), QRect(778, 475, 200, 200));
    QVERIFY(c.description_box->isHidden());
    QVERIFY(c.description_box->isReadOnly());
    QCOMPARE(c.description_box->frameShape(), QFrame::NoFrame);
    QCOMPARE(c.description_box->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(c.description_box->font().family(), QString("Tahoma"));
    QCOMPARE(c.description_box->font().pointSize(), 10);
}

void LayoutTest::menu_has_nine_top_level_commands_in_order()
{
    app::MainWindow form(tree_->app_dir());
    const app::MainWindowControls& c = form.controls();
    QCOMPARE(form.menuBar(), c.menu);
    const QList<QAction*> actions = c.menu->actions();
    const QList<QAction*> expected{c.home_action, c.open_action,  c.save_action,
                                   c.undo_action, c.redo_action,  c.print_action,
                                   c.help_action, c.about_action, c.exit_action};
    QCOMPARE(actions, expected);
    const QStringList names{"home_action",  "open_action", "save_action",  "undo_action", "redo_action",
                            "print_action", "help_action", "about_action", "exit_action"};
    const QStringList captions{"Главная", "Открыть/загрузить", "Сохранить",   "Отменить", "Повторить",
                               "Печать",  "Справка",           "О программе", "Выход"};
    for (int i = 0; i < actions.size(); ++i) {
        QCOMPARE(actions[i]->objectName(), names[i]);
        QCOMPARE(actions[i]->text(), captions[i]);
        // Undo and redo are offered together with their buttons, which start disabled.
        QCOMPARE(actions[i]->isEnabled(), actions[i] != c.undo_action && actions[i] != c.redo_action);
        QVERIFY(actions[i]->menu() == nullptr);
    }
}

void LayoutTest::window_has_a_fixed_client_area_and_no_maximise_button()
{
    app::MainWindow form(tree_->app_dir());
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QWidget* client = client_of(form);
    QCOMPARE(client->size(), QSize(997, 698));
    QCOMPARE(form.centralWidget(), client);
    QCOMPARE(client->y(), form.menuBar()->height());
    QCOMPARE(form.size(), QSize(997, 698 + form.menuBar()->height()));
    QCOMPARE(form.minimumSize(), form.maximumSize());
    QCOMPARE(form.minimumSize(), form.size());

    const QSize fixed = form.size();
    form.resize(1200, 900);
    QCOMPARE(form.size(), fixed);
    form.showMaximized();
    QTest::qWait(10);
    QCOMPARE(form.size(), fixed);

    const Qt::WindowFlags flags = form.windowFlags();
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
}

QTEST_MAIN(LayoutTest)
#include "test_layout.moc"
