#include "app/main_window.h"
#include "catalogue/preview_strip.h"
#include "formats/bmp_codec.h"
#include "formats/jpeg.h"
#include "support/captured_errors.h"
#include "support/test_tree.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTest>
#include <unistd.h>
#if defined(__SANITIZE_ADDRESS__)
// The sanitizer's own count of the bytes the program holds; GCC ships no header for it.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

using testing_support::CapturedErrors;
using testing_support::TestTree;
using widgets::PictureControl;

namespace {

// A tree whose catalogue is p1.jpg .. pN.jpg, each thumbnail a different colour.
std::unique_ptr<TestTree> tree_with(int count)
{
    auto tree = std::make_unique<TestTree>();
    QDir preview(tree->path("res/preview"));
    for (const QString& name : preview.entryList(QDir::Files))
        preview.remove(name);
    for (int i = 1; i <= count; ++i) {
        QImage image(246, 246, QImage::Format_RGB32);
        image.fill(QColor::fromHsv((i * 47) % 360, 200, 220));
        if (!image.save(preview.filePath(QString("p%1.jpg").arg(i)), "JPG", 90))
            return nullptr;
    }
    return tree;
}

struct Strip {
    std::unique_ptr<TestTree> tree;
    std::unique_ptr<app::MainWindow> form;

    explicit Strip(int count)
        : tree(tree_with(count)), form(std::make_unique<app::MainWindow>(tree->app_dir()))
    {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        settle();
    }
    catalogue::PreviewStrip& strip() { return form->preview_strip(); }
    int position() { return form->state().preview_pos; }
    // Presses, then waits until every slot shows its thumbnail.
    void down()
    {
        QTest::mouseClick(form->controls().strip_down_button, Qt::LeftButton);
        settle();
    }
    void up()
    {
        QTest::mouseClick(form->controls().strip_up_button, Qt::LeftButton);
        settle();
    }
    void settle()
    {
        QVERIFY(QTest::qWaitFor([this] { return strip().settled(); }));
    }
    // The picture names in the slots, "" for a slot that never had a thumbnail.
    QStringList shown()
    {
        QStringList names;
        for (int slot = 0; slot < catalogue::PreviewStrip::slot_count; ++slot) {
            PictureControl* thumbnail = strip().thumbnail(slot);
            names << (thumbnail ? thumbnail->hint() : QString());
        }
        return names;
    }
};

QStringList entries(std::initializer_list<int> numbers)
{
    QStringList names;
    for (int number : numbers)
        names << (number < 0 ? QString() : QString("p%1").arg(number + 1));
    return names;
}

// Every thumbnail shows its own file, decoded at its size, in its slot, and takes the click first.
void check_thumbnails(Strip& s)
{
    QWidget* client = s.form->centralWidget();
    for (int slot = 0; slot < catalogue::PreviewStrip::slot_count; ++slot) {
        PictureControl* thumbnail = s.strip().thumbnail(slot);
        if (!thumbnail)
            continue;
        QCOMPARE(thumbnail->geometry(), QRect(10, slot * 130 + 45, 123, 123));
        QVERIFY(thumbnail->stretch());
        QVERIFY(!thumbnail->show_hint());
        QCOMPARE(thumbnail->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(thumbnail->isVisible());
        QCOMPARE(client->childAt(thumbnail->geometry().center()), thumbnail);
        const QImage expected = formats::read_jpeg_scaled(
            s.form->state().paths.preview_dir + thumbnail->hint() + ".jpg", {123, 123});
        QVERIFY(thumbnail->picture() == pixels::Bitmap::from_image(expected));
    }
}

#if defined(__SANITIZE_ADDRESS__)
// Under AddressSanitizer freed memory waits in its quarantine and the process's resident size
// grows whatever the program does; what the program itself holds is what it has allocated.
long resident_kilobytes()
{
    return static_cast<long>(__sanitizer_get_current_allocated_bytes() / 1024);
}
#else
long resident_kilobytes()
{
    QFile statm("/proc/self/statm");
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLong() * (sysconf(_SC_PAGESIZE) / 1024) : -1;
}
#endif

} // namespace

class PreviewStripTest : public QObject {
    Q_OBJECT

private slots:
    void six_pictures_scroll_and_wrap_at_both_ends();
    void four_pictures_stay_at_the_top();
    void five_pictures_up_from_the_start_then_down_wraps();
    void two_pictures_are_remade_in_place();
    void an_empty_catalogue_makes_nothing_and_fails_nothing();
    void a_thumbnail_that_cannot_be_decoded_keeps_an_empty_frame();
    void a_broken_thumbnail_at_start_up_leaves_the_rest_shown();
    void a_dot_in_the_name_shortens_the_picture_name();
    void a_thumbnail_click_opens_its_own_picture();
    void memory_stays_flat_however_often_the_strip_scrolls();
};

void PreviewStripTest::six_pictures_scroll_and_wrap_at_both_ends()
{
    Strip s(6);
    QCOMPARE(s.shown(), entries({0, 1, 2, 3}));
    QCOMPARE(s.position(), 1);
    check_thumbnails(s);
    const std::pair<bool, std::pair<QStringList, int>> steps[] = {
        {true, {entries({1, 2, 3, 4}), 2}},  {true, {entries({2, 3, 4, 5}), 3}},
        {true, {entries({0, 1, 2, 3}), 1}},  {false, {entries({2, 3, 4, 5}), 3}},
        {false, {entries({1, 2, 3, 4}), 2}}, {false, {entries({0, 1, 2, 3}), 1}},
    };
    for (const auto& [down, expected] : steps) {
        down ? s.down() : s.up();
        QCOMPARE(s.shown(), expected.first);
        QCOMPARE(s.position(), expected.second);
        check_thumbnails(s);
    }
    // Presses faster than the decoding: no thumbnail of an earlier position lands in a slot.
    for (int press = 0; press < 7; ++press)
        QTest::mouseClick(s.form->controls().strip_down_button, Qt::LeftButton);
    s.settle();
    QCOMPARE(s.shown(), entries({1, 2, 3, 4}));
    check_thumbnails(s);
    // Scrolling never adds controls: the four slots are all there is.
    int unnamed = 0;
    for (PictureControl* control : s.form->centralWidget()->findChildren<PictureControl*>())
        unnamed += control->objectName().isEmpty();
    QCOMPARE(unnamed, 4);
}

void PreviewStripTest::four_pictures_stay_at_the_top()
{
    Strip s(4);
    s.down();
    QCOMPARE(s.shown(), entries({0, 1, 2, 3}));
    QCOMPARE(s.position(), 1);
    s.up();
    QCOMPARE(s.shown(), entries({0, 1, 2, 3}));
    QCOMPARE(s.position(), 1);
    check_thumbnails(s);
}

void PreviewStripTest::five_pictures_up_from_the_start_then_down_wraps()
{
    Strip s(5);
    s.up();
    QCOMPARE(s.shown(), entries({1, 2, 3, 4}));
    QCOMPARE(s.position(), 2);
    s.down();
    QCOMPARE(s.shown(), entries({0, 1, 2, 3}));
    QCOMPARE(s.position(), 1);
    check_thumbnails(s);
}

void PreviewStripTest::two_pictures_are_remade_in_place()
{
    Strip s(2);
    QCOMPARE(s.shown(), entries({0, 1, -1, -1}));
    for (int press = 0; press < 3; ++press) {
        s.down();
        QCOMPARE(s.shown(), entries({0, 1, -1, -1}));
        s.up();
        QCOMPARE(s.shown(), entries({0, 1, -1, -1}));
    }
    check_thumbnails(s);
}

void PreviewStripTest::an_empty_catalogue_makes_nothing_and_fails_nothing()
{
    CapturedErrors errors;
    Strip s(0);
    s.down();
    s.up();
    s.up();
    QCOMPARE(s.shown(), entries({-1, -1, -1, -1}));
    QCOMPARE(errors.messages(), QStringList());
}

// The slots of the files that decode show them; the broken one is reported by name when its slot
// would show it (not while it is only decoded ahead as a neighbour) and keeps an empty frame under
// its own name, so a click still opens its picture.
void PreviewStripTest::a_thumbnail_that_cannot_be_decoded_keeps_an_empty_frame()
{
    Strip s(8);
    CapturedErrors errors;
    s.tree->write("res/preview/p7.jpg", QByteArray("\xFF\xD8\xFF\xE0 this is not a picture", 27));
    s.down();
    s.down();
    QCOMPARE(errors.messages(), QStringList());
    s.down();
    QCOMPARE(errors.messages().size(), 1);
    QVERIFY2(errors.messages().first().contains("p7.jpg"), qPrintable(errors.messages().first()));
    QCOMPARE(s.shown(), entries({3, 4, 5, 6}));
    QCOMPARE(s.position(), 4);
    const pixels::Bitmap frame = s.strip().thumbnail(3)->picture();
    QCOMPARE(frame.size(), QSize(123, 123));
    QCOMPARE(frame.pixel(60, 60), pixels::ColourWord(0xEAF1F4));
    QCOMPARE(frame.pixel(0, 60), pixels::ColourWord(0xB0C0C8));
    for (int slot = 0; slot < 3; ++slot) {
        const QImage expected =
            formats::read_jpeg_scaled(s.tree->path("res/preview/") + s.shown()[slot] + ".jpg", {123, 123});
        QVERIFY(s.strip().thumbnail(slot)->picture() == pixels::Bitmap::from_image(expected));
    }

    // The strip goes on working past the broken file.
    errors.clear();
    s.up();
    QCOMPARE(s.shown(), entries({2, 3, 4, 5}));
    QCOMPARE(errors.messages(), QStringList());
    check_thumbnails(s);
}

void PreviewStripTest::a_broken_thumbnail_at_start_up_leaves_the_rest_shown()
{
    auto tree = tree_with(6);
    tree->write("res/preview/p3.jpg", "");
    CapturedErrors errors;
    app::MainWindow form(tree->app_dir());
    QTRY_VERIFY(form.preview_strip().settled());
    QCOMPARE(errors.messages().size(), 1);
    QVERIFY2(errors.messages().first().contains("p3.jpg"), qPrintable(errors.messages().first()));
    for (int slot = 0; slot < 4; ++slot)
        QCOMPARE(form.preview_strip().thumbnail(slot)->hint(), QString("p%1").arg(slot + 1));
    QCOMPARE(form.preview_strip().thumbnail(2)->picture().pixel(60, 60), pixels::ColourWord(0xEAF1F4));
    QCOMPARE(
        form.preview_strip().thumbnail(3)->picture().pixel(60, 60),
        pixels::Bitmap::from_image(formats::read_jpeg_scaled(tree->path("res/preview/p4.jpg"), {123, 123}))
            .pixel(60, 60));
    QCOMPARE(form.controls().catalogue_list->count(), 6);
}

void PreviewStripTest::a_dot_in_the_name_shortens_the_picture_name()
{
    auto tree = tree_with(3);
    QVERIFY(QFile::rename(tree->path("res/preview/p2.jpg"), tree->path("res/preview/p2.ночь.jpg")));
    app::MainWindow form(tree->app_dir());
    QCOMPARE(form.controls().catalogue_list->item(1)->text(), QString("p2.ночь.jpg"));
    QCOMPARE(form.preview_strip().thumbnail(1)->hint(), QString("p2"));
}

void PreviewStripTest::a_thumbnail_click_opens_its_own_picture()
{
    Strip s(6);
    const QString clipart = s.form->state().paths.clipart_dir;
    const QStringList drawings = QDir(clipart).entryList({"*.bmp"}, QDir::Files);
    QVERIFY(drawings.size() >= 2);
    QVERIFY(QFile::copy(clipart + drawings[0], clipart + "p3.bmp"));
    QVERIFY(QFile::copy(clipart + drawings[1], clipart + "p4.bmp"));
    s.down();
    s.down();
    QCOMPARE(s.shown(), entries({2, 3, 4, 5}));
    QTest::mouseClick(s.strip().thumbnail(1), Qt::LeftButton);
    QVERIFY(s.form->controls().canvas->isVisible());
    QVERIFY(s.form->controls().canvas->picture() == formats::read_bmp(clipart + "p4.bmp"));
    QTest::mouseClick(s.strip().thumbnail(0), Qt::LeftButton);
    QVERIFY(s.form->controls().canvas->picture() == formats::read_bmp(clipart + "p3.bmp"));
}

void PreviewStripTest::memory_stays_flat_however_often_the_strip_scrolls()
{
    Strip s(7);
    auto press = [&](int presses) {
        for (int i = 0; i < presses; ++i) {
            s.down();
            QCoreApplication::processEvents();
        }
    };
    press(20);
    const long after_20 = resident_kilobytes();
    press(1980);
    const long after_2000 = resident_kilobytes();
    QVERIFY(after_20 > 0);
    // One leaked 123 x 123 thumbnail a press would add at least 1980 x 59 KB, about 115 MB.
    const long tolerance_kb = 8 * 1024;
    QVERIFY2(after_2000 - after_20 < tolerance_kb,
             qPrintable(QString("%1 KB after 20 presses, %2 KB after 2000").arg(after_20).arg(after_2000)));
    check_thumbnails(s);
}

QTEST_MAIN(PreviewStripTest)
#include "test_preview_strip.moc"
