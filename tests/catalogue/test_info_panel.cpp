#include "colours/work_page.h"

#include <QContextMenuEvent>
#include <QPointer>
#include <QTimer>
#include <QWheelEvent>

using namespace work_page;

namespace {

// The jars are disabled and only the one holding `colour`, if any, looks selected.
void verify_jars_disabled_showing(Window& w, pixels::ColourWord colour)
{
    for (std::size_t i = 0; i < 8; ++i) {
        QVERIFY(!w.controls().jars()[i]->isEnabled());
        const QString look = colour == jar_colours[i].second ? "_.bmp" : ".bmp";
        QVERIFY(w.controls().jars()[i]->picture() ==
                w.bmp("banks/" + QString::fromUtf8(jar_colours[i].first) + look));
    }
}

} // namespace

class TestInfoPanel : public QObject {
    Q_OBJECT

private slots:
    void tabs_switch_without_reading_files()
    {
        Window w;
        auto& c = w.controls();
        w.open_picture();
        const pixels::Bitmap photograph = c.photograph->picture();
        w.tree().remove("res/info/" + w.picture_name(0) + ".bmp");
        QTest::mouseClick(c.description_tab, Qt::RightButton);
        QVERIFY(c.photograph->isVisible());
        QTest::mouseClick(c.description_tab, Qt::LeftButton);
        QVERIFY(!c.photograph->isVisible() && c.description_box->isVisible());
        const QString text = c.description_box->toPlainText();
        QTest::keyClicks(c.description_box, "abc");
        QCOMPARE(c.description_box->toPlainText(), text);
        QTest::mouseClick(c.photo_tab, Qt::LeftButton);
        QVERIFY(c.photograph->isVisible() && !c.description_box->isVisible());
        QVERIFY(c.photograph->picture() == photograph);
        // A place without a photograph or a description shows neither of the last place's.
        w.tree().remove("res/info/" + w.picture_name(1) + ".bmp");
        w.tree().remove("res/info/" + w.picture_name(1) + ".txt");
        w.open_picture(1);
        QVERIFY(!c.photograph->has_picture());
        QCOMPARE(c.description_box->toPlainText(), QString());
        QVERIFY(w.errors().isEmpty());
    }

    void the_pipette_takes_the_photograph_pixel_with_any_button()
    {
        Window w;
        auto& c = w.controls();
        w.open_picture();
        const pixels::Bitmap canvas = c.canvas->picture();
        press(c.photograph, Qt::LeftButton, {31, 47});
        QCOMPARE(w.drawing().current_colour, 0x000000FFu);
        QVERIFY(c.red_jar->isEnabled());
        press(c.pipette_button);
        QCOMPARE(c.photograph->cursor().pixmap().toImage(),
                 w.state().screen_cursors.cursor(53).pixmap().toImage());
        press(c.photograph, Qt::RightButton, {31, 47});
        const pixels::ColourWord expected = c.photograph->picture().pixel(31, 47);
        QCOMPARE(w.drawing().current_colour, expected);
        QCOMPARE(c.bucket_button->picture().pixel(20, 20), expected);
        verify_jars_disabled_showing(w, expected);
        QCOMPARE(w.state().chosen_jar, 1);
        QVERIFY(c.canvas->picture() == canvas);
        QVERIFY(!c.undo_button->isEnabled());
        press(c.brush_button);
        QCOMPARE(c.photograph->cursor().shape(), Qt::ArrowCursor);
    }

    // A photograph of another size and shape is shown stretched, here by 2 across and 4 down: the
    // colour is the one under the pointer.
    void a_photograph_of_another_shape_gives_the_pixel_under_the_pointer()
    {
        Window w;
        auto& c = w.controls();
        pixels::Bitmap small(100, 50);
        small.image().setPixel(75, 10, pixels::to_qrgb(0x00123456));
        formats::write_bmp(small, w.tree().path("res/info/" + w.picture_name(0) + ".bmp"));
        w.open_picture();
        press(c.pipette_button);
        press(c.photograph, Qt::LeftButton, {151, 41});
        QCOMPARE(w.drawing().current_colour, 0x00123456u);
    }

    void the_pipette_on_the_description_takes_the_colour_seen_there()
    {
        Window w;
        auto& c = w.controls();
        w.open_picture();
        QTest::mouseClick(c.description_tab, Qt::LeftButton);
        press(c.pipette_button);
        const QImage seen = c.description_box->grab().toImage();
        // The darkest pixel is a letter: a wrong position would take the paper around it.
        QPoint at;
        for (int y = 0; y < seen.height() - 20; ++y)
            for (int x = 0; x < seen.width() - 20; ++x)
                if (qGray(seen.pixel(x, y)) < qGray(seen.pixel(at)))
                    at = QPoint(x, y);
        QVERIFY(qGray(seen.pixel(at)) < 128);
        QTest::mouseClick(c.description_box->viewport(), Qt::MiddleButton, {},
                          c.description_box->viewport()->mapFrom(c.description_box, at));
        QCOMPARE(w.drawing().current_colour, pixels::from_qrgb(seen.pixel(at)));
        verify_jars_disabled_showing(w, w.drawing().current_colour);
    }

    void the_description_offers_no_menu_and_no_zoom()
    {
        Window w;
        auto& c = w.controls();
        w.open_picture();
        QTest::mouseClick(c.description_tab, Qt::LeftButton);
        QWidget* text = c.description_box->viewport();
        const QPoint middle = text->rect().center();
        const qreal size = c.description_box->font().pointSizeF();
        for (const bool after_pipette : {false, true}) {
            if (after_pipette) {
                press(c.pipette_button);
                QTest::mouseClick(text, Qt::LeftButton, {}, middle);
            }
            // A menu would run its own loop: close it from there and remember that it came.
            QPointer<QWidget> menu;
            QTimer::singleShot(100, c.description_box, [&menu] {
                menu = QApplication::activePopupWidget();
                if (menu)
                    menu->close();
            });
            QContextMenuEvent right_press(QContextMenuEvent::Mouse, middle, text->mapToGlobal(middle));
            QApplication::sendEvent(text, &right_press);
            QTest::qWait(200);
            QVERIFY(!menu);

            QWheelEvent zoom(middle, text->mapToGlobal(middle), {}, {0, 120}, Qt::NoButton,
                             Qt::ControlModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(text, &zoom);
            QCOMPARE(c.description_box->font().pointSizeF(), size);
        }
    }
};

QTEST_MAIN(TestInfoPanel)
#include "test_info_panel.moc"
