#include "settings/add_place_dialog.h"
#include "settings/settings_window.h"
#include "support/modal_window.h"
#include "support/private_x_server.h"
#include "support/tiled_photograph.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Points the XDG folders into `dir` and writes the system settings file there; returns its path.
QString write_system_file(const QTemporaryDir& dir, const QByteArray& text)
{
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(dir.filePath("system")));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath("home")));
    QDir().mkpath(dir.filePath("system/koloriton"));
    QFile system(dir.filePath("system/koloriton/koloriton.conf"));
    if (!system.open(QIODevice::WriteOnly) || system.write(text) != text.size())
        qFatal("cannot write %s", qPrintable(system.fileName()));
    return system.fileName();
}

} // namespace

class TestSettingsWindow : public QObject {
    Q_OBJECT

private slots:
    void a_change_is_written_and_locked_keys_are_greyed()
    {
        QTemporaryDir dir;
        write_system_file(
            dir, "[locked]\nkeys=drawing/keep_outlines, allow/printing, sound/volume, saving/gallery\n"
                 "[drawing]\nkeep_outlines=true\n[allow]\nprinting=false\n[sound]\nvolume=30\n"
                 "[saving]\ngallery=true\n");

        settings::SettingsWindow window(settings::SettingsFiles::from_environment());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const auto box = [&](const char* name) { return window.findChild<QCheckBox*>(name); };
        const auto locked_word = [&](const QString& name) {
            return window.findChild<QLabel*>(name + "/locked");
        };
        for (const auto& [name, checked] : {std::pair{"drawing/keep_outlines", true},
                                            {"allow/printing", false},
                                            {"saving/gallery", true}}) {
            QVERIFY(!box(name)->isEnabled());
            QCOMPARE(box(name)->isChecked(), checked);
            QVERIFY(locked_word(name)->isVisible());
            QCOMPARE(locked_word(name)->text(), "(задано администратором)");
            QTest::mouseClick(box(name), Qt::LeftButton);
            QCOMPARE(box(name)->isChecked(), checked);
        }
        // Every group is titled in words, none by its name in the file.
        for (const auto* group : window.findChildren<QGroupBox*>())
            QVERIFY2(group->title().contains(QRegularExpression("^\\p{Cyrillic}")),
                     qPrintable(group->title()));
        const auto* volume = window.findChild<QSpinBox*>("sound/volume");
        QVERIFY(volume->value() == 30 && !volume->isEnabled() && locked_word("sound/volume")->isVisible());
        const auto* steps = window.findChild<QSpinBox*>("drawing/undo_steps");
        QVERIFY(steps->value() == 1 && steps->minimum() == 1 && steps->maximum() == 50 && steps->isEnabled());
        QVERIFY(box("allow/saving")->isEnabled() && box("allow/saving")->isChecked());
        QVERIFY(!locked_word("allow/saving"));
        QTest::mouseClick(box("allow/saving"), Qt::LeftButton, {},
                          QPoint(8, box("allow/saving")->height() / 2));
        QVERIFY(!box("allow/saving")->isChecked());
        // Beside this test no translation lies: the desktop's language or the program's own.
        auto* language = window.findChild<QComboBox*>("window/language");
        QCOMPARE(language->currentText(), "Как на компьютере");
        QCOMPARE(language->count(), 2);
        language->setCurrentIndex(1);
        QCOMPARE(language->currentText(), "Русский");
        QTest::mouseClick(window.findChild<QPushButton*>("save_button"), Qt::LeftButton);
        QVERIFY(!window.isVisible());

        QSettings written(dir.filePath("home/koloriton/koloriton.conf"), QSettings::IniFormat);
        QCOMPARE(written.allKeys(), (QStringList{"allow/saving", "window/language"}));
        QCOMPARE(written.value("allow/saving").toString(), "false");
        QCOMPARE(written.value("window/language").toString(), "ru");
    }

    void a_window_the_system_closes_is_greyed_whole_and_tells_the_problems()
    {
        QTemporaryDir dir;
        const QString system = write_system_file(dir, "[allow]\nsettings=false\nsaving=false\ncolour=red\n");

        settings::SettingsWindow window(settings::SettingsFiles::from_environment());
        QVERIFY(!window.findChild<QCheckBox*>("allow/saving")->isChecked());
        for (QWidget* control : window.findChildren<QWidget*>())
            if (qobject_cast<QAbstractButton*>(control) || qobject_cast<QLineEdit*>(control) ||
                qobject_cast<QAbstractItemView*>(control))
                QVERIFY2(!control->isEnabled() || control->objectName() == "cancel_button",
                         qPrintable(control->objectName()));
        const QString problems = window.findChild<QLabel*>("settings_problems")->text();
        QVERIFY2(problems.contains(system + ":4: allow/colour: неизвестный ключ"), qPrintable(problems));
    }

    void the_place_button_makes_a_place_or_says_what_is_wrong()
    {
        QTemporaryDir dir;
        qputenv("XDG_DATA_HOME", QFile::encodeName(dir.filePath("data")));
        QVERIFY(testing_support::tiled_photograph({800, 600}, {200, 250, 400, 350}, QColor(200, 60, 40))
                    .save(dir.filePath("дом.jpg")));

        settings::SettingsWindow window(settings::SettingsFiles::from_environment());
        QVERIFY(window.findChild<QPushButton*>("add_place_button"));
        for (const auto& [name, made] : {std::pair{"Дом/1", false}, {"Дом", true}}) {
            settings::AddPlaceDialog dialog;
            dialog.findChild<QLineEdit*>("photograph")->setText(dir.filePath("дом.jpg"));
            dialog.findChild<QLineEdit*>("name")->setText(QString::fromUtf8(name));
            QVERIFY(QTest::qWaitFor([&] { return dialog.preview_ready(); }, 20000));
            QString told;
            testing_support::when_modal_shown([&told](QWidget* box) {
                told = static_cast<QMessageBox*>(box)->text();
                box->close();
            });
            QCOMPARE(dialog.make_place(), made);
            QVERIFY2(told.contains(made ? "готово" : "косой черты"), qPrintable(told));
            QCOMPARE(QFileInfo::exists(dir.filePath("data/koloriton/preview/Дом.jpg")), made);
        }
    }
};

KOLORITON_X_TEST_MAIN(TestSettingsWindow, testing_support::XDesktop{{1366, 768}})
#include "test_settings_window.moc"
