#pragma once

#include <QByteArray>
#include <QCursor>
#include <QImage>
#include <QPoint>
#include <QString>
#include <map>
#include <optional>

namespace formats {

struct CursorImage {
    QImage image;
    QPoint hotspot;
};

// The first image of a Windows .cur file with the hotspot of its directory entry. Throws
// ImageError for a malformed file.
CursorImage decode_cursor(const QByteArray& bytes);
// No cursor when the file is missing or cannot be read, as the window system's loader gives no
// handle. At `density` 2 or more the file's denser rendering beside it (name@2x.cur) is taken
// where there is one, with the device pixel ratio set.
std::optional<QCursor> load_cursor_file(const QString& path, int density = 1);
// The bytes of a .cur file of `side` x `side` (32-bit image with its AND mask) for `cursor`.
QByteArray encode_cursor(const CursorImage& cursor, int side = 32);

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

} // namespace formats
