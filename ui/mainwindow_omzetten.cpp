// TForm1: transposing, retuning and the capo. The dialogs ask, music/ does
// the work; what could not be moved is told in one message.
#include "ui/mainwindow.h"

#include "files/tekens.h"
#include "ui/muziekdialogen.h"
#include "ui/qteditor.h"

#include <QComboBox>

namespace korvane {

namespace {

QStringList Stemmingen(const StemmingLijst& lijst)
{
    QStringList namen;
    for (const std::u32string& s : lijst.Items())
        namen << QTekst(s);
    return namen;
}

void Meld(Prompter& prompter, const Uitkomst& uitkomst)
{
    if (const std::string melding = Meldtekst(uitkomst); !melding.empty())
        prompter.Message(melding);
}

} // namespace

void TForm1::Transponeren1Click()
{
    VulInstellingen();
    Omzetdialoog dialoog(Omzetdialoog::Soort::Transponeren, {}, {}, m_editor->SelectionLength() > 0, this);
    if (!dialoog.Vraag(prompter) || dialoog.Getal() == 0)
        return;
    Meld(prompter, Transponeer(*m_ctx, dialoog.Bereik(), dialoog.Getal()));
}

void TForm1::Stemmingwijzigen1Click()
{
    VulInstellingen();
    Omzetdialoog dialoog(Omzetdialoog::Soort::Stemming, Stemmingen(stemmingLijst), ComboBox1->currentText(),
                         m_editor->SelectionLength() > 0, this);
    if (!dialoog.Vraag(prompter))
        return;
    Meld(prompter, WijzigStemming(*m_ctx, dialoog.Bereik(), Tekens(dialoog.Stemming())));
}

void TForm1::Capo1Click()
{
    VulInstellingen();
    Omzetdialoog dialoog(Omzetdialoog::Soort::Capo, {}, {}, false, this);
    if (!dialoog.Vraag(prompter))
        return;
    Meld(prompter, ZetCapo(*m_ctx, dialoog.Getal()));
}

} // namespace korvane
