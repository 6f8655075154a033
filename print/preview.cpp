// The print preview window Tpreviewform.
#include "print/preview.h"

#include "core/pages.h"
#include "print/pagelayout.h"
#include "print/printer.h"

#include <QCoreApplication>
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QPrinter>
#include <QComboBox>
#include <QFontComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace korvane {

namespace {

constexpr int beeldTop = 5;
constexpr int grootsteGrootte = 1000;

// Rounds halves to the even neighbour.
int Rond(double x)
{
    return static_cast<int>(std::nearbyint(x));
}

QToolButton* Knop(QWidget* parent, const char* naam, const QString& tekst, const QString& hint,
                  const QIcon& icoon)
{
    auto* knop = new QToolButton(parent);
    knop->setObjectName(QLatin1String(naam));
    knop->setAutoRaise(true);
    knop->setText(tekst);
    knop->setToolTip(hint);
    if (!icoon.isNull()) {
        knop->setIcon(icoon);
        knop->setToolButtonStyle(tekst.isEmpty() ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextBesideIcon);
    } else {
        knop->setToolButtonStyle(Qt::ToolButtonTextOnly);
    }
    knop->setFocusPolicy(Qt::NoFocus);
    return knop;
}

} // namespace

PaginaBeeld::PaginaBeeld(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Image1"));
    setCursor(Qt::SizeAllCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PaginaBeeld::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!m_beeld || m_beeld->isNull()) {
        painter.fillRect(rect(), Qt::white);
        return;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform, size() != m_beeld->size());
    painter.drawImage(rect(), *m_beeld);
}

void PaginaBeeld::mousePressEvent(QMouseEvent* event)
{
    if (onMouseDown)
        onMouseDown(event->button());
}

Tpreviewform::Tpreviewform(const Drukker& drukker, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_drukker(drukker)
{
    setObjectName(QStringLiteral("previewform"));
    resize(1022, 736);
    move(0, 0);

    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    auto* rij = new QHBoxLayout(panel);
    rij->setContentsMargins(2, 1, 2, 1);
    rij->setSpacing(2);

    QStyle* stijl = style();
    SpeedButton1 = Knop(panel, "SpeedButton1", QCoreApplication::translate("Afdrukvoorbeeld", "Afdrukken"), QString(),
                        QIcon::fromTheme(QStringLiteral("document-print")));
    SpeedButton1->setMinimumWidth(113);
    Vorige = Knop(panel, "Vorige", QString(), QCoreApplication::translate("Afdrukvoorbeeld", "Vorige pagina (Page Up)"),
                  stijl->standardIcon(QStyle::SP_ArrowBack));
    Volgende = Knop(panel, "Volgende", QString(), QCoreApplication::translate("Afdrukvoorbeeld", "Volgende pagina (Page Down)"),
                    stijl->standardIcon(QStyle::SP_ArrowForward));
    Label1 = new QLabel(QCoreApplication::translate("Afdrukvoorbeeld", "Pagina   1 van   2"), panel);
    Label1->setObjectName(QStringLiteral("Label1"));
    Zoomin = Knop(panel, "Zoomin", QCoreApplication::translate("Afdrukvoorbeeld", "Inzoomen"), QString(),
                  QIcon::fromTheme(QStringLiteral("zoom-in")));
    Zoomin->setMinimumWidth(89);
    Zoomout = Knop(panel, "Zoomout", QCoreApplication::translate("Afdrukvoorbeeld", "Uitzoomen"), QString(),
                   QIcon::fromTheme(QStringLiteral("zoom-out")));
    Zoomout->setMinimumWidth(89);
    Sluiten = new QPushButton(QCoreApplication::translate("Afdrukvoorbeeld", "Sluiten"), panel);
    Sluiten->setObjectName(QStringLiteral("Sluiten"));
    Sluiten->setMinimumWidth(81);
    Sluiten->setAutoDefault(false);
    Sluiten->setFocusPolicy(Qt::NoFocus);
    Fixedbutton = Knop(panel, "Fixedbutton", QCoreApplication::translate("Afdrukvoorbeeld", "Fixed"), QCoreApplication::translate("Afdrukvoorbeeld", "Alleen Fixed fonts"),
                       QIcon());
    Fixedbutton->setCheckable(true);
    pfontname = new QFontComboBox(panel);
    pfontname->setObjectName(QStringLiteral("pfontname"));
    pfontname->setToolTip(QCoreApplication::translate("Afdrukvoorbeeld", "Printer font"));
    pfontname->setFixedWidth(131);
    pfontname->view()->setMinimumWidth(250);
    pfontname->setEditable(false);
    spinedit1 = new QComboBox(panel);
    spinedit1->setObjectName(QStringLiteral("spinedit1"));
    spinedit1->setEditable(true);
    spinedit1->setInsertPolicy(QComboBox::NoInsert);
    spinedit1->setFixedWidth(49);
    BoldButton = Knop(panel, "BoldButton", QCoreApplication::translate("Afdrukvoorbeeld", "V"), QCoreApplication::translate("Afdrukvoorbeeld", "Vet"),
                      QIcon::fromTheme(QStringLiteral("format-text-bold")));
    BoldButton->setCheckable(true);
    if (BoldButton->icon().isNull()) {
        QFont vet = BoldButton->font();
        vet.setBold(true);
        BoldButton->setFont(vet);
    }
    const IndelingOpties opties = LeesIndelingOpties();
    Passend = new QCheckBox(QCoreApplication::translate("Afdrukvoorbeeld", "Passend maken"), panel);
    Passend->setObjectName(QStringLiteral("Passend"));
    Passend->setChecked(opties.passend);
    Passend->setFocusPolicy(Qt::NoFocus);
    BalkenHeel = new QCheckBox(QCoreApplication::translate("Afdrukvoorbeeld", "Notenbalken heel houden"), panel);
    BalkenHeel->setObjectName(QStringLiteral("BalkenHeel"));
    BalkenHeel->setChecked(opties.balkenHeel);
    BalkenHeel->setFocusPolicy(Qt::NoFocus);
    Melding = new QLabel(panel);
    Melding->setObjectName(QStringLiteral("Melding"));
    for (QWidget* w : {static_cast<QWidget*>(SpeedButton1), static_cast<QWidget*>(Vorige),
                       static_cast<QWidget*>(Volgende), static_cast<QWidget*>(Label1),
                       static_cast<QWidget*>(Zoomin), static_cast<QWidget*>(Zoomout),
                       static_cast<QWidget*>(Sluiten), static_cast<QWidget*>(Fixedbutton),
                       static_cast<QWidget*>(pfontname), static_cast<QWidget*>(spinedit1),
                       static_cast<QWidget*>(BoldButton), static_cast<QWidget*>(Passend),
                       static_cast<QWidget*>(BalkenHeel), static_cast<QWidget*>(Melding)})
        rij->addWidget(w);
    rij->addStretch(1);

    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setWidgetResizable(false);
    ScrollBox1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ScrollBox1->setFocusPolicy(Qt::StrongFocus);
    auto* vlak = new QWidget;
    vlak->setAutoFillBackground(true);
    QPalette grijs = vlak->palette();
    grijs.setColor(QPalette::Window, palette().color(QPalette::Disabled, QPalette::WindowText));
    vlak->setPalette(grijs);
    ScrollBox1->viewport()->setPalette(grijs);
    ScrollBox1->viewport()->setAutoFillBackground(true);
    Image1 = new PaginaBeeld(vlak);
    Image1->move(12, beeldTop);
    ScrollBox1->setWidget(vlak);
    ScrollBox1->viewport()->installEventFilter(this);

    auto* kolom = new QVBoxLayout(this);
    kolom->setContentsMargins(0, 0, 0, 0);
    kolom->setSpacing(0);
    kolom->addWidget(panel);
    kolom->addWidget(ScrollBox1, 1);

    connect(SpeedButton1, &QToolButton::clicked, this, &Tpreviewform::PrintbuttonClick);
    connect(Vorige, &QToolButton::clicked, this, &Tpreviewform::VorigeClick);
    connect(Volgende, &QToolButton::clicked, this, &Tpreviewform::VolgendeClick);
    connect(Zoomin, &QToolButton::clicked, this, &Tpreviewform::ZoominClick);
    connect(Zoomout, &QToolButton::clicked, this, &Tpreviewform::ZoomoutClick);
    connect(Sluiten, &QPushButton::clicked, this, &Tpreviewform::SluitenClick);
    connect(Fixedbutton, &QToolButton::clicked, this, &Tpreviewform::FixedbuttonClick);
    connect(BoldButton, &QToolButton::clicked, this, &Tpreviewform::BoldButtonClick);
    connect(Passend, &QCheckBox::clicked, this, &Tpreviewform::IndelingClick);
    connect(BalkenHeel, &QCheckBox::clicked, this, &Tpreviewform::IndelingClick);
    connect(pfontname, &QFontComboBox::currentFontChanged, this, &Tpreviewform::pfontnameChange);
    // A size picked from the list behaves as a font-name change; a size being
    // typed redraws too but keeps the focus, or no two-digit size could be
    // typed.
    connect(spinedit1, &QComboBox::activated, this, [this] {
        SpinEdit1Change();
        ScrollBox1->setFocus();
    });
    connect(spinedit1->lineEdit(), &QLineEdit::textEdited, this, &Tpreviewform::SpinEdit1Change);
    Image1->onMouseDown = [this](Qt::MouseButton b) { Image1MouseDown(b); };

    spinedit1->setEditText(QString::number(m_geldigeGrootte));
}

Tpreviewform::~Tpreviewform()
{
    qApp->removeEventFilter(this);
}

void Tpreviewform::ZetLettertype(const QString& naam, int grootte, bool vet, bool alleenFixed)
{
    const QSignalBlocker a(pfontname);
    const QSignalBlocker b(spinedit1);
    Fixedbutton->setChecked(alleenFixed);
    pfontname->setFontFilters(alleenFixed ? QFontComboBox::MonospacedFonts : QFontComboBox::AllFonts);
    // A name the system lacks ("courier new" on most Linux desktops) stands
    // for the family it resolves to, the one the editor and printer draw with,
    // so that the preview measures its pages in that font.
    // Resolved exactly as the editor resolves its font name (no style hint),
    // or the two may land on different substitutes.
    const QFont gevraagd(naam);
    pfontname->setCurrentFont(QFontDatabase::hasFamily(naam) ? gevraagd : QFont(QFontInfo(gevraagd).family()));
    m_groottesVoor.clear();
    VulGroottes();
    spinedit1->setEditText(QString::number(grootte));
    BoldButton->setChecked(vet);
}

void Tpreviewform::Voorbereiden(const EditorOps& editor, const QString& titel, bool paginanummers,
                                const QString& bestandsnaam)
{
    if (parentWidget())
        resize(parentWidget()->window()->size());
    m_huidigePagina = 1;
    m_metPaginanummers = paginanummers;
    m_titel = TitelVan(bestandsnaam);
    Image1->move(12, beeldTop);

    // The printer can have changed since the last opening (printer set-up).
    m_schermDpi = std::max(1, logicalDpiX());
    const int printerDpi = std::max(1, m_drukker.Dpi());
    int breed = m_drukker.PaginaBreedte();
    int hoog = m_drukker.PaginaHoogte();
    m_schaal = static_cast<double>(printerDpi) / m_schermDpi;
    if (breed <= 0 || hoog <= 0) {
        // No page to measure: show an A4 sheet at screen size.
        m_schaal = 1.0;
        breed = Rond(210 / 25.4 * m_schermDpi);
        hoog = Rond(297 / 25.4 * m_schermDpi);
    }
    m_verhouding = static_cast<double>(hoog) / breed;
    m_paginaBreed = std::max(1, Rond(breed / m_schaal));
    m_paginaHoog = std::max(1, Rond(m_paginaBreed * m_verhouding));
    if (m_beeld.width() != m_paginaBreed || m_beeld.height() != m_paginaHoog) {
        m_beeld = QImage(m_paginaBreed, m_paginaHoog, QImage::Format_RGB32);
        const int dpm = Rond(m_schermDpi / 0.0254);
        m_beeld.setDotsPerMeterX(dpm);
        m_beeld.setDotsPerMeterY(dpm);
        m_beeld.fill(Qt::white);
        Image1->ZetBeeld(&m_beeld);
    }

    m_voorbeeldRegels = LeesBronRegels(editor, 0, editor.LineCount() - 1);
    MaakPlan();
    ZetPaginaBereik(1);

    m_zoomstand = 2;
    setWindowTitle(titel);
    ZetKnoppen();
    TekenPagina();
    ZetZoom(m_zoomstand);
}

void Tpreviewform::ZetAfdruk(const QFont& body, int regelsPerPagina)
{
    m_afdrukFont = body;
    m_afdrukRegels = regelsPerPagina;
}

void Tpreviewform::MaakPlan()
{
    QFont body = m_afdrukFont;
    int regels = m_afdrukRegels;
    if (regels <= 0) {
        // Measured in the printer's drawing font as it stands, with the name
        // chosen here.
        QFont meetfont = m_drukker.tekenfont();
        meetfont.setFamily(pfontname->currentFont().family());
        regels = m_drukker.RegelsPerPagina(meetfont);
        body = Bodyfont(pfontname->currentFont().family(), m_geldigeGrootte, BoldButton->isChecked());
    }
    m_planGrootte = body.pointSize();
    IndelingOpties opties;
    opties.passend = Passend->isChecked();
    opties.balkenHeel = BalkenHeel->isChecked();
    m_plan = MaakAfdrukPlan(&m_drukker.printer(), m_drukker.PaginaBreedte(), m_drukker.PaginaHoogte(), body, regels,
                            m_voorbeeldRegels, 0, opties, AfdrukSoort::Document);
    m_paginas = m_plan.AantalPaginas();
}

void Tpreviewform::IndelingClick()
{
    BewaarIndelingOpties({Passend->isChecked(), BalkenHeel->isChecked()});
    MaakPlan();
    ZetPagina(std::min(m_huidigePagina, m_paginas));
    ScrollBox1->setFocus();
}

void Tpreviewform::ToonVoorbeeld(const EditorOps& editor, const QString& titel, bool paginanummers,
                                 const QString& bestandsnaam)
{
    Voorbereiden(editor, titel, paginanummers, bestandsnaam);
    exec();
}

void Tpreviewform::ZetKnoppen()
{
    Zoomin->setEnabled(m_zoomstand < 2);
    Zoomout->setEnabled(m_zoomstand > 1);
    Volgende->setEnabled(m_huidigePagina < m_paginas);
    Vorige->setEnabled(m_huidigePagina > 1);
}

void Tpreviewform::VulGroottes()
{
    const QString familie = pfontname->currentFont().family();
    if (familie == m_groottesVoor)
        return;
    m_groottesVoor = familie;
    QList<int> groottes = QFontDatabase::pointSizes(familie);
    if (groottes.isEmpty())
        groottes = QFontDatabase::standardSizes();
    const QSignalBlocker blokker(spinedit1);
    // A typed size that the list lacks stays: Qt scales any whole size, and
    // emptying the box would only make the next drawing fail.
    const QString tekst = spinedit1->currentText();
    spinedit1->clear();
    for (const int g : groottes)
        spinedit1->addItem(QString::number(g));
    const int index = spinedit1->findText(tekst);
    spinedit1->setCurrentIndex(index);
    spinedit1->setEditText(tekst);
}

void Tpreviewform::TekenPagina()
{
    VulGroottes();
    const QString tekst = spinedit1->currentText().trimmed();
    bool geheel = false;
    const int grootte = tekst.toInt(&geheel);
    if (geheel && grootte >= 1 && grootte <= grootsteGrootte) {
        m_geldigeGrootte = grootte;
        Melding->clear();
    } else {
        // A half-drawn page helps nobody: draw with the last size that worked.
        Melding->setText(QCoreApplication::translate("Afdrukvoorbeeld", "\"%1\" is geen geldige lettergrootte (een geheel getal van 1 "
                                        "tot en met %2); de pagina blijft in %3 punten getekend.")
                             .arg(tekst)
                             .arg(grootsteGrootte)
                             .arg(m_geldigeGrootte));
    }

    if (!m_beeld.isNull()) {
        m_beeld.fill(Qt::white);
        QPainter painter(&m_beeld);
        // Shrunk by as many points as printing shrinks its font to fit.
        const int krimp = m_planGrootte - m_plan.body.pointSize();
        const QFont body = Bodyfont(pfontname->currentFont().family(), std::max(1, m_geldigeGrootte - krimp),
                                    BoldButton->isChecked());
        const PaginaOpmaak opmaak(&m_beeld, Kopfont(), body, Stapeling::Afdruk);
        PaginaKop kop;
        if (m_metPaginanummers) {
            kop.paginatekst = QString::fromStdString(PaginaTekst(m_huidigePagina, m_paginas));
            if (m_huidigePagina > 1)
                kop.titel = m_titel;
        }
        // As printed: underlined after the first page when numbered.
        kop.onderstreept = m_huidigePagina > 1 && m_metPaginanummers;
        opmaak.TekenPagina(painter, kop, m_plan.Rijen(m_huidigePagina - 1));
    }
    Image1->update();
    ZetZoom(m_zoomstand);
    ToonPaginaLabel();
}

void Tpreviewform::ZetZoom(int stand)
{
    int breed = 0;
    int hoog = 0;
    if (stand == 1) {
        hoog = std::max(1, ScrollBox1->viewport()->height() - 12);
        breed = std::max(1, Rond(hoog / m_verhouding));
    } else {
        breed = m_paginaBreed;
        hoog = Rond(breed * m_verhouding);
    }
    Image1->resize(breed, hoog);
    PlaatsBeeld();
}

void Tpreviewform::PlaatsBeeld()
{
    if (m_plaatsen)
        return;
    m_plaatsen = true;
    QWidget* vlak = ScrollBox1->widget();
    // Twice: the first size can add or remove a scroll bar, which changes the
    // width to centre in.
    for (int keer = 0; keer < 2; ++keer) {
        const QSize zicht = ScrollBox1->viewport()->size();
        // Centred; a page wider than the view starts at the left edge so that
        // all of it can be scrolled into view.
        const int links = std::max(0, (zicht.width() - Image1->width()) / 2);
        Image1->move(links, beeldTop);
        vlak->resize(std::max(zicht.width(), links + Image1->width()),
                     std::max(zicht.height(), beeldTop + Image1->height() + beeldTop));
    }
    m_plaatsen = false;
}

void Tpreviewform::ToonPaginaLabel()
{
    Label1->setText(QString::fromStdString(PaginaTekst(m_huidigePagina, m_paginas)));
}

void Tpreviewform::ZetPagina(int pagina)
{
    ZetPaginaBereik(pagina);
    ZetKnoppen();
    TekenPagina();
}

void Tpreviewform::ZetPaginaBereik(int pagina)
{
    m_huidigePagina = pagina;
    // The first and last source line that have a row on the page.
    const std::size_t p = static_cast<std::size_t>(pagina - 1);
    m_vanRegel = 0;
    m_totRegel = -1;
    if (p < m_plan.indeling.paginas.size() && !m_plan.indeling.paginas[p].empty()) {
        m_vanRegel = m_plan.indeling.paginas[p].front().bron;
        m_totRegel = m_plan.indeling.paginas[p].back().bron;
    }
}

void Tpreviewform::VolgendeClick()
{
    if (m_huidigePagina < m_paginas)
        ZetPagina(m_huidigePagina + 1);
}

void Tpreviewform::VorigeClick()
{
    if (m_huidigePagina > 1)
        ZetPagina(m_huidigePagina - 1);
}

void Tpreviewform::BeginClick()
{
    ZetPagina(1);
}

void Tpreviewform::EindClick()
{
    ZetPagina(m_paginas);
}

void Tpreviewform::ZoominClick()
{
    if (m_zoomstand < 2)
        ++m_zoomstand;
    ZetZoom(m_zoomstand);
    ZetKnoppen();
    ScrollBox1->setFocus();
}

void Tpreviewform::ZoomoutClick()
{
    if (m_zoomstand > 1)
        --m_zoomstand;
    ZetZoom(m_zoomstand);
    ZetKnoppen();
}

void Tpreviewform::Image1MouseDown(Qt::MouseButton button)
{
    if (button == Qt::LeftButton)
        m_zoomstand = m_zoomstand == 1 ? 2 : 1;
    ZetZoom(m_zoomstand);
    ZetKnoppen();
    ScrollBox1->setFocus();
}

void Tpreviewform::PrintbuttonClick()
{
    if (m_afdrukken)
        m_afdrukken();
    ScrollBox1->setFocus();
}

void Tpreviewform::SluitenClick()
{
    close();
}

void Tpreviewform::FixedbuttonClick()
{
    const QSignalBlocker blokker(pfontname);
    const QFont huidig = pfontname->currentFont();
    pfontname->setFontFilters(Fixedbutton->isChecked() ? QFontComboBox::MonospacedFonts
                                                       : QFontComboBox::AllFonts);
    pfontname->setCurrentFont(huidig);
}

void Tpreviewform::pfontnameChange()
{
    TekenPagina();
    ScrollBox1->setFocus();
}

void Tpreviewform::SpinEdit1Change()
{
    TekenPagina();
}

void Tpreviewform::BoldButtonClick()
{
    TekenPagina();
}

void Tpreviewform::Schuif(int stap)
{
    QScrollBar* balk = ScrollBox1->verticalScrollBar();
    balk->setValue(balk->value() + stap);
}

void Tpreviewform::FormKeyDown(QKeyEvent* event)
{
    const bool ctrl = event->modifiers().testFlag(Qt::ControlModifier);
    QScrollBar* balk = ScrollBox1->verticalScrollBar();
    switch (event->key()) {
    case Qt::Key_PageUp: ctrl ? BeginClick() : VorigeClick(); break;
    case Qt::Key_PageDown: ctrl ? EindClick() : VolgendeClick(); break;
    case Qt::Key_Home: ctrl ? balk->setValue(0) : Schuif(-200); break;
    case Qt::Key_End: ctrl ? balk->setValue(balk->maximum()) : Schuif(200); break;
    case Qt::Key_Up: Schuif(-10); break;
    case Qt::Key_Down: Schuif(10); break;
    case Qt::Key_Delete:
    case Qt::Key_F2: close(); break;
    case Qt::Key_P:
        if (ctrl && m_afdrukken)
            m_afdrukken();
        break;
    default: break;
    }
}

bool Tpreviewform::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ScrollBox1->viewport()) {
        if (event->type() == QEvent::Wheel) {
            auto* wiel = static_cast<QWheelEvent*>(event);
            m_wielRest += wiel->angleDelta().y();
            const int stappen = m_wielRest / 120;
            m_wielRest -= stappen * 120;
            Schuif(-30 * stappen);
            return true;
        }
        if (event->type() == QEvent::Resize)
            ZetZoom(m_zoomstand);
        return false;
    }
    if (event->type() != QEvent::KeyPress || !isVisible())
        return false;
    // The window sees each key first, once: at its delivery to the focused
    // control (or to the window itself when nothing has the focus).
    QWidget* focus = QApplication::focusWidget();
    if (watched != (focus ? static_cast<QObject*>(focus) : static_cast<QObject*>(this)))
        return false;
    auto* w = qobject_cast<QWidget*>(watched);
    if (!w || w->window() != this)
        return false;
    auto* toets = static_cast<QKeyEvent*>(event);
    const int key = toets->key();
    const bool eigen = key == Qt::Key_PageUp || key == Qt::Key_PageDown || key == Qt::Key_Home ||
                       key == Qt::Key_End || key == Qt::Key_Up || key == Qt::Key_Down ||
                       key == Qt::Key_Delete || key == Qt::Key_F2 ||
                       (key == Qt::Key_P && toets->modifiers().testFlag(Qt::ControlModifier));
    if (!eigen)
        return false;
    FormKeyDown(toets);
    // The scroll box would scroll once more by its own keys; other controls
    // get the key as well. A closed window passes nothing on.
    const bool inScrollBox = w == ScrollBox1 || ScrollBox1->isAncestorOf(w);
    return inScrollBox || key == Qt::Key_Delete || key == Qt::Key_F2 || key == Qt::Key_P;
}

void Tpreviewform::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    qApp->installEventFilter(this);
    ScrollBox1->setFocus();
    ZetZoom(m_zoomstand);
}

void Tpreviewform::hideEvent(QHideEvent* event)
{
    qApp->removeEventFilter(this);
    QDialog::hideEvent(event);
}

} // namespace korvane
