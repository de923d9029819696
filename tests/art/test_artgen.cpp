#include "art/art_checks.h"
#include "formats/bmp_codec.h"
#include "formats/text_1251.h"
#include "support/test_tree.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

using art_checks::colours_of;
using art_checks::white_regions;
using pixels::Bitmap;
using pixels::ColourWord;

namespace {

// The renderer, run by the build from tools/artgen beside the runnable folder.
QString artgen_path()
{
    return QDir(testing_support::generated_res_dir() + "/../..").absoluteFilePath("tools/artgen/artgen");
}

struct ArtgenRun {
    int exit_code = -1;
    QString errors;
};

ArtgenRun run_artgen(const QString& art_dir, const QString& out_dir)
{
    QProcess process;
    process.start(artgen_path(), {art_dir, out_dir + "/res", out_dir + "/design", out_dir + "/sheet.png"});
    if (!process.waitForFinished(120000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardError())};
}

void write_file(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

// A small scene after the catalogue's convention: sky, ground and a house with a door.
const QByteArray good_svg =
    "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 474 593\" width=\"474\" height=\"593\">\n"
    "<g stroke=\"#000\" stroke-width=\"4\" stroke-linejoin=\"round\">\n"
    "<rect x=\"-10\" y=\"-10\" width=\"494\" height=\"400\" fill=\"#7cc0f0\"/>\n"
    "<rect x=\"-10\" y=\"390\" width=\"494\" height=\"213\" fill=\"#6cbf4a\"/>\n"
    "<rect x=\"140\" y=\"250\" width=\"200\" height=\"200\" fill=\"#ffe07a\"/>\n"
    "<rect x=\"210\" y=\"350\" width=\"60\" height=\"100\" fill=\"#a0522d\"/>\n"
    "<circle cx=\"400\" cy=\"80\" r=\"40\" fill=\"#ffd23f\"/></g></svg>";

} // namespace

class TestArtgen : public QObject {
    Q_OBJECT

private slots:
    void artgen_fails_on_an_area_too_small_to_colour_and_names_the_picture()
    {
        QTemporaryDir dir;
        QByteArray svg = good_svg;
        // A window 16 pixels across: big enough for a fill, too small for a child's brush.
        svg.replace("</g>", "<circle cx=\"100\" cy=\"100\" r=\"10\" fill=\"#fff\"/></g>");
        write_file(dir.filePath("art/catalogue/пятнышко.svg"), svg);
        write_file(dir.filePath("art/catalogue/домик.svg"), good_svg);
        const ArtgenRun run = run_artgen(dir.filePath("art"), dir.filePath("out"));
        QVERIFY(run.exit_code > 0);
        QVERIFY2(run.errors.contains("пятнышко") && run.errors.contains("too small"), qPrintable(run.errors));
        QVERIFY2(run.errors.contains(QRegularExpression("around (99|100|101),(99|100|101)")),
                 qPrintable(run.errors));
        QVERIFY2(!run.errors.section("error:", 1).contains("домик"), qPrintable(run.errors));
        QVERIFY(!QFile::exists(dir.filePath("out/res/clipart/пятнышко.bmp")));
    }

    void artgen_fails_on_a_malformed_drawing_and_names_it()
    {
        QTemporaryDir dir;
        write_file(dir.filePath("art/catalogue/обрывок.svg"), good_svg.left(200));
        const ArtgenRun run = run_artgen(dir.filePath("art"), dir.filePath("out"));
        QVERIFY(run.exit_code > 0);
        QVERIFY2(run.errors.contains("обрывок"), qPrintable(run.errors));
    }

    void artgen_converts_descriptions_and_drops_pictures_whose_source_is_gone()
    {
        QTemporaryDir dir;
        const QString art = dir.filePath("art"), out = dir.filePath("out");
        write_file(art + "/catalogue/домик.svg", good_svg);
        write_file(art + "/catalogue/домик.rtf", "{\\rtf1\\ansi {\\b Домик} ёлка \\par}");
        write_file(art + "/catalogue/дача.svg", good_svg);
        write_file(art + "/catalogue/дача.txt", "Дача «у\xc2\xa0реки» — ёж\n");
        QCOMPARE(run_artgen(art, out).exit_code, 0);

        QFile rtf(out + "/res/info/домик.txt");
        QVERIFY(rtf.open(QIODevice::ReadOnly));
        const QByteArray escaped = rtf.readAll();
        QVERIFY(std::all_of(escaped.begin(), escaped.end(),
                            [](char c) { return static_cast<unsigned char>(c) < 0x80; }));
        QVERIFY2(escaped.contains("{\\b \\'c4\\'ee\\'ec\\'e8\\'ea} \\'b8\\'eb\\'ea\\'e0"),
                 escaped.constData());
        QFile plain(out + "/res/info/дача.txt");
        QVERIFY(plain.open(QIODevice::ReadOnly));
        QCOMPARE(formats::decode_windows_1251(plain.readAll()),
                 QString::fromUtf8("Дача «у\xc2\xa0реки» — ёж\r\n"));

        const Bitmap drawing = formats::read_bmp(out + "/res/clipart/домик.bmp");
        QVERIFY(colours_of(drawing) == (std::set<ColourWord>{pixels::black_word, pixels::white_word}));
        QCOMPARE(white_regions(drawing).size(), std::size_t(5));
        QCOMPARE(formats::read_bmp(out + "/res/info/домик.bmp").size(), QSize(200, 200));
        QVERIFY(QFileInfo(out + "/sheet.png").size() > 0);

        QVERIFY(QFile::remove(art + "/catalogue/дача.svg"));
        QCOMPARE(run_artgen(art, out).exit_code, 0);
        for (const QString gone :
             {"/res/clipart/дача.bmp", "/res/info/дача.bmp", "/res/info/дача.txt", "/res/preview/дача.jpg"})
            QVERIFY2(!QFile::exists(out + gone), qPrintable(gone));
        QVERIFY(QFile::exists(out + "/res/preview/домик.jpg"));
    }
};

QTEST_MAIN(TestArtgen)
#include "test_artgen.moc"
