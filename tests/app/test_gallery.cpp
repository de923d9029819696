#include "catalogue/gallery_page.h"
#include "history/drawing_files.h"
#include "history/fitted_picture.h"
#include "history/gallery_names.h"
#include "support/main_window.h"
#include "support/modal_window.h"
#include "widgets/notice.h"

#include <QAbstractButton>
#include <QDir>
#include <QListWidget>
#include <QScrollBar>
#include <QScroller>

using testing_support::when_modal_shown;

namespace {

settings::Settings with_gallery(bool allow_saving = true)
{
    settings::Settings values;
    values.gallery = true;
    values.allow_saving = allow_saving;
    return values;
}

// The window in the gallery mode, its clock on 7 December 2026 at the minute a step names.
struct GalleryWindow : testing_support::MainWindow {
    QDateTime now{QDate(2026, 12, 7), QTime(10, 42)};
    int draws = 0;

    explicit GalleryWindow(bool allow_saving = true) : MainWindow(with_gallery(allow_saving))
    {
        form().drawing_files().set_clock([this] { return now; });
    }
    QString saved(const QString& name) { return tree().path("save/" + name); }
    QStringList saved_files() { return QDir(tree().path("save")).entryList(QDir::Files, QDir::Name); }
    // The bucket fills the white around the top-left corner with the next jar's colour.
    pixels::Bitmap draw()
    {
        QTest::mouseClick(controls().jars().at(draws++ % 8), Qt::LeftButton);
        QTest::mouseClick(controls().canvas, Qt::LeftButton, {}, {3, 3});
        return controls().canvas->picture();
    }
    void save_at(const QString& minute)
    {
        now.setTime(QTime::fromString(minute, "HH:mm"));
        QTest::mouseClick(controls().save_button, Qt::LeftButton);
    }
    // Opens the gallery page and lets `act` work on it once its thumbnails in view are shown.
    void on_gallery(std::function<void(catalogue::GalleryPage&)> act)
    {
        when_modal_shown([act](QWidget* modal) {
            auto* page = qobject_cast<catalogue::GalleryPage*>(modal);
            QVERIFY(page);
            page->wait_until_settled(5000);
            QVERIFY(page->settled());
            act(*page);
            if (page->isVisible())
                page->reject();
        });
        QTest::mouseClick(controls().open_button, Qt::LeftButton);
    }
};

// A click on the thumbnail of the drawing saved as `name`.
bool shows_colour(const QImage& image, QRgb colour)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == colour)
                return true;
    return false;
}

void click(const catalogue::GalleryPage& page, const QString& name)
{
    for (int row = 0; row < page.drawings()->count(); ++row)
        if (page.drawings()->item(row)->toolTip() == name)
            return QTest::mouseClick(page.drawings()->viewport(), Qt::LeftButton, {},
                                     page.drawings()->visualItemRect(page.drawings()->item(row)).center());
    QFAIL(qPrintable("no drawing " + name));
}

// How far a thumbnail is from a drawing: the mean difference of their channels, the drawing
// scaled to the thumbnail by Qt.
double distance(const QImage& thumbnail, const pixels::Bitmap& drawing)
{
    const QImage small =
        drawing.to_rgb32().scaled(thumbnail.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage shown = thumbnail.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) {
            const QRgb a = shown.pixel(x, y), b = small.pixel(x, y);
            sum +=
                std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
        }
    return sum / (3.0 * shown.width() * shown.height());
}

} // namespace

class TestGallery : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    // Three places coloured and saved in an order other than their names'; the page shows them
    // newest first, each thumbnail its own drawing, and a click opens the one clicked.
    void the_page_shows_the_saved_drawings_newest_first_and_opens_the_one_clicked()
    {
        GalleryWindow window;
        const std::pair<int, QString> saves[] = {{2, "10:40"}, {0, "10:41"}, {1, "10:42"}};
        std::vector<pixels::Bitmap> drawn;
        for (const auto& [slot, minute] : saves) {
            window.open_picture(slot);
            drawn.push_back(window.draw());
            window.save_at(minute);
            auto* notice = window.controls().canvas->parentWidget()->findChild<widgets::Notice*>();
            QVERIFY(notice && notice->isVisible());
            // Its thumbnail is the drawing just saved, the colour just filled in it.
            const QImage shown = notice->grab().toImage().convertToFormat(QImage::Format_RGB32);
            const QRgb filled = drawn.back().to_rgb32().pixel(3, 3);
            QVERIFY(shows_colour(shown, filled));
            // Files written within one millisecond would tie.
            QTest::qWait(5);
        }
        const QStringList names{"Башня 2026-12-07 10-42", "Аэропорт 2026-12-07 10-41",
                                "Больница 2026-12-07 10-40"};
        QCOMPARE(window.saved_files(),
                 QStringList({names[1] + ".bmp", names[0] + ".bmp", names[2] + ".bmp"}));
        QCOMPARE(formats::read_bmp(window.saved(names[2] + ".bmp")), drawn[0]);
        // The word goes by itself.
        auto* notice = window.controls().canvas->parentWidget()->findChild<widgets::Notice*>();
        QTRY_VERIFY_WITH_TIMEOUT(!notice->isVisible(), 3000);

        window.on_gallery([&](catalogue::GalleryPage& page) {
            QCOMPARE(page.drawings()->count(), 3);
            for (int row = 0; row < 3; ++row) {
                QListWidgetItem* item = page.drawings()->item(row);
                QCOMPARE(item->toolTip(), names[row]);
                const QImage shown = item->icon().pixmap(catalogue::GalleryPage::thumbnail_size).toImage();
                const pixels::Bitmap& own = drawn[2 - row];
                for (const pixels::Bitmap& other : drawn)
                    if (&other != &own)
                        QVERIFY(distance(shown, own) < distance(shown, other));
                // Fitting sharpens the outlines a little.
                QVERIFY(distance(shown, own) < 10);
            }
            click(page, names[1]);
        });
        QCOMPARE(window.controls().canvas->picture(), drawn[1]);

        // A drawing saved again over its file, after the page showed that file, shows anew.
        const pixels::Bitmap before = window.draw();
        window.save_at("10:43");
        window.on_gallery([](catalogue::GalleryPage&) {});
        const pixels::Bitmap after = window.draw();
        window.save_at("10:44");
        window.on_gallery([&](catalogue::GalleryPage& page) {
            QListWidgetItem* newest = page.drawings()->item(0);
            QCOMPARE(newest->toolTip(), "Аэропорт 2026-12-07 10-43");
            const QImage shown = newest->icon().pixmap(catalogue::GalleryPage::thumbnail_size).toImage();
            QVERIFY(distance(shown, after) < distance(shown, before));
        });
        QVERIFY(window.errors().isEmpty());
    }

    // A finger swipes a full page of drawings up and taps the one it brought into view.
    void a_finger_scrolls_the_page_and_a_tap_opens()
    {
        GalleryWindow window;
        for (int i = 0; i < 16; ++i) {
            QImage drawing(history::canvas_frame, QImage::Format_RGB32);
            drawing.fill(QColor::fromHsv(i * 20, 200, 230));
            formats::write_bmp(pixels::Bitmap::from_image(drawing),
                               window.saved(QString("%1.bmp").arg(i, 2, 10, QChar('0'))));
        }
        // Qt keeps every pointing device for the life of the process.
        static QPointingDevice* const finger = QTest::createTouchDevice();
        QString tapped;
        window.on_gallery([&](catalogue::GalleryPage& page) {
            QWidget* view = page.drawings()->viewport();
            const QPoint start(view->width() / 2, view->height() - 20);
            QTest::touchEvent(view, finger).press(0, start, view);
            for (int step = 1; step <= 10; ++step) {
                QTest::qWait(15);
                QTest::touchEvent(view, finger).move(0, start - QPoint(0, step * 40), view);
            }
            QTest::touchEvent(view, finger).release(0, start - QPoint(0, 400), view);
            QTRY_VERIFY(page.drawings()->verticalScrollBar()->value() > 300);
            QTRY_COMPARE(QScroller::scroller(view)->state(), QScroller::Inactive);
            QVERIFY(page.isVisible());
            // The last drawing wholly in view, far down the list.
            for (int row = page.drawings()->count() - 1; row >= 8 && tapped.isEmpty(); --row) {
                const QRect place = page.drawings()->visualItemRect(page.drawings()->item(row));
                if (!view->rect().contains(place))
                    continue;
                tapped = page.drawings()->item(row)->toolTip();
                QTest::touchEvent(view, finger).press(0, place.center(), view);
                QTest::touchEvent(view, finger).release(0, place.center(), view);
            }
        });
        QVERIFY(!tapped.isEmpty());
        QCOMPARE(window.controls().canvas->picture(), formats::read_bmp(window.saved(tapped + ".bmp")));
    }

    // Each step: "open <slot>" a catalogue picture, "draw", "save <HH:mm> <file or nothing>",
    // "reopen <name>" from the gallery, "other <file>" through its "Другой файл…", "leave <HH:mm>
    // <file>" for the next picture answering "Да" to the question. After each save its file holds the canvas;
    // at the end the folder holds exactly the files named.
    void a_drawing_keeps_its_file_and_no_save_overwrites_another_data()
    {
        QTest::addColumn<bool>("allow_saving");
        // Steps parted by "; ", "A " standing for "Аэропорт 2026-12-07 ".
        QTest::addColumn<QString>("steps");
        QTest::newRow("saved again: over its own file")
            << true << "open 0; draw; save 10:42 A 10-42.bmp; draw; save 10:45 A 10-42.bmp";
        QTest::newRow("another drawing of the minute: a number")
            << true
            << "open 0; draw; save 10:42 A 10-42.bmp; open 0; draw; save 10:42 A 10-42 (2).bmp; open 0; "
               "draw; "
               "save 10:42 A 10-42 (3).bmp; draw; save 10:43 A 10-42 (3).bmp";
        QTest::newRow("an opened drawing: a new file of its place")
            << true
            << "open 0; draw; save 10:42 A 10-42.bmp; reopen A 10-42; draw; save 10:42 A 10-42 (2).bmp; "
               "reopen A 10-42 (2); draw; save 10:50 A 10-50.bmp";
        QTest::newRow("another file, through the dialog")
            << true
            << "open 0; draw; save 10:42 A 10-42.bmp; open 1; other A 10-42.bmp; draw; save 10:42 A 10-42 "
               "(2).bmp";
        QTest::newRow("another copy saving in the same minute takes the next name")
            << true << "open 0; draw; claim 10:42 A 10-42.bmp; save 10:42 A 10-42 (2).bmp";
        QTest::newRow("no place yet") << true << "save 09:05 Рисунок 2026-12-07 09-05.bmp";
        QTest::newRow("the question's Да saves the same way")
            << true << "open 0; draw; leave 11:00 A 11-00.bmp";
        QTest::newRow("saving not allowed") << false << "open 0; draw; save 10:42; leave 10:42";
    }

    void a_drawing_keeps_its_file_and_no_save_overwrites_another()
    {
        QFETCH(bool, allow_saving);
        QFETCH(QString, steps);
        GalleryWindow window(allow_saving);
        QStringList expected;
        for (QString step : steps.split("; ")) {
            step.replace(" A ", " Аэропорт 2026-12-07 ");
            const QString verb = step.section(' ', 0, 0);
            const QString file = step.section(' ', 2);
            if (verb == "open") {
                window.open_picture(step.section(' ', 1).toInt());
            } else if (verb == "draw") {
                window.draw();
            } else if (verb == "reopen") {
                window.on_gallery([&](catalogue::GalleryPage& page) { click(page, step.section(' ', 1)); });
            } else if (verb == "other") {
                const QString chosen = window.saved(step.section(' ', 1));
                window.form().drawing_files().set_dialog_runner(
                    [&](auto...) { return std::optional(chosen); });
                window.on_gallery([](catalogue::GalleryPage& page) {
                    page.findChild<QAbstractButton*>("other_file_button")->click();
                });
                QCOMPARE(window.controls().canvas->picture(), formats::read_bmp(chosen));
            } else if (verb == "claim") {
                const QDateTime when(window.now.date(), QTime::fromString(step.section(' ', 1, 1), "HH:mm"));
                QCOMPARE(history::claim_drawing_path(window.saved(""), "аэропорт", when), window.saved(file));
                expected.append(file);
            } else if (verb == "save") {
                window.save_at(step.section(' ', 1, 1));
            } else if (verb == "leave") {
                window.form().set_save_question([] { return app::SaveAnswer::save; });
                window.now.setTime(QTime::fromString(step.section(' ', 1, 1), "HH:mm"));
                const pixels::Bitmap left = window.controls().canvas->picture();
                window.open_picture(1);
                if (!file.isEmpty()) {
                    QVERIFY2(QFile::exists(window.saved(file)), qPrintable(file));
                    QCOMPARE(formats::read_bmp(window.saved(file)), left);
                }
            }
            if (verb == "save" && !file.isEmpty()) {
                QVERIFY2(QFile::exists(window.saved(file)), qPrintable(file));
                QCOMPARE(formats::read_bmp(window.saved(file)), window.controls().canvas->picture());
            }
            if ((verb == "save" || verb == "leave") && !file.isEmpty() && !expected.contains(file))
                expected.append(file);
        }
        expected.sort();
        QCOMPARE(window.saved_files(), expected);
        QVERIFY2(window.errors().isEmpty(), qPrintable(window.errors().join('\n')));
    }
};

QTEST_MAIN(TestGallery)
#include "test_gallery.moc"
