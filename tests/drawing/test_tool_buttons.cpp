#include "colours/work_page.h"

using namespace work_page;

namespace {

enum class Jars { unchanged, all, all_but_black, none };

// What each tool button, in the order of the controls' list, does when pressed, written down
// here: the tool, its plain and chosen pictures (the bucket's is recoloured, the brush's follows
// the jar), the jars left usable and the canvas cursor.
struct ToolExpectation {
    core::Tool tool;
    const char* plain;
    const char* chosen;
    Jars jars;
    core::CursorNumber cursor;
};
const ToolExpectation tools[] = {
    {core::Tool::brush, "кисть.bmp", nullptr, Jars::all, core::cursor_brush},
    {core::Tool::fill, "ведро пустое.bmp", nullptr, Jars::all, core::cursor_fill},
    {core::Tool::brush, "ластик.bmp", "ластик_.bmp", Jars::none, core::cursor_eraser},
    {core::Tool::pipette, "пипетка.bmp", "пипетка_.bmp", Jars::unchanged, core::cursor_pipette},
    {core::Tool::rectangle, "прямоугольник.bmp", "прямоугольник_.bmp", Jars::all, core::cursor_cross_hair},
    {core::Tool::rounded_rectangle, "прямоугольникк.bmp", "прямоугольникк_.bmp", Jars::all,
     core::cursor_cross_hair},
    {core::Tool::ellipse, "эллипс.bmp", "эллипс_.bmp", Jars::all, core::cursor_cross_hair},
    {core::Tool::line, "прямая.bmp", "прямая_.bmp", Jars::all, core::cursor_cross_hair},
    {core::Tool::triangle, "треугольник.bmp", "треугольник_.bmp", Jars::all_but_black,
     core::cursor_cross_hair},
    {core::Tool::rhombus, "ромб.bmp", "ромб_.bmp", Jars::all_but_black, core::cursor_cross_hair},
};

bool same_cursor(const QCursor& a, const QCursor& b)
{
    return a.shape() == b.shape() && a.hotSpot() == b.hotSpot() &&
           a.pixmap().toImage() == b.pixmap().toImage();
}

QString instrument(const char* file)
{
    return "instruments/" + QString::fromUtf8(file);
}

std::array<bool, 8> jars_enabled(app::MainWindowControls& c)
{
    std::array<bool, 8> enabled{};
    for (std::size_t i = 0; i < 8; ++i)
        enabled[i] = c.jars()[i]->isEnabled();
    return enabled;
}

} // namespace

class TestToolButtons : public QObject {
    Q_OBJECT

private slots:
    void every_tool_button_shows_itself_chosen_and_the_others_plain()
    {
        Window w;
        auto& c = w.controls();
        w.open_picture();
        for (std::size_t i = 0; i < std::size(tools); ++i) {
            const ToolExpectation& row = tools[i];
            const std::array<bool, 8> jars_before = jars_enabled(c);
            const QCursor photo_cursor = c.photograph->cursor();
            press(c.tool_buttons()[i], i % 2 == 0 ? Qt::LeftButton : Qt::RightButton);
            for (std::size_t j = 0; j < std::size(tools); ++j)
                if (j != i && !(j == 1 && i == 2))
                    QVERIFY2(c.tool_buttons()[j]->picture() == w.bmp(instrument(tools[j].plain)),
                             tools[j].plain);
            if (i == 1)
                QCOMPARE(c.bucket_button->picture().pixel(20, 20), w.drawing().current_colour);
            else if (row.chosen != nullptr)
                QVERIFY(c.tool_buttons()[i]->picture() == w.bmp(instrument(row.chosen)));
            QCOMPARE(w.drawing().current_tool, row.tool);
            QCOMPARE(static_cast<int>(w.drawing().fill_pattern), i == 1 ? 1 : 0);
            QCOMPARE(c.solid_pattern_frame->isVisible(), i == 1);
            // The pipette keeps the eraser; a shape leaves it, as the brush and the bucket do.
            QCOMPARE(w.drawing().eraser_mode, i == 2 || i == 3);
            const QCursor canvas =
                row.cursor == 0 ? QCursor(Qt::CrossCursor) : w.state().screen_cursors.cursor(row.cursor);
            QVERIFY(same_cursor(c.canvas->cursor(), canvas));
            const QCursor photo = row.tool == core::Tool::pipette ? canvas
                                  : row.cursor == 0               ? photo_cursor
                                                                  : QCursor(Qt::ArrowCursor);
            QVERIFY(same_cursor(c.photograph->cursor(), photo));
            std::array<bool, 8> jars = jars_before;
            if (row.jars != Jars::unchanged)
                jars.fill(row.jars != Jars::none);
            if (row.jars == Jars::all_but_black)
                jars[7] = false;
            QCOMPARE(jars_enabled(c), jars);
        }
        QVERIFY(w.errors().isEmpty());
    }

    void leaving_the_eraser_brings_back_the_colour_and_its_jar()
    {
        Window w;
        auto& c = w.controls();
        w.open_picture();
        QTest::mouseClick(c.violet_jar, Qt::LeftButton);
        press(c.eraser_button);
        QCOMPARE(w.drawing().current_colour, 0x00FFFFFFu);
        press(c.eraser_button, Qt::RightButton);
        press(c.shade_strip, Qt::LeftButton, {200, 15});
        press(c.line_button);
        press(c.brush_button);
        QCOMPARE(w.drawing().current_colour, 0x00C118B1u);
        QCOMPARE(w.drawing().eraser_mode, false);
        QVERIFY(c.violet_jar->picture() == w.bmp("banks/ф_.bmp"));
        QVERIFY(c.red_jar->picture() == w.bmp("banks/к.bmp"));
        QVERIFY(c.brush_button->picture() == w.bmp("instruments/кисть_ф.bmp"));
        QCOMPARE(c.size_3_button->picture().pixel(10, 10), 0x00C118B1u);
        QTest::mouseClick(c.yellow_jar, Qt::LeftButton);
        press(c.eraser_button);
        press(c.bucket_button);
        QCOMPARE(w.drawing().current_colour, 0x0000FFFFu);
        QCOMPARE(static_cast<int>(w.drawing().current_tool), 2);
        QVERIFY(c.yellow_jar->picture() == w.bmp("banks/ж_.bmp"));
    }

    void a_missing_tool_picture_stops_the_handler_at_that_load()
    {
        Window w;
        auto& c = w.controls();
        w.open_picture();
        const QCursor canvas = c.canvas->cursor();
        w.tree().remove("res/instruments/ромб.bmp");
        press(c.triangle_button);
        QCOMPARE(w.errors().size(), 1);
        QVERIFY(w.errors().first().contains("ромб.bmp"));
        QCOMPARE(static_cast<int>(w.drawing().current_tool), 9);
        QVERIFY(!c.black_jar->isEnabled());
        QVERIFY(same_cursor(c.canvas->cursor(), canvas));
    }
};

QTEST_MAIN(TestToolButtons)
#include "test_tool_buttons.moc"
