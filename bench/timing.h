// A small timing helper for the benchmarks: the median of several runs, so a
// busy second core does not decide the figure.
#pragma once

#include <algorithm>
#include <chrono>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace korvane::bench {

inline double MedianMs(int runs, const std::function<void()>& setup, const std::function<void()>& work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        if (setup)
            setup();
        const auto start = std::chrono::steady_clock::now();
        work();
        const auto end = std::chrono::steady_clock::now();
        times.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// `lines` lines of `block` over and over, each ending in CR LF.
inline std::string Herhaal(std::span<const char* const> block, int lines)
{
    std::string out;
    for (int i = 0; i < lines; ++i) {
        out += block[static_cast<std::size_t>(i) % block.size()];
        out += "\r\n";
    }
    return out;
}

// A document of staffs with count lines, lyrics and titles, `lines` long.
inline std::string TabDocument(int lines);

// The same as the characters an editor holds.
inline std::u32string TabTekens(int lines)
{
    const std::string bytes = TabDocument(lines);
    return std::u32string(bytes.begin(), bytes.end());
}

inline std::string TabDocument(int lines)
{
    static const char* const block[] = {
        "Verse",
        "   |   |   |   |     |   |   |   |     |   |   |   |     |   |   |   |  ",
        "e|-----------------|-----0-----------|-----------------|-----------------|",
        "B|-----1-----------|---------1-------|-----3-----------|-----------------|",
        "G|---------2-------|-------2---------|---------2-------|-----------------|",
        "D|-------2---------|-----------2-----|-----0-----------|-----------------|",
        "A|---3-------------|---0-------------|-----------------|-----------------|",
        "E|-----------------|-----------------|---3-------------|-----------------|",
        "Over de heuvels gaat de weg, en ik zing een lied voor jou",
        "",
    };
    return Herhaal(block, lines);
}

} // namespace korvane::bench
