#include "history/recovery_record.h"
#include "support/main_window.h"
#include "support/private_x_server.h"
#include "widgets/notice.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>
#include <cstdio>

using testing_support::press;

namespace {

const char* const draw_argument = "--draw";

// The drawing after press `n`, as the drawing copy saw it.
QString reference(const QString& folder, int n)
{
    return folder + QStringLiteral("/pressed-%1.bmp").arg(n);
}

void press_brush(app::MainWindow& form, int n)
{
    form.state().drawing.current_colour = pixels::colour_word(40 * n % 256, 255 - 20 * n, 90);
    press(form.controls().canvas, Qt::LeftButton, {30 + 40 * (n % 10), 60 + 50 * (n / 10)});
}

// The copy to be killed: over the program folder `app_dir`, it keeps its record in `records`,
// opens the first place and makes `presses` brush presses, writing the drawing
// after each to `references` and telling the parent. With `die_in_write`, it kills itself in the
// middle of the record's write of that press, between the write and the rename.
int draw_and_wait(const QStringList& arguments)
{
    const QString app_dir = arguments[2], records = arguments[3], references = arguments[4];
    const int presses = arguments[5].toInt(), die_in_write = arguments[6].toInt();
    app::MainWindow form(app_dir);
    form.show();
    form.keep_recovery_record(records);
    if (!QTest::qWaitFor([&] { return form.preview_strip().settled(); }))
        return 1;
    QTest::mouseClick(form.preview_strip().thumbnail(0), Qt::LeftButton);
    form.state().drawing.current_tool = core::Tool::brush;
    int writes = 0;
    // The page is written by now: each write from here on is a press's.
    if (die_in_write)
        form.recovery_record()->set_before_rename([&] {
            if (++writes == die_in_write)
                std::raise(SIGKILL);
        });
    for (int n = 1; n <= presses; ++n) {
        press_brush(form, n);
        formats::write_bmp(form.controls().canvas->picture(), reference(references, n));
        // A child's pace, at which each record is written before the next press, whatever the
        // machine's load; the last press is killed while its record may still be written.
        if (die_in_write || n < presses)
            form.recovery_record()->wait_for_writes();
    }
    std::printf("drawn\n");
    std::fflush(stdout);
    return QApplication::exec();
}

// The program itself, shown on a private X server and driven by xdotool's real X input.
struct RealProgram {
    const testing_support::PrivateXServer& server;
    QProcess process;
    quint32 window = 0;

    RealProgram(const testing_support::PrivateXServer& on, const QProcessEnvironment& environment)
        : server(on)
    {
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(KOLORITON_PROGRAM));
        // The caller checks the window.
        static_cast<void>(QTest::qWaitFor(
            [&] {
                window = xdotool({"search", "--onlyvisible", "--pid", QString::number(process.processId())})
                             .section('\n', 0, 0)
                             .toUInt();
                return window != 0;
            },
            30000));
    }
    ~RealProgram()
    {
        process.kill();
        process.waitForFinished();
    }
    QString xdotool(const QStringList& arguments)
    {
        QProcess tool;
        tool.setProcessEnvironment(server.environment());
        tool.start(QStringLiteral("xdotool"), arguments);
        tool.waitForFinished();
        return QString::fromLatin1(tool.readAllStandardOutput()).trimmed();
    }
    void click(QPoint at)
    {
        xdotool({"mousemove", "--window", QString::number(window), QString::number(at.x()),
                 QString::number(at.y()), "click", "1"});
    }
    // The record's picture once no write has changed it for a second.
    QByteArray settled_record(const QString& folder)
    {
        const QString path = folder + QStringLiteral("copy-%1-1.bmp").arg(process.processId());
        QByteArray before;
        for (;;) {
            QTest::qWait(1000);
            QFile file(path);
            const QByteArray now = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
            if (now == before)
                return now;
            before = now;
        }
    }
};

QRect in_window(const QWidget* control)
{
    return {control->mapTo(control->window(), QPoint()), control->size()};
}

} // namespace

class CrashRecoveryTest : public QObject {
    Q_OBJECT

private slots:
    void a_killed_copy_gives_its_drawing_back_at_the_next_start_data();
    void a_killed_copy_gives_its_drawing_back_at_the_next_start();
    void copies_keep_their_records_apart_and_a_clean_exit_leaves_none();
    void the_program_itself_gives_a_drawing_back_and_keeps_it_when_killed();
    void the_program_killed_on_a_real_screen_shows_the_last_press_again();
};

void CrashRecoveryTest::a_killed_copy_gives_its_drawing_back_at_the_next_start_data()
{
    QTest::addColumn<int>("presses");
    QTest::addColumn<int>("die_in_write");
    QTest::addRow("kill -9 after 12 presses") << 12 << 0;
    QTest::addRow("killed writing press 5") << 8 << 5;
}

void CrashRecoveryTest::a_killed_copy_gives_its_drawing_back_at_the_next_start()
{
    QFETCH(int, presses);
    QFETCH(int, die_in_write);
    QTemporaryDir records;
    QTemporaryDir references;
    testing_support::MainWindow w;
    QProcess copy;
    copy.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    copy.start(QCoreApplication::applicationFilePath(),
               {draw_argument, w.tree().app_dir(), records.path(), references.path(),
                QString::number(presses), QString::number(die_in_write)});
    if (die_in_write) {
        QVERIFY(copy.waitForFinished(60000));
        QCOMPARE(copy.exitStatus(), QProcess::CrashExit);
    } else {
        QVERIFY(QTest::qWaitFor([&] { return copy.readAllStandardOutput().contains("drawn"); }, 60000));
        copy.kill();
        QVERIFY(copy.waitForFinished(10000));
    }
    QVERIFY(!QDir(records.path()).entryList({"*.tmp"}).isEmpty() || !die_in_write);

    w.form().keep_recovery_record(records.path());
    const pixels::Bitmap& canvas = w.controls().canvas->picture();
    const int last = die_in_write ? die_in_write - 1 : presses;
    QVERIFY(canvas == formats::read_bmp(reference(references.path(), last)) ||
            (!die_in_write && canvas == formats::read_bmp(reference(references.path(), last - 1))));
    // On the place's page, said in one line, and unsaved.
    QVERIFY(w.controls().canvas->isVisible());
    QVERIFY(w.controls().photograph->isVisible());
    auto* notice = w.form().findChild<widgets::Notice*>();
    QVERIFY(notice && notice->isVisible());
    QCOMPARE(notice->words(), QStringLiteral("Рисунок восстановлен"));
    int asked = 0;
    w.form().set_save_question([&] {
        ++asked;
        return app::SaveAnswer::cancel;
    });
    press(w.controls().home_button);
    QCOMPARE(asked, 1);
    // Taken once: the dead copy's files are gone, this copy's own record holds the drawing now.
    w.form().recovery_record()->wait_for_writes();
    const QString own = QStringLiteral("copy-%1-").arg(QCoreApplication::applicationPid());
    const QStringList left = QDir(records.path()).entryList(QDir::Files);
    QCOMPARE(left.size(), 3);
    QCOMPARE(left.filter(own).size(), 3);
}

// Three copies on one record folder: a living copy's drawing is never taken, a dead one's is taken
// by one copy only, and a clean exit leaves nothing behind.
void CrashRecoveryTest::copies_keep_their_records_apart_and_a_clean_exit_leaves_none()
{
    QTemporaryDir records;
    auto first = std::make_unique<testing_support::MainWindow>();
    first->form().keep_recovery_record(records.path());
    first->open_picture(1);
    first->drawing().current_tool = core::Tool::brush;
    press_brush(first->form(), 1);
    const pixels::Bitmap first_drawing = first->controls().canvas->picture();
    first->form().recovery_record()->wait_for_writes();

    testing_support::MainWindow second;
    second.form().keep_recovery_record(records.path());
    QVERIFY(!second.controls().canvas->isVisible());
    second.open_picture(0);
    second.drawing().current_tool = core::Tool::brush;
    press_brush(second.form(), 2);
    // Saved, the drawing is the file's to keep until the next press.
    QTemporaryDir drawings;
    const QString saved = drawings.filePath("saved.bmp");
    second.form().drawing_files().set_dialog_runner([&](auto...) { return std::optional(saved); });
    QVERIFY(second.form().drawing_files().save_drawing());
    second.form().recovery_record()->wait_for_writes();
    QVERIFY(!QFile::exists(second.form().recovery_record()->picture_path()));
    press_brush(second.form(), 3);
    second.form().recovery_record()->wait_for_writes();
    QCOMPARE(formats::read_bmp(second.form().recovery_record()->picture_path()),
             second.controls().canvas->picture());

    first.reset(); // ends without the exit question, as a crash does
    testing_support::MainWindow third;
    third.form().keep_recovery_record(records.path());
    QVERIFY(third.controls().canvas->picture() == first_drawing);
    testing_support::MainWindow fourth;
    fourth.form().keep_recovery_record(records.path());
    QVERIFY(!fourth.controls().canvas->isVisible());

    for (testing_support::MainWindow* window : {&second, &third, &fourth}) {
        window->form().set_exit_question([] { return true; });
        window->form().set_save_question([] { return app::SaveAnswer::discard; });
        QVERIFY(window->form().close());
    }
    QCOMPARE(QDir(records.path()).entryList(QDir::Files), QStringList());
}

// The program as installed, started without a window of the test's: it takes a dead copy's record
// from the user's state folder and keeps the drawing in a record of its own until it is killed.
void CrashRecoveryTest::the_program_itself_gives_a_drawing_back_and_keeps_it_when_killed()
{
    QTemporaryDir state;
    const QString folder = state.path() + "/koloriton/";
    QVERIFY(QDir().mkpath(folder));
    QImage image(474, 593, QImage::Format_RGB32);
    image.fill(qRgb(10, 120, 230));
    image.setPixel(100, 200, qRgb(250, 0, 0));
    const pixels::Bitmap drawing = pixels::Bitmap::from_image(image);
    const history::RecordedPage page{history::RecordedPage::Kind::own_drawing, "/школа/рисунок.bmp", {}};
    {
        history::RecoveryRecord dead(folder);
        dead.page_opened(page);
        dead.record(drawing);
    }
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_STATE_HOME", state.path());
    environment.insert("XDG_CONFIG_HOME", state.path());
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(KOLORITON_PROGRAM));
    QVERIFY(program.waitForStarted());
    const QString own = folder + QStringLiteral("copy-%1-1.bmp").arg(program.processId());
    QVERIFY(QTest::qWaitFor([&] { return QFileInfo(own).size() > 0; }, 60000));
    program.kill();
    QVERIFY(program.waitForFinished(10000));

    const std::optional<history::RecoveredDrawing> kept =
        history::RecoveryRecord::take_dead_copy_record(folder);
    QVERIFY(kept && kept->picture == drawing && kept->page == page);
    QVERIFY(!history::RecoveryRecord::take_dead_copy_record(folder));
}

// Six fill presses, each in another colour, by real X input on the program's own window, then
// kill -9 and a new start: the screen shows the canvas as it was after the sixth press, and the
// killed copy's record is taken.
void CrashRecoveryTest::the_program_killed_on_a_real_screen_shows_the_last_press_again()
{
    testing_support::PrivateXServer server({QSize(1280, 1024)});
    QVERIFY2(server.failure().isEmpty(), qPrintable(server.failure()));
    // Where the controls lie in the window, from a window of the test's own.
    testing_support::MainWindow layout;
    const QRect thumbnail = in_window(layout.form().preview_strip().thumbnail(0));
    const QRect canvas = in_window(layout.controls().canvas);
    QTemporaryDir home;
    QProcessEnvironment environment = server.environment();
    environment.insert("HOME", home.path());
    environment.insert("XDG_STATE_HOME", home.path());
    const QString folder = home.path() + "/koloriton/";

    auto killed = std::make_unique<RealProgram>(server, environment);
    QVERIFY(killed->window != 0);
    // The strip fills in the background: the page opens once a thumbnail is there to press.
    QVERIFY(QTest::qWaitFor(
        [&] {
            killed->click(thumbnail.center());
            QTest::qWait(300);
            return !QDir(folder).entryList({"*.page"}).isEmpty();
        },
        20000));
    // Each press fills the sky around the sun in a jar's colour of its own.
    const std::array<widgets::PictureControl*, 8> jars = layout.controls().jars();
    const QPoint sky = canvas.topLeft() + QPoint(canvas.width() / 7, canvas.height() / 4);
    constexpr int presses = 6;
    QImage before_last;
    for (int n = 1; n <= presses; ++n) {
        if (n == presses) {
            killed->settled_record(folder);
            before_last = server.window_pixels(killed->window, canvas);
        }
        killed->click(in_window(jars.at(n)).center());
        killed->click(sky);
    }
    QVERIFY(!killed->settled_record(folder).isEmpty());
    const QImage drawn = server.window_pixels(killed->window, canvas);
    QVERIFY(!drawn.isNull() && drawn != before_last);
    const QString killed_prefix = QStringLiteral("copy-%1-").arg(killed->process.processId());
    killed->process.kill();
    QVERIFY(killed->process.waitForFinished(10000));
    QCOMPARE(killed->process.exitStatus(), QProcess::CrashExit);
    killed.reset();

    RealProgram again(server, environment);
    QVERIFY(again.window != 0);
    // Once the notice over it has gone.
    QVERIFY(QTest::qWaitFor([&] { return server.window_pixels(again.window, canvas) == drawn; }, 15000));
    QCOMPARE(QDir(folder).entryList({killed_prefix + "*"}, QDir::Files | QDir::Hidden), QStringList());
}

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (argc == 7 && qstrcmp(argv[1], draw_argument) == 0)
        return draw_and_wait(QCoreApplication::arguments());
    QApplication::setQuitOnLastWindowClosed(false);
    CrashRecoveryTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_crash_recovery.moc"
