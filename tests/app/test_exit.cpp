#include "app/main_window.h"
#include "support/captured_errors.h"
#include "support/test_tree.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

using testing_support::CapturedErrors;
using testing_support::TestTree;

namespace {

enum class Way { button, menu, window_close };

struct Fixture {
    TestTree tree;
    app::MainWindow form{tree.app_dir()};
    int asked = 0;
    bool answer = false;

    Fixture()
    {
        form.set_exit_question([this] {
            ++asked;
            return answer;
        });
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
    }
    QString snapshot(const QString& name) const { return tree.path("Tmp/" + name); }
    void write_snapshots() const
    {
        tree.write("Tmp/tmp.bmp", "undo");
        tree.write("Tmp/tmp1.bmp", "redo");
    }
    void request_exit(Way way)
    {
        switch (way) {
        case Way::button:
            QTest::mouseClick(form.controls().exit_button, Qt::LeftButton);
            break;
        case Way::menu:
            form.controls().exit_action->trigger();
            break;
        case Way::window_close:
            form.close();
            break;
        }
    }
};

} // namespace

Q_DECLARE_METATYPE(Way)

class ExitTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void no_keeps_the_window_the_snapshots_and_the_state_data() { ways_data(); }
    void no_keeps_the_window_the_snapshots_and_the_state();
    void yes_deletes_both_snapshots_and_closes_data() { ways_data(); }
    void yes_deletes_both_snapshots_and_closes();
    void yes_without_snapshots_closes_silently_data() { ways_data(); }
    void yes_without_snapshots_closes_silently();
    void a_snapshot_that_cannot_be_deleted_does_not_keep_the_program_open();
    void the_question_is_asked_in_a_message_box();

private:
    static void ways_data();
};

void ExitTest::ways_data()
{
    QTest::addColumn<Way>("way");
    QTest::newRow("exit button") << Way::button;
    QTest::newRow("menu item") << Way::menu;
    QTest::newRow("window close") << Way::window_close;
}

void ExitTest::no_keeps_the_window_the_snapshots_and_the_state()
{
    QFETCH(Way, way);
    Fixture f;
    f.write_snapshots();
    f.form.controls().undo_button->setEnabled(true);
    const int position = f.form.state().preview_pos;
    f.request_exit(way);
    QCOMPARE(f.asked, 1);
    QVERIFY(f.form.isVisible());
    QVERIFY(QFile::exists(f.snapshot("tmp.bmp")));
    QVERIFY(QFile::exists(f.snapshot("tmp1.bmp")));
    QVERIFY(f.form.controls().undo_button->isEnabled());
    QCOMPARE(f.form.state().preview_pos, position);
}

void ExitTest::yes_deletes_both_snapshots_and_closes()
{
    QFETCH(Way, way);
    Fixture f;
    f.write_snapshots();
    f.tree.write("Tmp/other.bmp", "not ours");
    f.answer = true;
    f.request_exit(way);
    QCOMPARE(f.asked, 1);
    QVERIFY(!f.form.isVisible());
    QVERIFY(!QFile::exists(f.snapshot("tmp.bmp")));
    QVERIFY(!QFile::exists(f.snapshot("tmp1.bmp")));
    QVERIFY(QFile::exists(f.snapshot("other.bmp")));
}

void ExitTest::yes_without_snapshots_closes_silently()
{
    QFETCH(Way, way);
    Fixture f;
    CapturedErrors errors;
    f.tree.write("Tmp/tmp1.bmp", "redo only");
    f.answer = true;
    f.request_exit(way);
    QVERIFY(!f.form.isVisible());
    QVERIFY(!QFile::exists(f.snapshot("tmp1.bmp")));
    QCOMPARE(errors.messages(), QStringList());

    Fixture empty;
    empty.answer = true;
    empty.request_exit(way);
    QVERIFY(!empty.form.isVisible());
    QCOMPARE(errors.messages(), QStringList());
}

void ExitTest::a_snapshot_that_cannot_be_deleted_does_not_keep_the_program_open()
{
    Fixture f;
    CapturedErrors errors;
    // A folder in the snapshot's place cannot be removed as a file, whoever runs the test.
    QVERIFY(QDir().mkpath(f.snapshot("tmp.bmp") + "/inside"));
    f.tree.write("Tmp/tmp1.bmp", "redo");
    f.answer = true;
    f.request_exit(Way::button);
    QVERIFY(!f.form.isVisible());
    QVERIFY(!QFile::exists(f.snapshot("tmp1.bmp")));
    QCOMPARE(errors.messages(), QStringList());
}

void ExitTest::the_question_is_asked_in_a_message_box()
{
    TestTree tree;
    app::MainWindow form(tree.app_dir());
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    tree.write("Tmp/tmp.bmp", "undo");
    QString caption;
    QString text;
    QStringList buttons;
    // Answers the real box with No, then the second one with Yes.
    int answered = 0;
    std::function<void()> answer = [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            QTimer::singleShot(10, answer);
            return;
        }
        caption = box->windowTitle();
        text = box->text();
        buttons.clear();
        for (QAbstractButton* button : box->buttons())
            buttons << button->text();
        box->button(answered++ == 0 ? QMessageBox::No : QMessageBox::Yes)->click();
    };
    QTimer::singleShot(10, answer);
    form.close();
    QCOMPARE(caption, QString("Выход"));
    QCOMPARE(text, QString("Вы уверены?"));
    buttons.sort();
    QCOMPARE(buttons, QStringList({"Да", "Нет"}));
    QVERIFY(form.isVisible());
    QVERIFY(QFile::exists(tree.path("Tmp/tmp.bmp")));

    QTimer::singleShot(10, answer);
    form.close();
    QVERIFY(!form.isVisible());
    QVERIFY(!QFile::exists(tree.path("Tmp/tmp.bmp")));
}

QTEST_MAIN(ExitTest)
#include "test_exit.moc"
