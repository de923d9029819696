#include "formats/bmp_codec.h"
#include "formats/cursor_file.h"
#include "formats/jpeg.h"
#include "formats/rtf_reader.h"
#include "platform/errors.h"
#include "platform/file_replacement.h"
#include "widgets/picture_control.h"

#include "crafted_bmp.h"
#include "support/progressive_jpeg.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QtEndian>
#include <QtTest>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace formats;
using namespace platform;
using namespace pixels;
using namespace widgets;

namespace {

constexpr qint64 hundred_gigabytes = qint64{100} << 30;

void make_sparse(const QString& path, qint64 size)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.resize(size));
}

// The text a reader refused the file with, or nothing when it read it.
std::optional<QString> refusal(const std::function<void()>& read)
{
    try {
        read();
    } catch (const UserError& error) {
        return error.text();
    }
    return std::nullopt;
}

Bitmap coloured(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x & 0xFF, y & 0xFF, 90));
    return Bitmap::from_image(image);
}

// An RLE8 picture of the size given that is all one end-of-bitmap mark: a few bytes that claim
// every pixel.
QByteArray claimed_rle(int width, int height)
{
    crafted::Bmp bmp = crafted::make(width, height, 8, 1);
    bmp.palette = crafted::ramp(2);
    bmp.pixels = crafted::bytes({0, 1});
    return crafted::file(bmp);
}

// The headers of a one-bit picture of the size given, and the size of the file with all its pixels.
std::pair<QByteArray, qint64> one_bit(int width, int height)
{
    crafted::Bmp bmp = crafted::make(width, height, 1);
    bmp.palette = crafted::ramp(2);
    const QByteArray headers = crafted::file(bmp);
    return {headers, headers.size() + qint64{(width + 31) / 32 * 4} * height};
}

// A small JPEG whose frame header claims the size given; its pixel data is that of 8 x 8.
QByteArray claimed_jpeg(int width, int height)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImage(8, 8, QImage::Format_RGB32).save(&buffer, "JPG");
    const qsizetype frame = bytes.indexOf("\xff\xc0");
    qToBigEndian(quint16(height), bytes.data() + frame + 5);
    qToBigEndian(quint16(width), bytes.data() + frame + 7);
    return bytes;
}

// The temporary files a write leaves beside its target when it fails half way.
QStringList leftovers(const QString& folder)
{
    return QDir(folder).entryList({"*.tmp"}, QDir::Files | QDir::Hidden);
}

} // namespace

class TestFileLimits : public QObject {
    Q_OBJECT

private slots:
    // Every reader that takes a file whole refuses a huge file, a device, a FIFO and links to
    // them at once, naming the file; the cursor reader, allowed to fail quietly, gives no cursor.
    void huge_and_irregular_files_are_refused_by_name()
    {
        QTemporaryDir dir;
        const QString fifo = dir.filePath("fifo");
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        for (const char* suffix : {"bmp", "jpg", "png", "cur"}) {
            const QString huge = dir.filePath(QStringLiteral("huge.") + suffix);
            make_sparse(huge, hundred_gigabytes);
            QVERIFY(QFile::link("/dev/zero", dir.filePath(QStringLiteral("zero.") + suffix)));
            QVERIFY(QFile::link(fifo, dir.filePath(QStringLiteral("pipe.") + suffix)));
        }
        const QList<std::pair<QString, QString>> cases{
            {"huge", "файл слишком большой"},
            {"zero", "это не обычный файл, а папка, устройство или канал"},
            {"pipe", "это не обычный файл, а папка, устройство или канал"}};
        for (const auto& [name, reason] : cases) {
            PictureControl control;
            const QString bmp = dir.filePath(name + ".bmp");
            const QString jpg = dir.filePath(name + ".jpg");
            const QString png = dir.filePath(name + ".png");
            QCOMPARE(refusal([&] { read_bmp(bmp); }), bmp + ": " + reason);
            QCOMPARE(refusal([&] { read_jpeg(jpg); }), jpg + ": " + reason);
            QCOMPARE(refusal([&] { read_jpeg_scaled(jpg, {123, 123}); }), jpg + ": " + reason);
            QCOMPARE(refusal([&] { control.load_picture(png); }), png + ": " + reason);
            QVERIFY(!load_cursor_file(dir.filePath(name + ".cur")));
        }
        QCOMPARE(refusal([&] { read_bmp(fifo); }),
                 fifo + ": это не обычный файл, а папка, устройство или канал");
    }

    // A few bytes of RLE can claim any picture; beyond 32 Mi pixels the claim is refused, at the
    // limit it is decoded. An uncompressed picture must bring all its pixels.
    void pictures_cannot_claim_more_than_their_file_or_budget_holds()
    {
        const QByteArray bomb = claimed_rle(32768, 8192);
        QVERIFY(bomb.size() < 100);
        QCOMPARE(refusal([&] { decode_bmp(bomb); }), bitmap_not_valid);
        QCOMPARE(refusal([&] { decode_bmp(claimed_rle(8192, 4097)); }), bitmap_not_valid);
        const Bitmap at_limit = decode_bmp(claimed_rle(8192, 4096));
        QCOMPARE(at_limit.size(), QSize(8192, 4096));
        QCOMPARE(at_limit.pixel(8191, 4095), at_limit.pixel(0, 0));

        QByteArray whole = encode_bmp(coloured(300, 200));
        QVERIFY(!decode_bmp(whole).is_null());
        whole.chop(1);
        QCOMPARE(refusal([&] { decode_bmp(whole); }), bitmap_not_valid);
    }

    // Every bound on what a file may hold or claim takes a file exactly at it (read, or refused for
    // another reason: the pixels claimed are not there) and refuses one a unit past it.
    void every_bound_takes_its_limit_and_refuses_one_past_it_data()
    {
        QTest::addColumn<QString>("reader");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<qint64>("grown_to"); // with zero bytes at the end, 0 for as it is
        QTest::addColumn<QString>("past");    // the refusal one past the bound
        const QByteArray bmp = encode_bmp(coloured(4, 4));
        const QByteArray jpeg = claimed_jpeg(8, 8);
        const QString named_not_valid = "картинка BMP повреждена или обрезана (Bitmap image is not valid)";
        for (const int beyond : {0, 1}) {
            const char* side = beyond ? "past" : "at";
            QTest::addRow("BMP of 256 MiB, %s", side)
                << "bmp" << bmp << (qint64{256} << 20) + beyond << "файл слишком большой";
            QTest::addRow("JPEG of 128 MiB, %s", side)
                << "jpeg" << jpeg << (qint64{128} << 20) + beyond << "файл слишком большой";
            const auto [wide, wide_size] = one_bit(32768 + beyond, 8191);
            QTest::addRow("BMP side of 32768, %s", side)
                << "bmp rows" << wide << wide_size << named_not_valid;
            const auto [many, many_size] = one_bit(16384, 16384 + beyond);
            QTest::addRow("BMP of 2^28 pixels, %s", side)
                << "bmp rows" << many << many_size << named_not_valid;
            QTest::addRow("BMP shown of 2^25 pixels, %s", side)
                << "bmp" << claimed_rle(8192, 4096 + beyond) << qint64{0} << "картинка слишком большая";
            QTest::addRow("JPEG shown of 2^25 pixels, %s", side)
                << "jpeg" << claimed_jpeg(8192, 4096 + beyond) << qint64{0}
                << "картинка JPEG слишком большая";
            QTest::addRow("JPEG fitted of 2^28 pixels, %s", side)
                << "jpeg fitted" << claimed_jpeg(16384, 16384 + beyond) << qint64{0}
                << "картинка JPEG слишком большая";
            QTest::addRow("JPEG of 32 scans, %s", side)
                << "jpeg" << testing_support::progressive_jpeg({16, 16}, 32 + beyond) << qint64{0}
                << "в картинке JPEG слишком много проходов";
        }
    }
    void every_bound_takes_its_limit_and_refuses_one_past_it()
    {
        QFETCH(QString, reader);
        QFETCH(QByteArray, file);
        QFETCH(qint64, grown_to);
        QFETCH(QString, past);
        QTemporaryDir dir;
        const QString path = dir.filePath("picture");
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write(file) == file.size());
        QVERIFY(grown_to == 0 || out.resize(grown_to));
        out.close();
        const QMap<QString, std::function<void()>> read{{"bmp", [&] { read_bmp(path); }},
                                                        {"bmp rows", [&] { BmpRows rows(path); }},
                                                        {"jpeg", [&] { read_jpeg(path); }},
                                                        {"jpeg fitted", [&] {
                                                             read_jpeg_scaled(path, {123, 123});
                                                         }}};
        const QString said = refusal(read[reader]).value_or(QString());
        QVERIFY2(said.endsWith(past) == QByteArray(QTest::currentDataTag()).endsWith("past"),
                 qPrintable(said));
    }

    // Names as long as the file system takes (255 bytes here, in Latin or Cyrillic letters) are
    // saved and written as snapshots; the temporary names beside them fit too, cut between whole
    // characters (the emoji's four bytes are where the cut falls), and none is left.
    void names_as_long_as_the_file_system_takes_are_written()
    {
        QTemporaryDir dir;
        const Bitmap drawing = coloured(20, 10);
        for (const QString& stem : {QString(251, 'a'), QString(125, QChar(0x0436)) + 'b', QString(3, 'c'),
                                    QString(239, 'd') + QString::fromUtf8("\U0001F600")}) {
            const QString target = dir.filePath(stem + ".bmp");
            QVERIFY(QFile::encodeName(QFileInfo(target).fileName()).size() <= 255);
            write_bmp(coloured(5, 5), target);
            write_bmp(drawing, target);
            write_scratch_bmp(coloured(5, 5), target);
            write_scratch_bmp(drawing, target);
            QVERIFY(read_bmp(target) == drawing);
            const QString temporary = temporary_name_beside(target, 0xabcdef12);
            QVERIFY(QFile::encodeName(QFileInfo(temporary).fileName()).size() <= 255);
            QVERIFY(temporary.endsWith(".abcdef12.tmp") && QFileInfo(temporary).path() == dir.path());
            QCOMPARE(QFile::decodeName(QFile::encodeName(temporary)), temporary);
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 4);
        QCOMPARE(leftovers(dir.path()), QStringList());
    }

    // A write cut short by a file size limit names the system's reason, keeps the old file and
    // leaves no temporary file behind.
    void a_cut_short_write_gives_the_real_reason()
    {
        QTemporaryDir dir;
        const QString target = dir.filePath("drawing.bmp");
        const Bitmap old_drawing = coloured(10, 10);
        write_bmp(old_drawing, target);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit old_limit{};
        getrlimit(RLIMIT_FSIZE, &old_limit);
        rlimit limit = old_limit;
        limit.rlim_cur = 100 * 1000;
        setrlimit(RLIMIT_FSIZE, &limit);
        const std::optional<QString> error = refusal([&] { write_bmp(coloured(300, 300), target); });
        setrlimit(RLIMIT_FSIZE, &old_limit);
        QCOMPARE(error, target + ": Файл больше, чем разрешено записать");
        QVERIFY(read_bmp(target) == old_drawing);
        QCOMPARE(leftovers(dir.path()), QStringList());
    }

    // A disk with some room left but not enough: a private small file system where the system
    // allows mounting one.
    void a_full_disk_says_so()
    {
        QTemporaryDir dir;
        const QString disk = dir.filePath("disk");
        QDir().mkpath(disk);
        if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", disk}) != 0)
            QSKIP("no permission to mount a small file system here");
        const QString target = disk + "/drawing.bmp";
        const std::optional<QString> error = refusal([&] { write_bmp(coloured(300, 300), target); });
        const QStringList left = leftovers(disk);
        QProcess::execute("umount", {disk});
        QCOMPARE(error, target + ": Диск заполнен: освободите место и попробуйте снова");
        QCOMPARE(left, QStringList());
    }

    // Descriptions the text box would take seconds or minutes over (within the old limits: an
    // enormous font over thousands of words, tens of thousands of tabs) are laid out in a panel
    // of 200 pixels at once; one beyond the budget shows its beginning, cut at a word, with an
    // ellipsis. A long word within them is shown whole, with chances to break.
    void descriptions_are_laid_out_at_once_and_long_ones_cut_at_a_word()
    {
        const QByteArray article = QByteArray("word ").repeated(100 * 1000);
        const QList<std::pair<QByteArray, QString>> cases{
            {article, "word word"},
            {"{\\rtf1 " + article + "}", "word word"},
            {"{\\rtf1 \\b " + article + "}", "word word"},
            {QByteArray(2 * 1000 * 1000, '\n'), ""},
            {QByteArray("\r\n").repeated(3000), ""},
            {"{\\rtf1 " + QByteArray("\\b a\\b0 b").repeated(600 * 1000) + "}", "abab"},
            {"{\\rtf1\\fs32000 " + QByteArray("ab ").repeated(20000) + "}", "ab ab"},
            {"{\\rtf1 " + QByteArray("\\tab").repeated(50000) + "}", "\t\t"},
            {QByteArray(50000, '\t'), "\t\t"},
        };
        for (const auto& [file, beginning] : cases) {
            QElapsedTimer clock;
            clock.start();
            QTextDocument document;
            document.setHtml(description_html(file));
            document.setTextWidth(200);
            document.documentLayout()->documentSize();
            QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
            const QString text = document.toPlainText();
            QVERIFY(text.startsWith(beginning));
            QVERIFY2(text.endsWith(QStringLiteral("\u2026")), qPrintable(text.right(20)));
        }
        // Cut where a word ends, never inside one.
        QVERIFY(
            QTextDocumentFragment::fromHtml(description_html(article)).toPlainText().endsWith(" word\u2026"));
        const QByteArray within = QByteArray("word ").repeated(1000);
        QCOMPARE(QTextDocumentFragment::fromHtml(description_html(within)).toPlainText(),
                 QString::fromLatin1(within));

        const QByteArray word(30 * 1000, 'x');
        for (const QByteArray& file : {word, "{\\rtf1 " + word + "}", "{\\rtf1 \\b " + word + "\\b0}"}) {
            QTextDocument document;
            document.setHtml(description_html(file));
            QString text = document.toPlainText();
            QVERIFY(text.size() > word.size());
            QCOMPARE(text.remove(QChar(0x200B)), QString::fromLatin1(word));
        }
    }
};

QTEST_MAIN(TestFileLimits)
#include "test_file_limits.moc"
