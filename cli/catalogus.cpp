#include "cli/catalogus.h"

#include "core/vertaling.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace korvane {

extern const CatalogusRij kCatalogusEn[];
extern const std::size_t kCatalogusEnAantal;

namespace {

std::string Engels(const char* context, const char* tekst)
{
    const CatalogusRij* begin = kCatalogusEn;
    const CatalogusRij* eind = kCatalogusEn + kCatalogusEnAantal;
    const auto sleutel = [](const CatalogusRij& r) {
        return std::pair<std::string_view, std::string_view>(r.context, r.bron);
    };
    const std::pair<std::string_view, std::string_view> gezocht(context, tekst);
    const CatalogusRij* r = std::lower_bound(
        begin, eind, gezocht, [&](const CatalogusRij& a, const auto& b) { return sleutel(a) < b; });
    if (r != eind && sleutel(*r) == gezocht)
        return r->vertaling;
    return tekst;
}

} // namespace

std::string TaalVanOmgeving()
{
    std::string_view locale;
    for (const char* naam : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* waarde = std::getenv(naam);
        if (waarde && *waarde) {
            locale = waarde;
            break;
        }
    }
    const std::string_view taal = locale.substr(0, locale.find_first_of("_.@"));
    if (taal.empty() || taal == "C" || taal == "POSIX" || taal == "nl")
        return "nl";
    return "en";
}

namespace {
std::string& Huidige()
{
    static std::string taal = "nl";
    return taal;
}
} // namespace

void InstalleerCliTaal(const std::string& code)
{
    Huidige() = code == "en" ? "en" : "nl";
    ZetVertaler(code == "en" ? &Engels : nullptr);
}

const std::string& HuidigeCliTaal()
{
    return Huidige();
}

} // namespace korvane
