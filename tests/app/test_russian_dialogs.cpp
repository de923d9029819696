#include "app/qt_translations.h"
#include "core/file_dialog_settings.h"
#include "history/file_dialog.h"
#include "support/modal_window.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using testing_support::when_modal_shown;

namespace {

QString label_text(QWidget* dialog, const char* name)
{
    const auto* label = dialog->findChild<QLabel*>(QLatin1String(name));
    return label ? label->text() : QString();
}

QPushButton* dialog_button(QWidget* dialog, QDialogButtonBox::StandardButton which)
{
    auto* box = dialog->findChild<QDialogButtonBox*>();
    return box ? box->button(which) : nullptr;
}

core::FileDialogSettings save_settings_in(const QTemporaryDir& folder)
{
    core::FileDialogSettings settings = core::save_dialog_defaults();
    settings.initial_dir = folder.path() + '/';
    return settings;
}

} // namespace

class RussianDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCOMPARE(app::use_interface_language(*qApp, QStringLiteral("ru"), QString()), QStringLiteral("ru"));
    }
    void the_save_dialog_speaks_russian();
    void the_save_dialog_runs_with_the_layout_settings_and_asks_in_russian_before_replacing();
};

void RussianDialogsTest::the_save_dialog_speaks_russian()
{
    QTemporaryDir folder;
    QStringList seen;
    when_modal_shown([&seen](QWidget* dialog) {
        seen << dialog->windowTitle() << label_text(dialog, "lookInLabel")
             << label_text(dialog, "fileNameLabel") << label_text(dialog, "fileTypeLabel");
        for (const auto which : {QDialogButtonBox::Save, QDialogButtonBox::Cancel}) {
            QPushButton* button = dialog_button(dialog, which);
            seen << (button ? button->text() : QString());
        }
        dialog_button(dialog, QDialogButtonBox::Cancel)->click();
    });
    const std::optional<QString> chosen =
        history::run_native_file_dialog(nullptr, history::DialogKind::Save, save_settings_in(folder));
    QVERIFY(!chosen);
    const QStringList russian = {
        "Сохранить как", "Перейти к:", "&Имя файла:", "Типы файлов:", "&Сохранить", "Отмена"};
    QCOMPARE(seen, russian);
}

void RussianDialogsTest::the_save_dialog_runs_with_the_layout_settings_and_asks_in_russian_before_replacing()
{
    QTemporaryDir folder;
    QString start_dir, offered_name, filter;
    when_modal_shown([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        start_dir = dialog->directory().absolutePath();
        offered_name = dialog->findChild<QLineEdit*>("fileNameEdit")->text();
        filter = dialog->selectedNameFilter();
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText("рисунок");
        dialog_button(dialog, QDialogButtonBox::Save)->click();
    });
    const core::FileDialogSettings settings = save_settings_in(folder);
    const std::optional<QString> chosen =
        history::run_native_file_dialog(nullptr, history::DialogKind::Save, settings);
    QCOMPARE(start_dir, folder.path());
    QCOMPARE(offered_name, QStringLiteral("save"));
    QCOMPARE(filter, QStringLiteral("Растровое изображение (24 бит) (*.bmp)"));
    QCOMPARE(chosen.value_or(QString()), folder.path() + "/рисунок.bmp");

    // The name now exists: the dialog asks before replacing it, and a No returns to the dialog.
    QFile existing(*chosen);
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.close();
    QString question, yes, no;
    bool dialog_stayed = false;
    when_modal_shown([&](QWidget* dialog) {
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText("рисунок");
        when_modal_shown([&, dialog](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            question = box ? box->text() : QString();
            yes = box ? box->button(QMessageBox::Yes)->text() : QString();
            no = box ? box->button(QMessageBox::No)->text() : QString();
            if (box)
                box->button(QMessageBox::No)->click();
            QTimer::singleShot(50, dialog, [&, dialog] {
                dialog_stayed = dialog->isVisible();
                dialog_button(dialog, QDialogButtonBox::Cancel)->click();
            });
        });
        dialog_button(dialog, QDialogButtonBox::Save)->click();
    });
    QVERIFY(!history::run_native_file_dialog(nullptr, history::DialogKind::Save, settings));
    QVERIFY(dialog_stayed);
    QVERIFY2(question.contains("рисунок.bmp") && question.contains("уже существует"), qPrintable(question));
    QCOMPARE(yes, QStringLiteral("&Да"));
    QCOMPARE(no, QStringLiteral("&Нет"));
}

QTEST_MAIN(RussianDialogsTest)
#include "test_russian_dialogs.moc"
