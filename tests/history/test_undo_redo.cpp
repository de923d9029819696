#include "drawing/canvas_fixture.h"

#include <QDir>
#include <QFile>

using namespace canvas_fixture;

namespace {

void stroke(Window& w, QPoint from, QPoint to)
{
    QTest::mousePress(w.controls().Image1, Qt::LeftButton, {}, from);
    QTest::mouseMove(w.controls().Image1, to);
    QTest::mouseRelease(w.controls().Image1, Qt::LeftButton, {}, to);
}

// The window on its work page with the brush chosen, the known picture and one stroke on it.
platform::Bitmap one_stroke(Window& w)
{
    show_on_canvas(w);
    press(w.controls().Image15);
    stroke(w, {200, 200}, {220, 210});
    return w.controls().Image1->picture();
}

void verify_buttons(Window& w, bool undo, bool redo)
{
    QCOMPARE(w.controls().Image46->isEnabled(), undo);
    QCOMPARE(w.controls().Image47->isEnabled(), redo);
}

bool snapshot_exists(Window& w, bool undo)
{
    const auto& paths = w.state().paths;
    return QFile::exists(undo ? history::undo_snapshot_path(paths) : history::redo_snapshot_path(paths));
}

} // namespace

class TestUndoRedo : public QObject {
    Q_OBJECT

private slots:
    void undo_and_redo_toggle_one_stroke()
    {
        Window w;
        auto& c = w.controls();
        verify_buttons(w, false, false);
        const platform::Bitmap stroked = one_stroke(w);
        verify_buttons(w, true, false);
        for (int round = 0; round < 2; ++round) {
            press(c.Image46);
            QVERIFY(c.Image1->picture() == known_picture());
            QCOMPARE(shown_pixel(c.Image1, {220, 210}), white);
            verify_buttons(w, false, true);
            QVERIFY(c.Image46->picture() == w.bmp("buttons/назад чб.bmp"));
            QVERIFY(redo_snapshot(w) == stroked);
            press(c.Image47, Qt::RightButton);
            QVERIFY(c.Image1->picture() == stroked);
            QCOMPARE(shown_pixel(c.Image1, {220, 210}), red);
            verify_buttons(w, true, false);
            QVERIFY(c.Image47->picture() == w.bmp("buttons/вперед чб.bmp"));
            QVERIFY(undo_snapshot(w) == known_picture());
        }
        QVERIFY(w.errors().isEmpty());
    }

    void only_the_last_press_can_be_undone()
    {
        Window w;
        auto& c = w.controls();
        const platform::Bitmap first = one_stroke(w);
        stroke(w, {300, 400}, {320, 420});
        press(c.Image46);
        QVERIFY(c.Image1->picture() == first);
        c.N8->trigger();
        QVERIFY(c.Image1->picture() == first);

        press(c.Image29);
        press(c.Image1, Qt::LeftButton, {220, 210});
        QCOMPARE(w.drawing().current_color, red);
        press(c.Image46);
        QVERIFY(c.Image1->picture() == first);
        QVERIFY(redo_snapshot(w) == first);
    }

    void a_new_stroke_after_an_undo_offers_both()
    {
        Window w;
        auto& c = w.controls();
        const platform::Bitmap first = one_stroke(w);
        press(c.Image46);
        stroke(w, {300, 400}, {320, 420});
        const platform::Bitmap second = c.Image1->picture();
        verify_buttons(w, true, true);
        press(c.Image47);
        QVERIFY(c.Image1->picture() == first);
        QVERIFY(undo_snapshot(w) == second);
        verify_buttons(w, true, false);
        press(c.Image46);
        QVERIFY(c.Image1->picture() == second);
    }

    void an_undo_brings_back_the_previous_drawing_with_its_size()
    {
        Window w;
        auto& c = w.controls();
        show_on_canvas(w, known_picture(320, 240));
        press(c.Image15);
        stroke(w, {100, 100}, {120, 110});
        w.open_picture(1);
        QCOMPARE(c.Image1->picture().size(), QSize(474, 593));
        verify_buttons(w, true, false);
        press(c.Image46);
        QVERIFY(c.Image1->picture() == known_picture(320, 240));
        QCOMPARE(c.Image1->size(), QSize(320, 240));
        QCOMPARE(redo_snapshot(w).size(), QSize(474, 593));
    }

    void menu_swaps_leave_the_buttons_and_missing_files_are_no_error()
    {
        Window w;
        auto& c = w.controls();
        show_on_canvas(w);
        c.N8->trigger();
        QVERIFY(redo_snapshot(w) == known_picture());
        QVERIFY(!snapshot_exists(w, true));
        QVERIFY(c.Image1->picture() == known_picture());
        c.N9->trigger();
        QVERIFY(undo_snapshot(w) == known_picture());
        QVERIFY(c.Image1->picture() == known_picture());
        verify_buttons(w, false, false);

        QFile::remove(history::undo_snapshot_path(w.state().paths));
        press(c.Image15);
        stroke(w, {200, 200}, {220, 210});
        const platform::Bitmap stroked = c.Image1->picture();
        QFile::remove(history::redo_snapshot_path(w.state().paths));
        press(c.Image46);
        QVERIFY(snapshot_exists(w, false));
        press(c.Image47);
        QVERIFY(c.Image1->picture() == stroked);
        QVERIFY(w.errors().isEmpty());
    }

    void a_menu_undo_then_a_button_undo_loses_the_stroke()
    {
        Window w;
        auto& c = w.controls();
        one_stroke(w);
        c.N8->trigger();
        QVERIFY(c.Image1->picture() == known_picture());
        verify_buttons(w, true, false);
        press(c.Image46);
        QVERIFY(c.Image1->picture() == known_picture());
        QVERIFY(redo_snapshot(w) == known_picture());
        press(c.Image47);
        QVERIFY(c.Image1->picture() == known_picture());
    }

    void without_a_writable_tmp_nothing_is_drawn()
    {
        for (const bool tmp_is_a_file : {false, true}) {
            Window w;
            auto& c = w.controls();
            show_on_canvas(w);
            QVERIFY(QDir(w.tree().path("Tmp")).removeRecursively());
            if (tmp_is_a_file)
                w.tree().write("Tmp", "not a folder");
            press(c.Image15);
            QTest::mousePress(c.Image1, Qt::LeftButton, {}, {200, 200});
            QTest::mouseMove(c.Image1, {210, 210});
            QCOMPARE(w.errors().size(), 1);
            QVERIFY(w.errors().first().contains("tmp.bmp"));
            QVERIFY(c.Image1->picture() == known_picture());
            QCOMPARE(w.drawing().stroke_active, 0);
            QTest::mouseRelease(c.Image1, Qt::LeftButton, {}, {210, 210});
            verify_buttons(w, false, false);

            press(c.Image34);
            QTest::mousePress(c.Image1, Qt::LeftButton, {}, {120, 120});
            QTest::mouseMove(c.Image1, {200, 200});
            QTest::mouseRelease(c.Image1, Qt::LeftButton, {}, {200, 200});
            QCOMPARE(w.errors().size(), 2);
            QVERIFY(c.Image1->picture() == known_picture());
        }
    }

    void a_failed_undo_keeps_the_canvas_and_the_buttons()
    {
        Window w;
        auto& c = w.controls();
        const platform::Bitmap stroked = one_stroke(w);
        w.tree().write("Tmp/tmp.bmp", "BM not really a bitmap");
        press(c.Image46);
        QCOMPARE(w.errors().size(), 1);
        QVERIFY(c.Image1->picture() == stroked);
        QVERIFY(redo_snapshot(w) == stroked);
        verify_buttons(w, true, false);

        QVERIFY(QDir(w.tree().path("Tmp")).removeRecursively());
        press(c.Image46);
        QCOMPARE(w.errors().size(), 2);
        QVERIFY(w.errors().last().contains("tmp1.bmp"));
        verify_buttons(w, true, false);
        c.N9->trigger();
        QVERIFY(w.errors().last().contains("tmp.bmp"));
        QVERIFY(c.Image1->picture() == stroked);
    }

    void a_read_only_tmp_keeps_the_previous_snapshot()
    {
        Window w;
        auto& c = w.controls();
        one_stroke(w);
        const QString tmp = w.tree().path("Tmp");
        QVERIFY(QFile::setPermissions(tmp, QFile::ReadOwner | QFile::ExeOwner));
        QFile probe(tmp + "/probe");
        if (probe.open(QIODevice::WriteOnly)) {
            probe.remove();
            QFile::setPermissions(tmp, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QSKIP("this user writes into read-only folders");
        }
        stroke(w, {300, 400}, {320, 420});
        QFile::setPermissions(tmp, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(w.errors().size(), 1);
        QVERIFY(w.errors().first().contains("tmp.bmp"));
        QVERIFY(undo_snapshot(w) == known_picture());
        QCOMPARE(c.Image1->picture().pixel(310, 410), white);
    }
};

QTEST_MAIN(TestUndoRedo)
#include "test_undo_redo.moc"
