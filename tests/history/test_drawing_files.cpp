#include "app/main_window.h"
#include "formats/bmp_codec.h"
#include "history/drawing_files.h"
#include "support/captured_errors.h"
#include "support/test_tree.h"

#include <QDir>
#include <QFile>
#include <QTest>

using pixels::Bitmap;
using testing_support::CapturedErrors;
using testing_support::TestTree;

namespace {

// A 24-bit drawing with a different colour in every pixel, so any change shows.
Bitmap patterned(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x & 0xFF, y & 0xFF, (x * 7 + y * 3) & 0xFF));
    return Bitmap::from_image(image);
}

Bitmap grey_8_bit(int width, int height)
{
    QList<QRgb> table;
    for (int i = 0; i < 256; ++i)
        table.append(qRgb(i, i, i));
    QImage image(width, height, QImage::Format_Indexed8);
    image.setColorTable(table);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, static_cast<uint>((x + y) & 0xFF));
    return Bitmap::adopt(image, 8);
}

struct Fixture {
    TestTree tree;
    app::MainWindow form{tree.app_dir()};
    CapturedErrors errors;
    QStringList answers;
    QList<core::FileDialogSettings> asked;

    Fixture()
    {
        form.set_save_question([] { return app::SaveAnswer::discard; });
        form.drawing_files().set_dialog_runner(
            [this](history::DialogKind, const core::FileDialogSettings& settings) -> std::optional<QString> {
                asked.append(settings);
                if (answers.isEmpty() || answers.constFirst().isNull()) {
                    if (!answers.isEmpty())
                        answers.removeFirst();
                    return std::nullopt;
                }
                return answers.takeFirst();
            });
        form.show();
    }
    app::MainWindowControls& controls() { return form.controls(); }
    Bitmap& canvas() { return controls().canvas->picture(); }
    void save_as(const QString& path)
    {
        answers = {path};
        QTest::mouseClick(controls().save_button, Qt::LeftButton);
    }
    void open(const QString& path)
    {
        answers = {path};
        QTest::mouseClick(controls().open_button, Qt::LeftButton);
    }
    void cancel_open()
    {
        answers = {QString()};
        controls().open_action->trigger();
    }
};

bool all_drawing_controls_enabled(const app::MainWindowControls& controls)
{
    const auto list = controls.drawing_controls();
    return std::all_of(list.begin(), list.end(), [](const QWidget* control) { return control->isEnabled(); });
}

} // namespace

class DrawingFilesTest : public QObject {
    Q_OBJECT

private slots:
    void a_saved_drawing_opens_back_identical_at_24_bits()
    {
        Fixture fixture;
        fixture.controls().canvas->set_picture(patterned(474, 593));
        const Bitmap drawn = fixture.canvas();
        fixture.save_as(fixture.tree.path("save/picture"));
        QVERIFY(fixture.errors.messages().isEmpty());
        QCOMPARE(formats::read_bmp(fixture.tree.path("save/picture.bmp")), drawn);

        fixture.controls().canvas->set_picture(Bitmap(474, 593));
        fixture.open(fixture.tree.path("save/picture.bmp"));
        QVERIFY(fixture.errors.messages().isEmpty());
        QCOMPARE(fixture.canvas(), drawn);
        QVERIFY(fixture.controls().canvas->isVisible());
        // The opened picture is fitted into the canvas; the hidden buffer does not keep it.
        QVERIFY(!fixture.controls().opened_picture_buffer->has_picture());
    }

    void an_8_bit_canvas_is_saved_as_8_bits()
    {
        Fixture fixture;
        fixture.controls().canvas->set_picture(grey_8_bit(474, 593));
        fixture.save_as(fixture.tree.path("save/grey.bmp"));
        const Bitmap saved = formats::read_bmp(fixture.tree.path("save/grey.bmp"));
        QCOMPARE(saved.depth(), 8);
        QCOMPARE(saved, fixture.canvas());
    }

    void the_bmp_test_is_case_sensitive_over_the_whole_path_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written");
        QTest::newRow("no extension") << "save/a"
                                      << "save/a.bmp";
        QTest::newRow("capitals") << "save/b.BMP"
                                  << "save/b.BMP.bmp";
        QTest::newRow("another type") << "save/c.png"
                                      << "save/c.png.bmp";
        QTest::newRow("further extension") << "save/d.bmp.old"
                                           << "save/d.bmp.old";
        QTest::newRow("folder holds it") << "save/e.bmpfolder/e"
                                         << "save/e.bmpfolder/e";
    }

    void the_bmp_test_is_case_sensitive_over_the_whole_path()
    {
        QFETCH(QString, typed);
        QFETCH(QString, written);
        Fixture fixture;
        QDir(fixture.tree.app_dir()).mkpath("save/e.bmpfolder");
        fixture.save_as(fixture.tree.path(typed));
        QVERIFY2(fixture.errors.messages().isEmpty(), qPrintable(fixture.errors.messages().join('\n')));
        QVERIFY(QFile::exists(fixture.tree.path(written)));
    }

    void the_save_dialog_starts_in_save_and_offers_the_last_name()
    {
        Fixture fixture;
        fixture.save_as(fixture.tree.path("save/first.bmp"));
        fixture.answers = {QString()};
        fixture.controls().save_action->trigger();
        QCOMPARE(fixture.asked.size(), 2);
        QCOMPARE(fixture.asked[0].initial_dir, fixture.tree.path("save/"));
        QCOMPARE(fixture.asked[0].file_name, QStringLiteral("save"));
        QCOMPARE(fixture.asked[1].file_name, fixture.tree.path("save/first.bmp"));
    }

    void a_failed_save_is_shown_naming_the_file()
    {
        Fixture fixture;
        fixture.save_as(fixture.tree.path("no such folder/x.bmp"));
        QCOMPARE(fixture.errors.messages().size(), 1);
        QVERIFY(fixture.errors.messages().constFirst().contains("x.bmp"));
    }

    void a_cancelled_open_on_the_start_page_still_sets_up_drawing()
    {
        Fixture fixture;
        const QImage start_background = fixture.controls().page_background->picture().image();
        fixture.cancel_open();
        QVERIFY(fixture.errors.messages().isEmpty());
        QVERIFY(all_drawing_controls_enabled(fixture.controls()));
        QVERIFY(fixture.controls().canvas->isVisible());
        QVERIFY(!fixture.controls().photograph->isVisible());
        QVERIFY(!fixture.controls().photo_tab->isVisible());
        QVERIFY(!fixture.form.state().work_page_shown);
        QCOMPARE(fixture.controls().page_background->picture().image(), start_background);
        QCOMPARE(fixture.form.state().drawing.current_colour, pixels::ColourWord{0x000000FF});
        QCOMPARE(fixture.controls().open_dialog.initial_dir, fixture.tree.path("res/pic-dop/"));
    }

    void a_small_picture_sets_the_canvas_size_for_the_next_opening()
    {
        Fixture fixture;
        formats::write_bmp(patterned(120, 90), fixture.tree.path("save/small.bmp"));
        formats::write_bmp(patterned(600, 450), fixture.tree.path("save/large.bmp"));
        fixture.open(fixture.tree.path("save/small.bmp"));
        QCOMPARE(fixture.canvas().size(), QSize(120, 90));
        QCOMPARE(fixture.controls().canvas->size(), QSize(120, 90));
        QVERIFY(fixture.form.state().work_page_shown);
        fixture.open(fixture.tree.path("save/large.bmp"));
        QCOMPARE(fixture.canvas().size(), QSize(120, 90));
        QCOMPARE(fixture.canvas().depth(), 24);
        QVERIFY(fixture.errors.messages().isEmpty());
    }

    void a_bad_file_changes_nothing_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        const QByteArray whole = formats::encode_bmp(patterned(200, 200));
        QTest::newRow("truncated") << whole.left(whole.size() / 2) << "Bitmap image is not valid";
        QTest::newRow("malformed") << QByteArray("BM this is not a bitmap at all")
                                   << "Bitmap image is not valid";
        QTest::newRow("missing") << QByteArray() << "missing.bmp";
    }

    void a_bad_file_changes_nothing()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        Fixture fixture;
        const QString name = bytes.isEmpty() ? "save/missing.bmp" : "save/bad.bmp";
        if (!bytes.isEmpty())
            fixture.tree.write(name, bytes);
        const QString path = fixture.tree.path(name);
        const Bitmap canvas = fixture.canvas();
        fixture.open(path);
        QCOMPARE(fixture.errors.messages().size(), 1);
        QVERIFY2(fixture.errors.messages().constFirst().contains(message),
                 qPrintable(fixture.errors.messages().constFirst()));
        QCOMPARE(fixture.canvas(), canvas);
        QVERIFY(!fixture.controls().canvas->isVisible());
        QVERIFY(!fixture.controls().red_jar->isEnabled());
        QVERIFY(!fixture.form.state().work_page_shown);
    }

    // Leaving asks to save exactly while the canvas holds a change no file has: an undo or a redo
    // is one even where it brings back the pixels opened; a save that failed leaves it unsaved.
    void leaving_asks_exactly_while_a_change_is_unsaved_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<bool>("asks");
        QTest::newRow("opened") << "" << false;
        QTest::newRow("filled") << "fill" << true;
        QTest::newRow("filled, saved") << "fill save" << false;
        QTest::newRow("filled, save failed") << "fill fail" << true;
        QTest::newRow("undone") << "fill undo" << true;
        QTest::newRow("undone, redone") << "fill undo redo" << true;
        QTest::newRow("undone, saved") << "fill undo save" << false;
        QTest::newRow("undone, opened again") << "fill undo open" << false;
    }
    void leaving_asks_exactly_while_a_change_is_unsaved()
    {
        QFETCH(QString, steps);
        QFETCH(bool, asks);
        Fixture fixture;
        const QString picture = fixture.tree.path("save/picture.bmp");
        formats::write_bmp(patterned(120, 90), picture);
        fixture.open(picture);
        int questions = 0;
        fixture.form.set_save_question([&] { return ++questions, app::SaveAnswer::discard; });
        app::MainWindowControls& c = fixture.controls();
        const QMap<QString, std::function<void()>> step{
            {"fill",
             [&] {
                 QTest::mouseClick(c.canvas, Qt::LeftButton, {}, {3, 3});
             }},
            {"undo", [&] { QTest::mouseClick(c.undo_button, Qt::LeftButton); }},
            {"redo", [&] { QTest::mouseClick(c.redo_button, Qt::LeftButton); }},
            {"save", [&] { fixture.save_as(fixture.tree.path("save/saved.bmp")); }},
            {"fail", [&] { fixture.save_as(fixture.tree.path("no such folder/x.bmp")); }},
            {"open", [&] { fixture.open(picture); }}};
        for (const QString& name : steps.split(' ', Qt::SkipEmptyParts))
            step[name]();
        questions = 0;
        fixture.cancel_open();
        QCOMPARE(questions, asks ? 1 : 0);
    }

    void another_picture_type_typed_by_name_opens_as_24_bits()
    {
        Fixture fixture;
        QImage png(100, 60, QImage::Format_ARGB32);
        png.fill(qRgb(10, 200, 30));
        QVERIFY(png.save(fixture.tree.path("save/typed.png")));
        fixture.open(fixture.tree.path("save/typed.png"));
        QVERIFY(fixture.errors.messages().isEmpty());
        QCOMPARE(fixture.canvas().size(), QSize(100, 60));
        QCOMPARE(fixture.canvas().pixel(50, 30), pixels::colour_word(10, 200, 30));
    }
};

QTEST_MAIN(DrawingFilesTest)
#include "test_drawing_files.moc"
