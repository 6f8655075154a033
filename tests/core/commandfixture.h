// A document as the window holds one, for the staff-command tests: the
// in-memory buffer with the change notification installed, recording
// dialogs, and the tab state.
#pragma once

#include "core/analysis.h"
#include "core/memoryeditor.h"
#include "core/tabstate.h"

#include "contract/recordingdialogs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace korvane::test {

struct CommandFixture {
    MemoryEditor ed;
    RecordingDialogs dialogs;
    TabState state;
    TabContext ctx{ed, dialogs, state};

    CommandFixture()
    {
        ed.SetChangeHandler([this] { DocumentVeranderd(ctx); });
    }

    // Lines joined with CR LF and loaded, then analysed, as a load does.
    void Load(const std::vector<std::string>& lines, bool finalBreak = true)
    {
        std::string text;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (i > 0)
                text += "\r\n";
            text += lines[i];
        }
        if (finalBreak && !lines.empty())
            text += "\r\n";
        ed.SetText(text);
        analyze(ed, state.analyse);
    }

    std::vector<std::string> Lines() const
    {
        std::vector<std::string> out;
        for (int i = 0; i < ed.LineCount(); ++i)
            out.push_back(ed.GetLine(i));
        return out;
    }

    void Caret(int line, int column) { ed.SetCaret(ed.LineStart(line) + column); }

    int CaretLine() const { return ed.LineFromOffset(ed.CaretOffset()); }
    int CaretColumn() const { return ed.CaretOffset() - ed.LineStart(CaretLine()); }
};

// Repeats `body` after a one-character label, once per label.
inline std::vector<std::string> Staff(const std::string& labels, const std::string& body)
{
    std::vector<std::string> out;
    for (char l : labels)
        out.push_back(std::string(1, l) + body);
    return out;
}

inline std::vector<std::string> Concat(std::initializer_list<std::vector<std::string>> parts)
{
    std::vector<std::string> out;
    for (const auto& p : parts)
        out.insert(out.end(), p.begin(), p.end());
    return out;
}

} // namespace korvane::test
