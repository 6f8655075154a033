// korvane-cli: the window's tab commands in batch over the in-memory buffer,
// for tidying a collection of tab files and for black-box tests. The steps
// run the same core functions as the window's handlers, with the same change
// notification, so the analysis goes stale and fresh exactly as it does there.
#include "cli/export.h"
#include "core/block.h"
#include "core/columns.h"
#include "core/cp1252.h"
#include "core/utf8.h"
#include "core/fullpage.h"
#include "core/linefont.h"
#include "core/memoryeditor.h"
#include "core/staff.h"
#include "core/tabstate.h"
#include "core/tidy.h"
#include "cli/muziek.h"
#include "music/omzetten.h"
#include "files/codering.h"
#include "cli/catalogus.h"
#include "core/vertaling.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <iostream>
#include <malloc.h>
#include <new>
#include <optional>
#include <string>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using namespace korvane;

namespace {

const char* const gebruik = QT_TRANSLATE_NOOP("korvane-cli", R"(Gebruik: korvane-cli BESTAND [-o UIT | -i] [--state] STAP...
       korvane-cli BESTAND --export UIT.pdf [--page-size A4|Letter] [STAP...]
       korvane-cli BESTAND --export UIT.mid|UIT.musicxml|UIT.wav [--tempo N] [STAP...]

Leest BESTAND (- = standaardinvoer) in zijn eigen codering, voert de stappen
in volgorde uit en schrijft het resultaat naar UIT, met -i terug naar BESTAND
(via een tijdelijk bestand dat eroverheen wordt hernoemd), of anders naar de
standaarduitvoer, in dezelfde codering. Regeleinden mogen CR LF, LF of een
losse CR zijn; het resultaat krijgt de stijl van het eerste regeleinde in het
bestand (CR LF als het er geen heeft). Alle andere tekens blijven zoals ze zijn.

Codering: een byte-order mark (UTF-8, UTF-16 LE/BE) beslist; anders is geldige
UTF-8 met minstens een teken buiten ASCII UTF-8; anders is zuivere ASCII UTF-8
en al het andere Windows-1252 (dat elke byte leest).
  --from CODERING     lees de invoer in deze codering
  --to CODERING       schrijf het resultaat in deze codering; een teken dat
                      die codering niet kan bevatten geeft afsluitcode 2, met
                      regel en kolom, en er wordt niets geschreven
  CODERING: utf-8, utf-8-bom, utf-16le, utf-16be, windows-1252

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
  check               tab controleren: elke bevinding als
                      "BESTAND:REGEL:KOLOM: melding" (vanaf 1) op de
                      standaarduitvoer
  repair              alles herstellen wat de controle kan herstellen
  chords              elke kolom van drie of meer noten benoemen op de
                      akkoordregel boven de balk (die er zo nodig bij komt)
  transpose=N         transponeren met N halve tonen (-12 tot en met 12):
                      de tabbalken in de selectie, zonder selectie alle
  retune=STEMMING     andere stemming (zoals DADGBE) met dezelfde
                      toonhoogtes, voor dezelfde tabbalken
  capo=N              capo op fret N (0 = geen), toonhoogtes blijven

Meldingen die het venster zou tonen gaan naar standaardfout als
"korvane: TEKST"; vragen worden met ja beantwoord. Stappen die in het venster
uitgeschakeld zouden zijn (vcopy en vcut zonder selectie, vpaste voordat iets
verticaal gekopieerd is) doen niets. Met --state is de laatste regel op
standaardfout:
  caret=OFFSET line=R column=K selection=N staffs=B modified=0|1

BESTAND mag hoogstens 1 GiB groot zijn: een groter bestand wordt niet gelezen
en een invoer zonder einde (een apparaat, een pijp) wordt bij die grens
afgebroken. Is UIT een symbolische koppeling, dan wordt geschreven naar het
bestand waarnaar ze verwijst, ook als dat nog niet bestaat. Een bestand dat u
niet mag wijzigen wordt niet vervangen; een vervangen bestand houdt eigenaar,
groep en rechten.

Met --export worden de pagina's na de stappen afgedrukt naar UIT.pdf, met
dezelfde opmaak als Afdrukken in het venster (papier A4 tenzij --page-size
Letter; lettertype en grootte uit "Opties.txt" als dat er is). Met UIT.mid
(of .midi) wordt het een MIDI-bestand, met UIT.musicxml (of .xml) MusicXML,
met UIT.wav geluid (16 bit stereo, 44,1 kHz) via FluidSynth en een General
MIDI-klankbank (KORVANE_SOUNDFONT of die van het systeem; zonder klankbank
afsluitcode 2); --tempo N (20 tot en met 400) geldt waar de tekst zelf geen
tempo noemt (anders 100). Zonder -o of -i gaat de tekst dan nergens heen.

Met check gaat de tekst zonder -o of -i nergens heen, zodat alleen de
bevindingen op de standaarduitvoer staan.

Afsluitcode 0 bij succes, 1 als de laatste check iets vond; 2 met een reden van een regel bij een ongeldige
stap, een onleesbaar, te groot of eindeloos BESTAND of een onschrijfbaar UIT;
dan wordt niets geschreven.
)");

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
        // "\r\n" in the program's messages becomes the terminal's "\n".
        std::string regel;
        regel.reserve(text.size());
        for (std::size_t i = 0; i < text.size(); ++i)
            if (text[i] != '\r' || i + 1 == text.size() || text[i + 1] != '\n')
                regel += text[i];
        std::cerr << "korvane: " << regel << '\n';
    }
};

enum class Soort {
    Caret, Select, Type, Tuning, Width, Time, Staff, Bar, Space, RepeatBegin, RepeatEnd,
    TuningColumn, LineEnds, LeftAlign, VCopy, VCut, VPaste, Undo, Lines, Ascii, FullPage, Analyze,
    Check, Repair, Chords,
    Transpose, Retune, Capo,
};

struct Stap {
    Soort soort;
    std::string tekst; // as given, for messages
    std::vector<int> getallen;
    std::u32string waarde; // TEXT arguments
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
            throw Fout{Invul(Vertaal("korvane-cli", "ongeldige stap '%1': verwacht %2 getallen van 0 of meer, gescheiden door komma's"),
                           {stap, std::to_string(aantal)})};
        uit.push_back(*v);
        if (komma == std::string_view::npos)
            break;
        begin = komma + 1;
    }
    if (uit.size() != aantal)
        throw Fout{Invul(Vertaal("korvane-cli", "ongeldige stap '%1': verwacht %2 getallen"), {stap, std::to_string(aantal)})};
    return uit;
}

// UTF-8 from the command line to characters. Only the shortest form of a
// scalar value counts as UTF-8: an overlong one could slip a NUL or a line
// break past every check on the text.
std::u32string Tekens(std::string_view s, const std::string& stap)
{
    std::optional<std::u32string> tekens = VanUtf8Exact(s);
    if (!tekens)
        throw Fout{Invul(Vertaal("korvane-cli", "ongeldige stap '%1': tekst is geen geldige UTF-8"), {stap})};
    return std::move(*tekens);
}

std::string Ontsnap(std::string_view s)
{
    std::string uit;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 1 < s.size() && s[i + 1] == 'n') {
            uit += "\r\n";
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
        {"check", Soort::Check}, {"repair", Soort::Repair}, {"chords", Soort::Chords},
    };
    for (const Kaal& k : kale) {
        if (naam == k.naam) {
            if (is != std::string::npos)
                throw Fout{Invul(Vertaal("korvane-cli", "ongeldige stap '%1': %2 heeft geen waarde"), {arg, naam})};
            stap.soort = k.soort;
            return stap;
        }
    }
    if (is == std::string::npos)
        throw Fout{Invul(Vertaal("korvane-cli", "onbekende stap '%1' (zie --help)"), {arg})};
    if (naam == "caret") {
        stap.soort = Soort::Caret;
        stap.getallen = Getallen(waarde, 2, arg);
    } else if (naam == "select") {
        stap.soort = Soort::Select;
        stap.getallen = Getallen(waarde, 4, arg);
    } else if (naam == "type") {
        stap.soort = Soort::Type;
        stap.waarde = Tekens(Ontsnap(waarde), arg);
    } else if (naam == "tuning") {
        stap.soort = Soort::Tuning;
        stap.waarde = Tekens(waarde, arg);
    } else if (naam == "width") {
        stap.soort = Soort::Width;
        const auto v = Getal(waarde);
        if (!v || *v < 20 || *v > 90)
            throw Fout{Invul(Vertaal("korvane-cli", "ongeldige stap '%1': de tabbreedte is een getal van 20 tot en met 90"), {arg})};
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
                throw Fout{Invul(Vertaal("korvane-cli", "ongeldige stap '%1': kies off, 3/4, 4/4, 6/8 of 12/8"), {arg})};
            stap.maatsoorten = true;
        }
    } else if (naam == "transpose" || naam == "capo") {
        const bool capo = naam == "capo";
        std::string_view getal = waarde;
        if (!capo && !getal.empty() && getal[0] == '+')
            getal.remove_prefix(1);
        int v = 0;
        const auto [p, ec] = std::from_chars(getal.data(), getal.data() + getal.size(), v);
        const int laagste = capo ? 0 : -12;
        const int hoogste = capo ? 24 : 12;
        if (getal.empty() || ec != std::errc() || p != getal.data() + getal.size() || v < laagste || v > hoogste)
            throw Fout{Invul(capo ? Vertaal("korvane-cli", "ongeldige stap '%1': de capo is een fret van 0 tot en met 24")
                                : Vertaal("korvane-cli", "ongeldige stap '%1': transponeer met -12 tot en met 12 halve tonen"),
                           {arg})};
        stap.soort = capo ? Soort::Capo : Soort::Transpose;
        stap.getallen = {v};
    } else if (naam == "retune") {
        stap.soort = Soort::Retune;
        stap.waarde = Tekens(waarde, arg);
        if (stap.waarde.empty())
            throw Fout{Invul(Vertaal("korvane-cli", "ongeldige stap '%1': noem de stemming, zoals DADGBE"), {arg})};
    } else {
        throw Fout{Invul(Vertaal("korvane-cli", "onbekende stap '%1' (zie --help)"), {arg})};
    }
    return stap;
}

// The offset of line l, column c, both within the control's lines.
int Offset(const MemoryEditor& ed, int l, int c, const std::string& stap)
{
    const int regels = static_cast<int>(ed.Lines().size());
    if (l >= regels)
        throw Fout{Invul(Vertaal("korvane-cli", "ongeldige stap '%1': regel %2 bestaat niet (het document heeft %3 regels)"),
                       {stap, std::to_string(l), std::to_string(regels)})};
    const int lengte = static_cast<int>(ed.Lines()[l].size());
    if (c > lengte)
        throw Fout{Invul(Vertaal("korvane-cli", "ongeldige stap '%1': kolom %2 ligt voorbij het einde van regel %3 (%4 tekens)"),
                       {stap, std::to_string(c), std::to_string(l), std::to_string(lengte)})};
    return ed.LineStart(l) + c;
}

struct Document {
    MemoryEditor editor;
    CliDialogs dialogs;
    TabState state;
    TabContext ctx{editor, dialogs, state};
    bool tablijnenOmgezet = false;
    bool plakkenMogelijk = false;
    std::string naam;           // as the findings name the file
    bool bevindingen = false;   // the last check found something
};



void New1Click(Document& d)
{
    d.editor.SetText(U"");
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
    case Soort::Check:
        d.bevindingen = ControleerStap(ed, d.naam, std::cout);
        break;
    case Soort::Repair:
        HerstelStap(ctx);
        break;
    case Soort::Chords:
        AkkoordenStap(ctx);
        break;
    case Soort::Transpose:
    case Soort::Retune:
    case Soort::Capo: {
        const Bereikkeuze bereik = ed.SelectionLength() > 0 ? Bereikkeuze::Selectie : Bereikkeuze::Document;
        const Uitkomst u = stap.soort == Soort::Transpose ? Transponeer(ctx, bereik, stap.getallen[0])
                           : stap.soort == Soort::Retune  ? WijzigStemming(ctx, bereik, stap.waarde)
                                                          : ZetCapo(ctx, stap.getallen[0]);
        if (const std::string melding = Meldtekst(u); !melding.empty())
            d.dialogs.Message(melding);
        break;
    }
    }
}

// A system error in words the user reads; the runtime's own texts are English.
std::string Reden(int fout)
{
    switch (fout) {
    case ENOENT:
        return Vertaal("korvane-cli", "het bestand of de map bestaat niet");
    case EACCES:
    case EPERM:
        return Vertaal("korvane-cli", "geen toestemming");
    case EISDIR:
        return Vertaal("korvane-cli", "het is een map");
    case ENOTDIR:
        return Vertaal("korvane-cli", "een deel van het pad is geen map");
    case ELOOP:
        return Vertaal("korvane-cli", "de symbolische koppelingen vormen een kring");
    case ENAMETOOLONG:
        return Vertaal("korvane-cli", "de naam is te lang");
    case EIO:
        return Vertaal("korvane-cli", "invoer-/uitvoerfout");
    case ENOSPC:
        return Vertaal("korvane-cli", "de schijf is vol");
    case EDQUOT:
        return Vertaal("korvane-cli", "het schijfquotum is op");
    case EFBIG:
        return Vertaal("korvane-cli", "het bestand wordt te groot");
    case EROFS:
        return Vertaal("korvane-cli", "het bestandssysteem is alleen-lezen");
    case EBADF:
        return Vertaal("korvane-cli", "die is gesloten");
    case ENOMEM:
        return Vertaal("korvane-cli", "onvoldoende geheugen");
    case EPIPE:
        return Vertaal("korvane-cli", "de ontvanger is gestopt");
    default:
        return Invul(Vertaal("korvane-cli", "systeemfout %1 (%2)"), {std::to_string(fout), std::strerror(fout)});
    }
}

// Input beyond this is refused: a file by its size before reading, a device
// or pipe when reading passes it, so an endless input ends too.
constexpr std::uint64_t standaardInvoerLimiet = std::uint64_t(1) << 30;

std::uint64_t InvoerLimiet()
{
    // Tests lower the limit so that they need no gigabyte of input; it is
    // never raised.
    if (const char* waarde = std::getenv("KORVANE_CLI_MAX_INVOER")) {
        std::uint64_t v = 0;
        const std::string_view s(waarde);
        const auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
        if (ec == std::errc() && p == s.data() + s.size() && v < standaardInvoerLimiet)
            return v;
    }
    return standaardInvoerLimiet;
}

std::string Omvang(std::uint64_t bytes)
{
    for (const auto& [eenheid, naam] : {std::pair(std::uint64_t(1) << 30, " GiB"), std::pair(std::uint64_t(1) << 20, " MiB"),
                                        std::pair(std::uint64_t(1) << 10, " KiB")})
        if (bytes >= eenheid && bytes % eenheid == 0)
            return std::to_string(bytes / eenheid) + naam;
    return std::to_string(bytes) + " bytes";
}

// Standard streams that were closed when the program started. They are
// opened on /dev/null then, so that no file opened later takes their number
// and receives what was meant for the stream.
struct GeslotenStromen {
    bool invoer = false;
    bool uitvoer = false;
};

GeslotenStromen OpenGeslotenStromen()
{
    GeslotenStromen g;
    for (int fd = 0; fd <= 2; ++fd) {
        if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF)
            continue;
        if (fd == STDIN_FILENO)
            g.invoer = true;
        if (fd == STDOUT_FILENO)
            g.uitvoer = true;
        const int nul = ::open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);
        if (nul >= 0 && nul != fd) {
            ::dup2(nul, fd);
            ::close(nul);
        }
    }
    return g;
}

std::string LeesFd(int fd, const std::string& wat, std::uint64_t limiet)
{
    const auto kanNiet = [&wat](const std::string& reden) {
        return Fout{Invul(Vertaal("korvane-cli", "kan %1 niet lezen: %2"), {wat, reden})};
    };
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        throw kanNiet(Reden(errno));
    if (S_ISDIR(st.st_mode))
        throw kanNiet(Reden(EISDIR));
    const auto teGroot = [&] { return kanNiet(Invul(Vertaal("korvane-cli", "groter dan %1"), {Omvang(limiet)})); };
    if (S_ISREG(st.st_mode) && static_cast<std::uint64_t>(st.st_size) > limiet)
        throw teGroot();
    std::string bytes;
    if (S_ISREG(st.st_mode))
        bytes.reserve(static_cast<std::size_t>(st.st_size));
    std::vector<char> blok(1 << 16);
    while (true) {
        const ssize_t n = ::read(fd, blok.data(), blok.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw kanNiet(Reden(errno));
        }
        if (n == 0)
            return bytes;
        if (bytes.size() + static_cast<std::uint64_t>(n) > limiet)
            throw teGroot();
        bytes.append(blok.data(), static_cast<std::size_t>(n));
    }
}

std::string LeesAlles(const std::string& pad, const GeslotenStromen& gesloten)
{
    const std::uint64_t limiet = InvoerLimiet();
    if (pad == "-") {
        if (gesloten.invoer)
            throw Fout{Invul(Vertaal("korvane-cli", "kan %1 niet lezen: %2"),
                           {Vertaal("korvane-cli", "de standaardinvoer"), Reden(EBADF)})};
        return LeesFd(STDIN_FILENO, Vertaal("korvane-cli", "de standaardinvoer"), limiet);
    }
    const int fd = ::open(pad.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        throw Fout{Invul(Vertaal("korvane-cli", "kan bestand %1 niet openen: %2"), {pad, Reden(errno)})};
    try {
        std::string bytes = LeesFd(fd, Invul(Vertaal("korvane-cli", "bestand %1"), {pad}), limiet);
        ::close(fd);
        return bytes;
    } catch (...) {
        ::close(fd);
        throw;
    }
}

// The heap grows to several times a file's size as its characters pass
// through, a small page at a time, and each fresh page is a fault: on a large
// file that cost more than all the rest. Room for the run is taken at once
// and advised for large pages, which the heap then serves from, faulting a
// few dozen times instead of thousands. Only advice; where it is refused, or
// the room cannot be had, everything goes as before.
void RuimteVoor(const std::string& pad)
{
#if defined(MADV_HUGEPAGE)
    struct stat st {};
    if (pad == "-" || ::stat(pad.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_size < (1 << 20))
        return;
    void* ruimte = std::malloc(static_cast<std::size_t>(st.st_size) * 8);
    if (!ruimte)
        return;
    const auto pagina = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
    const auto begin = reinterpret_cast<std::uintptr_t>(ruimte) & ~(pagina - 1);
    const auto eind = reinterpret_cast<std::uintptr_t>(::sbrk(0));
    // Only the heap's own top: a block mapped apart goes back when freed.
    if (eind > begin && eind - begin >= static_cast<std::uintptr_t>(st.st_size) * 8)
        (void)::madvise(reinterpret_cast<void*>(begin), eind - begin, MADV_HUGEPAGE);
    std::free(ruimte);
#else
    (void)pad;
#endif
}

// --- The byte edge: file bytes <-> the document's characters ---------------------

struct Invoer {
    Regeltekst tekst;
    Codering codering;
    bool metBom;
};

std::string Naam(Codering c)
{
    return std::string(CoderingNaam(c));
}

Codering CoderingArgument(const std::string& optie, const std::string& waarde)
{
    const std::optional<Codering> c = CoderingUitNaam(waarde);
    if (!c)
        throw Fout{Invul(Vertaal("korvane-cli", "%1: onbekende codering \"%2\" (kies utf-8, utf-8-bom, utf-16le, utf-16be of windows-1252)"),
                       {optie, waarde})};
    return *c;
}

// The input's characters, in the encoding asked for or else the one its
// bytes show (pure ASCII counts as UTF-8).
Invoer DecodeerInvoer(std::string_view bytes, std::optional<Codering> van)
{
    const Codering codering = van ? MetEigenBom(bytes, *van) : HerkenCodering(bytes, Codering::Utf8);
    // Straight into lines: a large file's characters never stand in memory
    // twice.
    std::optional<Regeltekst> tekst = DecodeerRegels(bytes, codering);
    if (!tekst)
        throw Fout{Invul(Vertaal("korvane-cli", "de invoer is geen geldige %1-tekst"), {Naam(codering)})};
    return {std::move(*tekst), codering, BomLengte(bytes, codering) > 0 || codering == Codering::Utf8Bom};
}

std::string TekenNaam(char32_t c)
{
    char hex[16];
    std::snprintf(hex, sizeof hex, "U+%04X", static_cast<unsigned>(c));
    std::string naam = hex;
    if (c >= 0x20 && !(c >= 0xD800 && c <= 0xDFFF)) {
        naam += " (";
        VoegUtf8Toe(naam, c);
        naam += ')';
    }
    return naam;
}

// The document's lines, joined by `stijl`, as the bytes of a file in `naar`;
// nothing when one character cannot be held there.
std::string CodeerUitvoer(const MemoryEditor& ed, std::u32string_view stijl, Codering naar, bool metBom)
{
    Gecodeerd g = CodeerRegels(ed.Lines(), stijl, naar, metBom);
    if (g.fout)
        throw Fout{Invul(Vertaal("korvane-cli", "kan niet schrijven als %1: het teken %2 op regel %3, kolom %4 (vanaf 1) bestaat niet in die codering; er is niets geschreven"),
                       {Naam(naar), TekenNaam(g.fout->teken), std::to_string(g.fout->regel), std::to_string(g.fout->kolom)})};
    return std::move(g.bytes);
}

// The first line break decides the style of the whole result.
std::u32string RegeleindeStijl(std::u32string_view eersteEinde)
{
    return eersteEinde.empty() ? std::u32string(crlf) : std::u32string(eersteEinde);
}

// The file a name stands for: through symbolic links to the file they name,
// also one that does not exist yet, so that the link survives the write.
std::string Doel(const std::string& opgegeven)
{
    std::string pad = opgegeven;
    // As many links as the system itself follows in one name.
    for (int sprongen = 0; sprongen <= 40; ++sprongen) {
        struct stat st {};
        if (::lstat(pad.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return pad;
        std::error_code ec;
        const std::filesystem::path naar = std::filesystem::read_symlink(pad, ec);
        if (ec)
            throw Fout{Invul(Vertaal("korvane-cli", "kan bestand %1 niet schrijven: %2"), {opgegeven, Reden(ec.value())})};
        pad = naar.is_absolute() ? naar.string() : (std::filesystem::path(pad).parent_path() / naar).string();
    }
    throw Fout{Invul(Vertaal("korvane-cli", "kan bestand %1 niet schrijven: %2"), {opgegeven, Reden(ELOOP)})};
}

// Through a temporary file beside the target, renamed over it, so that a
// failed write never leaves a half-written tab behind.
void SchrijfBestand(const std::string& opgegeven, std::string_view bytes)
{
    const std::string pad = Doel(opgegeven);
    const auto kanNiet = [&opgegeven](const std::string& reden) {
        return Fout{Invul(Vertaal("korvane-cli", "kan bestand %1 niet schrijven: %2"), {opgegeven, reden})};
    };
    struct stat st {};
    const bool bestaat = ::stat(pad.c_str(), &st) == 0;
    if (!bestaat && errno != ENOENT)
        throw kanNiet(Reden(errno));
    if (bestaat && S_ISDIR(st.st_mode))
        throw kanNiet(Reden(EISDIR));
    if (bestaat && !S_ISREG(st.st_mode)) {
        // A device or pipe cannot be renamed over; write to it directly.
        const int fd = ::open(pad.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
        if (fd < 0 || !SchrijfAlles(fd, bytes) || ::close(fd) != 0)
            throw kanNiet(Reden(errno));
        return;
    }
    if (bestaat) {
        // A file the user may not change stays as it is, although its folder
        // would let a new file be renamed over it. Opening it is the test
        // the system itself applies, for root and owner alike.
        const int proef = ::open(pad.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC | O_NOCTTY);
        if (proef < 0)
            throw kanNiet(errno == EACCES || errno == EPERM ? Vertaal("korvane-cli", "het is schrijfbeveiligd") : Reden(errno));
        ::close(proef);
    }
    std::string sjabloon = pad + ".korvane-XXXXXX";
    const int fd = ::mkstemp(sjabloon.data());
    if (fd < 0)
        throw kanNiet(bestaat ? Invul(Vertaal("korvane-cli", "de map laat er geen nieuw bestand naast maken (%1)"), {Reden(errno)})
                              : Reden(errno));
    const auto weg = [&](const Fout& fout) {
        ::close(fd);
        ::unlink(sjabloon.c_str());
        return fout;
    };
    // The replacement belongs to whom the file belonged. Only root may give
    // a file away; anyone else would take over a file that is not theirs.
    if (bestaat && ::fchown(fd, st.st_uid, st.st_gid) != 0)
        throw weg(Fout{Invul(Vertaal("korvane-cli", "kan bestand %1 niet vervangen: eigenaar en groep zouden veranderen"), {opgegeven})});
    const mode_t modus = bestaat ? (st.st_mode & 07777) : static_cast<mode_t>(0666 & ~[] {
        const mode_t m = ::umask(0);
        ::umask(m);
        return m;
    }());
    if (::fchmod(fd, modus) != 0 || !SchrijfAlles(fd, bytes) || ::fsync(fd) != 0)
        throw weg(kanNiet(Reden(errno)));
    if (::close(fd) != 0 || ::rename(sjabloon.c_str(), pad.c_str()) != 0) {
        const int reden = errno;
        ::unlink(sjabloon.c_str());
        throw kanNiet(Reden(reden));
    }
}

int Hoofd(int argc, char** argv)
{
    const GeslotenStromen gesloten = OpenGeslotenStromen();
    // The language comes first: every message after it speaks it, also the
    // one about a wrong --lang. Without the option the tool follows the
    // locale (LC_ALL, LC_MESSAGES, LANG).
    const std::optional<std::string> taal = NeemTaalOptie(argc, argv);
    InstalleerCliTaal(taal && !taal->empty() ? *taal : TaalVanOmgeving());
    if (taal && taal->empty())
        throw Fout{Vertaal("korvane-cli", "--lang verwacht nl of en")};
    std::vector<std::string> args(argv + 1, argv + argc);
    for (const std::string& a : args) {
        if (a == "--help" || a == "-h") {
            std::cout << Vertaal("korvane-cli", gebruik);
            return 0;
        }
    }
    std::optional<std::string> bestand;
    std::optional<std::string> uit;
    bool terug = false;
    bool toonStaat = false;
    std::optional<std::string> pdf;
    std::string papier = "A4";
    double tempo = 100;
    std::optional<Codering> van;
    std::optional<Codering> naar;
    std::vector<Stap> stappen;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "-o") {
            if (i + 1 >= args.size())
                throw Fout{Vertaal("korvane-cli", "-o zonder bestandsnaam")};
            uit = args[++i];
        } else if (a == "-i") {
            terug = true;
        } else if (a == "--state") {
            toonStaat = true;
        } else if (a == "--from" || a == "--to") {
            if (i + 1 >= args.size())
                throw Fout{Invul(Vertaal("korvane-cli", "%1 zonder codering"), {a})};
            (a == "--from" ? van : naar) = CoderingArgument(a, args[++i]);
        } else if (a == "--export" || a == "--page-size") {
            if (i + 1 >= args.size())
                throw Fout{Invul(Vertaal("korvane-cli", "%1 zonder waarde"), {a})};
            (a == "--export" ? pdf.emplace() : papier) = args[++i];
        } else if (a == "--tempo") {
            const auto v = i + 1 < args.size() ? Getal(args[i + 1]) : std::nullopt;
            if (!v || *v < 20 || *v > 400)
                throw Fout{Vertaal("korvane-cli", "--tempo verwacht een getal van 20 tot en met 400")};
            tempo = *v;
            ++i;
        } else if (!bestand) {
            bestand = a;
        } else {
            stappen.push_back(LeesStap(a));
        }
    }
    if (!bestand)
        throw Fout{Vertaal("korvane-cli", "geen bestand opgegeven (zie --help)")};
    if (uit && terug)
        throw Fout{Vertaal("korvane-cli", "-o en -i gaan niet samen")};
    if (terug && *bestand == "-")
        throw Fout{Vertaal("korvane-cli", "-i kan niet met de standaardinvoer")};

    const bool controle = std::any_of(stappen.begin(), stappen.end(), [](const Stap& s) { return s.soort == Soort::Check; });
    Document d;
    d.naam = *bestand;
    d.editor.SetChangeHandler([&d] { DocumentVeranderd(d.ctx); });
    std::u32string stijl;
    Codering codering;
    bool metBom;
    {
        RuimteVoor(*bestand);
        Invoer invoer = DecodeerInvoer(LeesAlles(*bestand, gesloten), van);
        stijl = RegeleindeStijl(invoer.tekst.eersteEinde);
        codering = invoer.codering;
        metBom = invoer.metBom;
        d.editor.SetLines(std::move(invoer.tekst.regels));
    }
    // As at start-up: a loaded document is analysed at once.
    analyze(d.editor, d.state.analyse);

    for (const Stap& stap : stappen)
        Voer(d, stap);

    // Converted before anything is written, so that a refusal leaves every
    // target as it was. With only an export or findings asked for, the text
    // goes nowhere.
    const bool tekstUit = terug || uit || (!pdf && !controle);
    const std::string resultaat =
        tekstUit ? CodeerUitvoer(d.editor, stijl, naar.value_or(codering), naar ? true : metBom)
                 : std::string();
    if (pdf) {
        const Exportsoort soort = ExportsoortVan(*pdf);
        if (soort == Exportsoort::Onbekend)
            throw Fout{Invul(Vertaal("korvane-cli", "onbekend exportformaat voor %1 (.pdf, .mid, .musicxml of .wav)"), {*pdf})};
        if (soort == Exportsoort::Pdf) {
            const std::string fout = ExporteerPdf(d.editor, *bestand, *pdf, papier);
            if (!fout.empty())
                throw Fout{fout};
        } else {
            std::string fout;
            const std::string bytes =
                MuziekExport(d.editor, d.state.instellingen.stemming, *bestand, soort, tempo, fout);
            if (!fout.empty())
                throw Fout{fout};
            SchrijfBestand(*pdf, bytes);
        }
    }

    if (terug)
        SchrijfBestand(*bestand, resultaat);
    else if (uit)
        SchrijfBestand(*uit, resultaat);
    // With only an export or findings asked for, the text goes nowhere.
    else if (!pdf && !controle && (gesloten.uitvoer || !SchrijfAlles(STDOUT_FILENO, resultaat)))
        throw Fout{Invul(Vertaal("korvane-cli", "kan niet naar de standaarduitvoer schrijven: %1"), {Reden(gesloten.uitvoer ? EBADF : errno)})};

    if (toonStaat) {
        const MemoryEditor& ed = d.editor;
        const int caret = ed.CaretOffset();
        const int regel = ed.LineFromOffset(caret);
        std::cerr << "caret=" << caret << " line=" << regel << " column=" << caret - ed.LineStart(regel)
                  << " selection=" << ed.SelectionLength() << " staffs=" << d.state.analyse.aantalbalken
                  << " modified=" << (ed.Modified() ? 1 : 0) << '\n';
    }
    std::cout.flush();
    return d.bevindingen ? 1 : 0;
}

} // namespace

int main(int argc, char** argv)
{
    // The document passes through a few buffers of several times the file's
    // size, one after the other. Kept in the heap once freed, each reuses
    // the pages of the one before instead of having fresh ones mapped and
    // cleared: on a large file that is most of the run.
    mallopt(M_MMAP_THRESHOLD, 1 << 30);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    try {
        return Hoofd(argc, argv);
    } catch (const Fout& f) {
        std::cerr << "korvane-cli: " << f.reden << '\n';
    } catch (const std::bad_alloc&) {
        std::cerr << "korvane-cli: " << Vertaal("korvane-cli", "onvoldoende geheugen voor deze invoer") << '\n';
    } catch (const std::exception& e) {
        std::cerr << "korvane-cli: " << Vertaal("korvane-cli", "onverwachte fout") << ": " << e.what() << '\n';
    } catch (...) {
        std::cerr << "korvane-cli: " << Vertaal("korvane-cli", "onverwachte fout") << '\n';
    }
    return 2;
}
