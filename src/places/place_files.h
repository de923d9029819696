#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

namespace places {

// The files of one place, written as a whole or not at all: each goes to a hidden temporary file
// in its folder first, and only when all are written are they renamed into place, the thumbnail
// last, as the catalogue lists a place by its thumbnail. Temporary files left at any failure are
// removed. Throws PlaceError naming the file and the system's reason.
class PlaceFiles {
public:
    explicit PlaceFiles(QString catalogue_dir) : dir_(std::move(catalogue_dir)) {}
    PlaceFiles(const PlaceFiles&) = delete;
    PlaceFiles& operator=(const PlaceFiles&) = delete;
    ~PlaceFiles();

    // Writes `bytes` to a temporary file beside `relative` (a path under the catalogue folder).
    void stage(const QString& relative, const QByteArray& bytes);
    // A file of the place that is not part of it any more (an older description), removed last.
    void retire(const QString& relative) { retired_ << relative; }
    // Renames the staged files into place in the order they were staged; returns their paths.
    QStringList commit();

private:
    struct Staged {
        QString temporary;
        QString target;
    };

    QString dir_;
    std::vector<Staged> staged_;
    QStringList retired_;
};

} // namespace places
