// Documents on disk: the byte-exact plain-text form, RTF, backups, the atomic
// save and the main window's file commands.
#include "files/documentfiles.h"

#include "files/bytenamen.h"
#include "files/rtf.h"
#include "files/textcodec.h"
#include "files/usersettings.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextDocument>

#include <array>
#include <vector>

namespace korvane {
namespace {

// The document's own line break travels with its QTextDocument.
constexpr const char* kRegelEindeEigenschap = "korvaneRegelEinde";
constexpr const char* kLeegVolger = "korvaneLeegVolger";
constexpr const char* kCoderingEigenschap = "korvaneCodering";
// UTF-16 read without a byte-order mark is written back without one.
constexpr const char* kZonderBom = "korvaneZonderBom";

void ZetRegelEinde(QTextDocument& doc, RegelEinde einde)
{
    doc.setProperty(kRegelEindeEigenschap, static_cast<int>(einde));
}

bool IsScheiding(QChar c)
{
#ifdef Q_OS_WIN
    return c == u'/' || c == u'\\' || c == u':';
#else
    return c == u'/';
#endif
}

qsizetype NaamBegin(const QString& pad)
{
    for (qsizetype i = pad.size(); i > 0; --i)
        if (IsScheiding(pad.at(i - 1)))
            return i;
    return 0;
}

// Position of the extension's "." in `pad`, or -1.
qsizetype ExtensiePositie(const QString& pad)
{
    const qsizetype punt = pad.lastIndexOf(u'.');
    return punt >= NaamBegin(pad) ? punt : -1;
}

QString Pad(const QString& pad)
{
    return QDir::toNativeSeparators(pad);
}

// Qt's own error strings are English; the user reads why in Dutch.
QString SchrijfReden(QFileDevice::FileError fout)
{
    switch (fout) {
    case QFileDevice::ResourceError:
        return QCoreApplication::translate("Bestanden", "Er is niet genoeg ruimte op het apparaat.");
    case QFileDevice::PermissionsError:
        return QCoreApplication::translate("Bestanden", "U hebt geen toestemming om dit bestand te schrijven.");
    case QFileDevice::RenameError:
        return QCoreApplication::translate("Bestanden", "Het nieuwe bestand kon niet op de plaats van het oude worden gezet.");
    default:
        return QCoreApplication::translate("Bestanden", "Het bestand kon niet volledig worden geschreven.");
    }
}

QString SchrijfFout(const QString& pad, QFileDevice::FileError fout)
{
    return QCoreApplication::translate("Bestanden", "Fout bij het schrijven van %1\r\n%2").arg(Pad(pad), SchrijfReden(fout));
}

} // namespace

RegelEinde DocumentRegelEinde(const QTextDocument& doc)
{
    const QVariant v = doc.property(kRegelEindeEigenschap);
    if (!v.isValid())
        return RegelEinde::CrLf;
    const int n = v.toInt();
    return n == 1 ? RegelEinde::Lf : n == 2 ? RegelEinde::Cr : RegelEinde::CrLf;
}

Codering DocumentCodering(const QTextDocument& doc)
{
    const QVariant v = doc.property(kCoderingEigenschap);
    if (!v.isValid())
        return NieuweCodering();
    const int n = v.toInt();
    return n >= 0 && n <= static_cast<int>(Codering::Windows1252) ? static_cast<Codering>(n) : NieuweCodering();
}

void ZetDocumentCodering(QTextDocument& doc, Codering codering)
{
    doc.setProperty(kCoderingEigenschap, static_cast<int>(codering));
}

bool LaadPlatteTekst(QPlainTextEdit& editor, const QByteArray& bytes, std::optional<Codering> gevraagd)
{
    const std::string_view ruw(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    Codering codering = gevraagd ? MetEigenBom(ruw, *gevraagd) : HerkenCodering(ruw, NieuweCodering());
    std::optional<QString> gelezen = DecodeerQString(bytes, codering);
    if (!gelezen && !gevraagd) {
        // A mark that promises more than the file keeps: every byte still
        // reads as Windows-1252, and so survives a save.
        codering = Codering::Windows1252;
        gelezen = DecodeerQString(bytes, codering);
    }
    if (!gelezen)
        return false;
    QString tekst = std::move(*gelezen);
    const qsizetype n = tekst.size();
    QChar* uit = tekst.data();
    const QChar* in = uit;
    qsizetype lengte = 0;
    // One entry per line break, in order.
    std::vector<unsigned char> eindes;
    std::array<qsizetype, 3> aantal{};
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t b = in[i].unicode();
        if (b == u'\r' || b == u'\n') {
            RegelEinde e = RegelEinde::Lf;
            if (b == u'\r') {
                e = RegelEinde::Cr;
                if (i + 1 < n && in[i + 1] == u'\n') {
                    e = RegelEinde::CrLf;
                    ++i;
                }
            }
            eindes.push_back(static_cast<unsigned char>(e));
            ++aantal[static_cast<std::size_t>(e)];
            uit[lengte++] = u'\n';
        } else {
            uit[lengte++] = in[i];
        }
    }
    tekst.truncate(lengte);

    // Ties go to CR LF, then LF.
    RegelEinde eigen = RegelEinde::CrLf;
    if (aantal[1] > aantal[0] && aantal[1] >= aantal[2])
        eigen = RegelEinde::Lf;
    else if (aantal[2] > aantal[0] && aantal[2] > aantal[1])
        eigen = RegelEinde::Cr;

    editor.setPlainText(tekst);
    QTextDocument& doc = *editor.document();
    ZetRegelEinde(doc, eigen);
    ZetDocumentCodering(doc, codering);
    doc.setProperty(kZonderBom, (codering == Codering::Utf16LE || codering == Codering::Utf16BE)
                                    && BomLengte(ruw, codering) == 0);
    if (!doc.property(kLeegVolger).toBool()) {
        // A document emptied completely (New, the wizard, select all and
        // delete) starts again with CR LF.
        doc.setProperty(kLeegVolger, true);
        QObject::connect(&doc, &QTextDocument::contentsChanged, &doc, [d = &doc] {
            if (d->isEmpty())
                ZetRegelEinde(*d, RegelEinde::CrLf);
        });
    }
    // A block's state records the break in front of it, so a line the user
    // adds with Enter after it gets the document's own break, and the line it
    // was split from keeps its original one.
    QTextBlock block = doc.begin().next();
    for (std::size_t k = 0; k < eindes.size() && block.isValid(); ++k, block = block.next())
        if (eindes[k] != static_cast<unsigned char>(eigen))
            block.setUserState(eindes[k]);
    return true;
}

PlatteTekst PlatteTekstBytes(const QTextDocument& doc, std::optional<Codering> codering)
{
    const RegelEinde eigen = DocumentRegelEinde(doc);
    // The break in front of each block, read from the block states; only the
    // exceptions are kept.
    std::vector<std::pair<int, RegelEinde>> uitzonderingen;
    int nummer = 0;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next(), ++nummer) {
        const int s = block.userState();
        if (nummer > 0 && s >= 0 && s <= 2 && static_cast<RegelEinde>(s) != eigen)
            uitzonderingen.emplace_back(nummer, static_cast<RegelEinde>(s));
    }

    // The raw text holds every character as stored, blocks separated by
    // U+2029 (toPlainText would turn no-break spaces into blanks).
    const QString tekst = doc.toRawText();
    const QChar* c = tekst.constData();
    const qsizetype n = tekst.size();
    QString metEindes(n + doc.blockCount(), Qt::Uninitialized);
    QChar* p = metEindes.data();
    qsizetype geschreven = 0;
    int blok = 0;
    std::size_t volgende = 0;
    for (qsizetype i = 0; i < n; ++i) {
        if (c[i] != QChar::ParagraphSeparator) {
            p[geschreven++] = c[i];
            continue;
        }
        ++blok;
        RegelEinde e = eigen;
        if (volgende < uitzonderingen.size() && uitzonderingen[volgende].first == blok)
            e = uitzonderingen[volgende++].second;
        if (e != RegelEinde::Lf)
            p[geschreven++] = u'\r';
        if (e != RegelEinde::Cr)
            p[geschreven++] = u'\n';
    }
    metEindes.truncate(geschreven);
    const Codering eigenCodering = DocumentCodering(doc);
    const Codering doel = codering.value_or(eigenCodering);
    const bool metBom = doel != eigenCodering || !doc.property(kZonderBom).toBool();
    QStringGecodeerd gecodeerd = CodeerQString(metEindes, doel, metBom);
    return PlatteTekst{std::move(gecodeerd.bytes), std::move(gecodeerd.onbewaarbaar)};
}

QString NaamDeel(const QString& pad)
{
    return pad.mid(NaamBegin(pad));
}

QString Extensie(const QString& pad)
{
    const qsizetype punt = ExtensiePositie(pad);
    return punt < 0 ? QString() : pad.mid(punt);
}

QString VervangExtensie(const QString& pad, const QString& extensie)
{
    const qsizetype punt = ExtensiePositie(pad);
    return (punt < 0 ? pad : pad.left(punt)) + extensie;
}

QString BackupNaam(const QString& bestandsnaam)
{
    QString ext = Extensie(bestandsnaam);
    if (ext.isEmpty())
        ext = QStringLiteral("~");
    else
        ext.insert(1, u'~');
    return VervangExtensie(bestandsnaam, ext);
}

void Backup(const QString& bestandsnaam)
{
    if (!QtKentNaam(bestandsnaam)) {
        if (const std::optional<QByteArray> inhoud = LeesGewoonBestand(bestandsnaam))
            SchrijfViaBytes(BackupNaam(bestandsnaam), *inhoud);
        return;
    }
    // Only a regular file is copied: a device would never end.
    const QFileInfo info(bestandsnaam);
    if (!info.exists() || !info.isFile())
        return;
    const QString backup = BackupNaam(bestandsnaam);
    QFile::remove(backup);
    QFile::copy(bestandsnaam, backup);
}

QString SchrijfBestand(const QString& pad, const QByteArray& bytes)
{
    const QString kanNiet = QCoreApplication::translate("Bestanden", "Kan bestand %1 niet aanmaken").arg(Pad(pad));
    if (!QtKentNaam(pad))
        return SchrijfViaBytes(pad, bytes) ? QString() : kanNiet;
    QFileInfo doel(pad);
    while (doel.isSymLink() && doel.exists())
        doel.setFile(doel.symLinkTarget());
    // A pipe would hold the window in open() until another program reads
    // it, and a device is no place for a document.
    if (doel.exists() && !doel.isFile() && !doel.isDir())
        return QCoreApplication::translate("Bestanden", "%1 is geen gewoon bestand; er is niets opgeslagen.").arg(Pad(pad));
    if (doel.isFile()) {
        // A file the user may not write stays as it is, although its folder
        // would let a new file be renamed over it.
        QFile proef(doel.filePath());
        if (!proef.open(QIODevice::WriteOnly | QIODevice::Append))
            return kanNiet;
    }
    QSaveFile f(pad);
    // Unbuffered, so that a short write (a full disk, a size limit) shows in
    // the count write() returns instead of vanishing in a later flush.
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return kanNiet;
    if (f.write(bytes) != bytes.size()) {
        const QFileDevice::FileError fout = f.error();
        f.cancelWriting();
        return SchrijfFout(pad, fout);
    }
    if (!f.commit())
        return SchrijfFout(pad, f.error());
    return {};
}

QString VensterTitel(const QString& bestandsnaam)
{
    return QStringLiteral("%1 - %2").arg(programmatitel, NaamDeel(bestandsnaam));
}

QString ModusTekst(bool richtext)
{
    return richtext ? QCoreApplication::translate("korvane::TForm1", "Rich text")
                    : QCoreApplication::translate("korvane::TForm1", "Ascii text");
}

DocumentFiles::DocumentFiles(QPlainTextEdit& editor, Prompter& prompter,
                             Instellingen& instellingen, DocumentIdentiteit document,
                             DocumentHooks hooks)
    : m_editor(editor)
    , m_prompter(prompter)
    , m_instellingen(instellingen)
    , m_document(document)
    , m_hooks(std::move(hooks))
{
}

FileDialogRequest DocumentFiles::OpenDialoog(const QString& map)
{
    FileDialogRequest r;
    r.title = QCoreApplication::translate("Bestanden", "Tab bestand openen");
    r.directory = map;
    r.filters = {
        QCoreApplication::translate("Bestanden", "tabbestand (*.tab;*.txt;*.chopro;*.kvn;*.crd;*.htm;*.html;*.dat) "
                       "(*.tab *.txt *.chopro *.kvn *.crd *.htm *.html *.dat)"),
        QCoreApplication::translate("Bestanden", "Rich text bestand(*.rtf); (*.rtf)"),
        QCoreApplication::translate("Bestanden", "alle bestanden(*.*); (*)"),
    };
    return r;
}

FileDialogRequest DocumentFiles::SaveDialoog(const QString& bestandsnaam, const QString& map)
{
    FileDialogRequest r;
    r.directory = map;
    r.fileName = NaamDeel(bestandsnaam);
    r.defaultSuffix = QStringLiteral("tab");
    r.filters = {
        QCoreApplication::translate("Bestanden", "tabbestand(*.tab) (*.tab)"),
        QCoreApplication::translate("Bestanden", "tekstbestand(*.txt) (*.txt)"),
        QCoreApplication::translate("Bestanden", "alle bestanden(*.*) (*)"),
    };
    // The filter that shows the document's own file, so that the proposed
    // name is what Enter saves.
    const QString ext = Extensie(bestandsnaam).toLower();
    r.filterIndex = ext == QStringLiteral(".tab") ? 0 : ext == QStringLiteral(".txt") ? 1 : 2;
    return r;
}

QString DocumentFiles::DialoogMap() const
{
    if (m_document.bestandsnaam != naamloos) {
        const QFileInfo info(m_document.bestandsnaam);
        if (info.absoluteDir().exists())
            return info.absolutePath();
    }
    if (m_hooks.browserMap) {
        const QString map = m_hooks.browserMap();
        if (!map.isEmpty())
            return map;
    }
    return m_instellingen.tabmap.isEmpty() ? QDir::currentPath() : m_instellingen.tabmap;
}

bool DocumentFiles::MagVervangen(const QString& pad)
{
    // A folder in the way is not replaced: the save itself reports it.
    const QFileInfo info(pad);
    if (!info.exists() || info.isDir())
        return true;
    m_prompter.Beep(Sound::Question);
    const QString vraag = QCoreApplication::translate("Bestanden", "%1 bestaat al.\r\nWilt u het vervangen?").arg(Pad(pad));
    return m_prompter.Confirm(vraag.toStdString());
}

void DocumentFiles::Meld(const QString& tekst)
{
    m_prompter.Message(tekst.toStdString());
}

void DocumentFiles::WerkTitelBij()
{
    if (m_hooks.titel)
        m_hooks.titel(VensterTitel(m_document.bestandsnaam));
}

void DocumentFiles::MarkeerOpgeslagen()
{
    if (m_hooks.toonVeranderd)
        m_hooks.toonVeranderd(false);
    m_editor.document()->setModified(false);
}

bool DocumentFiles::Laden(const QString& pad, bool richtext, std::optional<Codering> codering)
{
    // Only regular files: a device could be endless, a pipe could wait.
    const std::optional<QByteArray> gelezen = LeesGewoonBestand(pad);
    const QByteArray bytes = gelezen.value_or(QByteArray());
    if (!gelezen) {
        Meld(QCoreApplication::translate("Bestanden", "Kan bestand %1 niet openen").arg(Pad(pad)));
        return false;
    }
    QTextDocument& doc = *m_editor.document();
    if (codering) {
        const std::string_view ruw(bytes.constData(), static_cast<std::size_t>(bytes.size()));
        const std::string_view titel = CoderingTitel(MetEigenBom(ruw, *codering));
        if (!LaadPlatteTekst(m_editor, bytes, codering)) {
            Meld(QCoreApplication::translate("Bestanden", "%1 is geen geldige %2-tekst; het bestand is niet opnieuw geladen.")
                     .arg(Pad(pad), QCoreApplication::translate("Bestanden", titel.data())));
            return false;
        }
        m_rtfGelezen = false;
    } else {
        m_rtfGelezen = richtext && ReadRtf(bytes, doc).ok;
        if (m_rtfGelezen) {
            ZetRegelEinde(doc, RegelEinde::CrLf);
            // RTF names its own code page; a later plain-text save is new.
            doc.setProperty(kCoderingEigenschap, QVariant());
            doc.setProperty(kZonderBom, false);
            doc.clearUndoRedoStacks();
        } else {
            LaadPlatteTekst(m_editor, bytes);
        }
    }
    if (m_hooks.vervangen)
        m_hooks.vervangen();
    ToonCodering();
    return true;
}

bool DocumentFiles::Opslaan(const QString& pad, bool metBackup)
{
    bool rtf = m_instellingen.richtext;
    if (rtf && Extensie(pad).compare(QStringLiteral(".rtf"), Qt::CaseInsensitive) != 0) {
        // RTF markup would make a text file unreadable for everything else.
        m_prompter.Beep(Sound::Question);
        const QString vraag = QCoreApplication::translate("Bestanden", "%1 is geen RTF-bestand.\r\n"
                                             "De tekst met opmaak (rich text) opslaan ?\r\n"
                                             "Bij Nee wordt de tekst zonder opmaak opgeslagen.")
                                  .arg(NaamDeel(pad));
        switch (m_prompter.Ask(DialogKind::Confirmation, vraag.toStdString(), Buttons::YesNoCancel)) {
        case Answer::Yes:
            break;
        case Answer::No:
            rtf = false;
            break;
        default:
            return false;
        }
    }
    QByteArray bytes;
    QTextDocument& doc = *m_editor.document();
    Codering codering = m_opslaanAls.value_or(DocumentCodering(doc));
    if (rtf) {
        bytes = WriteRtf(doc);
    } else {
        PlatteTekst tekst = PlatteTekstBytes(doc, codering);
        if (!tekst.onopslaanbaar.isEmpty()) {
            m_prompter.Beep(Sound::Question);
            const QString vraag = QCoreApplication::translate("Bestanden",
                "Deze tekens kunnen niet in de codering %1 worden opgeslagen: %2\r\n"
                "Ja: opslaan als UTF-8, dat alle tekens kan bevatten.\r\n"
                "Nee: de tekens vervangen door \"?\".\r\n"
                "Annuleren: niet opslaan.")
                                      .arg(QCoreApplication::translate("Bestanden", CoderingTitel(codering).data()), tekst.onopslaanbaar);
            switch (m_prompter.Ask(DialogKind::Warning, vraag.toStdString(), Buttons::YesNoCancel)) {
            case Answer::Yes:
                codering = Codering::Utf8;
                tekst = PlatteTekstBytes(doc, codering);
                break;
            case Answer::No:
                break;
            default:
                return false;
            }
        }
        bytes = std::move(tekst.bytes);
    }
    if (metBackup && m_instellingen.reservekopie)
        Backup(pad);
    const QString fout = SchrijfBestand(pad, bytes);
    if (!fout.isEmpty()) {
        Meld(fout);
        return false;
    }
    if (!rtf) {
        if (codering != DocumentCodering(doc))
            doc.setProperty(kZonderBom, false);
        ZetDocumentCodering(doc, codering);
    }
    ToonCodering();
    return true;
}

namespace {

std::optional<Codering> KiesCodering(Prompter& prompter, const QString& titel,
                                     std::initializer_list<std::pair<Codering, const char*>> keuzes,
                                     Codering huidig)
{
    QDialog dialoog;
    dialoog.setObjectName(QStringLiteral("CoderingKeuze"));
    dialoog.setWindowTitle(titel);
    auto* lijst = new QListWidget(&dialoog);
    lijst->setObjectName(QStringLiteral("Coderingen"));
    std::vector<Codering> volgorde;
    for (const auto& [codering, tekst] : keuzes) {
        lijst->addItem(QCoreApplication::translate("Bestanden", tekst));
        if (codering == huidig || (volgorde.empty() && lijst->currentRow() < 0))
            lijst->setCurrentRow(lijst->count() - 1);
        volgorde.push_back(codering);
    }
    auto* knoppen = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialoog);
    knoppen->button(QDialogButtonBox::Cancel)->setText(QCoreApplication::translate("Bestanden", "Annuleren"));
    QObject::connect(knoppen, &QDialogButtonBox::accepted, &dialoog, &QDialog::accept);
    QObject::connect(knoppen, &QDialogButtonBox::rejected, &dialoog, &QDialog::reject);
    QObject::connect(lijst, &QListWidget::itemDoubleClicked, &dialoog, &QDialog::accept);
    auto* indeling = new QVBoxLayout(&dialoog);
    indeling->addWidget(lijst);
    indeling->addWidget(knoppen);
    if (prompter.ExecDialog(dialoog) != QDialog::Accepted)
        return std::nullopt;
    const int rij = lijst->currentRow();
    if (rij < 0 || rij >= static_cast<int>(volgorde.size()))
        return std::nullopt;
    return volgorde[static_cast<std::size_t>(rij)];
}

} // namespace

bool DocumentFiles::HerladenMetKeuze()
{
    const Codering huidig = DocumentCodering(*m_editor.document());
    const std::optional<Codering> gekozen = KiesCodering(
        m_prompter, QCoreApplication::translate("Bestanden", "Opnieuw laden met codering"),
        {{Codering::Utf8, "UTF-8"}, {Codering::Windows1252, "Windows-1252"}, {Codering::Utf16LE, "UTF-16"}},
        huidig == Codering::Utf8Bom ? Codering::Utf8 : huidig == Codering::Utf16BE ? Codering::Utf16LE : huidig);
    return gekozen && HerladenMet(*gekozen);
}

bool DocumentFiles::OpslaanMetKeuze()
{
    const std::optional<Codering> gekozen = KiesCodering(
        m_prompter, QCoreApplication::translate("Bestanden", "Opslaan met codering"),
        {{Codering::Utf8, "UTF-8"}, {Codering::Utf8Bom, QT_TRANSLATE_NOOP("Bestanden", "UTF-8 met BOM")}, {Codering::Utf16LE, "UTF-16 LE"},
         {Codering::Utf16BE, "UTF-16 BE"}, {Codering::Windows1252, "Windows-1252"}},
        DocumentCodering(*m_editor.document()));
    return gekozen && OpslaanMet(*gekozen);
}

void DocumentFiles::CoderingVanNieuwDocument()
{
    m_editor.document()->setProperty(kCoderingEigenschap, QVariant());
    m_editor.document()->setProperty(kZonderBom, false);
    ToonCodering();
}

void DocumentFiles::ToonCodering()
{
    if (m_hooks.codering)
        m_hooks.codering(DocumentCodering(*m_editor.document()));
}

void DocumentFiles::New1Click()
{
    m_editor.clear();
    ZetRegelEinde(*m_editor.document(), RegelEinde::CrLf);
    CoderingVanNieuwDocument();
    if (m_hooks.vervangen)
        m_hooks.vervangen();
    m_document.bestandsnaam = naamloos;
    WerkTitelBij();
    MarkeerOpgeslagen();
    m_editor.setFocus();
    if (m_hooks.caretStatus)
        m_hooks.caretStatus();
    if (m_hooks.undoUit)
        m_hooks.undoUit();
    m_document.tablijnenOmgezet = false;
}

void DocumentFiles::Open1Click()
{
    FileDialogRequest r = OpenDialoog(DialoogMap());
    if (VraagOpslaan()) {
        const QString gekozen = m_prompter.OpenFileName(r);
        if (!gekozen.isEmpty()) {
            const QString pad = QFileInfo(gekozen).absoluteFilePath();
            if (Laden(pad, m_instellingen.richtext)) {
                m_document.bestandsnaam = pad;
                WerkTitelBij();
                MarkeerOpgeslagen();
                if (m_hooks.naarMap)
                    m_hooks.naarMap(QFileInfo(pad).absolutePath());
                if (m_hooks.caretStatus)
                    m_hooks.caretStatus();
                if (m_hooks.undoUit)
                    m_hooks.undoUit();
            }
        }
    }
    if (m_hooks.bestandslijstVernieuwen)
        m_hooks.bestandslijstVernieuwen();
    m_document.tablijnenOmgezet = false;
}

bool DocumentFiles::Save1Click()
{
    if (m_document.bestandsnaam == naamloos) {
        FileDialogRequest r = SaveDialoog(m_document.bestandsnaam, DialoogMap());
        const QString gekozen = m_prompter.SaveFileName(r);
        if (gekozen.isEmpty())
            return false;
        const QString pad = QFileInfo(gekozen).absoluteFilePath();
        if (!MagVervangen(pad))
            return false;
        const bool ok = Opslaan(pad, true);
        if (!ok)
            return false;
        m_document.bestandsnaam = pad;
        WerkTitelBij();
        MarkeerOpgeslagen();
        if (m_hooks.bestandslijstVernieuwen)
            m_hooks.bestandslijstVernieuwen();
        return true;
    }

    QString pad = m_document.bestandsnaam;
    bool naamVeranderd = false;
    if (m_document.tablijnenOmgezet) {
        const QString naam = NaamDeel(pad);
        const QString vraag = QCoreApplication::translate("Bestanden", "De tablijnen in %1 zijn aangepast,         \r\n"
                                             "normaal bewerken is niet meer mogelijk,\r\n"
                                             "bestand opslaan als Korvane (.kvn) bestand ?").arg(naam);
        m_prompter.Beep(Sound::Question);
        if (!m_prompter.Confirm(vraag.toStdString()))
            return false;
        pad = VervangExtensie(pad, QStringLiteral(".kvn"));
        naamVeranderd = pad != m_document.bestandsnaam;
        // Another document may already carry the new name.
        if (naamVeranderd && !MagVervangen(pad))
            return false;
    }
    m_prompter.Beep(Sound::Default);
    const bool ok = Opslaan(pad, true);
    if (!ok)
        return false;
    if (naamVeranderd) {
        m_document.bestandsnaam = pad;
        WerkTitelBij();
        if (m_hooks.bestandslijstVernieuwen)
            m_hooks.bestandslijstVernieuwen();
    }
    MarkeerOpgeslagen();
    return true;
}

bool DocumentFiles::Saveas1Click()
{
    FileDialogRequest r = SaveDialoog(m_document.bestandsnaam, DialoogMap());
    const QString gekozen = m_prompter.SaveFileName(r);
    if (gekozen.isEmpty())
        return false;
    const QString pad = QFileInfo(gekozen).absoluteFilePath();
    if (QFileInfo::exists(pad)) {
        m_prompter.Beep(Sound::Question);
        const QString vraag = QCoreApplication::translate("Bestanden", "Het bestand %1 bestaat al.\r\n"
                                             "Wilt U het bestaande bestand vervangen ?").arg(Pad(pad));
        if (m_prompter.Ask(DialogKind::Warning, vraag.toStdString(), Buttons::YesNo) != Answer::Yes)
            return false;
    }
    if (!Opslaan(pad))
        return false;
    MarkeerOpgeslagen();
    if (m_hooks.bestandslijstVernieuwen)
        m_hooks.bestandslijstVernieuwen();
    return true;
}

void DocumentFiles::Reservekopie1Click()
{
    m_instellingen.reservekopie = !m_instellingen.reservekopie;
    if (m_hooks.reservekopieVinkje)
        m_hooks.reservekopieVinkje(m_instellingen.reservekopie);
}

bool DocumentFiles::VraagOpslaan()
{
    // Asked whenever there are unsaved edits, converted document or not: the
    // conversion itself leaves the document unmodified.
    if (!m_editor.document()->isModified())
        return true;
    m_prompter.Beep(Sound::Question);
    const QString vraag = QCoreApplication::translate("Bestanden", "Veranderingen in %1 opslaan ?").arg(NaamDeel(m_document.bestandsnaam));
    switch (m_prompter.Ask(DialogKind::Confirmation, vraag.toStdString(), Buttons::YesNoCancel)) {
    case Answer::No:
        return true;
    case Answer::Yes:
        // Only a completed save lets the caller throw the text away.
        return Saveas1Click();
    default:
        return false;
    }
}

bool DocumentFiles::LaadUitLijst(const QString& pad)
{
    if (!VraagOpslaan())
        return false;
    const bool richtext = Extensie(pad) == QStringLiteral(".rtf");
    m_instellingen.richtext = richtext;
    if (!richtext) {
        QTextCursor c = m_editor.textCursor();
        c.setPosition(c.selectionStart());
        m_editor.setTextCursor(c);
        const bool vet = m_hooks.vetIngedrukt && m_hooks.vetIngedrukt();
        QTextCharFormat opmaak = m_editor.currentCharFormat();
        opmaak.setForeground(QColor(Qt::black));
        if (vet)
            opmaak.setFontWeight(QFont::Bold);
        m_editor.setCurrentCharFormat(opmaak);
        QFont basis = m_editor.font();
        if (vet)
            basis.setBold(true);
        basis.setFamily(m_instellingen.editorfont);
        m_editor.setFont(basis);
    }
    if (m_hooks.modus)
        m_hooks.modus(richtext);
    m_editor.setLineWrapMode(richtext ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    if (!Laden(pad, richtext))
        return false;
    m_document.bestandsnaam = pad;
    m_document.tablijnenOmgezet = false;
    if (m_hooks.caretStatus)
        m_hooks.caretStatus();
    WerkTitelBij();
    MarkeerOpgeslagen();
    m_editor.setFocus();
    if (m_hooks.undoUit)
        m_hooks.undoUit();
    if (m_hooks.analyse)
        m_hooks.analyse();
    return true;
}

bool DocumentFiles::Herladen()
{
    if (!IsGewoonBestand(m_document.bestandsnaam) || !VraagOpslaan())
        return false;
    if (!Laden(m_document.bestandsnaam, m_instellingen.richtext))
        return false;
    // The text is the file's again.
    MarkeerOpgeslagen();
    return true;
}

bool DocumentFiles::HerladenMet(Codering codering)
{
    if (m_instellingen.richtext) {
        Meld(QCoreApplication::translate("Bestanden", "Een andere codering kiezen kan alleen bij tekst zonder opmaak (Ascii text)."));
        return false;
    }
    if (!IsGewoonBestand(m_document.bestandsnaam) || !VraagOpslaan())
        return false;
    if (codering == Codering::Utf16LE || codering == Codering::Utf16BE) {
        const std::optional<QByteArray> begin = LeesGewoonBestand(m_document.bestandsnaam);
        codering = begin && begin->startsWith("\xFE\xFF") ? Codering::Utf16BE : Codering::Utf16LE;
    }
    if (!Laden(m_document.bestandsnaam, false, codering))
        return false;
    MarkeerOpgeslagen();
    if (m_hooks.undoUit)
        m_hooks.undoUit();
    if (m_hooks.analyse)
        m_hooks.analyse();
    return true;
}

bool DocumentFiles::OpslaanMet(Codering codering)
{
    m_opslaanAls = codering;
    const bool ok = Save1Click();
    m_opslaanAls.reset();
    return ok;
}

} // namespace korvane
