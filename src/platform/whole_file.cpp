#include "platform/whole_file.h"

#include "platform/errors.h"
#include "platform/system_reason.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>

namespace platform {

namespace {

const char* const too_large = QT_TRANSLATE_NOOP("platform", "файл слишком большой");
const char* const not_a_file =
    QT_TRANSLATE_NOOP("platform", "это не обычный файл, а папка, устройство или канал");

} // namespace

void check_whole_file(const QString& path, qint64 limit)
{
    const QFileInfo info(path);
    if (!info.exists())
        throw FileError(path, system_reason_for(path));
    if (!info.isFile())
        throw FileError(path, QCoreApplication::translate("platform", not_a_file));
    if (info.size() > limit)
        throw FileError(path, QCoreApplication::translate("platform", too_large));
}

QByteArray read_whole_file(const QString& path, qint64 limit)
{
    check_whole_file(path, limit);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(path, system_reason_for(path));
    // One byte beyond the size found tells a file that grew since; no more is ever allocated.
    const QByteArray bytes = file.read(std::min(file.size(), limit) + 1);
    if (file.error() != QFileDevice::NoError)
        throw FileError(path, system_reason(EIO));
    if (bytes.size() > limit)
        throw FileError(path, QCoreApplication::translate("platform", too_large));
    return bytes;
}

} // namespace platform
