// The editor contract on the in-memory buffer.
#include "contract/editor_contract.h"

#include "core/memoryeditor.h"

#include <memory>

namespace korvane::test {
namespace {

struct MemoryFixture {
    std::unique_ptr<MemoryEditor> editor;
    EditorOps& Make(std::u32string_view text)
    {
        editor = std::make_unique<MemoryEditor>(text);
        return *editor;
    }
    void Type(std::u32string_view text) { editor->Type(text); }
};

using Implementations = ::testing::Types<MemoryFixture>;
INSTANTIATE_TYPED_TEST_SUITE_P(Memory, EditorContract, Implementations);

TEST(MemoryEditor, LoadsEveryLineBreakStyleAsOneBreak)
{
    MemoryEditor ed(U"a\nb\rc\r\nd");
    EXPECT_EQ(ed.LineCount(), 4);
    EXPECT_EQ(ed.Text(), U"a\r\nb\r\nc\r\nd");
}

TEST(MemoryEditor, LengthAndLineStartsStayRightThroughMixedEdits)
{
    MemoryEditor ed(U"E|-----|\r\nB|-----|\r\nlyrics\r\n");
    const char32_t* inserts[] = {U"x", U"\r\n", U"ab\r\ncd\r\n", U"", U"\n"};
    for (int step = 0; step < 40; ++step) {
        const int len = ed.TextLength();
        ed.SetCaret((step * 7) % (len + 1));
        ed.SetSelectionLength(step % 3);
        if (step % 4 == 3)
            ed.PutLine(ed.LineFromOffset(ed.CaretOffset()), U"put");
        else
            ed.ReplaceSelection(inserts[step % 5]);
        const std::u32string text = ed.Text();
        ASSERT_EQ(ed.TextLength(), static_cast<int>(text.size())) << "step " << step;
        int offset = 0;
        for (int i = 0; i < ed.LineCount(); ++i) {
            ASSERT_EQ(ed.LineStart(i), offset) << "step " << step << " line " << i;
            ASSERT_EQ(ed.LineFromOffset(offset), i);
            offset += static_cast<int>(ed.GetLine(i).size()) + 2;
        }
    }
}

} // namespace
} // namespace korvane::test
