#include "settings/settings_files.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

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
            << QByteArray("[locked]\nkeys=drawing/keep_outlines, allow/printing, window/fullscreen\n"
                          "[drawing]\nkeep_outlines=true\n")
            << QByteArray("[allow]\nprinting=false\n")
            << QByteArray("[drawing]\nkeep_outlines=false\n[allow]\nprinting=true\nopening=false\n"
                          "[window]\nfullscreen=true\n")
            << with([](auto& s) {
                   s.keep_outlines = true;
                   s.allow_printing = false;
                   s.allow_opening = false;
               })
            << QStringList{};
        QTest::newRow("a malformed system file is ignored whole")
            << QByteArray("[drawing\nkeep_outlines=true\nthis is no setting\n") << QByteArray()
            << QByteArray("[allow]\nsaving=false\n") << with([](auto& s) { s.allow_saving = false; })
            << QStringList{"first: not in INI form"};
        QTest::newRow("unknown keys, wrong types and a user's lock are ignored one by one")
            << QByteArray("[locked]\nkeys=allow/saving, colour/sky\n") << QByteArray()
            << QByteArray("[drawing]\nkeep_outlines=maybe\ncolour=red\n[allow]\nprinting=off\n"
                          "opening=yes, no\n[folders]\ndrawings=Pictures\n[locked]\nkeys=allow/printing\n")
            << with([](auto& s) { s.allow_printing = false; })
            << QStringList{"first: locked/keys: unknown key \"colour/sky\"",
                           "home: allow/opening: not a single value",
                           "home: drawing/colour: unknown key",
                           "home: drawing/keep_outlines: \"maybe\" is not true or false",
                           "home: folders/drawings: \"Pictures\" is not an absolute folder path",
                           "home: locked/keys: only a system's file locks keys"};
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
            problem = folders.file(problem.section(": ", 0, 0)) + ": " + problem.section(": ", 1) + "; ";
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
        folders.write("home", "[window]\nfullscreen=true\n[other]\nkept=1\n");
        const settings::Settings wanted = with([](auto& s) {
            s.keep_outlines = true;
            s.allow_printing = true;
            s.allow_saving = false;
            s.drawings_folder = "/tmp/рисунки";
        });
        QVERIFY(settings::save_user_settings(settings::SettingsFiles::from_environment(), folders.load(),
                                             wanted));
        QSettings written(folders.file("home"), QSettings::IniFormat);
        QCOMPARE(written.allKeys(), (QStringList{"allow/saving", "folders/drawings", "other/kept"}));
        QCOMPARE(written.value("allow/saving").toString(), "false");
        QVERIFY(folders.load().values == with([&](auto& s) {
                    s = wanted;
                    s.allow_printing = false;
                }));
    }
};

QTEST_GUILESS_MAIN(TestSettingsFiles)
#include "test_settings_files.moc"
