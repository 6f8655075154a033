// The dialogs of transposing, retuning and the capo.
#include "ui/muziekdialogen.h"

#include "files/prompter.h"

#include <QCoreApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace korvane {

Omzetdialoog::Omzetdialoog(Soort soort, const QStringList& stemmingen, const QString& huidige, bool selectie,
                           QWidget* parent)
    : QDialog(parent)
{
    auto* vorm = new QFormLayout;
    switch (soort) {
    case Soort::Transponeren:
        setObjectName(QStringLiteral("Transponeren"));
        setWindowTitle(QCoreApplication::translate("Muziekdialoog", "Transponeren"));
        Aantal = new QSpinBox(this);
        Aantal->setObjectName(QStringLiteral("Halvetonen"));
        Aantal->setRange(-12, 12);
        Aantal->setValue(1);
        vorm->addRow(QCoreApplication::translate("Muziekdialoog", "&Halve tonen:"), Aantal);
        break;
    case Soort::Stemming:
        setObjectName(QStringLiteral("StemmingWijzigen"));
        setWindowTitle(QCoreApplication::translate("Muziekdialoog", "Stemming wijzigen"));
        Stemmingen = new QComboBox(this);
        Stemmingen->setObjectName(QStringLiteral("Stemmingen"));
        Stemmingen->addItems(stemmingen);
        Stemmingen->setCurrentIndex(std::max(0, static_cast<int>(stemmingen.indexOf(huidige))));
        vorm->addRow(QCoreApplication::translate("Muziekdialoog", "&Nieuwe stemming:"), Stemmingen);
        break;
    case Soort::Capo:
        setObjectName(QStringLiteral("Capo"));
        setWindowTitle(QCoreApplication::translate("Muziekdialoog", "Capo"));
        Aantal = new QSpinBox(this);
        Aantal->setObjectName(QStringLiteral("Capofret"));
        Aantal->setRange(0, 24);
        Aantal->setSpecialValueText(QCoreApplication::translate("Muziekdialoog", "geen capo"));
        vorm->addRow(QCoreApplication::translate("Muziekdialoog", "&Capo op fret:"), Aantal);
        break;
    }
    if (soort != Soort::Capo) {
        Bereikbox = new QComboBox(this);
        Bereikbox->setObjectName(QStringLiteral("Bereik"));
        if (selectie && soort == Soort::Transponeren) {
            Bereikbox->addItem(QCoreApplication::translate("Muziekdialoog", "De tabbalken in de selectie"));
            m_bereiken.push_back(Bereikkeuze::Selectie);
        }
        Bereikbox->addItem(QCoreApplication::translate("Muziekdialoog", "De tabbalk bij de caret"));
        m_bereiken.push_back(Bereikkeuze::Tabbalk);
        Bereikbox->addItem(QCoreApplication::translate("Muziekdialoog", "Het hele document"));
        m_bereiken.push_back(Bereikkeuze::Document);
        vorm->addRow(QCoreApplication::translate("Muziekdialoog", "&Bereik:"), Bereikbox);
    }
    auto* knoppen = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    knoppen->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    knoppen->button(QDialogButtonBox::Cancel)->setText(QCoreApplication::translate("Muziekdialoog", "Annuleren"));
    connect(knoppen, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(knoppen, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(vorm);
    layout->addWidget(knoppen);
}

bool Omzetdialoog::Vraag(Prompter& prompter)
{
    return prompter.ExecDialog(*this) == QDialog::Accepted;
}

int Omzetdialoog::Getal() const
{
    return Aantal ? Aantal->value() : 0;
}

QString Omzetdialoog::Stemming() const
{
    return Stemmingen ? Stemmingen->currentText() : QString();
}

Bereikkeuze Omzetdialoog::Bereik() const
{
    if (!Bereikbox || Bereikbox->currentIndex() < 0)
        return Bereikkeuze::Document;
    return m_bereiken[static_cast<std::size_t>(Bereikbox->currentIndex())];
}

} // namespace korvane
