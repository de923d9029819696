#include "formats/bmp_codec.h"
#include "platform/errors.h"

#include "crafted_bmp.h"

#include <QFile>
#include <QtTest>
#include <sys/resource.h>

using namespace formats;
using namespace platform;
using namespace pixels;
using crafted::bytes;
using crafted::ramp;

namespace {

// Keeps the process's address space near its present size, so that a decoder that allocated
// the claimed picture before checking the file would fail with bad_alloc instead of refusing.
class AddressSpaceLimit {
public:
    explicit AddressSpaceLimit(rlim_t headroom)
    {
        getrlimit(RLIMIT_AS, &old_);
        QFile status("/proc/self/status");
        status.open(QIODevice::ReadOnly);
        rlim_t in_use = 0;
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.startsWith("VmSize:"))
                in_use = line.mid(7).trimmed().split(' ').first().toULongLong() * 1024;
        rlimit limit = old_;
        limit.rlim_cur = in_use + headroom;
        setrlimit(RLIMIT_AS, &limit);
    }
    ~AddressSpaceLimit() { setrlimit(RLIMIT_AS, &old_); }

private:
    rlimit old_{};
};

} // namespace

class TestBmpMalformed : public QObject {
    Q_OBJECT

private slots:
    void malformed_files_are_refused_data();
    void malformed_files_are_refused()
    {
        QFETCH(QByteArray, file);
        try {
            decode_bmp(file);
            QFAIL("a malformed file was accepted");
        } catch (const ImageError& error) {
            QCOMPARE(error.text(), QStringLiteral("Bitmap image is not valid"));
        }
    }

    void absurd_dimensions_are_refused_before_any_allocation()
    {
        crafted::Bmp huge = crafted::make(16384, 16384, 24);
        crafted::Bmp huge_one_bit = crafted::make(16384, -16384, 1);
        huge_one_bit.palette = ramp(2);
        crafted::Bmp huge_rle = crafted::make(30000, 30000, 8, 1);
        huge_rle.palette = ramp(2);
        huge_rle.pixels = bytes({0, 1});
        crafted::Bmp cut_rle = crafted::make(16384, 16384, 8, 1);
        cut_rle.palette = ramp(2);
        cut_rle.pixels = bytes({255, 1, 0, 2, 0, 255});
        const QList<QByteArray> files{crafted::file(huge), crafted::file(huge_one_bit),
                                      crafted::file(huge_rle), crafted::file(cut_rle)};
        const AddressSpaceLimit limit(64u << 20);
        for (const QByteArray& file : files) {
            try {
                decode_bmp(file);
                QFAIL("an absurd file was accepted");
            } catch (const ImageError& error) {
                QCOMPARE(error.text(), bitmap_not_valid);
            }
        }
    }
};

void TestBmpMalformed::malformed_files_are_refused_data()
{
    QTest::addColumn<QByteArray>("file");
    crafted::Bmp plain = crafted::make(2, 2, 24);
    plain.pixels = QByteArray(16, '\x40');
    const QByteArray good = crafted::file(plain);
    QVERIFY(!decode_bmp(good).is_null());

    auto mutated = [&](int at, std::uint64_t value, int size) {
        QByteArray file = good;
        crafted::put_at(file, at, value, size);
        return file;
    };
    auto with = [&](auto change) {
        crafted::Bmp bmp = plain;
        change(bmp);
        return crafted::file(bmp);
    };
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("bad magic") << mutated(0, 'X', 1);
    QTest::newRow("only the file header") << good.left(14);
    QTest::newRow("header cut short") << good.left(30);
    QTest::newRow("header size 0") << mutated(14, 0, 4);
    QTest::newRow("header size 20") << mutated(14, 20, 4);
    QTest::newRow("header larger than the file") << mutated(14, 108, 4).left(100);
    QTest::newRow("pixel offset beyond the file") << mutated(10, good.size() + 1, 4);
    QTest::newRow("pixel offset inside the header") << mutated(10, 20, 4);
    QTest::newRow("pixels truncated") << good.left(good.size() - 3);
    QTest::newRow("width 0") << mutated(18, 0, 4);
    QTest::newRow("width negative") << mutated(18, static_cast<std::uint32_t>(-2), 4);
    QTest::newRow("height 0") << mutated(22, 0, 4);
    QTest::newRow("height of the smallest integer") << mutated(22, 0x80000000u, 4);
    QTest::newRow("planes 0") << mutated(26, 0, 2);
    QTest::newRow("planes 2") << mutated(26, 2, 2);
    for (int bits : {0, 2, 7, 64})
        QTest::addRow("bits %d", bits) << mutated(28, bits, 2);
    for (int compression : {4, 5, 6, 99})
        QTest::addRow("compression %d", compression) << mutated(30, compression, 4);
    QTest::newRow("width beyond 32768") << mutated(18, 40000, 4);
    QTest::newRow("height beyond 32768") << mutated(22, 40000, 4);
    QByteArray too_many = mutated(18, 20000, 4);
    crafted::put_at(too_many, 22, 20000, 4);
    QTest::newRow("more than 2^28 pixels") << too_many;
    QTest::newRow("rle8 at four bits") << with([](crafted::Bmp& b) {
        b.bits = 4, b.compression = 1, b.palette = ramp(16), b.pixels = bytes({0, 1});
    });
    QTest::newRow("rle4 at eight bits") << with([](crafted::Bmp& b) {
        b.bits = 8, b.compression = 2, b.palette = ramp(16), b.pixels = bytes({0, 1});
    });
    QTest::newRow("top-down rle") << with([](crafted::Bmp& b) {
        b.bits = 8, b.height = -2, b.compression = 1, b.palette = ramp(4), b.pixels = bytes({0, 1});
    });
    QTest::newRow("bitfields at 24 bits") << with([](crafted::Bmp& b) {
        b.compression = 3, b.masks = std::array<std::uint32_t, 3>{0xFF0000, 0xFF00, 0xFF};
    });
    QTest::newRow("bitfields mask with a gap") << with([](crafted::Bmp& b) {
        b.bits = 16, b.compression = 3, b.masks = std::array<std::uint32_t, 3>{0xF0F0, 0x0F00, 0x000F};
    });
    QTest::newRow("16-bit mask beyond the pixel") << with([](crafted::Bmp& b) {
        b.bits = 16, b.compression = 3, b.masks = std::array<std::uint32_t, 3>{0x1F0000, 0x03E0, 0x001F};
    });
    QTest::newRow("bitfields without their masks")
        << with([](crafted::Bmp& b) { b.bits = 32, b.compression = 3, b.pixels.clear(); }).left(14 + 40 + 6);
    QTest::newRow("bitfields in the 64-byte header") << with([](crafted::Bmp& b) {
        b.header_size = 64, b.bits = 32, b.compression = 3, b.pixels = QByteArray(16, '\0');
    });
    QTest::newRow("core header at 16 bits") << with([](crafted::Bmp& b) { b.header_size = 12, b.bits = 16; });
    QTest::newRow("no room for the colour table")
        << with([](crafted::Bmp& b) { b.bits = 8, b.palette = {}, b.pixels = QByteArray(8, '\0'); });
    auto rle = [&](QByteArray data) {
        return with(
            [&](crafted::Bmp& b) { b.bits = 8, b.compression = 1, b.palette = ramp(4), b.pixels = data; });
    };
    QTest::newRow("rle ends inside the bitmap") << rle(bytes({2, 1, 0, 0}));
    QTest::newRow("rle run without its value") << rle(bytes({2, 1, 0, 0, 2}));
    QTest::newRow("rle absolute run cut short") << rle(bytes({0, 4, 1, 2}));
    QTest::newRow("rle delta cut short") << rle(bytes({0, 2, 1}));
}

QTEST_GUILESS_MAIN(TestBmpMalformed)
#include "test_bmp_malformed.moc"
