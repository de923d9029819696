// The program installed where its user may not write: the test installs the resource tree under
// share/koloriton/ of a prefix and this executable as the prefix's bin/koloriton, takes the write bits
// away and starts the copy as another user (nobody, when the test runs as root) with a home of its
// own. There the copy drives its real main window and real file dialogs (--drive) and the test
// then looks at where the files landed.
#include "app/main_window.h"
#include "catalogue/preview_strip.h"
#include "formats/bmp_codec.h"
#include "support/captured_errors.h"
#include "support/modal_window.h"
#include "support/test_tree.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QDirIterator>
#include <QFileDialog>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <pwd.h>
#include <unistd.h>

using testing_support::when_modal_shown;

namespace {

const char* const drive_argument = "--drive";
const char* const draw_argument = "--draw";
const QString drawings = QStringLiteral("Pictures/Колоритон");
const QString snapshots = QStringLiteral(".cache/koloriton");

QString home_path(const QString& relative)
{
    return qEnvironmentVariable("HOME") + '/' + relative;
}

QStringList bitmaps_in(const QString& folder)
{
    return QDir(folder).entryList({"*.bmp"}, QDir::Files);
}

// Types `name` into the file dialog and accepts it; records the folder the dialog started in.
void choose_in_dialog(const QString& name, QString& started_in)
{
    when_modal_shown([name, &started_in](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        started_in = dialog->directory().absolutePath();
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText(name);
        auto* buttons = dialog->findChild<QDialogButtonBox*>();
        const auto accept =
            dialog->acceptMode() == QFileDialog::AcceptSave ? QDialogButtonBox::Save : QDialogButtonBox::Open;
        buttons->button(accept)->click();
    });
}

#define DRIVE_CHECK(condition)                                                                               \
    if (!(condition)) {                                                                                      \
        qCritical("failed: %s", #condition);                                                                 \
        return 1;                                                                                            \
    }

// What a child does, in the copy run as the other user. Without a home folder it draws, undoes
// and redoes, with its snapshots in the user's private folder under the temporary directory.
int drive_the_program(bool with_home)
{
    testing_support::CapturedErrors errors;
    app::MainWindow form(QCoreApplication::applicationDirPath());
    form.set_save_question([] { return app::SaveAnswer::discard; });
    form.show();
    app::MainWindowControls& c = form.controls();
    const QString snapshot_folder =
        with_home ? home_path(snapshots) : QDir::tempPath() + QStringLiteral("/koloriton-%1").arg(getuid());

    QTest::mouseClick(form.preview_strip().thumbnail(0), Qt::LeftButton);
    const pixels::Bitmap before = c.canvas->picture();
    QTest::mouseClick(c.canvas, Qt::LeftButton, {}, {20, 20});
    const pixels::Bitmap filled = c.canvas->picture();
    DRIVE_CHECK(!(filled == before));
    DRIVE_CHECK(!bitmaps_in(snapshot_folder).isEmpty());
    QTest::mouseClick(c.undo_button, Qt::LeftButton);
    DRIVE_CHECK(c.canvas->picture() == before);
    QTest::mouseClick(c.redo_button, Qt::LeftButton);
    DRIVE_CHECK(c.canvas->picture() == filled);
    if (!with_home)
        DRIVE_CHECK((QFileInfo(snapshot_folder).permissions() & 0x0077) == 0);

    if (with_home) {
        QString save_started_in, open_started_in;
        choose_in_dialog(QStringLiteral("рисунок"), save_started_in);
        QTest::mouseClick(c.save_button, Qt::LeftButton);
        DRIVE_CHECK(save_started_in == home_path(drawings));
        DRIVE_CHECK(formats::read_bmp(home_path(drawings + "/рисунок.bmp")) == filled);
        QTest::mouseClick(c.undo_button, Qt::LeftButton);
        DRIVE_CHECK(c.canvas->picture() == before);
        choose_in_dialog(QStringLiteral("рисунок.bmp"), open_started_in);
        QTest::mouseClick(c.open_button, Qt::LeftButton);
        DRIVE_CHECK(open_started_in == home_path(drawings));
        DRIVE_CHECK(c.canvas->picture() == filled);
    }

    form.set_exit_question([] { return true; });
    form.close();
    DRIVE_CHECK(!form.isVisible());
    DRIVE_CHECK(bitmaps_in(snapshot_folder).isEmpty());
    for (const QString& error : errors.messages())
        qCritical("error box: %s", qPrintable(error));
    DRIVE_CHECK(errors.messages().isEmpty());
    return 0;
}

void copy_folder(const QString& from, const QString& to)
{
    QDir().mkpath(to);
    QDirIterator it(from, QDir::AllEntries | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + '/' + QDir(from).relativeFilePath(source);
        QVERIFY(it.fileInfo().isDir() ? QDir().mkpath(target) : QFile::copy(source, target));
    }
}

// Read and enter for everyone, write for no one.
void set_read_only(const QString& folder, bool read_only)
{
    const auto readable = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    const auto enterable = QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    QStringList paths{folder};
    while (it.hasNext())
        paths << it.next();
    for (const QString& path : paths) {
        const QFileInfo info(path);
        QFile::Permissions permissions = readable;
        if (info.isDir() || info.isExecutable())
            permissions |= enterable;
        if (!read_only)
            permissions |= QFile::WriteOwner;
        QFile::setPermissions(path, permissions);
    }
}

} // namespace

class ReadOnlyFolderTest : public QObject {
    Q_OBJECT

private slots:
    void another_user_draws_undoes_saves_and_opens_in_folders_of_their_own();
    void a_user_without_a_home_folder_draws();

private:
    // Runs a read-only copy of the program in `root` as another user with `environment` and
    // `argument`; the last variable of `environment` names a folder when `home` does not exist.
    void run_read_only_copy(const QTemporaryDir& root, const QString& home, const QStringList& environment,
                            const QString& argument);
};

void ReadOnlyFolderTest::run_read_only_copy(const QTemporaryDir& root, const QString& home,
                                            const QStringList& environment, const QString& argument)
{
    QVERIFY(QFile::setPermissions(root.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                   QFile::ReadOther | QFile::ExeOther));
    const QString prefix = root.filePath("usr");
    const QString program_dir = prefix + "/share/koloriton";
    const QString program = prefix + "/bin/koloriton";
    copy_folder(testing_support::generated_res_dir(), program_dir + "/res");
    QVERIFY(QDir(program_dir).mkpath("Tmp") && QDir(program_dir).mkpath("save") &&
            QDir(prefix).mkpath("bin"));
    QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), program));
    set_read_only(prefix, true);
    QStringList command =
        QStringList{"env", "-i", "HOME=" + home, "PATH=/usr/bin:/bin", "QT_QPA_PLATFORM=offscreen",
                    "PULSE_SERVER=" + qEnvironmentVariable("PULSE_SERVER")} +
        environment + QStringList{program, argument};
    const QString owned = QFileInfo::exists(home) ? home : environment.last().section('=', 1);
    if (geteuid() == 0) {
        const passwd* nobody = getpwnam("nobody");
        QVERIFY(nobody);
        QCOMPARE(chown(qPrintable(owned), nobody->pw_uid, nobody->pw_gid), 0);
        command = QStringList{"runuser", "-u", "nobody", "--"} + command;
    }
    QFile::setPermissions(owned, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcess run;
    run.setProcessChannelMode(QProcess::MergedChannels);
    run.start(command.takeFirst(), command);
    QVERIFY(run.waitForFinished(240000));
    const QByteArray output = run.readAll();
    set_read_only(prefix, false);
    QVERIFY2(run.exitStatus() == QProcess::NormalExit && run.exitCode() == 0, output.constData());
}

void ReadOnlyFolderTest::another_user_draws_undoes_saves_and_opens_in_folders_of_their_own()
{
    QTemporaryDir root;
    const QString home = root.filePath("home");
    QVERIFY(QDir().mkpath(home));
    run_read_only_copy(root, home, {"XDG_RUNTIME_DIR=" + home}, drive_argument);
    if (QTest::currentTestFailed())
        return;
    const bool as_root = geteuid() == 0;
    const QString program_dir = root.filePath("usr/share/koloriton");

    // The drawing is the user's, in their pictures folder; the program's folder stayed as it was.
    const QFileInfo saved(home + '/' + drawings + "/рисунок.bmp");
    QVERIFY(saved.isFile());
    QCOMPARE(saved.ownerId(), as_root ? getpwnam("nobody")->pw_uid : geteuid());
    QVERIFY(QFileInfo(home + '/' + snapshots).isDir());
    QVERIFY(bitmaps_in(home + '/' + snapshots).isEmpty());
    QVERIFY(QDir(program_dir + "/Tmp").isEmpty() && QDir(program_dir + "/save").isEmpty());
}

void ReadOnlyFolderTest::a_user_without_a_home_folder_draws()
{
    QTemporaryDir root;
    const QString temporary = root.filePath("tmp");
    QVERIFY(QDir().mkpath(temporary));
    // Inside the read-only program folder, where no one can make it.
    run_read_only_copy(root, root.filePath("usr/no such home"), {"TMPDIR=" + temporary}, draw_argument);
}

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (argc == 2 && qstrcmp(argv[1], drive_argument) == 0)
        return drive_the_program(true);
    if (argc == 2 && qstrcmp(argv[1], draw_argument) == 0)
        return drive_the_program(false);
    ReadOnlyFolderTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_read_only_folder.moc"
