#include "history/recovery_record.h"

#include "formats/bmp_codec.h"
#include "platform/errors.h"
#include "platform/file_replacement.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <atomic>
#include <utility>

namespace history {

namespace {

const QString record_prefix = QStringLiteral("copy-");

// Copies within one process (tests run several windows) keep apart as copies of two processes do.
QString new_copy_name()
{
    static std::atomic<int> copies{0};
    return record_prefix + QStringLiteral("%1-%2").arg(QCoreApplication::applicationPid()).arg(++copies);
}

QByteArray page_text(const RecordedPage& page)
{
    const QJsonObject object{
        {"page", page.kind == RecordedPage::Kind::place ? "place" : "own"},
        {"name", page.name},
        {"catalogue", page.catalogue_dir},
    };
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

RecordedPage read_page(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QJsonObject object = QJsonDocument::fromJson(file.read(64 * 1024)).object();
    RecordedPage page;
    if (object.value("page").toString() == QLatin1String("place"))
        page.kind = RecordedPage::Kind::place;
    page.name = object.value("name").toString();
    page.catalogue_dir = object.value("catalogue").toString();
    return page;
}

void write_file(const QString& path, const QByteArray& bytes, const std::function<void()>& before_rename)
{
    platform::replace_file(path, reinterpret_cast<const uchar*>(bytes.constData()), bytes.size(),
                           platform::Replacement::over_the_old_file, before_rename);
}

// Every file of the copy `base` names: its record, its lock and the temporary files of writes
// it never finished.
void remove_copy_files(const QString& base)
{
    const QFileInfo info(base);
    QDir dir(info.path());
    for (const QString& name : dir.entryList({info.fileName() + ".*"}, QDir::Files | QDir::Hidden))
        if (!name.endsWith(QLatin1String(".lock")))
            dir.remove(name);
}

// Takes the lock of the copy `base` when no living copy holds it, and then removes its files.
bool remove_if_dead(const QString& base)
{
    QLockFile lock(base + ".lock");
    lock.setStaleLockTime(0);
    if (!lock.tryLock(0))
        return false;
    remove_copy_files(base);
    return true;
}

} // namespace

RecoveryRecord::RecoveryRecord(const QString& folder)
    : base_(QDir(folder).filePath(new_copy_name())), lock_(base_ + ".lock")
{
    lock_.setStaleLockTime(0);
    lock_.tryLock(0);
    writer_.setMaxThreadCount(1);
}

RecoveryRecord::~RecoveryRecord()
{
    wait_for_writes();
}

std::optional<RecoveredDrawing> RecoveryRecord::take_dead_copy_record(const QString& folder)
{
    QDir dir(folder);
    const QStringList pictures =
        dir.entryList({record_prefix + "*.bmp"}, QDir::Files | QDir::Hidden, QDir::Time);
    for (const QString& picture : pictures) {
        const QString base = dir.filePath(picture.chopped(4));
        // Only a dead copy's lock can be taken (or one that is gone); a living copy keeps its own.
        QLockFile lock(base + ".lock");
        lock.setStaleLockTime(0);
        if (!lock.tryLock(0))
            continue;
        std::optional<RecoveredDrawing> recovered;
        try {
            recovered = RecoveredDrawing{read_page(base + ".page"), formats::read_bmp(base + ".bmp")};
        } catch (const platform::UserError&) {
            // A record that cannot be read is nothing to give back; the next one may be.
        }
        remove_copy_files(base);
        if (recovered)
            return recovered;
    }
    // Copies that died on a page without a drawing of their own leave only its name.
    for (const QString& page : dir.entryList({record_prefix + "*.page"}, QDir::Files | QDir::Hidden))
        remove_if_dead(dir.filePath(page.chopped(5)));
    return std::nullopt;
}

void RecoveryRecord::page_opened(const RecordedPage& page)
{
    ask([&](Wanted& wanted) {
        wanted.page = page;
        wanted.picture.reset();
    });
}

void RecoveryRecord::drawing_saved()
{
    ask([](Wanted& wanted) {
        wanted.picture.reset();
        wanted.picture_dropped = true;
    });
}

void RecoveryRecord::record(const pixels::Bitmap& canvas)
{
    ask([&](Wanted& wanted) {
        wanted.picture = canvas;
        wanted.picture_dropped = false;
    });
}

void RecoveryRecord::remove()
{
    ask([](Wanted& wanted) {
        wanted.picture.reset();
        wanted.removed = true;
    });
    wait_for_writes();
    lock_.unlock();
}

void RecoveryRecord::wait_for_writes()
{
    writer_.waitForDone();
}

void RecoveryRecord::set_before_rename(std::function<void()> hook)
{
    wait_for_writes();
    before_rename_ = std::move(hook);
}

void RecoveryRecord::ask(const std::function<void(Wanted&)>& change)
{
    const std::lock_guard<std::mutex> guard(mutex_);
    if (wanted_.removed || !lock_.isLocked())
        return;
    change(wanted_);
    if (std::exchange(writing_, true))
        return;
    writer_.start([this] { write_until_settled(); });
}

void RecoveryRecord::write_until_settled()
{
    for (;;) {
        Wanted wanted;
        {
            const std::lock_guard<std::mutex> guard(mutex_);
            // Taken out, so the canvas shares no pixels with the writer after this write.
            wanted = std::exchange(wanted_, Wanted{wanted_.page, std::nullopt, false, wanted_.removed});
            if (!wanted.picture && !wanted.picture_dropped && page_on_disk_ == wanted.page &&
                !wanted.removed) {
                writing_ = false;
                return;
            }
        }
        if (!bring_files_to(wanted) || wanted.removed) {
            const std::lock_guard<std::mutex> guard(mutex_);
            writing_ = false;
            return;
        }
    }
}

bool RecoveryRecord::bring_files_to(const Wanted& wanted)
{
    try {
        if (wanted.removed) {
            remove_copy_files(base_);
            page_on_disk_.reset();
            return true;
        }
        if (page_on_disk_ != wanted.page) {
            // The drawing of the page before must never be given back as this page's.
            QFile::remove(picture_path());
            write_file(page_path(), page_text(wanted.page), before_rename_);
            page_on_disk_ = wanted.page;
        }
        if (wanted.picture_dropped)
            QFile::remove(picture_path());
        if (wanted.picture)
            write_file(picture_path(), formats::encode_bmp(*wanted.picture), before_rename_);
        return true;
    } catch (const std::exception&) {
        // A full or read-only disk loses the record, never the child's press; the next change
        // tries again.
        page_on_disk_.reset();
        return false;
    }
}

} // namespace history
