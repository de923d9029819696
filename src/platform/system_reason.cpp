#include "platform/system_reason.h"

#include <QCoreApplication>
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
        return QCoreApplication::translate("platform", "Диск заполнен: освободите место и попробуйте снова");
    case EDQUOT:
        return QCoreApplication::translate("platform",
                                           "Место на диске, отведённое пользователю, закончилось");
    case EROFS:
        return QCoreApplication::translate("platform", "Диск только для чтения: на него нельзя записать");
    case EACCES:
    case EPERM:
        return QCoreApplication::translate("platform", "Нет доступа к файлу");
    case ENOENT:
        return QCoreApplication::translate("platform", "Нет такого файла или папки");
    case EISDIR:
        return QCoreApplication::translate("platform", "Это папка, а не файл");
    case ENOTDIR:
        return QCoreApplication::translate("platform", "В пути вместо папки стоит файл");
    case EFBIG:
        return QCoreApplication::translate("platform", "Файл больше, чем разрешено записать");
    case ENAMETOOLONG:
        return QCoreApplication::translate("platform", "Слишком длинное имя файла");
    case EIO:
        return QCoreApplication::translate("platform", "Ошибка чтения или записи на диске");
    case ENOMEM:
        return QCoreApplication::translate("platform", "Не хватает памяти");
    default:
        return QCoreApplication::translate("platform", "Системная ошибка %1 (%2)")
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
