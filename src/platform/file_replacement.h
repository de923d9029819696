#pragma once

#include <QString>
#include <QtGlobal>
#include <functional>

namespace platform {

// How the new file takes the old one's place.
enum class Replacement {
    // A rename over the old file: ext4 then starts writing the new data out at once, so that
    // after a crash the file holds the old or the new contents, never nothing. For saves.
    over_the_old_file,
    // The old file is renamed aside first and removed after: the new data stays in the page
    // cache until the system writes it out on its own. For files nobody reads after a crash,
    // such as undo snapshots, where the wait would come with every press.
    moving_the_old_file_aside,
};

// Writes `size` bytes to a temporary file beside `path` and puts it in the file's place, so a
// failed write never destroys the file that was there. A link's target is replaced and the link
// stays; the new file keeps the old one's permissions; a read-only file or a folder is refused.
// A save (over_the_old_file) is flushed to the disk, and then its folder, before it returns.
// The temporary name fits whatever name the file system accepts for `path`. Throws FileError
// naming `path` with the system's reason. `before_rename`, when given, runs once the temporary
// file is written and closed, just before it takes the file's place: a test stops a write there.
void replace_file(const QString& path, const uchar* bytes, qint64 size, Replacement how,
                  const std::function<void()>& before_rename = {});

// The temporary file a replacement of `target` writes first: in its folder, named after it with
// a random ".<8 hex digits>.tmp" ending, the name cut short where the file system's limit on a
// name's bytes needs it.
QString temporary_name_beside(const QString& target, quint32 random);

// A save killed between its write and its rename leaves its temporary file: those of this
// naming in `folder` not touched for a while (another save may be writing one right now) are
// removed. A save calls it for its folder once its own file is in place.
inline constexpr int stale_temporary_age_s = 10 * 60;
void remove_stale_temporaries(const QString& folder);

} // namespace platform
