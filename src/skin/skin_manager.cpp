#include "skin/skin_manager.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace skin {

SkinManager::SkinManager(QObject* parent) : QObject(parent) {}

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

QString SkinManager::skin_folder() const
{
    // A name that climbs out of the directory or into a subfolder is not a skin of this directory.
    if (directory_.isEmpty() || name_.isEmpty() || name_.contains(QLatin1Char('/')) ||
        name_ == QLatin1String("..") || name_ == QLatin1String("."))
        return {};
    const QString folder = QDir(directory_).filePath(name_);
    return QFileInfo(folder).isDir() ? folder : QString();
}

void SkinManager::load()
{
    unload();
    const QString folder = skin_folder();
    QFile sheet(QDir(folder).filePath(QString::fromLatin1(style_sheet_file)));
    if (folder.isEmpty() || !sheet.open(QIODevice::ReadOnly)) {
        active_ = false;
        return;
    }
    const QString text = QString::fromUtf8(sheet.readAll());
    if (sheet.error() != QFileDevice::NoError) {
        active_ = false;
        return;
    }
    QDir::setSearchPaths(QString::fromLatin1(search_prefix), {folder});
    sheet_before_ = qApp->styleSheet();
    applied_ = text;
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
}

} // namespace skin
