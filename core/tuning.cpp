// Tunings and the tuning list.
#include "core/tuning.h"
#include "core/vertaling.h"

#include "core/cp1252.h"
#include "core/utf8.h"

#include <algorithm>

namespace korvane {
namespace {

bool IsAccidental(char32_t c)
{
    return c == '#' || c == 'b';
}

char32_t Lower(char32_t c)
{
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return c + 32;
    return c;
}

bool LessIgnoringCase(const std::u32string& a, const std::u32string& b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char32_t x, char32_t y) { return Lower(x) < Lower(y); });
}

} // namespace

void BerekenStemming(std::u32string_view t, Stemming& s)
{
    s.aantalsnaren = 0;
    s.kruisofmol = false;
    const int n = static_cast<int>(t.size());
    if (n == 0)
        return;
    const int last = std::min(n - 1, 19);
    if (t.find_first_of(U"#b") != std::u32string_view::npos)
        s.kruisofmol = true;
    int i = 0;
    do {
        std::u32string label(1, t[i]);
        if (i + 1 < n && IsAccidental(t[i + 1])) {
            label += t[i + 1];
            ++i;
        }
        s.snaarnamen[s.aantalsnaren] = std::move(label);
        ++s.aantalsnaren;
        ++i;
    } while (i <= last);
}

int StemmingLijst::Add(std::u32string item)
{
    const auto it = std::upper_bound(m_items.begin(), m_items.end(), item, LessIgnoringCase);
    const int index = static_cast<int>(it - m_items.begin());
    m_items.insert(it, std::move(item));
    return index;
}

void StemmingLijst::Delete(int index)
{
    if (index >= 0 && index < Count())
        m_items.erase(m_items.begin() + index);
}

std::vector<std::u32string> LeesSnaren(std::string_view bytes)
{
    const std::size_t nul = bytes.find('\0');
    if (nul != std::string_view::npos)
        bytes = bytes.substr(0, nul);
    std::u32string tekst;
    if (std::optional<std::u32string> utf8 = VanUtf8Exact(bytes)) {
        tekst = std::move(*utf8);
    } else {
        for (const char b : bytes)
            tekst += Cp1252ToUnicode(static_cast<unsigned char>(b));
    }
    std::vector<std::u32string> lines;
    std::u32string current;
    bool open = false;
    for (std::size_t i = 0; i < tekst.size(); ++i) {
        const char32_t c = tekst[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < tekst.size() && tekst[i + 1] == '\n')
                ++i;
            lines.push_back(std::move(current));
            current.clear();
            open = false;
        } else {
            current += c;
            open = true;
        }
    }
    if (open)
        lines.push_back(std::move(current));
    return lines;
}

std::string SchrijfSnaren(const StemmingLijst& lijst)
{
    std::u32string tekst;
    for (const auto& item : lijst.Items()) {
        tekst += item;
        tekst += U"\r\n";
    }
    std::string out;
    out.reserve(tekst.size());
    for (const char32_t c : tekst) {
        const int byte = c <= 0xFFFF ? UnicodeToCp1252(static_cast<char16_t>(c)) : -1;
        if (byte < 0)
            return Utf8(tekst);
        out += static_cast<char>(byte);
    }
    return out;
}

void VulStemmingLijst(StemmingLijst& lijst, const std::vector<std::u32string>* bestand)
{
    lijst.Clear();
    if (!bestand) {
        for (std::u32string_view s : gangbareStemmingen)
            lijst.Add(std::u32string(s));
        return;
    }
    for (const auto& item : *bestand)
        lijst.Add(item);
}

int PlusButtonClick(StemmingLijst& lijst, const std::u32string& tekst, Dialogs& dialogs)
{
    bool gevonden = false;
    for (const auto& item : lijst.Items()) {
        if (item == tekst) {
            dialogs.Beep(Sound::Exclamation);
            dialogs.Message(Invul(Vertaal("Melding", "%1 komt al voor in de lijst"), {Utf8(tekst)}));
            gevonden = true;
        }
    }
    if (gevonden)
        return -1;
    return lijst.Add(tekst);
}

int MinbuttonClick(StemmingLijst& lijst, const std::u32string& tekst, int geselecteerd, Dialogs& dialogs)
{
    dialogs.Beep(Sound::Question);
    if (tekst == standaardStemming) {
        dialogs.Beep(Sound::Exclamation);
        dialogs.Message(Vertaal("Melding", "Standaard stemming (EADGBE) kan niet worden gewist."));
        return -1;
    }
    if (!dialogs.Confirm(Invul(Vertaal("Melding", "%1 wissen ?"), {Utf8(tekst)})))
        return -1;
    if (geselecteerd < 0 || geselecteerd >= lijst.Count())
        return -1;
    lijst.Delete(geselecteerd);
    return geselecteerd;
}

bool savelistbuttonClick(Dialogs& dialogs)
{
    dialogs.Beep(Sound::Question);
    return dialogs.Confirm(Vertaal("Melding", "Lijst met stemmingen opslaan ?"));
}

} // namespace korvane
