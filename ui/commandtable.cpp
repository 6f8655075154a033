// The command table of the main window and the order of its tool bars.
#include "ui/commandtable.h"

#include "ui/mainwindow.h"

#include <array>

namespace korvane {

const char* const menuTitels[aantalMenus] = {
    QT_TRANSLATE_NOOP("Commando", "&Bestand"), QT_TRANSLATE_NOOP("Commando", "Bewerken"),
    QT_TRANSLATE_NOOP("Commando", "Invoegen"), QT_TRANSLATE_NOOP("Commando", "Opmaak"),
    QT_TRANSLATE_NOOP("Commando", "&Info")};

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
 {"New1",                   QT_TRANSLATE_NOOP("Commando", "&Nieuw"),                  "Ctrl+N",    Menu::Bestand,  "newButton",      QT_TRANSLATE_NOOP("Commando", "Nieuw (Ctrl+N)"),                                N, N,  J, J,  "document-new",            ":/icons/new.svg",              &F::New1Click,                   nullptr},
 {"Wizardnieuwetab1",       QT_TRANSLATE_NOOP("Commando", "Wizard nieuwe tab"),       "Ctrl+W",    Menu::Bestand,  nullptr,          nullptr,                                         N, N,  J, J,  nullptr,                   ":/icons/wizard.svg",           &F::Wizardnieuwetab1Click,       nullptr},
 Sep(Menu::Bestand),
 {"Open1",                  QT_TRANSLATE_NOOP("Commando", "&Openen"),                 "Ctrl+O",    Menu::Bestand,  "OpenButton",     QT_TRANSLATE_NOOP("Commando", "Open (Ctrl+O)"),                                 N, N,  J, J,  "document-open",           ":/icons/open.svg",             &F::Open1Click,                  nullptr},
 {"Save1",                  QT_TRANSLATE_NOOP("Commando", "Opslaan"),                 "Ctrl+S",    Menu::Bestand,  "SaveButton",     QT_TRANSLATE_NOOP("Commando", "Opslaan (Ctrl+S)"),                              N, N,  J, J,  "document-save",           ":/icons/save.svg",             &F::Save1Click,                  nullptr},
 {"Saveas1",                QT_TRANSLATE_NOOP("Commando", "Opslaan als"),             "",          Menu::Bestand,  nullptr,          nullptr,                                         N, N,  J, J,  "document-save-as",        nullptr,                        &F::Saveas1Click,                nullptr},
 {"Opslaanmetcodering1",    QT_TRANSLATE_NOOP("Commando", "Opslaan met codering"),    "",          Menu::Bestand,  nullptr,          nullptr,                                         N, N,  J, J,  nullptr,                   nullptr,                        &F::Opslaanmetcodering1Click,    nullptr},
 {"Opnieuwladenmetcodering1",QT_TRANSLATE_NOOP("Commando", "Opnieuw laden met codering"),"",        Menu::Bestand,  nullptr,          nullptr,                                         N, N,  J, J,  nullptr,                   nullptr,                        &F::Opnieuwladenmetcodering1Click, nullptr},
 Sep(Menu::Bestand),
 {"Mediabestandopenen1",    QT_TRANSLATE_NOOP("Commando", "Media bestand openen"),    "Ctrl+M",    Menu::Bestand,  "OpenMedia",      QT_TRANSLATE_NOOP("Commando", "Media bestand openen (Ctrl+M)"),                 N, N,  J, J,  nullptr,                   ":/icons/media.svg",            &F::OpenMediaClick,              nullptr},
 {"TabAfspelen1",           QT_TRANSLATE_NOOP("Commando", "Tab afspelen"),            "F5",        Menu::Bestand,  "TabAfspelen",    QT_TRANSLATE_NOOP("Commando", "Tab afspelen (F5)|Tab afspelen vanaf de caret of de selectie (F5)"), N, J,  J, J,  nullptr,   ":/icons/play.svg",             &F::TabAfspelen1Click,           nullptr},
 {"Herhalen1",              QT_TRANSLATE_NOOP("Commando", "Herhalen"),                "",          Menu::Bestand,  nullptr,          nullptr,                                         J, N,  J, J,  nullptr,                   nullptr,                        &F::SpeelkeuzeClick,             nullptr},
 {"Aftellen1",              QT_TRANSLATE_NOOP("Commando", "Aftellen"),                "",          Menu::Bestand,  nullptr,          nullptr,                                         J, N,  J, J,  nullptr,                   nullptr,                        &F::SpeelkeuzeClick,             nullptr},
 {"Langzameroefenen1",      QT_TRANSLATE_NOOP("Commando", "Langzamer oefenen"),       "",          Menu::Bestand,  nullptr,          nullptr,                                         J, N,  J, J,  nullptr,                   nullptr,                        &F::SpeelkeuzeClick,             nullptr},
 Sep(Menu::Bestand),
 {"Afdrukken1",             QT_TRANSLATE_NOOP("Commando", "Afdrukken"),               "Ctrl+P",    Menu::Bestand,  "printbutton",    QT_TRANSLATE_NOOP("Commando", "Afdrukken (Ctrl+P)|Bestand afdrukken (Ctrl+P)"), N, N,  J, J,  "document-print",          ":/icons/print.svg",            &TForm1::printtekst,             nullptr},
 {"Printerinstelling1",     QT_TRANSLATE_NOOP("Commando", "Printer-instelling"),      "",          Menu::Bestand,  nullptr,          nullptr,                                         N, N,  J, J,  nullptr,                   nullptr,                        &TForm1::Printerinstelling1Click, nullptr},
 {"Afdrukvoorbeeld1",       QT_TRANSLATE_NOOP("Commando", "Afdrukvoorbeeld"),         "F2",        Menu::Bestand,  "preview",        QT_TRANSLATE_NOOP("Commando", " Afdrukvoorbeeld (F2)"),                         N, N,  J, J,  "document-print-preview",  ":/icons/preview.svg",          &TForm1::PrintPreview,           nullptr},
 {"Exporteren1",            QT_TRANSLATE_NOOP("Commando", "Exporteren…"),            "",          Menu::Bestand,  nullptr,          nullptr,                                         N, N,  J, J,  nullptr,                   nullptr,                        &F::Exporteren1Click,            nullptr},
 Sep(Menu::Bestand),
 {"Exit1",                  QT_TRANSLATE_NOOP("Commando", "Afsluiten"),               "Alt+F4",    Menu::Bestand,  nullptr,          nullptr,                                         N, N,  J, J,  "application-exit",        nullptr,                        &F::Exit1Click,                  nullptr},

 {"Ongedaanmaken1",         QT_TRANSLATE_NOOP("Commando", "Ongedaan maken"),          "Ctrl+Z",    Menu::Bewerken, "Undo",           QT_TRANSLATE_NOOP("Commando", "Ongedaan maken"),                                N, N,  N, N,  "edit-undo",               ":/icons/undo.svg",             &F::UndoClick,                   nullptr},
 Sep(Menu::Bewerken),
 {"Zoeken1",                QT_TRANSLATE_NOOP("Commando", "Zoeken"),                  "Ctrl+F",    Menu::Bewerken, "Zoeken",         QT_TRANSLATE_NOOP("Commando", "Zoeken (Ctrl+F)"),                               N, N,  J, N,  "edit-find",               ":/icons/find.svg",             &F::Zoeken1Click,                nullptr},
 {"Vervangen1",             QT_TRANSLATE_NOOP("Commando", "Vervangen"),               "Ctrl+R",    Menu::Bewerken, "Vervangen",      QT_TRANSLATE_NOOP("Commando", "Vervangen (Ctrl+R)"),                            N, N,  J, J,  "edit-find-replace",       ":/icons/replace.svg",          &F::Vervangen1Click,             nullptr},
 Sep(Menu::Bewerken),
 {"Knippen1",               QT_TRANSLATE_NOOP("Commando", "Knippen"),                 "Ctrl+X",    Menu::Bewerken, "Knippen",        QT_TRANSLATE_NOOP("Commando", "Knippen (Ctrl+X)"),                              N, N,  J, J,  "edit-cut",                ":/icons/cut.svg",              &F::KnippenClick,                nullptr},
 {"Kopiren1",               QT_TRANSLATE_NOOP("Commando", "Kopiëren"),                "Ctrl+C",    Menu::Bewerken, "Kopieren",       QT_TRANSLATE_NOOP("Commando", "Kopiëren (Ctrl+C)"),                             N, N,  J, J,  "edit-copy",               ":/icons/copy.svg",             &F::KopierenClick,               nullptr},
 {"Plakken1",               QT_TRANSLATE_NOOP("Commando", "Plakken"),                 "Ctrl+V",    Menu::Bewerken, "Plakken",        QT_TRANSLATE_NOOP("Commando", "Plakken (Ctrl+V)"),                              N, N,  J, J,  "edit-paste",              ":/icons/paste.svg",            &F::PlakkenClick,                nullptr},
 Sep(Menu::Bewerken),
 {"VerticaalKnippen1",      QT_TRANSLATE_NOOP("Commando", "Verticaal Knippen"),       "Alt+X",     Menu::Bewerken, nullptr,          nullptr,                                         N, N,  N, N,  nullptr,                   nullptr,                        &F::VerticaalKnippen1Click,      nullptr},
 {"VerticaalKopiren1",      QT_TRANSLATE_NOOP("Commando", "Verticaal Kopiëren"),      "Alt+C",     Menu::Bewerken, nullptr,          nullptr,                                         N, N,  N, N,  nullptr,                   nullptr,                        &F::VerticaalKopiren1Click,      nullptr},
 {"Verticaalplakken1",      QT_TRANSLATE_NOOP("Commando", "Verticaal Plakken"),       "Alt+V",     Menu::Bewerken, nullptr,          nullptr,                                         N, N,  N, N,  nullptr,                   nullptr,                        &F::Verticaalplakken1Click,      nullptr},
 Sep(Menu::Bewerken),
 {"LinksUitlijnen1",        QT_TRANSLATE_NOOP("Commando", "Links Uitlijnen"),         "Alt+L",     Menu::Bewerken, nullptr,          nullptr,                                         N, N,  J, J,  nullptr,                   nullptr,                        &F::LinksUitlijnen1Click,        nullptr},
 Sep(Menu::Bewerken),
 {"Tabcontroleren1",        QT_TRANSLATE_NOOP("Commando", "Tab controleren"),         "F7",        Menu::Bewerken, nullptr,          nullptr,                                         N, N,  J, J,  nullptr,                   nullptr,                        &F::TabControleren1Click,        nullptr},
 {"Herstellen1",            QT_TRANSLATE_NOOP("Commando", "Herstellen"),              "",          Menu::Bewerken, nullptr,          nullptr,                                         N, N,  J, J,  nullptr,                   nullptr,                        &F::Herstellen1Click,            nullptr},
 {"AllesHerstellen1",       QT_TRANSLATE_NOOP("Commando", "Alles herstellen"),        "",          Menu::Bewerken, nullptr,          nullptr,                                         N, N,  J, J,  nullptr,                   nullptr,                        &F::AllesHerstellen1Click,       nullptr},
 Sep(Menu::Bewerken),
 {"AllesSelecteren1",       QT_TRANSLATE_NOOP("Commando", "Alles Selecteren"),        "Ctrl+A",    Menu::Bewerken, nullptr,          nullptr,                                         N, N,  J, J,  "edit-select-all",         nullptr,                        &F::AllesSelecteren1Click,       nullptr},
 Sep(Menu::Bewerken),
 {"Startdirectory1",        QT_TRANSLATE_NOOP("Commando", "Startdirectory"),          "Esc",       Menu::Bewerken, "Startbutton",    QT_TRANSLATE_NOOP("Commando", "Startdirectory (Esc)"),                          N, N,  J, J,  "go-home",                 ":/icons/start.svg",            &F::StartbuttonClick,            nullptr},

 {"Legeregeltab1",          QT_TRANSLATE_NOOP("Commando", "Lege regel tab"),          "Alt+T",     Menu::Invoegen, "insertbutton",   QT_TRANSLATE_NOOP("Commando", "Lege regel tab invoegen (Alt + T )"),            N, N,  J, J,  nullptr,                   ":/icons/staff.svg",            &F::inserttab,                   nullptr},
 {"Maatstreepinvoegen1",    QT_TRANSLATE_NOOP("Commando", "Maatstreep"),              "Alt+B",     Menu::Invoegen, "Maatstreep",     QT_TRANSLATE_NOOP("Commando", "Maatstreep invoegen (Alt+B)"),                   N, N,  J, J,  nullptr,                   ":/icons/barline.svg",          &F::Maatstreepinvoegen1Click,    nullptr},
 // GNOME and KDE keep Alt+Space for their window menu; the second key reaches the window there.
 {"Spatieinvoegen1",        QT_TRANSLATE_NOOP("Commando", "Spatie"),                  "Alt+Space", Menu::Invoegen, "Spatie",         QT_TRANSLATE_NOOP("Commando", "Spatie invoegen (Alt+Spatiebalk)"),              N, N,  J, J,  nullptr,                   ":/icons/space.svg",            &F::Spatieinvoegen1Click,        nullptr, "Ctrl+Shift+Space"},
 {"Beginherhalinginvoegen1",QT_TRANSLATE_NOOP("Commando", "Beginherhaling"),          "Alt+[",     Menu::Invoegen, "Beginherhaling", QT_TRANSLATE_NOOP("Commando", "Beginherhaling invoegen (Alt+[ )"),              N, N,  J, J,  nullptr,                   ":/icons/repeatbegin.svg",      &F::Beginherhalinginvoegen1Click, nullptr},
 {"Eindherhalinginvoegen1", QT_TRANSLATE_NOOP("Commando", "Eindherhaling"),           "Alt+]",     Menu::Invoegen, "Eindherhaling",  QT_TRANSLATE_NOOP("Commando", "Eindherhaling invoegen (Alt+] )"),               N, N,  J, J,  nullptr,                   ":/icons/repeatend.svg",        &F::Eindherhalinginvoegen1Click, nullptr},
 {"Regeleindes1",           QT_TRANSLATE_NOOP("Commando", "Regeleindes"),             "Alt+E",     Menu::Invoegen, "Regeleinde",     QT_TRANSLATE_NOOP("Commando", "Regeleindes invoegen (Alt+E)"),                  N, N,  J, J,  nullptr,                   ":/icons/lineends.svg",         &F::endclosebuttonClick,         nullptr},
 {"Stemmimg1",              QT_TRANSLATE_NOOP("Commando", "Stemmimg"),                "Alt+S",     Menu::Invoegen, "Stemmingbutton", QT_TRANSLATE_NOOP("Commando", "Stemming invoegen (Alt+S)"),                     N, N,  J, J,  nullptr,                   ":/icons/tuning.svg",           &F::Stemmimg1Click,              nullptr},
 {"Akkoordnaam1",           QT_TRANSLATE_NOOP("Commando", "Akkoordnaam"),             "Alt+K",     Menu::Invoegen, nullptr,          nullptr,                                         N, N,  J, J,  nullptr,                   nullptr,                        &F::Akkoordnaam1Click,           nullptr},
 {"Transponeren1",          QT_TRANSLATE_NOOP("Commando", "Transponeren…"),            "Ctrl+T",    Menu::Invoegen, nullptr,          nullptr,                                         N, N,  J, J,  nullptr,                   nullptr,                        &F::Transponeren1Click,          nullptr},
 {"Stemmingwijzigen1",      QT_TRANSLATE_NOOP("Commando", "Stemming wijzigen…"),       "",          Menu::Invoegen, nullptr,          nullptr,                                         N, N,  J, J,  nullptr,                   nullptr,                        &F::Stemmingwijzigen1Click,      nullptr},
 {"Capo1",                  QT_TRANSLATE_NOOP("Commando", "Capo…"),                    "",          Menu::Invoegen, nullptr,          nullptr,                                         N, N,  J, J,  nullptr,                   nullptr,                        &F::Capo1Click,                  nullptr},

 {"Lettertype2",            QT_TRANSLATE_NOOP("Commando", "Lettertype"),              "",          Menu::Opmaak,   nullptr,          nullptr,                                         N, N,  J, J,  "preferences-desktop-font",nullptr,                        &F::Lettertype2Click,            nullptr},
 Sep(Menu::Opmaak),
 {"Bold1",                  QT_TRANSLATE_NOOP("Commando", "Vet"),                     "Ctrl+B",    Menu::Opmaak,   "VetButton",      QT_TRANSLATE_NOOP("Commando", "Vet (Ctrl+B)"),                                  J, J,  J, J,  "format-text-bold",        ":/icons/bold.svg",             &F::Bold1Click,                  &F::VetButtonClick},
 {"Italic1",                QT_TRANSLATE_NOOP("Commando", "Cursief"),                 "Ctrl+I",    Menu::Opmaak,   "italicbutton",   QT_TRANSLATE_NOOP("Commando", "Cursief (Ctrl+I)"),                              J, J,  J, J,  "format-text-italic",      ":/icons/italic.svg",           &F::Italic1Click,                &F::italicbuttonClick},
 {"Underline1",             QT_TRANSLATE_NOOP("Commando", "Onderstrepen"),            "Ctrl+U",    Menu::Opmaak,   "Underlinebutton",QT_TRANSLATE_NOOP("Commando", "Onderstrepen (Ctrl+U)"),                         J, J,  J, J,  "format-text-underline",   ":/icons/underline.svg",        &F::Underline1Click,             &F::UnderlinebuttonClick},
 Sep(Menu::Opmaak),
 {"Kleur1",                 QT_TRANSLATE_NOOP("Commando", "Kleur"),                   "",          Menu::Opmaak,   "Kleur",          QT_TRANSLATE_NOOP("Commando", "Kleur"),                                         N, N,  J, J,  "color-select",            ":/icons/colour.svg",           &F::FontColorClick,              nullptr},
 Sep(Menu::Opmaak),
 {"Volledigscherm1",        QT_TRANSLATE_NOOP("Commando", "Volledig scherm"),         "F11",       Menu::Opmaak,   nullptr,          nullptr,                                         J, N,  J, J,  "view-fullscreen",         nullptr,                        &F::Volledigscherm1Click,        nullptr},
 Sep(Menu::Opmaak),
 {"Richtext1",              QT_TRANSLATE_NOOP("Commando", "Rich text"),               "",          Menu::Opmaak,   "Richtext",       QT_TRANSLATE_NOOP("Commando", "Richtext"),                                      J, J,  J, J,  nullptr,                   ":/icons/richtext.svg",         &F::RichtextClick,               nullptr},
 Sep(Menu::Opmaak),
 {"Paginanummering1",       QT_TRANSLATE_NOOP("Commando", "Paginanummering"),         "",          Menu::Opmaak,   nullptr,          nullptr,                                         J, N,  J, J,  nullptr,                   nullptr,                        &TForm1::Paginanummering1Click,  nullptr},
 {"Reservekopie1",          QT_TRANSLATE_NOOP("Commando", "Reservekopie"),            "",          Menu::Opmaak,   nullptr,          nullptr,                                         J, N,  J, J,  nullptr,                   nullptr,                        &F::Reservekopie1Click,          nullptr},
 Sep(Menu::Opmaak),
 {"Doorlopendetablijnen1",  QT_TRANSLATE_NOOP("Commando", "Doorlopende tablijnen"),   "Alt+-",     Menu::Opmaak,   nullptr,          nullptr,                                         N, N,  J, J,  nullptr,                   nullptr,                        &F::doorlopendelijnenClick,      nullptr},
 {"KorvaneformaatnaarAscii1",QT_TRANSLATE_NOOP("Commando", "Kvn formaat naar Ascii"), "Alt+\\",    Menu::Opmaak,   nullptr,          nullptr,                                         N, N,  J, J,  nullptr,                   nullptr,                        &F::KorvaneformaatnaarAscii1Click, nullptr},
 Sep(Menu::Opmaak),
 {"Opties1",                QT_TRANSLATE_NOOP("Commando", "Opties"),                  "",          Menu::Opmaak,   nullptr,          nullptr,                                         N, N,  J, J,  "preferences-system",      nullptr,                        &F::Opties1Click,                nullptr},

 {"Info1",                  QT_TRANSLATE_NOOP("Commando", "Info"),                    "",          Menu::Info,     "Info",           QT_TRANSLATE_NOOP("Commando", "Info"),                                          N, N,  J, J,  "help-about",              ":/icons/info.svg",             &F::Info1Click,                  nullptr},

 {"Naamwijzigen1",          QT_TRANSLATE_NOOP("Commando", "Naam wijzigen"),           "",          Menu::Popup,    nullptr,          nullptr,                                         N, N,  J, J,  nullptr,                   nullptr,                        &F::Naamwijzigen1Click,          nullptr},
 {"Bestandwissen1",         QT_TRANSLATE_NOOP("Commando", "Bestand wissen"),          "",          Menu::Popup,    nullptr,          nullptr,                                         N, N,  J, J,  nullptr,                   nullptr,                        &F::Wissen,                      nullptr},

 // Tool buttons without a menu item.
 {nullptr,                  nullptr,                   "",          Menu::Geen,     "delete",         QT_TRANSLATE_NOOP("Commando", "Geselecteerd bestand wissen"),                   N, N,  J, J,  "edit-delete",             ":/icons/delete.svg",           &F::Wissen,                      nullptr},
 {nullptr,                  nullptr,                   "",          Menu::Geen,     "PlusButton",     QT_TRANSLATE_NOOP("Commando", "Stemming toevoegen aan lijst"),                  N, N,  J, J,  nullptr,                   ":/icons/plus.svg",             &F::PlusButtonClick,             nullptr},
 {nullptr,                  nullptr,                   "",          Menu::Geen,     "Minbutton",      QT_TRANSLATE_NOOP("Commando", "Stemming verwijderen uit lijst"),                N, N,  J, J,  nullptr,                   ":/icons/minus.svg",            &F::MinbuttonClick,              nullptr},
 {nullptr,                  nullptr,                   "",          Menu::Geen,     "savelistbutton", QT_TRANSLATE_NOOP("Commando", "Lijst met stemmingen opslaan"),                  N, N,  J, J,  nullptr,                   ":/icons/savelist.svg",         &F::savelistbuttonClick,         nullptr},
 {nullptr,                  nullptr,                   "",          Menu::Geen,     "Volume",         QT_TRANSLATE_NOOP("Commando", "Volumeregeling"),                                N, N,  J, J,  "audio-volume-high",       ":/icons/volume.svg",           &F::VolumeClick,                 nullptr},
 {nullptr,                  nullptr,                   "",          Menu::Geen,     "Internet",       QT_TRANSLATE_NOOP("Commando", "Internet"),                                      N, N,  J, J,  "internet-web-browser",    ":/icons/internet.svg",         &F::internetClick,               nullptr},
 {nullptr,                  nullptr,                   "",          Menu::Geen,     "FixedButton",    QT_TRANSLATE_NOOP("Commando", "Alleen fixed fonts"),                            N, J,  J, J,  nullptr,                   ":/icons/fixed.svg",            &F::FixedButtonClick,            nullptr},
 {nullptr,                  nullptr,                   "",          Menu::Geen,     "maatsoortbutton",QT_TRANSLATE_NOOP("Commando", "Maatsoorten aan/uit"),                           N, J,  J, J,  nullptr,                   ":/icons/maat44.svg",           &F::maatsoortbuttonClick,        nullptr},
 {nullptr,                  nullptr,                   "",          Menu::Geen,     "FullPageButton", QT_TRANSLATE_NOOP("Commando", "Hele pagina Tab"),                               N, N,  J, J,  nullptr,                   ":/icons/fullpage.svg",         &F::FullPageButtonClick,                         nullptr},
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
