#include "core/interface_language.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestInterfaceLanguage : public QObject {
    Q_OBJECT

private slots:
    // The desktop's variables, the setting and the translations present decide together.
    void the_language_follows_setting_then_desktop_then_russian_data()
    {
        QTest::addColumn<QByteArray>("language_list");
        QTest::addColumn<QByteArray>("lc_all");
        QTest::addColumn<QByteArray>("lc_messages");
        QTest::addColumn<QByteArray>("lang");
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("no language at all")
            << QByteArray() << QByteArray() << QByteArray() << QByteArray() << QString() << "ru";
        QTest::newRow("C locale") << QByteArray() << QByteArray() << QByteArray() << QByteArray("C.UTF-8")
                                  << QString() << "ru";
        QTest::newRow("Russian desktop")
            << QByteArray() << QByteArray() << QByteArray() << QByteArray("ru_RU.UTF-8") << QString() << "ru";
        QTest::newRow("English desktop")
            << QByteArray() << QByteArray() << QByteArray() << QByteArray("en_GB.UTF-8") << QString() << "en";
        QTest::newRow("Ukrainian messages, English rest")
            << QByteArray() << QByteArray() << QByteArray("uk_UA.UTF-8") << QByteArray("en_US.UTF-8")
            << QString() << "uk";
        QTest::newRow("LC_ALL above LC_MESSAGES")
            << QByteArray() << QByteArray("en_US.UTF-8") << QByteArray("uk_UA.UTF-8") << QByteArray()
            << QString() << "en";
        QTest::newRow("LANGUAGE first, untranslated skipped")
            << QByteArray("de_DE:uk:en") << QByteArray() << QByteArray() << QByteArray("en_US.UTF-8")
            << QString() << "uk";
        QTest::newRow("untranslated desktop") << QByteArray() << QByteArray() << QByteArray()
                                              << QByteArray("de_DE.UTF-8@euro") << QString() << "ru";
        QTest::newRow("setting over desktop")
            << QByteArray("uk") << QByteArray() << QByteArray() << QByteArray("uk_UA.UTF-8") << "en"
            << "en";
        QTest::newRow("Russian setting over desktop")
            << QByteArray() << QByteArray() << QByteArray() << QByteArray("en_US.UTF-8") << "ru"
            << "ru";
        QTest::newRow("untranslated setting")
            << QByteArray() << QByteArray() << QByteArray() << QByteArray("en_US.UTF-8") << "de"
            << "ru";
        QTest::newRow("country of a translated language")
            << QByteArray() << QByteArray() << QByteArray() << QByteArray() << "pt_BR"
            << "pt_BR";
        QTest::newRow("country served by its language")
            << QByteArray() << QByteArray() << QByteArray() << QByteArray() << "en_AU"
            << "en";
    }
    void the_language_follows_setting_then_desktop_then_russian()
    {
        QFETCH(QByteArray, language_list);
        QFETCH(QByteArray, lc_all);
        QFETCH(QByteArray, lc_messages);
        QFETCH(QByteArray, lang);
        QFETCH(QString, setting);
        QFETCH(QString, chosen);
        QTemporaryDir translations;
        // What a translator ships: the compiled files, and other files that are not translations.
        for (const char* name : {"koloriton_en.qm", "koloriton_uk.qm", "koloriton_pt_BR.qm", "koloriton_x.qm",
                                 "koloriton_de.ts", "qtbase_fr.qm"}) {
            QFile file(translations.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QCOMPARE(core::available_languages(translations.path()), QStringList({"en", "pt_BR", "ru", "uk"}));
        qputenv("LANGUAGE", language_list);
        qputenv("LC_ALL", lc_all);
        qputenv("LC_MESSAGES", lc_messages);
        qputenv("LANG", lang);
        QCOMPARE(core::chosen_language(setting, core::desktop_languages(),
                                       core::available_languages(translations.path())),
                 chosen);
    }

    void codes_of_the_settings_file()
    {
        for (const char* code : {"en", "uk", "pt_BR", "tt", "crh"})
            QVERIFY2(core::is_language_code(code), code);
        for (const char* code : {"", "EN", "english", "en_us", "en-GB", "en_GB.UTF-8", "../en", "u"})
            QVERIFY2(!core::is_language_code(code), code);
    }
};

QTEST_GUILESS_MAIN(TestInterfaceLanguage)
#include "test_interface_language.moc"
