#include "platform/file_replacement.h"

#include "platform/errors.h"
#include "platform/system_reason.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// The most bytes a file name may have in `folder`; POSIX's least for a file system that does not say.
qsizetype longest_name_in(const QString& folder)
{
    const long longest = ::pathconf(QFile::encodeName(folder).constData(), _PC_NAME_MAX);
    return longest > 0 ? longest : 255;
}

[[noreturn]] void file_error(const QString& path, const QString& reason)
{
    throw FileError(path, reason);
}

// A file that nobody may write, or that we may not write, is read-only and is not replaced.
// Returns the mode of the file there is, which the new one takes over. Plain system calls: this
// runs before every press, and the same questions through QFileInfo cost ten of them.
std::optional<mode_t> refuse_read_only(const QString& target, const QString& path)
{
    const QByteArray name = QFile::encodeName(target);
    struct stat status {};
    if (::stat(name.constData(), &status) != 0)
        return std::nullopt;
    if (S_ISDIR(status.st_mode))
        file_error(path, system_reason(EISDIR));
    if ((status.st_mode & 0222) == 0)
        file_error(path, system_reason(EACCES));
    if (::access(name.constData(), W_OK) != 0)
        file_error(path, system_reason(errno));
    return status.st_mode & 0777;
}

// The file a path names: a link's target is replaced, the link stays.
QString replaced_file(const QString& path)
{
    struct stat status {};
    const bool link = ::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISLNK(status.st_mode);
    return link ? QFileInfo(path).symLinkTarget() : path;
}

// Unbuffered: the bytes go to the system as they are, with no copy in between.
QString open_temporary(QFile& file, const QString& target, const QString& path)
{
    for (int attempt = 0; attempt < 16; ++attempt) {
        const QString name = temporary_name_beside(target, QRandomGenerator::global()->generate());
        const int descriptor =
            ::open(QFile::encodeName(name).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor < 0 && errno == EEXIST)
            continue;
        if (descriptor < 0)
            file_error(path, system_reason(errno));
        if (!file.open(descriptor, QIODevice::WriteOnly | QIODevice::Unbuffered,
                       QFileDevice::AutoCloseHandle)) {
            ::close(descriptor);
            ::unlink(QFile::encodeName(name).constData());
            file_error(path, system_reason(EIO));
        }
        return name;
    }
    file_error(path, system_reason(EEXIST));
}

void discard(QFile& file, const QString& temporary)
{
    file.close();
    QFile::remove(temporary);
}

// Writes every byte or gives the system's reason why not. A short write is not an error by
// itself, so the rest is written again until the system says what is wrong (a full disk, a
// file size limit); QFile would report that as an unknown error.
int write_all(int descriptor, const uchar* bytes, qint64 size)
{
    const char* next = reinterpret_cast<const char*>(bytes);
    qint64 left = size;
    while (left > 0) {
        const ssize_t written = ::write(descriptor, next, static_cast<size_t>(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return errno;
        if (written == 0)
            return ENOSPC;
        next += written;
        left -= written;
    }
    return 0;
}

void put_in_place(const QString& temporary, const QString& target, const QString& path, Replacement how)
{
    const QByteArray from = QFile::encodeName(temporary);
    const QByteArray to = QFile::encodeName(target);
    // As long as the temporary name, so it fits wherever that does.
    const QByteArray aside = QFile::encodeName(temporary.chopped(4) + QStringLiteral(".old"));
    const bool moved_aside =
        how == Replacement::moving_the_old_file_aside &&
        renameat2(AT_FDCWD, to.constData(), AT_FDCWD, aside.constData(), RENAME_NOREPLACE) == 0;
    if (std::rename(from.constData(), to.constData()) != 0) {
        const QString reason = system_reason(errno);
        if (moved_aside)
            std::rename(aside.constData(), to.constData());
        QFile::remove(temporary);
        file_error(path, reason);
    }
    // The new file is in place: an old one that cannot be removed is left over, nothing worse.
    if (moved_aside)
        ::unlink(aside.constData());
}

// The rename is on disk only when the folder is: after a power cut the name would otherwise
// still lead to the old file, or to none.
void sync_folder(const QString& folder)
{
    const int descriptor = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        return;
    ::fsync(descriptor);
    ::close(descriptor);
}

} // namespace

void remove_stale_temporaries(const QString& folder)
{
    static const QRegularExpression own_name(QStringLiteral(R"(\.[0-9a-f]{8}\.(tmp|old)$)"));
    const QDateTime stale_before = QDateTime::currentDateTime().addSecs(-stale_temporary_age_s);
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        const QFileInfo file = it.nextFileInfo();
        if (!file.isSymLink() && own_name.match(file.fileName()).hasMatch() &&
            file.lastModified() < stale_before)
            QFile::remove(file.filePath());
    }
}

QString temporary_name_beside(const QString& target, quint32 random)
{
    const QFileInfo info(target);
    const QString ending = QStringLiteral(".%1.tmp").arg(random, 8, 16, QChar('0'));
    const qsizetype room = longest_name_in(info.path()) - QFile::encodeName(ending).size();
    QString name = info.fileName();
    while (!name.isEmpty() && QFile::encodeName(name).size() > room)
        name.chop(name.size() >= 2 && name.back().isLowSurrogate() ? 2 : 1);
    return QDir(info.path()).filePath(name + ending);
}

void replace_file(const QString& path, const uchar* bytes, qint64 size, Replacement how,
                  const std::function<void()>& before_rename)
{
    const QString target = replaced_file(path);
    const std::optional<mode_t> mode = refuse_read_only(target, path);
    QFile file;
    const QString temporary = open_temporary(file, target, path);
    if (mode)
        ::fchmod(file.handle(), *mode);
    if (const int error = write_all(file.handle(), bytes, size); error != 0) {
        discard(file, temporary);
        file_error(path, system_reason(error));
    }
    if (how == Replacement::over_the_old_file && ::fsync(file.handle()) != 0) {
        const QString reason = system_reason(errno);
        discard(file, temporary);
        file_error(path, reason);
    }
    file.close();
    if (file.error() != QFileDevice::NoError) {
        discard(file, temporary);
        file_error(path, system_reason(EIO));
    }
    if (before_rename)
        before_rename();
    put_in_place(temporary, target, path, how);
    if (how == Replacement::over_the_old_file) {
        sync_folder(QFileInfo(target).path());
        remove_stale_temporaries(QFileInfo(target).path());
    }
}

} // namespace platform
