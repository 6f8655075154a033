// The RTF reader and writer: a round trip with the escapes the writer
// chooses, hand-written RTF read into a document, and damaged input that must
// be refused or read without harm.
#include "files/rtf.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <string>

namespace korvane {
namespace {

// The document as text: blocks on lines, "<line>" for a line break, and
// "{family,size,b,i,u,colour}" after each stretch of text whose attributes are
// not plain. Attributes not set on a fragment come from the document's default
// font, as the writer resolves them; size 12 and an unset family are left out.
std::string Describe(const QTextDocument& doc)
{
    const QFont base = doc.defaultFont();
    std::string out;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        out += block == doc.begin() ? "" : "\n";
        std::string text, attrs;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            QStringList a = f.fontFamilies().toStringList().mid(0, 1);
            const double size = f.hasProperty(QTextFormat::FontPointSize) ? f.fontPointSize() : base.pointSizeF();
            if (size != 12)
                a << QString::number(size);
            if (f.hasProperty(QTextFormat::FontWeight) ? f.fontWeight() > QFont::Medium : base.bold())
                a << "b";
            if (f.hasProperty(QTextFormat::FontItalic) ? f.fontItalic() : base.italic())
                a << "i";
            if (f.hasProperty(QTextFormat::TextUnderlineStyle) ? f.fontUnderline() : base.underline())
                a << "u";
            if (f.foreground().style() != Qt::NoBrush)
                a << f.foreground().color().name();
            if (a.join(u',').toStdString() != attrs && !text.empty())
                out += text + (attrs.empty() ? "" : '{' + attrs + '}'), text.clear();
            attrs = a.join(u',').toStdString();
            text += it.fragment().text().replace(QChar::LineSeparator, "<line>").toStdString();
        }
        out += text + (attrs.empty() || text.empty() ? "" : '{' + attrs + '}');
    }
    return out;
}

void Insert(QTextCursor& c, const QString& text, const QString& family, double size, bool b, bool i, bool u,
            const QColor& colour = QColor())
{
    QTextCharFormat f;
    f.setFontFamilies({family});
    f.setFontPointSize(size);
    f.setFontWeight(b ? QFont::Bold : QFont::Normal);
    f.setFontItalic(i);
    f.setFontUnderline(u);
    if (colour.isValid())
        f.setForeground(colour);
    c.insertText(text, f);
}

TEST(RtfRoundTrip, WrittenWithTheExpectedEscapesAndReadBackWithSameTextAndFormats)
{
    QTextDocument doc;
    QTextCursor c(&doc);
    const QString mono = QStringLiteral("DejaVu Sans Mono"), serif = QStringLiteral("DejaVu Serif");
    Insert(c, "e|--0--3--|", mono, 10, false, false, false);
    Insert(c, " Am", mono, 10, true, false, false, Qt::red);
    c.insertBlock();
    Insert(c, QStringLiteral("Caf\u00e9 \u20ac5 \u00fcber "), serif, 14.5, false, true, false);
    Insert(c, QStringLiteral("\u0142\u00f3d\u017a\uff21"), serif, 14.5, false, true, true, QColor(0, 128, 255));
    Insert(c, QStringLiteral("\u2028second line\tafter tab"), serif, 9, true, true, true);
    c.insertBlock();
    c.insertBlock();
    Insert(c, "\\{braces}\\ 123 ", mono, 12, false, false, false);
    Insert(c, QStringLiteral("42 and \U0001F3B8"), mono, 18, false, false, true, QColor(10, 20, 30));

    // Windows-1252 where it holds the character, signed 16-bit \uN otherwise.
    const QByteArray rtf = WriteRtf(doc);
    for (const char* escape : {"{\\rtf1\\ansi\\ansicpg1252\\deff0", "Caf\\'e9 \\'805 \\'fcber", "\\u322?", "\\u-223?",
                               "\\u-10180?\\u-8264?", "\\\\\\{braces\\}\\\\", "\\line ", "\\tab ", "\\par\r\n"})
        EXPECT_TRUE(rtf.contains(escape)) << escape << "\n" << rtf.toStdString();
    QTextDocument back;
    const RtfReadResult r = ReadRtf(rtf, back);
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_EQ(back.toRawText().toStdString(), doc.toRawText().toStdString());
    EXPECT_EQ(Describe(back), Describe(doc));
}

TEST(RtfRoundTrip, FormatsNotSetOnTheTextComeFromTheDefaultFont)
{
    QTextDocument doc, back;
    doc.setDefaultFont(QFont(QStringLiteral("DejaVu Sans Mono"), 11, QFont::Bold));
    QTextCursor(&doc).insertText("plain");
    ASSERT_TRUE(ReadRtf(WriteRtf(doc), back).ok);
    EXPECT_EQ(Describe(back), "plain{DejaVu Sans Mono,11,b}");
}

struct ReadRow { const char* name; QByteArray rtf; const char* expected; };   // expected: Describe()
class RtfReader : public testing::TestWithParam<ReadRow> {};

TEST_P(RtfReader, ReadsHandWrittenRtf)
{
    QTextDocument doc;
    doc.setPlainText("previous content");
    const RtfReadResult r = ReadRtf(GetParam().rtf, doc);
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_EQ(Describe(doc), GetParam().expected);
}

const QByteArray kFonts = "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1\\fmodern Courier New;}}";

INSTANTIATE_TEST_SUITE_P(
    Rtf, RtfReader,
    testing::Values(
        ReadRow{"paragraphsLinesTabs", " \r\n{\\rtf1 a\\par b\\line c\\tab d\\\ne\r\nf\\par\r\n}", "a\nb<line>c\td\nef\n"},
        ReadRow{"hexCp1252AndRawBytes", "{\\rtf1\\ansi caf\\'e9 \\'80\\'FC\xe9}", "caf\xc3\xa9 \xe2\x82\xac\xc3\xbc\xc3\xa9"},
        ReadRow{"unicodeSkipsOneFallback", "{\\rtf1 \\u322?x\\u8364\\'80y}", "\xc5\x82x\xe2\x82\xacy"},
        ReadRow{"ucScopedToGroup", "{\\rtf1{\\uc2 \\u322??}{\\uc0\\u322 }\\u322?x}", "\xc5\x82\xc5\x82\xc5\x82x"},
        ReadRow{"surrogates", "{\\rtf1 \\u-10180?\\u-8264?\\u-10180?x}", "\xf0\x9f\x8e\xb8\xef\xbf\xbdx"},
        ReadRow{"escapedSymbols", "{\\rtf1 \\\\\\{\\}\\~\\emdash}", "\\{}\xc2\xa0\xe2\x80\x94"},
        ReadRow{"skippedGroups", "{\\rtf1 \\foo12 a{\\*\\unknown s{\\b d}}{\\info{\\title T}}{\\v hidden\\par}b}", "ab"},
        ReadRow{"binDataSkipped", "{\\rtf1 a\\bin3 }}{z{\\pict\\bin2 {{}b}", "azb"},
        ReadRow{"truncatedFileKept", "{\\rtf1 a{\\b b", "ab{b}"},
        ReadRow{"styles", "{\\rtf1 " + kFonts + "\\f1\\fs20\\b x\\b0\\i y\\i0\\ul z\\ulnone w}",
                "x{Courier New,10,b}y{Courier New,10,i}z{Courier New,10,u}w{Courier New,10}"},
        ReadRow{"groupRestoresFormat", "{\\rtf1 " + kFonts + "{\\b\\f1 x}y\\f7 z}", "x{Courier New,b}yz{Arial}"},
        ReadRow{"colours", "{\\rtf1{\\colortbl ;\\red255\\green0\\blue0;}\\cf1 r\\cf0 a\\cf9 n}", "r{#ff0000}an"},
        ReadRow{"wordPad",
                "{\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat\\deflang1043{\\fonttbl{\\f0\\fnil\\fcharset0 "
                "Courier New;}}\r\n{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1 \r\n\\pard\\sa200"
                "\\sl276\\slmult1\\f0\\fs20\\lang19 e|---0---|\\par\r\nB|---1---|\\par\r\n}\r\n",
                "e|---0---|{Courier New,10}\nB|---1---|{Courier New,10}\n"}),
    [](const auto& info) { return std::string(info.param.name); });

struct DamagedRow { const char* name; QByteArray rtf; bool ok; };
class RtfDamaged : public testing::TestWithParam<DamagedRow> {};

// Every input returns (the fuzz run under CTest covers what rows cannot).
// Refused input leaves the document alone so the caller can read the file as
// plain text; accepted input replaces it.
TEST_P(RtfDamaged, ReturnsWithoutHarm)
{
    QTextDocument doc;
    doc.setPlainText("keep");
    const RtfReadResult r = ReadRtf(GetParam().rtf, doc);
    EXPECT_EQ(r.ok, GetParam().ok) << r.error.toStdString();
    EXPECT_EQ(r.error.isEmpty(), r.ok);
    if (!r.ok)
        EXPECT_EQ(doc.toPlainText().toStdString(), "keep");
}

QByteArray Nested(int inner) { return "{\\rtf1" + QByteArray(inner, '{') + "x" + QByteArray(inner + 1, '}'); }

QByteArray Fonts(int n)
{
    QByteArray r = "{\\rtf1{\\fonttbl";
    for (int i = 0; i < n; ++i)
        r += "{\\f" + QByteArray::number(i) + " F;}";
    return r + "} x}";
}

INSTANTIATE_TEST_SUITE_P(
    Rtf, RtfDamaged,
    testing::Values(
        DamagedRow{"notRtf", "just some text", false}, DamagedRow{"empty", "", false},
        DamagedRow{"deepestAllowedNesting", Nested(kRtfMaxGroupDepth - 1), true},
        DamagedRow{"nestingTooDeep", Nested(kRtfMaxGroupDepth), false},
        DamagedRow{"endlessOpenBraces", "{\\rtf1" + QByteArray(1 << 20, '{'), false},
        DamagedRow{"longestControlWord", "{\\rtf1\\" + QByteArray(kRtfMaxControlWordLength, 'a') + " x}", true},
        DamagedRow{"controlWordTooLong", "{\\rtf1\\" + QByteArray(kRtfMaxControlWordLength + 1, 'a') + " x}", false},
        DamagedRow{"parameterBeyondInt32Clamped", "{\\rtf1\\fs9999999999\\u9999999999\\cf-2147483648 x}", true},
        DamagedRow{"parameterTooManyDigits", "{\\rtf1\\fs99999999999 x}", false},
        DamagedRow{"binBeyondEnd", "{\\rtf1 a\\bin2147483647 xyz", true},
        DamagedRow{"unterminatedGroups", "{\\rtf1{\\b{\\i{\\fonttbl{\\f0 A", true},
        DamagedRow{"backslashAtEnd", "{\\rtf1 a\\", true}, DamagedRow{"brokenHex", "{\\rtf1 \\'z\\'4", true},
        DamagedRow{"unicodeAtEnd", "{\\rtf1\\uc5\\u-10180", true},
        DamagedRow{"mostFonts", Fonts(kRtfMaxFonts), true}, DamagedRow{"tooManyFonts", Fonts(kRtfMaxFonts + 1), false},
        DamagedRow{"tooManyColours", "{\\rtf1{\\colortbl" + QByteArray(kRtfMaxColours + 1, ';') + "} x}", false},
        DamagedRow{"manyParagraphs", "{\\rtf1" + QByteArray(200000, '\\').replace("\\", "\\par "), true}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace korvane
