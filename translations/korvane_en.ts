<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="nl">
<context>
    <name>Afdrukken</name>
    <message>
        <source>Het afdrukken kon niet beginnen: de printer &quot;%1&quot; is niet beschikbaar.</source>
        <translation>Printing could not start: the printer &quot;%1&quot; is not available.</translation>
    </message>
</context>
<context>
    <name>Afdrukvoorbeeld</name>
    <message>
        <source>Afdrukken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Vorige pagina (Page Up)</source>
        <translation>Previous page (Page Up)</translation>
    </message>
    <message>
        <source>Volgende pagina (Page Down)</source>
        <translation>Next page (Page Down)</translation>
    </message>
    <message>
        <source>Pagina   1 van   2</source>
        <translation>Page   1 of   2</translation>
    </message>
    <message>
        <source>Inzoomen</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>Uitzoomen</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>Sluiten</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>Fixed</translation>
    </message>
    <message>
        <source>Alleen Fixed fonts</source>
        <translation>Fixed-width fonts only</translation>
    </message>
    <message>
        <source>Printer font</source>
        <translation>Printer font</translation>
    </message>
    <message>
        <source>V</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Vet</source>
        <translation>Bold</translation>
    </message>
    <message>
        <source>Passend maken</source>
        <translation>Fit to page</translation>
    </message>
    <message>
        <source>Notenbalken heel houden</source>
        <translation>Keep staffs together</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is geen geldige lettergrootte (een geheel getal van 1 tot en met %2); de pagina blijft in %3 punten getekend.</source>
        <translation>&quot;%1&quot; is not a valid font size (a whole number from 1 to %2); the page stays drawn at %3 points.</translation>
    </message>
</context>
<context>
    <name>Bestanden</name>
    <message>
        <source>Er is niet genoeg ruimte op het apparaat.</source>
        <translation>There is not enough space on the device.</translation>
    </message>
    <message>
        <source>U hebt geen toestemming om dit bestand te schrijven.</source>
        <translation>You do not have permission to write this file.</translation>
    </message>
    <message>
        <source>Het nieuwe bestand kon niet op de plaats van het oude worden gezet.</source>
        <translation>The new file could not be put in place of the old one.</translation>
    </message>
    <message>
        <source>Het bestand kon niet volledig worden geschreven.</source>
        <translation>The file could not be written completely.</translation>
    </message>
    <message>
        <source>Fout bij het schrijven van %1<byte value="xd"/>
%2</source>
        <translation>Error writing %1<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Kan bestand %1 niet aanmaken</source>
        <translation>Cannot create file %1</translation>
    </message>
    <message>
        <source>%1 is geen gewoon bestand; er is niets opgeslagen.</source>
        <translation>%1 is not a regular file; nothing has been saved.</translation>
    </message>
    <message>
        <source>Tab bestand openen</source>
        <translation>Open tab file</translation>
    </message>
    <message>
        <source>tabbestand (*.tab;*.txt;*.chopro;*.kvn;*.crd;*.htm;*.html;*.dat) (*.tab *.txt *.chopro *.kvn *.crd *.htm *.html *.dat)</source>
        <translation>tab file (*.tab;*.txt;*.chopro;*.kvn;*.crd;*.htm;*.html;*.dat) (*.tab *.txt *.chopro *.kvn *.crd *.htm *.html *.dat)</translation>
    </message>
    <message>
        <source>Rich text bestand(*.rtf); (*.rtf)</source>
        <translation>Rich text file(*.rtf); (*.rtf)</translation>
    </message>
    <message>
        <source>alle bestanden(*.*); (*)</source>
        <translation>all files(*.*); (*)</translation>
    </message>
    <message>
        <source>tabbestand(*.tab) (*.tab)</source>
        <translation>tab file(*.tab) (*.tab)</translation>
    </message>
    <message>
        <source>tekstbestand(*.txt) (*.txt)</source>
        <translation>text file(*.txt) (*.txt)</translation>
    </message>
    <message>
        <source>alle bestanden(*.*) (*)</source>
        <translation>all files(*.*) (*)</translation>
    </message>
    <message>
        <source>%1 bestaat al.<byte value="xd"/>
Wilt u het vervangen?</source>
        <translation>%1 already exists.<byte value="xd"/>
Do you want to replace it?</translation>
    </message>
    <message>
        <source>Kan bestand %1 niet openen</source>
        <translation>Cannot open file %1</translation>
    </message>
    <message>
        <source>%1 is geen geldige %2-tekst; het bestand is niet opnieuw geladen.</source>
        <translation>%1 is not valid %2 text; the file has not been reloaded.</translation>
    </message>
    <message>
        <source>%1 is geen RTF-bestand.<byte value="xd"/>
De tekst met opmaak (rich text) opslaan ?<byte value="xd"/>
Bij Nee wordt de tekst zonder opmaak opgeslagen.</source>
        <translation>%1 is not an RTF file.<byte value="xd"/>
Save the text with its formatting (rich text)?<byte value="xd"/>
If you choose No, the text is saved without formatting.</translation>
    </message>
    <message>
        <source>Deze tekens kunnen niet in de codering %1 worden opgeslagen: %2<byte value="xd"/>
Ja: opslaan als UTF-8, dat alle tekens kan bevatten.<byte value="xd"/>
Nee: de tekens vervangen door &quot;?&quot;.<byte value="xd"/>
Annuleren: niet opslaan.</source>
        <translation>These characters cannot be saved in the %1 encoding: %2<byte value="xd"/>
Yes: save as UTF-8, which can hold every character.<byte value="xd"/>
No: replace the characters with &quot;?&quot;.<byte value="xd"/>
Cancel: do not save.</translation>
    </message>
    <message>
        <source>Annuleren</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Opnieuw laden met codering</source>
        <translation>Reload with encoding</translation>
    </message>
    <message>
        <source>Opslaan met codering</source>
        <translation>Save with encoding</translation>
    </message>
    <message>
        <source>UTF-8 met BOM</source>
        <translation>UTF-8 with BOM</translation>
    </message>
    <message>
        <source>De tablijnen in %1 zijn aangepast,         <byte value="xd"/>
normaal bewerken is niet meer mogelijk,<byte value="xd"/>
bestand opslaan als Korvane (.kvn) bestand ?</source>
        <translation>The tab lines in %1 have been converted,         <byte value="xd"/>
normal editing is no longer possible,<byte value="xd"/>
save the file as a Korvane (.kvn) file?</translation>
    </message>
    <message>
        <source>Het bestand %1 bestaat al.<byte value="xd"/>
Wilt U het bestaande bestand vervangen ?</source>
        <translation>The file %1 already exists.<byte value="xd"/>
Do you want to replace it?</translation>
    </message>
    <message>
        <source>Veranderingen in %1 opslaan ?</source>
        <translation>Save changes to %1?</translation>
    </message>
    <message>
        <source>Een andere codering kiezen kan alleen bij tekst zonder opmaak (Ascii text).</source>
        <translation>Another encoding can only be chosen for text without formatting (plain text).</translation>
    </message>
</context>
<context>
    <name>Bestandslijst</name>
    <message>
        <source>Map</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>Bestand</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Geen toegang tot %1,
Het apparaat is niet klaar.</source>
        <translation>No access to %1,
The device is not ready.</translation>
    </message>
    <message>
        <source>Geen bestand geselecteerd.</source>
        <translation>No file selected.</translation>
    </message>
    <message>
        <source>%1 wissen ?</source>
        <translation>Delete %1?</translation>
    </message>
    <message>
        <source>Naam wijzigen</source>
        <translation>Rename</translation>
    </message>
</context>
<context>
    <name>Commando</name>
    <message>
        <source>&amp;Bestand</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Bewerken</source>
        <translation>E&amp;dit</translation>
    </message>
    <message>
        <source>Invoegen</source>
        <translation>I&amp;nsert</translation>
    </message>
    <message>
        <source>Opmaak</source>
        <translation>F&amp;ormat</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>&amp;Nieuw</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>Nieuw (Ctrl+N)</source>
        <translation>New (Ctrl+N)</translation>
    </message>
    <message>
        <source>Wizard nieuwe tab</source>
        <translation>New tab wizard</translation>
    </message>
    <message>
        <source>&amp;Openen</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>Open (Ctrl+O)</source>
        <translation>Open (Ctrl+O)</translation>
    </message>
    <message>
        <source>Opslaan</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Opslaan (Ctrl+S)</source>
        <translation>Save (Ctrl+S)</translation>
    </message>
    <message>
        <source>Opslaan als</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>Opslaan met codering</source>
        <translation>Save with encoding</translation>
    </message>
    <message>
        <source>Opnieuw laden met codering</source>
        <translation>Reload with encoding</translation>
    </message>
    <message>
        <source>Media bestand openen</source>
        <translation>Open media file</translation>
    </message>
    <message>
        <source>Media bestand openen (Ctrl+M)</source>
        <translation>Open media file (Ctrl+M)</translation>
    </message>
    <message>
        <source>Afdrukken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Afdrukken (Ctrl+P)|Bestand afdrukken (Ctrl+P)</source>
        <translation>Print (Ctrl+P)|Print the file (Ctrl+P)</translation>
    </message>
    <message>
        <source>Printer-instelling</source>
        <translation>Printer setup</translation>
    </message>
    <message>
        <source>Afdrukvoorbeeld</source>
        <translation>Print preview</translation>
    </message>
    <message>
        <source> Afdrukvoorbeeld (F2)</source>
        <translation> Print preview (F2)</translation>
    </message>
    <message>
        <source>Exporteren…</source>
        <translation>Export…</translation>
    </message>
    <message>
        <source>Afsluiten</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Ongedaan maken</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Zoeken</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>Zoeken (Ctrl+F)</source>
        <translation>Find (Ctrl+F)</translation>
    </message>
    <message>
        <source>Vervangen</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>Vervangen (Ctrl+R)</source>
        <translation>Replace (Ctrl+R)</translation>
    </message>
    <message>
        <source>Knippen</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>Knippen (Ctrl+X)</source>
        <translation>Cut (Ctrl+X)</translation>
    </message>
    <message>
        <source>Kopiëren</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Kopiëren (Ctrl+C)</source>
        <translation>Copy (Ctrl+C)</translation>
    </message>
    <message>
        <source>Plakken</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Plakken (Ctrl+V)</source>
        <translation>Paste (Ctrl+V)</translation>
    </message>
    <message>
        <source>Verticaal Knippen</source>
        <translation>Vertical Cut</translation>
    </message>
    <message>
        <source>Verticaal Kopiëren</source>
        <translation>Vertical Copy</translation>
    </message>
    <message>
        <source>Verticaal Plakken</source>
        <translation>Vertical Paste</translation>
    </message>
    <message>
        <source>Links Uitlijnen</source>
        <translation>Align Left</translation>
    </message>
    <message>
        <source>Tab controleren</source>
        <translation>Check tab</translation>
    </message>
    <message>
        <source>Herstellen</source>
        <translation>Repair</translation>
    </message>
    <message>
        <source>Alles herstellen</source>
        <translation>Repair all</translation>
    </message>
    <message>
        <source>Alles Selecteren</source>
        <translation>Select All</translation>
    </message>
    <message>
        <source>Startdirectory</source>
        <translation>Start folder</translation>
    </message>
    <message>
        <source>Startdirectory (Esc)</source>
        <translation>Start folder (Esc)</translation>
    </message>
    <message>
        <source>Lege regel tab</source>
        <translation>Empty tab staff</translation>
    </message>
    <message>
        <source>Lege regel tab invoegen (Alt + T )</source>
        <translation>Insert empty tab staff (Alt + T )</translation>
    </message>
    <message>
        <source>Maatstreep</source>
        <translation>Bar line</translation>
    </message>
    <message>
        <source>Maatstreep invoegen (Alt+B)</source>
        <translation>Insert bar line (Alt+B)</translation>
    </message>
    <message>
        <source>Spatie</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>Spatie invoegen (Alt+Spatiebalk)</source>
        <translation>Insert space (Alt+Space bar)</translation>
    </message>
    <message>
        <source>Beginherhaling</source>
        <translation>Start repeat</translation>
    </message>
    <message>
        <source>Beginherhaling invoegen (Alt+[ )</source>
        <translation>Insert start repeat (Alt+[ )</translation>
    </message>
    <message>
        <source>Eindherhaling</source>
        <translation>End repeat</translation>
    </message>
    <message>
        <source>Eindherhaling invoegen (Alt+] )</source>
        <translation>Insert end repeat (Alt+] )</translation>
    </message>
    <message>
        <source>Regeleindes</source>
        <translation>Line ends</translation>
    </message>
    <message>
        <source>Regeleindes invoegen (Alt+E)</source>
        <translation>Insert line ends (Alt+E)</translation>
    </message>
    <message>
        <source>Stemmimg</source>
        <translation>Tuning</translation>
    </message>
    <message>
        <source>Stemming invoegen (Alt+S)</source>
        <translation>Insert tuning (Alt+S)</translation>
    </message>
    <message>
        <source>Akkoordnaam</source>
        <translation>Chord name</translation>
    </message>
    <message>
        <source>Transponeren…</source>
        <translation>Transpose…</translation>
    </message>
    <message>
        <source>Stemming wijzigen…</source>
        <translation>Change tuning…</translation>
    </message>
    <message>
        <source>Capo…</source>
        <translation>Capo…</translation>
    </message>
    <message>
        <source>Lettertype</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>Vet</source>
        <translation>Bold</translation>
    </message>
    <message>
        <source>Vet (Ctrl+B)</source>
        <translation>Bold (Ctrl+B)</translation>
    </message>
    <message>
        <source>Cursief</source>
        <translation>Italic</translation>
    </message>
    <message>
        <source>Cursief (Ctrl+I)</source>
        <translation>Italic (Ctrl+I)</translation>
    </message>
    <message>
        <source>Onderstrepen</source>
        <translation>Underline</translation>
    </message>
    <message>
        <source>Onderstrepen (Ctrl+U)</source>
        <translation>Underline (Ctrl+U)</translation>
    </message>
    <message>
        <source>Kleur</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>Volledig scherm</source>
        <translation>Full screen</translation>
    </message>
    <message>
        <source>Rich text</source>
        <translation>Rich text</translation>
    </message>
    <message>
        <source>Richtext</source>
        <translation>Rich text</translation>
    </message>
    <message>
        <source>Paginanummering</source>
        <translation>Page numbers</translation>
    </message>
    <message>
        <source>Reservekopie</source>
        <translation>Backup copy</translation>
    </message>
    <message>
        <source>Doorlopende tablijnen</source>
        <translation>Continuous tab lines</translation>
    </message>
    <message>
        <source>Kvn formaat naar Ascii</source>
        <translation>Kvn format to ASCII</translation>
    </message>
    <message>
        <source>Opties</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Naam wijzigen</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>Bestand wissen</source>
        <translation>Delete file</translation>
    </message>
    <message>
        <source>Geselecteerd bestand wissen</source>
        <translation>Delete selected file</translation>
    </message>
    <message>
        <source>Stemming toevoegen aan lijst</source>
        <translation>Add tuning to list</translation>
    </message>
    <message>
        <source>Stemming verwijderen uit lijst</source>
        <translation>Remove tuning from list</translation>
    </message>
    <message>
        <source>Lijst met stemmingen opslaan</source>
        <translation>Save list of tunings</translation>
    </message>
    <message>
        <source>Volumeregeling</source>
        <translation>Volume control</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Alleen fixed fonts</source>
        <translation>Fixed-width fonts only</translation>
    </message>
    <message>
        <source>Maatsoorten aan/uit</source>
        <translation>Time signatures on/off</translation>
    </message>
    <message>
        <source>Hele pagina Tab</source>
        <translation>Full page of tab</translation>
    </message>
    <message>
        <source>Tab afspelen</source>
        <translation>Play tab</translation>
    </message>
    <message>
        <source>Tab afspelen (F5)|Tab afspelen vanaf de caret of de selectie (F5)</source>
        <translation>Play tab (F5)|Play the tab from the caret or the selection (F5)</translation>
    </message>
    <message>
        <source>Herhalen</source>
        <translation>Loop</translation>
    </message>
    <message>
        <source>Aftellen</source>
        <translation>Count in</translation>
    </message>
    <message>
        <source>Langzamer oefenen</source>
        <translation>Practise slower</translation>
    </message>
</context>
<context>
    <name>Info</name>
    <message>
        <source>Titel: </source>
        <translation>Title: </translation>
    </message>
    <message>
        <source>Aantal tab-balken: %1</source>
        <translation>Number of staffs: %1</translation>
    </message>
    <message>
        <source>Drive       : </source>
        <translation>Drive       : </translation>
    </message>
    <message>
        <source>Capaciteit  : onbekend</source>
        <translation>Capacity    : unknown</translation>
    </message>
    <message>
        <source>Gebruikt    : onbekend</source>
        <translation>Used        : unknown</translation>
    </message>
    <message>
        <source>Beschikbaar : onbekend</source>
        <translation>Available   : unknown</translation>
    </message>
    <message>
        <source>Capaciteit  : </source>
        <translation>Capacity    : </translation>
    </message>
    <message>
        <source>Gebruikt    : </source>
        <translation>Used        : </translation>
    </message>
    <message>
        <source>Beschikbaar : </source>
        <translation>Available   : </translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Naam:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Aantal tab-balken:</source>
        <translation>Number of staffs:</translation>
    </message>
</context>
<context>
    <name>Instellingen</name>
    <message>
        <source>Opties.txt is deels onbruikbaar; daar gelden de standaardinstellingen.</source>
        <translation>Opties.txt is partly unusable; the default settings apply there.</translation>
    </message>
    <message>
        <source>Fout bij het schrijven van %1</source>
        <translation>Error writing %1</translation>
    </message>
</context>
<context>
    <name>Korvane</name>
    <message>
        <source>Er is geen geluidsuitvoer op deze computer: de tab kan niet worden afgespeeld. Exporteren naar WAV kan wel.</source>
        <translation>This computer has no sound output: the tab cannot be played. Exporting to WAV still works.</translation>
    </message>
    <message>
        <source>De geluidsuitvoer %1 kan geen 16-bit stereo op 44,1 kHz afspelen: de tab kan niet worden afgespeeld.</source>
        <translation>The sound output %1 cannot play 16-bit stereo at 44.1 kHz: the tab cannot be played.</translation>
    </message>
    <message>
        <source>De geluidsuitvoer is gestopt met een fout: het afspelen is afgebroken.</source>
        <translation>The sound output stopped with an error: playback was stopped.</translation>
    </message>
    <message>
        <source>De geluidsuitvoer kan niet worden geopend: de tab kan niet worden afgespeeld.</source>
        <translation>The sound output cannot be opened: the tab cannot be played.</translation>
    </message>
    <message>
        <source>Nylonsnarige gitaar</source>
        <translation>Nylon-string guitar</translation>
    </message>
    <message>
        <source>Staalsnarige gitaar</source>
        <translation>Steel-string guitar</translation>
    </message>
    <message>
        <source>Elektrische gitaar, clean</source>
        <translation>Electric guitar, clean</translation>
    </message>
    <message>
        <source>Gitaar met overdrive</source>
        <translation>Overdriven guitar</translation>
    </message>
    <message>
        <source>Vervormde gitaar</source>
        <translation>Distorted guitar</translation>
    </message>
</context>
<context>
    <name>Media</name>
    <message>
        <source>Geluidsbestand (*.wav *.mp3 *.wma *.mid *.cda)</source>
        <translation>Sound file (*.wav *.mp3 *.wma *.mid *.cda)</translation>
    </message>
    <message>
        <source>Alle bestanden (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>Het bestand kan niet worden gelezen of gedecodeerd (ontbreekt er een plug-in van de multimedia-backend?).</source>
        <translation>The file cannot be read or decoded (is a plug-in of the multimedia back end missing?).</translation>
    </message>
    <message>
        <source>Dit formaat wordt niet ondersteund (ontbreekt er een plug-in van de multimedia-backend?).</source>
        <translation>This format is not supported (is a plug-in of the multimedia back end missing?).</translation>
    </message>
    <message>
        <source>Er is een netwerkfout opgetreden.</source>
        <translation>A network error occurred.</translation>
    </message>
    <message>
        <source>U hebt geen toegang tot dit bestand.</source>
        <translation>You do not have access to this file.</translation>
    </message>
    <message>
        <source>De multimedia-backend kan dit bestand niet afspelen.</source>
        <translation>The multimedia back end cannot play this file.</translation>
    </message>
    <message>
        <source>Het bestand bestaat niet.</source>
        <translation>The file does not exist.</translation>
    </message>
    <message>
        <source>Dit is geen geldig MIDI-bestand.</source>
        <translation>This is not a valid MIDI file.</translation>
    </message>
    <message>
        <source>Er is geen General MIDI-klankbank (SoundFont) gevonden; installeer bijvoorbeeld het pakket timgm6mb-soundfont.</source>
        <translation>No General MIDI sound bank (SoundFont) was found; install, for example, the package timgm6mb-soundfont.</translation>
    </message>
    <message>
        <source>De klankbank %1 kan niet worden geladen. %2</source>
        <translation>The sound bank %1 cannot be loaded. %2</translation>
    </message>
    <message>
        <source>FluidSynth vindt geen geluidsuitvoer (geprobeerd: %1). %2</source>
        <translation>FluidSynth finds no audio output (tried: %1). %2</translation>
    </message>
    <message>
        <source>Het MIDI-bestand kan niet worden geladen. %1</source>
        <translation>The MIDI file cannot be loaded. %1</translation>
    </message>
    <message>
        <source>Mediaspeler</source>
        <translation>Media player</translation>
    </message>
    <message>
        <source>Het mediabestand %1 kan niet worden afgespeeld:
%2</source>
        <translation>The media file %1 cannot be played:
%2</translation>
    </message>
    <message>
        <source>Audio-cd&apos;s kunnen hier niet worden afgespeeld: de multimedia-backend van Qt heeft op dit systeem geen cd-bron (nodig: de GStreamer-backend met de cdparanoia-plugin).</source>
        <translation>Audio CDs cannot be played here: Qt&apos;s multimedia back end has no CD source on this system (needed: the GStreamer back end with the cdparanoia plug-in).</translation>
    </message>
    <message>
        <source>Er is geen mediabestand geopend.</source>
        <translation>No media file is open.</translation>
    </message>
</context>
<context>
    <name>Melding</name>
    <message>
        <source>Deze functie werkt alleen met het Korvane-font.<byte value="xd"/>
Controleer of dit geinstalleerd is.</source>
        <translation>This function works only with the Korvane font.<byte value="xd"/>
Check that it is installed.</translation>
    </message>
    <message>
        <source>Overschakelen op het Korvane-font en de tablijnen nu omzetten ?</source>
        <translation>Switch to the Korvane font and convert the tab lines now?</translation>
    </message>
    <message>
        <source>Pagina %1 van %2</source>
        <translation>Page %1 of %2</translation>
    </message>
    <message>
        <source>3/4   (5 maten per regel)</source>
        <translation>3/4   (5 bars per line)</translation>
    </message>
    <message>
        <source>4/4   (4 maten per regel)</source>
        <translation>4/4   (4 bars per line)</translation>
    </message>
    <message>
        <source>6/8   (5 maten per regel)</source>
        <translation>6/8   (5 bars per line)</translation>
    </message>
    <message>
        <source>12/8 (3 maten per regel)</source>
        <translation>12/8 (3 bars per line)</translation>
    </message>
    <message>
        <source>Geen stemming geselecteerd</source>
        <translation>No tuning selected</translation>
    </message>
    <message>
        <source>%1 komt al voor in de lijst</source>
        <translation>%1 is already in the list</translation>
    </message>
    <message>
        <source>Standaard stemming (EADGBE) kan niet worden gewist.</source>
        <translation>The standard tuning (EADGBE) cannot be deleted.</translation>
    </message>
    <message>
        <source>%1 wissen ?</source>
        <translation>Delete %1?</translation>
    </message>
    <message>
        <source>Lijst met stemmingen opslaan ?</source>
        <translation>Save the list of tunings?</translation>
    </message>
    <message>
        <source>Herstellen kan niet: een teken past niet in de tekenset van het document</source>
        <translation>Cannot repair: a character does not fit in the document&apos;s character set</translation>
    </message>
    <message>
        <source>Akkoordnamen schrijven kan niet: een teken past niet in de tekenset van het document</source>
        <translation>Cannot write chord names: a character does not fit in the document&apos;s character set</translation>
    </message>
    <message>
        <source>De caret staat niet op een tablijn</source>
        <translation>The caret is not on a tab line</translation>
    </message>
    <message>
        <source>Geen noten in kolom %1 van deze balk</source>
        <translation>No notes in column %1 of this staff</translation>
    </message>
    <message>
        <source>De toonhoogtes in deze kolom zijn onbekend: de stemming van de balk is niet te lezen</source>
        <translation>The pitches in this column are unknown: the staff&apos;s tuning cannot be read</translation>
    </message>
    <message>
        <source>Geen akkoord herkend in kolom %1</source>
        <translation>No chord recognised in column %1</translation>
    </message>
    <message>
        <source>Geen ruimte op de akkoordregel voor %1 in kolom %2</source>
        <translation>No room on the chord line for %1 in column %2</translation>
    </message>
    <message>
        <source>Geen akkoord herkend in deze kolom</source>
        <translation>No chord recognised in this column</translation>
    </message>
    <message>
        <source>Geen ruimte op de akkoordregel voor %1</source>
        <translation>No room on the chord line for %1</translation>
    </message>
    <message>
        <source>Fret %1 ligt boven de %2</source>
        <translation>Fret %1 is above %2</translation>
    </message>
    <message>
        <source>Tabteken in de tablijn: het springt naar een tabstop, zodat de kolommen van de snaren niet gelijk lopen</source>
        <translation>Tab character in the tab line: it jumps to a tab stop, so the strings&apos; columns do not line up</translation>
    </message>
    <message>
        <source>Teken %1 (%2) lijkt op %3 maar is het niet; de kolommen lopen scheef</source>
        <translation>Character %1 (%2) looks like %3 but is not; the columns are out of line</translation>
    </message>
    <message>
        <source>de balken ervoor en erna</source>
        <translation>the staffs before and after it</translation>
    </message>
    <message>
        <source>de twee balken erna</source>
        <translation>the two staffs after it</translation>
    </message>
    <message>
        <source>de twee balken ervoor</source>
        <translation>the two staffs before it</translation>
    </message>
    <message>
        <source>Balk heeft %1 snaren, %2 hebben er %3</source>
        <translation>Staff has %1 strings, %2 have %3</translation>
    </message>
    <message>
        <source>Snaarnaam %1 wijkt af van %2, die hier %3 schrijven</source>
        <translation>String name %1 differs from %2, which have %3 here</translation>
    </message>
    <message>
        <source>Slotstreep ontbreekt: de andere snaren van de balk eindigen op een maatstreep</source>
        <translation>Final bar line missing: the staff&apos;s other strings end in a bar line</translation>
    </message>
    <message>
        <source>Maatstreep is niet even breed als op de andere snaren van de balk</source>
        <translation>Bar line is not as wide as on the staff&apos;s other strings</translation>
    </message>
    <message>
        <source>Deze snaar heeft %1 maatstrepen, de langste snaar %2; niet automatisch te herstellen</source>
        <translation>This string has %1 bar lines, the longest string %2; cannot be repaired automatically</translation>
    </message>
    <message>
        <source>Maatstreep staat in kolom %1, op de andere snaren in kolom %2</source>
        <translation>Bar line is in column %1, on the other strings in column %2</translation>
    </message>
    <message>
        <source>Tablijn is %1 teken korter dan de langste snaar van de balk</source>
        <translation>Tab line is %1 character shorter than the longest string of the staff</translation>
    </message>
    <message>
        <source>Tablijn is %1 tekens korter dan de langste snaar van de balk</source>
        <translation>Tab line is %1 characters shorter than the longest string of the staff</translation>
    </message>
    <message>
        <source>Snaarnamen zijn niet even breed: de kolommen van de snaren lopen niet gelijk</source>
        <translation>String names differ in width: the strings&apos; columns do not line up</translation>
    </message>
    <message>
        <source>Balk van %1 snaren: toonhoogtes niet bepaald (twee balken zonder lege regel ertussen?)</source>
        <translation>Staff of %1 strings: pitches not determined (two staffs without an empty line between them?)</translation>
    </message>
    <message>
        <source>Niet alle snaren van de balk hebben een naam; de namen worden genegeerd</source>
        <translation>Not all of the staff&apos;s strings have a name; the names are ignored</translation>
    </message>
    <message>
        <source>De huidige stemming %1 bestaat niet uit nootnamen; toonhoogtes onbekend</source>
        <translation>The current tuning %1 is not made of note names; pitches unknown</translation>
    </message>
    <message>
        <source>Balk van %1 snaren zonder namen, maar de huidige stemming %2 heeft er %3; toonhoogtes onbekend</source>
        <translation>Staff of %1 strings without names, but the current tuning %2 has %3; pitches unknown</translation>
    </message>
    <message>
        <source>Balk van %1 snaren zonder namen, maar de huidige stemming %2 heeft er %3; de gewone stemming voor %1 snaren gebruikt</source>
        <translation>Staff of %1 strings without names, but the current tuning %2 has %3; the standard tuning for %1 strings is used</translation>
    </message>
    <message>
        <source>Woord %1 op de akkoordregel is geen akkoord</source>
        <translation>Word %1 on the chord line is not a chord</translation>
    </message>
    <message>
        <source>Tekst naast de balk niet begrepen: %1</source>
        <translation>Text beside the staff not understood: %1</translation>
    </message>
    <message>
        <source>Flageolet op fret %1 heeft geen bekende toonhoogte</source>
        <translation>Harmonic at fret %1 has no known pitch</translation>
    </message>
    <message>
        <source>Getal %1 is geen fret (meer dan twee cijfers)</source>
        <translation>Number %1 is not a fret (more than two digits)</translation>
    </message>
    <message>
        <source>Teken %1 zonder fret en sluitteken erachter niet begrepen</source>
        <translation>Character %1 without a fret and closing character after it not understood</translation>
    </message>
    <message>
        <source>Teken %1 zonder noot ervoor</source>
        <translation>Character %1 without a note before it</translation>
    </message>
    <message>
        <source>Teken %1 in de tablijn niet begrepen</source>
        <translation>Character %1 in the tab line not understood</translation>
    </message>
    <message>
        <source>Tekst %1 in de tablijn niet begrepen</source>
        <translation>Text %1 in the tab line not understood</translation>
    </message>
    <message>
        <source>Maatstreep staat niet op alle snaren</source>
        <translation>Bar line is not on every string</translation>
    </message>
    <message>
        <source>Herhaalteken %1 staat niet naast een maatstreep</source>
        <translation>Repeat sign %1 is not next to a bar line</translation>
    </message>
    <message>
        <source>Capo-aanduiding %1 niet begrepen</source>
        <translation>Capo marking %1 not understood</translation>
    </message>
    <message>
        <source>snaar %1</source>
        <translation>string %1</translation>
    </message>
    <message>
        <source>de tabbalk heeft %1 snaren, de stemming %2; hij is niet veranderd</source>
        <translation>the staff has %1 strings, the tuning %2; it has not been changed</translation>
    </message>
    <message>
        <source>de stemming van de tabbalk is onbekend; hij is niet veranderd</source>
        <translation>the staff&apos;s tuning is unknown; it has not been changed</translation>
    </message>
    <message>
        <source>de flageolet &lt;%1&gt; op %2 heeft op een andere fret niet dezelfde klank; ze is gebleven</source>
        <translation>the harmonic &lt;%1&gt; on %2 does not sound the same at another fret; it has been left as it was</translation>
    </message>
    <message>
        <source>de noot %1 op %2 zou fret %3 worden en past niet op een vrije plaats van een andere snaar; ze is gebleven</source>
        <translation>the note %1 on %2 would become fret %3 and does not fit in a free place on another string; it has been left as it was</translation>
    </message>
    <message>
        <source>de stemming &quot;%1&quot; bestaat niet uit nootnamen</source>
        <translation>the tuning &quot;%1&quot; is not made of note names</translation>
    </message>
    <message>
        <source>Er staat geen tabbalk op de plaats van de caret of in de selectie.</source>
        <translation>There is no staff at the caret or in the selection.</translation>
    </message>
    <message>
        <source>Niet alles kon worden omgezet:</source>
        <translation>Not everything could be converted:</translation>
    </message>
    <message>
        <source>Regel %1, kolom %2: </source>
        <translation>Line %1, column %2: </translation>
    </message>
    <message>
        <source>... en nog %1</source>
        <translation>... and %1 more</translation>
    </message>
    <message>
        <source>De akkoordnaam past niet in de tekenset van het document</source>
        <translation>The chord name does not fit in the document&apos;s character set</translation>
    </message>
    <message>
        <source>Er is geen General MIDI-klankbank (SoundFont) gevonden; installeer bijvoorbeeld het pakket timgm6mb-soundfont</source>
        <translation>No General MIDI SoundFont was found; install, for example, the package timgm6mb-soundfont</translation>
    </message>
    <message>
        <source>FluidSynth kan niet starten</source>
        <translation>FluidSynth cannot start</translation>
    </message>
    <message>
        <source>De klankbank %1 kan niet worden gelezen</source>
        <translation>The SoundFont %1 cannot be read</translation>
    </message>
    <message>
        <source>Het stuk duurt te lang voor een WAV-bestand</source>
        <translation>The piece is too long for a WAV file</translation>
    </message>
</context>
<context>
    <name>Muziekdialoog</name>
    <message>
        <source>Transponeren</source>
        <translation>Transpose</translation>
    </message>
    <message>
        <source>&amp;Halve tonen:</source>
        <translation>&amp;Semitones:</translation>
    </message>
    <message>
        <source>Stemming wijzigen</source>
        <translation>Change tuning</translation>
    </message>
    <message>
        <source>&amp;Nieuwe stemming:</source>
        <translation>&amp;New tuning:</translation>
    </message>
    <message>
        <source>Capo</source>
        <translation>Capo</translation>
    </message>
    <message>
        <source>geen capo</source>
        <translation>no capo</translation>
    </message>
    <message>
        <source>&amp;Capo op fret:</source>
        <translation>&amp;Capo at fret:</translation>
    </message>
    <message>
        <source>De tabbalken in de selectie</source>
        <translation>The staffs in the selection</translation>
    </message>
    <message>
        <source>De tabbalk bij de caret</source>
        <translation>The staff at the caret</translation>
    </message>
    <message>
        <source>Het hele document</source>
        <translation>The whole document</translation>
    </message>
    <message>
        <source>&amp;Bereik:</source>
        <translation>&amp;Range:</translation>
    </message>
    <message>
        <source>Annuleren</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>Programmas</name>
    <message>
        <source>Er is geen volumeregeling gevonden. Installeer bijvoorbeeld pavucontrol.</source>
        <translation>No volume control was found. Install, for example, pavucontrol.</translation>
    </message>
    <message>
        <source>De volumeregeling %1 kon niet worden gestart.</source>
        <translation>The volume control %1 could not be started.</translation>
    </message>
    <message>
        <source>Er is geen webbrowser gevonden. Installeer bijvoorbeeld firefox-esr.</source>
        <translation>No web browser was found. Install, for example, firefox-esr.</translation>
    </message>
    <message>
        <source>De webbrowser %1 kon niet worden gestart.</source>
        <translation>The web browser %1 could not be started.</translation>
    </message>
</context>
<context>
    <name>Prompter</name>
    <message>
        <source>Bevestigen</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>Waarschuwing</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Fout</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Informatie</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>&amp;Ja</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;Nee</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Annuleren</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>Zoeken</name>
    <message>
        <source>&quot;%1&quot; niet gevonden</source>
        <translation>&quot;%1&quot; not found</translation>
    </message>
    <message>
        <source>Zoeken</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>&amp;Hoofdlettergevoelig</source>
        <translation>&amp;Match case</translation>
    </message>
    <message>
        <source>&amp;Volgende zoeken</source>
        <translation>Find &amp;next</translation>
    </message>
    <message>
        <source>Annuleren</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>&amp;Zoeken naar:</source>
        <translation>Fi&amp;nd what:</translation>
    </message>
    <message>
        <source>Vervangen</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>&amp;Vervangen</source>
        <translation>&amp;Replace</translation>
    </message>
    <message>
        <source>&amp;Alles vervangen</source>
        <translation>Replace &amp;all</translation>
    </message>
    <message>
        <source>Vervangen &amp;door:</source>
        <translation>Replace &amp;with:</translation>
    </message>
</context>
<context>
    <name>korvane-cli</name>
    <message>
        <source>onbekend papierformaat &apos;%1&apos; (A4 of Letter)</source>
        <translation>unknown paper size &apos;%1&apos; (A4 or Letter)</translation>
    </message>
    <message>
        <source>kan PDF %1 niet schrijven</source>
        <translation>cannot write PDF %1</translation>
    </message>
    <message>
        <source>ongeldige stap &apos;%1&apos;: verwacht %2 getallen van 0 of meer, gescheiden door komma&apos;s</source>
        <translation>invalid step &apos;%1&apos;: expected %2 numbers of 0 or more, separated by commas</translation>
    </message>
    <message>
        <source>ongeldige stap &apos;%1&apos;: verwacht %2 getallen</source>
        <translation>invalid step &apos;%1&apos;: expected %2 numbers</translation>
    </message>
    <message>
        <source>ongeldige stap &apos;%1&apos;: tekst is geen geldige UTF-8</source>
        <translation>invalid step &apos;%1&apos;: text is not valid UTF-8</translation>
    </message>
    <message>
        <source>ongeldige stap &apos;%1&apos;: %2 heeft geen waarde</source>
        <translation>invalid step &apos;%1&apos;: %2 takes no value</translation>
    </message>
    <message>
        <source>onbekende stap &apos;%1&apos; (zie --help)</source>
        <translation>unknown step &apos;%1&apos; (see --help)</translation>
    </message>
    <message>
        <source>ongeldige stap &apos;%1&apos;: de tabbreedte is een getal van 20 tot en met 90</source>
        <translation>invalid step &apos;%1&apos;: the tab width is a number from 20 to 90</translation>
    </message>
    <message>
        <source>ongeldige stap &apos;%1&apos;: kies off, 3/4, 4/4, 6/8 of 12/8</source>
        <translation>invalid step &apos;%1&apos;: choose off, 3/4, 4/4, 6/8 or 12/8</translation>
    </message>
    <message>
        <source>ongeldige stap &apos;%1&apos;: de capo is een fret van 0 tot en met 24</source>
        <translation>invalid step &apos;%1&apos;: the capo is a fret from 0 to 24</translation>
    </message>
    <message>
        <source>ongeldige stap &apos;%1&apos;: transponeer met -12 tot en met 12 halve tonen</source>
        <translation>invalid step &apos;%1&apos;: transpose by -12 to 12 semitones</translation>
    </message>
    <message>
        <source>ongeldige stap &apos;%1&apos;: noem de stemming, zoals DADGBE</source>
        <translation>invalid step &apos;%1&apos;: name the tuning, such as DADGBE</translation>
    </message>
    <message>
        <source>ongeldige stap &apos;%1&apos;: regel %2 bestaat niet (het document heeft %3 regels)</source>
        <translation>invalid step &apos;%1&apos;: line %2 does not exist (the document has %3 lines)</translation>
    </message>
    <message>
        <source>ongeldige stap &apos;%1&apos;: kolom %2 ligt voorbij het einde van regel %3 (%4 tekens)</source>
        <translation>invalid step &apos;%1&apos;: column %2 lies beyond the end of line %3 (%4 characters)</translation>
    </message>
    <message>
        <source>het bestand of de map bestaat niet</source>
        <translation>the file or folder does not exist</translation>
    </message>
    <message>
        <source>geen toestemming</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>het is een map</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>een deel van het pad is geen map</source>
        <translation>part of the path is not a folder</translation>
    </message>
    <message>
        <source>de symbolische koppelingen vormen een kring</source>
        <translation>the symbolic links form a loop</translation>
    </message>
    <message>
        <source>de naam is te lang</source>
        <translation>the name is too long</translation>
    </message>
    <message>
        <source>invoer-/uitvoerfout</source>
        <translation>input/output error</translation>
    </message>
    <message>
        <source>de schijf is vol</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>het schijfquotum is op</source>
        <translation>the disk quota is used up</translation>
    </message>
    <message>
        <source>het bestand wordt te groot</source>
        <translation>the file would become too large</translation>
    </message>
    <message>
        <source>het bestandssysteem is alleen-lezen</source>
        <translation>the file system is read-only</translation>
    </message>
    <message>
        <source>die is gesloten</source>
        <translation>it is closed</translation>
    </message>
    <message>
        <source>onvoldoende geheugen</source>
        <translation>not enough memory</translation>
    </message>
    <message>
        <source>de ontvanger is gestopt</source>
        <translation>the receiver has stopped</translation>
    </message>
    <message>
        <source>systeemfout %1 (%2)</source>
        <translation>system error %1 (%2)</translation>
    </message>
    <message>
        <source>kan %1 niet lezen: %2</source>
        <translation>cannot read %1: %2</translation>
    </message>
    <message>
        <source>groter dan %1</source>
        <translation>larger than %1</translation>
    </message>
    <message>
        <source>de standaardinvoer</source>
        <translation>standard input</translation>
    </message>
    <message>
        <source>kan bestand %1 niet openen: %2</source>
        <translation>cannot open file %1: %2</translation>
    </message>
    <message>
        <source>bestand %1</source>
        <translation>file %1</translation>
    </message>
    <message>
        <source>%1: onbekende codering &quot;%2&quot; (kies utf-8, utf-8-bom, utf-16le, utf-16be of windows-1252)</source>
        <translation>%1: unknown encoding &quot;%2&quot; (choose utf-8, utf-8-bom, utf-16le, utf-16be or windows-1252)</translation>
    </message>
    <message>
        <source>de invoer is geen geldige %1-tekst</source>
        <translation>the input is not valid %1 text</translation>
    </message>
    <message>
        <source>kan niet schrijven als %1: het teken %2 op regel %3, kolom %4 (vanaf 1) bestaat niet in die codering; er is niets geschreven</source>
        <translation>cannot write as %1: the character %2 on line %3, column %4 (counting from 1) does not exist in that encoding; nothing has been written</translation>
    </message>
    <message>
        <source>kan bestand %1 niet schrijven: %2</source>
        <translation>cannot write file %1: %2</translation>
    </message>
    <message>
        <source>het is schrijfbeveiligd</source>
        <translation>it is write-protected</translation>
    </message>
    <message>
        <source>de map laat er geen nieuw bestand naast maken (%1)</source>
        <translation>the folder does not allow a new file beside it (%1)</translation>
    </message>
    <message>
        <source>kan bestand %1 niet vervangen: eigenaar en groep zouden veranderen</source>
        <translation>cannot replace file %1: owner and group would change</translation>
    </message>
    <message>
        <source>--lang verwacht nl of en</source>
        <translation>--lang expects nl or en</translation>
    </message>
    <message>
        <source>-o zonder bestandsnaam</source>
        <translation>-o without a file name</translation>
    </message>
    <message>
        <source>%1 zonder codering</source>
        <translation>%1 without an encoding</translation>
    </message>
    <message>
        <source>%1 zonder waarde</source>
        <translation>%1 without a value</translation>
    </message>
    <message>
        <source>--tempo verwacht een getal van 20 tot en met 400</source>
        <translation>--tempo expects a number from 20 to 400</translation>
    </message>
    <message>
        <source>geen bestand opgegeven (zie --help)</source>
        <translation>no file given (see --help)</translation>
    </message>
    <message>
        <source>-o en -i gaan niet samen</source>
        <translation>-o and -i cannot be combined</translation>
    </message>
    <message>
        <source>-i kan niet met de standaardinvoer</source>
        <translation>-i cannot be used with standard input</translation>
    </message>
    <message>
        <source>kan niet naar de standaarduitvoer schrijven: %1</source>
        <translation>cannot write to standard output: %1</translation>
    </message>
    <message>
        <source>onvoldoende geheugen voor deze invoer</source>
        <translation>not enough memory for this input</translation>
    </message>
    <message>
        <source>onverwachte fout</source>
        <translation>unexpected error</translation>
    </message>
    <message>
        <source>regel %1, kolom %2: %3</source>
        <translation>line %1, column %2: %3</translation>
    </message>
    <message>
        <source>Gebruik: korvane-cli BESTAND [-o UIT | -i] [--state] STAP...
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
                      &quot;BESTAND:REGEL:KOLOM: melding&quot; (vanaf 1) op de
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
&quot;korvane: TEKST&quot;; vragen worden met ja beantwoord. Stappen die in het venster
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

Met --export worden de pagina&apos;s na de stappen afgedrukt naar UIT.pdf, met
dezelfde opmaak als Afdrukken in het venster (papier A4 tenzij --page-size
Letter; lettertype en grootte uit &quot;Opties.txt&quot; als dat er is). Met UIT.mid
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
</source>
        <translation>Usage: korvane-cli FILE [-o OUT | -i] [--state] STEP...
       korvane-cli FILE --export OUT.pdf [--page-size A4|Letter] [STEP...]
       korvane-cli FILE --export OUT.mid|OUT.musicxml|OUT.wav [--tempo N] [STEP...]

Reads FILE (- = standard input) in its own encoding, runs the steps in order
and writes the result to OUT, with -i back to FILE (through a temporary file
that is renamed over it), or else to standard output, in the same encoding.
Line breaks may be CR LF, LF or a lone CR; the result takes the style of the
first line break in the file (CR LF if it has none). All other characters stay
as they are.

Encoding: a byte-order mark (UTF-8, UTF-16 LE/BE) decides; otherwise valid
UTF-8 with at least one character outside ASCII is UTF-8; otherwise pure ASCII
is UTF-8 and everything else Windows-1252 (which reads any byte).
  --from ENCODING     read the input in this encoding
  --to ENCODING       write the result in this encoding; a character that
                      encoding cannot hold gives exit status 2, with line and
                      column, and nothing is written
  ENCODING: utf-8, utf-8-bom, utf-16le, utf-16be, windows-1252

Steps:
  caret=L,C           caret on line L, column C (both counted from 0)
  select=L1,C1,L2,C2  selection between two points, in either order
  type=TEXT           replaces the selection as typing does; \n is a line
                      break, \\ a backslash (TEXT in UTF-8)
  tuning=TEXT         the tuning (default EADGBE)
  width=N             the tab width, 20 to 90 (default 80)
  time=off|3/4|4/4|6/8|12/8
                      time signatures off, or on with that time signature
  staff               insert an empty staff
  bar | space | repeat-begin | repeat-end
                      bar line, space, start or end repeat at the caret
                      column of the staff under the caret
  tuning-column | line-ends | left-align
                      insert tuning, line ends, align left
  vcopy | vcut | vpaste
                      vertical copy, cut and paste
  undo                undo (the typing&apos;s own undo, otherwise the line
                      snapshot of the last column command)
  lines               continuous tab lines (as if the Korvane font were active)
  ascii               kvn format to ASCII
  full-page           full page of tab (replaces the document without asking:
                      the result is only written at the end anyway)
  analyze             run the tab analysis again
  check               check the tab: each finding as
                      &quot;FILE:LINE:COLUMN: message&quot; (counted from 1) on
                      standard output
  repair              repair everything the check can repair
  chords              name every column of three or more notes on the chord
                      line above the staff (added where needed)
  transpose=N         transpose by N semitones (-12 to 12): the staffs in
                      the selection, without a selection all of them
  retune=TUNING       another tuning (such as DADGBE) with the same pitches,
                      for the same staffs
  capo=N              capo at fret N (0 = none), pitches stay the same

Messages the window would show go to standard error as &quot;korvane: TEXT&quot;;
questions are answered with yes. Steps that would be disabled in the window
(vcopy and vcut without a selection, vpaste before anything has been copied
vertically) do nothing. With --state the last line on standard error is:
  caret=OFFSET line=L column=C selection=N staffs=S modified=0|1

FILE may be at most 1 GiB: a larger file is not read, and an input without an
end (a device, a pipe) is cut off at that limit. If OUT is a symbolic link, the
file it points to is written, even if that does not exist yet. A file you may
not change is not replaced; a replaced file keeps its owner, group and
permissions.

With --export the pages are printed to OUT.pdf after the steps, with the same
layout as Print in the window (A4 paper unless --page-size Letter; font and
size from &quot;Opties.txt&quot; if there is one). With OUT.mid (or .midi) it becomes a
MIDI file, with OUT.musicxml (or .xml) MusicXML, with OUT.wav sound (16-bit
stereo, 44.1 kHz) through FluidSynth and a General MIDI SoundFont
(KORVANE_SOUNDFONT or the system&apos;s; without a SoundFont exit status 2);
--tempo N (20 to 400) applies where the text itself names no tempo (otherwise
100). Without -o or -i the text then goes nowhere.

With check the text goes nowhere without -o or -i, so that only the findings
are on standard output.

Exit status 0 on success, 1 if the last check found something; 2 with a
one-line reason for an invalid step, an unreadable, too large or endless FILE
or an unwritable OUT; then nothing is written.
</translation>
    </message>
    <message>
        <source>onbekend exportformaat voor %1 (.pdf, .mid, .musicxml of .wav)</source>
        <translation>unknown export format for %1 (.pdf, .mid, .musicxml or .wav)</translation>
    </message>
    <message>
        <source>het hulpprogramma %1 ontbreekt naast korvane-cli</source>
        <translation>the helper program %1 is missing beside korvane-cli</translation>
    </message>
    <message>
        <source>%1 start niet</source>
        <translation>%1 does not start</translation>
    </message>
    <message>
        <source>%1 maakte geen geluid</source>
        <translation>%1 made no sound</translation>
    </message>
    <message>
        <source>korvane-pdf wordt door korvane-cli gestart: korvane-pdf BESTANDSNAAM PDF PAPIER, met de tekst op de standaardinvoer</source>
        <translation>korvane-pdf is started by korvane-cli: korvane-pdf FILENAME PDF PAPER, with the text on standard input</translation>
    </message>
    <message>
        <source>korvane-wav wordt door korvane-cli gestart: korvane-wav TIKKEN TEMPI, met het MIDI-bestand op de standaardinvoer</source>
        <translation>korvane-wav is started by korvane-cli: korvane-wav TICKS TEMPOS, with the MIDI file on standard input</translation>
    </message>
    <message>
        <source>er is geen geluid gemaakt</source>
        <translation>no sound was made</translation>
    </message>
</context>
<context>
    <name>korvane::TForm1</name>
    <message>
        <source>Rich text</source>
        <translation>Rich text</translation>
    </message>
    <message>
        <source>Ascii text</source>
        <translation>Plain text</translation>
    </message>
    <message>
        <source>Overschrijven</source>
        <translation>Overwrite</translation>
    </message>
    <message>
        <source>Invoegen</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Tabbreedte</source>
        <translation>Tab width</translation>
    </message>
    <message>
        <source>Stemmingen</source>
        <translation>Tunings</translation>
    </message>
    <message>
        <source>Mediaspeler</source>
        <translation>Media player</translation>
    </message>
    <message>
        <source>  Regel: %1   Kolom: %2</source>
        <translation>  Line: %1   Column: %2</translation>
    </message>
    <message>
        <source>Veranderd</source>
        <translation>Modified</translation>
    </message>
    <message>
        <source>Exporteren</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Het bestand %1 bestaat al.<byte value="xd"/>
Wilt U het bestaande bestand vervangen ?</source>
        <translation>The file %1 already exists.<byte value="xd"/>
Do you want to replace it?</translation>
    </message>
    <message>
        <source>Er staan geen noten in een tabbalk: er is niets te exporteren</source>
        <translation>There are no notes in any staff: there is nothing to export</translation>
    </message>
    <message>
        <source>Kan bestand %1 niet schrijven: %2</source>
        <translation>Cannot write file %1: %2</translation>
    </message>
    <message>
        <source>Map %1 niet gevonden.</source>
        <translation>Folder %1 not found.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is geen geldig geheel getal</source>
        <translation>&apos;%1&apos; is not a valid whole number</translation>
    </message>
    <message>
        <source>Bevindingen</source>
        <translation>Findings</translation>
    </message>
    <message>
        <source>Regel %1, kolom %2: %3</source>
        <translation>Line %1, column %2: %3</translation>
    </message>
    <message>
        <source>Niet automatisch te herstellen</source>
        <translation>Cannot be repaired automatically</translation>
    </message>
    <message>
        <source>Geen fouten gevonden</source>
        <translation>No faults found</translation>
    </message>
    <message>
        <source>Ook mogelijk: %1</source>
        <translation>Also possible: %1</translation>
    </message>
    <message>
        <source>Tempo van Tab afspelen</source>
        <translation>Tempo of Play tab</translation>
    </message>
    <message>
        <source>Tempo van Tab afspelen, in tellen per minuut</source>
        <translation>Tempo of Play tab, in beats per minute</translation>
    </message>
    <message>
        <source>Gitaarklank van afspelen en exporteren</source>
        <translation>Guitar sound for playing and exporting</translation>
    </message>
    <message>
        <source>Gitaarklank van afspelen en exporteren; basstemmingen klinken als bas</source>
        <translation>Guitar sound for playing and exporting; bass tunings sound as a bass</translation>
    </message>
    <message>
        <source>Er staan geen noten in een tabbalk: er is niets af te spelen</source>
        <translation>There are no notes in a staff: there is nothing to play</translation>
    </message>
    <message>
        <source>In de selectie staan geen noten om af te spelen</source>
        <translation>There are no notes in the selection to play</translation>
    </message>
</context>
<context>
    <name>korvane::TForm2</name>
    <message>
        <source>Leeg scherm</source>
        <translation>Empty screen</translation>
    </message>
    <message>
        <source>Wizard nieuwe tab</source>
        <translation>New tab wizard</translation>
    </message>
    <message>
        <source>Laatste file</source>
        <translation>Last file</translation>
    </message>
    <message>
        <source>Opties</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Selecteren</source>
        <translation>Select</translation>
    </message>
    <message>
        <source>Alleen fixed-fonts</source>
        <translation>Fixed-width fonts only</translation>
    </message>
    <message>
        <source>Rich text</source>
        <translation>Rich text</translation>
    </message>
    <message>
        <source>Opstarten met volledig scherm</source>
        <translation>Start in full screen</translation>
    </message>
    <message>
        <source>Reservekopie maken bij opslaan en wissen</source>
        <translation>Make a backup copy when saving and deleting</translation>
    </message>
    <message>
        <source>Paginanummering</source>
        <translation>Page numbers</translation>
    </message>
    <message>
        <source>Systeem</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Opstarten met</source>
        <translation>Start with</translation>
    </message>
    <message>
        <source>Opslaan</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Annuleren</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Tab-directory:</source>
        <translation>Tab folder:</translation>
    </message>
    <message>
        <source>Media-directory:</source>
        <translation>Media folder:</translation>
    </message>
    <message>
        <source>Editor-font:</source>
        <translation>Editor font:</translation>
    </message>
    <message>
        <source>Printer-font:</source>
        <translation>Printer font:</translation>
    </message>
    <message>
        <source>Codering nieuwe documenten:</source>
        <translation>Encoding of new documents:</translation>
    </message>
    <message>
        <source>Taal:</source>
        <translation>Language:</translation>
    </message>
    <message>
        <source>Map selecteren</source>
        <translation>Select folder</translation>
    </message>
    <message>
        <source>De map %1 bestaat niet.<byte value="xd"/>
Wilt U deze map aanmaken ?</source>
        <translation>The folder %1 does not exist.<byte value="xd"/>
Do you want to create it?</translation>
    </message>
    <message>
        <source>De map %1 kan niet worden aangemaakt.</source>
        <translation>The folder %1 cannot be created.</translation>
    </message>
</context>
<context>
    <name>korvane::TTabwizard</name>
    <message>
        <source>Geen</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Nieuwe tab</source>
        <translation>New tab</translation>
    </message>
    <message>
        <source>Tabbreedte:</source>
        <translation>Tab width:</translation>
    </message>
    <message>
        <source>Maatsoort</source>
        <translation>Time signature</translation>
    </message>
    <message>
        <source>Hele pagina</source>
        <translation>Full page</translation>
    </message>
    <message>
        <source>Aantal balken</source>
        <translation>Number of staffs</translation>
    </message>
    <message>
        <source>Annuleren</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Standaard instellingen</source>
        <translation>Default settings</translation>
    </message>
    <message>
        <source>Titel:</source>
        <translation>Title:</translation>
    </message>
    <message>
        <source>Artiest:</source>
        <translation>Artist:</translation>
    </message>
    <message>
        <source>Capo:</source>
        <translation>Capo:</translation>
    </message>
    <message>
        <source>Stemming:</source>
        <translation>Tuning:</translation>
    </message>
</context>
</TS>
