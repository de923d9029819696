#include "drawing/canvas_fixture.h"

#include <QDir>
#include <QFile>

using namespace canvas_fixture;

namespace {

void stroke(Window& w, QPoint from, QPoint to)
{
    QTest::mousePress(w.controls().canvas, Qt::LeftButton, {}, from);
    QTest::mouseMove(w.controls().canvas, to);
    QTest::mouseRelease(w.controls().canvas, Qt::LeftButton, {}, to);
}

// The window on its work page with the brush chosen, the known picture and one stroke on it.
platform::Bitmap one_stroke(Window& w)
{
    show_on_canvas(w);
    press(w.controls().brush_button);
    stroke(w, {200, 200}, {220, 210});
    return w.controls().canvas->picture();
}

void verify_buttons(Window& w, bool undo, bool redo)
{
    QCOMPARE(w.controls().undo_button->isEnabled(), undo);
    QCOMPARE(w.controls().redo_button->isEnabled(), redo);
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
            press(c.undo_button);
            QVERIFY(c.canvas->picture() == known_picture());
            QCOMPARE(shown_pixel(c.canvas, {220, 210}), white);
            verify_buttons(w, false, true);
            QVERIFY(c.undo_button->picture() == w.bmp("buttons/назад чб.bmp"));
            QVERIFY(redo_snapshot(w) == stroked);
            press(c.redo_button, Qt::RightButton);
            QVERIFY(c.canvas->picture() == stroked);
            QCOMPARE(shown_pixel(c.canvas, {220, 210}), red);
            verify_buttons(w, true, false);
            QVERIFY(c.redo_button->picture() == w.bmp("buttons/вперед чб.bmp"));
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
        press(c.undo_button);
        QVERIFY(c.canvas->picture() == first);
        c.undo_action->trigger();
        QVERIFY(c.canvas->picture() == first);

        press(c.pipette_button);
        press(c.canvas, Qt::LeftButton, {220, 210});
        QCOMPARE(w.drawing().current_color, red);
        press(c.undo_button);
        QVERIFY(c.canvas->picture() == first);
        QVERIFY(redo_snapshot(w) == first);
    }

    void a_new_stroke_after_an_undo_offers_both()
    {
        Window w;
        auto& c = w.controls();
        const platform::Bitmap first = one_stroke(w);
        press(c.undo_button);
        stroke(w, {300, 400}, {320, 420});
        const platform::Bitmap second = c.canvas->picture();
        verify_buttons(w, true, true);
        press(c.redo_button);
        QVERIFY(c.canvas->picture() == first);
        QVERIFY(undo_snapshot(w) == second);
        verify_buttons(w, true, false);
        press(c.undo_button);
        QVERIFY(c.canvas->picture() == second);
    }

    void an_undo_brings_back_the_previous_drawing_with_its_size()
    {
        Window w;
        auto& c = w.controls();
        show_on_canvas(w, known_picture(320, 240));
        press(c.brush_button);
        stroke(w, {100, 100}, {120, 110});
        w.open_picture(1);
        QCOMPARE(c.canvas->picture().size(), QSize(474, 593));
        verify_buttons(w, true, false);
        press(c.undo_button);
        QVERIFY(c.canvas->picture() == known_picture(320, 240));
        QCOMPARE(c.canvas->size(), QSize(320, 240));
        QCOMPARE(redo_snapshot(w).size(), QSize(474, 593));
    }

    void menu_swaps_leave_the_buttons_and_missing_files_are_no_error()
    {
        Window w;
        auto& c = w.controls();
        show_on_canvas(w);
        c.undo_action->trigger();
        QVERIFY(redo_snapshot(w) == known_picture());
        QVERIFY(!snapshot_exists(w, true));
        QVERIFY(c.canvas->picture() == known_picture());
        c.redo_action->trigger();
        QVERIFY(undo_snapshot(w) == known_picture());
        QVERIFY(c.canvas->picture() == known_picture());
        verify_buttons(w, false, false);

        QFile::remove(history::undo_snapshot_path(w.state().paths));
        press(c.brush_button);
        stroke(w, {200, 200}, {220, 210});
        const platform::Bitmap stroked = c.canvas->picture();
        QFile::remove(history::redo_snapshot_path(w.state().paths));
        press(c.undo_button);
        QVERIFY(snapshot_exists(w, false));
        press(c.redo_button);
        QVERIFY(c.canvas->picture() == stroked);
        QVERIFY(w.errors().isEmpty());
    }

    void a_menu_undo_then_a_button_undo_loses_the_stroke()
    {
        Window w;
        auto& c = w.controls();
        one_stroke(w);
        c.undo_action->trigger();
        QVERIFY(c.canvas->picture() == known_picture());
        verify_buttons(w, true, false);
        press(c.undo_button);
        QVERIFY(c.canvas->picture() == known_picture());
        QVERIFY(redo_snapshot(w) == known_picture());
        press(c.redo_button);
        QVERIFY(c.canvas->picture() == known_picture());
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
            press(c.brush_button);
            QTest::mousePress(c.canvas, Qt::LeftButton, {}, {200, 200});
            QTest::mouseMove(c.canvas, {210, 210});
            QCOMPARE(w.errors().size(), 1);
            QVERIFY(w.errors().first().contains("tmp.bmp"));
            QVERIFY(c.canvas->picture() == known_picture());
            QCOMPARE(w.drawing().stroke_active, 0);
            QTest::mouseRelease(c.canvas, Qt::LeftButton, {}, {210, 210});
            verify_buttons(w, false, false);

            press(c.rectangle_button);
            QTest::mousePress(c.canvas, Qt::LeftButton, {}, {120, 120});
            QTest::mouseMove(c.canvas, {200, 200});
            QTest::mouseRelease(c.canvas, Qt::LeftButton, {}, {200, 200});
            QCOMPARE(w.errors().size(), 2);
            QVERIFY(c.canvas->picture() == known_picture());
        }
    }

    void a_failed_undo_keeps_the_canvas_and_the_buttons()
    {
        Window w;
        auto& c = w.controls();
        const platform::Bitmap stroked = one_stroke(w);
        w.tree().write("Tmp/tmp.bmp", "BM not really a bitmap");
        press(c.undo_button);
        QCOMPARE(w.errors().size(), 1);
        QVERIFY(c.canvas->picture() == stroked);
        QVERIFY(redo_snapshot(w) == stroked);
        verify_buttons(w, true, false);

        QVERIFY(QDir(w.tree().path("Tmp")).removeRecursively());
        press(c.undo_button);
        QCOMPARE(w.errors().size(), 2);
        QVERIFY(w.errors().last().contains("tmp1.bmp"));
        verify_buttons(w, true, false);
        c.redo_action->trigger();
        QVERIFY(w.errors().last().contains("tmp.bmp"));
        QVERIFY(c.canvas->picture() == stroked);
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
        QCOMPARE(c.canvas->picture().pixel(310, 410), white);
    }
};

QTEST_MAIN(TestUndoRedo)
#include "test_undo_redo.moc"
