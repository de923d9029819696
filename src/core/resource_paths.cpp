#include "core/resource_paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <sys/stat.h>
#include <unistd.h>

namespace core {

namespace {

QString with_separator(const QString& dir)
{
    return dir.endsWith('/') ? dir : dir + '/';
}

} // namespace

QString resource_root(const QString& program_dir)
{
    const QString beside = with_separator(program_dir);
    if (QFileInfo(beside + "res").isDir())
        return beside;
    const QString installed = QDir::cleanPath(beside + "../share/koloriton") + '/';
    return QFileInfo(installed + "res").isDir() ? installed : beside;
}

ResourcePaths ResourcePaths::under(const QString& app_dir)
{
    ResourcePaths paths;
    paths.app_dir = with_separator(app_dir);
    paths.preview_dir = "res/preview/";
    paths.clipart_dir = "res/clipart/";
    paths.interface_dir = "res/interface/";
    paths.gradients_dir = "res/gradients/";
    paths.instruments_dir = "res/instruments/";
    paths.buttons_dir = "res/buttons/";
    paths.curs_dir = "res/curs/";
    paths.info_dir = "res/info/";
    paths.banks_dir = "res/banks/";
    paths.tmp_dir = "Tmp/";
    paths.drawings_dir = "save/";
    for (QString* dir : {&paths.preview_dir, &paths.clipart_dir, &paths.interface_dir, &paths.gradients_dir,
                         &paths.instruments_dir, &paths.buttons_dir, &paths.curs_dir, &paths.info_dir,
                         &paths.banks_dir, &paths.tmp_dir, &paths.drawings_dir})
        dir->prepend(paths.app_dir);
    paths.catalogue_dirs = {paths.app_dir + "res/"};
    return paths;
}

ResourcePaths ResourcePaths::for_program(const QString& program_dir)
{
    ResourcePaths paths = under(resource_root(program_dir));
    paths.catalogue_dirs = catalogue_dirs_for_program(program_dir);
    // A folder that is read-only for this user (an installation, a read-only share) would make
    // every press on the canvas fail; its Tmp/ decides, as that is what the program writes first.
    const QFileInfo tmp(paths.tmp_dir);
    if (tmp.isDir() && tmp.isWritable())
        return paths;
    paths.in_user_folders = true;
    paths.tmp_dir = user_snapshot_dir();
    paths.drawings_dir = user_drawings_dir();
    if (!QDir().mkpath(paths.tmp_dir))
        paths.tmp_dir = private_snapshot_dir();
    return paths;
}

QString ResourcePaths::open_dir() const
{
    return in_user_folders && QFileInfo(drawings_dir).isDir() ? drawings_dir : pic_dop_dir();
}

QString user_snapshot_dir()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + "/koloriton/";
}

QString private_snapshot_dir()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const QFileInfo base(runtime);
    const QString parent =
        !runtime.isEmpty() && base.isDir() && base.isWritable() ? runtime : QDir::tempPath();
    const QString folder = parent + QStringLiteral("/koloriton-%1").arg(::getuid());
    const QByteArray name = QFile::encodeName(folder);
    ::mkdir(name.constData(), 0700);
    // Only a folder of our own, which no one else may enter, is used: not a link, nor one another
    // user made under that name in a shared temporary directory.
    struct stat status {};
    if (::lstat(name.constData(), &status) != 0 || !S_ISDIR(status.st_mode) || status.st_uid != ::getuid() ||
        ::chmod(name.constData(), 0700) != 0)
        return user_snapshot_dir();
    return folder + '/';
}

QString recovery_dir()
{
    // Qt 6.4 has no standard location for the state folder.
    const QString state = qEnvironmentVariable("XDG_STATE_HOME");
    const QString base = QDir::isAbsolutePath(state) ? state : QDir::homePath() + "/.local/state";
    const QString folder = base + "/koloriton/";
    return QDir().mkpath(folder) && QFileInfo(folder).isWritable() ? folder : private_snapshot_dir();
}

QString user_drawings_dir()
{
    return QStandardPaths::writableLocation(QStandardPaths::PicturesLocation) + QStringLiteral("/Колоритон/");
}

QString user_catalogue_dir()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/koloriton/";
}

QStringList catalogue_dirs_for_program(const QString& program_dir)
{
    return QStringList{user_catalogue_dir()} + shared_catalogue_dirs() +
           QStringList{resource_root(program_dir) + "res/"};
}

QStringList shared_catalogue_dirs()
{
    // The standard locations are the user's own folder followed by XDG_DATA_DIRS in order.
    const QString own = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    QStringList dirs;
    for (const QString& dir : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        if (dir != own)
            dirs << with_separator(dir) + "koloriton/";
    return dirs;
}

} // namespace core
