#include "app/command_line.h"
#include "formats/text_1251.h"
#include "support/main_window.h"

#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <set>
#include <sys/stat.h>

namespace {

const QString place = QStringLiteral("Наша школа");
const QString description = QStringLiteral("Школа № 5 — «наша».\nЁлка во дворе.\n");

QString sample_photograph()
{
    return QString(KOLORITON_SAMPLE_PHOTOGRAPHS).split('|').first();
}

struct Run {
    int exit_code;
    QString out, err;
};

// The program itself, as a teacher runs it, with its own data folder.
Run koloriton(const QString& data_home, const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_DATA_HOME", data_home);
    environment.remove("DISPLAY");
    process.setProcessEnvironment(environment);
    process.start(KOLORITON_PROGRAM, arguments);
    if (!process.waitForFinished(120000))
        return {-1, {}, "did not finish"};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QStringList files_under(const QString& dir)
{
    QStringList files;
    QDirIterator it(dir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    return files;
}

void write_file(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray read_file(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A white point well inside an area of the drawing and the area's pixels, found by a walk of its own.
std::vector<QPoint> white_area(const pixels::Bitmap& drawing, QPoint& seed)
{
    // Pixels of areas already walked and found too small or too large are not walked again.
    std::set<std::pair<int, int>> seen;
    for (int y = drawing.height() / 2; y < drawing.height(); ++y)
        for (int x = drawing.width() / 2; x < drawing.width(); ++x) {
            if (!seen.insert({x, y}).second)
                continue;
            std::vector<QPoint> area, stack{{x, y}};
            while (!stack.empty() && drawing.pixel(x, y) == pixels::white_word) {
                const QPoint p = stack.back();
                stack.pop_back();
                area.push_back(p);
                for (const QPoint n :
                     {p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1), p - QPoint(0, 1)})
                    if (drawing.contains(n.x(), n.y()) && drawing.pixel(n.x(), n.y()) == pixels::white_word &&
                        seen.insert({n.x(), n.y()}).second)
                        stack.push_back(n);
            }
            if (area.size() >= 400 && area.size() < 100000) {
                seed = {x, y};
                return area;
            }
        }
    return {};
}

} // namespace

class AddPlaceTest : public QObject {
    Q_OBJECT

private slots:
    void a_teachers_photograph_becomes_a_place_the_class_colours();
    void bad_input_is_refused_naming_the_file_and_writes_nothing_data();
    void bad_input_is_refused_naming_the_file_and_writes_nothing();
    void each_window_option_asks_for_its_own_window_data();
    void each_window_option_asks_for_its_own_window();
    void the_help_is_russian();
    void of_two_runs_of_one_name_at_once_one_wins();
};

void AddPlaceTest::a_teachers_photograph_becomes_a_place_the_class_colours()
{
    QTemporaryDir data;
    const QString text_file = data.filePath("описание.txt");
    write_file(text_file, description.toUtf8());
    // An interrupted earlier run left its line drawing and photograph without the thumbnail.
    QDir(data.path()).mkpath("koloriton/clipart");
    QDir(data.path()).mkpath("koloriton/info");
    write_file(data.filePath("koloriton/clipart/" + place + ".bmp"), "left over");
    write_file(data.filePath("koloriton/info/" + place + ".bmp"), "left over");
    // Every file takes the modes the umask leaves, so a shared folder's place opens for all.
    const mode_t umask_before = ::umask(027);
    const Run run = koloriton(
        data.path(), {"--add-place", sample_photograph(), "--name", place, "--description", text_file});
    ::umask(umask_before);
    QVERIFY2(run.exit_code == 0, qPrintable(run.err));
    for (const QString& file : files_under(data.path() + "/koloriton/")) {
        struct stat status {};
        QCOMPARE(::stat(QFile::encodeName(file).constData(), &status), 0);
        QCOMPARE(status.st_mode & 0777, 0640u);
    }
    const QString catalogue = data.path() + "/koloriton/";
    QVERIFY2(run.out.contains(catalogue), qPrintable(run.out));
    const pixels::Bitmap line = formats::read_bmp(catalogue + "clipart/" + place + ".bmp");
    QCOMPARE(line.size(), QSize(474, 593));
    QCOMPARE(line.depth(), 24);
    QCOMPARE(formats::read_bmp(catalogue + "info/" + place + ".bmp").size(), QSize(200, 200));
    QCOMPARE(QImage(catalogue + "preview/" + place + ".jpg").size(), QSize(246, 246));
    QCOMPARE(formats::decode_windows_1251(read_file(catalogue + "info/" + place + ".txt")),
             QString(description).replace("\n", "\r\n"));
    QCOMPARE(files_under(catalogue).size(), 4);
    // Made again without a description, the place is replaced only when asked, and loses its text.
    QVERIFY(koloriton(data.path(), {"--add-place", sample_photograph(), "--name", place}).exit_code > 0);
    QCOMPARE(
        koloriton(data.path(), {"--add-place", sample_photograph(), "--name", place, "--replace"}).exit_code,
        0);
    QCOMPARE(files_under(catalogue).size(), 3);
    QVERIFY(!QFile::exists(catalogue + "info/" + place + ".txt"));

    // The class opens it from the strip of the window, beside the shipped places, and fills an area.
    qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
    testing_support::MainWindow w;
    app::MainWindowControls& c = w.controls();
    for (int press = 0; press < c.catalogue_list->count() && w.picture_name(0) != place; ++press)
        QTest::mouseClick(c.strip_down_button, Qt::LeftButton);
    QCOMPARE(w.picture_name(0), place);
    QCOMPARE(c.catalogue_list->count(), 31);
    w.open_picture(0);
    QVERIFY(c.canvas->picture() == line);
    QVERIFY(c.photograph->picture() == formats::read_bmp(catalogue + "info/" + place + ".bmp"));
    QPoint seed;
    const std::vector<QPoint> area = white_area(line, seed);
    QVERIFY(!area.empty());
    testing_support::press(c.canvas, Qt::LeftButton, seed);
    const pixels::Bitmap filled = c.canvas->picture();
    int changed = 0;
    for (int y = 0; y < line.height(); ++y)
        for (int x = 0; x < line.width(); ++x)
            changed += filled.pixel(x, y) != line.pixel(x, y);
    QCOMPARE(changed, int(area.size()));
    for (const QPoint p : area)
        QVERIFY(filled.pixel(p.x(), p.y()) != pixels::white_word);
    QVERIFY(w.errors().isEmpty());
}

void AddPlaceTest::bad_input_is_refused_naming_the_file_and_writes_nothing_data()
{
    QTest::addColumn<QString>("photo");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("more");
    QTest::addColumn<QString>("said");
    const QString photo = sample_photograph();
    QTest::newRow("missing file") << "нет.jpg" << place << QStringList{} << "нет.jpg: нет такого файла";
    QTest::newRow("not a picture") << "{text}" << place << QStringList{} << "{text}: это не картинка";
    QTest::newRow("damaged JPEG") << "{damaged}" << place << QStringList{}
                                  << "{damaged}: файл JPEG повреждён";
    QTest::newRow("too large") << "{huge}" << place << QStringList{}
                               << "{huge}: картинка слишком большая: 20000 × 20000";
    QTest::newRow("folder not writable")
        << photo << place << QStringList{"{unwritable}"} << "папку не удаётся создать";
    // The thumbnail goes into place last: a line drawing that cannot be put in place leaves none.
    QTest::newRow("line drawing's place taken by a folder")
        << photo << place << QStringList{"{folder in the way}"} << "на месте файла стоит папка";
    QTest::newRow("name taken") << photo << QStringLiteral("маяк") << QStringList{}
                                << "«маяк»: место с таким названием уже есть";
    QTest::newRow("empty name") << photo << "  " << QStringList{} << "оно пустое";
    QTest::newRow("slash") << photo << "школа/1" << QStringList{} << "косой черты";
    QTest::newRow("dot") << photo << "школа.1" << QStringList{} << "точки";
    QTest::newRow("too long") << photo << QString(200, QChar(0x0448)) << QStringList{} << "слишком длинное";
    QTest::newRow("vector picture") << "{svg}" << place << QStringList{}
                                    << "{svg}: векторные картинки (SVG) не читаются";
    QTest::newRow("description beyond what is read once stored")
        << photo << place << QStringList{"--description", "{grows}"}
        << "{grows}: описание в каталоге заняло бы";
    QTest::newRow("description not UTF-8") << photo << place << QStringList{"--description", "{latin1}"}
                                           << "{latin1}: описание должно быть текстом в кодировке UTF-8";
    QTest::newRow("unknown option") << photo << place << QStringList{"--colour"}
                                    << "неизвестный параметр «colour»";
    QTest::newRow("unknown level of detail") << photo << place << QStringList{"--detail", "очень"}
                                             << "--detail бывает только меньше, обычно, больше, а не «очень»";
    QTest::newRow("nothing to colour") << "{plain}" << place << QStringList{"--detail", "больше"}
                                       << "{plain}: на этой фотографии почти нечего раскрашивать";
}

void AddPlaceTest::bad_input_is_refused_naming_the_file_and_writes_nothing()
{
    QFETCH(QString, photo);
    QFETCH(QString, name);
    QFETCH(QStringList, more);
    QFETCH(QString, said);
    QTemporaryDir data;
    const QMap<QString, QString> files{
        {"{text}", data.filePath("заметка.jpg")},  {"{damaged}", data.filePath("обрезан.jpg")},
        {"{huge}", data.filePath("огромная.jpg")}, {"{latin1}", data.filePath("latin1.txt")},
        {"{svg}", data.filePath("рисунок.png")},   {"{grows}", data.filePath("длинное.txt")},
        {"{plain}", data.filePath("туман.png")}};
    QImage plain(640, 480, QImage::Format_RGB32);
    plain.fill(qRgb(200, 200, 205));
    plain.save(files["{plain}"]);
    write_file(files["{svg}"], "<svg xmlns='http://www.w3.org/2000/svg' width='900' height='900'/>");
    // 700 KB of a letter outside code page 1251, stored as seven bytes of RTF each.
    write_file(files["{grows}"], QString(350000, QChar(0x0109)).toUtf8());
    write_file(files["{text}"], "Это не картинка, а текст.\n");
    write_file(files["{damaged}"], read_file(sample_photograph()).left(200000));
    // A small JPEG whose frame header claims 20000 x 20000 pixels.
    QByteArray huge;
    QBuffer buffer(&huge);
    buffer.open(QIODevice::WriteOnly);
    QImage(8, 8, QImage::Format_RGB32).save(&buffer, "JPG");
    const qsizetype frame = huge.indexOf("\xff\xc0");
    huge.replace(frame + 5, 4, QByteArray("\x4e\x20\x4e\x20", 4));
    write_file(files["{huge}"], huge);
    write_file(files["{latin1}"], "caf\xe9\n");
    QString data_home = data.filePath("home");
    write_file(data.filePath("файл"), "");
    const auto expand = [&](QString text) {
        for (auto it = files.begin(); it != files.end(); ++it)
            text.replace(it.key(), it.value());
        return text.replace("{unwritable}", "");
    };
    if (more.contains("{unwritable}"))
        data_home = data.filePath("файл/home"), more.removeAll("{unwritable}");
    if (more.removeAll("{folder in the way}"))
        QDir().mkpath(data_home + "/koloriton/clipart/" + place + ".bmp");
    for (QString& argument : more)
        argument = expand(argument);
    const Run run = koloriton(data_home, QStringList{"--add-place", expand(photo), "--name", name} + more);
    QVERIFY2(run.exit_code > 0, qPrintable(run.out));
    QVERIFY2(run.err.contains(expand(said)), qPrintable(run.err));
    QCOMPARE(files_under(data_home), QStringList{});
}

// Both runs read the photograph before either writes: the later one to take the folder sees the
// place the other made.
void AddPlaceTest::of_two_runs_of_one_name_at_once_one_wins()
{
    QTemporaryDir data;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_DATA_HOME", data.path());
    QProcess runs[2];
    for (QProcess& run : runs) {
        run.setProcessEnvironment(environment);
        run.start(KOLORITON_PROGRAM, {"--add-place", sample_photograph(), "--name", place});
    }
    QString said;
    std::multiset<int> codes;
    for (QProcess& run : runs) {
        QVERIFY(run.waitForFinished(120000));
        codes.insert(run.exitCode());
        said += QString::fromUtf8(run.readAllStandardError());
    }
    QCOMPARE(codes, (std::multiset<int>{0, 1}));
    QVERIFY2(said.contains("«" + place + "»: место с таким названием уже есть"), qPrintable(said));
}

void AddPlaceTest::each_window_option_asks_for_its_own_window_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<bool>("settings_window");
    QTest::addColumn<bool>("whole_screen");
    QTest::newRow("none") << QStringList{} << false << false;
    QTest::newRow("settings") << QStringList{"--settings"} << true << false;
    QTest::newRow("whole screen") << QStringList{"--fullscreen"} << false << true;
    QTest::newRow("both, and a Qt option")
        << QStringList{"--fullscreen", "--settings", "-reverse"} << true << true;
}

void AddPlaceTest::each_window_option_asks_for_its_own_window()
{
    QFETCH(QStringList, options);
    QFETCH(bool, settings_window);
    QFETCH(bool, whole_screen);
    const app::CommandLine line(QStringList{"koloriton"} + options);
    QVERIFY(!line.runs_without_window());
    QCOMPARE(line.asks_for_settings_window(), settings_window);
    QCOMPARE(line.asks_for_whole_screen(), whole_screen);
}

void AddPlaceTest::the_help_is_russian()
{
    QTemporaryDir data;
    const Run run = koloriton(data.path(), {"--help"});
    QCOMPARE(run.exit_code, 0);
    QVERIFY2(run.out.contains("Использование:") && run.out.contains("Параметры:") &&
                 !run.out.contains("Usage"),
             qPrintable(run.out));
}

QTEST_MAIN(AddPlaceTest)
#include "test_add_place.moc"
