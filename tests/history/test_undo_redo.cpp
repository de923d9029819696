#include "drawing/canvas_fixture.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <deque>
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

// The history as the pictures behind and ahead of the canvas, and, for one step, the two
// snapshot files. One step keeps what is ahead across a press, as its files always did; more steps
// drop it. Unsaved is a change from the page as opened, and for one step any undo or redo.
struct HistoryModel {
    int steps = 1;
    pixels::Bitmap canvas;
    pixels::Bitmap clean;
    bool swapped = false;
    std::deque<pixels::Bitmap> behind;
    std::deque<pixels::Bitmap> ahead;
    std::optional<pixels::Bitmap> undo_file;
    std::optional<pixels::Bitmap> redo_file;

    bool undo_offered() const { return !behind.empty(); }
    bool redo_offered() const { return !ahead.empty(); }
    bool unsaved() const { return (steps == 1 && swapped) || !(canvas == clean); }
    void keep_within_steps()
    {
        while (static_cast<int>(behind.size()) > steps)
            behind.pop_front();
        while (static_cast<int>(ahead.size()) > steps)
            ahead.pop_front();
    }
    void pressed(const pixels::Bitmap& drawn)
    {
        undo_file = canvas;
        behind.push_back(canvas);
        if (steps > 1)
            ahead.clear();
        keep_within_steps();
        canvas = drawn;
    }
    void undone()
    {
        if (!undo_offered())
            return;
        redo_file = canvas;
        ahead.push_back(canvas);
        canvas = behind.back();
        behind.pop_back();
        keep_within_steps();
        swapped = true;
    }
    void redone()
    {
        if (!redo_offered())
            return;
        undo_file = canvas;
        behind.push_back(canvas);
        canvas = ahead.back();
        ahead.pop_back();
        keep_within_steps();
        swapped = true;
    }
    // Another page starts with an empty history; the snapshot files stay as they were.
    void page_opened(const pixels::Bitmap& shown)
    {
        canvas = clean = shown;
        swapped = false;
        behind.clear();
        ahead.clear();
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

    void random_steps_keep_the_canvas_and_the_history_as_the_model_says_data()
    {
        QTest::addColumn<int>("steps");
        for (const int steps : {1, 2, 50})
            QTest::addRow("%d steps", steps) << steps;
    }

    // A thousand random presses, undos and redos by button and by menu, and pictures opened from
    // the strip or after the start page (asking about unsaved changes exactly when there are some),
    // against the model; with one step the snapshot files too.
    void random_steps_keep_the_canvas_and_the_history_as_the_model_says()
    {
        QFETCH(int, steps);
        settings::Settings values;
        values.undo_steps = steps;
        Window w(values);
        auto& c = w.controls();
        int asked = 0;
        w.form().set_save_question([&] {
            ++asked;
            return app::SaveAnswer::discard;
        });
        show_on_canvas(w, pixels::Bitmap(64, 48));
        press(c.brush_button);
        HistoryModel model;
        model.steps = steps;
        model.page_opened(c.canvas->picture());
        model.clean = {}; // the page's own line drawing, which this picture replaced
        QRandomGenerator random(5150);
        QString trail;
        // Long runs of presses fill the history, long runs of undos empty it.
        for (int step = 0; step < 1000; ++step) {
            const int kind = step % 200 < 60 ? 0 : step % 200 < 120 ? 2 : random.bounded(7);
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
                const bool was_offered = model.undo_offered();
                kind == 2 ? press(c.undo_button) : c.undo_action->trigger();
                model.undone();
                if (was_offered && !model.undo_offered())
                    QVERIFY(c.undo_button->picture() == w.bmp("buttons/назад чб.bmp"));
            } else if (kind == 6) {
                const int asked_before = asked;
                if (random.bounded(2) == 0) {
                    press(c.home_button);
                    verify_buttons(w, false, false);
                }
                w.open_picture(random.bounded(3));
                QVERIFY2((asked > asked_before) == model.unsaved(), qPrintable(trail));
                model.page_opened(c.canvas->picture());
            } else {
                const bool was_offered = model.redo_offered();
                kind == 4 ? press(c.redo_button) : c.redo_action->trigger();
                model.redone();
                if (was_offered && !model.redo_offered())
                    QVERIFY(c.redo_button->picture() == w.bmp("buttons/вперед чб.bmp"));
            }
            QVERIFY2(c.canvas->picture() == model.canvas, qPrintable(trail));
            if (steps == 1) {
                QVERIFY2(matches(model.undo_file, w, true), qPrintable(trail));
                QVERIFY2(matches(model.redo_file, w, false), qPrintable(trail));
            }
            verify_buttons(w, model.undo_offered(), model.redo_offered());
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
