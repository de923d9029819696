#include "colours/work_page.h"

#include <random>
#include <set>

using namespace work_page;
using pixels::ColourWord;

namespace {

constexpr ColourWord white = 0x00FFFFFF;
constexpr ColourWord disc_grey = 0x007A7A7A;
constexpr int pipette = 3;

// What a press paints, followed apart from the program: the tool buttons in the panel's order
// (brush, bucket, eraser, pipette, then the six shapes), the colour and the eraser's saved one.
struct Model {
    int tool = 1;
    bool erasing = false;
    ColourWord colour = jar_colours[0].second;
    ColourWord saved = 0;

    void choose(int button)
    {
        if (button == 2 && !erasing)
            saved = colour;
        if (button != 2 && button != pipette && erasing)
            colour = saved;
        if (button == 2)
            colour = white;
        erasing = button == 2 || (erasing && button == pipette);
        tool = button;
    }
    ColourWord paints() const { return tool == 2 ? white : colour; }
};

// A display region painted one step away from a neighbour of the same colour still shows it.
bool shows(ColourWord shown, ColourWord colour)
{
    for (int shift : {0, 8, 16})
        if (std::abs(int((shown >> shift) & 0xFF) - int((colour >> shift) & 0xFF)) > 1)
            return false;
    return true;
}

// The colour a child sees at picture pixel (x, y) of `control`, from its denser rendering where
// the screen shows that.
ColourWord seen(const widgets::PictureControl* control, int x, int y)
{
    const QPointF at = QPointF(x + 0.5, y + 0.5) + control->picture_rect().topLeft();
    return pixels::from_qrgb(control->colour_shown_at(at).value_or(0));
}

// Where a press of `tool` at `at` (released at at + 16, 16) surely paints.
QPoint painted_point(int tool, QPoint at)
{
    switch (tool) {
    case 7: // line
        return at + QPoint(8, 8);
    case 8: // triangle: its base
        return at + QPoint(8, 16);
    default: // the press point, or the left edge of a rectangle, an ellipse or a rhombus
        return tool <= 2 ? at : at + QPoint(0, 8);
    }
}

} // namespace

class TestNextPressColour : public QObject {
    Q_OBJECT

private slots:
    // Random clicks on jars, the shade strip, the tool buttons and pipette presses on the canvas and
    // the photograph: after every one, every colour display shows what a press then paints.
    void every_display_shows_the_colour_the_next_press_paints()
    {
        Window w;
        auto& c = w.controls();
        w.open_picture();
        const std::array<widgets::PictureControl*, 10> tools = {
            c.brush_button,   c.bucket_button,    c.eraser_button,
            c.pipette_button, c.rectangle_button, c.rounded_rectangle_button,
            c.ellipse_button, c.line_button,      c.triangle_button,
            c.rhombus_button};
        const pixels::Bitmap plain_brush = w.bmp("instruments/кисть.bmp");
        const pixels::Bitmap empty_bucket = w.bmp("instruments/ведро пустое.bmp");
        const pixels::Bitmap blank_pattern = w.bmp("instruments/заливка.bmp");
        std::vector<std::pair<pixels::Bitmap, pixels::Bitmap>> looks;
        for (const auto& jar : jar_colours)
            looks.emplace_back(w.bmp(QStringLiteral("banks/%1.bmp").arg(QString::fromUtf8(jar.first))),
                               w.bmp(QStringLiteral("banks/%1_.bmp").arg(QString::fromUtf8(jar.first))));
        QCOMPARE(c.photograph->picture_rect().size(), c.photograph->picture().size());

        // On a dense screen every display is checked where the child sees it, in its rendering.
        const bool dense = w.form().devicePixelRatioF() > 1;
#if defined(__SANITIZE_ADDRESS__)
        // A quarter of the walk still takes each kind of step hundreds of times; the sanitizers
        // look for memory faults on those paths, not for rarer orders of steps.
        const int steps = dense ? 500 : 2500;
#else
        const int steps = dense ? 2000 : 10000;
#endif
        QVERIFY(QTest::qWaitForWindowExposed(&w.form()));
        Model model;
        int brush_size = 3;
        std::mt19937 random(20);
        const auto uniform = [&](int low, int high) {
            return std::uniform_int_distribution(low, high)(random);
        };
        std::set<ColourWord> painted;
        int probes = 0, jar_shown = 0, chosen_jar = 0, chosen_jar_not_painted = 0;
        for (int step = 0; step < steps; ++step) {
            const int kind = uniform(0, 5);
            if (kind == 0) {
                const int jar = uniform(0, 7);
                if (c.jars()[jar]->isEnabled()) {
                    model.colour = jar_colours[jar].second;
                    chosen_jar = jar;
                }
                QTest::mouseClick(c.jars()[jar], Qt::LeftButton);
            } else if (kind == 1) {
                const QPoint at(uniform(0, c.shade_strip->width() - 1),
                                uniform(0, c.shade_strip->height() - 1));
                model.colour = c.shade_strip->picture().pixel(at.x(), at.y());
                press(c.shade_strip, Qt::LeftButton, at);
            } else if (kind == 2) {
                if (model.tool != pipette) {
                    model.choose(pipette);
                    press(c.pipette_button);
                }
                const QPoint at(uniform(0, 473), uniform(0, 592));
                model.colour = c.canvas->picture().pixel(at.x(), at.y());
                press(c.canvas, Qt::LeftButton, at);
            } else if (kind == 3) {
                const QPoint at(uniform(0, 199), uniform(0, 199));
                if (model.tool == pipette)
                    model.colour = pixels::from_qrgb(*c.photograph->colour_shown_at(at));
                press(c.photograph, Qt::LeftButton, at);
            } else if (kind == 4) {
                brush_size = uniform(1, 4);
                press(c.size_buttons()[static_cast<std::size_t>(brush_size - 1)]);
            } else {
                const int tool = uniform(0, 9);
                model.choose(tool);
                press(tools[static_cast<std::size_t>(tool)]);
            }

            const ColourWord colour = model.paints();
            const QString where = QStringLiteral("step %1, kind %2, tool %3, colour %4")
                                      .arg(step)
                                      .arg(kind)
                                      .arg(model.tool)
                                      .arg(colour, 6, 16);
            QVERIFY2(w.drawing().current_colour == model.colour, qPrintable(where));
            // The empty bucket shows no paint.
            QVERIFY2(c.bucket_button->picture() == empty_bucket ||
                         shows(seen(c.bucket_button, 20, 20), colour),
                     qPrintable(where));
            for (int size = 1; size <= 4; ++size) {
                widgets::PictureControl* disc = c.size_buttons()[static_cast<std::size_t>(size - 1)];
                const int centre = disc->picture().width() / 2;
                QVERIFY2(shows(seen(disc, centre, centre), size == brush_size ? colour : disc_grey),
                         qPrintable(where + QStringLiteral(", size %1 shows %2")
                                                .arg(size)
                                                .arg(seen(disc, centre, centre), 6, 16)));
            }
            for (widgets::PictureControl* button : c.pattern_buttons())
                for (int y = 0; y < blank_pattern.height(); ++y)
                    for (int x = 0; x < blank_pattern.width(); ++x)
                        if (button->picture().pixel(x, y) != blank_pattern.pixel(x, y))
                            QVERIFY2(shows(button->picture().pixel(x, y), colour), qPrintable(where));
            if (model.tool == 0)
                QVERIFY2(shows(seen(c.brush_button, 20, 74), colour), qPrintable(where));
            else
                QVERIFY2(c.brush_button->picture() == plain_brush, qPrintable(where));
            for (std::size_t jar = 0; jar < 8; ++jar) {
                const bool selected = c.jars()[jar]->picture() == looks[jar].second;
                QVERIFY2(selected || c.jars()[jar]->picture() == looks[jar].first, qPrintable(where));
                QVERIFY2(!selected || jar_colours[jar].second == colour, qPrintable(where));
                jar_shown += selected;
            }
            chosen_jar_not_painted += jar_colours[chosen_jar].second != colour;

            if (model.tool == pipette)
                continue;
            const QPoint at(uniform(20, 440), uniform(20, 560));
            QTest::mousePress(c.canvas, Qt::LeftButton, {}, at);
            QTest::mouseRelease(c.canvas, Qt::LeftButton, {}, model.tool <= 2 ? at : at + QPoint(16, 16));
            const pixels::Bitmap& after = c.canvas->picture();
            const QPoint sure = painted_point(model.tool, at);
            QVERIFY2(after.pixel(sure.x(), sure.y()) == colour, qPrintable(where));
            painted.insert(colour);
            ++probes;
        }
        QCOMPARE(c.size_3_button->shown_density(), dense ? 2 : 1);
        qInfo("%d steps, %d presses checked in %zu colours; a jar looked chosen after %d steps; "
              "the last jar clicked was not the colour painted after %d steps",
              steps, probes, painted.size(), jar_shown, chosen_jar_not_painted);
        QVERIFY(probes > steps / 4);
        QVERIFY(painted.size() > static_cast<std::size_t>(steps / 100));
        QCOMPARE(w.errors(), QStringList());
    }
};

QTEST_MAIN(TestNextPressColour)
#include "test_next_press_colour.moc"
