#include "colours/work_page.h"
#include "pixels/drawing_surface.h"

#include <set>

using namespace work_page;
using pixels::BrushStyle;

namespace {

constexpr pixels::ColourWord violet = 0x00C118B1;
constexpr pixels::ColourWord grey = 0x007A7A7A;

// `after` must be `before` with the hatch of `style` in `colour` over the seed's region, and nothing else.
void verify_fill(const pixels::Bitmap& after, const pixels::Bitmap& before, QPoint seed,
                 pixels::ColourWord colour, BrushStyle style)
{
    pixels::Bitmap expected = before;
    for (const QPoint p : region(before, seed))
        if (pixels::hatch_covers(style, p.x() % 8, p.y() % 8))
            expected.image().setPixel(p, pixels::to_qrgb(colour));
    QVERIFY(after == expected);
}

// The hatch lines of one direction share one value of `line` modulo 8.
int lines_of(const pixels::Bitmap& picture, pixels::ColourWord colour, int (*line)(int, int))
{
    std::set<int> values;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixel(x, y) == colour)
                values.insert(((line(x, y) % 8) + 8) % 8);
    return static_cast<int>(values.size());
}

// The jars in their row order: the letter naming the picture, the colour taken, and whether only a
// left click takes it (red and black take a press of any button).
struct JarExpectation {
    const char* letter;
    pixels::ColourWord colour;
    bool left_click_only;
};
const JarExpectation jars[] = {{"к", 0x000000FF, false}, {"о", 0x000066FF, true}, {"ж", 0x0000FFFF, true},
                               {"з", 0x0009BC3B, true},  {"г", 0x00DBBA37, true}, {"с", 0x00FF0000, true},
                               {"ф", 0x00C118B1, true},  {"ч", 0x00000000, false}};

QString jar_file(const JarExpectation& jar, bool selected)
{
    return "banks/" + QString::fromUtf8(jar.letter) + (selected ? "_.bmp" : ".bmp");
}

} // namespace

class TestJars : public QObject {
    Q_OBJECT

private slots:
    void violet_jar_with_the_brush_recolours_every_display()
    {
        Window w;
        auto& c = w.controls();
        w.open_picture();
        press(c.brush_button);
        const pixels::Bitmap solid = c.solid_pattern_button->picture();
        QTest::mouseClick(c.violet_jar, Qt::LeftButton);
        QCOMPARE(w.drawing().current_colour, violet);
        QCOMPARE(w.state().chosen_jar, 7);
        QVERIFY(c.shade_strip->picture() == w.bmp("gradients/ф.bmp"));
        for (int i = 0; i < 8; ++i)
            QVERIFY(c.jars()[i]->picture() == w.bmp(jar_file(jars[i], i == 6)));
        QVERIFY(c.brush_button->picture() == w.bmp("instruments/кисть_ф.bmp"));
        verify_fill(c.bucket_button->picture(), w.bmp("instruments/ведро пустое.bmp"), {20, 20}, violet,
                    BrushStyle::Solid);
        verify_fill(c.solid_pattern_button->picture(), solid, {10, 10}, violet, BrushStyle::Solid);
        const pixels::Bitmap blank = w.bmp("instruments/заливка.bmp");
        const std::array styles = {BrushStyle::Horizontal, BrushStyle::Vertical, BrushStyle::ForwardDiagonal,
                                   BrushStyle::BackwardDiagonal, BrushStyle::Cross};
        for (std::size_t i = 0; i < styles.size(); ++i)
            verify_fill(c.pattern_buttons()[i + 1]->picture(), blank, {10, 10}, violet, styles[i]);
        QCOMPARE(lines_of(c.horizontal_pattern_button->picture(), violet, [](int, int y) { return y; }), 1);
        QCOMPARE(lines_of(c.vertical_pattern_button->picture(), violet, [](int x, int) { return x; }), 1);
        QCOMPARE(
            lines_of(c.right_slope_pattern_button->picture(), violet, [](int x, int y) { return x - y; }), 1);
        QCOMPARE(lines_of(c.left_slope_pattern_button->picture(), violet, [](int x, int y) { return x + y; }),
                 1);
        QCOMPARE(c.size_3_button->picture().pixel(10, 10), violet);
        QCOMPARE(c.size_2_button->picture().pixel(10, 10), grey);
        QCOMPARE(c.size_1_button->picture().pixel(5, 5), grey);
        QCOMPARE(c.size_4_button->picture().pixel(10, 10), grey);
        QVERIFY(w.errors().isEmpty());
    }

    void red_and_black_take_any_press_the_others_a_left_click()
    {
        Window w;
        auto& c = w.controls();
        w.open_picture();
        press(c.black_jar, Qt::RightButton);
        QCOMPARE(w.state().chosen_jar, 8);
        QCOMPARE(w.drawing().current_colour, 0u);
        QVERIFY(c.shade_strip->picture() == w.bmp("gradients/б.bmp"));
        for (int i = 0; i < 8; ++i) {
            const std::int32_t before = w.state().chosen_jar;
            press(c.jars()[i], Qt::RightButton);
            QCOMPARE(w.state().chosen_jar, jars[i].left_click_only ? before : i + 1);
            press(c.jars()[i], Qt::LeftButton);
            QCOMPARE(w.state().chosen_jar, i + 1);
            QCOMPARE(w.drawing().current_colour, jars[i].colour);
        }
    }

    void shade_strip_takes_the_exact_pixel_and_the_jar_and_brush_show_it()
    {
        Window w;
        auto& c = w.controls();
        w.open_picture();
        press(c.brush_button);
        QTest::mouseClick(c.yellow_jar, Qt::LeftButton);
        press(c.shade_strip, Qt::MiddleButton, {137, 21});
        const pixels::ColourWord shade = w.bmp("gradients/ж.bmp").pixel(137, 21);
        QVERIFY(shade != 0x0000FFFFu);
        QCOMPARE(w.drawing().current_colour, shade);
        QCOMPARE(w.state().chosen_jar, 3);
        // Yellow is not what the brush paints now: the jar looks plain and the bristles take the shade.
        QVERIFY(c.yellow_jar->picture() == w.bmp("banks/ж.bmp"));
        QCOMPARE(c.brush_button->picture().pixel(20, 74), shade);
        QCOMPARE(c.solid_pattern_button->picture().pixel(12, 12), w.drawing().current_colour);
    }

    void the_brush_picture_follows_the_jars_while_the_brush_is_chosen()
    {
        Window w;
        auto& c = w.controls();
        w.open_picture();
        press(c.brush_button);
        QTest::mouseClick(c.violet_jar, Qt::LeftButton);
        press(c.black_jar);
        QCOMPARE(w.drawing().current_colour, 0u);
        QCOMPARE(c.brush_button->picture().pixel(20, 74), 0u);
        press(c.bucket_button);
        QTest::mouseClick(c.orange_jar, Qt::LeftButton);
        QVERIFY(c.brush_button->picture() == w.bmp("instruments/кисть.bmp"));
    }

    void a_colour_change_keeps_the_chosen_pattern_and_its_frame()
    {
        Window w;
        auto& c = w.controls();
        w.open_picture();
        QTest::mouseClick(c.vertical_pattern_button, Qt::LeftButton);
        QTest::mouseClick(c.orange_jar, Qt::LeftButton);
        press(c.red_jar);
        QCOMPARE(static_cast<int>(w.drawing().fill_pattern), 3);
        for (std::size_t i = 0; i < 6; ++i)
            QCOMPARE(c.pattern_frames()[i]->isVisible(), i == 2);
    }

    void missing_strip_or_jar_picture_is_reported_and_stops_there()
    {
        Window w;
        auto& c = w.controls();
        w.open_picture();
        const pixels::Bitmap red_strip = c.shade_strip->picture();
        w.tree().remove("res/gradients/ф.bmp");
        QTest::mouseClick(c.violet_jar, Qt::LeftButton);
        QCOMPARE(w.errors().size(), 1);
        QVERIFY(w.errors().first().contains("ф.bmp"));
        QVERIFY(c.shade_strip->picture() == red_strip);
        QCOMPARE(w.state().chosen_jar, 1);
        w.tree().remove("res/banks/ж.bmp");
        QTest::mouseClick(c.orange_jar, Qt::LeftButton);
        QCOMPARE(w.errors().size(), 2);
        QVERIFY(w.errors().last().contains("ж.bmp"));
        QVERIFY(c.shade_strip->picture() == w.bmp("gradients/о.bmp"));
        QVERIFY(c.red_jar->picture() == w.bmp("banks/к.bmp"));
        QVERIFY(c.orange_jar->picture() == w.bmp("banks/о_.bmp"));
        QCOMPARE(w.drawing().current_colour, 0x000000FFu);
    }

    // White from the eraser (or a pipette on paper) must not merge a size disc with its white
    // background: the disc would vanish and every later colour would flood the whole button.
    void size_buttons_keep_their_disc_through_white()
    {
        Window w;
        auto& c = w.controls();
        w.open_picture();
        const pixels::Bitmap before = c.size_3_button->picture();
        press(c.eraser_button);
        QVERIFY(c.size_3_button->picture().pixel(10, 10) != before.pixel(0, 0));
        press(c.brush_button);
        pixels::Bitmap expected = before;
        for (const QPoint p : region(before, {10, 10}))
            expected.image().setPixel(p, pixels::to_qrgb(0x000000FF));
        QVERIFY(c.size_3_button->picture() == expected);
    }
};

QTEST_MAIN(TestJars)
#include "test_jars.moc"
