// The RTF reader and writer: round trips through a real file, hand-written
// RTF read into a document, the escapes the writer chooses, and damaged
// input that must be refused or read without harm.
#include "files/rtf.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace korvane {
namespace {

// One fragment's attributes as text; attributes not set on the fragment come
// from the document's default font, as the writer resolves them.
std::string Attributes(const QTextDocument& doc, const QTextCharFormat& f, bool full)
{
    const QFont base = doc.defaultFont();
    QStringList parts;
    const QStringList families = f.fontFamilies().toStringList();
    const QString family = families.isEmpty() ? (full ? base.family() : QString()) : families.first();
    if (!family.isEmpty())
        parts << family;
    const double size = f.hasProperty(QTextFormat::FontPointSize) ? f.fontPointSize() : base.pointSizeF();
    if (full || size != 12)
        parts << QString::number(size);
    if (f.hasProperty(QTextFormat::FontWeight) ? f.fontWeight() > QFont::Medium : base.bold())
        parts << QStringLiteral("b");
    if (f.hasProperty(QTextFormat::FontItalic) ? f.fontItalic() : base.italic())
        parts << QStringLiteral("i");
    if (f.hasProperty(QTextFormat::TextUnderlineStyle) ? f.fontUnderline() : base.underline())
        parts << QStringLiteral("u");
    if (f.foreground().style() != Qt::NoBrush)
        parts << f.foreground().color().name();
    return parts.join(QLatin1Char(',')).toStdString();
}

// The document as text: blocks on lines, "<line>" for a line break, and
// "{attributes}" after each stretch of text whose attributes are not plain.
std::string Describe(const QTextDocument& doc, bool full = false)
{
    std::string out;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        if (block != doc.begin())
            out += '\n';
        std::string text;
        std::string attrs;
        auto flush = [&] {
            out += text;
            if (!attrs.empty())
                out += '{' + attrs + '}';
            text.clear();
        };
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const std::string a = Attributes(doc, fragment.charFormat(), full);
            if (a != attrs && !text.empty())
                flush();
            attrs = a;
            QString t = fragment.text();
            t.replace(QChar::LineSeparator, QStringLiteral("<line>"));
            text += t.toStdString();
        }
        flush();
    }
    return out;
}

// ---------------------------------------------------------------- round trip

void Insert(QTextCursor& c, const QString& text, const QString& family, double size, bool b, bool i,
            bool u, const QColor& colour = QColor())
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

TEST(RtfRoundTrip, FileWrittenByKorvaneReadsBackWithSameTextAndFormats)
{
    QTextDocument doc;
    QTextCursor c(&doc);
    const QString mono = QStringLiteral("DejaVu Sans Mono");
    const QString serif = QStringLiteral("DejaVu Serif");
    Insert(c, QStringLiteral("e|--0--3--|"), mono, 10, false, false, false);
    Insert(c, QStringLiteral(" Am"), mono, 10, true, false, false, Qt::red);
    c.insertBlock();
    Insert(c, QStringLiteral("Caf\u00e9 \u20ac5 \u00fcber "), serif, 14.5, false, true, false);
    Insert(c, QStringLiteral("\u0142\u00f3d\u017a"), serif, 14.5, false, true, true, QColor(0, 128, 255));
    Insert(c, QStringLiteral("\u2028second line\tafter tab"), serif, 9, true, true, true);
    c.insertBlock();
    c.insertBlock();
    Insert(c, QStringLiteral("\\{braces}\\ 123 "), mono, 12, false, false, false);
    Insert(c, QStringLiteral("42 and \U0001F3B8"), mono, 18, false, false, true, QColor(10, 20, 30));
    Insert(c, QStringLiteral(" \u00ff\u00f5"), QStringLiteral("Korvane"), 10, false, false, false);

    const QByteArray rtf = WriteRtf(doc);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("lied.rtf"));
    {
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        ASSERT_EQ(out.write(rtf), rtf.size());
    }
    QFile in(path);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    QTextDocument back;
    const RtfReadResult r = ReadRtf(in.readAll(), back);
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_EQ(back.toRawText().toStdString(), doc.toRawText().toStdString());
    EXPECT_EQ(back.blockCount(), doc.blockCount());
    EXPECT_EQ(Describe(back, true), Describe(doc, true));
}

TEST(RtfRoundTrip, FormatsNotSetOnTheTextComeFromTheDefaultFont)
{
    QTextDocument doc;
    QFont base(QStringLiteral("DejaVu Sans Mono"));
    base.setPointSize(11);
    base.setBold(true);
    doc.setDefaultFont(base);
    QTextCursor(&doc).insertText(QStringLiteral("plain"));

    QTextDocument back;
    ASSERT_TRUE(ReadRtf(WriteRtf(doc), back).ok);
    EXPECT_EQ(Describe(back), "plain{DejaVu Sans Mono,11,b}");
}

TEST(RtfRoundTrip, EmptyDocumentStaysEmpty)
{
    QTextDocument doc;
    QTextDocument back;
    back.setPlainText(QStringLiteral("old"));
    ASSERT_TRUE(ReadRtf(WriteRtf(doc), back).ok);
    EXPECT_EQ(back.toRawText().toStdString(), "");
    EXPECT_EQ(back.blockCount(), 1);
}

// ---------------------------------------------------------------- writer

struct EscapeRow {
    const char* name;
    QString text;
    const char* expected; // must occur in the written RTF
};

void PrintTo(const EscapeRow& row, std::ostream* os)
{
    *os << row.name;
}


class RtfWriterEscape : public testing::TestWithParam<EscapeRow> {};

TEST_P(RtfWriterEscape, CharacterIsWrittenAsExpected)
{
    QTextDocument doc;
    QTextCursor(&doc).insertText(GetParam().text);
    const QByteArray rtf = WriteRtf(doc);
    EXPECT_TRUE(rtf.contains(GetParam().expected)) << rtf.toStdString();
    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0")) << rtf.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Rtf, RtfWriterEscape,
    testing::Values(EscapeRow{"latin1", QStringLiteral("x\u00e9y"), "x\\'e9y"},
                    EscapeRow{"euro", QStringLiteral("\u20ac"), "\\'80"},
                    EscapeRow{"outsideCp1252", QStringLiteral("\u0142"), "\\u322?"},
                    EscapeRow{"aboveInt16", QStringLiteral("\uff21"), "\\u-223?"},
                    EscapeRow{"surrogatePair", QStringLiteral("\U0001F3B8"), "\\u-10180?\\u-8264?"},
                    EscapeRow{"braces", QStringLiteral("{a\\b}"), "\\{a\\\\b\\}"},
                    EscapeRow{"lineBreak", QStringLiteral("a\u2028b"), "a\\line b"},
                    EscapeRow{"tab", QStringLiteral("a\tb"), "a\\tab b"},
                    EscapeRow{"paragraphs", QStringLiteral("a\nb"), "a\\par\r\nb"}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------- reader

struct ReadRow {
    const char* name;
    QByteArray rtf;
    const char* expected; // Describe() of the document read
};

void PrintTo(const ReadRow& row, std::ostream* os)
{
    *os << row.name;
}


class RtfReader : public testing::TestWithParam<ReadRow> {};

TEST_P(RtfReader, ReadsHandWrittenRtf)
{
    QTextDocument doc;
    doc.setPlainText(QStringLiteral("previous content"));
    const RtfReadResult r = ReadRtf(GetParam().rtf, doc);
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_EQ(Describe(doc), GetParam().expected);
}

const QByteArray kFonts = "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1\\fmodern Courier New;}}";
const QByteArray kColours = "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}";

INSTANTIATE_TEST_SUITE_P(
    Rtf, RtfReader,
    testing::Values(
        ReadRow{"plainText", "{\\rtf1\\ansi Hello world}", "Hello world"},
        ReadRow{"blanksBeforeSignature", " \r\n{\\rtf1 x}", "x"},
        ReadRow{"paragraphs", "{\\rtf1 a\\par b\\par\r\n}", "a\nb\n"},
        ReadRow{"backslashNewlineIsParagraph", "{\\rtf1 a\\\nb}", "a\nb"},
        ReadRow{"rawLineBreaksIgnored", "{\\rtf1 a\r\nb\nc}", "abc"},
        ReadRow{"lineAndTab", "{\\rtf1 a\\line b\\tab c}", "a<line>b\tc"},
        ReadRow{"delimiterSpaceOnlyOne", "{\\rtf1\\b  x}", " x{b}"},
        ReadRow{"hexCp1252", "{\\rtf1\\ansi\\ansicpg1252 caf\\'e9 \\'80\\'FC}", "caf\xc3\xa9 \xe2\x82\xac\xc3\xbc"},
        ReadRow{"rawHighByte", "{\\rtf1 \xe9\x80}", "\xc3\xa9\xe2\x82\xac"},
        ReadRow{"unicodeSkipsOneFallback", "{\\rtf1 \\u322?x}", "\xc5\x82x"},
        ReadRow{"unicodeFallbackHex", "{\\rtf1 \\u8364\\'80x}", "\xe2\x82\xacx"},
        ReadRow{"uc0NoFallback", "{\\rtf1\\uc0\\u322 x}", "\xc5\x82x"},
        ReadRow{"uc2TwoFallbacks", "{\\rtf1\\uc2\\u322??x}", "\xc5\x82x"},
        ReadRow{"ucScopedToGroup", "{\\rtf1{\\uc2 \\u322??}\\u322?x}", "\xc5\x82\xc5\x82x"},
        ReadRow{"skipEndsAtBrace", "{\\rtf1\\uc3\\u322{\\b x}y}", "\xc5\x82x{b}y"},
        ReadRow{"negativeUnicode", "{\\rtf1 \\u-10180?\\u-8264?}", "\xf0\x9f\x8e\xb8"},
        ReadRow{"loneSurrogate", "{\\rtf1 \\u-10180?x}", "\xef\xbf\xbdx"},
        ReadRow{"reservedCharacter", "{\\rtf1 \\u65532?}", "\xef\xbf\xbd"},
        ReadRow{"escapedSymbols", "{\\rtf1 \\\\\\{\\}\\~}", "\\{}\xc2\xa0"},
        ReadRow{"unknownControlWordIgnored", "{\\rtf1 \\foobar12 text\\zz}", "text"},
        ReadRow{"starDestinationSkipped", "{\\rtf1{\\*\\unknown secret{\\b deeper}}visible}", "visible"},
        ReadRow{"knownDestinationsSkipped",
                "{\\rtf1{\\info{\\title T}{\\author A}}{\\stylesheet{\\s0 Normal;}}x}", "x"},
        ReadRow{"fieldResultKept", "{\\rtf1{\\field{\\*\\fldinst HYPERLINK \"u\"}{\\fldrslt link}}}", "link"},
        ReadRow{"binDataSkipped", "{\\rtf1 a\\bin3 }}{z}", "az"},
        ReadRow{"binInsidePicture", "{\\rtf1{\\pict\\bin2 {{}b}", "b"},
        ReadRow{"hiddenText", "{\\rtf1 a{\\v hidden\\par}b}", "ab"},
        ReadRow{"textAfterOuterGroupIgnored", "{\\rtf1 a}b", "a"},
        ReadRow{"truncatedFileKept", "{\\rtf1 a{\\b b", "ab{b}"},
        ReadRow{"styles", "{\\rtf1 " + kFonts + "\\f1\\fs20\\b x\\b0\\i y\\i0\\ul z\\ulnone w}",
                "x{Courier New,10,b}y{Courier New,10,i}z{Courier New,10,u}w{Courier New,10}"},
        ReadRow{"groupRestoresFormat", "{\\rtf1 " + kFonts + "{\\b\\f1 x}y}", "x{Courier New,b}y{Arial}"},
        ReadRow{"plainResets", "{\\rtf1 " + kFonts + "\\f1\\b\\i\\fs30 x\\plain y}",
                "x{Courier New,15,b,i}y{Arial}"},
        ReadRow{"defaultFontFromDeff", "{\\rtf1\\deff1" + kFonts + "x}", "x{Courier New}"},
        ReadRow{"unknownFontFallsBackToDefault", "{\\rtf1 " + kFonts + "\\f7 x}", "x{Arial}"},
        ReadRow{"fontTableWithoutBraces", "{\\rtf1{\\fonttbl\\f0\\fnil Alpha;\\f1\\fnil Beta;}\\f1 x}", "x{Beta}"},
        ReadRow{"panoseInFontEntry",
                "{\\rtf1{\\fonttbl{\\f0\\froman{\\*\\panose 02020603}Times New Roman;}}x}",
                "x{Times New Roman}"},
        ReadRow{"fontNameWithHex", "{\\rtf1{\\fonttbl{\\f0 Caf\\'e9;}}x}", "x{Caf\xc3\xa9}"},
        ReadRow{"underlineVariants", "{\\rtf1 \\uldb x\\ul0 y\\ulwave z}", "x{u}yz{u}"},
        ReadRow{"colours", "{\\rtf1 " + kColours + "\\cf1 r\\cf2 b\\cf0 a\\cf9 n}", "r{#ff0000}b{#0000ff}an"},
        ReadRow{"colourTableWithoutAutoEntry", "{\\rtf1{\\colortbl\\red0\\green128\\blue0;}\\cf0 g}",
                "g{#008000}"},
        ReadRow{"specialCharacterWords", "{\\rtf1 \\emdash\\bullet\\lquote}", "\xe2\x80\x94\xe2\x80\xa2\xe2\x80\x98"},
        ReadRow{"formatCarriesOverParagraph", "{\\rtf1 \\b\\par x}", "\nx{b}"},
        ReadRow{"wordPadStyle",
                "{\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat\\deflang1043{\\fonttbl{\\f0\\fnil\\fcharset0 "
                "Courier New;}}\r\n{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1 \r\n\\pard\\sa200"
                "\\sl276\\slmult1\\f0\\fs20\\lang19 e|---0---|\\par\r\nB|---1---|\\par\r\n}\r\n",
                "e|---0---|{Courier New,10}\nB|---1---|{Courier New,10}\n"}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------- damaged input

struct DamagedRow {
    const char* name;
    QByteArray rtf;
    bool ok;
};

void PrintTo(const DamagedRow& row, std::ostream* os)
{
    *os << row.name;
}


class RtfDamaged : public testing::TestWithParam<DamagedRow> {};

// Refused input leaves the document alone so the caller can read the file as
// plain text; accepted input replaces it.
TEST_P(RtfDamaged, ReturnsWithoutHarm)
{
    QTextDocument doc;
    doc.setPlainText(QStringLiteral("keep"));
    const RtfReadResult r = ReadRtf(GetParam().rtf, doc);
    EXPECT_EQ(r.ok, GetParam().ok) << r.error.toStdString();
    if (r.ok) {
        EXPECT_TRUE(r.error.isEmpty());
    } else {
        EXPECT_FALSE(r.error.isEmpty());
        EXPECT_EQ(doc.toPlainText().toStdString(), "keep");
    }
}

QByteArray Nested(int inner)
{
    return "{\\rtf1" + QByteArray(inner, '{') + "x" + QByteArray(inner + 1, '}');
}

QByteArray ManyFonts(int n)
{
    QByteArray r = "{\\rtf1{\\fonttbl";
    for (int i = 0; i < n; ++i)
        r += "{\\f" + QByteArray::number(i) + " F;}";
    return r + "} x}";
}

QByteArray ManyColours(int n)
{
    return "{\\rtf1{\\colortbl" + QByteArray(n, ';') + "} x}";
}

INSTANTIATE_TEST_SUITE_P(
    Rtf, RtfDamaged,
    testing::Values(
        DamagedRow{"notRtf", "just some text", false},
        DamagedRow{"empty", "", false},
        DamagedRow{"signatureOnly", "{\\rtf", true},
        DamagedRow{"deepestAllowedNesting", Nested(kRtfMaxGroupDepth - 1), true},
        DamagedRow{"nestingTooDeep", Nested(kRtfMaxGroupDepth), false},
        DamagedRow{"endlessOpenBraces", "{\\rtf1" + QByteArray(1 << 20, '{'), false},
        DamagedRow{"longestControlWord", "{\\rtf1\\" + QByteArray(kRtfMaxControlWordLength, 'a') + " x}", true},
        DamagedRow{"controlWordTooLong", "{\\rtf1\\" + QByteArray(kRtfMaxControlWordLength + 1, 'a') + " x}", false},
        DamagedRow{"endlessControlWord", "{\\rtf1\\" + QByteArray(1 << 20, 'z'), false},
        DamagedRow{"parameterBeyondInt32Clamped", "{\\rtf1\\fs9999999999\\u9999999999\\cf-2147483648 x}", true},
        DamagedRow{"parameterTooManyDigits", "{\\rtf1\\fs99999999999 x}", false},
        DamagedRow{"binBeyondEnd", "{\\rtf1 a\\bin2147483647 xyz", true},
        DamagedRow{"binNegative", "{\\rtf1 a\\bin-5 x}", true},
        DamagedRow{"unterminatedGroups", "{\\rtf1{\\b{\\i{\\fonttbl{\\f0 A", true},
        DamagedRow{"backslashAtEnd", "{\\rtf1 a\\", true},
        DamagedRow{"brokenHex", "{\\rtf1 \\'z\\'4", true},
        DamagedRow{"unicodeAtEnd", "{\\rtf1\\uc5\\u-10180", true},
        DamagedRow{"mostFonts", ManyFonts(kRtfMaxFonts), true},
        DamagedRow{"tooManyFonts", ManyFonts(kRtfMaxFonts + 1), false},
        DamagedRow{"mostColours", ManyColours(kRtfMaxColours), true},
        DamagedRow{"tooManyColours", ManyColours(kRtfMaxColours + 1), false},
        DamagedRow{"manyParagraphs", "{\\rtf1" + QByteArray(200000, '\\').replace("\\", "\\par "), true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RtfSignature, RecognisesRtfOnlyByItsOpening)
{
    EXPECT_TRUE(LooksLikeRtf("{\\rtf1\\ansi}"));
    EXPECT_TRUE(LooksLikeRtf("\r\n\t {\\rtf"));
    EXPECT_FALSE(LooksLikeRtf("{\\rtx1}"));
    EXPECT_FALSE(LooksLikeRtf("e|---{\\rtf1}"));
    EXPECT_FALSE(LooksLikeRtf(""));
}

TEST(RtfReaderDocument, ManyParagraphsAllArrive)
{
    QByteArray rtf = "{\\rtf1 ";
    for (int i = 0; i < 50000; ++i)
        rtf += "line\\par ";
    rtf += "}";
    QTextDocument doc;
    ASSERT_TRUE(ReadRtf(rtf, doc).ok);
    EXPECT_EQ(doc.blockCount(), 50001);
}

} // namespace
} // namespace korvane
