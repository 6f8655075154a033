// The RTF reader and writer. The reader first parses the whole input into a
// small model of paragraphs and formatted runs and only touches the
// QTextDocument once the input has been accepted, so a refused file leaves
// the document as it was.
#include "files/rtf.h"

#include "core/cp1252.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <map>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace korvane {
namespace {

// RTF's own default when a document names no size: 12 pt, in half points.
constexpr int kDefaultHalfPoints = 24;
// Font names longer than this are cut; no real font has one.
constexpr int kMaxFontNameLength = 256;
// \ucN beyond this is nonsense; clamping keeps the skip counter small.
constexpr int kMaxUnicodeSkip = 16;

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool IsLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// ---------------------------------------------------------------- reading

struct CharState {
    int font = -1; // -1: the document's default font (\deff)
    int halfPoints = kDefaultHalfPoints;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int colour = 0; // index into the colour table
    bool operator==(const CharState&) const = default;
};

enum class Dest { Text, FontTable, ColourTable, Skip };

// What a group inherits from its parent and gets back when it closes.
struct GroupState {
    CharState chars;
    bool hidden = false;
    Dest dest = Dest::Text;
    int unicodeSkip = 1; // \ucN
};

struct Run {
    CharState format;
    QString text;
};

struct Paragraph {
    std::vector<Run> runs;
    // The format in force where the paragraph ends; an empty paragraph
    // keeps it as its block format.
    CharState mark;
};

enum class Kw {
    Skip, FontTable, ColourTable, Deff, Uc, U, Par, Line, Tab, Char,
    Plain, F, Fs, B, I, Ul, UlNone, Cf, V, Red, Green, Blue, Bin,
};

struct KwEntry {
    Kw kind;
    char16_t ch = 0; // for Kw::Char
};

const std::unordered_map<std::string_view, KwEntry>& Keywords()
{
    static const std::unordered_map<std::string_view, KwEntry> table = [] {
        std::unordered_map<std::string_view, KwEntry> t;
        // Destinations whose content is never document text.
        for (std::string_view d :
             {"stylesheet", "info", "pict", "header", "headerl", "headerr", "headerf", "footer",
              "footerl", "footerr", "footerf", "footnote", "annotation", "atnid", "atnauthor",
              "xe", "tc", "txe", "rxe", "listtable", "listoverridetable", "revtbl", "rsidtbl",
              "generator", "filetbl", "themedata", "colorschememapping", "latentstyles",
              "datastore", "xmlnstbl", "mmathPr", "pgdsctbl", "fldinst", "nonshppict",
              "shpinst", "objdata", "objclass", "template", "comment", "title", "subject",
              "author", "operator", "keywords", "doccomm", "company", "creatim", "revtim",
              "printim", "buptim", "userprops", "docvar", "background", "bkmkstart",
              "bkmkend", "fontemb", "fontfile", "panose", "falt", "private"})
            t.emplace(d, KwEntry{Kw::Skip});
        t.emplace("fonttbl", KwEntry{Kw::FontTable});
        t.emplace("colortbl", KwEntry{Kw::ColourTable});
        t.emplace("deff", KwEntry{Kw::Deff});
        t.emplace("uc", KwEntry{Kw::Uc});
        t.emplace("u", KwEntry{Kw::U});
        for (std::string_view p : {"par", "sect", "page", "row"})
            t.emplace(p, KwEntry{Kw::Par});
        t.emplace("line", KwEntry{Kw::Line});
        for (std::string_view p : {"tab", "cell", "nestcell"})
            t.emplace(p, KwEntry{Kw::Tab});
        const std::pair<std::string_view, char16_t> chars[] = {
            {"emdash", 0x2014}, {"endash", 0x2013}, {"emspace", 0x2003}, {"enspace", 0x2002},
            {"qmspace", 0x2005}, {"bullet", 0x2022}, {"lquote", 0x2018}, {"rquote", 0x2019},
            {"ldblquote", 0x201C}, {"rdblquote", 0x201D}, {"zwj", 0x200D}, {"zwnj", 0x200C},
            {"ltrmark", 0x200E}, {"rtlmark", 0x200F},
        };
        for (const auto& [word, ch] : chars)
            t.emplace(word, KwEntry{Kw::Char, ch});
        t.emplace("plain", KwEntry{Kw::Plain});
        t.emplace("f", KwEntry{Kw::F});
        t.emplace("fs", KwEntry{Kw::Fs});
        t.emplace("b", KwEntry{Kw::B});
        t.emplace("i", KwEntry{Kw::I});
        for (std::string_view u :
             {"ul", "uld", "uldash", "uldashd", "uldashdd", "uldb", "ulhwave", "ulldash",
              "ulth", "ulthd", "ulthdash", "ulthdashd", "ulthdashdd", "ulthldash", "ululdbwave",
              "ulw", "ulwave"})
            t.emplace(u, KwEntry{Kw::Ul});
        t.emplace("ulnone", KwEntry{Kw::UlNone});
        t.emplace("cf", KwEntry{Kw::Cf});
        t.emplace("v", KwEntry{Kw::V});
        t.emplace("red", KwEntry{Kw::Red});
        t.emplace("green", KwEntry{Kw::Green});
        t.emplace("blue", KwEntry{Kw::Blue});
        t.emplace("bin", KwEntry{Kw::Bin});
        return t;
    }();
    return table;
}

class Parser {
public:
    explicit Parser(const QByteArray& input) : m_in(input) { m_paragraphs.emplace_back(); }

    // Parses from `start`, which must hold the opening brace.
    bool Parse(qsizetype start);
    void Fill(QTextDocument& doc) const;
    const QString& Error() const { return m_error; }

private:
    void Fail(const QString& why)
    {
        if (m_error.isEmpty())
            m_error = why;
    }
    bool Failed() const { return !m_error.isEmpty(); }

    void OpenGroup();
    // False once the outermost group has closed.
    bool CloseGroup();
    void ControlSymbol();
    void ControlWord();
    void Keyword(std::string_view word, bool hasParam, int param);
    void PlainByte(unsigned char byte);
    void Character(char16_t ch);
    void TextCharacter(char16_t ch);
    void Append(char16_t ch);
    void ParagraphBreak();
    void FlushSurrogate();
    void CommitFont();
    void CommitColour();

    QTextCharFormat Format(const CharState& s) const;

    const QByteArray& m_in;
    qsizetype m_pos = 0;
    std::vector<GroupState> m_saved; // states of the enclosing groups
    GroupState m_cur;
    int m_skipCount = 0;       // fallback characters still to skip after \uN
    char16_t m_highSurrogate = 0;

    int m_defaultFont = 0;
    std::map<int, QString> m_fonts;
    int m_fontNumber = -1;
    QString m_fontName;
    std::vector<std::optional<QColor>> m_colours;
    int m_red = 0, m_green = 0, m_blue = 0;
    bool m_colourGiven = false;

    std::vector<Paragraph> m_paragraphs;
    QString m_error;
};

bool Parser::Parse(qsizetype start)
{
    m_pos = start;
    const qsizetype size = m_in.size();
    bool open = true;
    while (open && m_pos < size && !Failed()) {
        const char c = m_in[m_pos++];
        switch (c) {
        case '{':
            OpenGroup();
            break;
        case '}':
            open = CloseGroup();
            break;
        case '\\':
            ControlWord();
            break;
        case '\r':
        case '\n':
            break;
        default:
            PlainByte(static_cast<unsigned char>(c));
            break;
        }
    }
    // Running out of input inside the outer group is a truncated file: keep
    // what was read. Anything after the outer group is not looked at.
    if (open && m_cur.dest == Dest::FontTable)
        CommitFont();
    FlushSurrogate();
    return !Failed();
}

void Parser::OpenGroup()
{
    m_skipCount = 0;
    if (static_cast<int>(m_saved.size()) >= kRtfMaxGroupDepth) {
        Fail(QStringLiteral("groups nested deeper than %1").arg(kRtfMaxGroupDepth));
        return;
    }
    m_saved.push_back(m_cur);
}

bool Parser::CloseGroup()
{
    m_skipCount = 0;
    if (m_cur.dest == Dest::FontTable)
        CommitFont();
    if (m_saved.empty())
        return false;
    m_cur = m_saved.back();
    m_saved.pop_back();
    return !m_saved.empty();
}

void Parser::ControlWord()
{
    const qsizetype size = m_in.size();
    if (m_pos >= size)
        return;
    if (!IsLetter(m_in[m_pos])) {
        ControlSymbol();
        return;
    }
    const qsizetype wordStart = m_pos;
    while (m_pos < size && IsLetter(m_in[m_pos])) {
        if (m_pos - wordStart >= kRtfMaxControlWordLength) {
            Fail(QStringLiteral("control word longer than %1 letters").arg(kRtfMaxControlWordLength));
            return;
        }
        ++m_pos;
    }
    const std::string_view word(m_in.constData() + wordStart, static_cast<size_t>(m_pos - wordStart));

    bool hasParam = false;
    bool negative = false;
    std::int64_t value = 0;
    if (m_pos + 1 < size && m_in[m_pos] == '-' && IsDigit(m_in[m_pos + 1])) {
        negative = true;
        ++m_pos;
    }
    const qsizetype digitStart = m_pos;
    while (m_pos < size && IsDigit(m_in[m_pos])) {
        if (m_pos - digitStart >= kRtfMaxParameterDigits) {
            Fail(QStringLiteral("numeric parameter longer than %1 digits").arg(kRtfMaxParameterDigits));
            return;
        }
        value = value * 10 + (m_in[m_pos] - '0');
        ++m_pos;
        hasParam = true;
    }
    if (negative)
        value = -value;
    const int param = static_cast<int>(std::clamp<std::int64_t>(value, INT_MIN, INT_MAX));
    if (m_pos < size && m_in[m_pos] == ' ')
        ++m_pos;

    if (m_skipCount > 0) {
        // A control word stands for one fallback character of a \uN; it is
        // dropped, but binary data it announces must still be stepped over.
        --m_skipCount;
        if (word == "bin" && param > 0)
            m_pos += std::min<qsizetype>(param, size - m_pos);
        return;
    }
    Keyword(word, hasParam, param);
}

void Parser::ControlSymbol()
{
    const char c = m_in[m_pos++];
    if (c == '\'') {
        const qsizetype size = m_in.size();
        const int hi = m_pos < size ? HexValue(m_in[m_pos]) : -1;
        const int lo = m_pos + 1 < size ? HexValue(m_in[m_pos + 1]) : -1;
        if (hi < 0 || lo < 0)
            return; // a broken escape is dropped; what follows is read as usual
        m_pos += 2;
        if (m_skipCount > 0) {
            --m_skipCount;
            return;
        }
        Character(Cp1252ToUnicode(static_cast<unsigned char>(hi * 16 + lo)));
        return;
    }
    if (m_skipCount > 0) {
        --m_skipCount;
        return;
    }
    switch (c) {
    case '\\':
    case '{':
    case '}':
        Character(static_cast<char16_t>(c));
        break;
    case '~':
        Character(0x00A0);
        break;
    case '_':
        Character(0x2011);
        break;
    case '*':
        m_cur.dest = Dest::Skip;
        break;
    case '\r':
    case '\n':
        ParagraphBreak();
        break;
    default:
        // \- (optional hyphen), \: and \| and anything unknown: nothing to show.
        break;
    }
}

void Parser::Keyword(std::string_view word, bool hasParam, int param)
{
    const auto& table = Keywords();
    const auto it = table.find(word);
    if (it == table.end())
        return; // unknown control words are ignored
    const bool on = !hasParam || param != 0;
    CharState& chars = m_cur.chars;
    switch (it->second.kind) {
    case Kw::Skip:
        m_cur.dest = Dest::Skip;
        break;
    case Kw::FontTable:
        if (m_cur.dest != Dest::Skip) {
            m_cur.dest = Dest::FontTable;
            m_fontNumber = -1;
            m_fontName.clear();
        }
        break;
    case Kw::ColourTable:
        if (m_cur.dest != Dest::Skip) {
            m_cur.dest = Dest::ColourTable;
            m_red = m_green = m_blue = 0;
            m_colourGiven = false;
        }
        break;
    case Kw::Deff:
        if (hasParam && param >= 0)
            m_defaultFont = param;
        break;
    case Kw::Uc:
        m_cur.unicodeSkip = std::clamp(param, 0, kMaxUnicodeSkip);
        break;
    case Kw::U:
        if (hasParam) {
            // RTF writes code units above 32767 as negative numbers.
            int unit = param < 0 ? param + 65536 : param;
            Character(unit >= 0 && unit <= 0xFFFF ? static_cast<char16_t>(unit) : char16_t(0xFFFD));
            m_skipCount = m_cur.unicodeSkip;
        }
        break;
    case Kw::Par:
        ParagraphBreak();
        break;
    case Kw::Line:
        Character(QChar::LineSeparator);
        break;
    case Kw::Tab:
        Character(u'\t');
        break;
    case Kw::Char:
        Character(it->second.ch);
        break;
    case Kw::Plain:
        chars = CharState();
        m_cur.hidden = false;
        break;
    case Kw::F:
        if (!hasParam || param < 0)
            break;
        if (m_cur.dest == Dest::FontTable) {
            CommitFont();
            m_fontNumber = param;
        } else {
            chars.font = param;
        }
        break;
    case Kw::Fs:
        chars.halfPoints = hasParam && param > 0 ? std::min(param, 3276) : kDefaultHalfPoints;
        break;
    case Kw::B:
        chars.bold = on;
        break;
    case Kw::I:
        chars.italic = on;
        break;
    case Kw::Ul:
        chars.underline = on;
        break;
    case Kw::UlNone:
        chars.underline = false;
        break;
    case Kw::Cf:
        chars.colour = hasParam && param >= 0 ? param : 0;
        break;
    case Kw::V:
        m_cur.hidden = on;
        break;
    case Kw::Red:
        m_red = std::clamp(param, 0, 255);
        m_colourGiven = true;
        break;
    case Kw::Green:
        m_green = std::clamp(param, 0, 255);
        m_colourGiven = true;
        break;
    case Kw::Blue:
        m_blue = std::clamp(param, 0, 255);
        m_colourGiven = true;
        break;
    case Kw::Bin:
        if (param > 0)
            m_pos += std::min<qsizetype>(param, m_in.size() - m_pos);
        break;
    }
}

void Parser::PlainByte(unsigned char byte)
{
    if (m_skipCount > 0) {
        --m_skipCount;
        return;
    }
    // Raw control bytes carry no text in RTF (a tab is written \tab, but a
    // literal one is harmless and kept).
    if (byte < 0x20 && byte != '\t')
        return;
    Character(Cp1252ToUnicode(byte));
}

void Parser::Character(char16_t ch)
{
    switch (m_cur.dest) {
    case Dest::Text:
        if (!m_cur.hidden)
            TextCharacter(ch);
        break;
    case Dest::FontTable:
        if (ch == u';')
            CommitFont();
        else if (ch >= 0x20 && m_fontName.size() < kMaxFontNameLength)
            m_fontName.append(QChar(ch));
        break;
    case Dest::ColourTable:
        if (ch == u';')
            CommitColour();
        break;
    case Dest::Skip:
        break;
    }
}

void Parser::TextCharacter(char16_t ch)
{
    if (QChar::isHighSurrogate(ch)) {
        FlushSurrogate();
        m_highSurrogate = ch;
        return;
    }
    if (QChar::isLowSurrogate(ch)) {
        if (m_highSurrogate == 0) {
            Append(0xFFFD);
        } else {
            // The pair stays in one run even if the format changed between
            // its halves.
            Append(m_highSurrogate);
            m_highSurrogate = 0;
            m_paragraphs.back().runs.back().text.append(QChar(ch));
        }
        return;
    }
    FlushSurrogate();
    switch (ch) {
    case 0:
        return;
    case u'\n':
    case u'\r':
    case QChar::ParagraphSeparator:
        ParagraphBreak();
        return;
    // Characters the text document reserves for its own structure.
    case 0xFDD0:
    case 0xFDD1:
    case QChar::ObjectReplacementCharacter:
        Append(0xFFFD);
        return;
    default:
        Append(ch);
    }
}

void Parser::Append(char16_t ch)
{
    std::vector<Run>& runs = m_paragraphs.back().runs;
    if (runs.empty() || !(runs.back().format == m_cur.chars))
        runs.push_back(Run{m_cur.chars, QString()});
    runs.back().text.append(QChar(ch));
}

void Parser::FlushSurrogate()
{
    if (m_highSurrogate != 0) {
        m_highSurrogate = 0;
        Append(0xFFFD);
    }
}

void Parser::ParagraphBreak()
{
    if (m_cur.dest != Dest::Text || m_cur.hidden)
        return;
    FlushSurrogate();
    m_paragraphs.back().mark = m_cur.chars;
    m_paragraphs.emplace_back();
}

void Parser::CommitFont()
{
    const QString name = m_fontName.trimmed();
    m_fontName.clear();
    const int number = m_fontNumber;
    m_fontNumber = -1;
    if (number < 0 || name.isEmpty())
        return;
    if (m_fonts.find(number) == m_fonts.end() && static_cast<int>(m_fonts.size()) >= kRtfMaxFonts) {
        Fail(QStringLiteral("more than %1 fonts").arg(kRtfMaxFonts));
        return;
    }
    m_fonts[number] = name;
}

void Parser::CommitColour()
{
    if (static_cast<int>(m_colours.size()) >= kRtfMaxColours) {
        Fail(QStringLiteral("more than %1 colours").arg(kRtfMaxColours));
        return;
    }
    if (m_colourGiven)
        m_colours.emplace_back(QColor(m_red, m_green, m_blue));
    else
        m_colours.emplace_back(std::nullopt); // the automatic colour
    m_red = m_green = m_blue = 0;
    m_colourGiven = false;
}

QTextCharFormat Parser::Format(const CharState& s) const
{
    QTextCharFormat f;
    auto font = m_fonts.find(s.font >= 0 ? s.font : m_defaultFont);
    if (font == m_fonts.end())
        font = m_fonts.find(m_defaultFont);
    if (font != m_fonts.end())
        f.setFontFamilies(QStringList{font->second});
    f.setFontPointSize(s.halfPoints / 2.0);
    f.setFontWeight(s.bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(s.italic);
    f.setFontUnderline(s.underline);
    if (s.colour >= 0 && s.colour < static_cast<int>(m_colours.size()) && m_colours[s.colour])
        f.setForeground(*m_colours[s.colour]);
    return f;
}

void Parser::Fill(QTextDocument& doc) const
{
    const bool undo = doc.isUndoRedoEnabled();
    // Turning undo off drops the history: a loaded file starts without one.
    doc.setUndoRedoEnabled(false);
    doc.clear();
    QTextCursor cursor(&doc);
    cursor.beginEditBlock();
    bool first = true;
    for (const Paragraph& p : m_paragraphs) {
        if (first)
            cursor.setBlockCharFormat(Format(p.mark));
        else
            cursor.insertBlock(QTextBlockFormat(), Format(p.mark));
        first = false;
        for (const Run& run : p.runs)
            cursor.insertText(run.text, Format(run.format));
    }
    cursor.endEditBlock();
    doc.setUndoRedoEnabled(undo);
}

// ---------------------------------------------------------------- writing

struct OutFormat {
    int font = 0;
    int halfPoints = kDefaultHalfPoints;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int colour = 0;
};

class Writer {
public:
    explicit Writer(const QTextDocument& doc) : m_doc(doc), m_base(doc.defaultFont())
    {
        const QString base = FamilyOf(QTextCharFormat());
        m_fontIndex.insert(base, 0);
        m_fonts.append(base);
    }

    QByteArray Write();

private:
    QString FamilyOf(const QTextCharFormat& f) const;
    OutFormat Resolve(const QTextCharFormat& f);
    void SwitchTo(const OutFormat& want);
    void Word(const char* word, int param);
    void Word(const char* word);
    void Text(QStringView text, bool fontName);

    const QTextDocument& m_doc;
    const QFont m_base;
    QStringList m_fonts;
    QHash<QString, int> m_fontIndex;
    QList<QRgb> m_colours; // entry i is \cf(i + 1); \cf0 is automatic
    QHash<QRgb, int> m_colourIndex;
    QByteArray m_body;
    OutFormat m_state;
    bool m_delimit = false; // the last thing written was a control word
};

QString Writer::FamilyOf(const QTextCharFormat& f) const
{
    const QStringList families = f.fontFamilies().toStringList();
    if (!families.isEmpty() && !families.first().isEmpty())
        return families.first();
    return m_base.family();
}

OutFormat Writer::Resolve(const QTextCharFormat& f)
{
    OutFormat o;
    const QString family = FamilyOf(f);
    auto font = m_fontIndex.constFind(family);
    if (font == m_fontIndex.constEnd()) {
        font = m_fontIndex.insert(family, static_cast<int>(m_fonts.size()));
        m_fonts.append(family);
    }
    o.font = *font;
    double points = f.hasProperty(QTextFormat::FontPointSize) ? f.fontPointSize() : m_base.pointSizeF();
    if (points <= 0)
        points = kDefaultHalfPoints / 2.0;
    o.halfPoints = std::clamp(static_cast<int>(points * 2 + 0.5), 1, 3276);
    o.bold = f.hasProperty(QTextFormat::FontWeight) ? f.fontWeight() > QFont::Medium
                                                     : m_base.weight() > QFont::Medium;
    o.italic = f.hasProperty(QTextFormat::FontItalic) ? f.fontItalic() : m_base.italic();
    if (f.hasProperty(QTextFormat::TextUnderlineStyle))
        o.underline = f.underlineStyle() != QTextCharFormat::NoUnderline;
    else if (f.hasProperty(QTextFormat::FontUnderline))
        o.underline = f.boolProperty(QTextFormat::FontUnderline);
    else
        o.underline = m_base.underline();
    o.colour = 0;
    if (f.foreground().style() != Qt::NoBrush) {
        const QRgb rgb = f.foreground().color().rgb() | 0xFF000000u;
        auto colour = m_colourIndex.constFind(rgb);
        if (colour == m_colourIndex.constEnd()) {
            colour = m_colourIndex.insert(rgb, static_cast<int>(m_colours.size()) + 1);
            m_colours.append(rgb);
        }
        o.colour = *colour;
    }
    return o;
}

void Writer::Word(const char* word, int param)
{
    m_body += '\\';
    m_body += word;
    m_body += QByteArray::number(param);
    m_delimit = true;
}

void Writer::Word(const char* word)
{
    m_body += '\\';
    m_body += word;
    m_delimit = true;
}

void Writer::SwitchTo(const OutFormat& want)
{
    if (want.font != m_state.font)
        Word("f", want.font);
    if (want.halfPoints != m_state.halfPoints)
        Word("fs", want.halfPoints);
    if (want.bold != m_state.bold)
        want.bold ? Word("b") : Word("b", 0);
    if (want.italic != m_state.italic)
        want.italic ? Word("i") : Word("i", 0);
    if (want.underline != m_state.underline)
        want.underline ? Word("ul") : Word("ulnone");
    if (want.colour != m_state.colour)
        Word("cf", want.colour);
    m_state = want;
}

void Writer::Text(QStringView text, bool fontName)
{
    static const char hex[] = "0123456789abcdef";
    for (const QChar qc : text) {
        const char16_t c = qc.unicode();
        if (fontName && c == u';')
            continue; // a font name cannot hold the entry terminator
        if (c == u'\t' && !fontName) {
            Word("tab");
            continue;
        }
        if (c == QChar::LineSeparator && !fontName) {
            Word("line");
            continue;
        }
        if (c >= 0x20 && c < 0x80) {
            if (m_delimit) {
                m_body += ' ';
                m_delimit = false;
            }
            if (c == u'\\' || c == u'{' || c == u'}')
                m_body += '\\';
            m_body += static_cast<char>(c);
            continue;
        }
        m_delimit = false;
        const int byte = UnicodeToCp1252(c);
        if (byte >= 0) {
            m_body += "\\'";
            m_body += hex[byte >> 4];
            m_body += hex[byte & 15];
        } else {
            m_body += "\\u";
            m_body += QByteArray::number(static_cast<int>(static_cast<std::int16_t>(c)));
            m_body += '?';
        }
    }
}

QByteArray Writer::Write()
{
    bool firstBlock = true;
    for (QTextBlock block = m_doc.begin(); block.isValid(); block = block.next()) {
        if (!firstBlock) {
            Word("par");
            m_body += "\r\n";
            m_delimit = false;
        }
        firstBlock = false;
        bool empty = true;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid() || fragment.charFormat().isImageFormat())
                continue;
            SwitchTo(Resolve(fragment.charFormat()));
            Text(fragment.text(), false);
            empty = false;
        }
        if (empty)
            SwitchTo(Resolve(block.charFormat()));
    }

    QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl";
    for (qsizetype i = 0; i < m_fonts.size(); ++i) {
        QByteArray body;
        std::swap(body, m_body);
        m_delimit = false;
        Word("f", static_cast<int>(i));
        Word("fnil");
        Word("fcharset", 0);
        Text(m_fonts[i], true);
        std::swap(body, m_body);
        out += '{' + body + ";}";
    }
    out += "}{\\colortbl ;";
    for (const QRgb rgb : m_colours) {
        out += "\\red" + QByteArray::number(qRed(rgb)) + "\\green" + QByteArray::number(qGreen(rgb))
            + "\\blue" + QByteArray::number(qBlue(rgb)) + ';';
    }
    out += "}\r\n\\pard\\plain";
    // \plain leaves the reader in its initial state; the body's first
    // control words were written against that state.
    if (!m_body.isEmpty() && m_body.front() != '\\')
        out += ' ';
    out += m_body;
    out += "}\r\n";
    return out;
}

} // namespace

bool LooksLikeRtf(const QByteArray& bytes)
{
    qsizetype i = 0;
    while (i < bytes.size() && IsBlank(bytes[i]))
        ++i;
    return QByteArrayView(bytes).sliced(i).startsWith("{\\rtf");
}

RtfReadResult ReadRtf(const QByteArray& bytes, QTextDocument& doc)
{
    if (!LooksLikeRtf(bytes))
        return {false, QStringLiteral("no RTF signature")};
    qsizetype start = 0;
    while (IsBlank(bytes[start]))
        ++start;
    Parser parser(bytes);
    if (!parser.Parse(start))
        return {false, parser.Error()};
    parser.Fill(doc);
    return {true, QString()};
}

QByteArray WriteRtf(const QTextDocument& doc)
{
    return Writer(doc).Write();
}

} // namespace korvane
