#include "formats/bmp_codec.h"
#include "settings/add_place_dialog.h"
#include "settings/settings_window.h"
#include "support/main_window.h"
#include "support/modal_window.h"
#include "support/private_x_server.h"
#include "support/tiled_photograph.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

// A place is made in the settings window's dialog from a preview at a chosen level of detail, shows
// in the strip of a program already running, and goes from it when deleted from the window's list.

namespace {

const QString place = QStringLiteral("Аквариум");
const QColor red(210, 40, 30);

QStringList strip_names(testing_support::MainWindow& window)
{
    QStringList names;
    const QListWidget* list = window.controls().catalogue_list;
    for (int row = 0; row < list->count(); ++row)
        names << list->item(row)->text();
    return names;
}

QRgb centre_of(const QLabel* label)
{
    const QImage image = label->pixmap().toImage();
    return image.pixel(image.width() / 2, image.height() / 2);
}

bool reddish(QRgb pixel)
{
    return qRed(pixel) > 150 && qGreen(pixel) < 90 && qBlue(pixel) < 90;
}

// Closes the next message box shown, keeping its text.
void close_message_box(QStringList& told)
{
    testing_support::when_modal_shown([&told](QWidget* box) {
        told << static_cast<QMessageBox*>(box)->text();
        box->close();
    });
}

} // namespace

class PlaceWindowTest : public QObject {
    Q_OBJECT

private slots:
    void a_place_made_in_the_window_comes_and_goes_in_the_running_strip()
    {
        QTemporaryDir dir;
        for (const char* variable : {"XDG_DATA_HOME", "XDG_DATA_DIRS", "XDG_CONFIG_HOME", "XDG_CONFIG_DIRS"})
            qputenv(variable, QFile::encodeName(dir.filePath(variable)));
        QImage photo = testing_support::tiled_photograph({900, 700}, {250, 150, 400, 400}, red);
        QVERIFY(photo.save(dir.filePath("аквариум.jpg")));
        testing_support::MainWindow window;
        QVERIFY(!strip_names(window).contains(place + ".jpg"));

        settings::AddPlaceDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const auto* making = dialog.findChild<QProgressBar*>("making");
        const auto* page = dialog.findChild<QLabel*>("page_preview");
        auto* make_button = dialog.findChild<QPushButton*>("make_button");
        dialog.findChild<QLineEdit*>("name")->setText(place);
        dialog.findChild<QLineEdit*>("photograph")->setText(dir.filePath("аквариум.jpg"));
        QVERIFY(QTest::qWaitFor([&] { return making->isVisible(); }));
        QVERIFY(!make_button->isEnabled());
        QVERIFY(QTest::qWaitFor([&] { return dialog.preview_ready(); }, 20000));
        QVERIFY(!making->isVisible() && make_button->isEnabled());
        // The photograph's red square in the middle of the photograph; the page white there, in
        // an area outlined in black.
        QVERIFY(reddish(centre_of(dialog.findChild<QLabel*>("photograph_preview"))));
        QCOMPARE(centre_of(page), qRgb(255, 255, 255));
        const QImage drawn = page->pixmap().toImage().convertToFormat(QImage::Format_Grayscale8);
        int dark = 0;
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x)
                dark += qGray(drawn.pixel(x, y)) < 64;
        QVERIFY2(dark > drawn.height(), qPrintable(QString::number(dark)));

        auto* more = dialog.findChild<QRadioButton*>("detail_2");
        QCOMPARE(more->text(), "больше деталей");
        QTest::mouseClick(more, Qt::LeftButton, {}, QPoint(6, more->height() / 2));
        QVERIFY(making->isVisible() && !make_button->isEnabled() && !dialog.preview_ready());
        QVERIFY(QTest::qWaitFor([&] { return dialog.preview_ready(); }, 20000));
        // Each level is made once: back to the usual one, its page is there at once.
        auto* usual = dialog.findChild<QRadioButton*>("detail_1");
        QTest::mouseClick(usual, Qt::LeftButton, {}, QPoint(6, usual->height() / 2));
        QVERIFY(dialog.preview_ready() && !making->isVisible());
        QTest::mouseClick(more, Qt::LeftButton, {}, QPoint(6, more->height() / 2));
        QVERIFY(dialog.preview_ready());
        QVERIFY(!QFileInfo::exists(dir.filePath("XDG_DATA_HOME/koloriton/preview/" + place + ".jpg")));

        QStringList told;
        close_message_box(told);
        QTest::mouseClick(make_button, Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(told.size(), 1);
        QVERIFY2(told[0].contains("готово") && !told[0].contains("--"), qPrintable(told[0]));
        // The running program lists it, as the first place by its name, with its thumbnail.
        QVERIFY(QTest::qWaitFor([&] { return strip_names(window).contains(place + ".jpg"); }));
        window.wait_for_thumbnails();
        QCOMPARE(window.picture_name(0), place);
        const pixels::Bitmap& thumbnail = window.form().preview_strip().thumbnail(0)->picture();
        QVERIFY(reddish(thumbnail.to_rgb32().pixel(thumbnail.width() / 2, thumbnail.height() / 2)));
        window.open_picture(0);
        QVERIFY(window.state().work_page_shown);

        // The same name again is refused without a word of the command line.
        settings::AddPlaceDialog again;
        again.findChild<QLineEdit*>("name")->setText(place);
        again.findChild<QLineEdit*>("photograph")->setText(dir.filePath("аквариум.jpg"));
        QVERIFY(QTest::qWaitFor([&] { return again.preview_ready(); }, 20000));
        close_message_box(told);
        QVERIFY(!again.make_place());
        QVERIFY2(told.size() == 2 && told[1].contains("уже есть") && !told[1].contains("--"),
                 qPrintable(told.last()));

        settings::SettingsWindow settings_window(settings::SettingsFiles::from_environment());
        settings_window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&settings_window));
        auto* own = settings_window.findChild<QListWidget*>("own_places_list");
        QCOMPARE(own->count(), 1);
        QCOMPARE(own->item(0)->text(), place);
        own->setCurrentRow(0);

        // Replaced by a photograph of a green square: the running strip shows the new thumbnail.
        QPainter(&photo).fillRect(250, 150, 400, 400, QColor(30, 170, 40));
        QVERIFY(photo.save(dir.filePath("аквариум-2.jpg")));
        testing_support::when_modal_shown([&](QWidget* modal) {
            auto* replacing = static_cast<settings::AddPlaceDialog*>(modal);
            QCOMPARE(replacing->findChild<QLineEdit*>("name")->text(), place);
            replacing->findChild<QLineEdit*>("photograph")->setText(dir.filePath("аквариум-2.jpg"));
            QVERIFY(QTest::qWaitFor([&] { return replacing->preview_ready(); }, 20000));
            close_message_box(told);
            QTest::mouseClick(replacing->findChild<QPushButton*>("make_button"), Qt::LeftButton);
        });
        QTest::mouseClick(settings_window.findChild<QPushButton*>("replace_place_button"), Qt::LeftButton);
        QVERIFY2(told.size() == 3 && told[2].contains("готово"), qPrintable(told.last()));
        const auto greenish = [&] {
            const pixels::Bitmap& shown = window.form().preview_strip().thumbnail(0)->picture();
            const QRgb pixel = shown.to_rgb32().pixel(shown.width() / 2, shown.height() / 2);
            return !window.form().preview_strip().waiting(0) && qGreen(pixel) > 130 && qRed(pixel) < 90;
        };
        QVERIFY(QTest::qWaitFor(greenish));

        // A new description alone keeps the pictures as they are.
        const QString own_dir = dir.filePath("XDG_DATA_HOME/koloriton/");
        QFile text(dir.filePath("рыбки.txt"));
        QVERIFY(text.open(QIODevice::WriteOnly) && text.write("Рыбки в аквариуме.\n") > 0);
        text.close();
        QFile thumbnail_file(own_dir + "preview/" + place + ".jpg");
        QVERIFY(thumbnail_file.open(QIODevice::ReadOnly));
        const QByteArray green_thumbnail = thumbnail_file.readAll();
        thumbnail_file.close();
        settings::AddPlaceDialog describing(place, nullptr);
        describing.findChild<QLineEdit*>("description")->setText(text.fileName());
        close_message_box(told);
        QVERIFY(describing.make_place());
        QVERIFY(QFileInfo::exists(own_dir + "info/" + place + ".txt"));
        QVERIFY(thumbnail_file.open(QIODevice::ReadOnly));
        QCOMPARE(thumbnail_file.readAll(), green_thumbnail);
        // The first question is answered "Оставить", the second "Удалить".
        for (const QString& answer : {QStringLiteral("Оставить"), QStringLiteral("Удалить")}) {
            QString asked;
            testing_support::when_modal_shown([&](QWidget* box) {
                auto* question = static_cast<QMessageBox*>(box);
                asked = question->text();
                for (QAbstractButton* button : question->buttons())
                    if (button->text() == answer)
                        button->click();
            });
            QTest::mouseClick(settings_window.findChild<QPushButton*>("delete_place_button"), Qt::LeftButton);
            QVERIFY2(asked.startsWith("Удалить место «" + place + "»?"), qPrintable(asked));
        }
        QCOMPARE(own->count(), 0);
        QVERIFY(QTest::qWaitFor([&] { return !strip_names(window).contains(place + ".jpg"); }));
        window.wait_for_thumbnails();
        QVERIFY(window.picture_name(0) != place);
        QCOMPARE(QDir(dir.filePath("XDG_DATA_HOME/koloriton/preview")).entryList(QDir::Files | QDir::Hidden),
                 QStringList{});

        // The page of the deleted place stays open and is saved as any other.
        QVERIFY(window.state().work_page_shown && window.controls().canvas->isVisible());
        const QString saved = dir.filePath("рисунок.bmp");
        window.form().drawing_files().set_dialog_runner([&](auto, auto&) { return std::optional(saved); });
        QVERIFY(window.form().drawing_files().save_drawing());
        QCOMPARE(formats::read_bmp(saved).width(), window.controls().canvas->picture().width());
    }
};

KOLORITON_X_TEST_MAIN(PlaceWindowTest, testing_support::XDesktop{{1366, 768}})
#include "test_place_window.moc"
