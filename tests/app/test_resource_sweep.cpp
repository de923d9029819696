#include "app/main_window.h"
#include "catalogue/preview_strip.h"
#include "formats/crafted_bmp.h"
#include "history/drawing_files.h"
#include "history/fitted_picture.h"
#include "skin/skin_manager.h"
#include "skin/zip_writer.h"
#include "support/captured_errors.h"
#include "support/progressive_jpeg.h"
#include "support/test_tree.h"

#include <QApplication>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QEnterEvent>
#include <QImageWriter>
#include <QProcess>
#include <QRandomGenerator>
#include <QTest>
#include <cstdio>
#include <sys/resource.h>
#include <sys/stat.h>

// Every file of the resource tree in turn is removed, replaced by garbage, or replaced by a 100 GB
// sparse file; a child process starts the main window over that tree and presses its way through
// every control that reads a resource. No case may crash, hang, show a library's own error text,
// or stop a later press from working. Then hostile files of every kind the program reads, made
// here, take each path in turn, with the child's address space and time bounded.

namespace {

const char* const app_dir_variable = "KOLORITON_SWEEP_APP_DIR";
const char* const file_variable = "KOLORITON_SWEEP_FILE";
const char* const memory_variable = "KOLORITON_SWEEP_ADDRESS_SPACE_MB";
constexpr int case_time_limit_ms = 60 * 1000;
constexpr int exit_library_text = 3;
constexpr int exit_undo_broken = 4;
constexpr int exit_canvas_beyond_frame = 5;
constexpr int exit_too_much_memory = 6;
constexpr int exit_thumbnail_never_decoded = 7;
#if defined(__SANITIZE_ADDRESS__)
// AddressSanitizer reserves terabytes of address space and keeps freed memory in quarantine.
constexpr bool memory_measurable = false;
#else
constexpr bool memory_measurable = true;
#endif
// The most resident memory any file may cost the program, and the time a hostile case may take
// here: an unoptimised build with every press of the case on a shared machine, where the largest
// picture takes some 13 s (0.3 s of processor time optimised), and three times that instrumented.
constexpr long max_resident_mb = 600;
constexpr int hostile_case_time_limit_ms = (memory_measurable ? 30 : 90) * 1000;
// The child's address space: the resident bound and the program's own mappings on top (libraries
// and fonts, about 100 MB of address space offscreen, most of it never resident).
constexpr qint64 address_space_mb = 700;

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
            widgets::PictureControl* thumbnail = form.preview_strip().thumbnail(slot);
            if (thumbnail != nullptr && thumbnail->isVisible() && thumbnail->hint() == name)
                return click(thumbnail);
        }
        click(c.strip_down_button);
    }
    click(form.preview_strip().thumbnail(0));
}

// A field of /proc/self/status in kB.
long status_field(const char* name)
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(QByteArray(name) + ':'))
            return line.mid(qstrlen(name) + 1).trimmed().split(' ').first().toLong();
    return 0;
}

const char* const scrolled_while_decoding = "the strip scrolled while a thumbnail was decoded";

// A thumbnail still being decoded holds up no press: the strip scrolls down and back meanwhile,
// which the child says for the case that expects it.
void scroll_while_a_thumbnail_decodes(app::MainWindow& form)
{
    const catalogue::PreviewStrip& strip = form.preview_strip();
    const int position = form.state().preview_pos;
    if (strip.settled())
        return;
    click(form.controls().strip_down_button);
    const bool moved = form.state().preview_pos != position;
    click(form.controls().strip_up_button);
    if (moved && form.state().preview_pos == position && !strip.settled())
        std::printf("%s\n", scrolled_while_decoding);
}

// The presses of one case, touching every control that reads a resource; the damaged file
// decides which catalogue picture and which drawing are opened.
int run_case(const QString& app_dir, const QString& damaged)
{
    testing_support::CapturedErrors errors;
    // A language's files are read only when the program speaks it.
    if (damaged.startsWith("lang/"))
        QLocale::setDefault(QLocale(damaged.section('/', 1, 1)));
    app::MainWindow form(app_dir);
    const QString picture = QFileInfo(damaged).fileName().section('.', 0, 0);
    const QString drawing = damaged.startsWith("pic-dop/") ? damaged : QStringLiteral("pic-dop/мяч.bmp");
    form.set_exit_question([] { return true; });
    form.set_save_question([] { return app::SaveAnswer::discard; });
    form.drawing_files().set_dialog_runner([&](history::DialogKind kind, const core::FileDialogSettings&) {
        return std::optional<QString>(
            app_dir + (kind == history::DialogKind::Open ? "res/" + drawing : "save/out.bmp"));
    });
    form.skin_manager().set_skin_directory(form.state().paths.skin_dir());
    form.skin_manager().set_skin_name(QStringLiteral("MacOS"));
    form.show();
    scroll_while_a_thumbnail_decodes(form);
    app::MainWindowControls& c = form.controls();

    open_catalogue_picture(form, picture);
    click(c.photo_tab);
    click(c.description_tab);
    for (widgets::PictureControl* control : c.drawing_controls())
        click(control);
    for (widgets::PictureControl* button :
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
    const pixels::Bitmap before = c.canvas->picture();
    stroke(c.canvas, {80, 90});
    click(c.undo_button);
    const bool undone = !c.undo_button->isEnabled() || c.canvas->picture() == before;
    const bool within_frame = c.canvas->width() <= history::canvas_frame.width() &&
                              c.canvas->height() <= history::canvas_frame.height();

    // A thumbnail is refused when its decoding ends, which may come after the last press.
    const bool thumbnails_settled =
        QTest::qWaitFor([&form] { return form.preview_strip().settled(); }, case_time_limit_ms);
    for (const QString& message : errors.messages())
        std::printf("%s\n", qPrintable(message));
    // The kernel's own high-water marks of this program (getrusage would count the test process
    // this one was forked from).
    const long resident_mb = status_field("VmHWM") / 1024;
    std::printf("peak resident memory: %ld MB, address space %ld MB\n", resident_mb,
                status_field("VmPeak") / 1024);
    if (std::any_of(errors.messages().begin(), errors.messages().end(),
                    [](const QString& message) { return message.contains("std::"); }))
        return exit_library_text;
    if (!within_frame)
        return exit_canvas_beyond_frame;
    if (!thumbnails_settled)
        return exit_thumbnail_never_decoded;
    if (memory_measurable && resident_mb > max_resident_mb)
        return exit_too_much_memory;
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
    std::optional<QByteArray> original;
    QString description;
    QElapsedTimer clock;
    QString output;

    // `make` writes the file at its path in the tree (and anything it needs beside it).
    void start(const QString& relative, const std::function<void(const QString&)>& make, const QString& what,
               qint64 address_space_limit_mb = 0)
    {
        file = relative;
        description = relative + ' ' + what;
        original.reset();
        if (QFile kept(tree.path("res/" + relative)); kept.open(QIODevice::ReadOnly))
            original = kept.readAll();
        make(tree.path("res/" + relative));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(app_dir_variable, tree.app_dir());
        environment.insert(file_variable, relative);
        if (address_space_limit_mb > 0)
            environment.insert(memory_variable, QString::number(address_space_limit_mb));
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::MergedChannels);
        clock.start();
        child.start(QCoreApplication::applicationFilePath(), {});
    }

    void finish(int time_limit_ms = case_time_limit_ms)
    {
        const bool finished = child.waitForFinished(time_limit_ms);
        if (!finished) {
            child.kill();
            child.waitForFinished();
        }
        output = QString::fromUtf8(child.readAll());
        QFile::remove(tree.path("res/" + file));
        if (original)
            tree.write("res/" + file, *original);
        QDir(tree.path("Tmp")).removeRecursively();
        QDir().mkpath(tree.path("Tmp"));
        QVERIFY2(finished, qPrintable("hangs: " + description));
        QVERIFY2(
            child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
            qPrintable(QStringLiteral("%1: exit %2\n%3").arg(description).arg(child.exitCode()).arg(output)));
    }
};

} // namespace

namespace {

void write_file(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

// An uncompressed or RLE8 BMP of stripes: a file of a few megabytes that expands many times.
void write_bmp_file(const QString& path, QSize size, int bits, std::uint32_t compression = 0)
{
    crafted::Bmp bmp = crafted::make(size.width(), size.height(), bits, compression);
    if (bits <= 8)
        bmp.palette = crafted::ramp(1 << bits);
    const qint64 stride = (qint64{size.width()} * bits + 31) / 32 * 4;
    // An RLE8 picture that is one end-of-bitmap mark claims all its pixels in two bytes.
    bmp.pixels = compression == 0 ? QByteArray(stride * size.height(), char(0x5A)) : crafted::bytes({0, 1});
    write_file(path, crafted::file(bmp));
}

void write_jpeg_file(const QString& path, QSize size, QImage::Format format, bool progressive)
{
    QImage image(size, format);
    image.fill(Qt::darkCyan);
    QImageWriter writer(path, "jpeg");
    writer.setProgressiveScanWrite(progressive);
    QVERIFY2(writer.write(image), qPrintable(writer.errorString()));
}

// A style sheet whose pictures are a FIFO beside it and a device.
void write_sheet_naming_a_fifo(const QString& path)
{
    const QString fifo = QFileInfo(path).path() + "/труба.png";
    QFile::remove(fifo);
    QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    write_file(path, "QWidget { background-image: url(skin:труба.png); }\n"
                     "QPushButton { image: url(\"/dev/zero\"); border-image: url('труба.png') }\n");
}

// A packed skin of far more files than a skin holds.
void write_crowded_skin(const QString& path)
{
    std::vector<skin_testing::ZipItem> items{{"skin.qss", "QWidget { color: red; }", false}};
    for (int i = 0; i < 2000; ++i)
        items.push_back({QByteArray("p") + QByteArray::number(i) + ".png", "x", false});
    write_file(path, skin_testing::zip(items));
}

// A vector picture that takes seconds to draw at its stated size: thousands of translucent
// shapes over a large page.
QByteArray slow_svg()
{
    QByteArray svg = "<svg xmlns='http://www.w3.org/2000/svg' width='8000' height='8000'>";
    for (int i = 0; i < 3000; ++i)
        svg += "<circle cx='" + QByteArray::number(i % 8000) +
               "' cy='4000' r='3900' fill='#8040a0' "
               "fill-opacity='0.1' stroke='black' stroke-width='40' stroke-dasharray='1 3'/>";
    return svg + "</svg>";
}

// A style sheet whose picture is a slow vector picture beside it.
void write_sheet_naming_an_svg(const QString& path)
{
    write_file(QFileInfo(path).path() + "/фон.svg", slow_svg());
    write_file(path, "QWidget { background-image: url(фон.svg); }\n");
}

struct HostileFile {
    QString what;
    QString relative;
    std::function<void(const QString&)> make;
    // What the program says naming the file; empty when it must read the file without a word.
    QString refusal;
    // A line the child must print besides.
    QString said = {};
};

// A file of each kind the program reads, on each path that reads it, at the size a hostile or
// careless user brings.
QList<HostileFile> hostile_files(const QString& picture)
{
    const QString clipart = "clipart/" + picture + ".bmp";
    const QString info = "info/" + picture;
    const auto bmp = [](QSize size, int bits, std::uint32_t compression = 0) {
        return [=](const QString& path) { write_bmp_file(path, size, bits, compression); };
    };
    const auto jpeg = [](QSize size, QImage::Format format, bool progressive) {
        return [=](const QString& path) { write_jpeg_file(path, size, format, progressive); };
    };
    const auto text = [](const QByteArray& bytes) {
        return [=](const QString& path) { write_file(path, bytes); };
    };
    const QByteArray words = QByteArray("ab ").repeated(10000);
    return {
        {"1-bit BMP 16384 x 16384 as a line drawing", clipart, bmp({16384, 16384}, 1), ""},
        {"RLE8 BMP 8192 x 4096 as a line drawing", clipart, bmp({8192, 4096}, 8, 1), ""},
        {"4-bit BMP 8192 x 8192 as a photograph", info + ".bmp", bmp({8192, 8192}, 4),
         "картинка слишком большая"},
        {"1-bit BMP 16384 x 16384 opened", "pic-dop/мяч.bmp", bmp({16384, 16384}, 1), ""},
        {"24-bit BMP of an A4 page at 600 dpi opened", "pic-dop/скан.bmp", bmp({4960, 7016}, 24), ""},
        {"baseline JPEG 12000 x 12000 opened", "pic-dop/фото.jpg",
         jpeg({12000, 12000}, QImage::Format_Grayscale8, false), ""},
        {"progressive JPEG of 24 megapixels opened", "pic-dop/телефон.jpg",
         jpeg({6000, 4000}, QImage::Format_RGB32, true), ""},
        {"progressive JPEG 12000 x 12000 as a thumbnail", "preview/" + picture + ".jpg",
         jpeg({12000, 12000}, QImage::Format_Grayscale8, true), "картинка JPEG слишком большая"},
        {"progressive JPEG of 32 scans of noise over 20 megapixels as a thumbnail",
         "preview/" + picture + ".jpg",
         [](const QString& path) {
             write_file(path, testing_support::progressive_jpeg({5000, 4000}, 32, true));
         },
         "", scrolled_while_decoding},
        {"baseline JPEG 12000 x 12000 as the page background", "interface/work.jpg",
         jpeg({12000, 12000}, QImage::Format_Grayscale8, false), "картинка JPEG слишком большая"},
        {"PNG 10000 x 10000 opened", "pic-dop/огромная.png",
         [](const QString& path) {
             QImage image(10000, 10000, QImage::Format_Mono);
             image.fill(0);
             QVERIFY(image.save(path));
         },
         "картинка слишком большая"},
        {"description in an enormous font", info + ".txt", text("{\\rtf1\\fs32000 " + words + "}"), ""},
        {"description of 50,000 tabs", info + ".txt",
         text("{\\rtf1 " + QByteArray("\\tab").repeated(50000) + "}"), ""},
        {"style sheet naming a FIFO", "skins/MacOS/skin.qss", write_sheet_naming_a_fifo, ""},
        {"slow SVG opened", "pic-dop/круги.svg", text(slow_svg()), "векторные картинки (SVG) не читаются"},
        {"slow SVG named as a PNG opened", "pic-dop/круги.png", text(slow_svg()),
         "векторные картинки (SVG) не читаются"},
        {"style sheet naming a slow SVG", "skins/MacOS/skin.qss", write_sheet_naming_an_svg, ""},
        {"packed skin of 2,000 files", "skins/MacOS.zip", write_crowded_skin, ""},
    };
}

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
        for (qsizetype w = 0; w < count; ++w) {
            const int seed = int(i + w);
            workers[w].start(
                files[i + w], [how, seed](const QString& path) { damage(path, how, seed); },
                QString::number(int(how)));
        }
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

    // Each hostile file, in a child whose address space is bounded, is read within the memory
    // and time a file may cost, or refused by name; the canvas stays inside its frame.
    void hostile_files_of_every_kind_stay_within_their_bounds()
    {
        const QString picture = QDir(testing_support::generated_res_dir() + "/clipart")
                                    .entryList({"*.bmp"}, QDir::Files, QDir::Name)
                                    .first()
                                    .section('.', 0, 0);
        Worker worker;
        for (const HostileFile& kind : hostile_files(picture)) {
            worker.start(kind.relative, kind.make, kind.what, address_space_mb);
            worker.finish(hostile_case_time_limit_ms);
            if (QTest::currentTestFailed())
                return;
            const QString named = worker.tree.path("res/" + kind.relative) + ": ";
            if (kind.refusal.isEmpty())
                QVERIFY2(!worker.output.contains(named), qPrintable(kind.what + '\n' + worker.output));
            else
                QVERIFY2(worker.output.contains(named + kind.refusal),
                         qPrintable(kind.what + '\n' + worker.output));
            QVERIFY2(!worker.output.contains("Cannot allocate memory"),
                     qPrintable(kind.what + '\n' + worker.output));
            QVERIFY2(worker.output.contains(kind.said), qPrintable(kind.what + '\n' + worker.output));
            qInfo("%s: %lld ms, %s", qPrintable(kind.what), static_cast<long long>(worker.clock.elapsed()),
                  qPrintable(worker.output.section("peak resident memory: ", 1).trimmed()));
        }
    }
};

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (const qint64 address_space = qEnvironmentVariableIntValue(memory_variable);
        memory_measurable && address_space > 0) {
        const rlimit limit{rlim_t(address_space) << 20, rlim_t(address_space) << 20};
        setrlimit(RLIMIT_AS, &limit);
    }
    if (qEnvironmentVariableIsSet(app_dir_variable))
        return run_case(qEnvironmentVariable(app_dir_variable), qEnvironmentVariable(file_variable));
    TestResourceSweep test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_resource_sweep.moc"
