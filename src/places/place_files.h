#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace places {

// The files of one place, written as a whole or not at all, by one writer of a catalogue folder
// at a time. Each file goes to a hidden temporary file in its folder first; when all are written
// and no folder stands where a file goes, a journal naming every rename is put on the disk, and
// only then are the files renamed into place (the thumbnail last, as the catalogue lists a place
// by its thumbnail). A run stopped after the journal is completed by the next writer or reader of
// the folder, one stopped before it leaves the old place as it was: after any interruption the
// place is the old one or the new one, entirely. Throws PlaceError naming the file and the
// system's reason.
class PlaceFiles {
public:
    // Takes the catalogue folder's lock (an exclusive lock the system releases with the process),
    // waiting while another run writes there, and completes a replacement a run was stopped in.
    // `after_each_step` is called after each file is written, each rename and each removal: a
    // failure thrown from it stops the run there, as a kill would.
    explicit PlaceFiles(QString catalogue_dir, std::function<void()> after_each_step = {});
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

    void refuse_folders_in_the_way() const;
    void write_journal();
    void step() const;

    QString dir_;
    std::function<void()> after_each_step_;
    int lock_ = -1;
    std::vector<Staged> staged_;
    QStringList retired_;
    bool journal_written_ = false;
};

// Removes the place `name` from `catalogue_dir` with the same lock and journal as a replacement:
// once the journal naming every file is on the disk the thumbnail goes first (the catalogue stops
// listing the place at once), then its other files. Stopped before the journal, the place is
// whole; after it, the next writer or reader of the folder removes the rest. `after_each_step` is
// PlaceFiles's. Throws PlaceError naming the file and the system's reason.
void remove_place(const QString& catalogue_dir, const QString& name,
                  const std::function<void()>& after_each_step = {});

// Completes the replacement a run of PlaceFiles was stopped in and removes the temporary files it
// left in `catalogue_dir`, unless a run writes there now. The catalogue calls it before listing
// a folder, so a place is never shown half replaced.
void finish_interrupted_place(const QString& catalogue_dir);

} // namespace places
