// The encodings of plain-text files: recognition, strict reading, writing
// with the position of the first character that cannot be held, and the
// window's QString road agreeing with the plain one.
#include "files/codering.h"
#include "files/textcodec.h"

#include <gtest/gtest.h>

#include <array>

namespace korvane {
namespace {

constexpr std::array alle = {Codering::Utf8, Codering::Utf8Bom, Codering::Utf16LE, Codering::Utf16BE,
                             Codering::Windows1252};

std::string S(const char* s, std::size_t n) { return std::string(s, n); }

// The lines as the editor splits them, and the first line break.
std::pair<std::vector<std::u32string>, std::u32string> Regels(std::u32string_view t)
{
    std::vector<std::u32string> regels(1);
    std::u32string eerste;
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (t[i] != U'\r' && t[i] != U'\n') {
            regels.back() += t[i];
            continue;
        }
        const bool crlf = t[i] == U'\r' && i + 1 < t.size() && t[i + 1] == U'\n';
        if (eerste.empty())
            eerste = crlf ? U"\r\n" : std::u32string(1, t[i]);
        i += crlf ? 1 : 0;
        regels.emplace_back();
    }
    return {regels, eerste};
}

struct HerkenRij {
    const char* naam;
    std::string bytes;
    Codering nieuw;
    Codering verwacht;
};

class HerkenTest : public ::testing::TestWithParam<HerkenRij> {};

TEST_P(HerkenTest, DecidesTheEncodingAndReadsTheSameWithQString)
{
    const HerkenRij& r = GetParam();
    EXPECT_EQ(CoderingNaam(HerkenCodering(r.bytes, r.nieuw)), CoderingNaam(r.verwacht));
    EXPECT_TRUE(Decodeer(r.bytes, r.verwacht).has_value());
    const QByteArray q(r.bytes.data(), static_cast<qsizetype>(r.bytes.size()));
    for (Codering c : alle) {
        const std::optional<std::u32string> tekst = Decodeer(r.bytes, c);
        const std::optional<QString> qtekst = DecodeerQString(q, c);
        ASSERT_EQ(tekst.has_value(), qtekst.has_value()) << CoderingNaam(c);
        if (tekst) {
            EXPECT_EQ(QString::fromStdU32String(*tekst), *qtekst) << CoderingNaam(c);
        }
        // Read a line at a time, the same characters in the same lines.
        const std::optional<Regeltekst> regels = DecodeerRegels(r.bytes, c);
        ASSERT_EQ(regels.has_value(), tekst.has_value()) << CoderingNaam(c);
        if (tekst) {
            const auto [verwacht, eerste] = Regels(*tekst);
            EXPECT_EQ(regels->regels, verwacht) << CoderingNaam(c);
            EXPECT_EQ(std::u32string(regels->eersteEinde), eerste) << CoderingNaam(c);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, HerkenTest,
    ::testing::Values(HerkenRij{"leeg", "", Codering::Utf8, Codering::Utf8},
                      HerkenRij{"leeg_1252", "", Codering::Windows1252, Codering::Windows1252},
                      HerkenRij{"ascii_1252", "abc\r\n", Codering::Windows1252, Codering::Windows1252},
                      HerkenRij{"utf8", "x\xC3\xA9", Codering::Windows1252, Codering::Utf8},
                      HerkenRij{"utf8_regels", "\xC3\xA9\r\nx\rb\xC3\xA9\n\n\xE2\x9C\x93", Codering::Utf8,
                                Codering::Utf8},
                      HerkenRij{"utf8_door_regeleinde_gebroken", "x\xC3\n\xA9\r", Codering::Utf8, Codering::Windows1252},
                      HerkenRij{"utf8_vier_bytes", "\xF0\x9F\x8E\xB8", Codering::Utf8, Codering::Utf8},
                      HerkenRij{"utf8_bom", "\xEF\xBB\xBF", Codering::Utf8, Codering::Utf8Bom},
                      HerkenRij{"utf16le_bom", S("\xFF\xFE" "a\0\x3C\xD8\xB8\xDF", 8), Codering::Utf8, Codering::Utf16LE},
                      HerkenRij{"utf16be_bom", S("\xFE\xFF\0a", 4), Codering::Utf8, Codering::Utf16BE},
                      HerkenRij{"latijn1", "caf\xE9", Codering::Utf8, Codering::Windows1252},
                      HerkenRij{"utf8_surrogaat", "\xED\xA0\x80", Codering::Utf8, Codering::Windows1252},
                      HerkenRij{"utf8_te_groot", "\xF4\x90\x80\x80", Codering::Utf8, Codering::Windows1252},
                      HerkenRij{"utf8_overlang", "\xE0\x80\xAF", Codering::Utf8, Codering::Windows1252},
                      HerkenRij{"utf8_afgebroken", "a\xC3", Codering::Utf8, Codering::Windows1252},
                      HerkenRij{"utf16_oneven", S("\xFF\xFE" "a", 3), Codering::Utf8, Codering::Windows1252},
                      HerkenRij{"utf16_lage_surrogaat_eerst", S("\xFF\xFE\x00\xDC\x00\xD8", 6), Codering::Utf8,
                                Codering::Windows1252},
                      HerkenRij{"utf16_hoge_surrogaat_zonder_lage", S("\xFF\xFE\x00\xD8" "a\0", 6), Codering::Utf8,
                                Codering::Windows1252},
                      HerkenRij{"utf16_hoge_surrogaat_aan_het_eind", S("\xFE\xFF\xD8\x00", 4), Codering::Utf8,
                                Codering::Windows1252}),
    [](const ::testing::TestParamInfo<HerkenRij>& i) { return std::string(i.param.naam); });

struct CodeerRij {
    Codering codering;
    std::u32string tekst;
    std::string bytes;         // when it can be held
    std::size_t regel, kolom;  // the first character it cannot hold
};

class CodeerTest : public ::testing::TestWithParam<CodeerRij> {};

TEST_P(CodeerTest, WritesTheBytesOrNamesTheFirstCharacterThatCannotBeHeld)
{
    const CodeerRij& r = GetParam();
    const Gecodeerd g = Codeer(r.tekst, r.codering);
    // Written from the lines, joined by the text's own line break.
    const auto [regels, eerste] = Regels(r.tekst);
    const Gecodeerd perRegel = CodeerRegels(regels, eerste, r.codering);
    EXPECT_EQ(perRegel.bytes, g.bytes);
    ASSERT_EQ(perRegel.fout.has_value(), g.fout.has_value());
    if (g.fout) {
        EXPECT_EQ(perRegel.fout->regel, g.fout->regel);
        EXPECT_EQ(perRegel.fout->kolom, g.fout->kolom);
    }
    if (r.regel == 0) {
        ASSERT_FALSE(g.fout.has_value());
        EXPECT_EQ(g.bytes, r.bytes);
        EXPECT_EQ(Decodeer(g.bytes, r.codering), r.tekst);
        const QStringGecodeerd q = CodeerQString(QString::fromStdU32String(r.tekst), r.codering);
        EXPECT_EQ(q.bytes.toStdString(), r.bytes);
        EXPECT_TRUE(q.onbewaarbaar.isEmpty());
    } else {
        ASSERT_TRUE(g.fout.has_value());
        EXPECT_EQ(g.fout->regel, r.regel);
        EXPECT_EQ(g.fout->kolom, r.kolom);
        EXPECT_EQ(g.bytes, "");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tekens, CodeerTest,
    ::testing::Values(
        CodeerRij{Codering::Utf8, U"a\u00e9\U0001F3B8\r\n", "a\xC3\xA9\xF0\x9F\x8E\xB8\r\n", 0, 0},
        CodeerRij{Codering::Utf8Bom, U"a\u00e9", "\xEF\xBB\xBF" "a\xC3\xA9", 0, 0},
        CodeerRij{Codering::Utf16LE, U"a\u00e9\U0001F3B8", S("\xFF\xFE" "a\0\xE9\0\x3C\xD8\xB8\xDF", 10), 0, 0},
        CodeerRij{Codering::Utf16BE, U"a\u00e9\U0001F3B8", S("\xFE\xFF\0a\0\xE9\xD8\x3C\xDF\xB8", 10), 0, 0},
        CodeerRij{Codering::Windows1252, U"\u20ac\u00e9\u0081\u00ff\r", "\x80\xE9\x81\xFF\r", 0, 0},
        CodeerRij{Codering::Windows1252, U"ab\r\ncd\u2713", "", 2, 3},
        CodeerRij{Codering::Windows1252, U"a\rb\n\u0416", "", 3, 1},
        CodeerRij{Codering::Windows1252, U"a\n\u00e9\u0178\n\n", "a\n\xE9\x9F\n\n", 0, 0},
        CodeerRij{Codering::Windows1252, U"abcdefgh\u00e9ijklmnop\u20acqrstuvw\u00ff\u00a0xyz",
                  "abcdefgh\xE9ijklmnop\x80qrstuvw\xFF\xA0xyz", 0, 0},
        CodeerRij{Codering::Windows1252, U"\u00ff-\u00fa-\u00ff-\u00fa-abcd\u2713", "", 1, 13},
        CodeerRij{Codering::Utf8, U"\u00e9\n\U0001F3B8\u2713", "\xC3\xA9\n\xF0\x9F\x8E\xB8\xE2\x9C\x93", 0, 0},
        CodeerRij{Codering::Windows1252, U"x\U0001F3B8", "", 1, 2},
        CodeerRij{Codering::Utf8, std::u32string(1, char32_t(0xD800)), "", 1, 1}));

TEST(CoderingNamen, EveryNameReadsBackInAnyCaseAndOthersAreRefused)
{
    for (Codering c : alle) {
        std::string naam(CoderingNaam(c));
        for (char& t : naam)
            t = static_cast<char>(std::toupper(static_cast<unsigned char>(t)));
        EXPECT_EQ(CoderingUitNaam(naam), c) << naam;
    }
    for (const char* naam : {"", "utf8", "latin-1", "utf-16", "windows-1252x"})
        EXPECT_FALSE(CoderingUitNaam(naam).has_value()) << naam;
}

} // namespace
} // namespace korvane
