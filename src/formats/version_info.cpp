#include "formats/version_info.h"

#include "formats/little_endian.h"

#include <QStringList>
#include <QtEndian>
#include <vector>

namespace formats {

namespace {

constexpr quint16 binary_value = 0;
constexpr quint16 text_value = 1;
constexpr quint32 fixed_signature = 0xFEEF04BD;
constexpr int fixed_info_size = 52;
const QString product_version = QStringLiteral("3.0.0.0");

// One node of the block: a key, an optional value and child nodes, as the resource compiler lays
// them out.
struct Node {
    QString key;
    quint16 type = text_value;
    quint16 value_length = 0; // characters with the terminating zero for text, bytes otherwise
    QByteArray value;
    std::vector<Node> children;
};

void align(QByteArray& out)
{
    while (out.size() % 4 != 0)
        out.append('\0');
}

void put_text(QByteArray& out, const QString& text)
{
    for (QChar c : text)
        append_u16(out, c.unicode());
    append_u16(out, 0);
}

// Offsets are aligned from the start of the block, so a node is written into the block itself.
void write_node(QByteArray& out, const Node& node)
{
    align(out);
    const qsizetype start = out.size();
    append_u16(out, 0);
    append_u16(out, node.value_length);
    append_u16(out, node.type);
    put_text(out, node.key);
    align(out);
    out.append(node.value);
    for (const Node& child : node.children)
        write_node(out, child);
    qToLittleEndian(static_cast<quint16>(out.size() - start), out.data() + start);
}

Node string_node(const QString& name, const QString& value)
{
    Node node{name, text_value, static_cast<quint16>(value.size() + 1), {}, {}};
    put_text(node.value, value);
    return node;
}

QString table_name(unsigned translation)
{
    return QStringLiteral("%1%2")
        .arg(translation & 0xFFFF, 4, 16, QLatin1Char('0'))
        .arg(translation >> 16, 4, 16, QLatin1Char('0'))
        .toUpper();
}

quint32 packed_version(const QString& text, int half)
{
    const QStringList parts = text.split('.');
    auto part = [&](int i) { return i < parts.size() ? parts[i].toUInt() & 0xFFFF : 0u; };
    return part(half * 2) << 16 | part(half * 2 + 1);
}

QByteArray fixed_info(const QString& file_version)
{
    QByteArray info;
    append_u32(info, fixed_signature);
    append_u32(info, 0x00010000);
    append_u32(info, packed_version(file_version, 0));
    append_u32(info, packed_version(file_version, 1));
    append_u32(info, packed_version(product_version, 0));
    append_u32(info, packed_version(product_version, 1));
    append_u32(info, 0x3F);       // flags mask
    append_u32(info, 0);          // flags
    append_u32(info, 0x00040004); // 32-bit Windows
    append_u32(info, 1);          // an application
    append_u32(info, 0);
    append_u32(info, 0);
    append_u32(info, 0);
    return info;
}

QByteArray build_block(const QList<std::pair<QString, QString>>& entries, unsigned translation)
{
    Node table{table_name(translation), text_value, 0, {}, {}};
    for (const auto& [name, value] : entries)
        table.children.push_back(string_node(name, value));
    Node translations{QStringLiteral("Translation"), binary_value, 4, {}, {}};
    append_u32(translations.value, translation);

    const QString file_version = [&] {
        for (const auto& [name, value] : entries) {
            if (name == QLatin1String("FileVersion"))
                return value;
        }
        return QString();
    }();
    Node root{QStringLiteral("VS_VERSION_INFO"), binary_value, fixed_info_size, fixed_info(file_version), {}};
    root.children.push_back(Node{QStringLiteral("StringFileInfo"), text_value, 0, {}, {std::move(table)}});
    root.children.push_back(
        Node{QStringLiteral("VarFileInfo"), text_value, 0, {}, {std::move(translations)}});
    QByteArray block;
    write_node(block, root);
    return block;
}

// A node as found in a block: where its value and children lie. Every offset is checked against
// the node's own end and the block's.
struct ParsedNode {
    QString key;
    quint16 type = 0;
    quint16 value_length = 0;
    qsizetype value_start = 0;
    qsizetype value_end = 0;
    qsizetype end = 0;
};

qsizetype aligned(qsizetype offset)
{
    return (offset + 3) & ~qsizetype(3);
}

std::optional<ParsedNode> parse_node(const QByteArray& block, qsizetype start, qsizetype limit)
{
    if (start + 6 > limit)
        return std::nullopt;
    const auto* data = reinterpret_cast<const uchar*>(block.constData());
    const quint16 length = qFromLittleEndian<quint16>(data + start);
    ParsedNode node;
    node.value_length = qFromLittleEndian<quint16>(data + start + 2);
    node.type = qFromLittleEndian<quint16>(data + start + 4);
    node.end = start + length;
    if (length < 6 || node.end > limit)
        return std::nullopt;
    qsizetype at = start + 6;
    for (;; at += 2) {
        if (at + 2 > node.end)
            return std::nullopt;
        const quint16 unit = qFromLittleEndian<quint16>(data + at);
        if (unit == 0)
            break;
        node.key.append(QChar(unit));
    }
    node.value_start = aligned(at + 2);
    const qsizetype value_bytes = node.type == text_value ? node.value_length * 2 : node.value_length;
    node.value_end = node.value_start + value_bytes;
    if (node.value_end > node.end)
        return std::nullopt;
    return node;
}

std::optional<ParsedNode> find_child(const QByteArray& block, const ParsedNode& parent, const QString& key)
{
    qsizetype at = aligned(parent.value_end);
    while (at < parent.end) {
        const std::optional<ParsedNode> child = parse_node(block, at, parent.end);
        if (!child)
            return std::nullopt;
        if (child->key.compare(key, Qt::CaseInsensitive) == 0)
            return child;
        at = aligned(child->end);
    }
    return std::nullopt;
}

QString text_of(const QByteArray& block, const ParsedNode& node)
{
    QString text;
    const auto* data = reinterpret_cast<const uchar*>(block.constData());
    for (qsizetype at = node.value_start; at + 2 <= node.value_end; at += 2) {
        const quint16 unit = qFromLittleEndian<quint16>(data + at);
        if (unit == 0)
            break;
        text.append(QChar(unit));
    }
    return text;
}

} // namespace

VersionInfo VersionInfo::of_executable()
{
    static const QByteArray block = build_block(
        {
            {QStringLiteral("CompanyName"),
             QString::fromUtf8(
                 QT_TRANSLATE_NOOP("formats::VersionInfo", "разработчик, художник, методист, тестировщик"))},
            {QStringLiteral("FileDescription"),
             QString::fromUtf8(
                 QT_TRANSLATE_NOOP("formats::VersionInfo", "разрешение не менее 1024х768, мышь"))},
            {QStringLiteral("FileVersion"), QStringLiteral(KOLORITON_VERSION)},
            {QStringLiteral("InternalName"), QStringLiteral("koloriton@example.org")},
            {QStringLiteral("LegalCopyright"),
             QString::fromUtf8(QT_TRANSLATE_NOOP(
                 "formats::VersionInfo",
                 "Программа сделана по заказу детской художественной студии к её юбилею."))},
            {QStringLiteral("OriginalFilename"), QStringLiteral("koloriton")},
            {QStringLiteral("ProductName"),
             QString::fromUtf8(QT_TRANSLATE_NOOP("formats::VersionInfo", "Колоритон"))},
            {QStringLiteral("ProductVersion"), product_version},
        },
        0x04E30419);
    return from_block(block);
}

VersionInfo VersionInfo::empty()
{
    return VersionInfo();
}

VersionInfo VersionInfo::with_strings(const QList<std::pair<QString, QString>>& entries, unsigned translation)
{
    return from_block(build_block(entries, translation));
}

VersionInfo VersionInfo::from_block(QByteArray block)
{
    VersionInfo info;
    info.block_ = std::move(block);
    return info;
}

int VersionInfo::size() const
{
    return static_cast<int>(block_.size());
}

std::optional<VersionValue> VersionInfo::query(const QString& path) const
{
    std::optional<ParsedNode> node = parse_node(block_, 0, block_.size());
    if (!node || node->key != QLatin1String("VS_VERSION_INFO"))
        return std::nullopt;
    for (const QString& key : path.split(u'\\', Qt::SkipEmptyParts)) {
        node = find_child(block_, *node, key);
        if (!node)
            return std::nullopt;
    }
    if (node->type == text_value)
        return VersionValue{text_of(block_, *node), node->value_length};
    // Binary values have no text, except the translation table, whose text is its first table name.
    QString text;
    if (node->key.compare(QLatin1String("Translation"), Qt::CaseInsensitive) == 0 && node->value_length >= 4)
        text = table_name(qFromLittleEndian<quint32>(block_.constData() + node->value_start));
    return VersionValue{text, node->value_length};
}

std::optional<unsigned> VersionInfo::translation() const
{
    const std::optional<ParsedNode> root = parse_node(block_, 0, block_.size());
    if (!root)
        return std::nullopt;
    const std::optional<ParsedNode> var = find_child(block_, *root, QStringLiteral("VarFileInfo"));
    const std::optional<ParsedNode> table =
        var ? find_child(block_, *var, QStringLiteral("Translation")) : std::nullopt;
    if (!table || table->value_length < 4)
        return std::nullopt;
    return qFromLittleEndian<quint32>(block_.constData() + table->value_start);
}

} // namespace formats
