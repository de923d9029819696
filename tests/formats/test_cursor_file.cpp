#include "formats/cursor_file.h"
#include "formats/little_endian.h"
#include "platform/errors.h"

#include <QBuffer>
#include <QFile>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <functional>

using formats::CursorImage;
using platform::ImageError;

namespace {

// What a hand-made cursor holds: per pixel a palette index (bits <= 8) or a colour, and the mask bit.
struct HandMade {
    int width = 16;
    int height = 16;
    int bits = 1;
    QList<QRgb> palette{qRgb(0, 0, 0), qRgb(255, 255, 255)};
    QPoint hotspot{3, 12};
    std::function<quint32(int, int)> value = [](int x, int y) { return quint32((x + y) % 2); };
    std::function<bool(int, int)> masked = [](int x, int) { return x < 4; };
};

QByteArray pack_rows(int width, int height, int bits, const std::function<quint32(int, int)>& value)
{
    const int stride = (width * bits + 31) / 32 * 4;
    QByteArray rows;
    for (int y = height - 1; y >= 0; --y) {
        QByteArray row(stride, '\0');
        for (int x = 0; x < width; ++x) {
            const quint32 v = value(x, y);
            if (bits >= 24) {
                for (int byte = 0; byte < bits / 8; ++byte)
                    row[x * bits / 8 + byte] = char(v >> (8 * byte) & 0xFF);
            } else {
                const int bit = x * bits;
                const int shift = 8 - bits - bit % 8;
                row[bit / 8] = char(row[bit / 8] | v << shift);
            }
        }
        rows.append(row);
    }
    return rows;
}

QByteArray directory(QPoint hotspot, quint32 image_size)
{
    QByteArray out;
    formats::append_u16(out, 0);
    formats::append_u16(out, 2);
    formats::append_u16(out, 1);
    out.append(char(16)).append(char(16)).append(char(0)).append(char(0));
    formats::append_u16(out, quint16(hotspot.x()));
    formats::append_u16(out, quint16(hotspot.y()));
    formats::append_u32(out, image_size);
    formats::append_u32(out, 22);
    return out;
}

QByteArray build(const HandMade& cur)
{
    QByteArray image;
    formats::append_u32(image, 40);
    formats::append_u32(image, quint32(cur.width));
    formats::append_u32(image, quint32(cur.height * 2));
    formats::append_u16(image, 1);
    formats::append_u16(image, quint16(cur.bits));
    for (int i = 0; i < 4; ++i)
        formats::append_u32(image, 0);
    formats::append_u32(image, cur.bits <= 8 ? quint32(cur.palette.size()) : 0);
    formats::append_u32(image, 0);
    for (QRgb colour : cur.palette) {
        if (cur.bits > 8)
            break;
        image.append(char(qBlue(colour)))
            .append(char(qGreen(colour)))
            .append(char(qRed(colour)))
            .append('\0');
    }
    image.append(pack_rows(cur.width, cur.height, cur.bits, cur.value));
    image.append(
        pack_rows(cur.width, cur.height, 1, [&](int x, int y) { return quint32(cur.masked(x, y)); }));
    return directory(cur.hotspot, quint32(image.size())) + image;
}

QRgb at(const CursorImage& cursor, int x, int y)
{
    return cursor.image.pixel(x, y);
}

} // namespace

class TestCursorFile : public QObject {
    Q_OBJECT

private slots:
    void hand_made_one_bit_cursor()
    {
        const CursorImage cursor = formats::decode_cursor(build(HandMade{}));
        QCOMPARE(cursor.hotspot, QPoint(3, 12));
        QCOMPARE(cursor.image.size(), QSize(16, 16));
        QCOMPARE(at(cursor, 0, 0), qRgba(0, 0, 0, 0));   // masked, black: transparent
        QCOMPARE(at(cursor, 1, 0), qRgb(255, 255, 255)); // masked, white: inverting, kept visible
        QCOMPARE(at(cursor, 4, 0), qRgb(0, 0, 0));
        QCOMPARE(at(cursor, 5, 0), qRgb(255, 255, 255));
        // The file is stored bottom-up: the top row of the picture is the last row of the file.
        QCOMPARE(at(cursor, 4, 15), qRgb(255, 255, 255));
        QCOMPARE(at(cursor, 15, 15), qRgb(0, 0, 0));
    }

    void four_and_eight_bit_palettes()
    {
        for (int bits : {4, 8}) {
            HandMade cur;
            cur.bits = bits;
            cur.palette = {qRgb(0, 0, 0), qRgb(200, 10, 20), qRgb(5, 150, 60), qRgb(1, 2, 250)};
            cur.value = [](int x, int) { return quint32(x % 4); };
            cur.masked = [](int, int y) { return y == 0; };
            const CursorImage cursor = formats::decode_cursor(build(cur));
            QCOMPARE(at(cursor, 1, 5), qRgb(200, 10, 20));
            QCOMPARE(at(cursor, 2, 5), qRgb(5, 150, 60));
            QCOMPARE(at(cursor, 7, 9), qRgb(1, 2, 250));
            QCOMPARE(at(cursor, 4, 0), qRgba(0, 0, 0, 0));
        }
    }

    void index_beyond_a_short_palette_is_black()
    {
        HandMade cur;
        cur.bits = 4;
        cur.palette = {qRgb(10, 20, 30)};
        cur.value = [](int x, int) { return quint32(x == 2 ? 9 : 0); };
        cur.masked = [](int, int) { return false; };
        const CursorImage cursor = formats::decode_cursor(build(cur));
        QCOMPARE(at(cursor, 0, 0), qRgb(10, 20, 30));
        QCOMPARE(at(cursor, 2, 0), qRgb(0, 0, 0));
    }

    void true_colour_with_mask_and_with_alpha()
    {
        HandMade cur;
        cur.bits = 24;
        cur.width = 5;
        cur.masked = [](int x, int) { return x == 0; };
        cur.value = [](int x, int) { return x == 0 ? 0u : x == 1 ? 0xFF0000u : 0x102030u; };
        CursorImage cursor = formats::decode_cursor(build(cur));
        QCOMPARE(at(cursor, 0, 3), qRgba(0, 0, 0, 0));
        QCOMPARE(at(cursor, 1, 3), qRgb(255, 0, 0));
        QCOMPARE(at(cursor, 2, 3), qRgb(0x10, 0x20, 0x30));

        cur.bits = 32;
        cur.value = [](int x, int) { return x == 1 ? 0x800000FFu : x == 2 ? 0xFF00FF00u : 0u; };
        cur.masked = [](int, int) { return false; };
        cursor = formats::decode_cursor(build(cur));
        // With alpha present the AND mask does not matter.
        QCOMPARE(at(cursor, 0, 0), qRgba(0, 0, 0, 0));
        QCOMPARE(at(cursor, 1, 0), qRgba(0, 0, 255, 0x80));
        QCOMPARE(at(cursor, 2, 0), qRgba(0, 255, 0, 255));
    }

    void png_image_inside()
    {
        QImage picture(20, 10, QImage::Format_ARGB32);
        picture.fill(qRgba(0, 0, 0, 0));
        picture.setPixel(4, 6, qRgba(10, 200, 30, 255));
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(picture.save(&buffer, "PNG"));
        const CursorImage cursor = formats::decode_cursor(directory(QPoint(4, 6), quint32(png.size())) + png);
        QCOMPARE(cursor.hotspot, QPoint(4, 6));
        QCOMPARE(cursor.image.size(), QSize(20, 10));
        QCOMPARE(at(cursor, 4, 6), qRgb(10, 200, 30));
        QCOMPARE(qAlpha(at(cursor, 0, 0)), 0);
    }

    void encoded_cursor_reads_back()
    {
        QImage picture(32, 32, QImage::Format_ARGB32);
        picture.fill(qRgba(0, 0, 0, 0));
        for (int i = 0; i < 32; ++i)
            picture.setPixel(i, i, qRgb(200, 0, 40));
        picture.setPixel(31, 0, qRgba(1, 2, 3, 100));
        const QByteArray bytes = formats::encode_cursor({picture, QPoint(7, 25)});
        QCOMPARE(bytes.size(), 6 + 16 + 40 + 32 * 32 * 4 + 32 * 4);
        QCOMPARE(qFromLittleEndian<quint16>(bytes.constData() + 2), quint16(2));
        QCOMPARE(qFromLittleEndian<quint16>(bytes.constData() + 10), quint16(7));
        QCOMPARE(qFromLittleEndian<quint16>(bytes.constData() + 12), quint16(25));
        const CursorImage cursor = formats::decode_cursor(bytes);
        QCOMPARE(cursor.hotspot, QPoint(7, 25));
        QCOMPARE(cursor.image, picture);
        // The AND mask is set where the picture is transparent, for systems that ignore alpha.
        const int mask_start = 22 + 40 + 32 * 32 * 4;
        QCOMPARE(quint8(bytes[mask_start + 31 * 4]), quint8(0x7F));     // top row, bottom-up: x 0 opaque
        QCOMPARE(quint8(bytes[mask_start + 31 * 4 + 3]), quint8(0xFE)); // x 31 opaque too
    }

    void smaller_and_larger_pictures_fill_thirty_two()
    {
        QImage small(10, 8, QImage::Format_RGB32);
        small.fill(qRgb(0, 0, 255));
        CursorImage cursor = formats::decode_cursor(formats::encode_cursor({small, QPoint(9, 7)}));
        QCOMPARE(cursor.image.size(), QSize(32, 32));
        QCOMPARE(at(cursor, 9, 7), qRgb(0, 0, 255));
        QCOMPARE(qAlpha(at(cursor, 10, 7)), 0);
        QCOMPARE(cursor.hotspot, QPoint(9, 7));

        QImage large(64, 64, QImage::Format_RGB32);
        large.fill(qRgb(0, 255, 0));
        cursor = formats::decode_cursor(formats::encode_cursor({large, QPoint(40, 63)}));
        QCOMPARE(cursor.image.size(), QSize(32, 32));
        QCOMPARE(cursor.hotspot, QPoint(20, 31));
        QCOMPARE(at(cursor, 31, 31), qRgb(0, 255, 0));
    }

    void malformed_files_are_refused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray good = build(HandMade{});
        auto patched = [&](int offset, QByteArray value) {
            QByteArray bytes = good;
            bytes.replace(offset, value.size(), value);
            return bytes;
        };
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("header only") << good.left(6);
        QTest::newRow("icon, not cursor") << patched(2, QByteArray("\x01\x00", 2));
        QTest::newRow("no images") << patched(4, QByteArray("\x00\x00", 2));
        QTest::newRow("offset past end") << patched(18, QByteArray("\xFF\xFF\x00\x00", 4));
        QTest::newRow("truncated pixels") << good.left(good.size() - 1);
        QTest::newRow("zero width") << patched(26, QByteArray(4, '\0'));
        QTest::newRow("huge width") << patched(26, QByteArray("\x00\x00\x01\x00", 4));
        QTest::newRow("negative height") << patched(30, QByteArray("\xE0\xFF\xFF\xFF", 4));
        QTest::newRow("odd height") << patched(30, QByteArray("\x21\x00\x00\x00", 4));
        QTest::newRow("16 bits") << patched(36, QByteArray("\x10\x00", 2));
        QTest::newRow("compressed") << patched(38, QByteArray("\x01\x00\x00\x00", 4));
        QTest::newRow("palette too long") << patched(54, QByteArray("\x03\x00\x00\x00", 4));
        QTest::newRow("small header") << patched(22, QByteArray("\x0C\x00\x00\x00", 4));
        QTest::newRow("bad png") << directory(QPoint(), 12) + QByteArray("\x89PNG\r\n\x1A\nxxxx", 12);
        QTest::newRow("png header only")
            << directory(QPoint(), 16) + QByteArray("\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR", 16);
        QByteArray huge_png =
            QByteArray("\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR\0\0\x40\0\0\0\x40\0", 24) + QByteArray(40, '\0');
        QTest::newRow("huge png") << directory(QPoint(), quint32(huge_png.size())) + huge_png;
    }

    void malformed_files_are_refused()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY_THROWS_EXCEPTION(ImageError, formats::decode_cursor(bytes));
    }

    void wrong_byte_count_in_entry_is_tolerated()
    {
        QByteArray bytes = build(HandMade{});
        bytes.replace(14, 4, QByteArray("\x10\x00\x00\x00", 4));
        QCOMPARE(formats::decode_cursor(bytes).hotspot, QPoint(3, 12));
    }

    void sample_files_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("hotspot");
        QTest::addColumn<QPoint>("opaque_at");
        QTest::addColumn<QRgb>("opaque");
        QTest::addColumn<QPoint>("clear_at");
        QTest::newRow("1 bit") << "arrow_1bit.cur" << QSize(32, 32) << QPoint(0, 0) << QPoint(1, 10)
                               << qRgb(255, 255, 255) << QPoint(20, 2);
        QTest::newRow("1 bit outline") << "arrow_1bit.cur" << QSize(32, 32) << QPoint(0, 0) << QPoint(0, 5)
                                       << qRgb(0, 0, 0) << QPoint(31, 31);
        QTest::newRow("8 bits") << "bucket_8bit.cur" << QSize(16, 16) << QPoint(8, 15) << QPoint(13, 10)
                                << qRgb(20, 40, 230) << QPoint(5, 1);
        QTest::newRow("24 bits") << "cross_24bit.cur" << QSize(20, 20) << QPoint(10, 10) << QPoint(10, 3)
                                 << qRgb(255, 128, 0) << QPoint(3, 3);
        QTest::newRow("32 bits") << "brush_32bit.cur" << QSize(32, 32) << QPoint(3, 28) << QPoint(5, 5)
                                 << qRgb(0x20, 0x30, 0x80) << QPoint(20, 2);
        QTest::newRow("32 bits, soft edge") << "brush_32bit.cur" << QSize(32, 32) << QPoint(3, 28)
                                            << QPoint(6, 5) << qRgba(0x20, 0x30, 0x80, 0x40) << QPoint(0, 31);
        QTest::newRow("png") << "pipette_png.cur" << QSize(32, 32) << QPoint(0, 31) << QPoint(0, 31)
                             << qRgb(0x30, 0x50, 0x70) << QPoint(5, 5);
    }

    void sample_files()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QFETCH(QPoint, hotspot);
        QFETCH(QPoint, opaque_at);
        QFETCH(QRgb, opaque);
        QFETCH(QPoint, clear_at);
        const QString path = qEnvironmentVariable("KOLORITON_TEST_DATA") + "/cursor/" + name;
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const CursorImage cursor = formats::decode_cursor(file.readAll());
        QCOMPARE(cursor.image.size(), size);
        QCOMPARE(cursor.hotspot, hotspot);
        QCOMPARE(at(cursor, opaque_at.x(), opaque_at.y()), opaque);
        QCOMPARE(qAlpha(at(cursor, clear_at.x(), clear_at.y())), 0);
        const auto loaded = formats::load_cursor_file(path);
        QVERIFY(loaded.has_value());
        QCOMPARE(loaded->hotSpot(), hotspot);
    }

    void loading_from_files()
    {
        QTemporaryDir dir;
        QVERIFY(!formats::load_cursor_file(dir.filePath("missing.cur")).has_value());

        QFile broken(dir.filePath("broken.cur"));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("not a cursor at all");
        broken.close();
        QVERIFY(!formats::load_cursor_file(broken.fileName()).has_value());

        QImage picture(32, 32, QImage::Format_ARGB32);
        picture.fill(qRgb(255, 0, 0));
        QFile good(dir.filePath(QString::fromUtf8("кисть.cur")));
        QVERIFY(good.open(QIODevice::WriteOnly));
        good.write(formats::encode_cursor({picture, QPoint(2, 30)}));
        good.close();
        const auto cursor = formats::load_cursor_file(good.fileName());
        QVERIFY(cursor.has_value());
        QCOMPARE(cursor->shape(), Qt::BitmapCursor);
        QCOMPARE(cursor->hotSpot(), QPoint(2, 30));
        QCOMPARE(cursor->pixmap().toImage().pixel(5, 5), qRgb(255, 0, 0));
    }

    void screen_cursor_table()
    {
        formats::ScreenCursors cursors;
        QCOMPARE(cursors.cursor(50).shape(), Qt::ArrowCursor);
        cursors.register_cursor(50, QCursor(Qt::CrossCursor));
        cursors.register_cursor(51, QCursor(Qt::PointingHandCursor));
        QVERIFY(cursors.contains(50));
        QCOMPARE(cursors.cursor(50).shape(), Qt::CrossCursor);
        cursors.register_cursor(50, std::nullopt);
        QVERIFY(!cursors.contains(50));
        QCOMPARE(cursors.cursor(50).shape(), Qt::ArrowCursor);
        QCOMPARE(cursors.cursor(51).shape(), Qt::PointingHandCursor);
        cursors.register_cursor(53, formats::load_cursor_file("/nonexistent/пипетка.cur"));
        QCOMPARE(cursors.cursor(53).shape(), Qt::ArrowCursor);
    }
};

QTEST_MAIN(TestCursorFile)
#include "test_cursor_file.moc"
