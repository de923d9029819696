#pragma once

#include <QByteArray>
#include <QtEndian>

namespace formats {

// The file formats of the window system store their numbers little-endian.
inline void append_u16(QByteArray& out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

inline void append_u32(QByteArray& out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

} // namespace formats
