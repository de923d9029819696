#include "places/place_files.h"

#include "places/place_error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>

namespace places {

namespace {

QString system_reason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// The modes a new file gets under the process's umask (0644 under the usual 022), so a place
// made into a shared folder opens for every user; a temporary file starts at 0600.
mode_t new_file_mode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

PlaceFiles::~PlaceFiles()
{
    for (const Staged& file : staged_)
        QFile::remove(file.temporary);
}

void PlaceFiles::stage(const QString& relative, const QByteArray& bytes)
{
    const QString target = dir_ + relative;
    const QFileInfo info(target);
    if (!QDir().mkpath(info.absolutePath()))
        throw PlaceError(info.absolutePath(), QStringLiteral("папку не удаётся создать"));
    QTemporaryFile file(info.absolutePath() + "/." + info.fileName() + ".XXXXXX");
    file.setAutoRemove(false);
    if (!file.open())
        throw PlaceError(info.absolutePath(),
                         QStringLiteral("в папку нельзя записать (%1)").arg(file.errorString()));
    staged_.push_back({file.fileName(), target});
    if (::fchmod(file.handle(), new_file_mode()) != 0)
        throw PlaceError(target, QStringLiteral("файл не записывается (%1)").arg(system_reason(errno)));
    if (file.write(bytes) != bytes.size() || !file.flush())
        throw PlaceError(target, QStringLiteral("файл не записывается (%1)").arg(file.errorString()));
}

QStringList PlaceFiles::commit()
{
    QStringList written;
    for (const Staged& file : staged_) {
        if (std::rename(QFile::encodeName(file.temporary).constData(),
                        QFile::encodeName(file.target).constData()) != 0)
            throw PlaceError(
                file.target,
                QStringLiteral("файл не удаётся поставить на место (%1)").arg(system_reason(errno)));
        written << file.target;
    }
    staged_.clear();
    for (const QString& relative : retired_)
        QFile::remove(dir_ + relative);
    return written;
}

} // namespace places
