// The print preview window: one printed page at a time, drawn with the page
// layout of printing into a picture at the paper's physical size, with a
// fit-to-window zoom, page navigation, its own body font and a print button.
#pragma once

#include "core/editor.h"
#include "print/printer.h"
#include "print/printplan.h"

#include <QDialog>
#include <QImage>
#include <QStringList>

#include <functional>

class QCheckBox;
class QComboBox;
class QFontComboBox;
class QLabel;
class QPushButton;
class QScrollArea;
class QToolButton;

namespace korvane {

// Image1: the page bitmap shown stretched to the control's size.
class PaginaBeeld : public QWidget {
    Q_OBJECT
public:
    explicit PaginaBeeld(QWidget* parent = nullptr);
    void ZetBeeld(const QImage* beeld) { m_beeld = beeld; update(); }
    std::function<void(Qt::MouseButton)> onMouseDown;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    const QImage* m_beeld = nullptr;
};

class Tpreviewform : public QDialog {
    Q_OBJECT
public:
    // The printer is measured for the page size and lines per page each time
    // the window opens.
    explicit Tpreviewform(const Drukker& drukker, QWidget* parent = nullptr);
    ~Tpreviewform() override;

    // The main window's presets at its first showing: body font name (and
    // the fixed-pitch filter), size and bold.
    void ZetLettertype(const QString& naam, int grootte, bool vet, bool alleenFixed);
    // The pages are those printing makes from this body font and these lines
    // per page; without them the preview's own font and the printer's
    // drawing font measure the pages.
    void ZetAfdruk(const QFont& body, int regelsPerPagina);
    // What "Afdrukken" and Ctrl+P run: the main window's print command.
    void ZetAfdrukken(std::function<void()> afdrukken) { m_afdrukken = std::move(afdrukken); }

    // Takes a copy of the document's lines and shows page 1 at full size,
    // modally; returns when the window closes. `bestandsnaam` gives the title
    // in the page header.
    void ToonVoorbeeld(const EditorOps& editor, const QString& titel, bool paginanummers,
                       const QString& bestandsnaam);
    // The same without showing the window (ToonVoorbeeld's steps before the
    // modal loop).
    void Voorbereiden(const EditorOps& editor, const QString& titel, bool paginanummers,
                      const QString& bestandsnaam);

    void TekenPagina();
    void ZetZoom(int stand);
    void ToonPaginaLabel();

    void VolgendeClick();
    void VorigeClick();
    void BeginClick();
    void EindClick();
    void ZoominClick();
    void ZoomoutClick();
    void Image1MouseDown(Qt::MouseButton button);
    void PrintbuttonClick();
    void SluitenClick();
    void FixedbuttonClick();
    void pfontnameChange();
    void SpinEdit1Change();
    void BoldButtonClick();
    // "Passend maken" and "Notenbalken heel houden": lay the pages out again
    // and remember the choice for the next preview and print.
    void IndelingClick();

    // State, read by the main window's tests and the benchmark.
    int huidigePagina() const { return m_huidigePagina; }
    int paginas() const { return m_paginas; }
    int paginaRegels() const { return m_plan.regelsPerPagina; }
    // The pages as laid out, the same as printing makes.
    const AfdrukPlan& plan() const { return m_plan; }
    int vanRegel() const { return m_vanRegel; }
    int totRegel() const { return m_totRegel; }
    int zoomstand() const { return m_zoomstand; }
    const QImage& paginabeeld() const { return m_beeld; }
    // The size the body was last drawn in.
    int bodyGrootte() const { return m_geldigeGrootte; }

    // The controls, by their names in the window's design.
    QToolButton* SpeedButton1;
    QToolButton* Vorige;
    QToolButton* Volgende;
    QLabel* Label1;
    QToolButton* Zoomin;
    QToolButton* Zoomout;
    QPushButton* Sluiten;
    QToolButton* Fixedbutton;
    QFontComboBox* pfontname;
    QComboBox* spinedit1;
    QToolButton* BoldButton;
    QCheckBox* Passend;
    QCheckBox* BalkenHeel;
    QLabel* Melding; // says when the size text cannot be used
    QScrollArea* ScrollBox1;
    PaginaBeeld* Image1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void FormKeyDown(QKeyEvent* event);
    void ZetPagina(int pagina);
    void ZetPaginaBereik(int pagina);
    void ZetKnoppen();
    void VulGroottes();
    void Schuif(int stap);
    void PlaatsBeeld();
    void MaakPlan();

    Drukker m_drukker;
    std::function<void()> m_afdrukken;

    double m_schaal = 1.0;      // printer dpi / screen dpi
    double m_verhouding = 1.0;  // page height / page width
    int m_schermDpi = 96;
    int m_paginaBreed = 0;
    int m_paginaHoog = 0;
    int m_zoomstand = 2;
    std::vector<std::u32string> m_voorbeeldRegels;
    AfdrukPlan m_plan;
    QFont m_afdrukFont;
    int m_afdrukRegels = 0;     // 0: measure in the preview's own font
    int m_planGrootte = 9;      // body size the plan started from, before fitting
    int m_paginas = 1;
    int m_huidigePagina = 1;
    int m_vanRegel = 0;
    int m_totRegel = -1;
    bool m_metPaginanummers = false;
    QString m_titel;
    QImage m_beeld;
    QString m_groottesVoor;     // font whose sizes spinedit1 lists
    int m_geldigeGrootte = 9;   // last whole-number size that was drawn
    int m_wielRest = 0;         // wheel angle not yet turned into notches
    bool m_plaatsen = false;    // guards the layout against its own resizes
};

} // namespace korvane
