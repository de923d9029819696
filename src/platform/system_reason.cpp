#include "platform/system_reason.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace platform {

QString system_reason(int error)
{
    switch (error) {
    case ENOSPC:
        return QStringLiteral("Диск заполнен: освободите место и попробуйте снова");
    case EDQUOT:
        return QStringLiteral("Место на диске, отведённое пользователю, закончилось");
    case EROFS:
        return QStringLiteral("Диск только для чтения: на него нельзя записать");
    case EACCES:
    case EPERM:
        return QStringLiteral("Нет доступа к файлу");
    case ENOENT:
        return QStringLiteral("Нет такого файла или папки");
    case EISDIR:
        return QStringLiteral("Это папка, а не файл");
    case ENOTDIR:
        return QStringLiteral("В пути вместо папки стоит файл");
    case EFBIG:
        return QStringLiteral("Файл больше, чем разрешено записать");
    case ENAMETOOLONG:
        return QStringLiteral("Слишком длинное имя файла");
    case EIO:
        return QStringLiteral("Ошибка чтения или записи на диске");
    case ENOMEM:
        return QStringLiteral("Не хватает памяти");
    default:
        return QStringLiteral("Системная ошибка %1 (%2)")
            .arg(error)
            .arg(QString::fromLocal8Bit(std::strerror(error)));
    }
}

QString system_reason_for(const QString& path)
{
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return system_reason(errno);
    ::close(descriptor);
    return system_reason(EIO);
}

} // namespace platform
