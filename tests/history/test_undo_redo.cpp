#include "drawing/canvas_fixture.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <optional>

using namespace canvas_fixture;

namespace {

void stroke(Window& w, QPoint from, QPoint to)
{
    QTest::mousePress(w.controls().canvas, Qt::LeftButton, {}, from);
    QTest::mouseMove(w.controls().canvas, to);
    QTest::mouseRelease(w.controls().canvas, Qt::LeftButton, {}, to);
}

// The window on its work page with the brush chosen, the known picture and one stroke on it.
pixels::Bitmap one_stroke(Window& w)
{
    show_on_canvas(w);
    press(w.controls().brush_button);
    stroke(w, {200, 200}, {220, 210});
    return w.controls().canvas->picture();
}

// The buttons and their menu items are offered together.
void verify_buttons(Window& w, bool undo, bool redo)
{
    QCOMPARE(w.controls().undo_button->isEnabled(), undo);
    QCOMPARE(w.controls().redo_button->isEnabled(), redo);
    QCOMPARE(w.controls().undo_action->isEnabled(), undo);
    QCOMPARE(w.controls().redo_action->isEnabled(), redo);
}

bool snapshot_exists(Window& w, bool undo)
{
    const auto& paths = w.state().paths;
    return QFile::exists(undo ? history::undo_snapshot_path(paths) : history::redo_snapshot_path(paths));
}

// The one step of history as two pictures beside the canvas, and which swap is offered.
struct HistoryModel {
    pixels::Bitmap canvas;
    std::optional<pixels::Bitmap> undo_file;
    std::optional<pixels::Bitmap> redo_file;
    bool undo_offered = false;
    bool redo_offered = false;

    void pressed(const pixels::Bitmap& drawn)
    {
        undo_file = canvas;
        canvas = drawn;
        undo_offered = true;
    }
    void undone()
    {
        if (!undo_offered)
            return;
        redo_file = canvas;
        canvas = *undo_file;
        undo_offered = false;
        redo_offered = true;
    }
    // Another page starts with an empty history; the snapshot files stay as they were.
    void page_opened(const pixels::Bitmap& shown)
    {
        canvas = shown;
        undo_offered = false;
        redo_offered = false;
    }
    void redone()
    {
        if (!redo_offered)
            return;
        undo_file = canvas;
        canvas = *redo_file;
        redo_offered = false;
        undo_offered = true;
    }
};

bool matches(const std::optional<pixels::Bitmap>& expected, Window& w, bool undo)
{
    if (!expected)
        return !snapshot_exists(w, undo);
    return snapshot_exists(w, undo) && (undo ? undo_snapshot(w) : redo_snapshot(w)) == *expected;
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
        const pixels::Bitmap stroked = one_stroke(w);
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

    // After an undo on one page, another page offers neither swap, and a stroke there offers only
    // its own undo: no redo brings the first page's drawing onto it.
    void another_picture_starts_an_empty_history()
    {
        Window w;
        auto& c = w.controls();
        show_on_canvas(w, known_picture(320, 240));
        press(c.brush_button);
        stroke(w, {100, 100}, {120, 110});
        press(c.undo_button);
        w.open_picture(1);
        verify_buttons(w, false, false);
        stroke(w, {100, 100}, {120, 110});
        const pixels::Bitmap painted = c.canvas->picture();
        verify_buttons(w, true, false);
        c.redo_action->trigger();
        QVERIFY(c.canvas->picture() == painted);
    }

    void menu_swaps_not_offered_do_nothing_and_missing_files_are_no_error()
    {
        Window w;
        auto& c = w.controls();
        show_on_canvas(w);
        verify_buttons(w, false, false);
        c.undo_action->trigger();
        c.redo_action->trigger();
        QVERIFY(!snapshot_exists(w, true));
        QVERIFY(!snapshot_exists(w, false));
        QVERIFY(c.canvas->picture() == known_picture());
        verify_buttons(w, false, false);

        press(c.brush_button);
        stroke(w, {200, 200}, {220, 210});
        const pixels::Bitmap stroked = c.canvas->picture();
        QFile::remove(history::undo_snapshot_path(w.state().paths));
        c.undo_action->trigger();
        QVERIFY(c.canvas->picture() == stroked);
        verify_buttons(w, false, true);
        QFile::remove(history::redo_snapshot_path(w.state().paths));
        c.redo_action->trigger();
        QVERIFY(snapshot_exists(w, true));
        QVERIFY(c.canvas->picture() == stroked);
        verify_buttons(w, true, false);
        QVERIFY(w.errors().isEmpty());
    }

    // A thousand random presses, undos and redos by button and by menu, and pictures opened from
    // the strip or after the start page, against the model.
    void random_steps_keep_the_canvas_and_both_snapshots_as_the_model_says()
    {
        Window w;
        auto& c = w.controls();
        show_on_canvas(w, pixels::Bitmap(64, 48));
        press(c.brush_button);
        HistoryModel model;
        model.canvas = c.canvas->picture();
        QRandomGenerator random(5150);
        QString trail;
        for (int step = 0; step < 1000; ++step) {
            const int kind = random.bounded(7);
            trail += QString::number(kind);
            if (kind == 0 || kind == 1) {
                // Each brush press in a colour of its own, so it always changes the picture; a
                // pipette press changes nothing but still takes the snapshot.
                const bool pipette = kind == 1;
                w.drawing().current_tool = pipette ? core::Tool::pipette : core::Tool::brush;
                w.drawing().current_colour = pixels::colour_word(step & 0xFF, step >> 8, 77);
                press(c.canvas, Qt::LeftButton, {random.bounded(64), random.bounded(48)});
                QCOMPARE(c.canvas->picture() == model.canvas, pipette);
                model.pressed(c.canvas->picture());
            } else if (kind == 2 || kind == 3) {
                kind == 2 ? press(c.undo_button) : c.undo_action->trigger();
                if (model.undo_offered)
                    QVERIFY(c.undo_button->picture() == w.bmp("buttons/назад чб.bmp"));
                model.undone();
            } else if (kind == 6) {
                if (random.bounded(2) == 0) {
                    press(c.home_button);
                    verify_buttons(w, false, false);
                }
                w.open_picture(random.bounded(3));
                model.page_opened(c.canvas->picture());
            } else {
                kind == 4 ? press(c.redo_button) : c.redo_action->trigger();
                if (model.redo_offered)
                    QVERIFY(c.redo_button->picture() == w.bmp("buttons/вперед чб.bmp"));
                model.redone();
            }
            QVERIFY2(c.canvas->picture() == model.canvas, qPrintable(trail));
            QVERIFY2(matches(model.undo_file, w, true), qPrintable(trail));
            QVERIFY2(matches(model.redo_file, w, false), qPrintable(trail));
            verify_buttons(w, model.undo_offered, model.redo_offered);
        }
        QVERIFY(w.errors().isEmpty());
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
            QCOMPARE(w.drawing().stroke_active, false);
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
        const pixels::Bitmap stroked = one_stroke(w);
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
        c.undo_action->trigger();
        QCOMPARE(w.errors().size(), 3);
        QVERIFY(w.errors().last().contains("tmp1.bmp"));
        verify_buttons(w, true, false);
        c.redo_action->trigger();
        QCOMPARE(w.errors().size(), 3);
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
