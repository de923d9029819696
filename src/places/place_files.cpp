#include "places/place_files.h"

#include "places/place_error.h"
#include "platform/system_reason.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <QUrl>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace places {

namespace {

const QString journal_name = QStringLiteral(".place-journal");
const QStringList place_folders{QStringLiteral("clipart"), QStringLiteral("info"), QStringLiteral("preview")};
// A temporary file of a place: ".<file>.place-XXXXXX" in the file's folder.
const QRegularExpression temporary_name(QStringLiteral(R"(^\..*\.place-[A-Za-z0-9]{6}$)"));

QByteArray native(const QString& path)
{
    return QFile::encodeName(path);
}

[[noreturn]] void system_failure(const QString& path, const QString& what, int error)
{
    throw PlaceError(path, QStringLiteral("%1 (%2)").arg(what, platform::system_reason(error)));
}

// The modes a new file gets under the process's umask (0644 under the usual 022), so a place
// made into a shared folder opens for every user; a temporary file starts at 0600.
mode_t new_file_mode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

void sync_path(const QString& path)
{
    const int descriptor = ::open(native(path).constData(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0)
        return;
    ::fsync(descriptor);
    ::close(descriptor);
}

// Every byte on the disk, or the system's reason why not (a full disk, a quota).
void write_all(int descriptor, const QByteArray& bytes, const QString& target)
{
    const char* next = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(descriptor, next, static_cast<size_t>(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            system_failure(target, QCoreApplication::translate("places", "файл не записывается"),
                           written < 0 ? errno : ENOSPC);
        next += written;
        left -= written;
    }
    if (::fsync(descriptor) != 0)
        system_failure(target, QCoreApplication::translate("places", "файл не записывается"), errno);
}

// The lock of a catalogue folder, taken on the folder itself so that it leaves no file behind;
// -1 when `wait` is false and another run holds it.
int lock_folder(const QString& dir, bool wait)
{
    if (!QDir().mkpath(dir))
        throw PlaceError(dir, QCoreApplication::translate("places", "папку не удаётся создать"));
    const int descriptor = ::open(native(dir).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        system_failure(dir, QCoreApplication::translate("places", "папка не открывается"), errno);
    if (::flock(descriptor, LOCK_EX | (wait ? 0 : LOCK_NB)) != 0) {
        const int error = errno;
        ::close(descriptor);
        if (!wait && error == EWOULDBLOCK)
            return -1;
        system_failure(dir, QCoreApplication::translate("places", "папку не удаётся занять"), error);
    }
    return descriptor;
}

// One line of the journal: "R <temporary> <target>" or "D <removed>", paths under the folder.
QByteArray journal_line(char kind, const QStringList& paths)
{
    QByteArray line(1, kind);
    for (const QString& path : paths)
        line += ' ' + QUrl::toPercentEncoding(path);
    return line + '\n';
}

// A journal names files of the place folders only: one found in a shared folder never moves or
// removes anything else.
bool place_file(const QString& relative)
{
    const QStringList parts = relative.split('/');
    return parts.size() == 2 && place_folders.contains(parts[0]) && !parts[1].isEmpty() && parts[1] != "." &&
           parts[1] != "..";
}

void replay_journal(const QString& dir)
{
    QFile journal(dir + journal_name);
    if (!journal.open(QIODevice::ReadOnly))
        return;
    for (const QByteArray& line : journal.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        QStringList paths;
        for (qsizetype i = 1; i < fields.size(); ++i)
            paths << QUrl::fromPercentEncoding(fields[i]);
        if (!std::all_of(paths.begin(), paths.end(), place_file))
            continue;
        if (fields[0] == "R" && paths.size() == 2 &&
            temporary_name.match(QFileInfo(paths[0]).fileName()).hasMatch()) {
            const QString from = dir + paths[0];
            const QString to = dir + paths[1];
            if (QFileInfo::exists(from) && std::rename(native(from).constData(), native(to).constData()) != 0)
                system_failure(
                    to, QCoreApplication::translate("places", "файл не удаётся поставить на место"), errno);
        } else if (fields[0] == "D" && paths.size() == 1) {
            QFile::remove(dir + paths[0]);
        }
    }
    for (const QString& folder : place_folders)
        sync_path(dir + folder);
    QFile::remove(dir + journal_name);
    sync_path(dir);
}

void remove_temporaries(const QString& dir)
{
    QFile::remove(dir + journal_name + ".new");
    for (const QString& folder : place_folders) {
        QDirIterator it(dir + folder, QDir::Files | QDir::Hidden | QDir::System);
        while (it.hasNext()) {
            const QFileInfo file = it.nextFileInfo();
            if (temporary_name.match(file.fileName()).hasMatch())
                QFile::remove(file.filePath());
        }
    }
}

// With the folder's lock held: no other run writes there.
void finish_locked(const QString& dir)
{
    if (QFileInfo::exists(dir + journal_name))
        replay_journal(dir);
    remove_temporaries(dir);
}

} // namespace

PlaceFiles::PlaceFiles(QString catalogue_dir, std::function<void()> after_each_step)
    : dir_(std::move(catalogue_dir)), after_each_step_(std::move(after_each_step)),
      lock_(lock_folder(dir_, true))
{
    try {
        finish_locked(dir_);
    } catch (...) {
        ::close(lock_);
        throw;
    }
}

PlaceFiles::~PlaceFiles()
{
    // Once the journal is on the disk the temporary files are the new place: the next run of
    // the folder completes it.
    if (!journal_written_)
        for (const Staged& file : staged_)
            QFile::remove(file.temporary);
    ::close(lock_);
}

void PlaceFiles::step() const
{
    if (after_each_step_)
        after_each_step_();
}

void PlaceFiles::stage(const QString& relative, const QByteArray& bytes)
{
    const QString target = dir_ + relative;
    const QFileInfo info(target);
    if (!QDir().mkpath(info.absolutePath()))
        throw PlaceError(info.absolutePath(),
                         QCoreApplication::translate("places", "папку не удаётся создать"));
    QTemporaryFile file(info.absolutePath() + "/." + info.fileName() + ".place-XXXXXX");
    file.setAutoRemove(false);
    if (!file.open())
        system_failure(info.absolutePath(), QCoreApplication::translate("places", "в папку нельзя записать"),
                       errno);
    staged_.push_back({file.fileName(), target});
    if (::fchmod(file.handle(), new_file_mode()) != 0)
        system_failure(target, QCoreApplication::translate("places", "файл не записывается"), errno);
    write_all(file.handle(), bytes, target);
    step();
}

void PlaceFiles::refuse_folders_in_the_way() const
{
    QStringList targets;
    for (const QString& relative : retired_)
        targets << dir_ + relative;
    for (const Staged& file : staged_)
        targets << file.target;
    for (const QString& path : targets) {
        struct stat status {};
        if (::lstat(native(path).constData(), &status) == 0 && S_ISDIR(status.st_mode))
            throw PlaceError(path, QCoreApplication::translate(
                                       "places", "на месте файла стоит папка; место оставлено как было"));
    }
}

void PlaceFiles::write_journal()
{
    QByteArray journal;
    for (const Staged& file : staged_)
        journal += journal_line('R', {file.temporary.mid(dir_.size()), file.target.mid(dir_.size())});
    for (const QString& relative : retired_)
        journal += journal_line('D', {relative});
    const QString draft = dir_ + journal_name + ".new";
    QFile out(draft);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(journal) != journal.size() ||
        !out.flush() || ::fsync(out.handle()) != 0) {
        const int error = errno;
        out.remove();
        system_failure(draft, QCoreApplication::translate("places", "файл не записывается"),
                       error != 0 ? error : EIO);
    }
    out.close();
    if (std::rename(native(draft).constData(), native(dir_ + journal_name).constData()) != 0)
        system_failure(dir_ + journal_name, QCoreApplication::translate("places", "файл не записывается"),
                       errno);
    sync_path(dir_);
    journal_written_ = true;
    step();
}

QStringList PlaceFiles::commit()
{
    refuse_folders_in_the_way();
    write_journal();
    QStringList written;
    for (const Staged& file : staged_) {
        if (std::rename(native(file.temporary).constData(), native(file.target).constData()) != 0)
            system_failure(file.target,
                           QCoreApplication::translate("places", "файл не удаётся поставить на место"),
                           errno);
        written << file.target;
        step();
    }
    for (const QString& relative : retired_) {
        QFile::remove(dir_ + relative);
        step();
    }
    for (const QString& folder : place_folders)
        sync_path(dir_ + folder);
    QFile::remove(dir_ + journal_name);
    sync_path(dir_);
    staged_.clear();
    return written;
}

void remove_place(const QString& catalogue_dir, const QString& name,
                  const std::function<void()>& after_each_step)
{
    PlaceFiles files(catalogue_dir, after_each_step);
    for (const QString& relative : {"preview/" + name + ".jpg", "clipart/" + name + ".bmp",
                                    "info/" + name + ".bmp", "info/" + name + ".txt"})
        files.retire(relative);
    files.commit();
}

void finish_interrupted_place(const QString& catalogue_dir)
{
    if (!QFileInfo::exists(catalogue_dir + journal_name))
        return;
    try {
        const int lock = lock_folder(catalogue_dir, false);
        if (lock < 0)
            return;
        try {
            finish_locked(catalogue_dir);
        } catch (const PlaceError&) {
            ::close(lock);
            throw;
        }
        ::close(lock);
    } catch (const PlaceError&) {
        // A folder this user may not write: the place stays as it is until its owner runs.
    }
}

} // namespace places
