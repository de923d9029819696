#include "skin/skin_manager.h"

#include "skin/skin_archive.h"
#include "skin/style_sheet_pictures.h"

#include "platform/whole_file.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace skin {

SkinManager::SkinManager(QObject* parent) : QObject(parent)
{
    UnpackedSkin::remove_stale(QDir::tempPath());
}

SkinManager::~SkinManager()
{
    unload();
}

void SkinManager::set_skin_directory(const QString& directory)
{
    directory_ = directory;
    if (active_ && !name_.isEmpty())
        load();
}

void SkinManager::set_skin_name(const QString& name)
{
    name_ = name;
    if (active_)
        load();
}

void SkinManager::set_active(bool on)
{
    if (on) {
        active_ = true;
        load();
    } else {
        unload();
        active_ = false;
    }
}

bool SkinManager::name_is_plain() const
{
    // A name that climbs out of the directory or into a subfolder is not a skin of this directory.
    return !directory_.isEmpty() && !name_.isEmpty() && !name_.contains(QLatin1Char('/')) &&
           name_ != QLatin1String("..") && name_ != QLatin1String(".");
}

QString SkinManager::unpacked_folder()
{
    QFile packed(QDir(directory_).filePath(name_ + QLatin1String(packed_suffix)));
    if (!QFileInfo(packed).isFile() || packed.size() > max_packed_size || !packed.open(QIODevice::ReadOnly))
        return {};
    const std::optional<std::vector<ArchiveEntry>> entries = unpack_skin_archive(packed.readAll());
    const auto has_sheet = [](const ArchiveEntry& entry) {
        return entry.name == QLatin1String(style_sheet_file);
    };
    if (!entries || std::none_of(entries->begin(), entries->end(), has_sheet))
        return {};
    unpacked_ = UnpackedSkin::unpack(*entries);
    return unpacked_ ? unpacked_->path() : QString();
}

QString SkinManager::skin_folder() const
{
    const QString folder = QDir(directory_).filePath(name_);
    return QFileInfo(folder).isDir() ? folder : QString();
}

std::optional<QString> SkinManager::read_style_sheet(QString& folder)
{
    if (!name_is_plain())
        return std::nullopt;
    // Whatever goes wrong on the way, be it memory for a huge archive, means no skin.
    try {
        folder = unpacked_folder();
        if (folder.isEmpty())
            folder = skin_folder();
        if (folder.isEmpty())
            return std::nullopt;
        const QString path = QDir(folder).filePath(QString::fromLatin1(style_sheet_file));
        return with_skin_pictures_only(
            QString::fromUtf8(platform::read_whole_file(path, max_style_sheet_size)), folder);
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

void SkinManager::load()
{
    unload();
    QString folder;
    const std::optional<QString> text = read_style_sheet(folder);
    if (!text) {
        unpacked_.reset();
        active_ = false;
        return;
    }
    QDir::setSearchPaths(QString::fromLatin1(search_prefix), {folder});
    sheet_before_ = qApp->styleSheet();
    applied_ = *text;
    loaded_ = true;
    qApp->setStyleSheet(applied_);
}

void SkinManager::unload()
{
    if (!loaded_)
        return;
    // Another manager's or the program's own sheet set since then is not ours to remove.
    if (qApp != nullptr && qApp->styleSheet() == applied_)
        qApp->setStyleSheet(sheet_before_);
    QDir::setSearchPaths(QString::fromLatin1(search_prefix), {});
    applied_.clear();
    sheet_before_.clear();
    loaded_ = false;
    unpacked_.reset();
}

} // namespace skin
