#include "history/drawing_files.h"
#include "settings/settings.h"
#include "support/main_window.h"

#include <QTemporaryDir>
#include <QTimer>

using testing_support::press;

class TestSettingsPolicy : public QObject {
    Q_OBJECT

private slots:
    void disallowed_actions_are_not_offered_and_drawings_go_to_the_folder_named()
    {
        QTemporaryDir folder;
        settings::Settings values;
        values.allow_printing = values.allow_saving = values.allow_opening = false;
        values.drawings_folder = folder.path();
        testing_support::MainWindow w(values);
        QVERIFY(QTest::qWaitForWindowExposed(&w.form()));
        w.open_picture();
        auto& c = w.controls();
        QCOMPARE(c.save_dialog.initial_dir, folder.path() + '/');
        int dialogs = 0;
        w.form().drawing_files().set_dialog_runner([&](auto, auto&) {
            ++dialogs;
            return std::optional<QString>();
        });
        // A print window that opened would be modal; it is counted and closed.
        QTimer watch;
        connect(&watch, &QTimer::timeout, [&] {
            if (QWidget* modal = QApplication::activeModalWidget(); modal && modal->close())
                ++dialogs;
        });
        watch.start(10);
        const std::tuple<widgets::PictureControl*, QAction*, Qt::Key> actions[] = {
            {c.print_button, c.print_action, Qt::Key_P},
            {c.save_button, c.save_action, Qt::Key_S},
            {c.open_button, c.open_action, Qt::Key_O}};
        for (const auto& [button, action, key] : actions) {
            QVERIFY(!button->isEnabled() && !action->isEnabled());
            QTest::mouseMove(button, button->rect().center());
            QVERIFY2(!button->has_picture(), "the button keeps its plain look under the mouse");
            press(button);
            QTest::keyClick(&w.form(), key, Qt::ControlModifier);
            QTest::mouseMove(w.form().centralWidget(), QPoint(500, 300));
        }
        QTest::qWait(50);
        QCOMPARE(dialogs, 0);
        QVERIFY(w.errors().isEmpty());
    }
};

QTEST_MAIN(TestSettingsPolicy)
#include "test_settings_policy.moc"
