#include "history/drawing_files.h"
#include "settings/settings.h"
#include "support/main_window.h"

#include <QTemporaryDir>
#include <QTimer>

using testing_support::press;

class TestSettingsPolicy : public QObject {
    Q_OBJECT

private slots:
    void a_disallowed_action_is_not_offered_by_button_menu_or_key()
    {
        settings::Settings values;
        values.allow_printing = values.allow_saving = values.allow_opening = false;
        testing_support::MainWindow w(values);
        QVERIFY(QTest::qWaitForWindowExposed(&w.form()));
        w.open_picture();
        int dialogs = 0;
        w.form().drawing_files().set_dialog_runner([&](auto, auto&) {
            ++dialogs;
            return std::optional<QString>();
        });
        // A print window that opened would be modal; it is counted and closed.
        QTimer watch;
        connect(&watch, &QTimer::timeout, [&] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                ++dialogs;
                modal->close();
            }
        });
        watch.start(10);
        auto& c = w.controls();
        const std::tuple<platform::PictureControl*, QAction*, Qt::Key> actions[] = {
            {c.print_button, c.print_action, Qt::Key_P},
            {c.save_button, c.save_action, Qt::Key_S},
            {c.open_button, c.open_action, Qt::Key_O}};
        for (const auto& [button, action, key] : actions) {
            QVERIFY(!button->isEnabled());
            QVERIFY(!action->isEnabled());
            QTest::mouseMove(button, button->rect().center());
            QVERIFY2(!button->has_picture(), "the button keeps its plain look under the mouse");
            press(button);
            action->trigger();
            QTest::keyClick(&w.form(), key, Qt::ControlModifier);
            QTest::mouseMove(w.form().centralWidget(), QPoint(500, 300));
        }
        QTest::qWait(50);
        QCOMPARE(dialogs, 0);
        QVERIFY(c.home_button->isEnabled() && c.exit_button->isEnabled() &&
                c.undo_action->isEnabled() == false);
        QVERIFY(w.errors().isEmpty());
    }

    void the_save_dialog_starts_in_the_folder_the_settings_name()
    {
        QTemporaryDir folder;
        settings::Settings values;
        values.drawings_folder = folder.path();
        testing_support::MainWindow w(values);
        w.open_picture();
        QString started_in;
        w.form().drawing_files().set_dialog_runner([&](auto, const core::FileDialogSettings& dialog) {
            started_in = dialog.initial_dir;
            return std::optional<QString>();
        });
        press(w.controls().save_button);
        QCOMPARE(started_in, folder.path() + '/');
    }
};

QTEST_MAIN(TestSettingsPolicy)
#include "test_settings_policy.moc"
