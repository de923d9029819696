#include "drawing/canvas_fixture.h"
#include "history/drawing_files.h"
#include "settings/settings.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <functional>

using namespace canvas_fixture;

namespace {

using Control = std::function<widgets::PictureControl*(Window&)>;

// The outlines as the child sees them: the pixels pure black when the picture was opened.
QList<bool> black_pixels(const pixels::Bitmap& picture)
{
    QList<bool> mask;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            mask.append(picture.pixel(x, y) == black);
    return mask;
}

// The outlines of a drawing opened from a file: its black pixels that no black 7 x 7 square covers.
QList<bool> thin_black_lines(const pixels::Bitmap& picture)
{
    const int w = picture.width();
    const int h = picture.height();
    // black_sum[y][x]: the black pixels above and left of (x, y).
    std::vector<int> black_sum(static_cast<std::size_t>((w + 1) * (h + 1)));
    const auto sum = [&](int x, int y) -> int& {
        return black_sum[static_cast<std::size_t>(y * (w + 1) + x)];
    };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            sum(x + 1, y + 1) = sum(x, y + 1) + sum(x + 1, y) - sum(x, y) + (picture.pixel(x, y) == black);
    const auto all_black = [&](int x, int y) {
        return x >= 0 && y >= 0 && x + 7 <= w && y + 7 <= h &&
               sum(x + 7, y + 7) - sum(x, y + 7) - sum(x + 7, y) + sum(x, y) == 49;
    };
    QList<bool> lines = black_pixels(picture);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            for (int i = 0; i < 49 && lines[y * w + x]; ++i)
                if (all_black(x - i % 7, y - i / 7))
                    lines[y * w + x] = false;
    return lines;
}

// Two windows driven alike: `kept` keeps its outlines, `plain` paints as the program always did.
// Before every press `plain` gets the picture `kept` shows, so each press is compared on its own.
class Twins {
public:
    explicit Twins(quint32 seed) : random(seed) {}

    void click(const Control& control, QPoint at = {})
    {
        for (Window* w : {&kept, &plain})
            press(control(*w), Qt::LeftButton, at.isNull() ? control(*w)->rect().center() : at);
    }
    void open_catalogue_picture(int slot)
    {
        kept.open_picture(slot);
        plain.open_picture(slot);
        outlines_ = black_pixels(canvas());
    }
    void choose_random_tool_size_pattern_or_colour()
    {
        const auto i = static_cast<std::size_t>(random.bounded(29));
        if (i < 10)
            click([i](Window& w) { return w.controls().tool_buttons()[i]; });
        else if (i < 14)
            click([i](Window& w) { return w.controls().size_buttons()[i - 10]; });
        else if (i < 20)
            click([i](Window& w) { return w.controls().pattern_buttons()[i - 14]; });
        else if (i < 28)
            click([i](Window& w) { return w.controls().jars()[i - 20]; });
        else
            click([](Window& w) { return w.controls().shade_strip; },
                  {random.bounded(kept.controls().shade_strip->width()), 5});
    }
    // A press on the picture, up to three movements anywhere near it, and the release.
    void random_press()
    {
        QList<QPoint> path{{random.bounded(canvas().width()), random.bounded(canvas().height())}};
        for (int moves = random.bounded(4); moves > 0; --moves)
            path.append(
                {random.bounded(-20, canvas().width() + 20), random.bounded(-20, canvas().height() + 20)});
        press_along(path);
    }
    // Outline pixels keep their colour; every other pixel is what `plain` painted, except that a
    // fill takes the whole area between the outlines, whatever was painted in it: `plain` gets that
    // area in one colour other than the paint, and where its fill painted, so does the bucket.
    void press_along(const QList<QPoint>& path)
    {
        const pixels::Bitmap before = canvas();
        const bool fills = kept.drawing().current_tool == core::Tool::fill;
        const pixels::ColourWord paint = kept.drawing().current_colour;
        const QList<QPoint> area =
            fills ? region(pixels::Bitmap(before.width(), before.height()), path.front(), outlines_)
                  : QList<QPoint>{};
        pixels::Bitmap flat = before;
        for (const QPoint p : area)
            flat.image().setPixel(p, pixels::to_qcolor(paint ^ (paint == 1 ? 2 : 1)).rgb());
        plain.controls().canvas->set_picture(flat);
        for (Window* w : {&kept, &plain}) {
            QTest::mousePress(w->controls().canvas, Qt::LeftButton, {}, path.front());
            for (const QPoint to : path)
                QTest::mouseMove(w->controls().canvas, to);
            QTest::mouseRelease(w->controls().canvas, Qt::LeftButton, {}, path.back());
        }
        QList<bool> filled(outlines_.size(), !fills);
        for (const QPoint p : area)
            filled[p.y() * before.width() + p.x()] = true;
        const pixels::Bitmap& painted = plain.controls().canvas->picture();
        for (int y = 0, i = 0; y < before.height(); ++y)
            for (int x = 0; x < before.width(); ++x, ++i) {
                const bool changes = !outlines_[i] && filled[i] && (!fills || painted.pixel(x, y) == paint);
                const pixels::Bitmap& expected = changes ? painted : before;
                if (canvas().pixel(x, y) != expected.pixel(x, y))
                    QFAIL(
                        qPrintable(QStringLiteral("pixel (%1, %2) at press %3").arg(x).arg(y).arg(presses)));
            }
        undo_ = {before, outlines_};
        ++presses;
    }
    // Undo and redo bring back each step's picture and the outlines it was opened with.
    void undo_or_redo()
    {
        const bool undo = random.bounded(2) == 0;
        widgets::PictureControl* button = undo ? kept.controls().undo_button : kept.controls().redo_button;
        if (!button->isEnabled())
            return;
        const Step back = undo ? undo_ : redo_;
        (undo ? redo_ : undo_) = {canvas(), outlines_};
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(canvas() == back.picture);
        outlines_ = back.outlines;
    }
    // The file saved is the picture as shown; opened again, its thin black lines are its outlines.
    void save_and_open_again()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("drawing.bmp");
        for (Window* w : {&kept, &plain})
            w->form().drawing_files().set_dialog_runner([&](auto, auto&) { return path; });
        press(kept.controls().save_button);
        const pixels::Bitmap saved = canvas();
        QVERIFY(formats::read_bmp(path) == saved);
        click([](Window& w) { return w.controls().open_button; });
        QVERIFY(canvas() == saved);
        outlines_ = thin_black_lines(saved);
    }
    const pixels::Bitmap& canvas() { return kept.controls().canvas->picture(); }

    QRandomGenerator random;
    Window kept{[] {
        settings::Settings values;
        values.keep_outlines = true;
        return values;
    }()};
    Window plain;

private:
    struct Step {
        pixels::Bitmap picture;
        QList<bool> outlines;
    };
    QList<bool> outlines_;
    Step undo_;
    Step redo_;
    int presses = 0;
};

} // namespace

class TestKeptOutlines : public QObject {
    Q_OBJECT

private slots:
    void no_press_of_any_tool_changes_an_outline_and_the_rest_paints_as_usual()
    {
        Twins twins(24);
        twins.open_catalogue_picture(0);
        // A region filled black, hatched, saved and opened again, then filled orange: each fill
        // takes the whole region and stays inside the outlines, and the black is paint, not outline.
        twins.click([](Window& w) { return w.controls().bucket_button; });
        QPoint inside(237, 296);
        while (twins.canvas().pixel(inside.x(), inside.y()) != white)
            inside.rx()++;
        for (const auto jar : {&app::MainWindowControls::black_jar, &app::MainWindowControls::blue_jar}) {
            twins.click([jar](Window& w) { return w.controls().*jar; });
            twins.press_along({inside});
            twins.click([](Window& w) { return w.controls().grid_pattern_button; });
        }
        twins.save_and_open_again();
        twins.click([](Window& w) { return w.controls().solid_pattern_button; });
        twins.click([](Window& w) { return w.controls().orange_jar; });
        twins.press_along({inside});
        for (int step = 0; step < 400 && !QTest::currentTestFailed(); ++step) {
            const int kind = twins.random.bounded(100);
            if (kind < 45)
                twins.random_press();
            else if (kind < 85)
                twins.choose_random_tool_size_pattern_or_colour();
            else if (kind < 95)
                twins.undo_or_redo();
            else if (kind < 98)
                twins.save_and_open_again();
            else
                twins.open_catalogue_picture(twins.random.bounded(4));
        }
        QVERIFY(twins.kept.errors().isEmpty() && twins.plain.errors().isEmpty());
    }
};

QTEST_MAIN(TestKeptOutlines)
#include "test_kept_outlines.moc"
