#pragma once

#include <QByteArray>
#include <QCursor>
#include <QImage>
#include <QPoint>
#include <QString>
#include <map>
#include <optional>

namespace platform {

struct CursorImage {
    QImage image;
    QPoint hotspot;
};

// The first image of a Windows .cur file with the hotspot of its directory entry. Throws
// ImageError for a malformed file.
CursorImage decode_cursor(const QByteArray& bytes);
// No cursor when the file is missing or cannot be read, as the window system's loader gives no
// handle.
std::optional<QCursor> load_cursor_file(const QString& path);
// The bytes of a 32 x 32 .cur file (32-bit image with its AND mask) for `cursor`.
QByteArray encode_cursor(const CursorImage& cursor);

// The application's screen cursor table: number -> cursor. Registering no cursor under a number
// removes it, and asking for a number that is not there gives the default arrow.
class ScreenCursors {
public:
    void register_cursor(int number, std::optional<QCursor> cursor);
    QCursor cursor(int number) const;
    bool contains(int number) const { return cursors_.count(number) != 0; }

private:
    std::map<int, QCursor> cursors_;
};

} // namespace platform
