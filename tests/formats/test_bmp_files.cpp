#include "formats/bmp_codec.h"
#include "platform/errors.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <unistd.h>

using namespace formats;
using namespace platform;
using namespace pixels;

namespace {

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void put_contents(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

Bitmap sample()
{
    Bitmap bitmap(5, 3);
    bitmap.image().setPixel(4, 2, qRgb(12, 34, 56));
    return bitmap;
}

// The message names the file first, then gives the system's reason.
void expect_file_error(const std::function<void()>& action, const QString& path)
{
    try {
        action();
        QFAIL("no FileError was thrown");
    } catch (const FileError& error) {
        QVERIFY2(error.text().startsWith(path + ": "), qPrintable(error.text()));
        QVERIFY(error.text().size() > path.size() + 2);
    }
}

} // namespace

class TestBmpFiles : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
    }

    // Both ways of replacing a file (renamed over it, or the old one moved aside first) leave the
    // new picture alone in the folder, with the old file's permissions.
    void written_file_reads_back_and_replaces_the_old_one()
    {
        for (auto* write : {&write_bmp, &write_scratch_bmp}) {
            const QString path = dir_->filePath("picture.bmp");
            put_contents(path, "old contents");
            QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
            const QFile::Permissions permissions = QFile::permissions(path);
            write(sample(), path);
            QCOMPARE(read_bmp(path), sample());
            QCOMPARE(contents(path), encode_bmp(sample()));
            QCOMPARE(QFile::permissions(path), permissions);
            QCOMPARE(QDir(dir_->path()).entryList(QDir::Files | QDir::Hidden), QStringList{"picture.bmp"});
            write(Bitmap(3, 2, 8), path);
            QCOMPARE(read_bmp(path), Bitmap(3, 2, 8));
            QVERIFY(QFile::remove(path));
        }
    }

    void writing_through_a_link_replaces_the_linked_file()
    {
        const QString real = dir_->filePath("real.bmp");
        const QString link = dir_->filePath("link.bmp");
        put_contents(real, "old");
        QVERIFY(QFile::link(real, link));
        write_bmp(sample(), link);
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(read_bmp(real), sample());
    }

    // A file that cannot be read or written is named with the system's reason; what was there
    // stays as it was, with nothing left beside it.
    void a_failure_names_the_file_and_keeps_what_was_there_data()
    {
        QTest::addColumn<QString>("name"); // in the test's folder, or absolute
        QTest::addColumn<QString>("in_the_way");
        QTest::addColumn<bool>("write");
        QTest::newRow("missing file") << "nowhere.bmp"
                                      << "" << false;
        QTest::newRow("a folder read") << "taken.bmp"
                                       << "folder" << false;
        QTest::newRow("missing folder") << "missing/picture.bmp"
                                        << "" << true;
        QTest::newRow("read-only file") << "kept.bmp"
                                        << "read-only file" << true;
        QTest::newRow("folder in the way") << "taken.bmp"
                                           << "folder" << true;
        QTest::newRow("file system refusing new files") << "/proc/koloriton-test.bmp"
                                                        << "" << true;
    }
    void a_failure_names_the_file_and_keeps_what_was_there()
    {
        QFETCH(QString, name);
        QFETCH(QString, in_the_way);
        QFETCH(bool, write);
        const QString path = dir_->filePath(name);
        if (in_the_way == "folder")
            QVERIFY(QDir().mkpath(path));
        if (in_the_way == "read-only file") {
            put_contents(path, "precious");
            QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        }
        const QStringList before = QDir(dir_->path()).entryList(QDir::AllEntries | QDir::Hidden);
        expect_file_error([&] { write ? write_bmp(sample(), path) : void(read_bmp(path)); }, path);
        QCOMPARE(QDir(dir_->path()).entryList(QDir::AllEntries | QDir::Hidden), before);
        QCOMPARE(QFileInfo(path).isDir(), in_the_way == "folder");
        if (in_the_way == "read-only file")
            QCOMPARE(contents(path), QByteArray("precious"));
    }

    void file_that_is_not_a_bitmap_is_not_valid()
    {
        const QString path = dir_->filePath("text.bmp");
        put_contents(path, "just some text, long enough to look like a header of something");
        QVERIFY_THROWS_EXCEPTION(ImageError, read_bmp(path));
    }

    void read_only_folder_keeps_the_old_file()
    {
        const QString folder = dir_->filePath("locked");
        QVERIFY(QDir().mkpath(folder));
        const QString path = folder + "/kept.bmp";
        put_contents(path, "precious");
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        if (access(QFile::encodeName(folder).constData(), W_OK) == 0) {
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QSKIP("this user may write into any folder");
        }
        expect_file_error([&] { write_bmp(sample(), path); }, path);
        expect_file_error([&] { write_scratch_bmp(sample(), path); }, path);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(contents(path), QByteArray("precious"));
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"kept.bmp"});
    }

private:
    // A fresh folder for every test, so each one sees only its own files.
    std::unique_ptr<QTemporaryDir> dir_;
};

QTEST_GUILESS_MAIN(TestBmpFiles)
#include "test_bmp_files.moc"
