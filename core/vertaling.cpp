// Translation hook and placeholder filling for core's messages.
#include "core/vertaling.h"

#include <string_view>

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

std::optional<std::string> NeemTaalOptie(int& argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg(argv[i]);
        std::string_view code;
        int weg = 0;
        if (arg == "--lang") {
            code = i + 1 < argc ? std::string_view(argv[i + 1]) : std::string_view();
            weg = i + 1 < argc ? 2 : 1;
        } else if (arg.starts_with("--lang=")) {
            code = arg.substr(7);
            weg = 1;
        } else {
            continue;
        }
        const std::string gekozen(code);
        for (int j = i; j + weg <= argc; ++j)
            argv[j] = argv[j + weg];
        argc -= weg;
        if (gekozen == "nl" || gekozen == "en")
            return gekozen;
        return std::string();
    }
    return std::nullopt;
}

} // namespace korvane
