#pragma once

#include <QFileSystemWatcher>
#include <QStringList>
#include <QTimer>
#include <functional>

namespace catalogue {

// Tells when a place was added, replaced or removed in one of the catalogue folders, by this
// program or another (the settings window, `koloriton --add-place`), so the strip lists them again
// without a restart. Watches each folder and its place folders; a folder not made yet is watched
// through the nearest one that is, and is watched itself once it appears. A run writes several
// files: the changes are told once they rest.
class CatalogueWatcher : public QObject {
public:
    CatalogueWatcher(QStringList catalogue_dirs, std::function<void()> changed);

private:
    // Watches what exists now; true when that changed.
    bool watch_what_exists();
    void folder_changed(const QString& path);

    QStringList catalogue_dirs_;
    std::function<void()> changed_;
    QFileSystemWatcher watcher_;
    QTimer settle_;
};

} // namespace catalogue
