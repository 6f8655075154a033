// The file browser panel: folder tree, tab-file list and their commands.
#include "files/filebrowser.h"

#include "files/bytenamen.h"
#include "files/documentfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QFileIconProvider>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QListWidget>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QSplitter>
#include <QStorageInfo>
#include <QTreeView>
#include <QVBoxLayout>

namespace korvane {

namespace {

QFont BrowserFont()
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(13);
    return f;
}

// Icons and type names from the name alone. Qt's own provider asks the MIME
// database, which reads a file's first bytes when its name says nothing, and
// the model asks also on the window thread: a file that blocks its reader
// (/proc/kmsg) would hold the window.
class NaamIconen : public QFileIconProvider {
public:
    using QFileIconProvider::icon;
    QIcon icon(const QFileInfo& info) const override
    {
        if (info.isRoot())
            return icon(Drive);
        return icon(info.isDir() ? Folder : File);
    }
    QString type(const QFileInfo& info) const override
    {
        return info.isDir() ? QCoreApplication::translate("Bestandslijst", "Map") : QCoreApplication::translate("Bestandslijst", "Bestand");
    }
};

QString Schoon(const QString& pad)
{
    return QDir::cleanPath(QFileInfo(pad).absoluteFilePath());
}

} // namespace

QStringList BrowserBestanden(const QString& map)
{
    // Listed by their bytes: Qt's own listing drops a name that is not
    // valid UTF-8. The extensions ignore case: lied.TAB is a tab.
    QStringList extensies;
    for (const QString& patroon : browserPatronen)
        extensies << patroon.mid(1);
    return GewoneBestanden(map, extensies);
}

FileBrowser::FileBrowser(Prompter& prompter, const Instellingen& instellingen, QWidget* parent)
    : QWidget(parent), m_prompter(prompter), m_instellingen(instellingen)
{
    setObjectName(QStringLiteral("FileBrowser"));
    m_model = new QFileSystemModel(this);
    static NaamIconen iconen;
    m_model->setIconProvider(&iconen);
    m_model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    m_model->setRootPath(QDir::rootPath());

    Splitter2 = new QSplitter(Qt::Vertical, this);
    Splitter2->setObjectName(QStringLiteral("Splitter2"));
    Splitter2->setHandleWidth(2);
    Splitter2->setChildrenCollapsible(false);

    Directorylistbox1 = new QTreeView(Splitter2);
    Directorylistbox1->setObjectName(QStringLiteral("Directorylistbox1"));
    Directorylistbox1->setModel(m_model);
    for (int c = 1; c < m_model->columnCount(); ++c)
        Directorylistbox1->hideColumn(c);
    Directorylistbox1->setHeaderHidden(true);
    Directorylistbox1->setFont(BrowserFont());
    Directorylistbox1->setMinimumHeight(50);
    Directorylistbox1->setSelectionMode(QAbstractItemView::SingleSelection);
    // The chosen folder stays marked while the focus is elsewhere.
    QPalette p = Directorylistbox1->palette();
    p.setColor(QPalette::Inactive, QPalette::Highlight, p.color(QPalette::Active, QPalette::Highlight));
    p.setColor(QPalette::Inactive, QPalette::HighlightedText, p.color(QPalette::Active, QPalette::HighlightedText));
    Directorylistbox1->setPalette(p);

    FileListBox1 = new QListWidget(Splitter2);
    FileListBox1->setObjectName(QStringLiteral("FileListBox1"));
    FileListBox1->setFont(BrowserFont());
    FileListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    FileListBox1->setUniformItemSizes(true);
    FileListBox1->setContextMenuPolicy(Qt::CustomContextMenu);
    FileListBox1->viewport()->installEventFilter(this);
    FileListBox1->installEventFilter(this);

    Splitter2->addWidget(Directorylistbox1);
    Splitter2->addWidget(FileListBox1);
    Splitter2->setStretchFactor(0, 0);
    Splitter2->setStretchFactor(1, 1);

    // Once the user drags the splitter, a height still waiting to be
    // applied is no longer what the panel should remember.
    connect(Splitter2, &QSplitter::splitterMoved, this, [this](int, int) { m_boomHoogteWacht = -1; });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Splitter2);

    connect(Directorylistbox1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& huidig, const QModelIndex&) {
                if (m_programma || !huidig.isValid())
                    return;
                BoomGewijzigd(m_model->filePath(huidig));
            });
    // The entry's path is taken from the row: when the row changes, the
    // selection follows only after this signal.
    connect(FileListBox1, &QListWidget::currentRowChanged, this, [this](int rij) {
        if (m_programma || m_nietLaden || rij < 0 || m_map.isEmpty())
            return;
        emit FileListBox1Click(QDir(m_map).filePath(FileListBox1->item(rij)->text()));
    });
    connect(FileListBox1, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        // A click that changed the row was reported by currentRowChanged.
        if (m_programma || m_nietLaden || FileListBox1->row(item) != m_rijBijDruk || m_map.isEmpty())
            return;
        emit FileListBox1Click(QDir(m_map).filePath(item->text()));
    });

    // Until start-up moves it to the tab folder or the last file's folder,
    // the browser shows the folder the program was started in, so an empty
    // tab-folder setting does not leave an empty panel.
    if (LijstNaar(QDir::currentPath()))
        ZetBoom(m_map);
}

bool FileBrowser::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == FileListBox1->viewport() && event->type() == QEvent::MouseButtonPress) {
        m_rijBijDruk = FileListBox1->currentRow();
        // The list selects the entry under the pointer for any button; only
        // the left one opens it. A right click picks the file the context
        // menu's commands act on, and must not replace the document.
        m_nietLaden = static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton;
    } else if (watched == FileListBox1 && event->type() == QEvent::KeyPress) {
        // The menu takes the release of that click, so a key ends it.
        m_nietLaden = false;
    }
    return QWidget::eventFilter(watched, event);
}

void FileBrowser::ZetBoom(const QString& map)
{
    const QModelIndex idx = m_model->index(map);
    if (!idx.isValid())
        return;
    const bool was = m_programma;
    m_programma = true;
    Directorylistbox1->setCurrentIndex(idx);
    Directorylistbox1->expand(idx);
    Directorylistbox1->scrollTo(idx);
    m_programma = was;
}

bool FileBrowser::LijstNaar(const QString& map)
{
    if (map.isEmpty())
        return false;
    const QFileInfo info(map);
    if (!info.isDir() || !QDir(map).isReadable())
        return false;
    m_map = Schoon(map);
    // The save dialogs open in the process's current folder, which is the
    // folder the list shows.
    QDir::setCurrent(m_map);
    const bool was = m_programma;
    m_programma = true;
    FileListBox1->clear();
    m_programma = was;
    Vernieuw();
    return true;
}

bool FileBrowser::ZetMap(const QString& map)
{
    // An empty folder name (no tab folder set) moves nothing.
    if (map.isEmpty())
        return false;
    if (!LijstNaar(map)) {
        GeenToegang(map);
        return false;
    }
    ZetBoom(m_map);
    return true;
}

void FileBrowser::BoomGewijzigd(const QString& map)
{
    Directorylistbox1->expand(m_model->index(map));
    if (QStorageInfo(map).rootPath() != QStorageInfo(m_map).rootPath()) {
        Directorylistbox1DriveChange(map);
        return;
    }
    if (!LijstNaar(map))
        GeenToegang(map);
}

void FileBrowser::Directorylistbox1DriveChange(const QString& map)
{
    // Without drive letters there is no current folder per drive: the list
    // simply follows the folder chosen on the other volume.
    if (!LijstNaar(map))
        GeenToegang(map);
}

void FileBrowser::GeenToegang(const QString& map)
{
    m_prompter.Beep(Sound::Exclamation);
    m_prompter.Message(
        QCoreApplication::translate("Bestandslijst", "Geen toegang tot %1,\nHet apparaat is niet klaar.")
            .arg(QDir::toNativeSeparators(map))
            .toStdString());
    const QString tabmap = m_instellingen.tabmap;
    // Back to the tab folder, unless that is the folder that failed: then
    // the tree goes back to the folder the list still shows.
    if (!tabmap.isEmpty() && Schoon(tabmap) != Schoon(map) && LijstNaar(tabmap)) {
        ZetBoom(m_map);
        return;
    }
    if (!m_map.isEmpty())
        ZetBoom(m_map);
}

void FileBrowser::Vernieuw()
{
    if (m_map.isEmpty())
        return;
    const QStringList namen = BrowserBestanden(m_map);
    QStringList huidig;
    for (int i = 0; i < FileListBox1->count(); ++i)
        huidig << FileListBox1->item(i)->text();
    if (namen == huidig)
        return;
    const QListWidgetItem* gekozen = FileListBox1->currentItem();
    const QString naam = gekozen ? gekozen->text() : QString();
    const bool was = m_programma;
    m_programma = true;
    FileListBox1->clear();
    for (const QString& n : namen) {
        auto* item = new QListWidgetItem(n, FileListBox1);
        item->setSizeHint(QSize(0, 18));
    }
    const int rij = naam.isEmpty() ? -1 : static_cast<int>(namen.indexOf(naam));
    FileListBox1->setCurrentRow(rij);
    m_programma = was;
}

QString FileBrowser::GeselecteerdBestand() const
{
    const QListWidgetItem* item = FileListBox1->currentItem();
    if (!item || !item->isSelected() || m_map.isEmpty())
        return {};
    return QDir(m_map).filePath(item->text());
}

bool FileBrowser::SelecteerBestand(const QString& naam)
{
    const auto gevonden = FileListBox1->findItems(naam, Qt::MatchExactly);
    if (gevonden.isEmpty())
        return false;
    const bool was = m_programma;
    m_programma = true;
    FileListBox1->setCurrentItem(gevonden.first());
    m_programma = was;
    return true;
}

int FileBrowser::BoomHoogte() const
{
    if (m_boomHoogteWacht >= 0)
        return m_boomHoogteWacht;
    return Splitter2->sizes().value(0);
}

void FileBrowser::ZetBoomHoogte(int hoogte)
{
    hoogte = std::max(hoogte, Directorylistbox1->minimumHeight());
    const int totaal = Splitter2->height() - Splitter2->handleWidth();
    if (!isVisible() || totaal <= hoogte) {
        // Not laid out yet: the splitter would share the sizes out in
        // proportion; the height is applied once the panel has its size.
        m_boomHoogteWacht = hoogte;
        return;
    }
    m_boomHoogteWacht = -1;
    Splitter2->setSizes({hoogte, totaal - hoogte});
}

void FileBrowser::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    PasBoomHoogteToe();
}

void FileBrowser::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    PasBoomHoogteToe();
}

void FileBrowser::PasBoomHoogteToe()
{
    if (m_boomHoogteWacht >= 0 && isVisible()) {
        const int totaal = Splitter2->height() - Splitter2->handleWidth();
        if (totaal > m_boomHoogteWacht) {
            Splitter2->setSizes({m_boomHoogteWacht, totaal - m_boomHoogteWacht});
            m_boomHoogteWacht = -1;
        }
    }
}

void FileBrowser::StartbuttonClick()
{
    ZetMap(m_instellingen.tabmap);
}

bool FileBrowser::GeenSelectie()
{
    if (!GeselecteerdBestand().isEmpty())
        return false;
    m_prompter.Beep(Sound::Exclamation);
    m_prompter.Message(QCoreApplication::translate("Bestandslijst", "Geen bestand geselecteerd.").toStdString());
    return true;
}

void FileBrowser::Wissen()
{
    if (GeenSelectie())
        return;
    const QString pad = GeselecteerdBestand();
    m_prompter.Beep(Sound::Question);
    if (!m_prompter.Confirm(QCoreApplication::translate("Bestandslijst", "%1 wissen ?").arg(NaamDeel(pad)).toStdString()))
        return;
    if (QFileInfo::exists(pad)) {
        if (m_instellingen.reservekopie) {
            // The file lives on under its backup name; the delete below then
            // finds nothing. When it cannot get that name it is not deleted
            // either: the user asked for a copy to survive.
            const QString backup = BackupNaam(pad);
            QFile::remove(backup);
            if (!QFile::rename(pad, backup)) {
                Vernieuw();
                return;
            }
        }
        QFile::remove(pad);
    }
    Vernieuw();
}

std::optional<QString> FileBrowser::Naamwijzigen1Click(const QString& bestandsnaam)
{
    if (GeenSelectie())
        return std::nullopt;
    const QString oud = GeselecteerdBestand();
    const std::optional<QString> invoer =
        m_prompter.GetText(QCoreApplication::translate("Bestandslijst", "Naam wijzigen"), QString(), QDir::toNativeSeparators(oud));
    if (!invoer)
        return std::nullopt;
    std::optional<QString> nieuweNaam;
    const QString doel = QDir::fromNativeSeparators(*invoer);
    if (!doel.isEmpty()) {
        // A bare name is taken in the current folder, the folder the list shows.
        const QString pad = QDir::cleanPath(QDir::current().absoluteFilePath(doel));
        // The untitled name has no folder and never names a file in the list.
        const bool huidig = QFileInfo(bestandsnaam).isAbsolute() && Schoon(bestandsnaam) == oud;
        if (QFile::rename(oud, pad) && huidig)
            nieuweNaam = pad;
    }
    Vernieuw();
    return nieuweNaam;
}

} // namespace korvane
