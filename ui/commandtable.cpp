// The command table of the main window and the order of its tool bars.
#include "ui/commandtable.h"

#include "ui/mainwindow.h"

#include <array>

namespace korvane {

const char* const menuTitels[aantalMenus] = {"&Bestand", "Bewerken", "Invoegen", "Opmaak", "&Info"};

const char* const maatsoortIconen[4] = {":/icons/maat34.svg", ":/icons/maat44.svg",
                                         ":/icons/maat68.svg", ":/icons/maat128.svg"};

namespace {

using F = TForm1;
constexpr bool J = true;
constexpr bool N = false;

// A separator in menu m.
constexpr Commando Sep(Menu m)
{
    return {"-", "-", "", m, nullptr, nullptr, N, N, J, J, nullptr, nullptr, nullptr, nullptr};
}

// clang-format off
const Commando tabel[] = {
 // menu item               caption                    key          menu            button            hint                                             chk tog  menu btn  theme icon                 own icon                        handler                          button handler
 {"New1",                   "&Nieuw",                  "Ctrl+N",    Menu::Bestand,  "newButton",      "Nieuw (Ctrl+N)",                                N, N,  J, J,  "document-new",            ":/icons/new.svg",              &F::New1Click,                   nullptr},
 {"Wizardnieuwetab1",       "Wizard nieuwe tab",       "Ctrl+W",    Menu::Bestand,  nullptr,          nullptr,                                         N, N,  J, J,  nullptr,                   ":/icons/wizard.svg",           &F::Wizardnieuwetab1Click,       nullptr},
 Sep(Menu::Bestand),
 {"Open1",                  "&Openen",                 "Ctrl+O",    Menu::Bestand,  "OpenButton",     "Open (Ctrl+O)",                                 N, N,  J, J,  "document-open",           ":/icons/open.svg",             &F::Open1Click,                  nullptr},
 {"Save1",                  "Opslaan",                 "Ctrl+S",    Menu::Bestand,  "SaveButton",     "Opslaan (Ctrl+S)",                              N, N,  J, J,  "document-save",           ":/icons/save.svg",             &F::Save1Click,                  nullptr},
 {"Saveas1",                "Opslaan als",             "",          Menu::Bestand,  nullptr,          nullptr,                                         N, N,  J, J,  "document-save-as",        nullptr,                        &F::Saveas1Click,                nullptr},
 {"Opslaanmetcodering1",    "Opslaan met codering",    "",          Menu::Bestand,  nullptr,          nullptr,                                         N, N,  J, J,  nullptr,                   nullptr,                        &F::Opslaanmetcodering1Click,    nullptr},
 {"Opnieuwladenmetcodering1","Opnieuw laden met codering","",        Menu::Bestand,  nullptr,          nullptr,                                         N, N,  J, J,  nullptr,                   nullptr,                        &F::Opnieuwladenmetcodering1Click, nullptr},
 Sep(Menu::Bestand),
 {"Mediabestandopenen1",    "Media bestand openen",    "Ctrl+M",    Menu::Bestand,  "OpenMedia",      "Media bestand openen (Ctrl+M)",                 N, N,  J, J,  nullptr,                   ":/icons/media.svg",            &F::OpenMediaClick,              nullptr},
 {"TabAfspelen1",           "Tab afspelen",            "F5",        Menu::Bestand,  "TabAfspelen",    "Tab afspelen (F5)|Tab afspelen vanaf de caret of de selectie (F5)", N, J,  J, J,  nullptr,   ":/icons/play.svg",             &F::TabAfspelen1Click,           nullptr},
 {"Herhalen1",              "Herhalen",                "",          Menu::Bestand,  nullptr,          nullptr,                                         J, N,  J, J,  nullptr,                   nullptr,                        &F::SpeelkeuzeClick,             nullptr},
 {"Aftellen1",              "Aftellen",                "",          Menu::Bestand,  nullptr,          nullptr,                                         J, N,  J, J,  nullptr,                   nullptr,                        &F::SpeelkeuzeClick,             nullptr},
 {"Langzameroefenen1",      "Langzamer oefenen",       "",          Menu::Bestand,  nullptr,          nullptr,                                         J, N,  J, J,  nullptr,                   nullptr,                        &F::SpeelkeuzeClick,             nullptr},
 Sep(Menu::Bestand),
 {"Afdrukken1",             "Afdrukken",               "Ctrl+P",    Menu::Bestand,  "printbutton",    "Afdrukken (Ctrl+P)|Bestand afdrukken (Ctrl+P)", N, N,  J, J,  "document-print",          ":/icons/print.svg",            &TForm1::printtekst,             nullptr},
 {"Printerinstelling1",     "Printer-instelling",      "",          Menu::Bestand,  nullptr,          nullptr,                                         N, N,  J, J,  nullptr,                   nullptr,                        &TForm1::Printerinstelling1Click, nullptr},
 {"Afdrukvoorbeeld1",       "Afdrukvoorbeeld",         "F2",        Menu::Bestand,  "preview",        " Afdrukvoorbeeld (F2)",                         N, N,  J, J,  "document-print-preview",  ":/icons/preview.svg",          &TForm1::PrintPreview,           nullptr},
 {"Exporteren1",            "Exporteren…",            "",          Menu::Bestand,  nullptr,          nullptr,                                         N, N,  J, J,  nullptr,                   nullptr,                        &F::Exporteren1Click,            nullptr},
 Sep(Menu::Bestand),
 {"Exit1",                  "Afsluiten",               "Alt+F4",    Menu::Bestand,  nullptr,          nullptr,                                         N, N,  J, J,  "application-exit",        nullptr,                        &F::Exit1Click,                  nullptr},

 {"Ongedaanmaken1",         "Ongedaan maken",          "Ctrl+Z",    Menu::Bewerken, "Undo",           "Ongedaan maken",                                N, N,  N, N,  "edit-undo",               ":/icons/undo.svg",             &F::UndoClick,                   nullptr},
 Sep(Menu::Bewerken),
 {"Zoeken1",                "Zoeken",                  "Ctrl+F",    Menu::Bewerken, "Zoeken",         "Zoeken (Ctrl+F)",                               N, N,  J, N,  "edit-find",               ":/icons/find.svg",             &F::Zoeken1Click,                nullptr},
 {"Vervangen1",             "Vervangen",               "Ctrl+R",    Menu::Bewerken, "Vervangen",      "Vervangen (Ctrl+R)",                            N, N,  J, J,  "edit-find-replace",       ":/icons/replace.svg",          &F::Vervangen1Click,             nullptr},
 Sep(Menu::Bewerken),
 {"Knippen1",               "Knippen",                 "Ctrl+X",    Menu::Bewerken, "Knippen",        "Knippen (Ctrl+X)",                              N, N,  J, J,  "edit-cut",                ":/icons/cut.svg",              &F::KnippenClick,                nullptr},
 {"Kopiren1",               "Kopiëren",                "Ctrl+C",    Menu::Bewerken, "Kopieren",       "Kopiëren (Ctrl+C)",                             N, N,  J, J,  "edit-copy",               ":/icons/copy.svg",             &F::KopierenClick,               nullptr},
 {"Plakken1",               "Plakken",                 "Ctrl+V",    Menu::Bewerken, "Plakken",        "Plakken (Ctrl+V)",                              N, N,  J, J,  "edit-paste",              ":/icons/paste.svg",            &F::PlakkenClick,                nullptr},
 Sep(Menu::Bewerken),
 {"VerticaalKnippen1",      "Verticaal Knippen",       "Alt+X",     Menu::Bewerken, nullptr,          nullptr,                                         N, N,  N, N,  nullptr,                   nullptr,                        &F::VerticaalKnippen1Click,      nullptr},
 {"VerticaalKopiren1",      "Verticaal Kopiëren",      "Alt+C",     Menu::Bewerken, nullptr,          nullptr,                                         N, N,  N, N,  nullptr,                   nullptr,                        &F::VerticaalKopiren1Click,      nullptr},
 {"Verticaalplakken1",      "Verticaal Plakken",       "Alt+V",     Menu::Bewerken, nullptr,          nullptr,                                         N, N,  N, N,  nullptr,                   nullptr,                        &F::Verticaalplakken1Click,      nullptr},
 Sep(Menu::Bewerken),
 {"LinksUitlijnen1",        "Links Uitlijnen",         "Alt+L",     Menu::Bewerken, nullptr,          nullptr,                                         N, N,  J, J,  nullptr,                   nullptr,                        &F::LinksUitlijnen1Click,        nullptr},
 Sep(Menu::Bewerken),
 {"Tabcontroleren1",        "Tab controleren",         "F7",        Menu::Bewerken, nullptr,          nullptr,                                         N, N,  J, J,  nullptr,                   nullptr,                        &F::TabControleren1Click,        nullptr},
 {"Herstellen1",            "Herstellen",              "",          Menu::Bewerken, nullptr,          nullptr,                                         N, N,  J, J,  nullptr,                   nullptr,                        &F::Herstellen1Click,            nullptr},
 {"AllesHerstellen1",       "Alles herstellen",        "",          Menu::Bewerken, nullptr,          nullptr,                                         N, N,  J, J,  nullptr,                   nullptr,                        &F::AllesHerstellen1Click,       nullptr},
 Sep(Menu::Bewerken),
 {"AllesSelecteren1",       "Alles Selecteren",        "Ctrl+A",    Menu::Bewerken, nullptr,          nullptr,                                         N, N,  J, J,  "edit-select-all",         nullptr,                        &F::AllesSelecteren1Click,       nullptr},
 Sep(Menu::Bewerken),
 {"Startdirectory1",        "Startdirectory",          "Esc",       Menu::Bewerken, "Startbutton",    "Startdirectory (Esc)",                          N, N,  J, J,  "go-home",                 ":/icons/start.svg",            &F::StartbuttonClick,            nullptr},

 {"Legeregeltab1",          "Lege regel tab",          "Alt+T",     Menu::Invoegen, "insertbutton",   "Lege regel tab invoegen (Alt + T )",            N, N,  J, J,  nullptr,                   ":/icons/staff.svg",            &F::inserttab,                   nullptr},
 {"Maatstreepinvoegen1",    "Maatstreep",              "Alt+B",     Menu::Invoegen, "Maatstreep",     "Maatstreep invoegen (Alt+B)",                   N, N,  J, J,  nullptr,                   ":/icons/barline.svg",          &F::Maatstreepinvoegen1Click,    nullptr},
 // GNOME and KDE keep Alt+Space for their window menu; the second key reaches the window there.
 {"Spatieinvoegen1",        "Spatie",                  "Alt+Space", Menu::Invoegen, "Spatie",         "Spatie invoegen (Alt+Spatiebalk)",              N, N,  J, J,  nullptr,                   ":/icons/space.svg",            &F::Spatieinvoegen1Click,        nullptr, "Ctrl+Shift+Space"},
 {"Beginherhalinginvoegen1","Beginherhaling",          "Alt+[",     Menu::Invoegen, "Beginherhaling", "Beginherhaling invoegen (Alt+[ )",              N, N,  J, J,  nullptr,                   ":/icons/repeatbegin.svg",      &F::Beginherhalinginvoegen1Click, nullptr},
 {"Eindherhalinginvoegen1", "Eindherhaling",           "Alt+]",     Menu::Invoegen, "Eindherhaling",  "Eindherhaling invoegen (Alt+] )",               N, N,  J, J,  nullptr,                   ":/icons/repeatend.svg",        &F::Eindherhalinginvoegen1Click, nullptr},
 {"Regeleindes1",           "Regeleindes",             "Alt+E",     Menu::Invoegen, "Regeleinde",     "Regeleindes invoegen (Alt+E)",                  N, N,  J, J,  nullptr,                   ":/icons/lineends.svg",         &F::endclosebuttonClick,         nullptr},
 {"Stemmimg1",              "Stemmimg",                "Alt+S",     Menu::Invoegen, "Stemmingbutton", "Stemming invoegen (Alt+S)",                     N, N,  J, J,  nullptr,                   ":/icons/tuning.svg",           &F::Stemmimg1Click,              nullptr},
 {"Akkoordnaam1",           "Akkoordnaam",             "Alt+K",     Menu::Invoegen, nullptr,          nullptr,                                         N, N,  J, J,  nullptr,                   nullptr,                        &F::Akkoordnaam1Click,           nullptr},
 {"Transponeren1",          "Transponeren…",            "Ctrl+T",    Menu::Invoegen, nullptr,          nullptr,                                         N, N,  J, J,  nullptr,                   nullptr,                        &F::Transponeren1Click,          nullptr},
 {"Stemmingwijzigen1",      "Stemming wijzigen…",       "",          Menu::Invoegen, nullptr,          nullptr,                                         N, N,  J, J,  nullptr,                   nullptr,                        &F::Stemmingwijzigen1Click,      nullptr},
 {"Capo1",                  "Capo…",                    "",          Menu::Invoegen, nullptr,          nullptr,                                         N, N,  J, J,  nullptr,                   nullptr,                        &F::Capo1Click,                  nullptr},

 {"Lettertype2",            "Lettertype",              "",          Menu::Opmaak,   nullptr,          nullptr,                                         N, N,  J, J,  "preferences-desktop-font",nullptr,                        &F::Lettertype2Click,            nullptr},
 Sep(Menu::Opmaak),
 {"Bold1",                  "Vet",                     "Ctrl+B",    Menu::Opmaak,   "VetButton",      "Vet (Ctrl+B)",                                  J, J,  J, J,  "format-text-bold",        ":/icons/bold.svg",             &F::Bold1Click,                  &F::VetButtonClick},
 {"Italic1",                "Cursief",                 "Ctrl+I",    Menu::Opmaak,   "italicbutton",   "Cursief (Ctrl+I)",                              J, J,  J, J,  "format-text-italic",      ":/icons/italic.svg",           &F::Italic1Click,                &F::italicbuttonClick},
 {"Underline1",             "Onderstrepen",            "Ctrl+U",    Menu::Opmaak,   "Underlinebutton","Onderstrepen (Ctrl+U)",                         J, J,  J, J,  "format-text-underline",   ":/icons/underline.svg",        &F::Underline1Click,             &F::UnderlinebuttonClick},
 Sep(Menu::Opmaak),
 {"Kleur1",                 "Kleur",                   "",          Menu::Opmaak,   "Kleur",          "Kleur",                                         N, N,  J, J,  "color-select",            ":/icons/colour.svg",           &F::FontColorClick,              nullptr},
 Sep(Menu::Opmaak),
 {"Volledigscherm1",        "Volledig scherm",         "F11",       Menu::Opmaak,   nullptr,          nullptr,                                         J, N,  J, J,  "view-fullscreen",         nullptr,                        &F::Volledigscherm1Click,        nullptr},
 Sep(Menu::Opmaak),
 {"Richtext1",              "Rich text",               "",          Menu::Opmaak,   "Richtext",       "Richtext",                                      J, J,  J, J,  nullptr,                   ":/icons/richtext.svg",         &F::RichtextClick,               nullptr},
 Sep(Menu::Opmaak),
 {"Paginanummering1",       "Paginanummering",         "",          Menu::Opmaak,   nullptr,          nullptr,                                         J, N,  J, J,  nullptr,                   nullptr,                        &TForm1::Paginanummering1Click,  nullptr},
 {"Reservekopie1",          "Reservekopie",            "",          Menu::Opmaak,   nullptr,          nullptr,                                         J, N,  J, J,  nullptr,                   nullptr,                        &F::Reservekopie1Click,          nullptr},
 Sep(Menu::Opmaak),
 {"Doorlopendetablijnen1",  "Doorlopende tablijnen",   "Alt+-",     Menu::Opmaak,   nullptr,          nullptr,                                         N, N,  J, J,  nullptr,                   nullptr,                        &F::doorlopendelijnenClick,      nullptr},
 {"KorvaneformaatnaarAscii1","Kvn formaat naar Ascii", "Alt+\\",    Menu::Opmaak,   nullptr,          nullptr,                                         N, N,  J, J,  nullptr,                   nullptr,                        &F::KorvaneformaatnaarAscii1Click, nullptr},
 Sep(Menu::Opmaak),
 {"Opties1",                "Opties",                  "",          Menu::Opmaak,   nullptr,          nullptr,                                         N, N,  J, J,  "preferences-system",      nullptr,                        &F::Opties1Click,                nullptr},

 {"Info1",                  "Info",                    "",          Menu::Info,     "Info",           "Info",                                          N, N,  J, J,  "help-about",              ":/icons/info.svg",             &F::Info1Click,                  nullptr},

 {"Naamwijzigen1",          "Naam wijzigen",           "",          Menu::Popup,    nullptr,          nullptr,                                         N, N,  J, J,  nullptr,                   nullptr,                        &F::Naamwijzigen1Click,          nullptr},
 {"Bestandwissen1",         "Bestand wissen",          "",          Menu::Popup,    nullptr,          nullptr,                                         N, N,  J, J,  nullptr,                   nullptr,                        &F::Wissen,                      nullptr},

 // Tool buttons without a menu item.
 {nullptr,                  nullptr,                   "",          Menu::Geen,     "delete",         "Geselecteerd bestand wissen",                   N, N,  J, J,  "edit-delete",             ":/icons/delete.svg",           &F::Wissen,                      nullptr},
 {nullptr,                  nullptr,                   "",          Menu::Geen,     "PlusButton",     "Stemming toevoegen aan lijst",                  N, N,  J, J,  nullptr,                   ":/icons/plus.svg",             &F::PlusButtonClick,             nullptr},
 {nullptr,                  nullptr,                   "",          Menu::Geen,     "Minbutton",      "Stemming verwijderen uit lijst",                N, N,  J, J,  nullptr,                   ":/icons/minus.svg",            &F::MinbuttonClick,              nullptr},
 {nullptr,                  nullptr,                   "",          Menu::Geen,     "savelistbutton", "Lijst met stemmingen opslaan",                  N, N,  J, J,  nullptr,                   ":/icons/savelist.svg",         &F::savelistbuttonClick,         nullptr},
 {nullptr,                  nullptr,                   "",          Menu::Geen,     "Volume",         "Volumeregeling",                                N, N,  J, J,  "audio-volume-high",       ":/icons/volume.svg",           &F::VolumeClick,                 nullptr},
 {nullptr,                  nullptr,                   "",          Menu::Geen,     "Internet",       "Internet",                                      N, N,  J, J,  "internet-web-browser",    ":/icons/internet.svg",         &F::internetClick,               nullptr},
 {nullptr,                  nullptr,                   "",          Menu::Geen,     "FixedButton",    "Alleen fixed fonts",                            N, J,  J, J,  nullptr,                   ":/icons/fixed.svg",            &F::FixedButtonClick,            nullptr},
 {nullptr,                  nullptr,                   "",          Menu::Geen,     "maatsoortbutton","Maatsoorten aan/uit",                           N, J,  J, J,  nullptr,                   ":/icons/maat44.svg",           &F::maatsoortbuttonClick,        nullptr},
 {nullptr,                  nullptr,                   "",          Menu::Geen,     "FullPageButton", "Hele pagina Tab",                               N, N,  J, J,  nullptr,                   ":/icons/fullpage.svg",         &F::FullPageButtonClick,                         nullptr},
};
// clang-format on

const char* const toolBar1[] = {
    "newButton", "OpenButton", "SaveButton", "delete", "|", "printbutton", "preview", "|",
    "Knippen", "Kopieren", "Plakken", "|", "Undo", "|", "Zoeken", "Vervangen", "|",
    "VetButton", "italicbutton", "Underlinebutton", "|", "Kleur", "|",
    "Stemmingbutton", "Spatie", "Maatstreep", "Regeleinde", "Beginherhaling", "Eindherhaling", "|",
    "insertbutton", "SpinEdit2", "ComboBox1", "PlusButton", "Minbutton", "savelistbutton"};

const char* const toolBar2[] = {
    "Info", "|", "OpenMedia", "MediaPlayer1", "Volume", "|", "TabAfspelen", "Tempovak", "Instrumentkeuze", "|",
    "Internet", "|", "Startbutton", "|",
    "Richtext", "|", "FixedButton", "Fontname", "spinedit1", "maatsoortbutton", "|",
    "Maatcombobox", "|", "FullPageButton"};

} // namespace

std::span<const Commando> CommandoTabel() { return tabel; }
std::span<const char* const> ToolBar1Volgorde() { return toolBar1; }
std::span<const char* const> ToolBar2Volgorde() { return toolBar2; }

} // namespace korvane
