#include "app/main_window.h"
#include "catalogue/catalogue_listing.h"
#include "catalogue/preview_strip.h"
#include "core/frame_shape.h"
#include "formats/cursor_file.h"
#include "support/captured_errors.h"
#include "support/test_tree.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontInfo>
#include <QImage>
#include <QTest>

using testing_support::CapturedErrors;
using testing_support::TestTree;

namespace {

// One real thumbnail of the generated tree, copied under the names a test needs.
QByteArray some_thumbnail()
{
    const QStringList names =
        QDir(testing_support::generated_res_dir() + "/preview").entryList({"*.jpg"}, QDir::Files);
    if (names.isEmpty())
        return {};
    QFile file(testing_support::generated_res_dir() + "/preview/" + names.first());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void empty_preview(const TestTree& tree)
{
    QDir preview(tree.path("res/preview"));
    for (const QString& name : preview.entryList(QDir::Files | QDir::Hidden))
        preview.remove(name);
}

QStringList list_box_entries(app::MainWindow& form)
{
    QStringList entries;
    for (int i = 0; i < form.controls().catalogue_list->count(); ++i)
        entries << form.controls().catalogue_list->item(i)->text();
    return entries;
}

bool same_cursor(const QCursor& a, const QCursor& b)
{
    return a.shape() == b.shape() && a.hotSpot() == b.hotSpot() &&
           a.pixmap().toImage().convertToFormat(QImage::Format_ARGB32) ==
               b.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void paths_are_absolute_under_the_application_folder();
    void state_starts_with_the_fill_tool_and_the_first_jar();
    void canvas_shows_the_fill_cursor();
    void a_missing_cursor_file_leaves_its_number_empty_and_start_up_goes_on();
    void window_is_titled_and_set_in_tahoma();
    void save_dialog_starts_in_the_save_folder();
    void catalogue_lists_only_jpeg_files_in_natural_order();
    void catalogue_is_not_listed_again_during_the_run();
    void missing_preview_folder_gives_an_empty_strip_without_error();
    void start_up_reports_nothing();
};

void StartupTest::paths_are_absolute_under_the_application_folder()
{
    TestTree tree;
    app::MainWindow form(tree.app_dir());
    const core::ResourcePaths& paths = form.state().paths;
    QCOMPARE(paths.app_dir, tree.app_dir());
    QVERIFY(QFileInfo(paths.app_dir).isAbsolute());
    QCOMPARE(paths.preview_dir, tree.app_dir() + "res/preview/");
    QCOMPARE(paths.clipart_dir, tree.app_dir() + "res/clipart/");
    QCOMPARE(paths.interface_dir, tree.app_dir() + "res/interface/");
    QCOMPARE(paths.gradients_dir, tree.app_dir() + "res/gradients/");
    QCOMPARE(paths.instruments_dir, tree.app_dir() + "res/instruments/");
    QCOMPARE(paths.buttons_dir, tree.app_dir() + "res/buttons/");
    QCOMPARE(paths.curs_dir, tree.app_dir() + "res/curs/");
    QCOMPARE(paths.info_dir, tree.app_dir() + "res/info/");
    QCOMPARE(paths.banks_dir, tree.app_dir() + "res/banks/");
    QCOMPARE(paths.tmp_dir, tree.app_dir() + "Tmp/");

    // Given without its trailing separator, the folder still yields the same paths.
    QString bare = tree.app_dir();
    bare.chop(1);
    app::MainWindow again(bare);
    QCOMPARE(again.state().paths.preview_dir, paths.preview_dir);
}

void StartupTest::state_starts_with_the_fill_tool_and_the_first_jar()
{
    TestTree tree;
    app::MainWindow form(tree.app_dir());
    const core::ProcessState& state = form.state();
    QCOMPARE(state.drawing.current_tool, core::Tool::fill);
    QCOMPARE(state.drawing.brush_size, 3);
    QCOMPARE(static_cast<int>(state.drawing.fill_pattern), 1);
    QCOMPARE(state.drawing.eraser_mode, false);
    QCOMPARE(state.drawing.stroke_active, false);
    QCOMPARE(state.chosen_jar, 1);
    QCOMPARE(state.preview_pos, 1);
    QCOMPARE(state.work_page_shown, false);
}

void StartupTest::canvas_shows_the_fill_cursor()
{
    TestTree tree;
    app::MainWindow form(tree.app_dir());
    const formats::ScreenCursors& cursors = form.state().screen_cursors;
    for (int number : {50, 51, 52, 53})
        QVERIFY2(cursors.contains(number), qPrintable(QString::number(number)));

    const QCursor canvas = form.controls().canvas->cursor();
    QCOMPARE(canvas.shape(), Qt::BitmapCursor);
    QVERIFY(same_cursor(canvas, cursors.cursor(core::cursor_fill)));
    QVERIFY(!same_cursor(canvas, cursors.cursor(core::cursor_brush)));

    // The registered cursor is the file's own, hotspot included.
    const std::optional<QCursor> fill = formats::load_cursor_file(tree.path("res/curs/залив.cur"));
    QVERIFY(fill.has_value());
    QCOMPARE(canvas.hotSpot(), fill->hotSpot());
}

void StartupTest::a_missing_cursor_file_leaves_its_number_empty_and_start_up_goes_on()
{
    TestTree tree;
    tree.remove("res/curs/залив.cur");
    tree.write("res/curs/ластик.cur", "not a cursor");
    CapturedErrors errors;
    app::MainWindow form(tree.app_dir());
    const formats::ScreenCursors& cursors = form.state().screen_cursors;
    QVERIFY(cursors.contains(core::cursor_brush));
    QVERIFY(!cursors.contains(core::cursor_fill));
    QVERIFY(!cursors.contains(core::cursor_eraser));
    QVERIFY(cursors.contains(core::cursor_pipette));
    QCOMPARE(form.controls().canvas->cursor().shape(), Qt::ArrowCursor);
    QVERIFY(errors.messages().isEmpty());
    QVERIFY(form.preview_strip().thumbnail(0) != nullptr);
}

void StartupTest::window_is_titled_and_set_in_tahoma()
{
    TestTree tree;
    app::MainWindow form(tree.app_dir());
    QCOMPARE(form.objectName(), QString("main_window"));
    QCOMPARE(form.windowTitle(), QString("Колоритон"));
    QCOMPARE(form.font().family(), QString("Tahoma"));
    QCOMPARE(form.font().pointSize(), 8);
    if (QFile::exists("/usr/share/wine/fonts/tahoma.ttf"))
        QCOMPARE(QFontInfo(form.controls().strip_down_button->font()).family(), QString("Tahoma"));
}

void StartupTest::save_dialog_starts_in_the_save_folder()
{
    TestTree tree;
    app::MainWindow form(tree.app_dir());
    const core::FileDialogSettings& save = form.controls().save_dialog;
    QCOMPARE(save.initial_dir, tree.app_dir() + "save/");
    QCOMPARE(save.default_suffix, QString("bmp"));
    QCOMPARE(save.file_name, QString("save"));
    QCOMPARE(save.filter, QString("Растровое изображение (24 бит) (*.bmp)"));
    QVERIFY(!save.options.testFlag(QFileDialog::DontConfirmOverwrite));
    const core::FileDialogSettings& open = form.controls().open_dialog;
    QCOMPARE(open.default_suffix, QString("bmp"));
    QVERIFY(open.file_name.isEmpty());
    QCOMPARE(open.filter, QString("Растровое изображение (*.bmp)"));
}

void StartupTest::catalogue_lists_only_jpeg_files_in_natural_order()
{
    const QByteArray jpeg = some_thumbnail();
    QVERIFY(!jpeg.isEmpty());
    TestTree tree;
    empty_preview(tree);
    for (const char* name : {"10.jpg", "2.jpg", "маяк.jpg", "Арка.jpg", "мельница.JPG", "мост.ночь.jpg",
                             "юла.jpeg", "заметка.txt", ".скрытый.jpg", "jpg"})
        tree.write(QString("res/preview/") + QString::fromUtf8(name), jpeg);
    QVERIFY(QDir().mkpath(tree.path("res/preview/папка.jpg")));

    app::MainWindow form(tree.app_dir());
    const QStringList expected{"2.jpg", "10.jpg", "Арка.jpg", "маяк.jpg", "мельница.JPG", "мост.ночь.jpg"};
    QCOMPARE(list_box_entries(form), expected);
    QStringList listed;
    for (const catalogue::CatalogueEntry& entry : catalogue::list_catalogue({tree.path("res/")}))
        listed << entry.file;
    QCOMPARE(listed, expected);
    QVERIFY(form.controls().catalogue_list->isHidden());
    QCOMPARE(form.preview_strip().thumbnail(3)->hint(), QString("маяк"));
}

void StartupTest::catalogue_is_not_listed_again_during_the_run()
{
    TestTree tree;
    app::MainWindow form(tree.app_dir());
    const QStringList before = list_box_entries(form);
    QVERIFY(before.size() >= 4);
    tree.write("res/preview/0000.jpg", some_thumbnail());
    form.preview_strip().scroll_up();
    form.preview_strip().scroll_down();
    QCOMPARE(list_box_entries(form), before);
    for (int slot = 0; slot < 4; ++slot)
        QVERIFY(form.preview_strip().thumbnail(slot)->hint() != "0000");
}

void StartupTest::missing_preview_folder_gives_an_empty_strip_without_error()
{
    TestTree tree;
    QVERIFY(QDir(tree.path("res/preview")).removeRecursively());
    CapturedErrors errors;
    app::MainWindow form(tree.app_dir());
    QCOMPARE(form.controls().catalogue_list->count(), 0);
    for (int slot = 0; slot < 4; ++slot)
        QVERIFY(form.preview_strip().thumbnail(slot) == nullptr);
    QVERIFY(errors.messages().isEmpty());
}

void StartupTest::start_up_reports_nothing()
{
    TestTree tree;
    CapturedErrors errors;
    app::MainWindow form(tree.app_dir());
    QCOMPARE(errors.messages(), QStringList());
}

QTEST_MAIN(StartupTest)
#include "test_startup.moc"
