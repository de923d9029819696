#include "app/main_window.h"
#include "catalogue/preview_strip.h"
#include "formats/bmp_codec.h"
#include "support/captured_errors.h"
#include "support/modal_window.h"
#include "support/private_x_server.h"
#include "support/test_tree.h"

#include <QAbstractButton>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QTest>

namespace {

// Answers "Сохранить рисунок?" with the button `answer`; after "Да" the save dialog takes `file`,
// or is cancelled when there is none.
void answer(const QString& answer, const QString& file = {})
{
    testing_support::when_modal_shown([=](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box != nullptr);
        QCOMPARE(box->text(), QStringLiteral("Сохранить рисунок?"));
        if (answer == QStringLiteral("Да"))
            testing_support::when_modal_shown([=](QWidget* dialog) {
                if (!file.isEmpty())
                    qobject_cast<QFileDialog*>(dialog)->selectFile(file);
                file.isEmpty() ? qobject_cast<QDialog*>(dialog)->reject()
                               : qobject_cast<QDialog*>(dialog)->accept();
            });
        for (QAbstractButton* button : box->buttons())
            if (button->text() == answer)
                button->click();
    });
}

} // namespace

class TestSaveQuestion : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    // A child colours, then touches another thumbnail, the home button, the open button and the exit.
    void no_click_replaces_a_coloured_drawing_without_asking()
    {
        testing_support::CapturedErrors errors;
        testing_support::TestTree tree;
        app::MainWindow form(tree.app_dir());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        app::MainWindowControls& c = form.controls();
        const auto open = [&](int slot) {
            QTest::mouseClick(form.preview_strip().thumbnail(slot), Qt::LeftButton);
        };
        const auto picture = [&](int slot) {
            return formats::read_bmp(form.state().paths.clipart_dir +
                                      form.preview_strip().thumbnail(slot)->hint() + ".bmp");
        };
        // The bucket fills the white around the top-left corner in red.
        const auto colour = [&] {
            QTest::mouseClick(c.canvas, Qt::LeftButton, {}, {3, 3});
            return c.canvas->picture();
        };

        open(0);
        QVERIFY(c.canvas->picture() == picture(0));
        const pixels::Bitmap coloured = colour();
        QCOMPARE(coloured.pixel(3, 3), 0x000000FFu);
        answer("Отмена");
        open(1);
        QVERIFY(c.canvas->picture() == coloured);
        answer("Да");
        open(1);
        QVERIFY(c.canvas->picture() == coloured);
        answer("Да", tree.path("save/рисунок.bmp"));
        open(1);
        QVERIFY(c.canvas->picture() == picture(1));
        QVERIFY(formats::read_bmp(tree.path("save/рисунок.bmp")) == coloured);

        colour();
        answer("Нет");
        open(0);
        QVERIFY(c.canvas->picture() == picture(0));
        QCOMPARE(QDir(tree.path("save")).entryList(QDir::Files), QStringList{"рисунок.bmp"});
        open(1); // nothing to save: no question
        QVERIFY(c.canvas->picture() == picture(1));

        colour();
        answer("Отмена");
        QTest::mouseClick(c.home_button, Qt::LeftButton);
        QVERIFY(c.canvas->isVisible());
        answer("Нет");
        QTest::mouseClick(c.home_button, Qt::LeftButton);
        QVERIFY(!c.canvas->isVisible());
        answer("Нет");
        open(0);

        // The open dialog offers the folder of saved drawings.
        QList<QUrl> places;
        testing_support::when_modal_shown([&](QWidget* dialog) {
            places = qobject_cast<QFileDialog*>(dialog)->sidebarUrls();
            qobject_cast<QDialog*>(dialog)->reject();
        });
        QTest::mouseClick(c.open_button, Qt::LeftButton);
        QVERIFY(places.contains(QUrl::fromLocalFile(tree.path("save"))));

        const pixels::Bitmap last = colour();
        answer("Отмена");
        QTest::mouseClick(c.exit_button, Qt::LeftButton);
        QVERIFY(form.isVisible());
        answer("Да", tree.path("save/выход.bmp"));
        QTest::mouseClick(c.exit_button, Qt::LeftButton);
        QVERIFY(!form.isVisible());
        QVERIFY(formats::read_bmp(tree.path("save/выход.bmp")) == last);
        QCOMPARE(errors.messages(), QStringList());
    }
};

KOLORITON_X_TEST_MAIN(TestSaveQuestion, testing_support::XDesktop{{1366, 768}})
#include "test_save_question.moc"
