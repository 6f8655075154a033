// Drawing one page of a document; shared by printing and the preview.
#include "print/pagelayout.h"
#include "files/tekens.h"

#include "core/cp1252.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QPainter>

namespace korvane {

QFont Kopfont()
{
    QFont font(QStringLiteral("Courier New"));
    // Where Courier New is missing the substitute must still be fixed pitch,
    // or the header line would not end in column 85.
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSize(9);
    font.setBold(true);
    return font;
}

QFont Bodyfont(const QString& naam, int grootte, bool vet)
{
    QFont font(naam);
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSize(grootte > 0 ? grootte : 1);
    font.setBold(vet);
    return font;
}

QString RegelTekst(std::u32string_view tekst)
{
    return QTekst(tekst);
}

QString TitelVan(const QString& bestandsnaam)
{
    QString naam = QFileInfo(bestandsnaam).fileName();
    const qsizetype punt = naam.lastIndexOf(QLatin1Char('.'));
    if (punt >= 0)
        naam.truncate(punt);
    return naam;
}

QString Kopregel(const QString& titel, const QString& paginatekst)
{
    const qsizetype n = kopregelBreedte - 1 - paginatekst.size() - titel.size();
    const QString vulling = n >= 0 ? QString(n + 1, QLatin1Char(' ')) : QString();
    return titel + vulling + paginatekst;
}

PaginaOpmaak::PaginaOpmaak(QPaintDevice* device, const QFont& kopfont, const QFont& bodyfont,
                           Stapeling stapeling)
    : m_kopfont(kopfont, device), m_bodyfont(bodyfont, device), m_stapeling(stapeling)
{
    const QFontMetrics kop(m_kopfont, device);
    const QFontMetrics body(m_bodyfont, device);
    m_kopHoogte = kop.height();
    m_kopAscent = kop.ascent();
    m_bodyHoogte = body.height();
    m_bodyAscent = body.ascent();
    m_kantlijnBreedte = kop.horizontalAdvance(QString::fromLatin1(kantlijn.data(),
                                                                  static_cast<qsizetype>(kantlijn.size())));
}

int PaginaOpmaak::BodyBegin() const
{
    return m_stapeling == Stapeling::Afdruk ? 5 * m_kopHoogte : 5 * m_bodyHoogte;
}

void PaginaOpmaak::TekenPagina(QPainter& painter, const PaginaKop& kop, const QStringList& rijen) const
{
    // The three empty lines and the one below the header line hold only
    // kantlijn, which leaves no mark on the paper; only their height counts.
    QFont kopfont = m_kopfont;
    kopfont.setUnderline(kop.onderstreept);
    painter.setFont(kopfont);
    const int kopY = 3 * m_kopHoogte;
    painter.drawText(QPoint(m_kantlijnBreedte + linkerMarge, kopY + m_kopAscent),
                     Kopregel(kop.titel, kop.paginatekst));
    TekenRegels(painter, BodyBegin(), rijen);
}

int PaginaOpmaak::TekenRegels(QPainter& painter, int y, const QStringList& rijen) const
{
    painter.setFont(m_bodyfont);
    const QString marge = QString::fromLatin1(kantlijn.data(), static_cast<qsizetype>(kantlijn.size()));
    for (const QString& rij : rijen) {
        painter.drawText(QPoint(linkerMarge, y + m_bodyAscent), marge + rij);
        y += m_bodyHoogte;
    }
    return y;
}

} // namespace korvane
