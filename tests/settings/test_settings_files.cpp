#include "settings/settings_files.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <poll.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

Q_DECLARE_METATYPE(settings::Settings)

namespace {

// Two system folders (XDG_CONFIG_DIRS, the first the more important) and the user's
// (XDG_CONFIG_HOME), all temporary: the machine's own settings are never read.
struct ConfigFolders {
    ConfigFolders()
    {
        qputenv("XDG_CONFIG_DIRS", QFile::encodeName(folder("first") + ':' + folder("second")));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder("home")));
    }
    QString folder(const QString& name) const { return dir.filePath(name); }
    QString file(const QString& name) const { return folder(name) + "/koloriton/koloriton.conf"; }
    void write(const QString& name, const QByteArray& text) const
    {
        QDir().mkpath(QFileInfo(file(name)).absolutePath());
        QFile out(file(name));
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write(text) == text.size());
    }
    settings::LoadedSettings load()
    {
        problems.clear();
        return settings::load_settings(settings::SettingsFiles::from_environment(),
                                       [this](const QString& line) { problems.append(line); });
    }

    QTemporaryDir dir;
    QStringList problems;
};

#if defined(__SANITIZE_ADDRESS__)
// AddressSanitizer reserves terabytes of address space, and its code runs three times slower.
constexpr bool address_space_bounded = false;
constexpr int time_bound_ms = 6000;
#else
constexpr bool address_space_bounded = true;
constexpr int time_bound_ms = 2000;
#endif
constexpr rlim_t address_space = rlim_t{600} << 20;

// The settings as a child process loads them from the files of the environment: its address space
// bounded and killed past the time bound, so a file that would take gigabytes or block for ever
// fails its own case, not the whole test.
struct ChildLoad {
    QString failure; // how the child failed, empty when it loaded the settings
    bool allow_saving = true;
    bool allow_printing = true;
    QStringList problems;
};

ChildLoad failed(const QString& how)
{
    ChildLoad load;
    load.failure = how;
    return load;
}

QByteArray read_until(int from, qint64 deadline_ms, bool* in_time)
{
    QElapsedTimer clock;
    clock.start();
    QByteArray bytes;
    char chunk[4096];
    for (;;) {
        pollfd ready{from, POLLIN, 0};
        if (::poll(&ready, 1, int(std::max<qint64>(0, deadline_ms - clock.elapsed()))) <= 0) {
            *in_time = false;
            return bytes;
        }
        const ssize_t got = ::read(from, chunk, sizeof chunk);
        if (got <= 0)
            return bytes;
        bytes.append(chunk, got);
    }
}

ChildLoad load_in_child()
{
    int ends[2];
    if (::pipe(ends) != 0)
        return failed("no pipe");
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(ends[0]);
        const rlimit limit{address_space, address_space};
        if (address_space_bounded)
            ::setrlimit(RLIMIT_AS, &limit);
        const settings::LoadedSettings loaded =
            settings::load_settings(settings::SettingsFiles::from_environment(), [](const QString&) {});
        QByteArray report =
            QByteArray::number(loaded.values.allow_saving) + QByteArray::number(loaded.values.allow_printing);
        for (const QString& problem : loaded.problems)
            report += '\n' + problem.toUtf8();
        for (qsizetype written = 0; written < report.size();) {
            const ssize_t wrote = ::write(ends[1], report.constData() + written, report.size() - written);
            if (wrote <= 0)
                ::_exit(1);
            written += wrote;
        }
        ::_exit(0);
    }
    ::close(ends[1]);
    bool in_time = true;
    const QByteArray report = read_until(ends[0], time_bound_ms, &in_time);
    ::close(ends[0]);
    if (!in_time)
        ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!in_time)
        return failed(QStringLiteral("took more than %1 ms").arg(time_bound_ms));
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || report.size() < 2)
        return failed(QStringLiteral("ended with status %1").arg(status));
    const QStringList lines = QString::fromUtf8(report).split('\n');
    return {"", report[0] == '1', report[1] == '1', lines.mid(1)};
}

settings::Settings with(const std::function<void(settings::Settings&)>& change)
{
    settings::Settings values;
    change(values);
    return values;
}

} // namespace

class TestSettingsFiles : public QObject {
    Q_OBJECT

private slots:
    void the_files_follow_the_xdg_rules()
    {
        qunsetenv("XDG_CONFIG_DIRS");
        QCOMPARE(settings::SettingsFiles::from_environment().system_files,
                 QStringList{"/etc/xdg/koloriton/koloriton.conf"});
        ConfigFolders folders;
        const auto files = settings::SettingsFiles::from_environment();
        QCOMPARE(files.system_files, (QStringList{folders.file("first"), folders.file("second")}));
        QCOMPARE(files.user_file, folders.file("home"));
    }

    void precedence_locks_and_faulty_files_data()
    {
        QTest::addColumn<QByteArray>("first");
        QTest::addColumn<QByteArray>("second");
        QTest::addColumn<QByteArray>("home");
        QTest::addColumn<settings::Settings>("expected");
        // "<folder>: <what the line says after the file's path>", sorted.
        QTest::addColumn<QStringList>("problems");
        QTest::newRow("no files: today's behaviour")
            << QByteArray() << QByteArray() << QByteArray() << settings::Settings{} << QStringList{};
        QTest::newRow("the user's file over the first system file over the second")
            << QByteArray("[allow]\nprinting=true\nsaving=no\n")
            << QByteArray("[allow]\nprinting=false\n[drawing]\nkeep_outlines=true\n")
            << QByteArray("[allow]\nsaving=true\n[folders]\ndrawings=/srv/class/\n") << with([](auto& s) {
                   s.keep_outlines = true;
                   s.drawings_folder = "/srv/class";
               })
            << QStringList{};
        QTest::newRow("locked keys keep the system's value, also a default")
            << QByteArray("[locked]\nkeys=drawing/keep_outlines, allow/printing, window/fullscreen, saving/gallery\n"
                          "[drawing]\nkeep_outlines=true\n[saving]\ngallery=true\n")
            << QByteArray("[allow]\nprinting=false\n")
            << QByteArray("[drawing]\nkeep_outlines=false\n[allow]\nprinting=true\nopening=false\n"
                          "[window]\nfullscreen=true\n[saving]\ngallery=false\n")
            << with([](auto& s) {
                   s.keep_outlines = true;
                   s.allow_printing = false;
                   s.allow_opening = false;
                   s.gallery = true;
               })
            << QStringList{};
        QTest::newRow("a classroom's silence locked; a volume from 0 to 100 only")
            << QByteArray("[locked]\nkeys=sound/enabled\n[sound]\nenabled=false\nvolume=40\n") << QByteArray()
            << QByteArray("[sound]\nenabled=true\nvolume=101\n") << with([](auto& s) {
                   s.sound_enabled = false;
                   s.sound_volume = 40;
               })
            << QStringList{"home:3: sound/volume: «101» — не целое число от 0 до 100"};
        QTest::newRow("undo steps from 1 to 50 only")
            << QByteArray("[drawing]\nundo_steps=0\n") << QByteArray() << QByteArray("[drawing]\nundo_steps=50\n")
            << with([](auto& s) { s.undo_steps = 50; })
            << QStringList{"first:2: drawing/undo_steps: «0» — не целое число от 1 до 50"};
        QTest::newRow("a language code, locked in a school; a name is no code")
            << QByteArray("[window]\nlanguage=uk\n") << QByteArray("[locked]\nkeys=window/language\n")
            << QByteArray("[window]\nlanguage=en\n") << with([](auto& s) { s.language = "uk"; })
            << QStringList{};
        QTest::newRow("the user's language, and one not written as a code")
            << QByteArray("[window]\nlanguage=English\n") << QByteArray()
            << QByteArray("[window]\nlanguage= pt_BR\n") << with([](auto& s) { s.language = "pt_BR"; })
            << QStringList{"first:2: window/language: «English» — не код языка"};
        QTest::newRow("a malformed system file is ignored whole, and the user's file with it")
            << QByteArray("[drawing\nkeep_outlines=true\nthis is no setting\n") << QByteArray()
            << QByteArray("[allow]\nsaving=false\n") << settings::Settings{}
            << QStringList{"first:1: заголовок группы без",
                           "home: не учтён, пока не прочитан системный файл"};
        QTest::newRow("unknown keys, wrong types and a user's lock are ignored one by one")
            << QByteArray("[locked]\nkeys=allow/saving, colour/sky\n") << QByteArray()
            << QByteArray("[drawing]\nkeep_outlines=maybe\ncolour=red\n[allow]\nprinting=off\n"
                          "opening=yes, no\n[folders]\ndrawings=Pictures\n[locked]\nkeys=allow/printing\n")
            << with([](auto& s) { s.allow_printing = false; })
            << QStringList{"first:2: locked/keys: неизвестный ключ «colour/sky»",
                           "home:6: allow/opening: «yes, no» — не true и не false",
                           "home:3: drawing/colour: неизвестный ключ",
                           "home:2: drawing/keep_outlines: «maybe» — не true и не false",
                           "home:8: folders/drawings: «Pictures» — не полный путь к папке",
                           "home:10: locked/keys: запирать ключи может только системный файл"};
    }

    void precedence_locks_and_faulty_files()
    {
        QFETCH(QByteArray, first);
        QFETCH(QByteArray, second);
        QFETCH(QByteArray, home);
        QFETCH(settings::Settings, expected);
        QFETCH(QStringList, problems);
        ConfigFolders folders;
        for (const auto& [name, text] : {std::pair{"first", first}, {"second", second}, {"home", home}})
            if (!text.isEmpty())
                folders.write(name, text);
        QVERIFY(folders.load().values == expected);
        for (QString& problem : problems)
            problem = folders.file(problem.section(':', 0, 0)) + problem.mid(problem.indexOf(':'));
        problems.sort();
        folders.problems.sort();
        QCOMPARE(folders.problems.size(), problems.size());
        for (qsizetype i = 0; i < problems.size(); ++i)
            QVERIFY2(folders.problems[i].startsWith(problems[i]), qPrintable(folders.problems[i]));
    }

    void saving_writes_what_differs_from_the_system_and_never_a_locked_key()
    {
        ConfigFolders folders;
        folders.write(
            "first",
            "[locked]\nkeys=allow/printing\n[allow]\nprinting=false\n[drawing]\nkeep_outlines=true\n");
        folders.write("home", "; by hand\n[window]\nfullscreen=true\n[other]\nkept=1\n");
        const settings::Settings wanted = with([](auto& s) {
            s.keep_outlines = true;
            s.allow_printing = true;
            s.allow_saving = false;
            s.drawings_folder = "/tmp/рисунки";
        });
        QCOMPARE(
            settings::save_user_settings(settings::SettingsFiles::from_environment(), folders.load(), wanted),
            QString());
        QSettings written(folders.file("home"), QSettings::IniFormat);
        QCOMPARE(written.allKeys(), (QStringList{"allow/saving", "folders/drawings", "other/kept"}));
        QCOMPARE(written.value("allow/saving").toString(), "false");
        QFile kept(folders.file("home"));
        QVERIFY(kept.open(QIODevice::ReadOnly) && kept.readAll().startsWith("; by hand\n"));
        QVERIFY(folders.load().values == with([&](auto& s) {
                    s = wanted;
                    s.allow_printing = false;
                }));
    }

    // Saving never blocks on a FIFO nor writes through a link: it says so, and both stay.
    void saving_refuses_what_is_no_regular_file()
    {
        for (const bool link : {false, true}) {
            ConfigFolders folders;
            folders.write("home", "");
            const QByteArray file = QFile::encodeName(folders.file("home"));
            const QByteArray fifo = QFile::encodeName(folders.folder("fifo"));
            QVERIFY(::mkfifo(fifo.constData(), 0600) == 0 && QFile::remove(file));
            QVERIFY(link ? QFile::link(fifo, file) : ::mkfifo(file.constData(), 0600) == 0);
            const QString refused =
                settings::save_user_settings(settings::SettingsFiles::from_environment(), folders.load(),
                                             with([](auto& s) { s.allow_saving = false; }));
            QVERIFY2(refused.startsWith(folders.file("home") + ": "), qPrintable(refused));
            QCOMPARE(QFileInfo(file).isSymLink(), link);
            struct stat status {};
            QVERIFY(::stat(file.constData(), &status) == 0 && S_ISFIFO(status.st_mode));
        }
    }

    // A hostile file beside a valid system file that locks saving off, read by a child process
    // within 600 MB of address space and 2 s: the lock holds, the file is named, and the user's
    // "printing=false" counts only when every file was read.
    void hostile_files_leave_the_locks_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("special"); // "fifo", "device", "unreadable", "sparse" or none
        QTest::addColumn<bool>("user_counts");
        QTest::addColumn<QString>("problem");
        const QByteArray user("[allow]\nsaving=true\nprinting=false\n");
        const auto padded = [&](int size) {
            return user + "; " + QByteArray(size - user.size() - 3, 'x') + '\n';
        };
        QByteArray many_keys("[drawing]\n");
        for (int key = 0; many_keys.size() < 250'000; ++key)
            many_keys += "k" + QByteArray::number(key) + "=1\n";
        QTest::newRow("a user's file of exactly 256 KB") << "home" << padded(262144) << "" << true << "";
        QTest::newRow("a user's file one byte over")
            << "home" << padded(262145) << "" << false << "файл слишком большой";
        QTest::newRow("a user's sparse file of 8 GB")
            << "home" << user << "sparse" << false << "файл слишком большой";
        QTest::newRow("a system file of 30000 keys")
            << "first" << many_keys << "" << true << "и ещё ошибок"; // told in a few lines
        QTest::newRow("serialized values")
            << "first" << QByteArray("[allow]\nsaving=@Variant(\\0\\0\\0\\x7f)\nopening=@ByteArray(true)\n")
            << "" << true << "упакованное значение";
        QTest::newRow("a user's FIFO") << "home" << QByteArray() << "fifo" << false << "";
        QTest::newRow("a system file linked to a device")
            << "first" << QByteArray() << "device" << false << "";
        QTest::newRow("an unreadable system file") << "first" << user << "unreadable" << false << "";
        QTest::newRow("a lock line with spaces, semicolons and a misspelt key")
            << "first" << QByteArray("[locked]\nkeys=allow/printing allow/opening;colour/sky,,\n") << ""
            << false << "неизвестный ключ «colour/sky»";
    }

    void hostile_files_leave_the_locks()
    {
        QFETCH(QString, where);
        QFETCH(QByteArray, text);
        QFETCH(QString, special);
        QFETCH(bool, user_counts);
        QFETCH(QString, problem);
        ConfigFolders folders;
        folders.write("second", "[locked]\nkeys=allow/saving\n[allow]\nsaving=false\n");
        if (where != "home")
            folders.write("home", "[allow]\nsaving=true\nprinting=false\n");
        folders.write(where, text);
        const QByteArray file = QFile::encodeName(folders.file(where));
        if (special == "fifo")
            QVERIFY(QFile::remove(file) && ::mkfifo(file.constData(), 0600) == 0);
        if (special == "device")
            QVERIFY(QFile::remove(file) && QFile::link("/dev/zero", file));
        if (special == "unreadable")
            QVERIFY(::chmod(file.constData(), 0) == 0);
        if (special == "unreadable" && ::access(file.constData(), R_OK) == 0)
            QSKIP("the superuser reads every file");
        if (special == "sparse")
            QVERIFY(::truncate(file.constData(), qint64{8} << 30) == 0);
        const ChildLoad loaded = load_in_child();
        QVERIFY2(loaded.failure.isEmpty(), qPrintable(loaded.failure));
        QVERIFY(!loaded.allow_saving);
        QCOMPARE(loaded.allow_printing, !user_counts);
        const bool named =
            std::any_of(loaded.problems.begin(), loaded.problems.end(), [&](const QString& line) {
                return line.startsWith(folders.file(where)) && line.contains(problem);
            });
        QVERIFY2(named == (text.size() != 262144), qPrintable(loaded.problems.join('\n')));
        QVERIFY(loaded.problems.size() <= 22);
    }
};

QTEST_GUILESS_MAIN(TestSettingsFiles)
#include "test_settings_files.moc"
