#include "formats/jpeg.h"
#include "platform/errors.h"

#include "support/progressive_jpeg.h"
#include "support/test_tree.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace formats;
using namespace platform;

namespace {

QString sample(const QString& name)
{
    return testing_support::test_data_dir() + "/jpeg/" + name;
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

bool near(QRgb actual, QRgb expected, int tolerance)
{
    return std::abs(qRed(actual) - qRed(expected)) <= tolerance &&
           std::abs(qGreen(actual) - qGreen(expected)) <= tolerance &&
           std::abs(qBlue(actual) - qBlue(expected)) <= tolerance;
}

QString describe(QRgb colour)
{
    return QStringLiteral("(%1, %2, %3)").arg(qRed(colour)).arg(qGreen(colour)).arg(qBlue(colour));
}

// Red, green, blue and white quarters, as the sample files are drawn.
void expect_quadrants(const QImage& image, int tolerance)
{
    const int w = image.width();
    const int h = image.height();
    const QList<std::pair<QPoint, QRgb>> probes{{{w / 4, h / 4}, qRgb(255, 0, 0)},
                                                {{3 * w / 4, h / 4}, qRgb(0, 255, 0)},
                                                {{w / 4, 3 * h / 4}, qRgb(0, 0, 255)},
                                                {{3 * w / 4, 3 * h / 4}, qRgb(255, 255, 255)}};
    for (const auto& [point, expected] : probes) {
        const QRgb actual = image.pixel(point);
        QVERIFY2(near(actual, expected, tolerance),
                 qPrintable(describe(actual) + " at " + QString::number(point.x()) + "," +
                            QString::number(point.y())));
        QCOMPARE(qAlpha(actual), 255);
    }
}

} // namespace

class TestJpeg : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
    }

    void decodes_colour_files_whole_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("baseline") << "quadrants.jpg";
        QTest::newRow("progressive") << "progressive.jpg";
        QTest::newRow("Adobe CMYK") << "cmyk.jpg";
    }
    void decodes_colour_files_whole()
    {
        QFETCH(QString, name);
        const QImage image = read_jpeg(sample(name));
        QCOMPARE(image.size(), QSize(64, 48));
        QCOMPARE(image.format(), QImage::Format_RGB32);
        expect_quadrants(image, 8);
    }

    void decodes_greyscale_to_equal_channels()
    {
        const QImage image = read_jpeg(sample("gray.jpg"));
        QCOMPARE(image.size(), QSize(16, 16));
        const QRgb pixel = image.pixel(7, 9);
        QCOMPARE(qRed(pixel), qGreen(pixel));
        QCOMPARE(qGreen(pixel), qBlue(pixel));
        QVERIFY(std::abs(qRed(pixel) - 128) <= 2);
    }

    void scaled_decode_gives_exactly_the_target_data()
    {
        QTest::addColumn<QSize>("target");
        QTest::newRow("thumbnail") << QSize(123, 123);
        QTest::newRow("an eighth") << QSize(123, 93);
        QTest::newRow("between scales") << QSize(300, 200);
        QTest::newRow("full size") << QSize(984, 738);
        QTest::newRow("larger than the file") << QSize(1200, 800);
    }
    void scaled_decode_gives_exactly_the_target()
    {
        QFETCH(QSize, target);
        const QImage image = read_jpeg_scaled(sample("large.jpg"), target);
        QCOMPARE(image.size(), target);
        QCOMPARE(image.format(), QImage::Format_RGB32);
        expect_quadrants(image, 10);
    }

    void scaled_decode_at_full_size_equals_the_full_decode()
    {
        QCOMPARE(read_jpeg_scaled(sample("large.jpg"), QSize(984, 738)), read_jpeg(sample("large.jpg")));
    }

    void missing_file_is_a_file_error_naming_it()
    {
        const QString path = dir_->filePath("absent.jpg");
        try {
            read_jpeg(path);
            QFAIL("no error");
        } catch (const FileError& error) {
            QVERIFY2(error.text().startsWith(path + ": "), qPrintable(error.text()));
        }
    }

    void damaged_files_are_image_errors_naming_the_file_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray whole = contents(sample("large.jpg"));
        QVERIFY(whole.size() > 1000);
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("not a JPEG") << QByteArray("GIF89a and then some more bytes of no picture");
        QTest::newRow("cut in the header") << whole.left(100);
        QTest::newRow("cut in the pixel data") << whole.left(whole.size() / 2);
        QTest::newRow("cut before the end mark") << whole.left(whole.size() - 2);
        QByteArray garbled = whole;
        for (int i = whole.size() / 2; i < whole.size() / 2 + 64; ++i)
            garbled[i] = static_cast<char>(0xFF);
        QTest::newRow("garbled pixel data") << garbled;
        QByteArray marker_inside = whole;
        marker_inside[whole.size() / 2] = static_cast<char>(0xFF);
        marker_inside[whole.size() / 2 + 1] = static_cast<char>(0xD9);
        QTest::newRow("end mark inside the pixel data") << marker_inside;
    }
    void damaged_files_are_image_errors_naming_the_file()
    {
        QFETCH(QByteArray, bytes);
        const QString path = dir_->filePath("damaged.jpg");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        for (bool scaled : {false, true}) {
            try {
                scaled ? read_jpeg_scaled(path, QSize(123, 123)) : read_jpeg(path);
                QFAIL("a damaged file was decoded");
            } catch (const ImageError& error) {
                QVERIFY2(error.text().startsWith(path + ": "), qPrintable(error.text()));
                QVERIFY(error.text().size() > path.size() + 2);
            }
        }
    }

    // A decoding told to stop from another thread ends at its next row of blocks, an image error
    // naming the file; until told, the flag changes nothing.
    void a_cancelled_decoding_is_an_image_error_naming_the_file()
    {
        const QByteArray bytes = testing_support::progressive_jpeg({64, 64}, 10);
        std::atomic_bool cancelled{false};
        QCOMPARE(decode_jpeg(bytes, "kept.jpg", QSize(), &cancelled).size(), QSize(64, 64));
        cancelled = true;
        try {
            decode_jpeg(bytes, "stopped.jpg", QSize(8, 8), &cancelled);
            QFAIL("a cancelled decoding went on");
        } catch (const ImageError& error) {
            QVERIFY2(error.text().startsWith("stopped.jpg: "), qPrintable(error.text()));
        }
    }

private:
    std::unique_ptr<QTemporaryDir> dir_;
};

QTEST_GUILESS_MAIN(TestJpeg)
#include "test_jpeg.moc"
