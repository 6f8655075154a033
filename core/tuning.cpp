// Tunings and the tuning list.
#include "core/tuning.h"

#include "core/cp1252.h"

#include <algorithm>

namespace korvane {
namespace {

bool IsAccidental(char c)
{
    return c == '#' || c == 'b';
}

unsigned char Lower(unsigned char c)
{
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return static_cast<unsigned char>(c + 32);
    return c;
}

bool LessIgnoringCase(const std::string& a, const std::string& b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return Lower(static_cast<unsigned char>(x)) < Lower(static_cast<unsigned char>(y));
    });
}

} // namespace

void BerekenStemming(std::string_view t, Stemming& s)
{
    s.aantalsnaren = 0;
    s.kruisofmol = false;
    const int n = static_cast<int>(t.size());
    if (n == 0)
        return;
    const int last = std::min(n - 1, 19);
    if (t.find_first_of("#b") != std::string_view::npos)
        s.kruisofmol = true;
    int i = 0;
    do {
        std::string label(1, t[i]);
        if (i + 1 < n && IsAccidental(t[i + 1])) {
            label += t[i + 1];
            ++i;
        }
        s.snaarnamen[s.aantalsnaren] = std::move(label);
        ++s.aantalsnaren;
        ++i;
    } while (i <= last);
}

int StemmingLijst::Add(std::string item)
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

std::vector<std::string> LeesSnaren(std::string_view bytes)
{
    const std::size_t nul = bytes.find('\0');
    if (nul != std::string_view::npos)
        bytes = bytes.substr(0, nul);
    std::vector<std::string> lines;
    std::string current;
    bool open = false;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
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
    std::string out;
    for (const auto& item : lijst.Items()) {
        out += item;
        out += "\r\n";
    }
    return out;
}

void VulStemmingLijst(StemmingLijst& lijst, const std::vector<std::string>* bestand)
{
    lijst.Clear();
    if (!bestand) {
        for (std::string_view s : gangbareStemmingen)
            lijst.Add(std::string(s));
        return;
    }
    for (const auto& item : *bestand)
        lijst.Add(item);
}

int PlusButtonClick(StemmingLijst& lijst, const std::string& tekst, Dialogs& dialogs)
{
    bool gevonden = false;
    for (const auto& item : lijst.Items()) {
        if (item == tekst) {
            dialogs.Beep(Sound::Exclamation);
            dialogs.Message(Cp1252ToUtf8(tekst) + " komt al voor in de lijst");
            gevonden = true;
        }
    }
    if (gevonden)
        return -1;
    return lijst.Add(tekst);
}

int MinbuttonClick(StemmingLijst& lijst, const std::string& tekst, int geselecteerd, Dialogs& dialogs)
{
    dialogs.Beep(Sound::Question);
    if (tekst == standaardStemming) {
        dialogs.Beep(Sound::Exclamation);
        dialogs.Message("Standaard stemming (EADGBE) kan niet worden gewist.");
        return -1;
    }
    if (!dialogs.Confirm(Cp1252ToUtf8(tekst) + " wissen ?"))
        return -1;
    if (geselecteerd < 0 || geselecteerd >= lijst.Count())
        return -1;
    lijst.Delete(geselecteerd);
    return geselecteerd;
}

bool savelistbuttonClick(Dialogs& dialogs)
{
    dialogs.Beep(Sound::Question);
    return dialogs.Confirm("Lijst met stemmingen opslaan ?");
}

} // namespace korvane
