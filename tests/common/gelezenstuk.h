// A document read as the export reads it: the model of its staffs (EADGBE
// for staffs without labels) and their times, for the tests of what is
// written or played from them.
#pragma once

#include "core/memoryeditor.h"
#include "core/utf8.h"
#include "music/editorbron.h"

#include <string>

namespace korvane::test {

struct GelezenStuk {
    explicit GelezenStuk(const std::string& document, double tempo = 100)
        : editor(VanUtf8(document)), stuk(Lees(editor)), regels(editor),
          tijden(BerekenTijden(stuk, regels.Regels(), {tempo}))
    {
    }

    MemoryEditor editor;
    Muziekstuk stuk;
    Tekstregels regels;
    Tijdlijn tijden;

private:
    static Muziekstuk Lees(const MemoryEditor& editor)
    {
        TabAnalyse analyse;
        analyze(editor, analyse);
        Stemming stemming;
        BerekenStemming(U"EADGBE", stemming);
        return LeesMuziek(editor, analyse, stemming);
    }
};

} // namespace korvane::test
