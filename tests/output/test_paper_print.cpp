#include "app/main_window.h"
#include "output/output_windows.h"
#include "output/print_window.h"
#include "support/captured_errors.h"
#include "support/private_cups.h"
#include "support/test_tree.h"

#include <QApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <memory>

using testing_support::Paper;
using testing_support::PrivateCups;

Q_DECLARE_METATYPE(testing_support::Paper)

namespace {

// The print window's page, 791 x 830 pixels, in points at 96 pixels per inch.
const QSizeF page_points(791 * 0.75, 830 * 0.75);
// Where the window shows a drawing of exactly its frame's size, in page pixels.
const QRect drawing_on_page(8, 40, 775, 649);
const QRect title_row(75, 727, 708, 27);
const QRect author_row(75, 760, 708, 27);
const QRect date_row(75, 790, 326, 28);
constexpr int frame_width = 8;
// pdftoppm renders the sheet at two pixels per point.
constexpr int render_dpi = 144;
constexpr double sheet_pixels_per_point = render_dpi / 72.0;

const QRgb frame_blue = qRgb(0, 0, 255);
const QRgb inside_yellow = qRgb(255, 255, 0);

const Paper a4_with_wide_margins{QStringLiteral("A4"), {595, 842}, {18, 36, 18, 36}};
const Paper a4_without_margins{QStringLiteral("A4"), {595, 842}, {0, 0, 0, 0}};
const Paper letter_with_narrow_margins{QStringLiteral("Letter"), {612, 792}, {9, 9, 9, 9}};
// Printable 559 x 402 points: wider for its height than the page, which must shrink to the height.
const Paper a4_with_deep_margins{QStringLiteral("A4"), {595, 842}, {18, 220, 18, 220}};

// A drawing as large as the window's frame for it, with a blue border touching all four edges.
pixels::Bitmap framed_drawing()
{
    pixels::Bitmap drawing(drawing_on_page.width(), drawing_on_page.height());
    drawing.image().fill(frame_blue);
    const QRect inside = QRect(QPoint(), drawing_on_page.size())
                             .adjusted(frame_width, frame_width, -frame_width, -frame_width);
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            drawing.image().setPixel(x, y, inside_yellow);
    return drawing;
}

// The sheet less the printer's unprintable edges, in points from the sheet's top-left corner.
QRectF printable_area(const Paper& paper)
{
    return QRectF(QPointF(), paper.size).marginsRemoved(paper.hardware_margins);
}

// Where the page should land: at the printable area's origin, at 96 pixels per inch unless
// that does not fit the printable area, then shrunk uniformly to fit.
struct Placement {
    QPointF origin; // points from the sheet's top-left corner
    double scale;

    explicit Placement(const Paper& paper)
        : origin(printable_area(paper).topLeft()),
          scale(std::min({1.0, printable_area(paper).width() / page_points.width(),
                          printable_area(paper).height() / page_points.height()}))
    {
    }
    // A rectangle of page pixels on the rendered sheet, in sheet pixels.
    QRectF on_sheet(const QRectF& page_pixels) const
    {
        const double k = 0.75 * scale * sheet_pixels_per_point;
        return QRectF(origin * sheet_pixels_per_point + page_pixels.topLeft() * k, page_pixels.size() * k);
    }
};

bool is_blue(QRgb pixel)
{
    return qBlue(pixel) > 180 && qRed(pixel) < 90 && qGreen(pixel) < 90;
}

bool is_white(QRgb pixel)
{
    return qRed(pixel) > 245 && qGreen(pixel) > 245 && qBlue(pixel) > 245;
}

// The smallest rectangle holding every pixel that passes `test`.
template <typename Test> QRect bounds_of(const QImage& image, Test test)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (test(image.pixel(x, y)))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

bool has_ink(const QImage& sheet, const QRectF& area)
{
    const QRect pixels = area.toAlignedRect() & sheet.rect();
    for (int y = pixels.top(); y <= pixels.bottom(); ++y)
        for (int x = pixels.left(); x <= pixels.right(); ++x)
            if (qGray(sheet.pixel(x, y)) < 128)
                return true;
    return false;
}

// Every pixel along a line of the sheet is blue.
bool blue_along(const QImage& sheet, QPointF from, QPointF to)
{
    const int steps = int(std::max(std::abs(to.x() - from.x()), std::abs(to.y() - from.y())));
    for (int step = 0; step <= steps; ++step) {
        const QPointF at = from + (to - from) * (double(step) / std::max(steps, 1));
        if (!is_blue(sheet.pixel(at.toPoint())))
            return false;
    }
    return true;
}

void type(QWidget* widget, const QString& text)
{
    for (const QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

// Prints the framed drawing from the main window as a user would: the print button of the bar,
// the rows typed in, the print window's own print button. Returns the messages the user was shown.
QStringList print_as_a_user(const QString& title, const QString& author)
{
    const testing_support::CapturedErrors errors;
    testing_support::TestTree tree;
    app::MainWindow form(tree.app_dir());
    form.controls().canvas->set_picture(framed_drawing());
    output::PrintWindow& window = form.output_windows().print_window();
    QTimer::singleShot(0, &window, [&] {
        type(window.title_edit, title);
        type(window.author_edit, author);
        QTest::mouseClick(window.print_button, Qt::LeftButton);
        if (window.isVisible())
            window.reject();
    });
    QTest::mouseClick(form.controls().print_button, Qt::LeftButton);
    return errors.messages();
}

QImage render_sheet(const QString& pdf, const QTemporaryDir& dir)
{
    QProcess pdftoppm;
    pdftoppm.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const QString prefix = dir.filePath(QStringLiteral("sheet"));
    pdftoppm.start(QStringLiteral("pdftoppm"),
                   {"-r", QString::number(render_dpi), "-singlefile", pdf, prefix});
    if (!pdftoppm.waitForFinished(60000) || pdftoppm.exitCode() != 0)
        return {};
    return QImage(prefix + ".ppm").convertToFormat(QImage::Format_RGB32);
}

QString describe(const QRectF& rect)
{
    return QStringLiteral("(%1, %2)-(%3, %4)")
        .arg(rect.left(), 0, 'f', 1)
        .arg(rect.top(), 0, 'f', 1)
        .arg(rect.right(), 0, 'f', 1)
        .arg(rect.bottom(), 0, 'f', 1);
}

} // namespace

class PaperPrintTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void the_page_lands_whole_at_the_printable_areas_origin_data();
    void the_page_lands_whole_at_the_printable_areas_origin();
    void cleanupTestCase() { cups_.reset(); }

private:
    std::unique_ptr<PrivateCups> cups_;
};

void PaperPrintTest::initTestCase()
{
    QApplication::setQuitOnLastWindowClosed(false);
    cups_ = std::make_unique<PrivateCups>();
    QVERIFY2(cups_->failure().isEmpty(), qPrintable(cups_->failure()));
    QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty(),
             "pdftoppm is not installed");
    cups_->serve_this_process();
    for (const auto& [queue, paper] :
         {std::pair{"a4_wide_margins", a4_with_wide_margins}, std::pair{"a4_borderless", a4_without_margins},
          std::pair{"letter_narrow_margins", letter_with_narrow_margins},
          std::pair{"a4_deep_margins", a4_with_deep_margins}})
        QVERIFY2(cups_->add_pdf_printer(QString::fromLatin1(queue), paper), qPrintable(cups_->failure()));
}

void PaperPrintTest::the_page_lands_whole_at_the_printable_areas_origin_data()
{
    QTest::addColumn<QString>("queue");
    QTest::addColumn<Paper>("paper");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("author");
    QTest::newRow("A4, margins too wide for the page: shrunk, title only")
        << "a4_wide_margins" << a4_with_wide_margins << QStringLiteral("Кремль") << QString();
    QTest::newRow("A4, printable area wider than the page: shrunk to its height")
        << "a4_deep_margins" << a4_with_deep_margins << QStringLiteral("Мост") << QString();
    QTest::newRow("A4 without margins: at 96 dpi, both rows")
        << "a4_borderless" << a4_without_margins << QStringLiteral("Дом") << QStringLiteral("Петя");
    QTest::newRow("Letter, narrow margins: at 96 dpi, author only")
        << "letter_narrow_margins" << letter_with_narrow_margins << QString() << QStringLiteral("Маша");
    QTest::newRow("Letter, neither row")
        << "letter_narrow_margins" << letter_with_narrow_margins << QString() << QString();
}

void PaperPrintTest::the_page_lands_whole_at_the_printable_areas_origin()
{
    QFETCH(QString, queue);
    QFETCH(Paper, paper);
    QFETCH(QString, title);
    QFETCH(QString, author);
    QVERIFY2(cups_->make_default(queue), qPrintable(cups_->failure()));
    QFile::remove(cups_->output_path(queue));

    const QStringList errors = print_as_a_user(title, author);
    QVERIFY2(errors.isEmpty(), qPrintable(errors.join('\n')));
    QVERIFY2(cups_->wait_for_output(queue), qPrintable(cups_->failure() + cups_->error_log()));
    QTemporaryDir dir;
    const QImage sheet = render_sheet(cups_->output_path(queue), dir);
    QVERIFY(!sheet.isNull());
    QCOMPARE(sheet.size(), (paper.size * sheet_pixels_per_point).toSize());

    const Placement placement(paper);
    const QRectF frame = placement.on_sheet(drawing_on_page);
    const QRect blue = bounds_of(sheet, is_blue);
    qInfo("%s: page at (%.2f, %.2f) pt, scale %.4f; sheet %dx%d px at %d dpi; frame %s px expected, %s px "
          "found",
          qPrintable(queue), placement.origin.x(), placement.origin.y(), placement.scale, sheet.width(),
          sheet.height(), render_dpi, qPrintable(describe(frame)), qPrintable(describe(QRectF(blue))));
    QVERIFY(std::abs(blue.left() - frame.left()) <= 1.25);
    QVERIFY(std::abs(blue.top() - frame.top()) <= 1.25);
    QVERIFY(std::abs(blue.right() + 1 - frame.right()) <= 1.25);
    QVERIFY(std::abs(blue.bottom() + 1 - frame.bottom()) <= 1.25);
    // All four sides of the border came out whole, and the drawing's inside between them.
    const double half = frame_width * 0.75 * placement.scale * sheet_pixels_per_point / 2;
    const QRectF border = frame.adjusted(half, half, -half, -half);
    QVERIFY(blue_along(sheet, border.topLeft(), border.topRight()));
    QVERIFY(blue_along(sheet, border.bottomLeft(), border.bottomRight()));
    QVERIFY(blue_along(sheet, border.topLeft(), border.bottomLeft()));
    QVERIFY(blue_along(sheet, border.topRight(), border.bottomRight()));
    QCOMPARE(sheet.pixel(frame.center().toPoint()), inside_yellow);

    QCOMPARE(has_ink(sheet, placement.on_sheet(title_row)), !title.isEmpty());
    QCOMPARE(has_ink(sheet, placement.on_sheet(author_row)), !author.isEmpty());
    QVERIFY(has_ink(sheet, placement.on_sheet(date_row)));

    // Nothing outside the page, and the page inside the printable area.
    const QRectF page = placement.on_sheet(QRectF(0, 0, 791, 830));
    const QRectF printable = printable_area(paper);
    const QRectF printable_pixels(printable.topLeft() * sheet_pixels_per_point,
                                  printable.size() * sheet_pixels_per_point);
    QVERIFY(printable_pixels.adjusted(-1, -1, 1, 1).contains(page));
    const QRect ink = bounds_of(sheet, [](QRgb pixel) { return !is_white(pixel); });
    QVERIFY(page.adjusted(-2, -2, 2, 2).contains(QRectF(ink)));
}

QTEST_MAIN(PaperPrintTest)
#include "test_paper_print.moc"
