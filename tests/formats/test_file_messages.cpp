#include "formats/bmp_codec.h"
#include "formats/picture_file.h"
#include "places/photo_reader.h"
#include "platform/errors.h"
#include "platform/file_replacement.h"

#include <QDirIterator>
#include <QImageWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <sys/stat.h>
#include <zlib.h>

// Every refusal of a file a parent or teacher meets names the file and says why in Russian.

namespace {

const QString svg =
    "<svg xmlns='http://www.w3.org/2000/svg' width='900' height='900'><circle r='400'/></svg>";

void write_file(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray png(QSize size)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QImageWriter(&buffer, "png").write(image);
    return bytes;
}

// A PNG whose header claims `width` x `height` pixels; its pixel data is that of 8 x 8.
QByteArray claimed_png(quint32 width, quint32 height)
{
    QByteArray bytes = png({8, 8});
    qToBigEndian(width, bytes.data() + 16);
    qToBigEndian(height, bytes.data() + 20);
    const auto* header = reinterpret_cast<const Bytef*>(bytes.constData() + 12);
    qToBigEndian(quint32(crc32(0, header, 17)), bytes.data() + 29);
    return bytes;
}

QString refusal(const std::function<void()>& act)
{
    try {
        act();
    } catch (const platform::UserError& error) {
        return error.text();
    }
    return {};
}

// Mounts a small private file system at `folder` with `options`; false where the system refuses.
bool mount_disk(const QString& folder, const QString& options)
{
    QDir().mkpath(folder);
    return QProcess::execute("mount", {"-t", "tmpfs", "-o", options, "tmpfs", folder}) == 0;
}

} // namespace

class FileMessagesTest : public QObject {
    Q_OBJECT

private slots:
    void refusals_name_the_file_and_say_why_in_russian_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("said");
        QTest::newRow("missing") << "нет.png" << QByteArray() << "read"
                                 << "Нет такого файла";
        QTest::newRow("FIFO") << "труба.bmp" << QByteArray("{fifo}") << "read"
                              << "это не обычный файл";
        QTest::newRow("folder") << "папка.jpg" << QByteArray("{folder}") << "read"
                                << "это не обычный файл";
        QTest::newRow("SVG") << "круг.svg" << svg.toUtf8() << "read"
                             << "векторные картинки (SVG) не читаются";
        QTest::newRow("SVG named PNG") << "круг.png" << svg.toUtf8() << "read"
                                       << "векторные картинки (SVG) не читаются";
        QTest::newRow("SVG photograph") << "круг.png" << svg.toUtf8() << "photograph"
                                        << "векторные картинки (SVG) не читаются";
        QTest::newRow("truncated BMP") << "обрезан.bmp" << QByteArray("BM broken") << "read"
                                       << "картинка BMP повреждена";
        QTest::newRow("damaged JPEG") << "обрезан.jpg" << QByteArray("\xff\xd8\xff\xe0 broken") << "read"
                                      << "файл JPEG повреждён";
        QTest::newRow("PNG claiming too many pixels") << "огромная.png" << claimed_png(20000, 20000) << "read"
                                                      << "картинка слишком большая";
        QTest::newRow("damaged PNG") << "обрезана.png" << png({64, 64}).left(60) << "read"
                                     << "картинка повреждена и не читается";
        QTest::newRow("read-only drawing saved") << "готово.bmp" << QByteArray("{read-only}") << "save"
                                                 << "Нет доступа к файлу";
        QTest::newRow("read-only disk saved")
            << "диск/рисунок.bmp" << QByteArray("{read-only disk}") << "save"
            << "Диск только для чтения";
    }

    void refusals_name_the_file_and_say_why_in_russian()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, how);
        QFETCH(QString, said);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        if (bytes == "{fifo}")
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (bytes == "{folder}")
            QVERIFY(QDir().mkpath(path));
        else if (bytes == "{read-only}")
            write_file(path, ""), QFile::setPermissions(path, QFileDevice::ReadOwner);
        else if (bytes == "{read-only disk}" && !mount_disk(dir.filePath("диск"), "size=64k,ro"))
            QSKIP("no permission to mount a small file system here");
        else if (!bytes.isEmpty() && !bytes.startsWith('{'))
            write_file(path, bytes);
        const QString text = refusal([&] {
            if (how == "read")
                formats::read_picture_file(path);
            else if (how == "photograph")
                places::read_photograph(path, {474, 593});
            else
                formats::write_bmp(pixels::Bitmap(8, 8), path);
        });
        if (bytes == "{read-only disk}")
            QProcess::execute("umount", {dir.filePath("диск")});
        QVERIFY2(text.startsWith(path + ": ") && text.contains(said), qPrintable(text));
        // Nothing but Russian after the name, save the names of formats and the codec's own words.
        QString reason = text.mid(path.size());
        reason.remove(QRegularExpression("SVG|JPEG|PNG|BMP|\\(Bitmap image is not valid\\)"));
        QVERIFY2(!reason.contains(QRegularExpression("[A-Za-z]")), qPrintable(text));
    }

    // A photograph of 35 megapixels takes more than Qt's own 128 MB once decoded.
    void a_large_png_photograph_is_read()
    {
        QTemporaryDir dir;
        write_file(dir.filePath("фото.png"), png({7000, 5000}));
        QCOMPARE(places::read_photograph(dir.filePath("фото.png"), {474, 593}).size(), QSize(7000, 5000));
    }

    // A save stopped between its write and its rename left its temporary file; the next save
    // into that folder removes it, and no file of another naming or another save's fresh one.
    void a_stale_temporary_goes_with_the_next_save()
    {
        QTemporaryDir dir;
        const QStringList left{"рисунок.bmp.0badf00d.tmp", "рисунок.bmp.1234abcd.tmp", "заметки.tmp"};
        for (const QString& name : left)
            write_file(dir.filePath(name), "left");
        const QDateTime hour_ago = QDateTime::currentDateTime().addSecs(-3600);
        for (const QString& name : {left[0], left[2]}) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(hour_ago, QFileDevice::FileModificationTime));
        }
        formats::write_bmp(pixels::Bitmap(8, 8), dir.filePath("другой.bmp"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files, QDir::Name),
                 (QStringList{"другой.bmp", "заметки.tmp", "рисунок.bmp.1234abcd.tmp"}));
    }
};

QTEST_GUILESS_MAIN(FileMessagesTest)
#include "test_file_messages.moc"
