// The small dialogs of transposing, retuning and the capo. Each only asks;
// the window's handler runs the command with the answer. They open through
// the Prompter, so tests answer them as a user would.
#pragma once

#include "music/omzetten.h"

#include <QDialog>
#include <QStringList>

class QComboBox;
class QSpinBox;

namespace korvane {

class Prompter;

class Omzetdialoog : public QDialog {
    Q_OBJECT
public:
    enum class Soort { Transponeren, Stemming, Capo };
    // `stemmingen`: the tuning list; `huidige` preselects one. `selectie`:
    // there is a selection to offer as the range.
    Omzetdialoog(Soort soort, const QStringList& stemmingen, const QString& huidige, bool selectie,
                 QWidget* parent = nullptr);

    // Asks through `prompter`; false when cancelled.
    bool Vraag(Prompter& prompter);

    int Getal() const;                  // semitones, or the capo's fret
    QString Stemming() const;
    Bereikkeuze Bereik() const;

    QSpinBox* Aantal = nullptr;         // semitones or capo fret
    QComboBox* Stemmingen = nullptr;    // the tuning list
    QComboBox* Bereikbox = nullptr;     // selection, staff, document

private:
    std::vector<Bereikkeuze> m_bereiken;
};

} // namespace korvane
