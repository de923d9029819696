#include "formats/version_info.h"

#include <QTest>
#include <QtEndian>

using formats::VersionInfo;

class TestVersionInfo : public QObject {
    Q_OBJECT

private slots:
    void translation_of_the_executable()
    {
        const VersionInfo info = VersionInfo::of_executable();
        QVERIFY(info.size() > 0);
        QCOMPARE(info.translation(), std::optional<unsigned>(0x04E30419u));
        const auto table = info.query("\\VarFileInfo\\Translation");
        QVERIFY(table.has_value());
        QCOMPARE(table->text, QString("041904E3"));
        QCOMPARE(table->length, 4u);
    }

    void entries_with_their_terminating_zero_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("text");
        QTest::newRow("product") << "StringFileInfo\\041904E3\\ProductName" << QString::fromUtf8("Колоритон");
        QTest::newRow("leading backslash")
            << "\\StringFileInfo\\041904E3\\ProductName" << QString::fromUtf8("Колоритон");
        QTest::newRow("any case") << "\\stringfileinfo\\041904e3\\PRODUCTNAME"
                                  << QString::fromUtf8("Колоритон");
        QTest::newRow("file version") << "StringFileInfo\\041904E3\\FileVersion"
                                      << "3.3.14.0";
        QTest::newRow("product version") << "StringFileInfo\\041904E3\\ProductVersion"
                                         << "3.0.0.0";
        QTest::newRow("requirements") << "StringFileInfo\\041904E3\\FileDescription"
                                      << QString::fromUtf8("разрешение не менее 1024х768, мышь");
        QTest::newRow("contact") << "StringFileInfo\\041904E3\\InternalName"
                                 << "koloriton@example.org";
    }

    void entries_with_their_terminating_zero()
    {
        QFETCH(QString, path);
        QFETCH(QString, text);
        const auto value = VersionInfo::of_executable().query(path);
        QVERIFY(value.has_value());
        QCOMPARE(value->text, text);
        QCOMPARE(value->length, unsigned(text.size() + 1));
    }

    void authors_and_commission_are_present()
    {
        const VersionInfo info = VersionInfo::of_executable();
        const auto authors = info.query("StringFileInfo\\041904E3\\CompanyName");
        QVERIFY(authors.has_value());
        QCOMPARE(authors->text.split(", ").size(), 4);
        const auto commission = info.query("StringFileInfo\\041904E3\\LegalCopyright");
        QVERIFY(commission.has_value());
        QVERIFY(commission->length > 20);
        QVERIFY(commission->text.endsWith('.'));
    }

    void unknown_paths_fail()
    {
        const VersionInfo info = VersionInfo::of_executable();
        QVERIFY(!info.query("StringFileInfo\\041904E3\\Comments"));
        QVERIFY(!info.query("StringFileInfo\\040904B0\\ProductName"));
        QVERIFY(!info.query("\\VarFileInfo\\Nothing"));
        QVERIFY(!info.query("StringFileInfo\\041904E3\\ProductName\\Deeper"));
    }

    void fixed_part_carries_both_versions()
    {
        const auto fixed = VersionInfo::of_executable().query("\\");
        QVERIFY(fixed.has_value());
        QCOMPARE(fixed->length, 52u);
        const QByteArray block = VersionInfo::of_executable().block();
        const qsizetype at = block.indexOf(QByteArray::fromHex("bd04effe"));
        QVERIFY(at > 0);
        QCOMPARE(qFromLittleEndian<quint32>(block.constData() + at + 8), 0x00030003u);
        QCOMPARE(qFromLittleEndian<quint32>(block.constData() + at + 12), 0x000E0000u);
        QCOMPARE(qFromLittleEndian<quint32>(block.constData() + at + 16), 0x00030000u);
        QCOMPARE(qFromLittleEndian<quint32>(block.constData() + at + 20), 0u);
        QCOMPARE(qFromLittleEndian<quint16>(block.constData()), quint16(block.size()));
    }

    void empty_block()
    {
        const VersionInfo none = VersionInfo::empty();
        QCOMPARE(none.size(), 0);
        QVERIFY(!none.translation());
        QVERIFY(!none.query("\\VarFileInfo\\Translation"));
        QVERIFY(!none.query("StringFileInfo\\041904E3\\ProductName"));
    }

    void empty_and_one_character_values()
    {
        const VersionInfo info = VersionInfo::with_strings({{"ProductName", "K"}, {"FileVersion", ""}});
        QCOMPARE(info.query("StringFileInfo\\041904E3\\ProductName")->length, 2u);
        QCOMPARE(info.query("StringFileInfo\\041904E3\\FileVersion")->length, 1u);
        QCOMPARE(info.query("StringFileInfo\\041904E3\\FileVersion")->text, QString());
        QVERIFY(!info.query("StringFileInfo\\041904E3\\CompanyName"));
    }

    void other_translations()
    {
        const VersionInfo info = VersionInfo::with_strings({{"ProductName", "X"}}, 0x04B00409);
        QCOMPARE(info.translation(), std::optional<unsigned>(0x04B00409u));
        QCOMPARE(info.query("\\VarFileInfo\\Translation")->text, QString("040904B0"));
        QCOMPARE(info.query("StringFileInfo\\040904B0\\ProductName")->text, QString("X"));
    }

    void damaged_blocks_answer_nothing()
    {
        const QByteArray good = VersionInfo::of_executable().block();
        for (qsizetype cut : {qsizetype(0), qsizetype(5), qsizetype(40), good.size() / 2, good.size() - 1}) {
            const VersionInfo cut_short = VersionInfo::from_block(good.left(cut));
            QVERIFY(!cut_short.query("StringFileInfo\\041904E3\\ProductName"));
        }
        QByteArray lying = good;
        qToLittleEndian(quint16(0xFFFF), lying.data()); // a length beyond the block
        QVERIFY(!VersionInfo::from_block(lying).query("\\VarFileInfo\\Translation"));
        QVERIFY(!VersionInfo::from_block(lying).translation());
        QByteArray noise(300, '\x41');
        QVERIFY(!VersionInfo::from_block(noise).query("StringFileInfo\\041904E3\\ProductName"));
        // No single damaged byte may make a query read outside the block.
        for (qsizetype i = 0; i < good.size(); ++i) {
            QByteArray damaged = good;
            damaged[i] = char(damaged[i] ^ 0xA5);
            VersionInfo::from_block(damaged).query("StringFileInfo\\041904E3\\LegalCopyright");
            VersionInfo::from_block(damaged).translation();
        }
    }
};

QTEST_MAIN(TestVersionInfo)
#include "test_version_info.moc"
