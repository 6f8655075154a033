// The generated "Korvane" line font, rendered for real: a converted staff set
// in the font must show unbroken strings and bar lines, both when lines are
// stacked by the font's line spacing and inside a real QPlainTextEdit.
#include "core/cp1252.h"
#include "ui/linefont.h"

#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTextBlock>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

const QString kFamily = QString::fromUtf16(kLineFontFamily);

// The stroke width and the dot's radius as fractions of the em, as
// font/make_font.py draws them (units of an em of 2048).
constexpr double kStroke = 144.0 / 2048.0;
constexpr double kDotRadius = 300.0 / 2048.0;

// A three-line staff as the continuous-line conversion writes it: left-end,
// inner and right-end bars on every row and a dot on each string.
const std::string kStaffBytes[3] = {
    "\xF6\xFF\xFF\xFF\xFC\xFF\xF5\xFF\xF7",
    "\xFA\xFF\xFF\xFF\xFE\xFF\xF5\xFF\xFB",
    "\xF8\xFF\xFF\xFF\xFD\xFF\xF5\xFF\xF9",
};
constexpr int kLines = 3;
constexpr int kCells = 9;
const int kBarCells[] = {0, 4, 8};
const int kPlainStringCells[] = {1, 2, 3, 5, 7};
constexpr int kDotCell = 6;

QString decode(const std::string& bytes)
{
    QString text;
    for (const char c : bytes)
        text += QChar(korvane::Cp1252ToUnicode(static_cast<unsigned char>(c)));
    return text;
}

int registeredFontId()
{
    static const int id = QFontDatabase::addApplicationFont(QStringLiteral(KORVANE_FONT_FILE));
    return id;
}

QFont lineFont(int pixelSize)
{
    QFont font(kFamily);
    font.setPixelSize(pixelSize);
    return font;
}

TEST(LineFontFile, LoadsAsTheMonospacedFamilyKorvane)
{
    const int id = registeredFontId();
    ASSERT_GE(id, 0) << KORVANE_FONT_FILE;
    EXPECT_EQ(QFontDatabase::applicationFontFamilies(id), QStringList{kFamily});
    EXPECT_TRUE(QFontDatabase::isFixedPitch(kFamily));

    const QFontInfo info(lineFont(16));
    EXPECT_EQ(info.family(), kFamily);
    EXPECT_TRUE(info.fixedPitch());
}

TEST(LineFontFile, DrawsEveryWindows1252CharacterItselfAtOneWidth)
{
    ASSERT_GE(registeredFontId(), 0);
    const QFontMetricsF metrics(lineFont(20));
    const qreal cell = metrics.horizontalAdvance(QLatin1Char('0'));
    // Every byte a document can show, so that no character falls back to
    // another font, which could change a line's height and open bar lines.
    for (int byte = 0x20; byte <= 0xFF; ++byte) {
        const char16_t codePoint = korvane::Cp1252ToUnicode(static_cast<unsigned char>(byte));
        if (byte == 0x7F || (codePoint >= 0x80 && codePoint <= 0x9F))
            continue; // controls: Windows-1252 assigns no character
        SCOPED_TRACE(byte);
        EXPECT_TRUE(metrics.inFont(QChar(codePoint)));
        EXPECT_EQ(metrics.horizontalAdvance(QChar(codePoint)), cell);
    }
}

// ---------------------------------------------------------------------------
// Rendering a staff

enum class Layout { LineSpacing, PlainTextEdit };

struct RenderCase {
    Layout layout;
    int pixelSize;
};

std::string caseName(const ::testing::TestParamInfo<RenderCase>& info)
{
    return std::string(info.param.layout == Layout::LineSpacing ? "LineSpacing" : "PlainTextEdit")
        + std::to_string(info.param.pixelSize) + "px";
}

// The staff as pixels, with where its lines and cells were put.
struct RenderedStaff {
    QImage image;
    double lineTop[kLines] = {};
    double lineHeight = 0;
    double cellLeft = 0;
    double cellWidth = 0;

    int cellX(double cells) const { return int(std::lround(cellLeft + cells * cellWidth)); }
    // Ink from 0 (white) to 1 (black); outside the image counts as white.
    double ink(int x, int y) const
    {
        if (x < 0 || y < 0 || x >= image.width() || y >= image.height())
            return 0.0;
        return (255 - qGray(image.pixel(x, y))) / 255.0;
    }
};

// Lines drawn one under the other, each lineSpacing() below the previous.
RenderedStaff renderByLineSpacing(int pixelSize)
{
    const QFont font = lineFont(pixelSize);
    const QFontMetrics metrics(font);
    RenderedStaff staff;
    staff.lineHeight = metrics.lineSpacing();
    staff.cellLeft = pixelSize;
    staff.cellWidth = QFontMetricsF(font).horizontalAdvance(QChar(0xFF));
    staff.image = QImage(int(staff.cellLeft * 2 + staff.cellWidth * kCells),
                         pixelSize * 2 + metrics.lineSpacing() * kLines, QImage::Format_RGB32);
    staff.image.fill(Qt::white);
    QPainter painter(&staff.image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    int top = pixelSize;
    for (int line = 0; line < kLines; ++line) {
        staff.lineTop[line] = top;
        painter.drawText(QPoint(int(staff.cellLeft), top + metrics.ascent()),
                         decode(kStaffBytes[line]));
        top += metrics.lineSpacing();
    }
    return staff;
}

// The staff as a document in the editor's own widget, grabbed from screen.
RenderedStaff renderInPlainTextEdit(int pixelSize)
{
    const QFont font = lineFont(pixelSize);
    QPlainTextEdit editor;
    editor.setFont(font);
    QPalette palette = editor.palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    editor.setPalette(palette);
    editor.setLineWrapMode(QPlainTextEdit::NoWrap);
    editor.setCursorWidth(0);
    editor.setPlainText(
        decode(kStaffBytes[0]) + u'\n' + decode(kStaffBytes[1]) + u'\n' + decode(kStaffBytes[2]));
    editor.resize(pixelSize * 14, pixelSize * 8);
    editor.show();
    QApplication::processEvents();

    RenderedStaff staff;
    const QTextDocument* document = editor.document();
    for (int line = 0; line < kLines; ++line)
        staff.lineTop[line] = editor.cursorRect(QTextCursor(document->findBlockByNumber(line))).top();
    staff.lineHeight = staff.lineTop[1] - staff.lineTop[0];
    QTextCursor end(document->findBlockByNumber(0));
    end.movePosition(QTextCursor::EndOfBlock);
    staff.cellLeft = editor.cursorRect(QTextCursor(document->findBlockByNumber(0))).center().x();
    staff.cellWidth = (editor.cursorRect(end).center().x() - staff.cellLeft) / double(kCells);
    staff.image = editor.viewport()->grab().toImage();
    return staff;
}

// Where, along the string, the string alone is drawn (cell units): plain
// cells in the middle, and beside the bar or the dot in the other pieces.
const double kStringOnlyAt[] = {0.9, 1.5, 2.5, 3.5, 4.1, 4.9, 5.5, 6.05, 6.95, 7.5, 8.1};

class StaffRendering : public ::testing::TestWithParam<RenderCase> {
protected:
    void SetUp() override
    {
        ASSERT_GE(registeredFontId(), 0);
        const int pixelSize = GetParam().pixelSize;
        m_staff = GetParam().layout == Layout::LineSpacing ? renderByLineSpacing(pixelSize)
                                                           : renderInPlainTextEdit(pixelSize);
        m_stroke = kStroke * pixelSize;
        m_reach = int(std::ceil(m_stroke / 2)) + 2;

        // The string's row in each line: where the plain cells carry most ink.
        for (int line = 0; line < kLines; ++line) {
            double best = 0;
            const int top = int(m_staff.lineTop[line]);
            for (int y = top; y < top + int(m_staff.lineHeight); ++y) {
                double sum = 0;
                for (const int cell : kPlainStringCells)
                    sum += m_staff.ink(m_staff.cellX(cell + 0.5), y);
                if (sum > best) {
                    best = sum;
                    m_stringRow[line] = y;
                }
            }
            ASSERT_GT(best, 0.0) << "no string drawn on line " << line;
        }
        // Each bar's column: where its cell carries most ink between the
        // outer strings.
        for (int i = 0; i < 3; ++i) {
            double best = 0;
            for (int x = m_staff.cellX(kBarCells[i]); x < m_staff.cellX(kBarCells[i] + 1); ++x) {
                double sum = 0;
                for (int y = m_stringRow[0]; y <= m_stringRow[kLines - 1]; ++y)
                    sum += m_staff.ink(x, y);
                if (sum > best) {
                    best = sum;
                    m_barColumn[i] = x;
                }
            }
            ASSERT_GT(best, 0.0) << "no bar drawn in cell " << kBarCells[i];
        }
    }

    // Ink summed across the stroke at x, in a band around the string of line.
    double inkAcrossString(int line, int x) const
    {
        double sum = 0;
        for (int y = m_stringRow[line] - m_reach; y <= m_stringRow[line] + m_reach; ++y)
            sum += m_staff.ink(x, y);
        return sum;
    }
    // Ink summed across the stroke at y, in a band around the i-th bar.
    double inkAcrossBar(int i, int y) const
    {
        double sum = 0;
        for (int x = m_barColumn[i] - m_reach; x <= m_barColumn[i] + m_reach; ++x)
            sum += m_staff.ink(x, y);
        return sum;
    }
    // Largest single-pixel ink in a rectangle that must stay blank.
    double maxInk(int x0, int y0, int x1, int y1) const
    {
        double most = 0;
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x)
                most = std::max(most, m_staff.ink(x, y));
        return most;
    }

    // A seam between two pieces, however faint, shows as a place along the
    // stroke with less ink across it than everywhere else.
    void expectEvenStroke(const std::vector<double>& ink, int first, const char* axis) const
    {
        std::vector<double> sorted = ink;
        std::sort(sorted.begin(), sorted.end());
        const double typical = sorted[sorted.size() / 2];
        EXPECT_GE(typical, 0.6 * m_stroke);
        const auto weakest = std::min_element(ink.begin(), ink.end());
        EXPECT_GE(*weakest, 0.9 * typical) << "at " << axis << " " << first + (weakest - ink.begin())
                                           << ", stroke " << m_stroke << " px";
    }

    RenderedStaff m_staff;
    double m_stroke = 0;
    int m_reach = 0;
    int m_stringRow[kLines] = {};
    int m_barColumn[3] = {};
};

TEST_P(StaffRendering, StringRowsHaveNoGapsBetweenCharacters)
{
    for (int line = 0; line < kLines; ++line) {
        SCOPED_TRACE(line);
        std::vector<double> ink;
        for (int x = m_barColumn[0]; x <= m_barColumn[2]; ++x)
            ink.push_back(inkAcrossString(line, x));
        expectEvenStroke(ink, m_barColumn[0], "x");
    }
}

TEST_P(StaffRendering, BarColumnsHaveNoGapsBetweenLines)
{
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(kBarCells[i]);
        std::vector<double> ink;
        for (int y = m_stringRow[0]; y <= m_stringRow[kLines - 1]; ++y)
            ink.push_back(inkAcrossBar(i, y));
        expectEvenStroke(ink, m_stringRow[0], "y");
    }
}

// Pieces only meet edge to edge if every one draws the string at one height.
TEST_P(StaffRendering, StringLiesAtOneHeightInEveryPiece)
{
    for (int line = 0; line < kLines; ++line) {
        for (const double at : kStringOnlyAt) {
            SCOPED_TRACE(::testing::Message() << "line " << line << ", cell " << at);
            const int x = m_staff.cellX(at);
            double sum = 0, weighted = 0;
            for (int y = m_stringRow[line] - m_reach; y <= m_stringRow[line] + m_reach; ++y) {
                sum += m_staff.ink(x, y);
                weighted += m_staff.ink(x, y) * y;
            }
            ASSERT_GT(sum, 0.3 * m_stroke);
            EXPECT_NEAR(weighted / sum, m_stringRow[line], 0.5);
        }
    }
}

// Bars stop at the outer strings and strings stop at the end bars: nothing
// pokes out of the staff, and plain string cells carry no bar.
TEST_P(StaffRendering, PiecesStopAtTheStaffsEdges)
{
    const int margin = m_reach + 1;
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(kBarCells[i]);
        const int x = m_barColumn[i];
        EXPECT_LT(maxInk(x - 1, int(m_staff.lineTop[0]), x + 1, m_stringRow[0] - margin), 0.1)
            << "bar above the staff";
        EXPECT_LT(maxInk(x - 1, m_stringRow[kLines - 1] + margin, x + 1, m_staff.image.height()), 0.1)
            << "bar below the staff";
    }
    for (int line = 0; line < kLines; ++line) {
        SCOPED_TRACE(line);
        const int y = m_stringRow[line];
        EXPECT_LT(maxInk(0, y - 1, m_barColumn[0] - margin, y + 1), 0.1) << "string before the first bar";
        EXPECT_LT(maxInk(m_barColumn[2] + margin, y - 1, m_staff.image.width(), y + 1), 0.1)
            << "string after the last bar";
    }
    for (const int cell : kPlainStringCells) {
        SCOPED_TRACE(cell);
        const int x = m_staff.cellX(cell + 0.5);
        for (int line = 0; line + 1 < kLines; ++line)
            EXPECT_LT(maxInk(x - 1, m_stringRow[line] + margin, x + 1, m_stringRow[line + 1] - margin), 0.1)
                << "bar between lines " << line << " and " << line + 1;
    }
}

TEST_P(StaffRendering, DotSitsOnTheString)
{
    const double radius = kDotRadius * GetParam().pixelSize;
    const int band = int(std::ceil(2 * radius));
    const auto inkAcross = [&](int line, int x) {
        double sum = 0;
        for (int y = m_stringRow[line] - band; y <= m_stringRow[line] + band; ++y)
            sum += m_staff.ink(x, y);
        return sum;
    };
    for (int line = 0; line < kLines; ++line) {
        SCOPED_TRACE(line);
        const int dotX = m_staff.cellX(kDotCell + 0.5);
        const double dot = std::max({inkAcross(line, dotX - 1), inkAcross(line, dotX), inkAcross(line, dotX + 1)});
        const double plain = inkAcross(line, m_staff.cellX(kDotCell - 0.5));
        // Across its middle the dot is a diameter tall; the string alone is
        // much thinner than the radius.
        EXPECT_GE(dot - plain, radius);
        EXPECT_NEAR(plain, m_stroke, 0.5 * m_stroke);
    }
}

std::vector<RenderCase> renderCases()
{
    std::vector<RenderCase> cases;
    for (const Layout layout : {Layout::LineSpacing, Layout::PlainTextEdit})
        for (const int size : {9, 11, 12, 13, 16, 20, 24, 27, 32, 40})
            cases.push_back({layout, size});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Sizes, StaffRendering, ::testing::ValuesIn(renderCases()), caseName);

// ---------------------------------------------------------------------------
// Finding the font file at start-up

TEST(RegisterLineFontFrom, SkipsAnUnreadableFileAndUsesTheNextDirectory)
{
    QTemporaryDir broken, good;
    ASSERT_TRUE(broken.isValid() && good.isValid());
    const QString fileName = QString::fromUtf16(kLineFontFileName);
    QFile junk(broken.filePath(fileName));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a font");
    junk.close();
    ASSERT_TRUE(QFile::copy(QStringLiteral(KORVANE_FONT_FILE), good.filePath(fileName)));

    const QString missing = broken.filePath(QStringLiteral("nothing-here"));
    EXPECT_EQ(RegisterLineFontFrom({missing, broken.path(), good.path()}),
              good.filePath(fileName));
    EXPECT_TRUE(QFontDatabase::families().contains(kFamily));
}

TEST(RegisterLineFontFrom, ReportsNothingWhenNoDirectoryHoldsTheFont)
{
    QTemporaryDir empty;
    ASSERT_TRUE(empty.isValid());
    EXPECT_EQ(RegisterLineFontFrom({empty.path()}), QString());
}

} // namespace

int main(int argc, char** argv)
{
    // The tests draw off screen; CTest sets this too, but test discovery and
    // a run by hand go through here as well.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
