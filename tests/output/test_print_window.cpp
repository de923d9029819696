#include "app/main_window.h"
#include "output/output_windows.h"
#include "output/print_page.h"
#include "output/print_window.h"
#include "pixels/colour_word.h"
#include "platform/errors.h"
#include "skin/skin_manager.h"
#include "support/captured_errors.h"
#include "support/private_cups.h"
#include "support/test_tree.h"

#include <QApplication>
#include <QDate>
#include <QFile>
#include <QLocale>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using testing_support::CapturedErrors;
using testing_support::TestTree;

namespace {

const QRgb white = qRgb(255, 255, 255);
const QRect title_row(75, 727, 708, 27);
const QRect author_row(75, 760, 708, 27);
const QRect date_row(75, 790, 326, 28);

// Types text as key presses, Cyrillic included (QTest::keyClicks takes Latin-1 only).
void type(QWidget* widget, const QString& text)
{
    for (const QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

struct Fixture {
    TestTree tree;
    app::MainWindow form{tree.app_dir()};
    output::PrintWindow& print_window = form.output_windows().print_window();
    QTemporaryDir out;

    QString pdf_path() const { return out.filePath("page.pdf"); }
    void print_into_pdf(const QString& path)
    {
        print_window.set_printer_source([path] {
            auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(path);
            return printer;
        });
    }
    // Clicks the bottom bar's print button; `while_open` runs inside the modal print window.
    void open_print_window(const std::function<void()>& while_open)
    {
        bool ran = false;
        QTimer::singleShot(0, &print_window, [&] {
            ran = true;
            while_open();
            // A failed check inside must not leave the modal window waiting.
            if (print_window.isVisible())
                print_window.reject();
        });
        QTest::mouseClick(form.controls().print_button, Qt::LeftButton);
        QVERIFY(ran);
        QVERIFY(!print_window.isVisible());
    }
    void fill_and_print(const QString& title, const QString& author)
    {
        print_window.title_edit->clear();
        print_window.author_edit->clear();
        type(print_window.title_edit, title);
        type(print_window.author_edit, author);
        QTest::mouseClick(print_window.print_button, Qt::LeftButton);
    }
};

bool all_white(const QImage& image, const QRect& area)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) != white)
                return false;
    return true;
}

pixels::Bitmap solid(int width, int height, QRgb colour)
{
    pixels::Bitmap bitmap(width, height);
    bitmap.image().fill(colour);
    return bitmap;
}

// Every page object of a PDF file; Qt writes one "/Type /Page" per page.
int page_count(const QByteArray& pdf)
{
    return int(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "));
}

// The inflated content of every compressed stream of a PDF file.
QList<QByteArray> flate_streams(const QByteArray& pdf)
{
    QList<QByteArray> streams;
    for (qsizetype at = pdf.indexOf("/FlateDecode"); at >= 0; at = pdf.indexOf("/FlateDecode", at + 1)) {
        const qsizetype begin = pdf.indexOf("stream\n", at) + 7;
        const qsizetype end = pdf.indexOf("endstream", begin);
        if (begin < 7 || end < 0)
            break;
        // qUncompress wants the expected size in front; it grows the buffer when that is too small.
        QByteArray sized("\x00\x10\x00\x00", 4);
        sized += pdf.mid(begin, end - begin);
        streams.append(qUncompress(sized));
    }
    return streams;
}

} // namespace

class PrintWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        // No test here may reach a printer of the machine: this process sees none at all.
        testing_support::print_to_no_server(no_server_);
    }
    void the_window_has_its_layout();
    void the_whole_print_caption_shows_in_either_look();
    void the_drawing_is_fitted_and_centred_in_its_frame_data();
    void the_drawing_is_fitted_and_centred_in_its_frame();
    void the_print_button_shows_the_canvas_and_todays_date();
    void the_copy_of_the_drawing_is_independent_of_the_canvas();
    void empty_rows_are_left_off_the_page_data();
    void empty_rows_are_left_off_the_page();
    void the_page_carries_no_button_border_or_text_cursor();
    void printing_writes_one_page_at_96_pixels_per_inch();
    void the_next_showing_restores_the_editing_look_and_keeps_the_texts();
    void a_printer_that_fails_leaves_the_window_open_for_paper_data();
    void a_printer_that_fails_leaves_the_window_open_for_paper();
    void without_printers_there_is_no_default_printer();
    void the_close_box_prints_nothing();

private:
    QTemporaryDir no_server_;
};

void PrintWindowTest::the_window_has_its_layout()
{
    Fixture f;
    QCOMPARE(f.print_window.windowTitle(), QStringLiteral("Печать работы"));
    QCOMPARE(f.print_window.size(), QSize(791, 830));
    QCOMPARE(f.print_window.minimumSize(), f.print_window.maximumSize());
    QVERIFY(f.print_window.windowFlags().testFlag(Qt::Tool));
    QCOMPARE(f.print_window.drawing_view->geometry(), QRect(8, 40, 775, 649));
    QVERIFY(!f.print_window.drawing_view->isEnabled());
    QCOMPARE(f.print_window.title_label->text(), QStringLiteral("Наименование работы"));
    QCOMPARE(f.print_window.author_label->text(), QStringLiteral("Автор"));
    QCOMPARE(f.print_window.date_label->text(), QStringLiteral("Дата"));
    QVERIFY(f.print_window.title_label->font().bold());
    QCOMPARE(f.print_window.title_label->font().pixelSize(), 16);
    QCOMPARE(f.print_window.title_edit->geometry(), QRect(280, 727, 503, 27));
    QCOMPARE(f.print_window.author_edit->geometry(), QRect(280, 760, 503, 27));
    QCOMPARE(f.print_window.date_edit->geometry(), QRect(280, 793, 121, 25));
    QVERIFY(f.print_window.date_edit->isReadOnly());
    QVERIFY(!f.print_window.date_edit->hasFrame());
    QCOMPARE(f.print_window.print_button->text(), QStringLiteral("Распечатать"));
    QCOMPARE(f.print_window.print_button->geometry(), QRect(700, 797, 83, 25));
    QCOMPARE(f.print_window.title_edit->nextInFocusChain(), f.print_window.author_edit);
    QCOMPARE(f.print_window.author_edit->nextInFocusChain(), f.print_window.date_edit);
    QCOMPARE(f.print_window.date_edit->nextInFocusChain(), f.print_window.print_button);
}

void PrintWindowTest::the_whole_print_caption_shows_in_either_look()
{
    Fixture f;
    QPushButton* button = f.print_window.print_button;
    for (const bool skinned : {false, true}) {
        if (skinned) {
            f.form.skin_manager().set_skin_directory(f.form.state().paths.skin_dir());
            f.form.skin_manager().set_skin_name(QStringLiteral("MacOS"));
        }
        f.print_window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.print_window));
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QRect contents =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        const QRect caption =
            QFontMetrics(button->font()).boundingRect(contents, Qt::AlignCenter, button->text());
        QVERIFY2(contents.contains(caption), qPrintable(QStringLiteral("skinned %1: caption %2 px in %3 px")
                                                            .arg(skinned)
                                                            .arg(caption.width())
                                                            .arg(contents.width())));
        QCOMPARE(button->geometry(), QRect(700, 797, 83, 25));
        f.print_window.hide();
    }
}

void PrintWindowTest::the_drawing_is_fitted_and_centred_in_its_frame_data()
{
    QTest::addColumn<QSize>("drawing");
    QTest::addColumn<QRect>("drawn");
    QTest::newRow("the initial line drawing is enlarged") << QSize(474, 593) << QRect(128, 0, 518, 649);
    QTest::newRow("wide, limited by the width") << QSize(1000, 200) << QRect(0, 247, 775, 155);
    QTest::newRow("wide, then limited by the height") << QSize(800, 700) << QRect(17, 0, 741, 649);
    QTest::newRow("square counts as tall") << QSize(600, 600) << QRect(63, 0, 649, 649);
    QTest::newRow("tall and narrow") << QSize(100, 1000) << QRect(355, 0, 64, 649);
    QTest::newRow("tiny") << QSize(10, 8) << QRect(0, 14, 775, 620);
    QTest::newRow("one pixel") << QSize(1, 1) << QRect(63, 0, 649, 649);
}

void PrintWindowTest::the_drawing_is_fitted_and_centred_in_its_frame()
{
    QFETCH(QSize, drawing);
    QFETCH(QRect, drawn);
    Fixture f;
    const QRgb red = qRgb(255, 0, 0);
    f.print_window.prepare(solid(drawing.width(), drawing.height(), red));
    QCOMPARE(f.print_window.drawing_view->picture_rect(), drawn);

    f.print_window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.print_window));
    const QImage page = output::render_client_area(*f.print_window.page);
    QCOMPARE(page.size(), QSize(791, 830));
    const QRect on_page = drawn.translated(8, 40);
    QCOMPARE(page.pixel(on_page.center()), red);
    QCOMPARE(page.pixel(on_page.left() + 2, on_page.top() + 2), red);
    QCOMPARE(page.pixel(on_page.right() - 2, on_page.bottom() - 2), red);
    if (on_page.left() > 10)
        QCOMPARE(page.pixel(on_page.left() - 3, on_page.center().y()), white);
    if (on_page.top() > 42)
        QCOMPARE(page.pixel(on_page.center().x(), on_page.top() - 3), white);
    if (on_page.right() < 780)
        QCOMPARE(page.pixel(on_page.right() + 3, on_page.center().y()), white);
}

void PrintWindowTest::the_print_button_shows_the_canvas_and_todays_date()
{
    Fixture f;
    const pixels::Bitmap& canvas = f.form.controls().canvas->picture();
    QCOMPARE(canvas.size(), QSize(474, 593));
    f.open_print_window([&] {
        QVERIFY(f.print_window.isVisible());
        QVERIFY(f.print_window.isModal());
        QCOMPARE(QApplication::activeModalWidget(), &f.print_window);
        QVERIFY(f.print_window.drawing_view->picture() == canvas);
        QCOMPARE(f.print_window.date_edit->text(),
                 QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
        QVERIFY(!f.print_window.date_edit->text().isEmpty());
        QVERIFY(f.print_window.print_button->isVisible());
        f.print_window.reject();
    });
    // The menu item runs the same handler.
    bool ran = false;
    QTimer::singleShot(0, &f.print_window, [&] {
        ran = f.print_window.isVisible();
        f.print_window.reject();
    });
    f.form.controls().print_action->trigger();
    QVERIFY(ran);
}

void PrintWindowTest::the_copy_of_the_drawing_is_independent_of_the_canvas()
{
    Fixture f;
    f.open_print_window([&] { f.print_window.reject(); });
    const pixels::Bitmap before = f.print_window.drawing_view->picture();
    pixels::Bitmap& canvas = f.form.controls().canvas->picture();
    canvas.image().fill(qRgb(0, 0, 255));
    QVERIFY(f.print_window.drawing_view->picture() == before);
    QVERIFY(!(f.print_window.drawing_view->picture() == canvas));
}

void PrintWindowTest::empty_rows_are_left_off_the_page_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("author");
    QTest::newRow("both empty") << QString() << QString();
    QTest::newRow("title only") << QStringLiteral("Кремль") << QString();
    QTest::newRow("author only") << QString() << QStringLiteral("Маша");
    QTest::newRow("single blanks are not empty") << QStringLiteral(" ") << QStringLiteral(" ");
}

void PrintWindowTest::empty_rows_are_left_off_the_page()
{
    QFETCH(QString, title);
    QFETCH(QString, author);
    Fixture f;
    f.print_into_pdf(f.pdf_path());
    f.open_print_window([&] { f.fill_and_print(title, author); });
    const QImage& page = f.print_window.last_page();
    QCOMPARE(page.size(), QSize(791, 830));
    QCOMPARE(all_white(page, title_row), title.isEmpty());
    QCOMPARE(all_white(page, author_row), author.isEmpty());
    QVERIFY(!all_white(page, date_row));
    QCOMPARE(f.print_window.title_label->isHidden(), title.isEmpty());
    QCOMPARE(f.print_window.title_edit->isHidden(), title.isEmpty());
    QCOMPARE(f.print_window.author_label->isHidden(), author.isEmpty());
    QCOMPARE(f.print_window.author_edit->isHidden(), author.isEmpty());
    QVERIFY(QFile::exists(f.pdf_path()));
}

void PrintWindowTest::the_page_carries_no_button_border_or_text_cursor()
{
    Fixture f;
    f.print_into_pdf(f.pdf_path());
    f.open_print_window([&] {
        f.print_window.show();
        const QImage editing = output::render_client_area(*f.print_window.page);
        // In the editing look the button and the field borders are there to be removed.
        QVERIFY(!all_white(editing, QRect(700, 797, 83, 25)));
        QVERIFY(!all_white(editing, QRect(280, 727, 503, 1)));
        f.print_window.title_edit->setFocus();
        f.fill_and_print(QStringLiteral("Дом"), QStringLiteral("Петя"));
    });
    const QImage& page = f.print_window.last_page();
    QVERIFY(all_white(page, QRect(700, 797, 83, 25)));
    // The fields' outlines: their top and bottom lines and the ends beyond the text.
    for (const QRect& field : {QRect(280, 727, 503, 27), QRect(280, 760, 503, 27)}) {
        QVERIFY(all_white(page, QRect(field.left(), field.top(), field.width(), 2)));
        QVERIFY(all_white(page, QRect(field.left(), field.bottom() - 1, field.width(), 2)));
        QVERIFY(all_white(page, QRect(field.right() - 100, field.top(), 101, field.height())));
    }
    // Nothing of the texts' left margin: no cursor bar in front of them.
    QVERIFY(all_white(page, QRect(280, 727, 2, 60)));
}

void PrintWindowTest::printing_writes_one_page_at_96_pixels_per_inch()
{
    Fixture f;
    f.print_into_pdf(f.pdf_path());
    f.open_print_window([&] { f.fill_and_print(QStringLiteral("Мост"), QStringLiteral("Оля")); });
    QFile file(f.pdf_path());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    QVERIFY(pdf.startsWith("%PDF-"));
    QCOMPARE(page_count(pdf), 1);
    // A4 in points, as the printer was given it.
    QVERIFY(pdf.contains("/MediaBox [0 0 595.000000 842.000000]"));
    // The page is drawn 791 x 830 pixels at 96 per inch in the printer's own pixels.
    const QRegularExpression placement(
        QStringLiteral("([\\d.]+) 0 0 ([\\d.]+) 0 0 cm\n791 0 0 -830 0 830 cm"));
    bool placed = false;
    for (const QByteArray& stream : flate_streams(pdf)) {
        const QRegularExpressionMatch match = placement.match(QString::fromLatin1(stream));
        if (!match.hasMatch())
            continue;
        placed = true;
        const QPrinter printer(QPrinter::HighResolution);
        QCOMPARE(qRound(match.captured(1).toDouble() * 791), qRound(791.0 * printer.resolution() / 96));
        QCOMPARE(qRound(match.captured(2).toDouble() * 830), qRound(830.0 * printer.resolution() / 96));
    }
    QVERIFY(placed);
    // The page bitmap goes in whole: 791 x 830 pixels.
    QVERIFY(pdf.contains("/Width 791"));
    QVERIFY(pdf.contains("/Height 830"));
}

void PrintWindowTest::the_next_showing_restores_the_editing_look_and_keeps_the_texts()
{
    Fixture f;
    f.print_into_pdf(f.pdf_path());
    f.open_print_window([&] { f.fill_and_print(QString(), QString()); });
    QVERIFY(f.print_window.print_button->isHidden());
    QVERIFY(f.print_window.title_label->isHidden());
    QVERIFY(!f.print_window.title_edit->hasFrame());

    f.open_print_window([&] {
        QVERIFY(f.print_window.print_button->isVisible());
        QVERIFY(f.print_window.title_label->isVisible() && f.print_window.title_edit->isVisible());
        QVERIFY(f.print_window.author_label->isVisible() && f.print_window.author_edit->isVisible());
        QVERIFY(f.print_window.title_edit->hasFrame() && f.print_window.author_edit->hasFrame());
        f.fill_and_print(QStringLiteral("Парк"), QStringLiteral("Ваня"));
    });
    f.open_print_window([&] {
        QCOMPARE(f.print_window.title_edit->text(), QStringLiteral("Парк"));
        QCOMPARE(f.print_window.author_edit->text(), QStringLiteral("Ваня"));
        f.print_window.reject();
    });
}

void PrintWindowTest::a_printer_that_fails_leaves_the_window_open_for_paper_data()
{
    QTest::addColumn<bool>("to_file");
    QTest::newRow("a printer that does not exist") << false;
    QTest::newRow("a file that cannot be written") << true;
}

void PrintWindowTest::a_printer_that_fails_leaves_the_window_open_for_paper()
{
    QFETCH(bool, to_file);
    Fixture f;
    CapturedErrors errors;
    const QString unwritable = f.out.filePath("no/such/folder/page.pdf");
    if (to_file) {
        f.print_into_pdf(unwritable);
    } else {
        f.print_window.set_printer_source([] {
            auto printer = std::make_unique<QPrinter>();
            printer->setPrinterName(QStringLiteral("koloriton-no-such-printer"));
            return printer;
        });
    }
    f.open_print_window([&] {
        f.fill_and_print(QString(), QStringLiteral("Маша"));
        QVERIFY(f.print_window.isVisible());
        QCOMPARE(errors.messages().size(), 1);
        QVERIFY(errors.messages().first().startsWith(QStringLiteral("Не удалось начать печать")));
        QVERIFY(f.print_window.print_button->isHidden());
        QVERIFY(f.print_window.title_label->isHidden() && f.print_window.title_edit->isHidden());
        QVERIFY(!f.print_window.author_edit->isHidden() && !f.print_window.author_edit->hasFrame());
        f.print_window.reject();
    });
    QVERIFY(!QFile::exists(unwritable));
}

void PrintWindowTest::without_printers_there_is_no_default_printer()
{
    QVERIFY(QPrinterInfo::availablePrinters().isEmpty());
    try {
        output::default_printer();
        QFAIL("no error without a printer");
    } catch (const platform::UserError& error) {
        QCOMPARE(error.text(), QStringLiteral("Принтер не найден"));
    }
    // Through the window: the message, and the window stays as prepared for paper.
    Fixture f;
    CapturedErrors errors;
    f.open_print_window([&] {
        QTest::mouseClick(f.print_window.print_button, Qt::LeftButton);
        QCOMPARE(errors.messages(), QStringList{QStringLiteral("Принтер не найден")});
        QVERIFY(f.print_window.isVisible());
        QVERIFY(f.print_window.print_button->isHidden());
        f.print_window.reject();
    });
}

void PrintWindowTest::the_close_box_prints_nothing()
{
    Fixture f;
    f.print_into_pdf(f.pdf_path());
    f.open_print_window([&] {
        type(f.print_window.title_edit, QStringLiteral("Лес"));
        f.print_window.close();
    });
    QVERIFY(!QFile::exists(f.pdf_path()));
    QVERIFY(f.print_window.print_button->isVisibleTo(&f.print_window));
    QVERIFY(f.print_window.title_edit->hasFrame());
    QCOMPARE(f.print_window.title_edit->text(), QStringLiteral("Лес"));
}

QTEST_MAIN(PrintWindowTest)
#include "test_print_window.moc"
