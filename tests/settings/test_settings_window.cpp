#include "settings/settings_window.h"
#include "support/private_x_server.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

class TestSettingsWindow : public QObject {
    Q_OBJECT

private slots:
    void a_change_is_written_and_locked_keys_are_greyed()
    {
        QTemporaryDir dir;
        qputenv("XDG_CONFIG_DIRS", QFile::encodeName(dir.filePath("system")));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath("home")));
        QDir().mkpath(dir.filePath("system/koloriton"));
        QFile system(dir.filePath("system/koloriton/koloriton.conf"));
        QVERIFY(system.open(QIODevice::WriteOnly));
        system.write("[locked]\nkeys=drawing/keep_outlines, allow/printing\n"
                     "[drawing]\nkeep_outlines=true\n[allow]\nprinting=false\n");
        system.close();

        settings::SettingsWindow window(settings::SettingsFiles::from_environment());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const auto box = [&](const char* name) { return window.findChild<QCheckBox*>(name); };
        const auto locked_word = [&](const QString& name) {
            return window.findChild<QLabel*>(name + "/locked");
        };
        for (const auto& [name, checked] :
             {std::pair{"drawing/keep_outlines", true}, {"allow/printing", false}}) {
            QVERIFY(!box(name)->isEnabled());
            QCOMPARE(box(name)->isChecked(), checked);
            QVERIFY(locked_word(name)->isVisible());
            QCOMPARE(locked_word(name)->text(), "(задано администратором)");
            QTest::mouseClick(box(name), Qt::LeftButton);
            QCOMPARE(box(name)->isChecked(), checked);
        }
        QVERIFY(box("allow/saving")->isEnabled() && box("allow/saving")->isChecked());
        QVERIFY(!locked_word("allow/saving"));
        QTest::mouseClick(box("allow/saving"), Qt::LeftButton, {},
                          QPoint(8, box("allow/saving")->height() / 2));
        QVERIFY(!box("allow/saving")->isChecked());
        QTest::mouseClick(window.findChild<QPushButton*>("save_button"), Qt::LeftButton);
        QVERIFY(!window.isVisible());

        QSettings written(dir.filePath("home/koloriton/koloriton.conf"), QSettings::IniFormat);
        QCOMPARE(written.allKeys(), QStringList{"allow/saving"});
        QCOMPARE(written.value("allow/saving").toString(), "false");
    }
};

KOLORITON_X_TEST_MAIN(TestSettingsWindow, testing_support::XDesktop{{1366, 768}})
#include "test_settings_window.moc"
