// TForm1: building the window from the command table, the status bar, the
// key preview and the change and selection notifications of the editor.
#include "ui/mainwindow.h"

#include "ui/editorwidget.h"
#include "ui/findreplace.h"
#include "ui/qteditor.h"

#include "core/staff.h"
#include "files/documentfiles.h"
#include "files/wizard.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QFontComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QMenuBar>
#include <QPrinter>
#include <QSpinBox>
#include <QSplitter>
#include <QStatusBar>
#include <QTextBlock>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

// The images live in this static library; its resources need registering.
static void LaadIconen()
{
    Q_INIT_RESOURCE(icons);
}

namespace korvane {

namespace {

QIcon IcoonVoor(const Commando& c)
{
    const QIcon eigen = c.ownIcon ? QIcon(QString::fromLatin1(c.ownIcon)) : QIcon();
    if (c.themeIcon)
        return QIcon::fromTheme(QString::fromLatin1(c.themeIcon), eigen);
    return eigen;
}

// "tooltip|status text"; one text serves both.
void ZetHint(QAction* a, const char* hint)
{
    if (!hint)
        return;
    const QString h = QCoreApplication::translate("Commando", hint);
    const qsizetype streep = h.indexOf(u'|');
    a->setToolTip(streep < 0 ? h : h.left(streep));
    a->setStatusTip(streep < 0 ? h : h.mid(streep + 1));
}

const char* const modusteksten[2] = {QT_TRANSLATE_NOOP("korvane::TForm1", "Overschrijven"),
                                      QT_TRANSLATE_NOOP("korvane::TForm1", "Invoegen")};

// SpinEdit2: a typed width above the maximum becomes the maximum at once, one
// below the minimum becomes the minimum when the box is left.
class BreedteVak : public QSpinBox {
public:
    explicit BreedteVak(QWidget* parent) : QSpinBox(parent) { setCorrectionMode(CorrectToNearestValue); }

protected:
    QValidator::State validate(QString& tekst, int& pos) const override
    {
        bool getal = false;
        const int waarde = tekst.trimmed().toInt(&getal);
        if (getal && waarde > maximum()) {
            tekst = textFromValue(maximum());
            pos = static_cast<int>(tekst.size());
            return QValidator::Acceptable;
        }
        return QSpinBox::validate(tekst, pos);
    }
};

} // namespace

TForm1::TForm1(Prompter& p, OpstartGegevens start, QWidget* parent)
    : QMainWindow(parent)
    , prompter(p)
    , opstart(std::move(start))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Korvane"));
    resize(1024, 741);
    LaadIconen();
    instellingen.programmamap = opstart.programmamap;

    BouwWerkgebied();
    m_editor = new QtEditor(Editor, this);
    m_ctx = std::make_unique<TabContext>(TabContext{*m_editor, prompter, state});

    BouwBesturing();
    BouwMenus();
    OnthoudActies();
    BouwToolBars();
    BouwStatusBalk();
    BouwBrowser();
    BouwAfdrukken();
    BouwMedia();

    FindDialog1 = new ZoekDialoog(this);
    ReplaceDialog1 = new VervangDialoog(this);
    connect(FindDialog1, &ZoekDialoog::VolgendeZoeken, this, &TForm1::FindDialog1Find);
    connect(ReplaceDialog1, &VervangDialoog::Vervang, this, &TForm1::ReplaceDialog1Replace);
    // The replace dialog's find next searches as find does, with its own text.
    connect(ReplaceDialog1, &VervangDialoog::VolgendeZoeken, this, [this] {
        ReplaceDialog1->ZoekResultaat(ZoekVolgende(*m_editor, Tekens(ReplaceDialog1->zoektekst()),
                                                   ReplaceDialog1->hoofdletters()));
    });

    m_editor->SetChangeHandler([this] { EditorChange(); });
    connect(Editor, &QPlainTextEdit::cursorPositionChanged, this, &TForm1::EditorSelectionChange);
    connect(Editor, &QPlainTextEdit::selectionChanged, this, &TForm1::EditorSelectionChange);
    // The font box shows the font drawn, also after a load set another one.
    connect(Editor, &EditorWidget::LettertypeVeranderd, this, &TForm1::ToonFontInBesturing);

    // Key preview: every key typed anywhere in this window passes FormKeyDown.
    qApp->installEventFilter(this);

    VulStemmingLijst(stemmingLijst, nullptr);
    ToonStemmingLijst();
    ComboBox1->setEditText(QTekst(standaardStemming));

    FormCreate();
}

TForm1::~TForm1()
{
    qApp->removeEventFilter(this);
    if (m_editor)
        m_editor->SetChangeHandler({});
}

QAction* TForm1::action(const QString& id) const
{
    return m_actions.value(id, nullptr);
}

QStringList TForm1::statusTeksten() const
{
    QStringList out;
    for (StatusVak* l : m_panelen)
        out << l->text();
    return out;
}

QPrinter& TForm1::printer()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

QString TForm1::SnarenBestand() const
{
    return SnarenPad(instellingen.programmamap);
}

// --- Construction -----------------------------------------------------------

void TForm1::BouwWerkgebied()
{
    Splitter1 = new QSplitter(Qt::Horizontal, this);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    Splitter1->setHandleWidth(3);
    Splitter1->setChildrenCollapsible(false);
    Splitter1->setOpaqueResize(true);

    m_browserPanel = new QWidget(Splitter1);
    m_browserPanel->setObjectName(QStringLiteral("Panel1"));
    m_browserPanel->setMinimumWidth(100);
    m_browserPanel->setLayout(new QVBoxLayout);
    m_browserPanel->layout()->setContentsMargins(0, 0, 0, 0);

    Editor = new EditorWidget(Splitter1);
    Editor->setMinimumWidth(100);
    Editor->setContextMenuPolicy(Qt::CustomContextMenu);

    Splitter1->addWidget(m_browserPanel);
    Splitter1->addWidget(Editor);
    Splitter1->setStretchFactor(0, 0);
    Splitter1->setStretchFactor(1, 1);
    Splitter1->setSizes({235, 1024 - 235 - 3});
    setCentralWidget(Splitter1);
}

void TForm1::BouwBesturing()
{
    SpinEdit2 = new BreedteVak(this);
    SpinEdit2->setObjectName(QStringLiteral("SpinEdit2"));
    SpinEdit2->setRange(20, 90);
    SpinEdit2->setSingleStep(10);
    SpinEdit2->setValue(80);
    SpinEdit2->setFixedWidth(39);
    SpinEdit2->setToolTip(tr("Tabbreedte"));
    SpinEdit2->setStatusTip(tr("Tabbreedte"));

    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    StemmingInvoer(*ComboBox1);
    ComboBox1->setFixedWidth(142);
    ComboBox1->setToolTip(tr("Stemmingen"));
    ComboBox1->setStatusTip(tr("Stemmingen"));

    Maatcombobox = new QComboBox(this);
    Maatcombobox->setObjectName(QStringLiteral("Maatcombobox"));
    Maatcombobox->setFixedWidth(192);
    for (const MaatsoortInfo& m : maatsoortTabel)
        Maatcombobox->addItem(QCoreApplication::translate("Melding", m.tekst));
    Maatcombobox->setCurrentIndex(1);
    connect(Maatcombobox, &QComboBox::activated, this, &TForm1::MaatcomboboxChange);

    Fontname = new QFontComboBox(this);
    Fontname->setObjectName(QStringLiteral("Fontname"));
    Fontname->setFixedWidth(225);
    Fontname->view()->setMinimumWidth(300);
    connect(Fontname, &QComboBox::activated, this, &TForm1::FontNameChange);

    spinedit1 = new QComboBox(this);
    spinedit1->setObjectName(QStringLiteral("spinedit1"));
    spinedit1->setEditable(true);
    spinedit1->setInsertPolicy(QComboBox::NoInsert);
    spinedit1->setFixedWidth(47);
    spinedit1->setMaxVisibleItems(12);
    // A size is taken when chosen from the list or confirmed with Enter.
    connect(spinedit1, &QComboBox::activated, this, &TForm1::SpinEdit1Change);
    connect(spinedit1->lineEdit(), &QLineEdit::returnPressed, this, &TForm1::SpinEdit1Change);

    m_mediaPanel = new QWidget(this);
    m_mediaPanel->setObjectName(QStringLiteral("MediaPlayer1"));
    m_mediaPanel->setFixedWidth(141);
    m_mediaPanel->setToolTip(tr("Mediaspeler"));
    m_mediaPanel->setLayout(new QHBoxLayout);
    m_mediaPanel->layout()->setContentsMargins(0, 0, 0, 0);
    BouwAfspelen();
}

QWidget* TForm1::BesturingVoor(const QString& naam) const
{
    for (QWidget* w : {static_cast<QWidget*>(SpinEdit2), static_cast<QWidget*>(ComboBox1),
                       static_cast<QWidget*>(Maatcombobox), static_cast<QWidget*>(Fontname),
                       static_cast<QWidget*>(spinedit1), m_mediaPanel, static_cast<QWidget*>(Tempovak),
                       static_cast<QWidget*>(Instrumentkeuze)})
        if (w->objectName() == naam)
            return w;
    return nullptr;
}

void TForm1::VoerUit(Handler handler)
{
    if (!handler)
        return;
    (this->*handler)();
}

void TForm1::BouwMenus()
{
    for (int i = 0; i < aantalMenus; ++i) {
        m_menus[i] = menuBar()->addMenu(QCoreApplication::translate("Commando", menuTitels[i]));
        m_menus[i]->setObjectName(QStringLiteral("Menu%1").arg(i));
    }
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    connect(Editor, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { PopupMenu1->popup(Editor->mapToGlobal(p)); });

    for (const Commando& c : CommandoTabel()) {
        const Handler knop = c.buttonHandler ? c.buttonHandler : c.handler;
        if (c.menuItem && c.menu != Menu::Geen) {
            QMenu* m = menu(c.menu);
            if (QString::fromLatin1(c.menuItem) == QLatin1String("-")) {
                m->addSeparator();
            } else {
                auto* a = new QAction(QCoreApplication::translate("Commando", c.caption), this);
                a->setObjectName(QString::fromLatin1(c.menuItem));
                a->setCheckable(c.checkable);
                a->setEnabled(c.menuEnabled);
                a->setIcon(IcoonVoor(c));
                if (*c.shortcut) {
                    QList<QKeySequence> toetsen;
                    for (const char* t : {c.shortcut, c.tweedeShortcut})
                        if (*t)
                            toetsen << QKeySequence(QString::fromLatin1(t), QKeySequence::PortableText);
                    a->setShortcuts(toetsen);
                    // Shortcuts act wherever the focus is in the window.
                    a->setShortcutContext(Qt::WindowShortcut);
                    for (const QKeySequence& k : toetsen)
                        m_commandoToetsen.insert(k[0], a);
                    // A menu shows only the first key of an action; the text
                    // after a tab takes its place and names them all.
                    if (toetsen.size() > 1)
                        a->setText(a->text() + u'\t'
                                   + QKeySequence::listToString(toetsen, QKeySequence::NativeText));
                }
                const Handler h = c.handler;
                connect(a, &QAction::triggered, this, [this, a, h] {
                    m_afzender = a;
                    VoerUit(h);
                    m_afzender = nullptr;
                });
                m->addAction(a);
                addAction(a);
                m_actions.insert(a->objectName(), a);
            }
        }
        if (c.button) {
            auto* a = new QAction(c.caption ? QCoreApplication::translate("Commando", c.caption)
                                            : QString::fromLatin1(c.button), this);
            a->setObjectName(QString::fromLatin1(c.button));
            ZetHint(a, c.hint);
            a->setCheckable(c.toggle);
            a->setEnabled(c.buttonEnabled);
            a->setIcon(IcoonVoor(c));
            connect(a, &QAction::triggered, this, [this, a, knop] {
                m_afzender = a;
                VoerUit(knop);
                m_afzender = nullptr;
            });
            m_actions.insert(a->objectName(), a);
        }
    }
}

void TForm1::OnthoudActies()
{
    // The notifications run on every keystroke; they reach their actions
    // directly, not by name.
    auto zoek = [this](std::initializer_list<const char*> namen) {
        std::vector<QAction*> out;
        for (const char* n : namen)
            if (QAction* a = action(QString::fromLatin1(n)))
                out.push_back(a);
        return out;
    };
    m_tekstActies = zoek({"Zoeken1", "Vervangen1", "Zoeken", "Vervangen", "preview", "Afdrukvoorbeeld1",
                          "printbutton", "Afdrukken1"});
    m_undoActies = zoek({"Undo", "Ongedaanmaken1"});
    m_selectieActies = zoek({"Knippen", "Kopieren", "Knippen1", "Kopiren1", "VerticaalKopiren1",
                             "VerticaalKnippen1"});
    m_paginanummering = action(QStringLiteral("Paginanummering1"));
}

void TForm1::BouwToolBars()
{
    auto vul = [this](QToolBar* bar, std::span<const char* const> volgorde, QSize knop) {
        bar->setMovable(false);
        bar->setFloatable(false);
        bar->setIconSize(QSize(16, 16));
        bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
        for (const char* naam : volgorde) {
            const QString n = QString::fromLatin1(naam);
            if (n == QLatin1String("|")) {
                bar->addSeparator();
            } else if (QAction* a = action(n)) {
                bar->addAction(a);
                if (auto* b = qobject_cast<QToolButton*>(bar->widgetForAction(a))) {
                    b->setObjectName(n);
                    b->setAutoRaise(true);
                    b->setFixedSize(knop);
                }
            } else if (QWidget* w = BesturingVoor(n)) {
                bar->addWidget(w);
            }
        }
    };
    ToolBar1 = addToolBar(QStringLiteral("ToolBar1"));
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMinimumHeight(34);
    vul(ToolBar1, ToolBar1Volgorde(), QSize(24, 26));
    addToolBarBreak();
    ToolBar2 = addToolBar(QStringLiteral("ToolBar2"));
    ToolBar2->setObjectName(QStringLiteral("ToolBar2"));
    ToolBar2->setMinimumHeight(31);
    vul(ToolBar2, ToolBar2Volgorde(), QSize(24, 23));
}

void TForm1::BouwStatusBalk()
{
    struct Paneel {
        int breedte;
        Qt::Alignment uitlijning;
        const char* tekst;
    };
    static const Paneel panelen[aantalPanelen] = {
        {200, Qt::AlignLeft, ""},        {150, Qt::AlignHCenter, ""},
        {100, Qt::AlignHCenter, ""},     {100, Qt::AlignHCenter, QT_TR_NOOP("Invoegen")},
        {100, Qt::AlignHCenter, QT_TR_NOOP("Ascii text")}, {150, Qt::AlignLeft, ""},
        {50, Qt::AlignLeft, ""},         {110, Qt::AlignHCenter, "UTF-8"}};
    QStatusBar* balk = statusBar();
    balk->setObjectName(QStringLiteral("StatusBar1"));
    balk->setFixedHeight(22);
    balk->setSizeGripEnabled(false);
    for (int i = 0; i < aantalPanelen; ++i) {
        auto* l = new StatusVak(panelen[i].breedte, panelen[i].uitlijning, balk);
        l->setObjectName(QStringLiteral("Panel%1").arg(i));
        l->setText(tr(panelen[i].tekst));
        // The panels give way to a status text (a hint) while one is shown.
        balk->addWidget(l);
        m_panelen[i] = l;
    }
}

void TForm1::SetEnabled(const char* naam, bool aan)
{
    if (QAction* a = action(QString::fromLatin1(naam)))
        a->setEnabled(aan);
}

void TForm1::SetChecked(const char* naam, bool aan)
{
    if (QAction* a = action(QString::fromLatin1(naam)))
        a->setChecked(aan);
}

// --- Status -------------------------------------------------------------------

void TForm1::ToonCaretPositie()
{
    const QTextCursor c = Editor->textCursor();
    const QTextBlock blok = Editor->document()->findBlock(c.selectionEnd());
    const int y = blok.blockNumber();
    const int x = c.selectionEnd() - blok.position();
    PaginaStand& p = paginastand;
    // Counted on the pages as printed. New print settings lay them out at
    // once; after typing the layout follows shortly, not on every key.
    if (m_indelingTimer) {
        if (m_afdrukindeling.paginas.empty() || m_indelingSleutel != IndelingSleutel()) {
            BerekenAfdrukindeling();
            return;
        }
        if (!m_indelingVers && !m_indelingTimer->isActive())
            m_indelingTimer->start();
    }
    p.aantalPaginas = m_indelingTimer ? m_afdrukindeling.AantalPaginas()
                                      : AantalPaginas(m_editor->LineCount(), p.regelsPerPagina);
    p.paginanummering = Paginanummering(instellingen.paginanummers, p.aantalPaginas);
    if (m_paginanummering)
        m_paginanummering->setChecked(p.paginanummering);
    m_panelen[PaneelPositie]->setText(
        tr("  Regel: %1   Kolom: %2").arg(y + 1, 3).arg(x + 1, 3));
    m_panelen[PaneelPagina]->setText(
        QString::fromStdString(PaginaTekst(m_indelingTimer ? m_afdrukindeling.PaginaVanRegel(y)
                                                           : PaginaVanRegel(y, p.regelsPerPagina),
                                           p.aantalPaginas)));
}

void TForm1::ToonVeranderd(bool veranderd)
{
    m_panelen[PaneelVeranderd]->setText(veranderd ? tr("Veranderd") : QString());
}

void TForm1::EditorChange()
{
    m_indelingVers = false;
    DocumentVeranderd(*m_ctx);
    ToonVeranderd(m_editor->Modified());
    const bool t = !Editor->document()->isEmpty();
    for (QAction* a : m_tekstActies)
        a->setEnabled(t);
    if (t)
        for (QAction* a : m_undoActies)
            a->setEnabled(true);
}

void TForm1::EditorSelectionChange()
{
    ToonCaretPositie();
    const bool s = Editor->textCursor().hasSelection();
    for (QAction* a : m_selectieActies)
        a->setEnabled(s);
}

// --- Keyboard -----------------------------------------------------------------

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type soort = event->type();
    if (soort != QEvent::KeyPress && soort != QEvent::ShortcutOverride && soort != QEvent::KeyRelease)
        return QMainWindow::eventFilter(watched, event);
    auto* w = qobject_cast<QWidget*>(watched);
    auto* ke = static_cast<QKeyEvent*>(event);
    if (w && soort == QEvent::KeyPress && (ke->key() == Qt::Key_Return || ke->key() == Qt::Key_Enter)
        && ComboBox1->completer() && w == ComboBox1->completer()->popup()) {
        // Enter among the tuning box's suggestions (a window of their own):
        // the box takes the highlighted one, if any, keeps the typed text
        // otherwise, and the text gets the focus back as from the box.
        QTimer::singleShot(0, this, [this] { m_editor->FocusEditor(); });
        return QMainWindow::eventFilter(watched, event);
    }
    if (!w || w->window() != this)
        return QMainWindow::eventFilter(watched, event);
    if (soort == QEvent::KeyRelease) {
        m_laatsteToets = nullptr;
        return QMainWindow::eventFilter(watched, event);
    }
    // The menu shortcuts come first, from whichever control has the focus,
    // also when their command is disabled; Qt's own shortcut handling would
    // let the focused control or a menu-bar mnemonic (Alt+B) take them.
    QAction* commando = m_commandoToetsen.value(ke->keyCombination(), nullptr);
    // Qt would let a keypad key stand in for the main keyboard's key of a
    // shortcut (the keypad minus for Alt+-). Here it is another key, and like
    // such an Alt key on Windows it types nothing either.
    const bool blokToets = !commando && (ke->modifiers() & Qt::KeypadModifier)
        && m_commandoToetsen.contains(
            QKeyCombination(ke->modifiers() & ~Qt::KeypadModifier, Qt::Key(ke->key())));
    if (soort == QEvent::ShortcutOverride) {
        if (commando || blokToets) {
            event->accept();
            return true;
        }
        return QMainWindow::eventFilter(watched, event);
    }
    // A key an inner control ignored goes on to its parents: that is the
    // same press, seen once.
    const bool doorgegeven = event == m_laatsteToets && m_laatsteOntvanger && w != m_laatsteOntvanger
        && w->isAncestorOf(m_laatsteOntvanger);
    if (doorgegeven)
        return QMainWindow::eventFilter(watched, event);
    m_laatsteToets = event;
    m_laatsteOntvanger = w;
    if (commando) {
        if (commando->isEnabled())
            commando->trigger();
        return true;
    }
    // The editable box holds the focus itself and hands keys to its line
    // edit directly, past this filter.
    if ((w == ComboBox1 || w == ComboBox1->lineEdit())
        && (ke->key() == Qt::Key_Return || ke->key() == Qt::Key_Enter)) {
        // ComboBox1KeyPress: Enter goes back to the text, not into the list.
        m_editor->FocusEditor();
        return true;
    }
    FormKeyDown(ke->key(), ke->modifiers());
    if (blokToets)
        return true;
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::FormKeyDown(int key, Qt::KeyboardModifiers shift)
{
    const Qt::KeyboardModifiers mods = shift & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (key == Qt::Key_Insert) {
        // Whichever control has the focus, the editor types as panel 3 says.
        // Shift+Insert pastes and Ctrl+Insert copies instead.
        if (mods != Qt::NoModifier)
            return;
        invoegmodus = 1 - invoegmodus;
        if (invoegmodus == 0)
            prompter.Beep(Sound::Default);
        Editor->setOverwriteMode(invoegmodus == 0);
        m_panelen[PaneelModus]->setText(tr(modusteksten[invoegmodus]));
        return;
    }
    if (key == Qt::Key_Escape) {
        // A plain Esc is the shortcut of "Startdirectory" and never gets here.
        if (mods != Qt::NoModifier)
            if (QAction* a = action(QStringLiteral("Startdirectory1")))
                a->trigger();
        return;
    }
    if (key == Qt::Key_F2) {
        // A plain F2 belongs to "Afdrukvoorbeeld", also while it is disabled.
        if (mods != Qt::NoModifier)
            for (const Commando& c : CommandoTabel())
                if (c.menuItem && qstrcmp(c.menuItem, "Afdrukvoorbeeld1") == 0)
                    VoerUit(c.handler);
        return;
    }
    if ((key == Qt::Key_Down || key == Qt::Key_Up) && (shift & Qt::AltModifier)) {
        AnalyseerNaVervanging(*m_editor, state.analyse);
        const TabAnalyse& an = state.analyse;
        const int caret = m_editor->CaretOffset();
        const int r = m_editor->LineFromOffset(caret);
        int c = caret - m_editor->LineStart(r);
        int doel = -1;
        if (key == Qt::Key_Down) {
            for (int i = 0; i < an.aantalbalken && doel < 0; ++i)
                if (an.tabbalken[i].eerste > r)
                    doel = an.tabbalken[i].eerste;
        } else {
            for (int i = an.aantalbalken - 1; i >= 0 && doel < 0; --i)
                if (an.tabbalken[i].eerste < r)
                    doel = an.tabbalken[i].eerste;
        }
        // A staff the analysis still remembers may lie past the end of a
        // text that has since shrunk.
        if (doel < 0 || m_editor->LineStart(doel) < 0)
            return;
        const QTextBlock blok = Editor->document()->findBlockByNumber(doel);
        c = std::min(c, static_cast<int>(blok.length()) - 1);
        m_editor->SetCaret(m_editor->LineStart(doel) + c);
    }
}

void TForm1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!m_geactiveerd) {
        m_geactiveerd = true;
        FormActivate();
    }
}

// --- Staff shape and tuning list ------------------------------------------------

void TForm1::VulInstellingen()
{
    TabInstellingen& in = state.instellingen;
    // A width still being typed counts as the box will correct it.
    SpinEdit2->interpretText();
    in.stemming = Tekens(ComboBox1->currentText());
    in.tabbreedte = SpinEdit2->value();
    in.maatsoort = Maatcombobox->currentIndex();
}

void TForm1::ToonStemmingLijst()
{
    const QString tekst = ComboBox1->currentText();
    const QSignalBlocker stil(ComboBox1);
    ComboBox1->clear();
    for (const std::u32string& s : stemmingLijst.Items())
        ComboBox1->addItem(QTekst(s));
    ComboBox1->setCurrentIndex(-1);
    ComboBox1->setEditText(tekst);
}

void TForm1::maatsoortbuttonClick()
{
    state.instellingen.maatsoorten = !state.instellingen.maatsoorten;
    SetChecked("maatsoortbutton", state.instellingen.maatsoorten);
}

void TForm1::MaatcomboboxChange()
{
    const int i = Maatcombobox->currentIndex();
    if (i >= 0 && i < aantalMaatsoorten)
        action(QStringLiteral("maatsoortbutton"))->setIcon(QIcon(QString::fromLatin1(maatsoortIconen[i])));
    m_editor->FocusEditor();
}

} // namespace korvane
