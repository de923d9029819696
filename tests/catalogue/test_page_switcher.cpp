#include "colours/work_page.h"
#include "formats/jpeg.h"
#include "formats/rtf_reader.h"

#include <QTextDocumentFragment>
#include <sys/stat.h>

using namespace work_page;

namespace {

QImage shown(const widgets::PictureControl* control)
{
    return control->picture().to_rgb32();
}
QImage jpeg(const QString& path)
{
    return formats::read_jpeg(path).convertToFormat(QImage::Format_RGB32);
}

void verify_page(app::MainWindowControls& c, bool work)
{
    for (widgets::PictureControl* control : c.drawing_controls())
        QCOMPARE(control->isEnabled(), work);
    QVERIFY(c.triangle_button->isEnabled() && c.rhombus_button->isEnabled());
    for (QWidget* widget : std::initializer_list<QWidget*>{c.canvas, c.photo_tab, c.description_tab,
                                                           c.info_frame, c.photograph})
        QCOMPARE(widget->isVisible(), work);
    QVERIFY(!c.description_box->isVisible());
}

} // namespace

class TestPageSwitcher : public QObject {
    Q_OBJECT

private slots:
    void opening_a_picture_shows_the_work_page_in_red()
    {
        Window w;
        auto& c = w.controls();
        QTest::mouseClick(c.violet_jar, Qt::LeftButton);
        QCOMPARE(w.state().chosen_jar, 1);
        w.state().chosen_jar = 5;
        w.drawing().brush_size = 4;
        w.open_picture(1);
        const QString name = w.picture_name(1);
        verify_page(c, true);
        QVERIFY(c.solid_pattern_frame->isVisible());
        QVERIFY(w.state().work_page_shown);
        QCOMPARE(shown(c.page_background), jpeg(w.tree().path("res/interface/work.jpg")));
        QVERIFY(c.canvas->picture() == w.bmp("clipart/" + name + ".bmp"));
        QCOMPARE(c.canvas->size(), c.canvas->picture().size());
        QVERIFY(c.photograph->picture() == w.bmp("info/" + name + ".bmp"));
        QFile text(w.tree().path("res/info/" + name + ".txt"));
        QVERIFY(text.open(QIODevice::ReadOnly));
        const QString description =
            QTextDocumentFragment::fromHtml(formats::description_html(text.readAll())).toPlainText();
        QCOMPARE(c.description_box->toPlainText().simplified(), description.simplified());
        QVERIFY(c.red_jar->picture() == w.bmp("banks/к_.bmp"));
        QVERIFY(c.black_jar->picture() == w.bmp("banks/ч.bmp"));
        QVERIFY(c.shade_strip->picture() == w.bmp("gradients/к.bmp"));
        QCOMPARE(w.drawing().current_colour, 0x000000FFu);
        QCOMPARE(c.bucket_button->picture().pixel(20, 20), 0x000000FFu);
        QCOMPARE(c.size_4_button->picture().pixel(10, 10), 0x000000FFu);
        QCOMPARE(w.state().chosen_jar, 5);
        QCOMPARE(static_cast<int>(w.drawing().current_tool), 2);
        QVERIFY(!c.undo_button->isEnabled());
        QVERIFY(w.errors().isEmpty());
    }

    void the_background_is_reloaded_only_after_the_start_page()
    {
        Window w;
        auto& c = w.controls();
        w.open_picture(0);
        const QImage work = shown(c.page_background);
        w.tree().remove("res/interface/work.jpg");
        w.open_picture(1);
        QVERIFY(w.errors().isEmpty());
        QCOMPARE(shown(c.page_background), work);
        QVERIFY(c.canvas->picture() == w.bmp("clipart/" + w.picture_name(1) + ".bmp"));
        QTest::mouseClick(c.home_button, Qt::LeftButton);
        verify_page(c, false);
        QVERIFY(!w.state().work_page_shown);
        QCOMPARE(shown(c.page_background), jpeg(w.tree().path("res/interface/main.jpg")));
        QVERIFY(c.canvas->picture() == w.bmp("clipart/" + w.picture_name(1) + ".bmp"));
        const QString other = w.tree().path("res/preview/" + w.picture_name(2) + ".jpg");
        QVERIFY(QFile::copy(other, w.tree().path("res/interface/work.jpg")));
        w.open_picture(0);
        QCOMPARE(shown(c.page_background), jpeg(other));
    }

    void the_menu_leads_to_the_start_page_and_the_pattern_stays_marked()
    {
        Window w;
        auto& c = w.controls();
        w.open_picture();
        QTest::mouseClick(c.description_tab, Qt::LeftButton);
        QTest::mouseClick(c.right_slope_pattern_button, Qt::LeftButton);
        c.home_action->trigger();
        verify_page(c, false);
        QVERIFY(c.right_slope_pattern_frame->isVisible());
        w.open_picture(1);
        QCOMPARE(static_cast<int>(w.drawing().fill_pattern), 4);
        for (std::size_t i = 0; i < 6; ++i)
            QCOMPARE(c.pattern_frames()[i]->isVisible(), i == 3);
    }

    void a_picture_without_its_line_drawing_keeps_the_canvas()
    {
        Window w;
        auto& c = w.controls();
        const pixels::Bitmap design = c.canvas->picture();
        w.tree().remove("res/clipart/" + w.picture_name(0) + ".bmp");
        w.tree().remove("res/info/" + w.picture_name(0) + ".txt");
        w.open_picture(0);
        QVERIFY(c.canvas->picture() == design);
        QVERIFY(c.canvas->isVisible());
        w.open_picture(1);
        w.tree().remove("res/clipart/" + w.picture_name(2) + ".bmp");
        w.tree().remove("res/info/" + w.picture_name(2) + ".txt");
        w.open_picture(2);
        QVERIFY(c.canvas->picture() == w.bmp("clipart/" + w.picture_name(1) + ".bmp"));
        QVERIFY(c.photograph->picture() == w.bmp("info/" + w.picture_name(2) + ".bmp"));
        // The place without a description shows none, not the last place's.
        QCOMPARE(c.description_box->toPlainText(), QString());
        QVERIFY(w.errors().isEmpty());
    }

    // A line drawing that is there but cannot be read is reported by its name; the page stays.
    void an_unreadable_line_drawing_is_named_and_the_page_kept()
    {
        Window w;
        auto& c = w.controls();
        w.open_picture(1);
        const pixels::Bitmap canvas = c.canvas->picture();
        const pixels::Bitmap photograph = c.photograph->picture();
        const QString description = c.description_box->toPlainText();
        const QString fifo = w.tree().path("res/clipart/" + w.picture_name(2) + ".bmp");
        w.tree().remove("res/clipart/" + w.picture_name(2) + ".bmp");
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        w.open_picture(2);
        QCOMPARE(w.errors(), QStringList{fifo + ": это не обычный файл, а папка, устройство или канал"});
        QVERIFY(c.canvas->picture() == canvas);
        QVERIFY(c.photograph->picture() == photograph);
        QCOMPARE(c.description_box->toPlainText(), description);
    }

    void a_missing_background_is_reported_and_the_rest_skipped()
    {
        Window w;
        auto& c = w.controls();
        w.tree().remove("res/interface/work.jpg");
        w.open_picture();
        QCOMPARE(w.errors().size(), 1);
        QVERIFY(w.errors().first().contains("work.jpg"));
        QVERIFY(c.red_jar->isEnabled());
        QVERIFY(c.red_jar->picture() == w.bmp("banks/к_.bmp"));
        QVERIFY(!c.canvas->isVisible());
        QVERIFY(!w.state().work_page_shown);
    }
};

QTEST_MAIN(TestPageSwitcher)
#include "test_page_switcher.moc"
