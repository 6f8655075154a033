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

} // namespace
} // namespace korvane::test
