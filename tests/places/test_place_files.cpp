#include "places/place_error.h"
#include "places/place_files.h"

#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// A place is replaced by a run stopped after each of its steps, as a kill would stop it; once the
// folder is next read the place is the old one or the new one, whole, and nothing else is left.

namespace {

struct Stopped : std::exception {};

const QStringList files{"clipart/дом.bmp", "info/дом.bmp", "info/дом.txt", "preview/дом.jpg"};

// The old place has a description; the new one has none, so its run also removes a file.
void write_place(const QString& dir, const QByteArray& generation, int stop_after = -1)
{
    int steps = 0;
    places::PlaceFiles place(dir, [&] {
        if (++steps == stop_after)
            throw Stopped();
    });
    for (const QString& file : files)
        if (generation == "old" || !file.endsWith(".txt"))
            place.stage(file, generation + ' ' + file.toUtf8());
    if (generation != "old")
        place.retire("info/дом.txt");
    place.commit();
}

// "old", "new", or what a mixture holds.
QString place_in(const QString& dir)
{
    QStringList seen;
    for (const QString& file : files) {
        QFile f(dir + file);
        seen << (f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()).section(' ', 0, 0) : "-");
    }
    if (seen == QStringList{"old", "old", "old", "old"})
        return "old";
    if (seen == QStringList{"new", "new", "-", "new"})
        return "new";
    return seen.join(',');
}

QStringList everything_under(const QString& dir)
{
    QStringList found;
    QDirIterator it(dir, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        found << QDir(dir).relativeFilePath(it.next());
    found.sort();
    return found;
}

} // namespace

class PlaceFilesTest : public QObject {
    Q_OBJECT

private slots:
    void a_stopped_replacement_leaves_the_old_place_or_the_new_one_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("place");
        // Three files written, the journal, three renames, the old description removed.
        const QStringList after{"line drawing written", "photograph written",   "thumbnail written",
                                "journal written",      "line drawing renamed", "photograph renamed",
                                "thumbnail renamed",    "description removed"};
        for (int step = 1; step <= after.size(); ++step)
            QTest::newRow(qPrintable(after[step - 1])) << step << (step <= 3 ? "old" : "new");
    }

    void a_stopped_replacement_leaves_the_old_place_or_the_new_one()
    {
        QFETCH(int, step);
        QFETCH(QString, place);
        QTemporaryDir home;
        const QString dir = home.path() + "/каталог/";
        write_place(dir, "old");
        QVERIFY_THROWS_EXCEPTION(Stopped, write_place(dir, "new", step));
        places::finish_interrupted_place(dir);
        QCOMPARE(place_in(dir), place);
        QStringList whole{"clipart/дом.bmp", "info/дом.bmp", "info/дом.txt", "preview/дом.jpg"};
        if (place == "new")
            whole.removeAll("info/дом.txt");
        QCOMPARE(everything_under(dir), whole);
        // The next run writes over what is there as usual.
        write_place(dir, "new");
        QCOMPARE(place_in(dir), QStringLiteral("new"));
    }

    // A removal stopped after any step leaves the whole place or none of it once the folder is next
    // read, and never touches another place's file.
    void a_stopped_removal_leaves_the_whole_place_or_nothing_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<QStringList>("left");
        // The description's file is a folder here: refused before anything is removed.
        QTest::newRow("a folder in the way")
            << 0 << QStringList{"clipart/дом.bmp", "info/дом.bmp", "info/домик.bmp", "preview/дом.jpg"};
        const QStringList after{"journal written",    "thumbnail removed",   "line drawing removed",
                                "photograph removed", "description removed", "not stopped"};
        for (int step = 1; step <= after.size(); ++step)
            QTest::newRow(qPrintable(after[step - 1])) << step << QStringList{"info/домик.bmp"};
    }

    void a_stopped_removal_leaves_the_whole_place_or_nothing()
    {
        QFETCH(int, step);
        QFETCH(QStringList, left);
        QTemporaryDir home;
        const QString dir = home.path() + "/каталог/";
        write_place(dir, "old");
        QFile other(dir + "info/домик.bmp");
        QVERIFY(other.open(QIODevice::WriteOnly) && other.write("другое место") > 0);
        other.close();
        if (step == 0)
            QVERIFY(QFile::remove(dir + "info/дом.txt") && QDir().mkpath(dir + "info/дом.txt"));
        int steps = 0;
        try {
            places::remove_place(dir, "дом", [&] {
                if (++steps == step)
                    throw Stopped();
            });
        } catch (const Stopped&) {
        } catch (const places::PlaceError& error) {
            QVERIFY2(step == 0, qPrintable(error.text()));
        }
        places::finish_interrupted_place(dir);
        QCOMPARE(everything_under(dir), left);
    }

    // A folder where a file of the place goes is found before anything is renamed.
    void a_folder_in_the_way_leaves_the_old_place()
    {
        QTemporaryDir home;
        const QString dir = home.path() + "/";
        write_place(dir, "old");
        QVERIFY(QFile::remove(dir + "preview/дом.jpg"));
        QVERIFY(QDir().mkpath(dir + "preview/дом.jpg"));
        try {
            write_place(dir, "new");
            QFAIL("replaced");
        } catch (const places::PlaceError& error) {
            QVERIFY2(error.text().startsWith(dir + "preview/дом.jpg: на месте файла стоит папка"),
                     qPrintable(error.text()));
        }
        QCOMPARE(everything_under(dir), (QStringList{"clipart/дом.bmp", "info/дом.bmp", "info/дом.txt"}));
        QCOMPARE(place_in(dir), QStringLiteral("old,old,old,-"));
    }

    // A full disk is named as such, with the file, and leaves nothing behind.
    void a_full_disk_is_named()
    {
        QTemporaryDir home;
        const QString disk = home.path() + "/диск/";
        QDir().mkpath(disk);
        if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", disk}) != 0)
            QSKIP("no permission to mount a small file system here");
        QString said;
        try {
            places::PlaceFiles place(disk);
            place.stage("clipart/дом.bmp", QByteArray(256 * 1024, 'x'));
        } catch (const places::PlaceError& error) {
            said = error.text();
        }
        const QStringList left = everything_under(disk);
        QProcess::execute("umount", {disk});
        QVERIFY2(said.startsWith(disk + "clipart/дом.bmp: файл не записывается (Диск заполнен"),
                 qPrintable(said));
        QCOMPARE(left, QStringList{});
    }
};

QTEST_GUILESS_MAIN(PlaceFilesTest)
#include "test_place_files.moc"
