#include "colours/work_page.h"

using namespace work_page;

class TestPatternSizeButtons : public QObject {
    Q_OBJECT

private slots:
    void a_pattern_moves_the_frame_and_keeps_the_tool()
    {
        Window w;
        auto& c = w.controls();
        w.open_picture();
        press(c.brush_button);
        for (int style = 1; style <= 6; ++style) {
            QTest::mouseClick(c.pattern_buttons()[style % 6], Qt::RightButton);
            QTest::mouseClick(c.pattern_buttons()[style - 1], Qt::LeftButton);
            QCOMPARE(static_cast<int>(w.drawing().fill_pattern), style);
            for (int frame = 1; frame <= 6; ++frame)
                QCOMPARE(c.pattern_frames()[frame - 1]->isVisible(), frame == style);
        }
        QCOMPARE(static_cast<int>(w.drawing().current_tool), 1);
        press(c.bucket_button);
        QCOMPARE(static_cast<int>(w.drawing().fill_pattern), 1);
        QVERIFY(c.solid_pattern_frame->isVisible() && !c.grid_pattern_frame->isVisible());
    }

    void a_size_colours_its_own_disc_and_greys_the_others()
    {
        Window w;
        auto& c = w.controls();
        w.open_picture();
        QTest::mouseClick(c.blue_jar, Qt::LeftButton);
        const pixels::Bitmap canvas = c.canvas->picture();
        const std::array<widgets::PictureControl*, 4> buttons = {c.size_1_button, c.size_2_button,
                                                                  c.size_3_button, c.size_4_button};
        const std::array<pixels::Bitmap, 4> before = {
            c.size_1_button->picture(), c.size_2_button->picture(), c.size_3_button->picture(),
            c.size_4_button->picture()};
        for (int size = 1; size <= 4; ++size) {
            press(buttons[size - 1], Qt::RightButton);
            QCOMPARE(w.drawing().brush_size, size);
            for (int b = 1; b <= 4; ++b) {
                const QPoint seed = b == 1 ? QPoint(5, 5) : QPoint(10, 10);
                pixels::Bitmap expected = before[b - 1];
                for (const QPoint p : region(before[b - 1], seed))
                    expected.image().setPixel(p, pixels::to_qrgb(b == size ? 0x00FF0000 : 0x007A7A7A));
                QVERIFY(buttons[b - 1]->picture() == expected);
            }
        }
        QCOMPARE(static_cast<int>(w.drawing().current_tool), 2);
        QVERIFY(c.canvas->picture() == canvas);
    }
};

QTEST_MAIN(TestPatternSizeButtons)
#include "test_pattern_size_buttons.moc"
