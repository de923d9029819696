#include "catalogue/catalogue_watcher.h"

#include <QDir>
#include <QFileInfo>

namespace catalogue {

namespace {

// A place's writer renames its files within a few milliseconds; a pause this long ends a run.
constexpr int settle_ms = 250;

QString nearest_existing(QString path)
{
    while (!QFileInfo(path).isDir() && path != "/")
        path = QDir::cleanPath(path + "/..");
    return path;
}

} // namespace

CatalogueWatcher::CatalogueWatcher(QStringList catalogue_dirs, std::function<void()> changed)
    : catalogue_dirs_(std::move(catalogue_dirs)), changed_(std::move(changed))
{
    settle_.setSingleShot(true);
    settle_.setInterval(settle_ms);
    connect(&settle_, &QTimer::timeout, this, [this] { changed_(); });
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &CatalogueWatcher::folder_changed);
    watch_what_exists();
}

bool CatalogueWatcher::watch_what_exists()
{
    QStringList wanted;
    for (const QString& dir : catalogue_dirs_) {
        wanted << nearest_existing(QDir::cleanPath(dir));
        for (const char* folder : {"clipart", "info", "preview"})
            if (QFileInfo(dir + folder).isDir())
                wanted << QDir::cleanPath(dir + folder);
    }
    wanted.removeDuplicates();
    const QStringList watched = watcher_.directories();
    for (const QString& path : watched)
        if (!wanted.contains(path))
            watcher_.removePath(path);
    for (const QString& path : wanted)
        if (!watched.contains(path))
            watcher_.addPath(path);
    return watcher_.directories() != watched;
}

void CatalogueWatcher::folder_changed(const QString& path)
{
    // A folder watched only until a catalogue folder appears in it (a shared data folder) changes
    // for other programs too: those changes list nothing again.
    const bool place_folder =
        path.endsWith("/clipart") || path.endsWith("/info") || path.endsWith("/preview");
    if (watch_what_exists() || place_folder)
        settle_.start();
}

} // namespace catalogue
