// Translation hook and placeholder filling for core's messages.
#include "core/vertaling.h"

namespace korvane {

namespace {
Vertaler& huidige()
{
    static Vertaler v = nullptr;
    return v;
}
} // namespace

void ZetVertaler(Vertaler vertaler)
{
    huidige() = vertaler;
}

std::string Vertaal(const char* context, const char* tekst)
{
    return huidige() ? huidige()(context, tekst) : std::string(tekst);
}

std::string Invul(std::string_view patroon, std::initializer_list<std::string_view> args)
{
    std::string uit;
    uit.reserve(patroon.size());
    for (std::size_t i = 0; i < patroon.size(); ++i) {
        const char c = patroon[i];
        if (c == '%' && i + 1 < patroon.size() && patroon[i + 1] >= '1' && patroon[i + 1] <= '9') {
            const std::size_t n = static_cast<std::size_t>(patroon[i + 1] - '1');
            if (n < args.size()) {
                uit += *(args.begin() + n);
                ++i;
                continue;
            }
        }
        uit += c;
    }
    return uit;
}

} // namespace korvane
