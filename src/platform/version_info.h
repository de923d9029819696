#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace platform {

// One value of a version block queried by path: the text and its length in characters,
// including the terminating zero, as the window system returns it.
struct VersionValue {
    QString text;
    unsigned length = 0;
};

// The executable's version block (language 0x0419, code page 0x04E3), compiled in at build time.
class VersionInfo {
public:
    // The block of this executable.
    static VersionInfo of_executable();
    // An empty block: size 0, every query fails.
    static VersionInfo empty();

    // Size of the block in bytes; 0 when there is none.
    int size() const;
    // "\VarFileInfo\Translation": the first (language, code page) pair packed as language in the
    // low 16 bits and code page in the high 16 bits. "StringFileInfo\041904E3\<entry>": the
    // value. Paths are matched without regard to case, as the window system does.
    std::optional<VersionValue> query(const QString& path) const;
    std::optional<unsigned> translation() const;

private:
    VersionInfo() = default;
    QByteArray block_;
};

} // namespace platform
