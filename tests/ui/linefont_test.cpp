// The generated "Korvane" line font, rendered for real: a converted staff set
// in the font inside the editor's own widget must show unbroken strings and
// bar lines at every size; and the font file is found beside the program.
#include "core/cp1252.h"
#include "ui/linefont.h"

#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

const QString kFamily = QString::fromUtf16(kLineFontFamily);

// The stroke width as a fraction of the em, as font/make_font.py draws it.
constexpr double kStroke = 144.0 / 2048.0;

// A three-line staff as the continuous-line conversion writes it: left-end,
// inner and right-end bars in cells 0, 4 and 8, a dot on each string in 6.
// Its bytes lie where Windows-1252 and Latin-1 agree.
const char* const kStaff = "\xF6\xFF\xFF\xFF\xFC\xFF\xF5\xFF\xF7\n"
                           "\xFA\xFF\xFF\xFF\xFE\xFF\xF5\xFF\xFB\n"
                           "\xF8\xFF\xFF\xFF\xFD\xFF\xF5\xFF\xF9";
constexpr int kLines = 3;
constexpr int kCells = 9;
const int kBarCells[] = {0, 4, 8};

int registeredFontId()
{
    static const int id = QFontDatabase::addApplicationFont(QStringLiteral(KORVANE_FONT_FILE));
    return id;
}

QFont lineFont(int pixelSize)
{
    QFont font(kFamily);
    return font.setPixelSize(pixelSize), font;
}

TEST(LineFontFile, IsTheFixedPitchFamilyKorvaneDrawingEveryCharacterAtOneWidth)
{
    const int id = registeredFontId();
    ASSERT_GE(id, 0) << KORVANE_FONT_FILE;
    EXPECT_EQ(QFontDatabase::applicationFontFamilies(id), QStringList{kFamily});
    EXPECT_TRUE(QFontDatabase::isFixedPitch(kFamily));
    EXPECT_EQ(QFontInfo(lineFont(16)).family(), kFamily);
    EXPECT_TRUE(QFontInfo(lineFont(16)).fixedPitch());

    // A character missing from the font would fall back to another font,
    // which can change a line's height and open the bar lines.
    const QFontMetricsF metrics(lineFont(20));
    const qreal cell = metrics.horizontalAdvance(QLatin1Char('0'));
    for (int byte = 0x20; byte <= 0xFF; ++byte) {
        const QChar c(korvane::Cp1252ToUnicode(static_cast<unsigned char>(byte)));
        if (byte == 0x7F || (c.unicode() >= 0x80 && c.unicode() <= 0x9F))
            continue; // controls: Windows-1252 assigns no character
        EXPECT_TRUE(metrics.inFont(c)) << byte;
        EXPECT_EQ(metrics.horizontalAdvance(c), cell) << byte;
    }
}

// The staff as a document in a QPlainTextEdit at one pixel size, grabbed from
// screen, with the row of each string and the column of each bar found from
// where the ink is.
class StaffRendering : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override
    {
        ASSERT_GE(registeredFontId(), 0);
        const int px = GetParam();
        QPlainTextEdit editor;
        editor.setFont(lineFont(px));
        editor.setStyleSheet(QStringLiteral("QPlainTextEdit { background: white; color: black; }"));
        editor.setLineWrapMode(QPlainTextEdit::NoWrap);
        editor.setCursorWidth(0);
        editor.setPlainText(QString::fromLatin1(kStaff));
        editor.resize(px * 14, px * 8);
        editor.show();
        QApplication::processEvents();
        const auto caret = [&](int line, bool atEnd) {
            QTextCursor c(editor.document());
            c.movePosition(QTextCursor::Down, QTextCursor::MoveAnchor, line);
            c.movePosition(atEnd ? QTextCursor::EndOfBlock : QTextCursor::StartOfBlock);
            return editor.cursorRect(c);
        };
        m_cellLeft = caret(0, false).center().x();
        m_cellWidth = (caret(0, true).center().x() - m_cellLeft) / kCells;
        m_image = editor.viewport()->grab().toImage();
        m_stroke = kStroke * px;
        m_reach = int(std::ceil(m_stroke / 2)) + 2;

        for (int line = 0; line < kLines; ++line) {
            const QRect box = caret(line, false);
            m_stringRow[line] = mostInk(true, box.top(), box.bottom(), cellX(1), cellX(kCells - 1));
            ASSERT_GE(m_stringRow[line], 0) << "no string drawn on line " << line;
        }
        for (int i = 0; i < 3; ++i) {
            m_barColumn[i] = mostInk(false, cellX(kBarCells[i]), cellX(kBarCells[i] + 1),
                                     m_stringRow[0], m_stringRow[kLines - 1]);
            ASSERT_GE(m_barColumn[i], 0) << "no bar drawn in cell " << kBarCells[i];
        }
    }

    int cellX(double cells) const { return int(std::lround(m_cellLeft + cells * m_cellWidth)); }
    // From 0 (white) to 1 (black); outside the image counts as white.
    double ink(int x, int y) const
    {
        return m_image.rect().contains(x, y) ? (255 - qGray(m_image.pixel(x, y))) / 255.0 : 0.0;
    }
    // Ink summed along row `at` (alongX) or column `at`, from..to.
    double inkAlong(bool alongX, int at, int from, int to) const
    {
        double sum = 0;
        for (int t = from; t <= to; ++t)
            sum += alongX ? ink(t, at) : ink(at, t);
        return sum;
    }
    // The row (alongX) or column in first..last with the most ink along from..to; -1 if blank.
    int mostInk(bool alongX, int first, int last, int from, int to) const
    {
        int best = -1;
        double most = 0;
        for (int at = first; at <= last; ++at)
            if (const double sum = inkAlong(alongX, at, from, to); sum > most)
                most = sum, best = at;
        return best;
    }

    // A seam between two pieces, however faint, shows as a place along the
    // stroke from..to with less ink across it (around centre) than elsewhere.
    void expectEvenStroke(bool alongX, int from, int to, int centre) const
    {
        SCOPED_TRACE(::testing::Message() << (alongX ? "string at y " : "bar at x ") << centre);
        std::vector<double> across;
        for (int t = from; t <= to; ++t)
            across.push_back(inkAlong(!alongX, t, centre - m_reach, centre + m_reach));
        std::vector<double> sorted = across;
        std::sort(sorted.begin(), sorted.end());
        const double typical = sorted[sorted.size() / 2];
        EXPECT_GE(typical, 0.6 * m_stroke);
        const auto weakest = std::min_element(across.begin(), across.end());
        EXPECT_GE(*weakest, 0.9 * typical)
            << "at " << from + (weakest - across.begin()) << ", stroke " << m_stroke << " px";
    }

    QImage m_image;
    double m_cellLeft = 0, m_cellWidth = 0, m_stroke = 0;
    int m_reach = 0, m_stringRow[kLines] = {}, m_barColumn[3] = {};
};

TEST_P(StaffRendering, StringRowsHaveNoGapsBetweenCharactersNorBarColumnsBetweenLines)
{
    for (int line = 0; line < kLines; ++line)
        expectEvenStroke(true, m_barColumn[0], m_barColumn[2], m_stringRow[line]);
    for (const int column : m_barColumn)
        expectEvenStroke(false, m_stringRow[0], m_stringRow[kLines - 1], column);
}

INSTANTIATE_TEST_SUITE_P(Sizes, StaffRendering, ::testing::Values(9, 11, 12, 13, 16, 20, 24, 27, 32, 40),
                         [](const auto& info) { return std::to_string(info.param) + "px"; });

TEST(RegisterLineFontFrom, SkipsMissingAndUnreadableFilesAndUsesTheNextDirectory)
{
    QTemporaryDir broken, good;
    ASSERT_TRUE(broken.isValid() && good.isValid());
    const QString fileName = QString::fromUtf16(kLineFontFileName);
    EXPECT_EQ(RegisterLineFontFrom({broken.path()}), QString());

    QFile junk(broken.filePath(fileName));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly) && junk.write("not a font") > 0 && junk.flush());
    ASSERT_TRUE(QFile::copy(QStringLiteral(KORVANE_FONT_FILE), good.filePath(fileName)));
    const QString missing = broken.filePath(QStringLiteral("nothing-here"));
    EXPECT_EQ(RegisterLineFontFrom({missing, broken.path(), good.path()}), good.filePath(fileName));
    EXPECT_TRUE(QFontDatabase::families().contains(kFamily));
}

} // namespace
