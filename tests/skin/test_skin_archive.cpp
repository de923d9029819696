#include "skin/skin_archive.h"
#include "skin/skin_manager.h"
#include "skin/zip_writer.h"
#include "support/captured_errors.h"
#include "support/test_tree.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

using skin_testing::zip;
using skin_testing::ZipItem;

namespace {

const QByteArray sheet = "QLabel#probe { border-image: url(skin:pics/face.png); }";

QByteArray face_png(QRgb colour)
{
    QImage face(4, 4, QImage::Format_RGB32);
    face.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    face.save(&buffer, "PNG");
    return bytes;
}

QByteArray good_archive()
{
    return zip(
        {{"skin.qss", sheet}, {"pics/", {}, false}, {"pics/face.png", face_png(qRgb(10, 200, 30)), false}});
}

void write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Patches a little-endian 16-bit field of the first central directory record.
QByteArray with_central_field(QByteArray archive, int offset, quint16 value)
{
    const qsizetype central = archive.indexOf(QByteArray::fromHex("504b0102"));
    qToLittleEndian(value, archive.data() + central + offset);
    return archive;
}

QRgb probe_pixel()
{
    QLabel probe;
    probe.setObjectName(QStringLiteral("probe"));
    probe.resize(20, 20);
    return probe.grab().toImage().pixel(10, 10);
}

} // namespace

class SkinArchiveTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { qApp->setStyleSheet(QString()); }
    void stored_and_deflated_files_come_back_whole();
    void archives_of_common_packers_are_read_data();
    void archives_of_common_packers_are_read();
    void a_damaged_archive_gives_nothing_data();
    void a_damaged_archive_gives_nothing();
    void a_skin_at_its_bounds_is_read_and_one_past_them_is_not_data();
    void a_skin_at_its_bounds_is_read_and_one_past_them_is_not();
    void no_cut_or_flipped_byte_is_taken_for_a_skin();
    void a_packed_skin_is_applied_before_a_folder_of_the_name();
    void a_damaged_packed_skin_leaves_the_folder_or_nothing();
};

void SkinArchiveTest::stored_and_deflated_files_come_back_whole()
{
    QByteArray big(100000, 'a');
    for (qsizetype i = 0; i < big.size(); i += 7)
        big[i] = char('a' + i % 23);
    const auto entries =
        skin::unpack_skin_archive(zip({{"skin.qss", sheet}, {"big.bin", big}, {"raw.bin", "stored", false}}));
    QVERIFY(entries.has_value());
    QCOMPARE(entries->size(), std::size_t(3));
    QCOMPARE((*entries)[0].name, QStringLiteral("skin.qss"));
    QCOMPARE((*entries)[0].data, sheet);
    QCOMPARE((*entries)[1].data, big);
    QCOMPARE((*entries)[2].data, QByteArray("stored"));

    QTemporaryDir folder;
    QVERIFY(skin::write_skin_entries(*entries, folder.path()));
    QFile back(folder.filePath("big.bin"));
    QVERIFY(back.open(QIODevice::ReadOnly));
    QCOMPARE(back.readAll(), big);
}

void SkinArchiveTest::archives_of_common_packers_are_read_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("python") << "python.zip";
    QTest::newRow("info-zip") << "infozip.zip";
    QTest::newRow("info-zip with extra fields") << "infozip_extra.zip";
}

void SkinArchiveTest::archives_of_common_packers_are_read()
{
    QFETCH(QString, file);
    QTemporaryDir skins;
    QVERIFY(QFile::copy(testing_support::test_data_dir() + "/skin/" + file, skins.filePath("MacOS.zip")));
    skin::SkinManager manager;
    manager.set_skin_directory(skins.path());
    manager.set_skin_name(QStringLiteral("MacOS"));
    QVERIFY(manager.active());
    QVERIFY(qApp->styleSheet().startsWith(QStringLiteral("QLabel#probe")));
    QCOMPARE(probe_pixel(), qRgb(10, 200, 30));
}

void SkinArchiveTest::a_damaged_archive_gives_nothing_data()
{
    QTest::addColumn<QByteArray>("archive");
    const QByteArray good = good_archive();
    QByteArray bad_crc = zip({{"skin.qss", sheet, false}});
    bad_crc.replace("QLabel", "XLabel");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("not an archive") << QByteArray(300, 'z');
    QTest::newRow("cut in the middle") << good.left(good.size() / 2);
    QTest::newRow("changed content") << bad_crc;
    QTest::newRow("climbing name") << zip({{"skin.qss", sheet}, {"../evil.qss", sheet}});
    QTest::newRow("absolute name") << zip({{"/tmp/evil.qss", sheet}});
    QTest::newRow("drive name") << zip({{"c:evil.qss", sheet}});
    QTest::newRow("encrypted") << with_central_field(good, 8, 1);
    QTest::newRow("unknown method") << with_central_field(good, 10, 12);
    QTest::newRow("name beyond the end") << with_central_field(good, 28, 0xFFFF);
    QTest::newRow("more entries than written")
        << good.left(good.size() - 12) + skin_testing::le16(9) + good.right(10);
}

void SkinArchiveTest::a_damaged_archive_gives_nothing()
{
    QFETCH(QByteArray, archive);
    QVERIFY(!skin::unpack_skin_archive(archive).has_value());
}

// A packed skin holds at most 512 entries and 32 MiB unpacked, counted over all its files.
void SkinArchiveTest::a_skin_at_its_bounds_is_read_and_one_past_them_is_not_data()
{
    QTest::addColumn<QByteArray>("archive");
    QTest::addColumn<bool>("read");
    const auto crowded = [](int entries) {
        std::vector<ZipItem> items{{"skin.qss", sheet, false}};
        for (int i = 1; i < entries; ++i)
            items.push_back({"p" + QByteArray::number(i), "x", false});
        return zip(items);
    };
    const auto unpacking_to = [](qsizetype total) {
        const QByteArray half(16 << 20, 'h');
        return zip({{"skin.qss", sheet},
                    {"a.bin", half},
                    {"b.bin", QByteArray(total - half.size() - sheet.size(), 'b')}});
    };
    QTest::newRow("512 entries") << crowded(512) << true;
    QTest::newRow("513 entries") << crowded(513) << false;
    QTest::newRow("32 MiB in all") << unpacking_to(32 << 20) << true;
    QTest::newRow("32 MiB and a byte in all") << unpacking_to((32 << 20) + 1) << false;
}

void SkinArchiveTest::a_skin_at_its_bounds_is_read_and_one_past_them_is_not()
{
    QFETCH(QByteArray, archive);
    QFETCH(bool, read);
    QCOMPARE(skin::unpack_skin_archive(archive).has_value(), read);
}

void SkinArchiveTest::no_cut_or_flipped_byte_is_taken_for_a_skin()
{
    const QByteArray good = good_archive();
    QVERIFY(skin::unpack_skin_archive(good).has_value());
    for (qsizetype length = 0; length < good.size(); ++length)
        QVERIFY2(!skin::unpack_skin_archive(good.left(length)).has_value(),
                 qPrintable(QString::number(length)));
    // Every byte flipped in turn: the reader must stay within the bytes and never return a changed file.
    for (qsizetype at = 0; at < good.size(); ++at) {
        QByteArray damaged = good;
        damaged[at] = char(damaged[at] ^ 0x5A);
        const auto entries = skin::unpack_skin_archive(damaged);
        if (entries && !entries->empty() && (*entries)[0].name == QLatin1String("skin.qss"))
            QCOMPARE((*entries)[0].data, sheet);
    }
}

void SkinArchiveTest::a_packed_skin_is_applied_before_a_folder_of_the_name()
{
    QTemporaryDir skins;
    write(skins.filePath("MacOS.zip"), good_archive());
    QVERIFY(QDir(skins.path()).mkpath("MacOS"));
    write(skins.filePath("MacOS/skin.qss"), "QLabel { background: blue; }");
    testing_support::CapturedErrors errors;
    skin::SkinManager manager;
    manager.set_skin_directory(skins.path());
    manager.set_skin_name(QStringLiteral("MacOS"));
    QVERIFY(manager.active());
    // The picture is named by its full path in the private folder the skin was unpacked into.
    const QString unpacked = QFileInfo(QDir::tempPath()).canonicalFilePath() + "/koloriton-skin-";
    QVERIFY2(qApp->styleSheet().startsWith("QLabel#probe { border-image: url(\"" + unpacked) &&
                 qApp->styleSheet().endsWith("/pics/face.png\"); }"),
             qPrintable(qApp->styleSheet()));
    QCOMPARE(probe_pixel(), qRgb(10, 200, 30));
    manager.set_active(false);
    QVERIFY(qApp->styleSheet().isEmpty());
    manager.set_active(true);
    QCOMPARE(probe_pixel(), qRgb(10, 200, 30));
    QVERIFY(errors.messages().isEmpty());
}

void SkinArchiveTest::a_damaged_packed_skin_leaves_the_folder_or_nothing()
{
    QTemporaryDir skins;
    const QByteArray good = good_archive();
    write(skins.filePath("MacOS.zip"), good.left(good.size() - 30));
    testing_support::CapturedErrors errors;
    skin::SkinManager manager;
    manager.set_skin_directory(skins.path());
    manager.set_skin_name(QStringLiteral("MacOS"));
    QVERIFY(!manager.active());
    QVERIFY(qApp->styleSheet().isEmpty());

    // An archive without a style sheet is no skin either.
    write(skins.filePath("MacOS.zip"), zip({{"readme.txt", "hello"}}));
    manager.set_active(true);
    QVERIFY(!manager.active());

    QVERIFY(QDir(skins.path()).mkpath("MacOS"));
    write(skins.filePath("MacOS/skin.qss"), "QLabel { background: blue; }");
    manager.set_active(true);
    QVERIFY(manager.active());
    QCOMPARE(qApp->styleSheet(), QStringLiteral("QLabel { background: blue; }"));
    QVERIFY(errors.messages().isEmpty());
}

QTEST_MAIN(SkinArchiveTest)
#include "test_skin_archive.moc"
