#include "app/main_window.h"
#include "catalogue/preview_strip.h"
#include "history/drawing_files.h"
#include "skin/skin_manager.h"
#include "support/captured_errors.h"
#include "support/test_tree.h"

#include <QApplication>
#include <QDirIterator>
#include <QEnterEvent>
#include <QProcess>
#include <QRandomGenerator>
#include <QTest>
#include <cstdio>

// Every file of the resource tree in turn is removed, replaced by garbage, or replaced by a 100 GB
// sparse file; a child process starts the main window over that tree and presses its way through
// every control that reads a resource. No case may crash, hang, show a library's own error text,
// or stop a later press from working.

namespace {

const char* const app_dir_variable = "KOLORITON_SWEEP_APP_DIR";
const char* const file_variable = "KOLORITON_SWEEP_FILE";
constexpr int case_time_limit_ms = 60 * 1000;
constexpr int exit_library_text = 3;
constexpr int exit_undo_broken = 4;

enum class Damage { missing, garbage, huge };

void click(QWidget* widget)
{
    if (widget != nullptr)
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(2, 2));
}

void stroke(QWidget* canvas, QPoint from)
{
    QTest::mousePress(canvas, Qt::LeftButton, {}, from);
    QTest::mouseMove(canvas, from + QPoint(30, 20));
    QTest::mouseRelease(canvas, Qt::LeftButton, {}, from + QPoint(30, 20));
}

void hover(QWidget* widget)
{
    QEnterEvent enter({2, 2}, {2, 2}, {2, 2});
    QApplication::sendEvent(widget, &enter);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(widget, &leave);
}

// Scrolls the strip until the picture named `name` shows, and opens it; the first shown when
// there is none of that name.
void open_catalogue_picture(app::MainWindow& form, const QString& name)
{
    app::MainWindowControls& c = form.controls();
    for (int press = 0; press <= c.catalogue_list->count(); ++press) {
        for (int slot = 0; slot < catalogue::PreviewStrip::slot_count; ++slot) {
            platform::PictureControl* thumbnail = form.preview_strip().thumbnail(slot);
            if (thumbnail != nullptr && thumbnail->isVisible() && thumbnail->hint() == name)
                return click(thumbnail);
        }
        click(c.strip_down_button);
    }
    click(form.preview_strip().thumbnail(0));
}

// The presses of one case, touching every control that reads a resource; the damaged file
// decides which catalogue picture and which drawing are opened.
int run_case(const QString& app_dir, const QString& damaged)
{
    testing_support::CapturedErrors errors;
    app::MainWindow form(app_dir);
    const QString picture = QFileInfo(damaged).fileName().section('.', 0, 0);
    const QString drawing = damaged.startsWith("pic-dop/") ? damaged : QStringLiteral("pic-dop/мяч.bmp");
    form.set_exit_question([] { return true; });
    form.drawing_files().set_dialog_runner([&](history::DialogKind kind, const core::FileDialogSettings&) {
        return std::optional<QString>(
            app_dir + (kind == history::DialogKind::Open ? "res/" + drawing : "save/out.bmp"));
    });
    form.skin_manager().set_skin_directory(form.state().paths.skin_dir());
    form.skin_manager().set_skin_name(QStringLiteral("MacOS"));
    form.show();
    app::MainWindowControls& c = form.controls();

    open_catalogue_picture(form, picture);
    click(c.photo_tab);
    click(c.description_tab);
    for (platform::PictureControl* control : c.drawing_controls())
        click(control);
    for (platform::PictureControl* button :
         {c.strip_down_button, c.strip_up_button, c.undo_button, c.redo_button, c.home_button, c.print_button,
          c.open_button, c.save_button, c.exit_button})
        hover(button);
    click(c.red_jar);
    click(c.brush_button);
    stroke(c.canvas, {60, 60});
    click(c.bucket_button);
    stroke(c.canvas, {150, 150});
    click(c.undo_button);
    click(c.redo_button);
    click(c.open_button);
    click(c.save_button);
    click(c.home_button);
    click(c.strip_up_button);

    // Later presses still work: a picture opens, takes a stroke, and undo takes it back.
    open_catalogue_picture(form, picture);
    click(c.brush_button);
    const platform::Bitmap before = c.canvas->picture();
    stroke(c.canvas, {80, 90});
    click(c.undo_button);
    const bool undone = !c.undo_button->isEnabled() || c.canvas->picture() == before;

    for (const QString& message : errors.messages())
        std::printf("%s\n", qPrintable(message));
    if (std::any_of(errors.messages().begin(), errors.messages().end(),
                    [](const QString& message) { return message.contains("std::"); }))
        return exit_library_text;
    return undone ? 0 : exit_undo_broken;
}

QByteArray garbage(int seed)
{
    QRandomGenerator random(static_cast<quint32>(seed));
    QByteArray bytes(4096, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(random.bounded(256));
    return bytes;
}

void damage(const QString& path, Damage how, int seed)
{
    QFile file(path);
    switch (how) {
    case Damage::missing:
        QVERIFY(file.remove());
        return;
    case Damage::garbage:
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(file.write(garbage(seed)), 4096);
        return;
    case Damage::huge:
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QVERIFY(file.resize(qint64{100} << 30));
        return;
    }
}

// One tree with a child process working over it.
struct Worker {
    testing_support::TestTree tree;
    QProcess child;
    QString file;
    QByteArray original;
    QString description;

    void start(const QString& relative, Damage how, int seed)
    {
        file = relative;
        description = QStringLiteral("%1 %2").arg(relative).arg(int(how));
        QFile kept(tree.path("res/" + relative));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        original = kept.readAll();
        kept.close();
        damage(tree.path("res/" + relative), how, seed);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(app_dir_variable, tree.app_dir());
        environment.insert(file_variable, relative);
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(), {});
    }

    void finish()
    {
        const bool finished = child.waitForFinished(case_time_limit_ms);
        if (!finished) {
            child.kill();
            child.waitForFinished();
        }
        const QByteArray output = child.readAll();
        tree.write("res/" + file, original);
        QDir(tree.path("Tmp")).removeRecursively();
        QDir().mkpath(tree.path("Tmp"));
        QVERIFY2(finished, qPrintable("hangs: " + description));
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
                 qPrintable(QStringLiteral("%1: exit %2\n%3")
                                .arg(description)
                                .arg(child.exitCode())
                                .arg(QString::fromUtf8(output))));
    }
};

} // namespace

namespace {

// Every file of the tree, or with KOLORITON_SWEEP_EVERY=n every n-th, as the sanitizer build
// samples them.
QStringList resource_files()
{
    QStringList files;
    const QString res = testing_support::generated_res_dir();
    QDirIterator it(res, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(QDir(res).relativeFilePath(it.next()));
    files.sort();
    const int every = std::max(1, qEnvironmentVariableIntValue("KOLORITON_SWEEP_EVERY"));
    QStringList sampled;
    for (qsizetype i = 0; i < files.size(); i += every)
        sampled.append(files[i]);
    return sampled;
}

// Each file damaged in one way, two cases at a time over two trees.
void sweep(Damage how)
{
    const QStringList files = resource_files();
    QVERIFY(files.size() > 100 / std::max(1, qEnvironmentVariableIntValue("KOLORITON_SWEEP_EVERY")));
    Worker workers[2];
    for (qsizetype i = 0; i < files.size(); i += 2) {
        const qsizetype count = std::min<qsizetype>(2, files.size() - i);
        for (qsizetype w = 0; w < count; ++w)
            workers[w].start(files[i + w], how, int(i + w));
        for (qsizetype w = 0; w < count; ++w)
            workers[w].finish();
        if (QTest::currentTestFailed())
            return;
    }
    qInfo("%lld files swept", static_cast<long long>(files.size()));
}

} // namespace

class TestResourceSweep : public QObject {
    Q_OBJECT

private slots:
    void every_resource_missing() { sweep(Damage::missing); }
    void every_resource_garbage() { sweep(Damage::garbage); }
    void every_resource_a_100_gb_sparse_file() { sweep(Damage::huge); }
};

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (qEnvironmentVariableIsSet(app_dir_variable))
        return run_case(qEnvironmentVariable(app_dir_variable), qEnvironmentVariable(file_variable));
    TestResourceSweep test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_resource_sweep.moc"
