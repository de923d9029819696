#include "formats/text_1251.h"

#include <QStringDecoder>
#include <QTest>

using formats::decode_windows_1251;
using formats::encode_windows_1251;

class TestText1251 : public QObject {
    Q_OBJECT

private slots:
    void letters_outside_the_alphabet_block()
    {
        QCOMPARE(decode_windows_1251(QByteArray("\xB8\xA8\xB9", 3)), QString::fromUtf8("ёЁ№"));
        QCOMPARE(encode_windows_1251(QString::fromUtf8("ёЁ№")), QByteArray("\xB8\xA8\xB9", 3));
    }

    void whole_cyrillic_alphabet()
    {
        QByteArray bytes;
        QString letters;
        for (int code = 0xC0; code <= 0xFF; ++code) {
            bytes.append(static_cast<char>(code));
            letters.append(QChar(0x0410 + code - 0xC0));
        }
        QCOMPARE(decode_windows_1251(bytes), letters);
        QCOMPARE(encode_windows_1251(letters), bytes);
        QCOMPARE(decode_windows_1251(bytes).left(3), QString::fromUtf8("АБВ"));
        QCOMPARE(decode_windows_1251(bytes).right(3), QString::fromUtf8("эюя"));
    }

    void resource_file_names_and_texts()
    {
        const QString name = QString::fromUtf8("назад чб.bmp");
        QCOMPARE(encode_windows_1251(name), QByteArray("\xED\xE0\xE7\xE0\xE4 \xF7\xE1.bmp"));
        const QString requirements = QString::fromUtf8("разрешение не менее 1024х768, мышь");
        QCOMPARE(decode_windows_1251(encode_windows_1251(requirements)), requirements);
    }

    void every_byte_survives_a_round_trip()
    {
        QByteArray all;
        for (int code = 0; code < 256; ++code)
            all.append(static_cast<char>(code));
        const QString text = decode_windows_1251(all);
        QCOMPARE(text.size(), 256);
        QCOMPARE(encode_windows_1251(text), all);
    }

    void agrees_with_the_system_codec_where_it_has_one()
    {
        QStringDecoder system("windows-1251");
        if (!system.isValid())
            QSKIP("Qt has no windows-1251 codec here");
        for (int code = 0; code < 256; ++code) {
            if (code == 0x98)
                continue;
            const QByteArray byte(1, static_cast<char>(code));
            const QString expected = system.decode(byte);
            QVERIFY2(decode_windows_1251(byte) == expected, qPrintable(QString::number(code, 16)));
        }
    }

    void characters_outside_the_code_page_become_question_marks()
    {
        QCOMPARE(encode_windows_1251(QString::fromUtf8("a\u00E9b\u4E2Dc")), QByteArray("a?b?c"));
        // One character beyond the basic plane is one question mark, not two.
        QCOMPARE(encode_windows_1251(QString::fromUtf8("x\U0001F600y")), QByteArray("x?y"));
        QCOMPARE(encode_windows_1251(QString::fromUtf8("\u20AC\u2116\u00AB\u00BB")),
                 QByteArray("\x88\xB9\xAB\xBB"));
    }

    void empty_text()
    {
        QVERIFY(decode_windows_1251({}).isEmpty());
        QVERIFY(encode_windows_1251({}).isEmpty());
    }
};

QTEST_MAIN(TestText1251)
#include "test_text_1251.moc"
