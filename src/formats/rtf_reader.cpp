#include "formats/rtf_reader.h"

#include "formats/text_1251.h"

#include <QColor>
#include <QList>
#include <QSet>
#include <algorithm>
#include <cctype>
#include <vector>

namespace formats {

namespace {

// Deeper nesting than any real document uses; groups beyond it are skipped, not followed.
constexpr int max_depth = 200;
constexpr int max_word_length = 32;

// What a description may hold. The text box's layout time grows faster than the number of
// characters, of paragraphs and of differently styled runs, and with the length of a word it
// must break anywhere; bounding each lets it show any description in a fraction of a second.
constexpr qsizetype max_characters = 32 * 1024;
constexpr qsizetype max_blocks = 1000;
constexpr qsizetype max_styled_runs = 500;
// A longer run without a space is given a chance to break after every so many characters.
constexpr qsizetype max_unbroken = 64;
constexpr char16_t break_chance = 0x200B; // zero width space
// A tab is laid out against every tab stop of its line; it costs the box as much as this many
// characters do.
constexpr qsizetype tab_cost = 32;
// Larger letters than a 200-pixel panel shows a few of to a line (36 pt is 48 pixels) only make
// the box lay out one word a line, and an enormous size over thousands of words takes minutes.
constexpr int max_half_points = 72;
const QString ellipsis = QStringLiteral("\u2026");

qsizetype cost_of(QChar c)
{
    return c == u'\t' ? tab_cost : 1;
}

// What fits of a text cut short: without the word the cut went through (unless that word is all
// there is of the description), with an ellipsis after it.
QString cut_at_word(QString text, bool cut_inside_word, bool nothing_before)
{
    qsizetype end = text.size();
    if (cut_inside_word) {
        while (end > 0 && !text.at(end - 1).isSpace())
            --end;
        if (end == 0 && nothing_before)
            end = text.size();
    }
    while (end > 0 && text.at(end - 1) == u' ')
        --end;
    text.truncate(end);
    return text + ellipsis;
}

class TextBudget {
public:
    // False, spending nothing, when the character does not fit any more.
    bool spend_character(QChar c)
    {
        if (characters_ + cost_of(c) > max_characters) {
            characters_ = max_characters + 1;
            return false;
        }
        characters_ += cost_of(c);
        return true;
    }
    void spend_block() { ++blocks_; }
    void spend_styled_run() { ++styled_runs_; }
    bool exceeded() const
    {
        return characters_ > max_characters || blocks_ > max_blocks || styled_runs_ > max_styled_runs;
    }

private:
    qsizetype characters_ = 0;
    qsizetype blocks_ = 0;
    qsizetype styled_runs_ = 0;
};

// The text with a break chance in every run of `max_unbroken` characters without a space;
// `unbroken` carries the length of the run so far from one piece of a paragraph to the next.
QString with_break_chances(const QString& text, qsizetype& unbroken)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        unbroken = c.isSpace() ? 0 : unbroken + 1;
        if (unbroken > max_unbroken) {
            out += QChar(break_chance);
            unbroken = 1;
        }
        out += c;
    }
    return out;
}

struct CharFormat {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int half_points = 0; // 0: the text box's own size
    int colour = 0;      // index into the colour table; 0 is the automatic colour

    friend bool operator==(const CharFormat&, const CharFormat&) = default;
};

struct GroupState {
    CharFormat format;
    QString alignment;
    int unicode_skip = 1;
    bool skipped = false;
    bool colour_table = false;
};

const QSet<QByteArray>& ignored_destinations()
{
    static const QSet<QByteArray> words = [] {
        const QByteArray names =
            "fonttbl filetbl stylesheet listtable listoverridetable revtbl rsidtbl info pict "
            "object themedata colorschememapping datastore generator xmlnstbl latentstyles "
            "header headerl headerr headerf footer footerl footerr footerf footnote fldinst "
            "nonshppict mmathPr bkmkstart bkmkend template pgdsctbl shp shpinst listtext "
            "pntext";
        const QList<QByteArray> list = names.split(' ');
        return QSet<QByteArray>(list.begin(), list.end());
    }();
    return words;
}

// Control characters and halves of surrogate pairs that arrived alone would upset the text box.
QString cleaned(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            out += c;
            out += text.at(++i);
        } else if (c.isSurrogate()) {
            out += QChar(QChar::ReplacementCharacter);
        } else if (c.unicode() >= 0x20 || c == u'\t') {
            out += c;
        }
    }
    return out;
}

QString paragraph_html(const QString& content, const QString& alignment)
{
    // Qt drops an empty paragraph unless it is marked as one, as its own HTML export does.
    QString html =
        content.isEmpty()
            ? QStringLiteral("<p style=\"-qt-paragraph-type:empty; margin:0; white-space:pre-wrap\"")
            : QStringLiteral("<p style=\"margin:0; white-space:pre-wrap\"");
    if (!alignment.isEmpty())
        html += QStringLiteral(" align=\"%1\"").arg(alignment);
    return html + '>' + (content.isEmpty() ? QStringLiteral("<br />") : content) + QStringLiteral("</p>");
}

class RtfReader {
public:
    explicit RtfReader(const QByteArray& bytes) : in_(bytes) {}
    QString html();

private:
    GroupState& state() { return stack_.back(); }
    bool skipping() const { return stack_.back().skipped; }
    void open_group();
    void close_group();
    void control();
    void control_word(const QByteArray& word, bool has_parameter, int parameter);
    bool character_format(const QByteArray& word, bool has_parameter, int parameter);
    bool paragraph_format(const QByteArray& word);
    void text(QChar c);
    void raw_byte(char byte);
    void flush_run();
    void end_paragraph();
    void colour_table_word(const QByteArray& word, int parameter);
    QString span_style(const CharFormat& format) const;

    const QByteArray& in_;
    qsizetype pos_ = 0;
    std::vector<GroupState> stack_{GroupState{}};
    int depth_ = 0;
    int excess_depth_ = 0;
    int pending_skip_ = 0;
    bool done_ = false;

    QList<QColor> colours_;
    QColor colour_entry_;
    bool colour_entry_set_ = false;

    QString run_;
    CharFormat run_format_;
    QString paragraph_;
    qsizetype unbroken_ = 0;
    QString body_;
    TextBudget budget_;
    bool cut_inside_word_ = false;
};

QString RtfReader::html()
{
    while (pos_ < in_.size() && !done_ && !budget_.exceeded()) {
        const char c = in_.at(pos_++);
        if (excess_depth_ > 0) {
            if (c == '{')
                ++excess_depth_;
            else if (c == '}')
                --excess_depth_;
            else if (c == '\\' && pos_ < in_.size())
                ++pos_;
            continue;
        }
        if (c == '{')
            open_group();
        else if (c == '}')
            close_group();
        else if (c == '\\')
            control();
        else if (c != '\r' && c != '\n')
            raw_byte(c);
    }
    // A description cut short shows what fits, ending at a word, with an ellipsis.
    if (budget_.exceeded())
        run_ = cut_at_word(run_, cut_inside_word_, paragraph_.isEmpty() && body_.isEmpty());
    flush_run();
    if (!paragraph_.isEmpty())
        end_paragraph();
    return body_;
}

void RtfReader::open_group()
{
    pending_skip_ = 0;
    if (depth_ >= max_depth) {
        excess_depth_ = 1;
        return;
    }
    ++depth_;
    GroupState inner = state();
    inner.colour_table = false;
    stack_.push_back(inner);
}

void RtfReader::close_group()
{
    pending_skip_ = 0;
    if (depth_ == 0)
        return;
    stack_.pop_back();
    // The document ends with the group it began with; anything after it is not shown.
    if (--depth_ == 0)
        done_ = true;
}

void RtfReader::control()
{
    if (pos_ >= in_.size())
        return;
    const char c = in_.at(pos_);
    if (!std::isalpha(static_cast<unsigned char>(c))) {
        ++pos_;
        switch (c) {
        case '\'': {
            const QByteArray hex = in_.mid(pos_, 2);
            if (hex.size() == 2 && std::isxdigit(static_cast<unsigned char>(hex[0])) &&
                std::isxdigit(static_cast<unsigned char>(hex[1]))) {
                pos_ += 2;
                raw_byte(static_cast<char>(hex.toInt(nullptr, 16)));
            }
            return;
        }
        case '~':
            return text(QChar(0x00A0));
        case '_':
            return text(QChar(0x2011));
        case '-':
            return;
        case '*':
            state().skipped = true;
            return;
        case '\r':
        case '\n':
            return control_word("par", false, 0);
        case '\\':
        case '{':
        case '}':
            return raw_byte(c);
        default:
            return;
        }
    }
    const qsizetype start = pos_;
    while (pos_ < in_.size() && pos_ - start < max_word_length &&
           std::isalpha(static_cast<unsigned char>(in_.at(pos_))))
        ++pos_;
    const QByteArray word = in_.mid(start, pos_ - start);
    bool negative = false;
    if (pos_ < in_.size() && in_.at(pos_) == '-') {
        negative = true;
        ++pos_;
    }
    qint64 value = 0;
    int digits = 0;
    while (pos_ < in_.size() && std::isdigit(static_cast<unsigned char>(in_.at(pos_)))) {
        if (digits++ < 10)
            value = value * 10 + (in_.at(pos_) - '0');
        ++pos_;
    }
    if (pos_ < in_.size() && in_.at(pos_) == ' ')
        ++pos_;
    value = std::clamp<qint64>(negative ? -value : value, -2147483647, 2147483647);
    control_word(word, digits > 0, static_cast<int>(value));
}

void RtfReader::control_word(const QByteArray& word, bool has_parameter, int parameter)
{
    // Binary data may hold any byte, braces included, so it is stepped over by its length.
    if (word == "bin" && parameter > 0) {
        pos_ += std::min<qsizetype>(parameter, in_.size() - pos_);
        return;
    }
    if (word == "u" && has_parameter) {
        text(QChar(static_cast<char16_t>(parameter < 0 ? parameter + 65536 : parameter)));
        pending_skip_ = state().unicode_skip;
        return;
    }
    if (pending_skip_ > 0) {
        --pending_skip_;
        return;
    }
    if (word == "colortbl") {
        state().colour_table = true;
        state().skipped = true;
        colours_.clear();
        colour_entry_ = QColor(0, 0, 0);
        colour_entry_set_ = false;
        return;
    }
    if (state().colour_table)
        return colour_table_word(word, parameter);
    if (ignored_destinations().contains(word)) {
        state().skipped = true;
        return;
    }
    if (word == "uc") {
        state().unicode_skip = std::clamp(parameter, 0, 16);
        return;
    }
    if (skipping() || character_format(word, has_parameter, parameter) || paragraph_format(word))
        return;
    static const QList<std::pair<QByteArray, char16_t>> symbols{
        {"tab", u'\t'},      {"emdash", 0x2014},  {"endash", 0x2013},    {"bullet", 0x2022},
        {"lquote", 0x2018},  {"rquote", 0x2019},  {"ldblquote", 0x201C}, {"rdblquote", 0x201D},
        {"emspace", 0x2003}, {"enspace", 0x2002}, {"qmspace", 0x2005},
    };
    for (const auto& [name, character] : symbols) {
        if (word == name)
            return text(QChar(character));
    }
}

bool RtfReader::character_format(const QByteArray& word, bool has_parameter, int parameter)
{
    CharFormat& format = state().format;
    const bool on = !has_parameter || parameter != 0;
    if (word == "b")
        format.bold = on;
    else if (word == "i")
        format.italic = on;
    else if (word == "ul")
        format.underline = on;
    else if (word == "ulnone")
        format.underline = false;
    else if (word == "fs")
        format.half_points = has_parameter ? std::clamp(parameter, 0, max_half_points) : 0;
    else if (word == "cf")
        format.colour = std::max(parameter, 0);
    else if (word == "plain")
        format = CharFormat{};
    else
        return false;
    return true;
}

bool RtfReader::paragraph_format(const QByteArray& word)
{
    if (word == "par") {
        end_paragraph();
    } else if (word == "line") {
        flush_run();
        paragraph_ += QStringLiteral("<br />");
        unbroken_ = 0;
        budget_.spend_block();
    } else if (word == "pard") {
        state().alignment.clear();
    } else if (word == "ql") {
        state().alignment.clear();
    } else if (word == "qc") {
        state().alignment = QStringLiteral("center");
    } else if (word == "qr") {
        state().alignment = QStringLiteral("right");
    } else if (word == "qj") {
        state().alignment = QStringLiteral("justify");
    } else {
        return false;
    }
    return true;
}

void RtfReader::colour_table_word(const QByteArray& word, int parameter)
{
    const int level = std::clamp(parameter, 0, 255);
    if (word == "red")
        colour_entry_.setRed(level);
    else if (word == "green")
        colour_entry_.setGreen(level);
    else if (word == "blue")
        colour_entry_.setBlue(level);
    else
        return;
    colour_entry_set_ = true;
}

void RtfReader::raw_byte(char byte)
{
    if (pending_skip_ > 0) {
        --pending_skip_;
        return;
    }
    if (state().colour_table) {
        // An entry ends at its semicolon; one without components is the automatic colour.
        if (byte == ';') {
            colours_.append(colour_entry_set_ ? colour_entry_ : QColor());
            colour_entry_ = QColor(0, 0, 0);
            colour_entry_set_ = false;
        }
        return;
    }
    text(windows_1251_char(byte));
}

void RtfReader::text(QChar c)
{
    if (skipping())
        return;
    if (!budget_.spend_character(c)) {
        cut_inside_word_ = !c.isSpace();
        return;
    }
    if (state().format != run_format_)
        flush_run();
    run_format_ = state().format;
    run_ += c;
}

QString RtfReader::span_style(const CharFormat& format) const
{
    QStringList style;
    if (format.bold)
        style << QStringLiteral("font-weight:700");
    if (format.italic)
        style << QStringLiteral("font-style:italic");
    if (format.underline)
        style << QStringLiteral("text-decoration:underline");
    if (format.half_points > 0)
        style << QStringLiteral("font-size:%1pt").arg(format.half_points / 2.0);
    if (format.colour < colours_.size() && colours_[format.colour].isValid())
        style << QStringLiteral("color:%1").arg(colours_[format.colour].name());
    return style.join(QLatin1String("; "));
}

void RtfReader::flush_run()
{
    if (run_.isEmpty())
        return;
    const QString content = with_break_chances(cleaned(run_), unbroken_).toHtmlEscaped();
    const QString style = span_style(run_format_);
    if (!style.isEmpty())
        budget_.spend_styled_run();
    paragraph_ +=
        style.isEmpty() ? content : QStringLiteral("<span style=\"%1\">%2</span>").arg(style, content);
    run_.clear();
}

void RtfReader::end_paragraph()
{
    flush_run();
    body_ += paragraph_html(paragraph_, state().alignment);
    paragraph_.clear();
    unbroken_ = 0;
    budget_.spend_block();
}

} // namespace

bool is_rtf(const QByteArray& bytes)
{
    return bytes.startsWith("{\\rtf");
}

QString rtf_to_html(const QByteArray& bytes)
{
    return RtfReader(bytes).html();
}

QString description_html(const QByteArray& bytes)
{
    if (is_rtf(bytes))
        return RtfReader(bytes).html();
    QString text = decode_windows_1251(bytes);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');
    QString html;
    TextBudget budget;
    qsizetype start = 0;
    // A final line break closes the last line; it does not open another.
    while (!budget.exceeded() && (start < text.size() || start == 0)) {
        qsizetype end = text.indexOf(u'\n', start);
        if (end < 0)
            end = text.size();
        qsizetype fits = start;
        while (fits < end && budget.spend_character(text.at(fits)))
            ++fits;
        budget.spend_block();
        QString line = text.sliced(start, fits - start);
        if (budget.exceeded())
            line = cut_at_word(line, fits < end && !text.at(fits).isSpace(), html.isEmpty());
        qsizetype unbroken = 0;
        html += paragraph_html(with_break_chances(cleaned(line), unbroken).toHtmlEscaped(), {});
        start = end + 1;
    }
    return html;
}

} // namespace formats
