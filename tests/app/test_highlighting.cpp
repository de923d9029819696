#include "app/main_window.h"
#include "formats/bmp_codec.h"
#include "support/captured_errors.h"
#include "support/test_tree.h"

#include <QFile>
#include <QTest>

using widgets::PictureControl;
using testing_support::CapturedErrors;
using testing_support::TestTree;

namespace {

struct Fixture {
    TestTree tree;
    app::MainWindow form{tree.app_dir()};

    Fixture()
    {
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
    }
    QWidget* client() { return form.centralWidget(); }
    void enter(PictureControl* button) { QTest::mouseMove(button, button->rect().center()); }
    // A point on the background, away from every button.
    void leave() { QTest::mouseMove(client(), QPoint(500, 300)); }
    QImage grab(const QRect& area) { return client()->grab(area).toImage(); }
};

bool shows_file(PictureControl* control, const QString& path)
{
    return control->picture() == formats::read_bmp(path);
}

} // namespace

class HighlightingTest : public QObject {
    Q_OBJECT

private slots:
    void scroll_buttons_light_up_and_return_to_their_normal_look();
    void bar_buttons_show_their_highlight_and_then_the_art_beneath();
    void a_disabled_undo_button_keeps_its_picture();
    void enabled_undo_and_redo_show_colour_under_the_mouse();
    void the_file_is_read_again_on_every_pass();
    void a_missing_highlight_file_is_reported_and_the_button_keeps_its_picture();
};

void HighlightingTest::scroll_buttons_light_up_and_return_to_their_normal_look()
{
    Fixture f;
    const QString buttons = f.form.state().paths.buttons_dir;
    const std::pair<PictureControl*, QString> cases[] = {{f.form.controls().strip_down_button, "вн"},
                                                         {f.form.controls().strip_up_button, "вв"}};
    for (const auto& [button, name] : cases) {
        f.enter(button);
        QVERIFY2(shows_file(button, buttons + name + "_.bmp"), qPrintable(name));
        f.leave();
        QVERIFY2(shows_file(button, buttons + name + ".bmp"), qPrintable(name));
    }
}

void HighlightingTest::bar_buttons_show_their_highlight_and_then_the_art_beneath()
{
    Fixture f;
    CapturedErrors errors;
    const app::MainWindowControls& c = f.form.controls();
    const QString interface = f.form.state().paths.interface_dir;
    const std::pair<PictureControl*, QString> cases[] = {{c.home_button, "главная!.bmp"},
                                                         {c.print_button, "печать!.bmp"},
                                                         {c.open_button, "открыть!.bmp"},
                                                         {c.save_button, "сохранить!.bmp"},
                                                         {c.exit_button, "выход!.bmp"}};
    for (const auto& [button, file] : cases) {
        const QRect area = button->geometry();
        const QImage before = f.grab(area);
        f.enter(button);
        QVERIFY2(shows_file(button, interface + file), qPrintable(file));
        QVERIFY2(f.grab(area) != before, qPrintable(file));
        f.leave();
        QVERIFY2(!button->has_picture(), qPrintable(file));
        QVERIFY2(f.grab(area) == before, qPrintable(file));
    }
    QCOMPARE(errors.messages(), QStringList());
}

void HighlightingTest::a_disabled_undo_button_keeps_its_picture()
{
    Fixture f;
    CapturedErrors errors;
    for (PictureControl* button : {f.form.controls().undo_button, f.form.controls().redo_button}) {
        QVERIFY(!button->isEnabled());
        const pixels::Bitmap before = button->picture();
        QVERIFY(!before.is_null());
        f.enter(button);
        QVERIFY(button->picture() == before);
        f.leave();
        QVERIFY(button->picture() == before);
    }
    // Even without its files a disabled button reads nothing.
    f.tree.remove("res/buttons/назад.bmp");
    f.tree.remove("res/buttons/назад чб.bmp");
    f.enter(f.form.controls().undo_button);
    f.leave();
    QCOMPARE(errors.messages(), QStringList());
}

void HighlightingTest::enabled_undo_and_redo_show_colour_under_the_mouse()
{
    Fixture f;
    const QString buttons = f.form.state().paths.buttons_dir;
    const std::pair<PictureControl*, QString> cases[] = {{f.form.controls().undo_button, "назад"},
                                                         {f.form.controls().redo_button, "вперед"}};
    for (const auto& [button, name] : cases) {
        button->setEnabled(true);
        f.enter(button);
        QVERIFY2(shows_file(button, buttons + name + ".bmp"), qPrintable(name));
        f.leave();
        QVERIFY2(shows_file(button, buttons + name + " чб.bmp"), qPrintable(name));
    }
}

void HighlightingTest::the_file_is_read_again_on_every_pass()
{
    Fixture f;
    PictureControl* down = f.form.controls().strip_down_button;
    const QString buttons = f.form.state().paths.buttons_dir;
    f.enter(down);
    f.leave();
    // The up button's highlight stands in for the down button's from now on.
    QFile::remove(buttons + "вн_.bmp");
    QVERIFY(QFile::copy(buttons + "вв_.bmp", buttons + "вн_.bmp"));
    f.enter(down);
    QVERIFY(shows_file(down, buttons + "вв_.bmp"));
    f.leave();
}

void HighlightingTest::a_missing_highlight_file_is_reported_and_the_button_keeps_its_picture()
{
    Fixture f;
    CapturedErrors errors;
    const app::MainWindowControls& c = f.form.controls();
    f.tree.remove("res/buttons/вн_.bmp");
    const pixels::Bitmap down_before = c.strip_down_button->picture();
    f.enter(c.strip_down_button);
    QCOMPARE(errors.messages().size(), 1);
    QVERIFY2(errors.messages().first().contains("вн_.bmp"), qPrintable(errors.messages().first()));
    QVERIFY(c.strip_down_button->picture() == down_before);
    f.leave();
    QCOMPARE(errors.messages().size(), 1);
    QVERIFY(shows_file(c.strip_down_button, f.form.state().paths.buttons_dir + "вн.bmp"));

    errors.clear();
    f.tree.write("res/interface/выход!.bmp", "BM broken");
    f.enter(c.exit_button);
    QCOMPARE(errors.messages().size(), 1);
    QVERIFY2(errors.messages().first().contains("выход!.bmp") ||
                 errors.messages().first() == "Bitmap image is not valid",
             qPrintable(errors.messages().first()));
    QVERIFY(!c.exit_button->has_picture());
    f.leave();
    QCOMPARE(errors.messages().size(), 1);
    QVERIFY(f.form.isVisible());
}

QTEST_MAIN(HighlightingTest)
#include "test_highlighting.moc"
