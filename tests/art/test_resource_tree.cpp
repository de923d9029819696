#include "art/art_checks.h"
#include "formats/bmp_codec.h"
#include "formats/cursor_file.h"
#include "formats/jpeg.h"
#include "formats/text_1251.h"
#include "pixels/drawing_surface.h"
#include "support/test_tree.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <set>
#include <vector>

using art_checks::colours_of;
using art_checks::white_regions;
using pixels::Bitmap;
using pixels::ColourWord;

namespace {

constexpr ColourWord key = pixels::colour_word(255, 0, 255);
constexpr ColourWord disc_grey = pixels::colour_word(122, 122, 122);

QString res(const QString& relative)
{
    return testing_support::generated_res_dir() + '/' + relative;
}
Bitmap bmp(const QString& relative)
{
    return formats::read_bmp(res(relative));
}

// The 4-connected area of the seed's colour, by pixel count.
int area_at(const Bitmap& picture, QPoint seed)
{
    Bitmap copy = picture;
    const ColourWord marker = picture.pixel(seed.x(), seed.y()) == 0x00010203 ? 0x00040506 : 0x00010203;
    pixels::flood_fill(copy, seed, {marker, pixels::BrushStyle::Solid});
    int count = 0;
    for (int y = 0; y < copy.height(); ++y)
        for (int x = 0; x < copy.width(); ++x)
            count += copy.pixel(x, y) == marker;
    return count;
}

int count_of(const Bitmap& picture, ColourWord colour)
{
    int count = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            count += picture.pixel(x, y) == colour;
    return count;
}

// A transparent picture: key colour in the bottom-left pixel, and real art on most of it.
void verify_transparent(const QString& relative, const Bitmap& picture)
{
    QVERIFY2(picture.pixel(0, picture.height() - 1) == key, qPrintable(relative));
    const int total = picture.width() * picture.height();
    QVERIFY2(count_of(picture, key) < total * 8 / 10, qPrintable(relative + " is nearly empty"));
}

int pixels_differing(const Bitmap& a, const Bitmap& b)
{
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            count += a.pixel(x, y) != b.pixel(x, y);
    return count;
}

QStringList catalogue_names()
{
    QStringList names;
    for (const QFileInfo& file : QDir(res("preview")).entryInfoList({"*.jpg"}, QDir::Files, QDir::Name))
        names << file.completeBaseName();
    return names;
}

// The words a reader sees in a description: RTF control words, groups of tables and braces removed.
QStringList words_of(const QByteArray& bytes)
{
    QByteArray raw = bytes;
    const bool rtf = raw.startsWith("{\\rtf");
    if (rtf) {
        static const QRegularExpression escape("\\\\'([0-9a-fA-F]{2})");
        QByteArray plain;
        qsizetype last = 0;
        for (auto it = escape.globalMatch(QString::fromLatin1(raw)); it.hasNext();) {
            const auto match = it.next();
            plain += raw.mid(last, match.capturedStart() - last);
            plain += static_cast<char>(match.captured(1).toInt(nullptr, 16));
            last = match.capturedEnd();
        }
        raw = plain + raw.mid(last);
    }
    QString text = formats::decode_windows_1251(raw);
    if (rtf) {
        text.remove(QRegularExpression("\\{\\\\(fonttbl|colortbl|\\*)[^{}]*(\\{[^{}]*\\}[^{}]*)*\\}"));
        text.remove(QRegularExpression("\\\\[a-zA-Z]+-?\\d* ?"));
        text.remove(QRegularExpression("[{}\\\\]"));
    }
    return text.split(QRegularExpression("[\\s\\-–—]+"), Qt::SkipEmptyParts)
        .filter(QRegularExpression("\\w", QRegularExpression::UseUnicodePropertiesOption));
}

} // namespace

class TestResourceTree : public QObject {
    Q_OBJECT

private slots:
    void every_name_of_the_tree_is_there()
    {
        const QStringList letters = {"к", "о", "ж", "з", "г", "с", "ф", "ч"};
        QStringList names = {"interface/main.jpg",
                             "interface/work.jpg",
                             "interface/главная!.bmp",
                             "interface/печать!.bmp",
                             "interface/открыть!.bmp",
                             "interface/сохранить!.bmp",
                             "interface/выход!.bmp",
                             "buttons/вв.bmp",
                             "buttons/вв_.bmp",
                             "buttons/вн.bmp",
                             "buttons/вн_.bmp",
                             "buttons/назад.bmp",
                             "buttons/назад чб.bmp",
                             "buttons/вперед.bmp",
                             "buttons/вперед чб.bmp",
                             "gradients/б.bmp",
                             "curs/кисть.cur",
                             "curs/залив.cur",
                             "curs/ластик.cur",
                             "curs/пипетка.cur",
                             "instruments/кисть.bmp",
                             "instruments/ведро пустое.bmp",
                             "instruments/с краской.bmp",
                             "instruments/заливка.bmp"};
        for (const QString& letter : letters) {
            names << "banks/" + letter + ".bmp"
                  << "banks/" + letter + "_.bmp";
            if (letter != "ч")
                names << "gradients/" + letter + ".bmp"
                      << "instruments/кисть_" + letter + ".bmp";
        }
        for (const QString tool : {"ластик", "пипетка", "прямоугольник", "прямоугольникк", "эллипс", "прямая",
                                   "треугольник", "ромб"})
            names << "instruments/" + tool + ".bmp"
                  << "instruments/" + tool + "_.bmp";
        for (const QString& name : names)
            QVERIFY2(QFileInfo(res(name)).isFile(), qPrintable(name));
        QVERIFY(QFileInfo(res("skins")).isDir());
        QCOMPARE(formats::read_jpeg(res("interface/main.jpg")).size(), QSize(1000, 700));
        QCOMPARE(formats::read_jpeg(res("interface/work.jpg")).size(), QSize(1000, 700));
    }

    void jars_have_their_sizes_colours_and_an_unmistakable_selected_look()
    {
        const struct {
            const char* letter;
            QSize size;
            ColourWord base;
        } jars[] = {{"к", {52, 73}, 0x000000FF}, {"о", {52, 72}, 0x000066FF}, {"ж", {52, 72}, 0x0000FFFF},
                    {"з", {52, 75}, 0x0009BC3B}, {"г", {52, 73}, 0x00DBBA37}, {"с", {53, 75}, 0x00FF0000},
                    {"ф", {52, 73}, 0x00C118B1}, {"ч", {53, 73}, 0x00000000}};
        for (const auto& jar : jars) {
            const QString name = QString("banks/") + jar.letter;
            const Bitmap plain = bmp(name + ".bmp"), selected = bmp(name + "_.bmp");
            QCOMPARE(plain.size(), jar.size);
            QCOMPARE(selected.size(), jar.size);
            verify_transparent(name, plain);
            verify_transparent(name + "_", selected);
            QVERIFY2(count_of(plain, jar.base) > 300,
                     qPrintable(name + ": the paint is not the base colour"));
            QVERIFY2(pixels_differing(plain, selected) > plain.width() * plain.height() / 5,
                     qPrintable(name));
        }
    }

    void shade_strips_run_from_dark_to_light_one_colour_a_column()
    {
        for (const QString letter : {"к", "о", "ж", "з", "г", "с", "ф", "б"}) {
            const Bitmap strip = bmp("gradients/" + letter + ".bmp");
            QCOMPARE(strip.size(), QSize(230, 30));
            for (int x = 0; x < 230; ++x)
                for (int y = 1; y < 30; ++y)
                    QCOMPARE(strip.pixel(x, y), strip.pixel(x, 0));
            const auto brightness = [&](int x) { return qGray(pixels::to_qrgb(strip.pixel(x, 0))); };
            QVERIFY2(brightness(0) + 120 < brightness(229), qPrintable(letter));
            QVERIFY(colours_of(strip).size() > 40);
        }
        const std::set<ColourWord> greys = colours_of(bmp("gradients/б.bmp"));
        QVERIFY(std::all_of(greys.begin(), greys.end(), [](ColourWord c) {
            return pixels::red_of(c) == pixels::green_of(c) &&
                   pixels::green_of(c) == pixels::blue_of(c);
        }));
    }

    void colour_displays_take_a_fill_at_their_seed_points()
    {
        for (const QString bucket : {"instruments/с краской.bmp", "instruments/ведро пустое.bmp"}) {
            Bitmap picture = bmp(bucket);
            QCOMPARE(picture.size(), QSize(84, 102));
            verify_transparent(bucket, picture);
            const ColourWord seed = picture.pixel(20, 20);
            QVERIFY(seed != key && seed != pixels::black_word);
            QVERIFY2(area_at(picture, {20, 20}) > 600, qPrintable(bucket));
        }
        const Bitmap blank = bmp("instruments/заливка.bmp");
        QCOMPARE(blank.size(), QSize(24, 24));
        QCOMPARE(blank.pixel(10, 10), pixels::white_word);
        QVERIFY(area_at(blank, {10, 10}) >= 20 * 20);
        Bitmap hatched = blank;
        pixels::flood_fill(hatched, {10, 10}, {0x00C118B1, pixels::BrushStyle::Cross});
        QVERIFY(count_of(hatched, 0x00C118B1) > 60);
        // The brush button fills the bristles of a coloured brush from 20,74.
        for (const char* letter : {"к", "о", "ж", "з", "г", "с", "ф"})
            QVERIFY2(area_at(bmp(QStringLiteral("instruments/кисть_%1.bmp").arg(QString::fromUtf8(letter))),
                             {20, 74}) > 300,
                     letter);
    }

    void design_discs_fill_their_squares_in_grey()
    {
        const struct {
            const char* control;
            int side;
            QPoint seed;
        } discs[] = {{"size_4_button", 36, {10, 10}},
                     {"size_3_button", 24, {10, 10}},
                     {"size_2_button", 16, {10, 10}},
                     {"size_1_button", 8, {5, 5}}};
        for (const auto& disc : discs) {
            QFile file(QString(":/design/") + disc.control + ".bmp");
            QVERIFY2(file.open(QIODevice::ReadOnly), disc.control);
            const Bitmap picture = formats::decode_bmp(file.readAll());
            QCOMPARE(picture.size(), QSize(disc.side, disc.side));
            QCOMPARE(picture.pixel(disc.seed.x(), disc.seed.y()), disc_grey);
            QCOMPARE(picture.pixel(0, disc.side / 2), disc_grey);
            QCOMPARE(picture.pixel(disc.side - 1, disc.side / 2), disc_grey);
            QCOMPARE(picture.pixel(0, 0), pixels::white_word);
            QCOMPARE(area_at(picture, disc.seed), count_of(picture, disc_grey));
        }
    }

    void design_pictures_have_the_layout_sizes()
    {
        const struct {
            const char* control;
            QSize size;
        } pictures[] = {{"canvas", {474, 593}},
                        {"shade_strip", {230, 30}},
                        {"brush_button", {70, 92}},
                        {"bucket_button", {84, 102}},
                        {"solid_pattern_button", {24, 24}},
                        {"grid_pattern_button", {24, 24}},
                        {"eraser_button", {73, 59}},
                        {"pipette_button", {52, 63}},
                        {"rectangle_button", {24, 24}},
                        {"rhombus_button", {24, 24}},
                        {"photo_tab", {80, 21}},
                        {"description_tab", {120, 21}},
                        {"strip_up_button", {123, 33}},
                        {"strip_down_button", {123, 33}},
                        {"undo_button", {143, 80}},
                        {"redo_button", {143, 80}},
                        {"bottom_bar", {1014, 220}},
                        {"red_jar", {52, 73}},
                        {"black_jar", {53, 73}}};
        for (const auto& picture : pictures) {
            QFile file(QString(":/design/") + picture.control + ".bmp");
            QVERIFY2(file.open(QIODevice::ReadOnly), picture.control);
            QCOMPARE(formats::decode_bmp(file.readAll()).size(), picture.size);
        }
        QFile drawing(":/design/canvas.bmp");
        QVERIFY(drawing.open(QIODevice::ReadOnly));
        const Bitmap canvas = formats::decode_bmp(drawing.readAll());
        QCOMPARE(canvas.depth(), 8);
        QVERIFY(count_of(canvas, pixels::white_word) > canvas.width() * canvas.height() * 8 / 10);
        QFile ramp(":/design/shade_strip.bmp");
        QVERIFY(ramp.open(QIODevice::ReadOnly));
        const Bitmap strip = formats::decode_bmp(ramp.readAll());
        QCOMPARE(strip.pixel(0, 0), pixels::colour_word(37, 37, 37));
        QCOMPARE(strip.pixel(229, 29), pixels::colour_word(253, 253, 253));
        QCOMPARE(QImage(":/design/page_background.jpg").size(), QSize(1000, 700));
    }

    void tools_buttons_and_highlights_are_transparent_pictures_of_their_size()
    {
        const struct {
            QString name;
            QSize size;
        } pictures[] = {{"instruments/кисть", {70, 92}},   {"instruments/кисть_к", {70, 92}},
                        {"instruments/пипетка", {52, 63}}, {"instruments/пипетка_", {52, 63}},
                        {"instruments/ластик", {73, 59}},  {"instruments/ластик_", {73, 59}},
                        {"buttons/вв", {123, 33}},         {"buttons/вн_", {123, 33}},
                        {"buttons/назад", {143, 80}},      {"buttons/вперед чб", {143, 80}}};
        for (const auto& picture : pictures) {
            const Bitmap loaded = bmp(picture.name + ".bmp");
            QCOMPARE(loaded.size(), picture.size);
            verify_transparent(picture.name, loaded);
        }
        for (const QString shape :
             {"прямоугольник", "прямоугольникк", "эллипс", "прямая", "треугольник", "ромб"}) {
            const Bitmap plain = bmp("instruments/" + shape + ".bmp");
            QCOMPARE(plain.size(), QSize(24, 24));
            QVERIFY(pixels_differing(plain, bmp("instruments/" + shape + "_.bmp")) > 100);
        }
        for (const QString button : {"главная", "печать", "открыть", "сохранить", "выход"})
            verify_transparent(button, bmp("interface/" + button + "!.bmp"));
        QVERIFY(pixels_differing(bmp("buttons/назад.bmp"), bmp("buttons/назад чб.bmp")) > 1000);
    }

    void bar_art_lies_under_each_button_and_its_highlight_covers_it_exactly()
    {
        QFile file(":/design/bottom_bar.bmp");
        QVERIFY(file.open(QIODevice::ReadOnly));
        const Bitmap bar = formats::decode_bmp(file.readAll());
        QVERIFY(bar.pixel(0, bar.height() - 1) == key);
        // The bar is shown proportionally scaled into 264,609 388 x 81 and centred.
        const double scale = std::min(388.0 / bar.width(), 81.0 / bar.height());
        const QPointF origin(264 + (388 - bar.width() * scale) / 2, 609 + (81 - bar.height() * scale) / 2);
        const struct {
            const char* file;
            QRect control;
        } buttons[] = {{"главная", {266, 610, 55, 76}},
                       {"печать", {334, 645, 40, 42}},
                       {"открыть", {388, 610, 140, 76}},
                       {"сохранить", {540, 645, 42, 40}},
                       {"выход", {600, 609, 45, 77}}};
        for (const auto& button : buttons) {
            const QRect under = QRectF((button.control.left() - origin.x()) / scale,
                                       (button.control.top() - origin.y()) / scale,
                                       button.control.width() / scale, button.control.height() / scale)
                                    .toRect()
                                    .intersected(bar.rect());
            int art = 0;
            for (int y = under.top(); y <= under.bottom(); ++y)
                for (int x = under.left(); x <= under.right(); ++x)
                    art += bar.pixel(x, y) != key;
            QVERIFY2(art > under.width() * under.height() / 4, button.file);
            const Bitmap highlight = bmp(QString("interface/") + button.file + "!.bmp");
            const double aspect = double(highlight.width()) / highlight.height();
            const double control_aspect = double(button.control.width()) / button.control.height();
            QVERIFY2(std::abs(aspect - control_aspect) < 0.02, button.file);
        }
    }

    void cursors_are_readable_with_the_hotspot_on_the_drawing()
    {
        for (const QString name : {"кисть", "залив", "ластик", "пипетка"}) {
            QFile file(res("curs/" + name + ".cur"));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const formats::CursorImage cursor = formats::decode_cursor(file.readAll());
            QCOMPARE(cursor.image.size(), QSize(32, 32));
            QVERIFY2(cursor.image.rect().contains(cursor.hotspot), qPrintable(name));
            int near = 0;
            for (int dy = -2; dy <= 2; ++dy)
                for (int dx = -2; dx <= 2; ++dx)
                    if (cursor.image.rect().contains(cursor.hotspot + QPoint(dx, dy)))
                        near += qAlpha(cursor.image.pixel(cursor.hotspot + QPoint(dx, dy))) > 128;
            QVERIFY2(near > 0, qPrintable(name + ": the hotspot is off the drawing"));
        }
    }

    void extra_pictures_offer_small_large_8_and_24_bit_bitmaps()
    {
        bool small = false, large = false, eight = false, twenty_four = false;
        const QFileInfoList files = QDir(res("pic-dop")).entryInfoList({"*.bmp"}, QDir::Files);
        QVERIFY(files.size() >= 4);
        for (const QFileInfo& file : files) {
            const Bitmap picture = formats::read_bmp(file.filePath());
            small |= picture.width() <= 150 && picture.height() <= 150;
            large |= picture.width() > 474 && picture.height() > 593;
            eight |= picture.depth() == 8;
            twenty_four |= picture.depth() == 24;
        }
        QVERIFY(small && large && eight && twenty_four);
    }

    void every_line_drawing_is_two_coloured_and_colourable()
    {
        const QStringList names = catalogue_names();
        QVERIFY2(names.size() >= 30, qPrintable(QString("only %1 pictures").arg(names.size())));
        for (const QString& name : names) {
            const Bitmap drawing = bmp("clipart/" + name + ".bmp");
            QCOMPARE(drawing.depth(), 24);
            QCOMPARE(drawing.size(), QSize(474, 593));
            QVERIFY2(colours_of(drawing) ==
                         (std::set<ColourWord>{pixels::black_word, pixels::white_word}),
                     qPrintable(name));
            const std::vector<int> regions = white_regions(drawing);
            QVERIFY2(regions.size() >= 12, qPrintable(name + ": too few areas to colour"));
            // A child brushes an area of 20 x 20 pixels without a steady hand.
            QVERIFY2(*std::min_element(regions.begin(), regions.end()) >= 400, qPrintable(name));
            // A gap in an outline joins the sky to what lies under it into one huge area.
            QVERIFY2(*std::max_element(regions.begin(), regions.end()) < 474 * 593 / 2, qPrintable(name));
        }
    }

    void every_photograph_shows_all_of_its_line_drawing_at_one_scale()
    {
        for (const QString& name : catalogue_names()) {
            const Bitmap drawing = bmp("clipart/" + name + ".bmp");
            const Bitmap photo = bmp("info/" + name + ".bmp");
            // The page fitted into the square photograph: as tall as the square, centred across it.
            const double scale = double(photo.height()) / drawing.height();
            const double left = (photo.width() - drawing.width() * scale) / 2;
            const QRect shapes = art_checks::closed_shapes_bounds(drawing);
            const QRectF expected(left + shapes.x() * scale, shapes.y() * scale, shapes.width() * scale,
                                  shapes.height() * scale);
            const QRect seen = art_checks::subject_bounds(photo);
            const QString where =
                QString("%1: the drawing's shapes at %2,%3 %4x%5, the photograph's at %6,%7 %8x%9")
                    .arg(name)
                    .arg(expected.x(), 0, 'f', 0)
                    .arg(expected.y(), 0, 'f', 0)
                    .arg(expected.width(), 0, 'f', 0)
                    .arg(expected.height(), 0, 'f', 0)
                    .arg(seen.x())
                    .arg(seen.y())
                    .arg(seen.width())
                    .arg(seen.height());
            // Nothing is cut at the top, where a crop loses the sun, the clouds and the flags...
            QVERIFY2(std::abs(seen.top() - expected.top()) <= 4, qPrintable(where));
            QVERIFY2(seen.top() > 0, qPrintable(where));
            // ...and all that the drawing holds is in the photograph, no larger and no smaller.
            QVERIFY2(seen.left() <= expected.left() + 4 && seen.right() >= expected.right() - 4,
                     qPrintable(where));
            QVERIFY2(seen.bottom() >= expected.bottom() - 4, qPrintable(where));
        }
    }

    void every_picture_has_its_photograph_thumbnail_and_description()
    {
        int rich = 0;
        for (const QString& name : catalogue_names()) {
            const Bitmap photo = bmp("info/" + name + ".bmp");
            QCOMPARE(photo.size(), QSize(200, 200));
            QCOMPARE(photo.depth(), 24);
            QVERIFY2(colours_of(photo).size() > 2000, qPrintable(name + ": too few shades for the pipette"));
            QVERIFY(formats::read_jpeg(res("preview/" + name + ".jpg")).width() >= 123);
            QFile text(res("info/" + name + ".txt"));
            QVERIFY2(text.open(QIODevice::ReadOnly), qPrintable(name));
            const QByteArray bytes = text.readAll();
            rich += bytes.startsWith("{\\rtf");
            const QStringList words = words_of(bytes);
            QVERIFY2(words.size() >= 60 && words.size() <= 200,
                     qPrintable(QString("%1: %2 words").arg(name).arg(words.size())));
            const QString joined = words.join(' ');
            const auto cyrillic = std::count_if(joined.begin(), joined.end(), [](QChar c) {
                return c.unicode() >= 0x0410 && c.unicode() <= 0x044F;
            });
            QVERIFY2(cyrillic > joined.size() * 6 / 10,
                     qPrintable(name + " is not Russian Windows-1251 text"));
        }
        QVERIFY(rich >= 3);
    }
};

QTEST_MAIN(TestResourceTree)
#include "test_resource_tree.moc"
