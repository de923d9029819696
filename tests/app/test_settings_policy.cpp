#include "history/drawing_files.h"
#include "settings/settings.h"
#include "support/main_window.h"
#include "support/modal_window.h"

#include <QAbstractButton>
#include <QMessageBox>

#include <QTemporaryDir>
#include <QTimer>

using testing_support::press;

namespace {

// Every step that leaves a drawing, as a child takes it.
const std::pair<const char*, std::function<void(testing_support::MainWindow&)>> leaving_steps[] = {
    {"another thumbnail", [](auto& w) { w.open_picture(1); }},
    {"home button", [](auto& w) { press(w.controls().home_button); }},
    {"home menu item", [](auto& w) { w.controls().home_action->trigger(); }},
    {"open button", [](auto& w) { press(w.controls().open_button); }},
    {"open key", [](auto& w) { QTest::keyClick(&w.form(), Qt::Key_O, Qt::ControlModifier); }},
    {"exit button", [](auto& w) { press(w.controls().exit_button); }},
    {"exit menu item", [](auto& w) { w.controls().exit_action->trigger(); }},
    {"window close", [](auto& w) { w.form().close(); }},
};

} // namespace

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

    void without_saving_no_step_writes_a_drawing_data()
    {
        QTest::addColumn<int>("step");
        for (int step = 0; step < int(std::size(leaving_steps)); ++step)
            QTest::newRow(leaving_steps[step].first) << step;
    }

    // The question offers no "Да", and an answer "Да" from anywhere saves nothing and stays.
    void without_saving_no_step_writes_a_drawing()
    {
        QFETCH(int, step);
        QTemporaryDir folder;
        settings::Settings values;
        values.allow_saving = false;
        values.drawings_folder = folder.path();
        testing_support::MainWindow w(values);
        QVERIFY(QTest::qWaitForWindowExposed(&w.form()));
        w.open_picture();
        QTest::mouseClick(w.controls().canvas, Qt::LeftButton, {}, {3, 3});
        const pixels::Bitmap coloured = w.controls().canvas->picture();
        w.form().drawing_files().set_dialog_runner([&](history::DialogKind kind, auto&) {
            return kind == history::DialogKind::Save ? std::optional(folder.filePath("рисунок.bmp"))
                                                     : std::optional<QString>();
        });
        w.form().set_exit_question([] { return true; });
        QStringList offered;
        w.form().set_save_question({});
        testing_support::when_modal_shown([&](QWidget* modal) {
            for (QAbstractButton* button : qobject_cast<QMessageBox*>(modal)->buttons())
                offered << button->text();
            qobject_cast<QMessageBox*>(modal)->reject();
        });
        leaving_steps[step].second(w);
        offered.sort();
        QCOMPARE(offered, (QStringList{"Нет", "Отмена"}));
        w.form().set_save_question([] { return app::SaveAnswer::save; });
        leaving_steps[step].second(w);
        QVERIFY(w.form().isVisible());
        QVERIFY(w.controls().canvas->isVisible() && w.controls().canvas->picture() == coloured);
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    }
};

QTEST_MAIN(TestSettingsPolicy)
#include "test_settings_policy.moc"
