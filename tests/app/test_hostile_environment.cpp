#include "app/main_window.h"
#include "formats/bmp_codec.h"
#include "history/drawing_files.h"
#include "history/snapshot.h"
#include "skin/skin_manager.h"
#include "support/captured_errors.h"
#include "support/main_window.h"
#include "support/test_tree.h"

#include <QApplication>
#include <QDir>
#include <QEnterEvent>
#include <QFile>
#include <QTest>
#include <sys/stat.h>

using testing_support::CapturedErrors;
using testing_support::TestTree;

namespace {

constexpr qint64 hundred_gigabytes = qint64{100} << 30;

// One running copy of the program over a tree that may be shared with another copy.
struct Copy {
    explicit Copy(const TestTree& tree) : form(tree.app_dir())
    {
        form.set_exit_question([] { return true; });
        form.set_save_question([] { return app::SaveAnswer::discard; });
        form.drawing_files().set_dialog_runner(
            [this](history::DialogKind, const core::FileDialogSettings&) { return std::optional(answer); });
        form.skin_manager().set_skin_directory(form.state().paths.skin_dir());
        form.skin_manager().set_skin_name(QStringLiteral("MacOS"));
        form.show();
    }
    app::MainWindowControls& controls() { return form.controls(); }
    void open(const QString& path)
    {
        answer = path;
        QTest::mouseClick(controls().open_button, Qt::LeftButton);
    }
    void stroke(QPoint at)
    {
        QTest::mouseClick(controls().brush_button, Qt::LeftButton);
        QTest::mousePress(controls().canvas, Qt::LeftButton, {}, at);
        QTest::mouseMove(controls().canvas, at + QPoint(15, 10));
        QTest::mouseRelease(controls().canvas, Qt::LeftButton, {}, at + QPoint(15, 10));
    }
    pixels::Bitmap& canvas() { return controls().canvas->picture(); }

    app::MainWindow form;
    QString answer;
};

void make_sparse(const QString& path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QVERIFY(file.resize(hundred_gigabytes));
}

pixels::Bitmap plain_picture(int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return pixels::Bitmap::from_image(image);
}

bool no_library_text(const QStringList& messages)
{
    return std::none_of(messages.begin(), messages.end(),
                        [](const QString& m) { return m.contains("std::"); });
}

} // namespace

class TestHostileEnvironment : public QObject {
    Q_OBJECT

private slots:
    // A link to a device and FIFOs among the thumbnails are no pictures: the program starts at
    // once and lists only the real ones.
    void only_regular_files_are_catalogue_entries()
    {
        TestTree tree;
        const int pictures = QDir(tree.path("res/preview")).entryList({"*.jpg"}, QDir::Files).size();
        QVERIFY(QFile::link("/dev/zero", tree.path("res/preview/ноль.jpg")));
        const QByteArray fifo = QFile::encodeName(tree.path("res/preview/труба.jpg"));
        QCOMPARE(mkfifo(fifo.constData(), 0600), 0);
        QVERIFY(QFile::link(tree.path("res/preview/труба.jpg"), tree.path("res/preview/ссылка.jpg")));
        CapturedErrors errors;
        Copy copy(tree);
        QCOMPARE(copy.controls().catalogue_list->count(), pictures);
        QCOMPARE(errors.messages(), QStringList());
    }

    // A 100 GB file as a cursor or a style sheet is passed over quietly at start-up; as a
    // thumbnail, line drawing, photograph or description it is refused by name, and the program
    // goes on.
    void files_far_too_large_are_refused_by_name()
    {
        TestTree tree;
        make_sparse(tree.path("res/curs/залив.cur"));
        make_sparse(tree.path("res/skins/MacOS/skin.qss"));
        QString first;
        {
            CapturedErrors errors;
            Copy copy(tree);
            QCOMPARE(errors.messages(), QStringList());
            QVERIFY(copy.form.skin_manager().applied_style_sheet().isEmpty());
            first = copy.controls().catalogue_list->item(0)->text();
        }
        const QString name = first.left(first.indexOf('.'));
        for (const QString& file : {"preview/" + first, "clipart/" + name + ".bmp", "info/" + name + ".bmp",
                                    "info/" + name + ".txt"}) {
            const QByteArray kept = [&] {
                QFile original(tree.path("res/" + file));
                original.open(QIODevice::ReadOnly);
                return original.readAll();
            }();
            make_sparse(tree.path("res/" + file));
            CapturedErrors errors;
            Copy copy(tree);
            if (!file.startsWith("preview/"))
                testing_support::press(copy.form.preview_strip().thumbnail(0));
            // A thumbnail is refused when its decoding, off the interface thread, ends.
            QTRY_VERIFY2(errors.messages().contains(tree.path("res/" + file) + ": файл слишком большой"),
                         qPrintable(errors.messages().join('\n')));
            QVERIFY(no_library_text(errors.messages()));
            tree.write("res/" + file, kept);
        }
    }

    // With the hover picture of "Открыть" missing, passing over the button again and again
    // reports it once, and the button still opens a drawing.
    void a_missing_hover_picture_is_reported_once()
    {
        TestTree tree;
        tree.remove("res/interface/открыть!.bmp");
        CapturedErrors errors;
        Copy copy(tree);
        for (int pass = 0; pass < 5; ++pass) {
            QEnterEvent enter({5, 5}, {5, 5}, {5, 5});
            QApplication::sendEvent(copy.controls().open_button, &enter);
            QEvent leave(QEvent::Leave);
            QApplication::sendEvent(copy.controls().open_button, &leave);
        }
        QCOMPARE(errors.messages().size(), 1);
        QVERIFY(errors.messages().first().startsWith(tree.path("res/interface/открыть!.bmp")));
        const pixels::Bitmap drawing = plain_picture(120, 90, qRgb(10, 200, 30));
        formats::write_bmp(drawing, tree.path("save/drawing.bmp"));
        copy.open(tree.path("save/drawing.bmp"));
        QVERIFY(copy.canvas() == drawing);
        QCOMPARE(errors.messages().size(), 1);
    }

    // Two copies of the program on one folder: each undoes its own drawing, and one's exit
    // leaves the other's snapshots.
    void two_copies_keep_their_own_snapshots()
    {
        TestTree tree;
        CapturedErrors errors;
        Copy a(tree);
        Copy b(tree);
        formats::write_bmp(plain_picture(200, 150, qRgb(255, 255, 255)), tree.path("save/a.bmp"));
        a.open(tree.path("save/a.bmp"));
        const pixels::Bitmap before_a = a.canvas();
        a.stroke({50, 50});
        QVERIFY(a.canvas() != before_a);
        formats::write_bmp(plain_picture(1, 1, qRgb(0, 0, 255)), tree.path("save/b.bmp"));
        b.open(tree.path("save/b.bmp"));
        b.stroke({0, 0});
        QVERIFY(history::undo_snapshot_path(a.form.state().paths) !=
                history::undo_snapshot_path(b.form.state().paths));
        QTest::mouseClick(a.controls().undo_button, Qt::LeftButton);
        QVERIFY(a.canvas() == before_a);
        const QString b_snapshot = history::undo_snapshot_path(b.form.state().paths);
        QVERIFY(QFile::exists(b_snapshot));
        QVERIFY(a.form.close());
        QVERIFY(!QFile::exists(history::undo_snapshot_path(a.form.state().paths)));
        QVERIFY(!QFile::exists(history::redo_snapshot_path(a.form.state().paths)));
        QVERIFY(QFile::exists(b_snapshot));
        QCOMPARE(errors.messages(), QStringList());
    }

    // What interrupted writes left of a copy's own snapshots goes at start-up; a running copy's
    // files and anything not of our naming stay.
    void leftovers_of_interrupted_writes_are_removed_at_start_up()
    {
        TestTree tree;
        Copy first(tree);
        const QStringList ours{"tmp-2.bmp", "tmp-2.bmp.0123abcd.tmp", "tmp1-2.bmp.ffff0000.tmp"};
        const QStringList others{"tmp.bmp.89abcdef.tmp", "tmp1.bmp.00000001.tmp", "tmp-2.bmp.notours.tmp",
                                 "tmp-3.bmp.01234567.tmp", "notes.txt"};
        for (const QString& name : ours + others)
            tree.write("Tmp/" + name, QByteArray(1000, 'x'));
        Copy second(tree);
        QCOMPARE(second.form.state().paths.snapshot_tag, QStringLiteral("-2"));
        const QStringList left = QDir(tree.path("Tmp")).entryList(QDir::Files | QDir::Hidden);
        for (const QString& name : ours)
            QVERIFY2(!left.contains(name), qPrintable(name));
        for (const QString& name : others)
            QVERIFY2(left.contains(name), qPrintable(name));
    }

    // A 64-byte bitmap that claims a picture of 32768 x 8192 pixels is refused on opening.
    void a_decompression_bomb_is_refused()
    {
        TestTree tree;
        QByteArray bomb("BM");
        const auto put = [&](quint32 value, int size) {
            for (int i = 0; i < size; ++i)
                bomb.append(char(value >> (8 * i) & 0xFF));
        };
        put(64, 4), put(0, 4), put(62, 4);
        put(40, 4), put(32768, 4), put(8192, 4), put(1, 2), put(8, 2), put(1, 4);
        put(2, 4), put(0, 4), put(0, 4), put(2, 4), put(0, 4);
        put(0, 4), put(0xFFFFFF, 4), put(0x0100, 2);
        QVERIFY(bomb.size() <= 64);
        tree.write("save/bomb.bmp", bomb);
        CapturedErrors errors;
        Copy copy(tree);
        copy.open(tree.path("save/bomb.bmp"));
        QCOMPARE(errors.messages(),
                 QStringList{tree.path("save/bomb.bmp") +
                             ": картинка BMP повреждена или обрезана (Bitmap image is not valid)"});
        QVERIFY(!copy.controls().opened_picture_buffer->has_picture());
    }
};

QTEST_MAIN(TestHostileEnvironment)
#include "test_hostile_environment.moc"
