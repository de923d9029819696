#pragma once

#include "pixels/bitmap.h"

#include <QLockFile>
#include <QString>
#include <QThreadPool>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>

namespace history {

// The page a drawing belongs to: a place of a catalogue, or a drawing of one's own (from a file,
// or kept on the canvas without one).
struct RecordedPage {
    enum class Kind { place, own_drawing };
    Kind kind = Kind::own_drawing;
    // The place's name, or the path of the file the drawing was opened from (empty without one).
    QString name;
    // The catalogue folder (laid out like res/) the place was listed from.
    QString catalogue_dir;

    bool operator==(const RecordedPage&) const = default;
};

// What a copy of the program that ended uncleanly left: its page and its drawing.
struct RecoveredDrawing {
    RecordedPage page;
    pixels::Bitmap picture;
};

// The drawing in progress kept on disk, so that a copy of the program killed at any moment loses at
// most the press under way. Each running copy holds a record of its own in the folder: a lock
// while it lives, the canvas as a BMP (its depth and colour table kept exactly, written in a few
// milliseconds) and its page in a small file beside it. Files are written off the interface thread
// by one writer that keeps only the newest state asked for, each through a temporary file that is
// flushed and renamed into place, so a record on disk is always whole.
class RecoveryRecord {
public:
    // Claims a record of this copy's own in `folder`.
    explicit RecoveryRecord(const QString& folder);
    // Waits for the write under way and releases the lock; the record stays for the next start,
    // unless remove() ran.
    ~RecoveryRecord();
    RecoveryRecord(const RecoveryRecord&) = delete;
    RecoveryRecord& operator=(const RecoveryRecord&) = delete;

    // The newest record in `folder` of a copy that no longer runs, taken once: its files are gone
    // afterwards. Records of running copies are never touched.
    static std::optional<RecoveredDrawing> take_dead_copy_record(const QString& folder);

    // Another page was opened: its canvas holds nothing yet that a file does not, so the record of
    // the page before goes.
    void page_opened(const RecordedPage& page);
    // The canvas was saved: a file holds it now, so the record keeps no picture until it changes,
    // and a copy killed then gives back nothing the child would be asked to save again.
    void drawing_saved();
    // The canvas changed: it is written in the background.
    void record(const pixels::Bitmap& canvas);
    // The program ends cleanly: the record and its lock go, and nothing more is written.
    void remove();
    // Returns once everything asked so far is on disk (or failed).
    void wait_for_writes();
    // Runs inside each write once its temporary file is complete, just before the rename: a test
    // stops a write there.
    void set_before_rename(std::function<void()> hook);

    QString picture_path() const { return base_ + ".bmp"; }
    QString page_path() const { return base_ + ".page"; }

private:
    // What the files should hold; the writer brings them there.
    struct Wanted {
        RecordedPage page;
        std::optional<pixels::Bitmap> picture; // none: no newer drawing to write
        bool picture_dropped = false;          // the drawing on disk goes (it was saved)
        bool removed = false;
    };
    void ask(const std::function<void(Wanted&)>& change);
    void write_until_settled();
    // False when a file could not be written.
    bool bring_files_to(const Wanted& wanted);

    QString base_;
    QLockFile lock_;
    std::mutex mutex_;
    Wanted wanted_;
    bool writing_ = false;
    std::optional<RecordedPage> page_on_disk_;
    std::function<void()> before_rename_;
    QThreadPool writer_;
};

} // namespace history
