// The editor contract on the widget, plus what only the widget can get wrong.
#include "contract/editor_contract.h"

#include "files/textcodec.h"
#include "ui/qteditor.h"

#include <QPlainTextEdit>
#include <QTextCursor>

#include <memory>

namespace korvane::test {
namespace {

struct QtFixture {
    std::unique_ptr<QPlainTextEdit> widget;
    QtEditor* editor = nullptr;
    EditorOps& Make(std::u32string_view text)
    {
        widget = std::make_unique<QPlainTextEdit>();
        widget->setPlainText(QTekst(text));
        editor = new QtEditor(widget.get());
        editor->ClearUndo();
        return *editor;
    }
    void Type(std::u32string_view text)
    {
        // The widget's own insertion, as a key press makes it.
        widget->insertPlainText(QTekst(text));
    }
};

using Implementations = ::testing::Types<QtFixture>;
INSTANTIATE_TYPED_TEST_SUITE_P(Widget, EditorContract, Implementations);

TEST(QtEditor, UndoAfterACommandNeverReplaysOldTypingOntoNewText)
{
    QPlainTextEdit widget;
    widget.setPlainText(QStringLiteral("E|-----|\nB|-----|"));
    QtEditor ed(&widget);
    ed.SetCaret(3);
    widget.insertPlainText(QStringLiteral("5"));
    ed.PutLine(1, U"B|--|--|");
    widget.undo();
    EXPECT_EQ(ed.Text(), U"E|-5----|\r\nB|--|--|");
}

TEST(QtEditor, ReplacingManyOccurrencesKeepsEachOneItsOwnFormatInRichText)
{
    // Bold: the first "-" of line 0, "d-" of line 1 and "G" of line 2.
    QPlainTextEdit widget;
    widget.setPlainText(QStringLiteral("a-b-c\nd-e-f\nG-h-i"));
    QTextCharFormat vet;
    vet.setFontWeight(QFont::Bold);
    for (const auto [van, tot] : {std::pair{1, 2}, std::pair{6, 8}, std::pair{12, 13}}) {
        QTextCursor c(widget.document());
        c.setPosition(van);
        c.setPosition(tot, QTextCursor::KeepAnchor);
        c.mergeCharFormat(vet);
    }
    QtEditor ed(&widget);
    ed.ReplaceEach({1, 3, 8, 10, 15, 17}, 1, U"=");
    EXPECT_EQ(ed.Text(), U"a=b=c\r\nd=e=f\r\nG=h=i");
    std::string vetjes;
    for (int positie = 0; positie < widget.document()->characterCount() - 1; ++positie) {
        QTextCursor k(widget.document());
        k.setPosition(positie + 1);
        vetjes += widget.document()->characterAt(positie) == QChar::ParagraphSeparator ? '/'
                  : k.charFormat().fontWeight() == QFont::Bold                         ? 'V'
                                                                                        : '.';
    }
    EXPECT_EQ(vetjes, ".V.../VV.../V....");
}

TEST(QtEditor, CodecKeepsTheFiveUndefinedBytes)
{
    for (unsigned char b : {0x81, 0x8D, 0x8F, 0x90, 0x9D, 0x80, 0xFF}) {
        const std::string s(1, static_cast<char>(b));
        EXPECT_EQ(QStringToBytes(BytesToQString(s)), s) << int(b);
    }
    EXPECT_EQ(BytesToQString("\x80").at(0).unicode(), 0x20AC);
}

} // namespace
} // namespace korvane::test
