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
    void no_keeps_everything_and_yes_removes_our_snapshots_data();
    void no_keeps_everything_and_yes_removes_our_snapshots();
    void a_snapshot_that_cannot_be_deleted_does_not_keep_the_program_open();
    void the_question_is_asked_in_a_message_box();
};

void ExitTest::no_keeps_everything_and_yes_removes_our_snapshots_data()
{
    QTest::addColumn<Way>("way");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QStringList>("snapshots");
    const QStringList both{"tmp.bmp", "tmp1.bmp"};
    for (const auto& [name, way] : {std::pair("exit button", Way::button), std::pair("menu item", Way::menu),
                                    std::pair("window close", Way::window_close)}) {
        QTest::addRow("%s, no", name) << way << false << both;
        QTest::addRow("%s, yes", name) << way << true << both;
        QTest::addRow("%s, yes, redo only", name) << way << true << QStringList{"tmp1.bmp"};
        QTest::addRow("%s, yes, none", name) << way << true << QStringList{};
    }
}

void ExitTest::no_keeps_everything_and_yes_removes_our_snapshots()
{
    QFETCH(Way, way);
    QFETCH(bool, yes);
    QFETCH(QStringList, snapshots);
    Fixture f;
    CapturedErrors errors;
    for (const QString& name : snapshots)
        f.tree.write("Tmp/" + name, "snapshot");
    f.tree.write("Tmp/other.bmp", "not ours");
    f.form.controls().undo_button->setEnabled(true);
    const int position = f.form.state().preview_pos;
    f.answer = yes;
    f.request_exit(way);
    QCOMPARE(f.asked, 1);
    QCOMPARE(f.form.isVisible(), !yes);
    for (const QString& name : snapshots)
        QCOMPARE(QFile::exists(f.snapshot(name)), !yes);
    QVERIFY(QFile::exists(f.snapshot("other.bmp")));
    QCOMPARE(errors.messages(), QStringList());
    if (!yes) {
        QVERIFY(f.form.controls().undo_button->isEnabled());
        QCOMPARE(f.form.state().preview_pos, position);
    }
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
