#include "drawing/canvas_fixture.h"
#include "history/drawing_files.h"
#include "settings/settings.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <functional>
#include <vector>

using namespace canvas_fixture;

namespace {

using Control = std::function<platform::PictureControl*(Window&)>;
using C = app::MainWindowControls;
// One byte a pixel, row by row.
using Mask = std::vector<char>;

Mask black_pixels(const platform::Bitmap& picture)
{
    Mask mask;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            mask.push_back(picture.pixel(x, y) == black);
    return mask;
}

// The pixels a fill from `seed` may take when the outlines are walls.
Mask walled_region(const platform::Bitmap& picture, const Mask& outlines, QPoint seed)
{
    Mask region(outlines.size(), 0);
    const auto index = [&](QPoint p) { return static_cast<std::size_t>(p.y() * picture.width() + p.x()); };
    if (outlines[index(seed)])
        return region;
    const platform::ColourWord colour = picture.pixel(seed.x(), seed.y());
    QList<QPoint> found{seed};
    region[index(seed)] = 1;
    for (qsizetype i = 0; i < found.size(); ++i)
        for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
            const QPoint next = found[i] + step;
            if (picture.contains(next.x(), next.y()) && !region[index(next)] && !outlines[index(next)] &&
                picture.pixel(next.x(), next.y()) == colour) {
                region[index(next)] = 1;
                found.append(next);
            }
        }
    return region;
}

settings::Settings keeping_outlines()
{
    settings::Settings values;
    values.keep_outlines = true;
    return values;
}

Control member(C::Picture* C::*control)
{
    return [control](Window& w) { return w.controls().*control; };
}

// Two windows driven alike: `kept` keeps its outlines, `plain` paints as the program always did
// and shows what each press paints without outlines. Before every press `plain` gets the picture
// `kept` shows, so the two are compared press by press.
class Twins {
public:
    explicit Twins(quint32 seed) : random_(seed) {}

    void click(const Control& control, QPoint at = {})
    {
        for (Window* w : {&kept_, &plain_})
            press(control(*w), Qt::LeftButton, at.isNull() ? control(*w)->rect().center() : at);
    }
    void open_catalogue_picture(int slot)
    {
        kept_.open_picture(slot);
        plain_.open_picture(slot);
        outlines_ = black_pixels(canvas());
    }
    void choose_random_tool_size_pattern_or_colour()
    {
        const int choice = random_.bounded(29);
        if (choice < 10)
            click([choice](Window& w) { return w.controls().tool_buttons()[choice]; });
        else if (choice < 14)
            click([choice](Window& w) { return w.controls().size_buttons()[choice - 10]; });
        else if (choice < 20)
            click([choice](Window& w) { return w.controls().pattern_buttons()[choice - 14]; });
        else if (choice < 28)
            click([choice](Window& w) { return w.controls().jars()[choice - 20]; });
        else
            click(member(&C::shade_strip), {random_.bounded(kept_.controls().shade_strip->width()), 5});
    }
    // A press anywhere on the picture, up to three movements anywhere near it, and the release.
    void random_press()
    {
        std::vector<QPoint> path{random_point(0)};
        for (int moves = random_.bounded(4); moves > 0; --moves)
            path.push_back(random_point(20));
        press_along(path);
    }
    void press_along(const std::vector<QPoint>& path)
    {
        const platform::Bitmap before = canvas();
        plain_.controls().canvas->set_picture(before);
        const bool fills = kept_.drawing().current_tool == core::Tool::fill;
        for (Window* w : {&kept_, &plain_}) {
            QTest::mousePress(w->controls().canvas, Qt::LeftButton, {}, path.front());
            for (const QPoint to : path)
                QTest::mouseMove(w->controls().canvas, to);
            QTest::mouseRelease(w->controls().canvas, Qt::LeftButton, {}, path.back());
        }
        compare(before, fills ? walled_region(before, outlines_, path.front()) : Mask{});
        undo_ = {before, outlines_};
    }
    void undo_or_redo()
    {
        const bool undo = random_.bounded(2) == 0;
        platform::PictureControl* button = undo ? kept_.controls().undo_button : kept_.controls().redo_button;
        if (!button->isEnabled())
            return;
        const Step back = undo ? undo_ : redo_;
        (undo ? redo_ : undo_) = {canvas(), outlines_};
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(canvas() == back.picture);
        outlines_ = back.outlines;
    }
    // Saved and opened again, the drawing's black pixels are its outlines.
    void save_and_open_again()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("drawing.bmp");
        for (Window* w : {&kept_, &plain_})
            w->form().drawing_files().set_dialog_runner([&](auto, auto&) { return path; });
        press(kept_.controls().save_button);
        const platform::Bitmap saved = canvas();
        QVERIFY(platform::read_bmp(path) == saved);
        click(member(&C::open_button));
        QVERIFY(canvas() == saved);
        outlines_ = black_pixels(saved);
    }
    QRandomGenerator& random() { return random_; }
    const platform::Bitmap& canvas() { return kept_.controls().canvas->picture(); }

private:
    struct Step {
        platform::Bitmap picture;
        Mask outlines;
    };

    QPoint random_point(int margin)
    {
        return {random_.bounded(-margin, canvas().width() + margin),
                random_.bounded(-margin, canvas().height() + margin)};
    }
    // Outline pixels keep their colour; every other pixel is what `plain` painted, except that a
    // fill stops at the outlines and leaves what lies beyond them.
    void compare(const platform::Bitmap& before, const Mask& fill_region)
    {
        const platform::Bitmap& painted = plain_.controls().canvas->picture();
        int wrong = 0;
        QPoint first;
        for (int y = 0, i = 0; y < before.height(); ++y)
            for (int x = 0; x < before.width(); ++x, ++i) {
                const bool outside_fill = !fill_region.empty() && !fill_region[static_cast<std::size_t>(i)];
                const platform::Bitmap& expected =
                    outlines_[static_cast<std::size_t>(i)] || outside_fill ? before : painted;
                if (canvas().pixel(x, y) != expected.pixel(x, y) && wrong++ == 0)
                    first = {x, y};
            }
        QVERIFY2(wrong == 0, qPrintable(QStringLiteral("%1 pixels wrong, the first at (%2, %3)")
                                            .arg(wrong)
                                            .arg(first.x())
                                            .arg(first.y())));
        QVERIFY(kept_.errors().isEmpty() && plain_.errors().isEmpty());
    }

    QRandomGenerator random_;
    Window kept_{keeping_outlines()};
    Window plain_;
    Mask outlines_;
    Step undo_;
    Step redo_;
};

} // namespace

class TestKeptOutlines : public QObject {
    Q_OBJECT

private slots:
    void no_press_of_any_tool_changes_an_outline_and_the_rest_paints_as_usual()
    {
        const quint32 seed = 24;
        qInfo("seed %u", seed);
        Twins twins(seed);
        twins.open_catalogue_picture(0);
        // A region filled black and then orange: the second fill stays inside the outlines.
        twins.click(member(&C::bucket_button));
        twins.click([](Window& w) { return w.controls().black_jar; });
        QPoint inside(237, 296);
        while (twins.canvas().pixel(inside.x(), inside.y()) != white)
            inside.rx()++;
        twins.press_along({inside});
        twins.click([](Window& w) { return w.controls().orange_jar; });
        twins.press_along({inside});
        for (int step = 0; step < 400 && !QTest::currentTestFailed(); ++step) {
            const int kind = twins.random().bounded(100);
            if (kind < 45)
                twins.random_press();
            else if (kind < 85)
                twins.choose_random_tool_size_pattern_or_colour();
            else if (kind < 95)
                twins.undo_or_redo();
            else if (kind < 98)
                twins.save_and_open_again();
            else
                twins.open_catalogue_picture(twins.random().bounded(4));
        }
    }
};

QTEST_MAIN(TestKeptOutlines)
#include "test_kept_outlines.moc"
