#include "drawing/canvas_fixture.h"
#include "history/drawing_files.h"

#include <QApplication>
#include <QTimer>

using namespace canvas_fixture;

namespace {

// Sends a key to the main window and names the modal window it opened, if any (closing it).
QString key_opens(Window& w, QKeyCombination key)
{
    QString opened;
    QTimer::singleShot(0, &w.form(), [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            opened = modal->objectName();
            modal->close();
        }
    });
    QTest::keyClick(&w.form(), key.key(), key.keyboardModifiers());
    QCoreApplication::processEvents();
    return opened;
}

void send_key(Window& w, QKeyCombination key)
{
    QTest::keyClick(&w.form(), key.key(), key.keyboardModifiers());
}

} // namespace

class KeysTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void each_key_runs_its_menu_item_while_the_item_is_offered()
    {
        Window w;
        auto& c = w.controls();
        w.form().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w.form()));
        QList<history::DialogKind> dialogs;
        w.form().drawing_files().set_dialog_runner(
            [&](history::DialogKind kind, const core::FileDialogSettings&) -> std::optional<QString> {
                dialogs.append(kind);
                return std::nullopt;
            });
        const QKeyCombination undo(Qt::ControlModifier, Qt::Key_Z);
        const QKeyCombination redo_keys[] = {
            QKeyCombination(Qt::ControlModifier, Qt::Key_Y),
            QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z)};

        // Nothing offered yet: the keys write no snapshot.
        for (const QKeyCombination key : {undo, redo_keys[0], redo_keys[1]})
            send_key(w, key);
        QVERIFY(!QFile::exists(history::redo_snapshot_path(w.state().paths)));
        QVERIFY(!QFile::exists(history::undo_snapshot_path(w.state().paths)));

        show_on_canvas(w);
        press(c.brush_button);
        QTest::mousePress(c.canvas, Qt::LeftButton, {}, {200, 200});
        QTest::mouseMove(c.canvas, {260, 230});
        QTest::mouseRelease(c.canvas, Qt::LeftButton, {}, {260, 230});
        const pixels::Bitmap stroked = c.canvas->picture();
        for (const QKeyCombination redo : redo_keys) {
            send_key(w, undo);
            QVERIFY(c.canvas->picture() == known_picture());
            QVERIFY(!c.undo_button->isEnabled() && c.redo_button->isEnabled());
            send_key(w, undo);
            QVERIFY(redo_snapshot(w) == stroked);
            send_key(w, redo);
            QVERIFY(c.canvas->picture() == stroked);
            QVERIFY(c.undo_button->isEnabled() && !c.redo_button->isEnabled());
            send_key(w, redo);
            QVERIFY(undo_snapshot(w) == known_picture());
            QVERIFY(c.canvas->picture() == stroked);
        }

        QCOMPARE(key_opens(w, QKeyCombination(Qt::ControlModifier, Qt::Key_S)), QString());
        QCOMPARE(key_opens(w, QKeyCombination(Qt::ControlModifier, Qt::Key_O)), QString());
        QCOMPARE(dialogs, (QList<history::DialogKind>{history::DialogKind::Save, history::DialogKind::Open}));
        QCOMPARE(key_opens(w, QKeyCombination(Qt::ControlModifier, Qt::Key_P)),
                 QStringLiteral("print_window"));
        QCOMPARE(key_opens(w, QKeyCombination(Qt::Key_F1)), QStringLiteral("help_window"));
        QCOMPARE(key_opens(w, QKeyCombination(Qt::Key_F2)), QString());
        QVERIFY(w.errors().isEmpty());
    }
};

QTEST_MAIN(KeysTest)
#include "test_keys.moc"
