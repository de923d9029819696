#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>
#include <utility>

namespace formats {

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
    // A block with these (name, value) string entries under one translation, for the About box's
    // tests of missing and empty entries.
    static VersionInfo with_strings(const QList<std::pair<QString, QString>>& entries,
                                    unsigned translation = 0x04E30419);
    // Reads a block as the window system stores it; a malformed block answers no queries.
    static VersionInfo from_block(QByteArray block);
    QByteArray block() const { return block_; }

    // Size of the block in bytes; 0 when there is none.
    int size() const;
    // "\VarFileInfo\Translation": the first (language, code page) pair packed as language in the
    // low 16 bits and code page in the high 16 bits; its text is the table name ("041904E3") and
    // its length the table's size in bytes. "StringFileInfo\041904E3\<entry>": the value. Paths
    // are matched without regard to case and with or without the leading backslash, as the
    // window system does.
    std::optional<VersionValue> query(const QString& path) const;
    std::optional<unsigned> translation() const;

private:
    VersionInfo() = default;
    QByteArray block_;
};

} // namespace formats
