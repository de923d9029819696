#include "output/output_windows.h"
#include "output/print_window.h"
#include "skin/skin_manager.h"
#include "support/main_window.h"
#include "support/private_cups.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPrinter>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <sys/stat.h>

using testing_support::CapturedErrors;
using testing_support::MainWindow;

namespace {

const QRgb green = qRgb(0, 128, 0);
const QString green_sheet = QStringLiteral("QDialog, QLineEdit, QLabel { background: rgb(0, 128, 0); }");

// A skin directory of our own; skins are written into it as a test needs them.
struct SkinDirectory {
    QTemporaryDir dir;

    QString path() const { return dir.path(); }
    void add_skin(const QString& name, const QByteArray& sheet) const
    {
        QVERIFY(QDir(path()).mkpath(name));
        QFile file(dir.filePath(name + "/skin.qss"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(sheet);
    }
};

QRgb pixel_of(QWidget& widget, QPoint at)
{
    return widget.grab().toImage().pixel(at);
}

} // namespace

class SkinManagerTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        // Printing here goes to a file; this process sees no printer of the machine at all.
        testing_support::print_to_no_server(no_server_);
    }
    void cleanup() { qApp->setStyleSheet(QString()); }
    void a_missing_skin_switches_the_manager_off_without_a_word();
    void what_is_not_a_skin_folder_is_no_skin_data();
    void what_is_not_a_skin_folder_is_no_skin();
    void a_skin_folder_gives_every_window_its_look_until_switched_off();
    void the_skin_reaches_its_own_pictures();
    void folders_a_killed_copy_unpacked_are_removed_at_start();
    void the_shipped_skin_gives_the_menu_bar_its_look();
    void a_new_directory_loads_the_skin_from_there();
    void printing_switches_the_skin_off_for_the_page_and_on_again_data();
    void printing_switches_the_skin_off_for_the_page_and_on_again();

private:
    QTemporaryDir no_server_;
};

void SkinManagerTest::a_missing_skin_switches_the_manager_off_without_a_word()
{
    MainWindow window;
    CapturedErrors errors;
    skin::SkinManager& manager = window.form().skin_manager();
    QVERIFY(manager.active());
    const QString skins = window.state().paths.skin_dir();
    QVERIFY(skins.endsWith(QStringLiteral("/res/skins")));
    QVERIFY(QDir(skins + "/MacOS").removeRecursively());
    manager.set_skin_directory(skins);
    QVERIFY(manager.active());
    manager.set_skin_name(QStringLiteral("MacOS"));
    QVERIFY(!manager.active());
    QVERIFY(qApp->styleSheet().isEmpty());
    manager.set_active(true);
    QVERIFY(!manager.active());
    QVERIFY(errors.messages().isEmpty());

    // Switching on again repeats the search, and finds a skin that has come since.
    QVERIFY(QDir(skins).mkpath(QStringLiteral("MacOS")));
    QFile sheet(skins + "/MacOS/skin.qss");
    QVERIFY(sheet.open(QIODevice::WriteOnly));
    sheet.write(green_sheet.toUtf8());
    sheet.close();
    manager.set_active(true);
    QVERIFY(manager.active());
    QCOMPARE(qApp->styleSheet(), green_sheet);
    QVERIFY(errors.messages().isEmpty());
}

void SkinManagerTest::what_is_not_a_skin_folder_is_no_skin_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("folder without a style sheet") << "Empty";
    QTest::newRow("plain file of the name") << "Packed";
    QTest::newRow("name climbing out") << "../MacOS";
    QTest::newRow("the directory itself") << ".";
    QTest::newRow("no name") << "";
}

void SkinManagerTest::what_is_not_a_skin_folder_is_no_skin()
{
    QFETCH(QString, name);
    SkinDirectory skins;
    QVERIFY(QDir(skins.path()).mkpath("Empty"));
    QFile packed(skins.dir.filePath("Packed"));
    QVERIFY(packed.open(QIODevice::WriteOnly));
    packed.write(green_sheet.toUtf8());
    packed.close();
    skins.add_skin(QStringLiteral("MacOS"), green_sheet.toUtf8());
    skins.add_skin(QStringLiteral("."), green_sheet.toUtf8());
    // A skin beside the directory must not be reached through the name.
    QVERIFY(QDir(skins.path() + "/sub").mkpath("."));

    CapturedErrors errors;
    skin::SkinManager manager;
    manager.set_skin_directory(name.startsWith("..") ? skins.path() + "/sub" : skins.path());
    manager.set_skin_name(name);
    QVERIFY(!manager.active());
    QVERIFY(manager.applied_style_sheet().isEmpty());
    QVERIFY(qApp->styleSheet().isEmpty());
    QVERIFY(errors.messages().isEmpty());
}

void SkinManagerTest::a_skin_folder_gives_every_window_its_look_until_switched_off()
{
    SkinDirectory skins;
    skins.add_skin(QStringLiteral("MacOS"), green_sheet.toUtf8());
    MainWindow window;
    output::PrintWindow& print_window = window.form().output_windows().print_window();
    print_window.resize(print_window.size());
    const QPoint field(20, 10);
    QCOMPARE(pixel_of(*print_window.title_edit, field), qRgb(255, 255, 255));

    skin::SkinManager& manager = window.form().skin_manager();
    manager.set_skin_directory(skins.path());
    manager.set_skin_name(QStringLiteral("MacOS"));
    QVERIFY(manager.active());
    QCOMPARE(manager.applied_style_sheet(), green_sheet);
    QCOMPARE(qApp->styleSheet(), green_sheet);
    QCOMPARE(pixel_of(*print_window.title_edit, field), green);

    manager.set_active(false);
    QVERIFY(!manager.active());
    QVERIFY(qApp->styleSheet().isEmpty());
    QCOMPARE(pixel_of(*print_window.title_edit, field), qRgb(255, 255, 255));

    manager.set_active(true);
    QCOMPARE(pixel_of(*print_window.title_edit, field), green);
}

void SkinManagerTest::the_shipped_skin_gives_the_menu_bar_its_look()
{
    MainWindow window;
    QMenuBar& menu = *window.controls().menu;
    const QRgb plain = pixel_of(menu, QPoint(menu.width() - 2, menu.height() / 2));
    skin::SkinManager& manager = window.form().skin_manager();
    manager.set_skin_directory(window.state().paths.skin_dir());
    manager.set_skin_name(QStringLiteral("MacOS"));
    QVERIFY(manager.active());
    QVERIFY(!manager.applied_style_sheet().isEmpty());
    QVERIFY(window.errors().isEmpty());
    const QRgb skinned = pixel_of(menu, QPoint(menu.width() - 2, menu.height() / 2));
    QVERIFY(skinned != plain);
    QCOMPARE(skinned, qRgb(0xff, 0xf6, 0xe6));
}

// Only regular pictures inside the skin's own folder, of 16 megapixels at most, are named to the
// style engine: a FIFO (which would block start-up for ever), a device, a link out of the folder,
// a file elsewhere (even in a folder whose name begins with the skin's) and a larger picture are
// passed over as missing pictures, and the skin's own picture still shows.
void SkinManagerTest::the_skin_reaches_its_own_pictures()
{
    SkinDirectory skins;
    const QByteArray others =
        "A { image: url('pipe.png') } B { image: url(\"/dev/zero\") } C { image: url(link.png) } "
        "D { image: url(../outside.png) } E { image: url(:/icons/x.png) } F { image: url(../MacOSX/x.png) } "
        "G { image: url(16M.pgm) } H { image: url(past16M.pgm) }";
    skins.add_skin(QStringLiteral("MacOS"), "QLabel#probe { border-image: url(skin:face.png); } " + others);
    QImage face(4, 4, QImage::Format_RGB32);
    face.fill(qRgb(200, 30, 90));
    QVERIFY(face.save(skins.dir.filePath("MacOS/face.png")));
    QVERIFY(face.save(skins.dir.filePath("outside.png")));
    QVERIFY(QDir(skins.path()).mkpath("MacOSX") && face.save(skins.dir.filePath("MacOSX/x.png")));
    // Headers alone: a picture's size is read from them before it is named.
    for (const auto& [name, header] :
         {std::pair("16M.pgm", "P5 4096 4096 255\n"), std::pair("past16M.pgm", "P5 4096 4097 255\n")}) {
        QFile picture(skins.dir.filePath(QStringLiteral("MacOS/") + name));
        QVERIFY(picture.open(QIODevice::WriteOnly) && picture.write(header) > 0);
    }
    QVERIFY(QFile::link(skins.dir.filePath("outside.png"), skins.dir.filePath("MacOS/link.png")));
    QCOMPARE(mkfifo(QFile::encodeName(skins.dir.filePath("MacOS/pipe.png")).constData(), 0600), 0);

    skin::SkinManager manager;
    manager.set_skin_directory(skins.path());
    manager.set_skin_name(QStringLiteral("MacOS"));
    QLabel probe;
    probe.setObjectName(QStringLiteral("probe"));
    probe.resize(20, 20);
    QCOMPARE(pixel_of(probe, QPoint(10, 10)), qRgb(200, 30, 90));
    const QString face_path = QFileInfo(skins.dir.filePath("MacOS/face.png")).canonicalFilePath();
    QCOMPARE(manager.applied_style_sheet(),
             "QLabel#probe { border-image: url(\"" + face_path +
                 "\"); } A { image: url(\"\") } B { image: url(\"\") } C { image: url(\"\") } "
                 "D { image: url(\"\") } E { image: url(\":/icons/x.png\") } F { image: url(\"\") } "
                 "G { image: url(\"" +
                 QFileInfo(skins.dir.filePath("MacOS/16M.pgm")).canonicalFilePath() +
                 "\") } H { image: url(\"\") }");
}

// The folders a killed copy unpacked its skin into go at the next start; a running copy's and
// folders not of our naming stay.
void SkinManagerTest::folders_a_killed_copy_unpacked_are_removed_at_start()
{
    QTemporaryDir temporary;
    const QByteArray kept_tmpdir = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(temporary.path()));
    QProcess gone;
    gone.start("true", {});
    QVERIFY(gone.waitForStarted());
    const qint64 dead_pid = gone.processId();
    QVERIFY(gone.waitForFinished());
    const QDir dir(temporary.path());
    QVERIFY(dir.mkpath("koloriton-skin-Ab12Cd") && dir.mkpath("koloriton-skin-notours") &&
            dir.mkpath("other"));
    QFile lock(dir.filePath("koloriton-skin-Ab12Cd/.owner.lock"));
    QVERIFY(lock.open(QIODevice::WriteOnly));
    lock.write(QByteArray::number(dead_pid) + "\nkoloriton\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    lock.close();
    std::unique_ptr<skin::UnpackedSkin> running = skin::UnpackedSkin::unpack({{"skin.qss", "QWidget {}"}});
    QVERIFY(running && running->path().startsWith(temporary.path()));

    skin::SkinManager starting;
    QStringList expected{QFileInfo(running->path()).fileName(), "koloriton-skin-notours", "other"};
    expected.sort();
    QCOMPARE(dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name), expected);
    const QString running_path = running->path();
    running.reset();
    QVERIFY(!QFileInfo::exists(running_path));
    if (kept_tmpdir.isEmpty())
        qunsetenv("TMPDIR");
    else
        qputenv("TMPDIR", kept_tmpdir);
}

void SkinManagerTest::a_new_directory_loads_the_skin_from_there()
{
    SkinDirectory first;
    SkinDirectory second;
    first.add_skin(QStringLiteral("MacOS"), green_sheet.toUtf8());
    const QByteArray blue = "QLineEdit { background: rgb(0, 0, 200); }";
    second.add_skin(QStringLiteral("MacOS"), blue);
    skin::SkinManager manager;
    manager.set_skin_directory(first.path());
    manager.set_skin_name(QStringLiteral("MacOS"));
    QCOMPARE(qApp->styleSheet(), green_sheet);
    manager.set_skin_directory(second.path());
    QCOMPARE(qApp->styleSheet(), QString::fromUtf8(blue));

    // A sheet that the program set after the skin is not the skin's to take away.
    qApp->setStyleSheet(QStringLiteral("QLabel { color: red; }"));
    manager.set_active(false);
    QCOMPARE(qApp->styleSheet(), QStringLiteral("QLabel { color: red; }"));
}

void SkinManagerTest::printing_switches_the_skin_off_for_the_page_and_on_again_data()
{
    QTest::addColumn<bool>("printer_works");
    QTest::newRow("printed") << true;
    QTest::newRow("printer fails") << false;
}

void SkinManagerTest::printing_switches_the_skin_off_for_the_page_and_on_again()
{
    QFETCH(bool, printer_works);
    SkinDirectory skins;
    skins.add_skin(QStringLiteral("MacOS"), green_sheet.toUtf8());
    QTemporaryDir out;
    const QString pdf = printer_works ? out.filePath("page.pdf") : out.filePath("no/such/folder/page.pdf");
    MainWindow window;
    skin::SkinManager& manager = window.form().skin_manager();
    manager.set_skin_directory(skins.path());
    manager.set_skin_name(QStringLiteral("MacOS"));
    QVERIFY(manager.active());
    output::PrintWindow& print_window = window.form().output_windows().print_window();
    print_window.set_printer_source([pdf] {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
        return printer;
    });

    bool ran = false;
    QTimer::singleShot(0, &print_window, [&] {
        ran = true;
        // The window is skinned while it is being filled in.
        QCOMPARE(pixel_of(*print_window.author_edit, QPoint(20, 10)), green);
        QTest::mouseClick(print_window.print_button, Qt::LeftButton);
        if (print_window.isVisible())
            print_window.reject();
    });
    QTest::mouseClick(window.controls().print_button, Qt::LeftButton);
    QVERIFY(ran);

    // The page was rendered plainly: white where the skin paints the window and the date field green.
    const QImage& page = print_window.last_page();
    QVERIFY(!page.isNull());
    QCOMPARE(page.pixel(30, 720), qRgb(255, 255, 255));
    QCOMPARE(page.pixel(print_window.date_edit->geometry().topLeft() + QPoint(100, 12)), qRgb(255, 255, 255));
    QVERIFY(manager.active());
    QCOMPARE(qApp->styleSheet(), green_sheet);
    QCOMPARE(QFile::exists(pdf), printer_works);
    QCOMPARE(window.errors().size(), printer_works ? 0 : 1);
}

QTEST_MAIN(SkinManagerTest)
#include "test_skin_manager.moc"
