#include "formats/rtf_reader.h"

#include <QFile>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

using formats::description_html;
using formats::rtf_to_html;

namespace {

struct Fragment {
    QString text;
    QTextCharFormat format;
};

QList<QString> blocks_of(const QString& html)
{
    QTextDocument document;
    document.setHtml(html);
    QList<QString> blocks;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        blocks << block.text();
    return blocks;
}

QList<Fragment> fragments_of(const QString& html)
{
    QTextDocument document;
    document.setHtml(html);
    QList<Fragment> fragments;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it)
            fragments << Fragment{it.fragment().text(), it.fragment().charFormat()};
    }
    return fragments;
}

Fragment find(const QList<Fragment>& fragments, const QString& text)
{
    for (const Fragment& fragment : fragments) {
        if (fragment.text.trimmed() == text)
            return fragment;
    }
    qWarning() << "no fragment" << text;
    return {};
}

QString text_of(const QByteArray& rtf)
{
    return blocks_of(rtf_to_html(rtf)).join(u'\n');
}

QByteArray sample(const char* name)
{
    QFile file(qEnvironmentVariable("KOLORITON_TEST_DATA") + "/rtf/" + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestRtfReader : public QObject {
    Q_OBJECT

private slots:
    void formatted_description()
    {
        const QByteArray rtf = sample("formatted.rtf");
        QVERIFY(!rtf.isEmpty());
        QVERIFY(formats::is_rtf(rtf));
        const QString html = rtf_to_html(rtf);
        QCOMPARE(blocks_of(html),
                 (QList<QString>{QString::fromUtf8("Маяк стоит на скале. Ночью он светит кораблям."),
                                 QString::fromUtf8("Свет виден\u2028за двадцать миль.")}));
        const QList<Fragment> fragments = fragments_of(html);
        const Fragment title = find(fragments, QString::fromUtf8("Маяк"));
        QCOMPARE(title.format.fontWeight(), int(QFont::Bold));
        QVERIFY(!title.format.fontItalic());
        QCOMPARE(title.format.fontPointSize(), 14.0);
        const Fragment rock = find(fragments, QString::fromUtf8("на скале."));
        QVERIFY(rock.format.fontItalic());
        QCOMPARE(rock.format.fontWeight(), int(QFont::Normal));
        QCOMPARE(rock.format.fontPointSize(), 10.0);
        const Fragment night = find(fragments, QString::fromUtf8("Ночью"));
        QCOMPARE(night.format.foreground().color(), QColor(200, 0, 0));
        QVERIFY(night.format.fontUnderline());
        const Fragment ships = find(fragments, QString::fromUtf8("кораблям."));
        QCOMPARE(ships.format.foreground().color(), QColor(0, 0, 160));
        QVERIFY(!ships.format.fontUnderline());
        // The colour ends with its group.
        const Fragment light = find(fragments, QString::fromUtf8("Свет виден"));
        QVERIFY(light.format.foreground().style() == Qt::NoBrush ||
                light.format.foreground().color() == QColor(Qt::black));
        QVERIFY(!html.contains("Tahoma"));
        QVERIFY(!html.contains("Riched"));
        QVERIFY(!html.contains(QString::fromUtf8("Автор")));
    }

    void sample_files_decode_the_same_text()
    {
        QTextDocument document;
        document.setHtml(description_html(sample("unicode.rtf")));
        QCOMPARE(document.blockCount(), 2);
        QCOMPARE(document.firstBlock().text(), QString::fromUtf8("Маяк"));
        QVERIFY(document.firstBlock().blockFormat().alignment() & Qt::AlignHCenter);
        QCOMPARE(document.lastBlock().text(),
                 QString::fromUtf8("Волны \u2014 зелёные\u00A0и\tсиние\u2028№ 7"));
        const QList<Fragment> fragments = fragments_of(document.toHtml());
        QCOMPARE(find(fragments, QString::fromUtf8("Маяк")).format.fontWeight(), int(QFont::Bold));
        QCOMPARE(find(fragments, QString::fromUtf8("зелёные")).format.foreground().color(),
                 QColor(0, 128, 0));

        QCOMPARE(blocks_of(description_html(sample("plain.txt"))),
                 (QList<QString>{QString::fromUtf8("Маяк"),
                                 QString::fromUtf8("Стоит на скале & светит <ночью>.")}));
    }

    void alignment_and_empty_paragraphs()
    {
        QTextDocument document;
        document.setHtml(rtf_to_html("{\\rtf1 left\\par\\par\\qc middle\\par\\pard right?\\qr\\par}"));
        QCOMPARE(document.blockCount(), 4);
        QCOMPARE(document.findBlockByNumber(0).text(), QString("left"));
        QCOMPARE(document.findBlockByNumber(1).text(), QString());
        QCOMPARE(document.findBlockByNumber(2).blockFormat().alignment() & Qt::AlignHorizontal_Mask,
                 Qt::AlignHCenter);
        QVERIFY(document.findBlockByNumber(3).blockFormat().alignment() & Qt::AlignRight);
        QCOMPARE(document.findBlockByNumber(0).blockFormat().alignment() & Qt::AlignHorizontal_Mask,
                 Qt::AlignLeft);
    }

    void groups_restore_formatting()
    {
        const QList<Fragment> fragments =
            fragments_of(rtf_to_html("{\\rtf1 {\\b\\i bold {\\b0 thin}} plain\\b on\\plain  off}"));
        QCOMPARE(find(fragments, "bold").format.fontWeight(), int(QFont::Bold));
        QVERIFY(find(fragments, "bold").format.fontItalic());
        QCOMPARE(find(fragments, "thin").format.fontWeight(), int(QFont::Normal));
        QVERIFY(find(fragments, "thin").format.fontItalic());
        QCOMPARE(find(fragments, "plain").format.fontWeight(), int(QFont::Normal));
        QVERIFY(!find(fragments, "plain").format.fontItalic());
        QCOMPARE(find(fragments, "on").format.fontWeight(), int(QFont::Bold));
        QCOMPARE(find(fragments, "off").format.fontWeight(), int(QFont::Normal));
    }

    void hex_escapes_and_unicode()
    {
        QCOMPARE(text_of("{\\rtf1\\ansi\\ansicpg1251 \\'cc\\'e8\\'f0 \\'b8\\'a8\\'b9}"),
                 QString::fromUtf8("Мир ёЁ№"));
        QCOMPARE(text_of("{\\rtf1 \xcc\xe8\xf0}"), QString::fromUtf8("Мир"));
        QCOMPARE(text_of("{\\rtf1\\uc1 \\u1046?\\u1105?x}"), QString::fromUtf8("Жёx"));
        QCOMPARE(text_of("{\\rtf1\\uc2 \\u1046??y}"), QString::fromUtf8("Жy"));
        QCOMPARE(text_of("{\\rtf1\\uc0 \\u1046?}"), QString::fromUtf8("Ж?"));
        QCOMPARE(text_of("{\\rtf1 \\u1046\\'3fz}"), QString::fromUtf8("Жz"));
        // The fallback count belongs to the group that set it.
        QCOMPARE(text_of("{\\rtf1 {\\uc2 \\u1046??}\\u1046?q}"), QString::fromUtf8("ЖЖq"));
        QCOMPARE(text_of("{\\rtf1 \\u-10179?\\u-8704?}"), QString::fromUtf8("\U0001F600"));
        QCOMPARE(text_of("{\\rtf1 a\\u-10179?b}"), QString::fromUtf8("a\uFFFDb"));
    }

    void control_symbols()
    {
        QCOMPARE(text_of("{\\rtf1 \\{a\\} \\\\ b\\~c\\-d\\_e}"),
                 QString::fromUtf8("{a} \\ b\u00A0cd\u2011e"));
        QCOMPARE(text_of("{\\rtf1 x\\tab y \\emdash  \\ldblquote z\\rdblquote}"),
                 QString::fromUtf8("x\ty \u2014 \u201Cz\u201D"));
        QCOMPARE(text_of("{\\rtf1 <b>&amp;\"}"), QString("<b>&amp;\""));
        QCOMPARE(text_of("{\\rtf1 one\\\ntwo}"), QString("one\ntwo"));
        QCOMPARE(text_of("{\\rtf1 a\r\nb\\line c}"), QString::fromUtf8("ab\u2028c"));
    }

    void destinations_are_skipped()
    {
        const QString text =
            text_of("{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\stylesheet{\\s0 Normal;}}"
                    "{\\info{\\title Secret}{\\author Nobody}}{\\*\\unknown hidden}"
                    "{\\*\\generator gen;}{\\pict\\bin4 }{}}}shown\\unknownword{\\header head}}");
        QCOMPARE(text, QString("shown"));
        QCOMPARE(text_of("{\\rtf1 a}trailing text"), QString("a"));
    }

    void malformed_input_does_not_break_the_reader_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("contains");
        QTest::newRow("unclosed groups") << QByteArray("{\\rtf1 {\\b unclosed {\\i more") << "unclosed";
        QTest::newRow("extra closing") << QByteArray("}}}{\\rtf1 x}}}") << "";
        QTest::newRow("truncated hex") << QByteArray("{\\rtf1 a\\'") << "a";
        QTest::newRow("one hex digit") << QByteArray("{\\rtf1 b\\'4") << "b";
        QTest::newRow("bad hex") << QByteArray("{\\rtf1 c\\'zzd}") << "czzd";
        QTest::newRow("backslash at end") << QByteArray("{\\rtf1 d\\") << "d";
        QTest::newRow("unicode without number") << QByteArray("{\\rtf1 e\\u}") << "e";
        QTest::newRow("unicode at end") << QByteArray("{\\rtf1 f\\u1046") << QString::fromUtf8("fЖ");
        QTest::newRow("huge parameters")
            << QByteArray("{\\rtf1\\fs99999999999999999999\\cf-5\\uc99999 g}") << "g";
        QTest::newRow("long word") << QByteArray("{\\rtf1 \\") + QByteArray(100, 'q') + " h}"
                                   << "h";
        QTest::newRow("binary past end") << QByteArray("{\\rtf1 i\\bin999999 junk") << "i";
        QTest::newRow("nul bytes") << QByteArray("{\\rtf1 j\0k}", 10) << "jk";
        QTest::newRow("colour index out of range")
            << QByteArray("{\\rtf1{\\colortbl;\\red1;}\\cf9 l}") << "l";
        QTest::newRow("colour table without semicolon")
            << QByteArray("{\\rtf1{\\colortbl\\red9}\\cf0 m}") << "m";
        QTest::newRow("deep nesting")
            << QByteArray("{\\rtf1 n") + QByteArray(100000, '{') + "deep" + QByteArray(100000, '}') + "o}"
            << "n";
        QTest::newRow("lone star") << QByteArray("\\*{\\rtf1 p}") << "";
    }

    void malformed_input_does_not_break_the_reader()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, contains);
        const QString text = text_of(rtf);
        QVERIFY2(text.contains(contains), qPrintable(text));
    }

    void nesting_beyond_the_limit_is_skipped_and_the_rest_shown()
    {
        const QByteArray rtf = "{\\rtf1 a" + QByteArray(500, '{') + "deep" + QByteArray(500, '}') + "b}";
        QCOMPARE(text_of(rtf), QString("ab"));
        const QByteArray shallow = "{\\rtf1 a" + QByteArray(50, '{') + "deep" + QByteArray(50, '}') + "b}";
        QCOMPARE(text_of(shallow), QString("adeepb"));
    }

    void plain_description_text()
    {
        const QByteArray bytes("\xd1\xf2\xf0\xee\xea\xe0 1\r\n<2> & \"3\"\r\n\r\n\xea\xee\xed\xe5\xf6\r\n");
        QVERIFY(!formats::is_rtf(bytes));
        QCOMPARE(
            blocks_of(description_html(bytes)),
            (QList<QString>{QString::fromUtf8("Строка 1"), "<2> & \"3\"", "", QString::fromUtf8("конец")}));
        QCOMPARE(blocks_of(description_html("a  b\tc")), QList<QString>{"a  b\tc"});
        QCOMPARE(blocks_of(description_html({})), QList<QString>{""});
        QCOMPARE(blocks_of(description_html("{\\rtf1 \\b x}")), QList<QString>{"x"});
        QCOMPARE(blocks_of(description_html("{\\rtf")), QList<QString>{""});
    }
};

QTEST_MAIN(TestRtfReader)
#include "test_rtf_reader.moc"
