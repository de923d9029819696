#include "app/form1.h"
#include "app/frame_shape.h"
#include "catalogue/preview_strip.h"
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
    {"Image3", {0, 0, 997, 698}, 0, "", on},
    {"Image1", {213, 10, 474, 593}, auto_size | centre, "", hidden},
    {"Image2", {11, 50, 143, 143}, 0, "", hidden},
    {"Image4", {760, 10, 52, 73}, jar, "[Выбор базового цвета]", off | hand},
    {"Image5", {818, 10, 52, 72}, jar, "[Выбор базового цвета]", off | hand},
    {"Image6", {876, 10, 52, 72}, jar, "[Выбор базового цвета]", off | hand},
    {"Image7", {934, 10, 52, 75}, jar, "[Выбор базового цвета]", off | hand},
    {"Image8", {760, 88, 52, 73}, jar, "[Выбор базового цвета]", off | hand},
    {"Image9", {818, 88, 53, 75}, jar, "[Выбор базового цвета]", off | hand},
    {"Image10", {877, 88, 52, 73}, jar, "[Выбор базового цвета]", off | hand},
    {"Image11", {760, 184, 230, 30}, auto_size, "[Выбор цвета]", off},
    {"Image12", {763, 277, 24, 24}, jar, "[Размер кисти 3]", off | hand},
    {"Image13", {767, 310, 16, 16}, jar, "[Размер кисти 2]", off | hand},
    {"Image14", {771, 335, 8, 8}, jar, "[Размер кисти 1]", off | hand},
    {"Image15", {799, 238, 70, 92}, jar | stretch, "[Кисть]", off | hand},
    {"Image16", {875, 238, 84, 102}, jar, "[Заливка]", off | hand},
    {"Image23", {10, 562, 123, 39}, scroll, "[Вниз]", on | hand},
    {"Image24", {10, 8, 123, 36}, scroll, "[Вверх]", on | hand},
    {"Image25", {886, 346, 73, 59}, jar, "[Стерашка]", off | hand},
    {"Image26", {778, 448, 80, 21}, jar, "[Фотография]", hidden | quiet | hand},
    {"Image27", {848, 448, 120, 21}, jar, "[Описание]", hidden | quiet | hand},
    {"Shape1", {776, 473, 204, 204}, 0, "", hidden},
    {"Image29", {799, 346, 52, 63}, jar, "[Пробник цвета]", off | hand},
    {"Image32", {965, 127, 105, 105}, 0, "", hidden},
    {"Image33", {757, 238, 36, 36}, jar, "[Размер кисти 4]", off | hand},
    {"Image34", {874, 418, 24, 24}, auto_size, "[Нарисовать прямоугольник]", off | hand},
    {"Image35", {844, 418, 24, 24}, auto_size, "[Нарисовать скругленный прямоугольник]", off | hand},
    {"Image36", {904, 418, 24, 24}, auto_size, "[Нарисовать круг]", off | hand},
    {"Image37", {935, 418, 24, 24}, auto_size, "[Нарисовать линию]", off | hand},
    {"Image41", {264, 609, 388, 81}, proportional | centre | transparent, "", on},
    {"Image31", {388, 610, 140, 76}, bar, "[Открыть картинку]", on | hand},
    {"Image40", {600, 609, 45, 77}, bar, "[Выход]", on | hand},
    {"Image30", {540, 645, 42, 40}, bar, "[Сохранить]", on | hand},
    {"Image39", {266, 610, 55, 76}, bar, "[Главная]", on | hand},
    {"Image42", {334, 645, 40, 42}, bar, "[Печать]", on | hand},
    {"Shape2", {963, 236, 28, 27}, 0, "", hidden},
    {"Shape3", {963, 266, 28, 27}, 0, "", hidden},
    {"Shape4", {963, 296, 28, 27}, 0, "", hidden},
    {"Shape5", {963, 327, 28, 27}, 0, "", hidden},
    {"Shape6", {963, 357, 28, 27}, 0, "", hidden},
    {"Shape7", {963, 387, 28, 27}, 0, "", hidden},
    {"Image17", {965, 238, 24, 24}, 0, "[Сплошная заливка]", off | hand},
    {"Image18", {965, 268, 24, 24}, auto_size, "[Горизонтальная заливка]", off | hand},
    {"Image19", {965, 298, 24, 24}, auto_size, "[Вертикальная заливка]", off | hand},
    {"Image20", {965, 328, 24, 24}, auto_size, "[Заливка с наклоном вправо]", off | hand},
    {"Image21", {965, 358, 24, 24}, auto_size, "[Заливка с наклоном влево]", off | hand},
    {"Image22", {965, 388, 24, 24}, auto_size, "[Заливка сеткой]", off | hand},
    {"Image43", {814, 418, 24, 24}, auto_size, "[Нарисовать треугольник]", on | hand},
    {"Image44", {784, 418, 24, 24}, auto_size, "[Нарисовать ромб]", on | hand},
    {"Image28", {778, 475, 200, 200}, stretch, "", hidden},
    {"Image45", {936, 88, 53, 73}, jar, "[Выбор базового цвета]", off | hand},
    {"Image46", {8, 625, 57, 57}, scroll, "[Отменить последнее действие]", off | hand},
    {"Image47", {75, 625, 58, 57}, scroll, "[Повторить последнее действие]", off | hand},
};
// clang-format on

QWidget* client_of(app::TForm1& form)
{
    return form.controls().Image3->parentWidget();
}

QImage grab_client(app::TForm1& form, const QRect& area)
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
    app::TForm1 form(tree_->app_dir());
    for (const Expected& expected : pictures) {
        const QString name = expected.name;
        auto* widget = client_of(form)->findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
        QVERIFY2(widget, qPrintable(name));
        QCOMPARE(widget->geometry(), expected.geometry);
        QVERIFY2(widget->isEnabled() == !(expected.state & off), qPrintable(name));
        QVERIFY2(widget->isHidden() == bool(expected.state & hidden), qPrintable(name));
        if (name.startsWith("Shape"))
            continue;
        auto* picture = qobject_cast<platform::PictureControl*>(widget);
        QVERIFY2(picture, qPrintable(name));
        QCOMPARE(picture->auto_size(), bool(expected.display & auto_size));
        QCOMPARE(picture->stretch(), bool(expected.display & stretch));
        QCOMPARE(picture->proportional(), bool(expected.display & proportional));
        QCOMPARE(picture->centre(), bool(expected.display & centre));
        QCOMPARE(picture->transparent(), bool(expected.display & transparent));
        QCOMPARE(picture->hint(), QString::fromUtf8(expected.hint));
        const bool shows_hint = *expected.hint != '\0' && !(expected.state & quiet);
        QVERIFY2(picture->show_hint() == shows_hint, qPrintable(name));
        if (name != "Image1") {
            const Qt::CursorShape cursor = expected.state & hand ? Qt::PointingHandCursor : Qt::ArrowCursor;
            QVERIFY2(picture->cursor().shape() == cursor, qPrintable(name));
        }
    }
}

void LayoutTest::controls_are_stacked_in_the_layout_order()
{
    app::TForm1 form(tree_->app_dir());
    QStringList order;
    for (QObject* child : client_of(form)->children())
        if (child->isWidgetType())
            order << child->objectName();
    QStringList expected;
    for (const Expected& row : pictures)
        expected << row.name;
    expected << "ListBox1"
             << "sRichEdit1";
    // The four thumbnails come last, above everything.
    expected << QString() << QString() << QString() << QString();
    QCOMPARE(order, expected);
}

void LayoutTest::later_controls_take_the_mouse_and_frames_let_it_through()
{
    app::TForm1 form(tree_->app_dir());
    QWidget* client = client_of(form);
    app::Form1Controls& c = form.controls();
    // The bar buttons lie over the bar picture, the bar over the background.
    QCOMPARE(client->childAt(400, 620), c.Image31);
    QCOMPARE(client->childAt(270, 612), c.Image39);
    QCOMPARE(client->childAt(300, 690 - 1), c.Image41);
    QCOMPARE(client->childAt(500, 300), c.Image3);
    // A thumbnail lies over the hidden design thumbnail and the background.
    QCOMPARE(client->childAt(70, 100), form.preview_strip().thumbnail(0));
    // A shown pattern frame does not catch the mouse for its pattern button.
    c.Shape2->show();
    QVERIFY(c.Shape2->testAttribute(Qt::WA_TransparentForMouseEvents));
    QCOMPARE(client->childAt(965, 238), c.Image17);
}

void LayoutTest::design_pictures_are_loaded()
{
    testing_support::CapturedErrors errors;
    app::TForm1 form(tree_->app_dir());
    QCOMPARE(errors.messages(), QStringList());
    const app::Form1Controls& c = form.controls();
    QCOMPARE(c.Image3->picture().size(), QSize(1000, 700));
    QCOMPARE(c.Image1->picture().size(), QSize(474, 593));
    QCOMPARE(c.Image1->picture().depth(), 8);
    QCOMPARE(c.Image41->picture().size(), QSize(1014, 220));
    QCOMPARE(c.Image23->picture().size(), QSize(123, 33));
    QCOMPARE(c.Image24->picture().size(), QSize(123, 33));
    QCOMPARE(c.Image46->picture().size(), QSize(143, 80));
    QCOMPARE(c.Image47->picture().size(), QSize(143, 80));
    for (platform::PictureControl* none :
         {c.Image2, c.Image28, c.Image32, c.Image31, c.Image40, c.Image30, c.Image39, c.Image42})
        QVERIFY2(!none->has_picture(), qPrintable(none->objectName()));
    for (platform::PictureControl* jar : c.jars())
        QVERIFY2(jar->has_picture(), qPrintable(jar->objectName()));
}

void LayoutTest::frames_draw_a_two_pixel_outline_and_stay_clear_inside()
{
    app::TForm1 form(tree_->app_dir());
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    app::Form1Controls& c = form.controls();
    for (app::FrameShape* frame : c.pattern_frames())
        QCOMPARE(frame->pen(), QColor(255, 255, 0));

    // Nothing shown lies over the photograph frame: all of its outline can be seen.
    const QRect area = c.Shape1->geometry();
    const QImage before = grab_client(form, area);
    c.Shape1->show();
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
    c.Shape3->show();
    const QImage pattern = grab_client(form, c.Shape3->geometry());
    for (const QPoint corner : {QPoint(0, 0), QPoint(1, 1), QPoint(27, 0), QPoint(0, 26), QPoint(26, 1)})
        QCOMPARE(pattern.pixel(corner), qRgb(255, 255, 0));
}

void LayoutTest::bar_buttons_let_the_bar_show_through()
{
    app::TForm1 form(tree_->app_dir());
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    app::Form1Controls& c = form.controls();
    const QRect bar = c.Image41->geometry();
    const QImage with_buttons = grab_client(form, bar);
    for (platform::PictureControl* button : {c.Image31, c.Image40, c.Image30, c.Image39, c.Image42})
        button->hide();
    QCOMPARE(grab_client(form, bar), with_buttons);
    // The bar's own art is what shows there.
    c.Image41->hide();
    QVERIFY(grab_client(form, bar) != with_buttons);
}

void LayoutTest::list_box_and_description_box()
{
    app::TForm1 form(tree_->app_dir());
    const app::Form1Controls& c = form.controls();
    QCOMPARE(c.ListBox1->geometry(), QRect(708, 104, 37, 32));
    QVERIFY(c.ListBox1->isHidden());
    QCOMPARE(c.sRichEdit1->geometry(), QRect(778, 475, 200, 200));
    QVERIFY(c.sRichEdit1->isHidden());
    QVERIFY(c.sRichEdit1->isReadOnly());
    QCOMPARE(c.sRichEdit1->frameShape(), QFrame::NoFrame);
    QCOMPARE(c.sRichEdit1->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(c.sRichEdit1->font().family(), QString("Tahoma"));
    QCOMPARE(c.sRichEdit1->font().pointSize(), 10);
}

void LayoutTest::menu_has_nine_top_level_commands_in_order()
{
    app::TForm1 form(tree_->app_dir());
    const app::Form1Controls& c = form.controls();
    QCOMPARE(form.menuBar(), c.MainMenu1);
    const QList<QAction*> actions = c.MainMenu1->actions();
    const QList<QAction*> expected{c.N3, c.N5, c.N6, c.N8, c.N9, c.N4, c.N1, c.N2, c.N7};
    QCOMPARE(actions, expected);
    const QStringList names{"N3", "N5", "N6", "N8", "N9", "N4", "N1", "N2", "N7"};
    const QStringList captions{"Главная", "Открыть/загрузить", "Сохранить",   "Отменить", "Повторить",
                               "Печать",  "Справка",           "О программе", "Выход"};
    for (int i = 0; i < actions.size(); ++i) {
        QCOMPARE(actions[i]->objectName(), names[i]);
        QCOMPARE(actions[i]->text(), captions[i]);
        QVERIFY(actions[i]->isEnabled());
        QVERIFY(actions[i]->menu() == nullptr);
    }
}

void LayoutTest::window_has_a_fixed_client_area_and_no_maximise_button()
{
    app::TForm1 form(tree_->app_dir());
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
