#include "art/art_checks.h"
#include "formats/bmp_codec.h"
#include "places/composition.h"
#include "places/line_drawing.h"
#include "places/photo_reader.h"
#include "scene_photograph.h"
#include "support/test_tree.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTest>
#include <algorithm>
#include <vector>

namespace {

// The shipped pages are drawn at 474 x 593; the photographs are rendered larger, as a camera's are.
constexpr QSize page(474, 593);
constexpr QSize rendered(1200, 1500);
constexpr int tolerance = 3;
// A child brushes any area of 400 pixels; a page holds 15 to 150 of them.
constexpr int smallest_area = 400;
constexpr int fewest_areas = 15;
constexpr int most_areas = 150;

bool is_black(const QImage& image, int x, int y)
{
    return qGray(image.pixel(x, y)) < 128;
}

// The boundary of a drawing: black pixels beside a white one (8 neighbours), so a thick black
// shape counts by its rim, as a border between two areas.
std::vector<QPoint> boundary(const QImage& drawing)
{
    std::vector<QPoint> points;
    for (int y = 0; y < drawing.height(); ++y)
        for (int x = 0; x < drawing.width(); ++x) {
            if (!is_black(drawing, x, y))
                continue;
            bool beside_white = false;
            for (int dy = -1; dy <= 1 && !beside_white; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    if (QRect(QPoint(), drawing.size()).contains(x + dx, y + dy) &&
                        !is_black(drawing, x + dx, y + dy))
                        beside_white = true;
            if (beside_white)
                points.push_back({x, y});
        }
    return points;
}

// The share of `points` within `tolerance` pixels (Euclidean) of a point marked in `near`.
double matched_share(const std::vector<QPoint>& points, const std::vector<char>& near, int width, int height)
{
    if (points.empty())
        return 0;
    int matched = 0;
    for (const QPoint p : points) {
        bool found = false;
        for (int dy = -tolerance; dy <= tolerance && !found; ++dy)
            for (int dx = -tolerance; dx <= tolerance && !found; ++dx)
                found = dx * dx + dy * dy <= tolerance * tolerance &&
                        QRect(0, 0, width, height).contains(p.x() + dx, p.y() + dy) &&
                        near[static_cast<size_t>(p.y() + dy) * width + p.x() + dx];
        matched += found;
    }
    return double(matched) / double(points.size());
}

std::vector<char> marks(const std::vector<QPoint>& points, QSize size)
{
    std::vector<char> marked(static_cast<size_t>(size.width()) * size.height(), 0);
    for (const QPoint p : points)
        marked[static_cast<size_t>(p.y()) * size.width() + p.x()] = 1;
    return marked;
}

struct Score {
    double precision, recall, f;
};

// The boundary F-measure of segmentation benchmarks: precision and recall of the boundary pixels
// within the tolerance, and their harmonic mean.
Score boundary_score(const QImage& made, const QImage& truth)
{
    const std::vector<QPoint> ours = boundary(made), theirs = boundary(truth);
    const double precision = matched_share(ours, marks(theirs, truth.size()), truth.width(), truth.height());
    const double recall = matched_share(theirs, marks(ours, made.size()), made.width(), made.height());
    return {precision, recall, precision + recall > 0 ? 2 * precision * recall / (precision + recall) : 0};
}

QByteArray read_all(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every area can be brushed and the page holds a sensible number of them.
void check_areas(const QString& name, const QImage& drawing, std::vector<int>* sizes_out = nullptr)
{
    QCOMPARE(drawing.size(), page);
    for (int y = 0; y < drawing.height(); ++y)
        for (int x = 0; x < drawing.width(); ++x) {
            const QRgb c = drawing.pixel(x, y) & 0xFFFFFF;
            QVERIFY2(c == 0 || c == 0xFFFFFF, qPrintable(name + ": a pixel neither black nor white"));
        }
    const std::vector<int> sizes = art_checks::white_regions(pixels::Bitmap::from_image(drawing));
    QVERIFY2(
        *std::min_element(sizes.begin(), sizes.end()) >= smallest_area,
        qPrintable(name + ": an area of " + QString::number(*std::min_element(sizes.begin(), sizes.end()))));
    QVERIFY2(int(sizes.size()) >= fewest_areas && int(sizes.size()) <= most_areas,
             qPrintable(name + ": " + QString::number(sizes.size()) + " areas"));
    if (sizes_out)
        *sizes_out = sizes;
}

} // namespace

class LineDrawingQualityTest : public QObject {
    Q_OBJECT

private slots:
    void rendered_photographs_give_the_shipped_outlines();
    void real_photographs_give_pages_a_child_can_colour();
    void areas_the_outlines_leave_too_small_join_a_neighbour();
};

void LineDrawingQualityTest::rendered_photographs_give_the_shipped_outlines()
{
    const QDir art(QStringLiteral(KOLORITON_ART_DIR "/catalogue"));
    const QStringList svgs = art.entryList({"*.svg"}, QDir::Files, QDir::Name);
    QCOMPARE(svgs.size(), 30);
    double total = 0, lowest = 1;
    QTextStream out(stdout);
    out << QStringLiteral("%1 %2 %3 %4 %5 %6\n")
               .arg("place", -14)
               .arg("P", 6)
               .arg("R", 6)
               .arg("F", 6)
               .arg("areas", 6)
               .arg("least", 6);
    for (const QString& svg_file : svgs) {
        const QString name = QFileInfo(svg_file).completeBaseName();
        const QImage photo = artgen::photograph(
            name,
            artgen::lit_scene_of(read_all(art.filePath(svg_file)), name, rendered, QRectF(QPointF(), page)),
            rendered);
        const QImage made = places::line_drawing(photo);
        const QImage truth =
            formats::read_bmp(testing_support::generated_res_dir() + "/clipart/" + name + ".bmp").to_rgb32();
        std::vector<int> sizes;
        check_areas(name, made, &sizes);
        const Score score = boundary_score(made, truth);
        out << QStringLiteral("%1 %2 %3 %4 %5 %6\n")
                   .arg(name, -14)
                   .arg(score.precision, 6, 'f', 3)
                   .arg(score.recall, 6, 'f', 3)
                   .arg(score.f, 6, 'f', 3)
                   .arg(sizes.size(), 6)
                   .arg(*std::min_element(sizes.begin(), sizes.end()), 6);
        out.flush();
        total += score.f;
        lowest = std::min(lowest, score.f);
    }
    const double mean = total / svgs.size();
    out << QStringLiteral("mean F %1, lowest F %2\n").arg(mean, 0, 'f', 3).arg(lowest, 0, 'f', 3);
    QVERIFY2(mean >= 0.8, qPrintable(QString::number(mean)));
    QVERIFY2(lowest >= 0.6, qPrintable(QString::number(lowest)));
}

void LineDrawingQualityTest::real_photographs_give_pages_a_child_can_colour()
{
    const QStringList photographs = QString(KOLORITON_SAMPLE_PHOTOGRAPHS).split('|', Qt::SkipEmptyParts);
    QVERIFY2(!photographs.isEmpty(), "no sample photographs installed (scripts/install-deps.sh)");
    for (const QString& path : photographs) {
        const QImage photo = places::read_photograph(path, page);
        const QImage made = places::line_drawing(photo.copy(places::page_frame(photo.size(), page)));
        check_areas(QFileInfo(path).fileName(), made);
    }
}

// Squares of a colour each on a grey page, from a little below to a little above the smallest
// area: the outlines drawn around them leave some smaller than it, and those join a neighbour.
void LineDrawingQualityTest::areas_the_outlines_leave_too_small_join_a_neighbour()
{
    QImage photo(page, QImage::Format_RGB32);
    photo.fill(qRgb(128, 128, 128));
    QPainter painter(&photo);
    for (int i = 0; i < 42; ++i)
        painter.fillRect(QRect(20 + i % 6 * 75, 20 + i / 6 * 80, 18 + i % 8, 18 + i % 8),
                         QColor::fromHsv(i * 37 % 360, 255, 220));
    painter.end();
    check_areas(QStringLiteral("squares"), places::line_drawing(photo));
}

QTEST_GUILESS_MAIN(LineDrawingQualityTest)
#include "test_line_drawing_quality.moc"
