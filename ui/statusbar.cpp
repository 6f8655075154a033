// StatusVak: a status-bar panel that repaints only itself.
#include "ui/statusbar.h"

#include <QPainter>

namespace korvane {

StatusVak::StatusVak(int breedte, Qt::Alignment uitlijning, QWidget* parent)
    : QFrame(parent)
    , m_uitlijning(uitlijning | Qt::AlignVCenter)
{
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setFixedWidth(breedte);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
}

void StatusVak::setText(const QString& tekst)
{
    if (tekst == m_tekst)
        return;
    m_tekst = tekst;
    update(contentsRect());
}

QSize StatusVak::sizeHint() const
{
    return {width(), fontMetrics().height() + 2 * frameWidth()};
}

void StatusVak::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(contentsRect().adjusted(2, 0, -2, 0), static_cast<int>(m_uitlijning), m_tekst);
}

} // namespace korvane
