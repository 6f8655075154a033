// The 60,000-line document of the music benchmarks: staffs as they come in
// collections, in the editor's form.
#pragma once

#include "timing.h"

#include <string>

namespace korvane::bench {

// Staffs as they come in collections: chord names, a count line, techniques,
// repeats and a repeat count, lyrics in between.
inline std::string MuziekDocument(int lines)
{
    static const char* const block[] = {
        "Capo 2",
        "  C                 G                 Am                F",
        "   |   |   |   |     |   |   |   |     |   |   |   |     |   |   |   |  ",
        "e||*-------------|-----0-----------|-----------------|-----5h7p5----*||  x2",
        "B||*----1--------|---------1-------|-----3-----------|---(6)--------*||",
        "G||-------2------|-------2---------|---------2-------|-----7b9r7-----||",
        "D||-----2--------|-----------2-----|-----0-----------|---<12>--------||",
        "A||---3----------|---0-------------|-----------------|-----x-x-------||",
        "E||--------------|-----------------|---3=======------|-----0/5\\3-----||",
        "Over de heuvels gaat de weg, en ik zing een lied voor jou",
        "",
    };
    return Herhaal(block, lines);
}

} // namespace korvane::bench
