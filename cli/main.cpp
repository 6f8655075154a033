// korvane-cli: the window's tab commands in batch over the in-memory buffer,
// for tidying a collection of tab files and for black-box tests. The steps
// run the same core functions as the window's handlers, with the same change
// notification, so the analysis goes stale and fresh exactly as it does there.
#include "core/block.h"
#include "core/columns.h"
#include "core/cp1252.h"
#include "core/fullpage.h"
#include "core/linefont.h"
#include "core/memoryeditor.h"
#include "core/staff.h"
#include "core/tabstate.h"
#include "core/tidy.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using namespace korvane;

namespace {

const char* const gebruik = R"(Gebruik: korvane-cli BESTAND [-o UIT | -i] [--state] STAP...

Leest BESTAND (- = standaardinvoer) als bytes, voert de stappen in volgorde
uit en schrijft het resultaat naar UIT, met -i terug naar BESTAND (via een
tijdelijk bestand dat eroverheen wordt hernoemd), of anders naar de
standaarduitvoer. Regeleinden mogen CR LF, LF of een losse CR zijn; het
resultaat krijgt de stijl van het eerste regeleinde in het bestand (CR LF als
het er geen heeft). Alle andere bytes blijven zoals ze zijn.

Stappen:
  caret=R,K           caret op regel R, kolom K (beide vanaf 0)
  select=R1,K1,R2,K2  selectie tussen twee punten, in willekeurige volgorde
  type=TEKST          vervangt de selectie zoals typen doet; \n is een
                      regeleinde, \\ een backslash (TEKST in UTF-8)
  tuning=TEKST        de stemming (standaard EADGBE)
  width=N             de tabbreedte, 20 tot en met 90 (standaard 80)
  time=off|3/4|4/4|6/8|12/8
                      maatsoorten uit, of aan met die maatsoort
  staff               lege tabbalk invoegen
  bar | space | repeat-begin | repeat-end
                      maatstreep, spatie, begin- of eindherhaling op de
                      caretkolom van de tabbalk onder de caret
  tuning-column | line-ends | left-align
                      stemming invoegen, regeleindes, links uitlijnen
  vcopy | vcut | vpaste
                      verticaal kopieren, knippen en plakken
  undo                ongedaan maken (eigen undo van het typen, anders de
                      regelmomentopname van de laatste kolomopdracht)
  lines               doorlopende tablijnen (alsof het Korvane-font actief is)
  ascii               kvn formaat naar Ascii
  full-page           hele pagina tab (vervangt het document zonder vraag:
                      het resultaat wordt toch pas aan het eind geschreven)
  analyze             tabanalyse opnieuw uitvoeren

Meldingen die het venster zou tonen gaan naar standaardfout als
"korvane: TEKST"; vragen worden met ja beantwoord. Stappen die in het venster
uitgeschakeld zouden zijn (vcopy en vcut zonder selectie, vpaste voordat iets
verticaal gekopieerd is) doen niets. Met --state is de laatste regel op
standaardfout:
  caret=OFFSET line=R column=K selection=N staffs=B modified=0|1

Afsluitcode 0 bij succes; 2 met een reden van een regel bij een ongeldige
stap, een onleesbaar BESTAND of een onschrijfbaar UIT; dan wordt niets
geschreven.
)";

// A reason for exit status 2.
struct Fout {
    std::string reden;
};

class CliDialogs : public Dialogs {
public:
    void Beep(Sound) override {}
    void Message(const std::string& text) override { Toon(text); }
    Answer Ask(DialogKind, const std::string& text, Buttons buttons) override
    {
        Toon(text);
        return buttons == Buttons::Ok || buttons == Buttons::OkCancel ? Answer::Ok : Answer::Yes;
    }

private:
    static void Toon(const std::string& text)
    {
        std::string regel = text;
        for (std::size_t p; (p = regel.find("\r\n")) != std::string::npos;)
            regel.replace(p, 2, "\n");
        std::cerr << "korvane: " << regel << '\n';
    }
};

enum class Soort {
    Caret, Select, Type, Tuning, Width, Time, Staff, Bar, Space, RepeatBegin, RepeatEnd,
    TuningColumn, LineEnds, LeftAlign, VCopy, VCut, VPaste, Undo, Lines, Ascii, FullPage, Analyze,
};

struct Stap {
    Soort soort;
    std::string tekst; // as given, for messages
    std::vector<int> getallen;
    std::string waarde; // Windows-1252 bytes of TEXT arguments
    bool maatsoorten = false;
    int maatsoort = 1;
};

std::optional<int> Getal(std::string_view s)
{
    int v = 0;
    const auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || p != s.data() + s.size() || v < 0 || s.empty())
        return std::nullopt;
    return v;
}

std::vector<int> Getallen(std::string_view s, std::size_t aantal, const std::string& stap)
{
    std::vector<int> uit;
    std::size_t begin = 0;
    while (true) {
        const std::size_t komma = s.find(',', begin);
        const auto deel = s.substr(begin, komma == std::string_view::npos ? std::string_view::npos : komma - begin);
        const auto v = Getal(deel);
        if (!v)
            throw Fout{"ongeldige stap '" + stap + "': verwacht " + std::to_string(aantal)
                       + " getallen van 0 of meer, gescheiden door komma's"};
        uit.push_back(*v);
        if (komma == std::string_view::npos)
            break;
        begin = komma + 1;
    }
    if (uit.size() != aantal)
        throw Fout{"ongeldige stap '" + stap + "': verwacht " + std::to_string(aantal) + " getallen"};
    return uit;
}

// UTF-8 from the command line to the document's Windows-1252 bytes.
std::string NaarCp1252(std::string_view s, const std::string& stap)
{
    std::string uit;
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        char32_t c;
        std::size_t n;
        if (b < 0x80) {
            c = b;
            n = 1;
        } else if ((b & 0xE0) == 0xC0) {
            c = b & 0x1F;
            n = 2;
        } else if ((b & 0xF0) == 0xE0) {
            c = b & 0x0F;
            n = 3;
        } else {
            throw Fout{"ongeldige stap '" + stap + "': tekst is geen geldige UTF-8"};
        }
        if (i + n > s.size())
            throw Fout{"ongeldige stap '" + stap + "': tekst is geen geldige UTF-8"};
        for (std::size_t k = 1; k < n; ++k) {
            const auto v = static_cast<unsigned char>(s[i + k]);
            if ((v & 0xC0) != 0x80)
                throw Fout{"ongeldige stap '" + stap + "': tekst is geen geldige UTF-8"};
            c = (c << 6) | (v & 0x3F);
        }
        const int byte = UnicodeToCp1252(static_cast<char16_t>(c));
        if (byte < 0)
            throw Fout{"ongeldige stap '" + stap + "': teken buiten Windows-1252"};
        uit += static_cast<char>(byte);
        i += n;
    }
    return uit;
}

std::string Ontsnap(std::string_view s)
{
    std::string uit;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 1 < s.size() && s[i + 1] == 'n') {
            uit += crlf;
            ++i;
        } else if (s[i] == '\\' && i + 1 < s.size() && s[i + 1] == '\\') {
            uit += '\\';
            ++i;
        } else {
            uit += s[i];
        }
    }
    return uit;
}

Stap LeesStap(const std::string& arg)
{
    const std::size_t is = arg.find('=');
    const std::string naam = arg.substr(0, is);
    const std::string_view waarde = is == std::string::npos ? std::string_view() : std::string_view(arg).substr(is + 1);
    Stap stap{Soort::Analyze, arg, {}, {}};

    struct Kaal {
        const char* naam;
        Soort soort;
    };
    static const Kaal kale[] = {
        {"staff", Soort::Staff}, {"bar", Soort::Bar}, {"space", Soort::Space},
        {"repeat-begin", Soort::RepeatBegin}, {"repeat-end", Soort::RepeatEnd},
        {"tuning-column", Soort::TuningColumn}, {"line-ends", Soort::LineEnds},
        {"left-align", Soort::LeftAlign}, {"vcopy", Soort::VCopy}, {"vcut", Soort::VCut},
        {"vpaste", Soort::VPaste}, {"undo", Soort::Undo}, {"lines", Soort::Lines},
        {"ascii", Soort::Ascii}, {"full-page", Soort::FullPage}, {"analyze", Soort::Analyze},
    };
    for (const Kaal& k : kale) {
        if (naam == k.naam) {
            if (is != std::string::npos)
                throw Fout{"ongeldige stap '" + arg + "': " + naam + " heeft geen waarde"};
            stap.soort = k.soort;
            return stap;
        }
    }
    if (is == std::string::npos)
        throw Fout{"onbekende stap '" + arg + "' (zie --help)"};
    if (naam == "caret") {
        stap.soort = Soort::Caret;
        stap.getallen = Getallen(waarde, 2, arg);
    } else if (naam == "select") {
        stap.soort = Soort::Select;
        stap.getallen = Getallen(waarde, 4, arg);
    } else if (naam == "type") {
        stap.soort = Soort::Type;
        stap.waarde = NaarCp1252(Ontsnap(waarde), arg);
    } else if (naam == "tuning") {
        stap.soort = Soort::Tuning;
        stap.waarde = NaarCp1252(waarde, arg);
    } else if (naam == "width") {
        stap.soort = Soort::Width;
        const auto v = Getal(waarde);
        if (!v || *v < 20 || *v > 90)
            throw Fout{"ongeldige stap '" + arg + "': de tabbreedte is een getal van 20 tot en met 90"};
        stap.getallen = {*v};
    } else if (naam == "time") {
        stap.soort = Soort::Time;
        static const char* const maten[] = {"3/4", "4/4", "6/8", "12/8"};
        if (waarde == "off") {
            stap.maatsoorten = false;
        } else {
            stap.maatsoort = -1;
            for (int i = 0; i < aantalMaatsoorten; ++i)
                if (waarde == maten[i])
                    stap.maatsoort = i;
            if (stap.maatsoort < 0)
                throw Fout{"ongeldige stap '" + arg + "': kies off, 3/4, 4/4, 6/8 of 12/8"};
            stap.maatsoorten = true;
        }
    } else {
        throw Fout{"onbekende stap '" + arg + "' (zie --help)"};
    }
    return stap;
}

// The offset of line l, column c, both within the control's lines.
int Offset(const MemoryEditor& ed, int l, int c, const std::string& stap)
{
    const int regels = static_cast<int>(ed.Lines().size());
    if (l >= regels)
        throw Fout{"ongeldige stap '" + stap + "': regel " + std::to_string(l) + " bestaat niet (het document heeft "
                   + std::to_string(regels) + " regels)"};
    const int lengte = static_cast<int>(ed.Lines()[l].size());
    if (c > lengte)
        throw Fout{"ongeldige stap '" + stap + "': kolom " + std::to_string(c) + " ligt voorbij het einde van regel "
                   + std::to_string(l) + " (" + std::to_string(lengte) + " tekens)"};
    return ed.LineStart(l) + c;
}

struct Document {
    MemoryEditor editor;
    CliDialogs dialogs;
    TabState state;
    TabContext ctx{editor, dialogs, state};
    bool tablijnenOmgezet = false;
    bool plakkenMogelijk = false;
};

void New1Click(Document& d)
{
    d.editor.SetText("");
    DocumentVervangen(d.state);
    d.editor.SetModified(false);
    d.editor.ClearUndo();
    d.tablijnenOmgezet = false;
}

void Voer(Document& d, const Stap& stap)
{
    MemoryEditor& ed = d.editor;
    TabContext& ctx = d.ctx;
    switch (stap.soort) {
    case Soort::Caret:
        ed.SetCaret(Offset(ed, stap.getallen[0], stap.getallen[1], stap.tekst));
        break;
    case Soort::Select: {
        const int a = Offset(ed, stap.getallen[0], stap.getallen[1], stap.tekst);
        const int b = Offset(ed, stap.getallen[2], stap.getallen[3], stap.tekst);
        ed.SetCaret(std::min(a, b));
        ed.SetSelectionLength(std::max(a, b) - std::min(a, b));
        break;
    }
    case Soort::Type:
        ed.Type(stap.waarde);
        break;
    case Soort::Tuning:
        d.state.instellingen.stemming = stap.waarde;
        break;
    case Soort::Width:
        d.state.instellingen.tabbreedte = stap.getallen[0];
        break;
    case Soort::Time:
        d.state.instellingen.maatsoorten = stap.maatsoorten;
        if (stap.maatsoorten)
            d.state.instellingen.maatsoort = stap.maatsoort;
        break;
    case Soort::Staff:
        inserttab(ctx);
        break;
    case Soort::Bar:
        Maatstreepinvoegen1Click(ctx);
        break;
    case Soort::Space:
        Spatieinvoegen1Click(ctx);
        break;
    case Soort::RepeatBegin:
        Beginherhalinginvoegen1Click(ctx);
        break;
    case Soort::RepeatEnd:
        Eindherhalinginvoegen1Click(ctx);
        break;
    case Soort::TuningColumn:
        Stemmimg1Click(ctx);
        break;
    case Soort::LineEnds:
        endclosebuttonClick(ctx);
        break;
    case Soort::LeftAlign:
        LinksUitlijnen1Click(ctx);
        break;
    case Soort::VCopy:
    case Soort::VCut:
        // The window enables these only while something is selected.
        if (ed.SelectionLength() > 0) {
            const bool gelukt = stap.soort == Soort::VCut ? VerticaalKnippen1Click(ctx) : VerticaalKopiren1Click(ctx);
            d.plakkenMogelijk = d.plakkenMogelijk || gelukt;
        }
        break;
    case Soort::VPaste:
        if (d.plakkenMogelijk)
            Verticaalplakken1Click(ctx);
        break;
    case Soort::Undo:
        Herstel(ed, d.state.snapshot);
        break;
    case Soort::Lines:
        doorlopendelijnenClick(ctx, true, d.tablijnenOmgezet);
        break;
    case Soort::Ascii:
        KorvaneformaatnaarAscii1Click(ctx, d.tablijnenOmgezet);
        break;
    case Soort::FullPage:
        FullPageButtonClick(ctx, true, d.tablijnenOmgezet, [] { return true; }, [&d] { New1Click(d); });
        break;
    case Soort::Analyze:
        analyze(ed, d.state.analyse);
        break;
    }
}

std::string LeesAlles(const std::string& pad)
{
    if (pad == "-") {
        std::ostringstream s;
        s << std::cin.rdbuf();
        if (std::cin.bad())
            throw Fout{"kan de standaardinvoer niet lezen"};
        return s.str();
    }
    std::error_code ec;
    if (std::filesystem::is_directory(pad, ec))
        throw Fout{"kan bestand " + pad + " niet openen: het is een map"};
    std::ifstream in(pad, std::ios::binary);
    if (!in)
        throw Fout{"kan bestand " + pad + " niet openen: " + std::strerror(errno)};
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        throw Fout{"kan bestand " + pad + " niet lezen"};
    return bytes;
}

// The first line break decides the style of the whole result.
std::string RegeleindeStijl(std::string_view bytes)
{
    const std::size_t p = bytes.find_first_of("\r\n");
    if (p == std::string_view::npos)
        return std::string(crlf);
    if (bytes[p] == '\n')
        return "\n";
    return p + 1 < bytes.size() && bytes[p + 1] == '\n' ? std::string(crlf) : std::string("\r");
}

std::string Resultaat(const MemoryEditor& ed, const std::string& stijl)
{
    std::string uit;
    uit.reserve(static_cast<std::size_t>(ed.TextLength()));
    const auto& regels = ed.Lines();
    for (std::size_t i = 0; i < regels.size(); ++i) {
        if (i > 0)
            uit += stijl;
        uit += regels[i];
    }
    return uit;
}

bool SchrijfAlles(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// Through a temporary file beside the target, renamed over it, so that a
// failed write never leaves a half-written tab behind.
void SchrijfBestand(const std::string& opgegeven, std::string_view bytes)
{
    // Through a symbolic link to the file it names, so the link survives.
    std::error_code ec;
    const std::filesystem::path echt = std::filesystem::weakly_canonical(opgegeven, ec);
    const std::string pad = ec ? opgegeven : echt.string();
    struct stat st {};
    const bool bestaat = ::stat(pad.c_str(), &st) == 0;
    if (bestaat && S_ISDIR(st.st_mode))
        throw Fout{"kan bestand " + pad + " niet maken: het is een map"};
    if (bestaat && !S_ISREG(st.st_mode)) {
        // A device or pipe cannot be renamed over; write to it directly.
        const int fd = ::open(pad.c_str(), O_WRONLY);
        if (fd < 0 || !SchrijfAlles(fd, bytes) || ::close(fd) != 0)
            throw Fout{"kan bestand " + pad + " niet schrijven: " + std::strerror(errno)};
        return;
    }
    std::string sjabloon = pad + ".korvane-XXXXXX";
    const int fd = ::mkstemp(sjabloon.data());
    if (fd < 0)
        throw Fout{"kan bestand " + pad + " niet maken: " + std::strerror(errno)};
    const mode_t modus = bestaat ? (st.st_mode & 07777) : static_cast<mode_t>(0666 & ~[] {
        const mode_t m = ::umask(0);
        ::umask(m);
        return m;
    }());
    bool goed = ::fchmod(fd, modus) == 0 && SchrijfAlles(fd, bytes) && ::fsync(fd) == 0;
    const int fout = errno;
    goed = ::close(fd) == 0 && goed;
    if (!goed || ::rename(sjabloon.c_str(), pad.c_str()) != 0) {
        const int reden = goed ? errno : fout;
        ::unlink(sjabloon.c_str());
        throw Fout{"kan bestand " + pad + " niet schrijven: " + std::strerror(reden)};
    }
}

int Hoofd(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    for (const std::string& a : args) {
        if (a == "--help" || a == "-h") {
            std::cout << gebruik;
            return 0;
        }
    }
    std::optional<std::string> bestand;
    std::optional<std::string> uit;
    bool terug = false;
    bool toonStaat = false;
    std::vector<Stap> stappen;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "-o") {
            if (i + 1 >= args.size())
                throw Fout{"-o zonder bestandsnaam"};
            uit = args[++i];
        } else if (a == "-i") {
            terug = true;
        } else if (a == "--state") {
            toonStaat = true;
        } else if (!bestand) {
            bestand = a;
        } else {
            stappen.push_back(LeesStap(a));
        }
    }
    if (!bestand)
        throw Fout{"geen bestand opgegeven (zie --help)"};
    if (uit && terug)
        throw Fout{"-o en -i gaan niet samen"};
    if (terug && *bestand == "-")
        throw Fout{"-i kan niet met de standaardinvoer"};

    const std::string bytes = LeesAlles(*bestand);
    const std::string stijl = RegeleindeStijl(bytes);

    Document d;
    d.editor.SetChangeHandler([&d] { DocumentVeranderd(d.ctx); });
    d.editor.SetText(bytes);
    // As at start-up: a loaded document is analysed at once.
    analyze(d.editor, d.state.analyse);

    for (const Stap& stap : stappen)
        Voer(d, stap);

    const std::string resultaat = Resultaat(d.editor, stijl);
    if (terug)
        SchrijfBestand(*bestand, resultaat);
    else if (uit)
        SchrijfBestand(*uit, resultaat);
    else if (!SchrijfAlles(STDOUT_FILENO, resultaat))
        throw Fout{std::string("kan niet naar de standaarduitvoer schrijven: ") + std::strerror(errno)};

    if (toonStaat) {
        const MemoryEditor& ed = d.editor;
        const int caret = ed.CaretOffset();
        const int regel = ed.LineFromOffset(caret);
        std::cerr << "caret=" << caret << " line=" << regel << " column=" << caret - ed.LineStart(regel)
                  << " selection=" << ed.SelectionLength() << " staffs=" << d.state.analyse.aantalbalken
                  << " modified=" << (ed.Modified() ? 1 : 0) << '\n';
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    try {
        return Hoofd(argc, argv);
    } catch (const Fout& f) {
        std::cerr << "korvane-cli: " << f.reden << '\n';
        return 2;
    }
}
