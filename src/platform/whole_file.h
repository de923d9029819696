#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// Throws FileError naming the file unless `path` is a regular file (links followed) of at most
// `limit` bytes: a device, FIFO or socket could block the reader or never end, and a file larger
// than its kind ever is would only exhaust memory.
void check_whole_file(const QString& path, qint64 limit);

// A regular file's bytes, read whole after check_whole_file(); a file that grows while it is
// read is refused as too large all the same.
QByteArray read_whole_file(const QString& path, qint64 limit);

} // namespace platform
