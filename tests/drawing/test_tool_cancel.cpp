#include "drawing/brush_tool.h"
#include "drawing/shape_tool.h"

#include <QtTest>
#include <memory>

class TestToolCancel : public QObject {
    Q_OBJECT

private slots:
    void a_cancel_takes_back_the_band_and_ends_the_gesture_data()
    {
        QTest::addColumn<core::Tool>("tool");
        QTest::addColumn<bool>("keeps_what_was_painted");
        QTest::newRow("brush") << core::Tool::brush << true;
        QTest::newRow("rectangle") << core::Tool::rectangle << false;
        QTest::newRow("line") << core::Tool::line << false;
    }

    // The tools are driven by picture points alone, as a finger or a pen will drive them.
    void a_cancel_takes_back_the_band_and_ends_the_gesture()
    {
        QFETCH(core::Tool, tool);
        QFETCH(bool, keeps_what_was_painted);
        QImage white(60, 60, QImage::Format_RGB32);
        white.fill(Qt::white);
        const pixels::Bitmap start = pixels::Bitmap::from_image(white);
        pixels::Bitmap picture = start;
        pixels::DrawingSurface surface(picture);
        core::DrawingState drawing;
        drawing.current_tool = tool;
        drawing.current_colour = 0x000000FF;
        std::unique_ptr<drawing::CanvasTool> canvas_tool;
        if (tool == core::Tool::brush)
            canvas_tool = std::make_unique<drawing::BrushTool>(surface, drawing);
        else
            canvas_tool = std::make_unique<drawing::ShapeTool>(surface, drawing);

        canvas_tool->press({10, 10});
        canvas_tool->move({30, 30});
        const pixels::Bitmap dragged = picture;
        QVERIFY(!(dragged == start));
        canvas_tool->cancel();
        QVERIFY(picture == (keeps_what_was_painted ? dragged : start));
        canvas_tool->move({50, 40});
        canvas_tool->release({50, 40});
        QVERIFY(picture == (keeps_what_was_painted ? dragged : start));
        QVERIFY(!drawing.stroke_active && !drawing.shape_drag);
    }
};

QTEST_MAIN(TestToolCancel)
#include "test_tool_cancel.moc"
